# Debian's hardening flags (what dpkg-buildflags gives with hardening=+all on Debian 12) for every
# program built here, so that the package's binaries have them whoever builds it: stack
# protector, fortified libc calls, relocations read-only and bound at start. PIE is the
# compiler's default.
option(KELVO_HARDENING "Build with Debian's hardening flags" ON)
if(KELVO_HARDENING)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # Fortified calls need the optimizer: a debug build would only be warned about them.
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
