# A Debian package of what `cmake --install` installs: `cpack -G DEB` in the build folder makes
# kelvodesk_<version>_<arch>.deb. Its dependencies are computed from the binaries
# (dpkg-shlibdeps), and it reloads the udev rules on install where udev runs.
set(kelvo_doc "${CMAKE_INSTALL_DATADIR}/doc/kelvodesk")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION "${kelvo_doc}")
# Debian wants the changelog compressed without a time stamp.
string(TIMESTAMP KELVO_CHANGELOG_DATE "%a, %d %b %Y 00:00:00 +0000" UTC)
configure_file("${PROJECT_SOURCE_DIR}/packaging/changelog" changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9nf -k changelog
    DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/changelog"
    COMMENT "Compressing the package's changelog"
    VERBATIM)
add_custom_target(kelvo_changelog ALL DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/changelog.gz" DESTINATION "${kelvo_doc}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvodesk)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "KelvoDesk developers <kelvodesk@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration program for the Kelvo DMX lighting controller")
# CPack makes the extended description from this: paragraphs, divided by an empty line.
set(CPACK_PACKAGE_DESCRIPTION
    "KelvoDesk programs the Kelvo, a stand-alone DMX lighting controller with 64
output channels, 8 contact inputs and an infra-red remote control: scenes,
programs, what inputs, remote keys and power-on do, over USB, with live
editing, configuration files and firmware upgrades.

kelvoctl does the same jobs from the command line, for scripts and fleets of
controllers.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in the user's language, and the window on Wayland without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/packaging/stripsections.cmake")
set(CPACK_KELVO_STRIP "${CMAKE_STRIP}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/packaging/postinst;${PROJECT_SOURCE_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
