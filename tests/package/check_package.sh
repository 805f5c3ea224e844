#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it as a user would get it: what it holds,
# what it depends on and recommends, how its programs are hardened and stripped, what lintian
# says, and that the programs it installs run from it.
# Usage: check_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 app_id=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}

if ! (cd "$build" && cpack -G DEB -B "$tmp/out") >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
fi
debs=("$tmp"/out/kelvodesk_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single package: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# What cmake --install installs, under /usr, and nothing of the demo, tests or benchmarks.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/kelvodesk usr/bin/kelvoctl \
    usr/share/kelvodesk/translations/KelvoDesk_{de,en,es,fr,it,pl,ru}.qm \
    "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    "usr/share/icons/hicolor/128x128/apps/$app_id.png" \
    usr/lib/udev/rules.d/70-kelvodesk.rules usr/share/man/man1/kelvoctl.1.gz \
    usr/share/man/man1/kelvodesk.1.gz "usr/share/mime/packages/$app_id.xml" \
    usr/share/doc/kelvodesk/copyright usr/share/doc/kelvodesk/changelog.gz; do
    grep -qxF "./$file" <<<"$contents" || fail "the package lacks /$file"
done
if grep -E 'demo|tst_|bench|fuzz|\.a$|\.h$' <<<"$contents"; then
    fail "the package holds what is not meant for users (above)"
fi

# Dependencies computed from the binaries.
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
depended=$(sed 's/, /\n/g' <<<"$depends" | awk '{print $1}')
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libusb-1.0-0 libstdc++6; do
    grep -qxF "$library" <<<"$depended" || fail "Depends lacks $library"
done

# Qt's translations and its Wayland plugin are recommended, not required.
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "recommends: $recommends"
recommended=$(sed 's/, /\n/g' <<<"$recommends" | awk '{print $1}')
for package in qt6-translations-l10n qt6-wayland; do
    grep -qxF "$package" <<<"$recommended" || fail "Recommends lacks $package"
done

# The programs as Debian hardens and strips its own: relocations read-only and bound at start,
# the stack protector in use, no symbols and no .comment section. Fortified libc calls leave no
# trace where the code makes no call with a size the compiler knows: every compilation must have
# asked for them.
compile_commands=$(cat "$build/compile_commands.json")
grep -q '"command"' <<<"$compile_commands" || fail "no compile commands in $build"
unfortified=$(grep '"command"' <<<"$compile_commands" | grep -v -- '-D_FORTIFY_SOURCE=2' || true)
[ -z "$unfortified" ] || fail "compiled without -D_FORTIFY_SOURCE=2: $unfortified"
unprotected=$(grep '"command"' <<<"$compile_commands" | grep -v -- '-fstack-protector-strong' || true)
[ -z "$unprotected" ] || fail "compiled without -fstack-protector-strong: $unprotected"
dpkg-deb -x "$deb" "$tmp/root"
for program in "$tmp/root/usr/bin/kelvodesk" "$tmp/root/usr/bin/kelvoctl"; do
    name=$(basename "$program")
    [ -f "$program" ] || continue
    dynamic=$(readelf -dW "$program")
    grep -qE 'BIND_NOW|\(FLAGS_1\).* NOW\b' <<<"$dynamic" || fail "$name is not linked with -z now"
    segments=$(readelf -lW "$program")
    grep -q GNU_RELRO <<<"$segments" || fail "$name has no read-only relocations (relro)"
    symbols=$(readelf --dyn-syms -W "$program")
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "$name has no stack protector"
    sections=$(readelf -SW "$program")
    grep -qF ' .symtab ' <<<"$sections" && fail "$name is not stripped"
    grep -qF ' .comment ' <<<"$sections" && fail "$name keeps its .comment section"
    # For the record: it counts a program without fortifiable calls as unfortified.
    if command -v hardening-check >/dev/null; then
        hardening-check "$program" 2>&1 | sed 's/^/hardening-check: /' || true
    fi
done

# The udev rules are reloaded on install where udev runs.
dpkg-deb -I "$deb" postinst | grep -q 'udevadm control --reload-rules' \
    || fail "postinst does not reload the udev rules"

if command -v lintian >/dev/null; then
    lintian --allow-root --pedantic "$deb" >"$tmp/lintian.log" 2>&1 || true
    sed 's/^/lintian: /' "$tmp/lintian.log"
    if grep -q '^E: ' "$tmp/lintian.log"; then
        fail "lintian reports errors"
    fi
else
    fail "lintian not found (Debian package lintian)"
fi

# Unpacked, the installed programs run: kelvoctl, and the window offscreen in an empty folder,
# where it must find the installed translations.
version=$("$tmp/root/usr/bin/kelvoctl" --version) || fail "the installed kelvoctl does not run"
[[ $version == "kelvoctl "* ]] || fail "kelvoctl --version says: $version"
mkdir "$tmp/empty"
version=$(QT_QPA_PLATFORM=offscreen "$tmp/root/usr/bin/kelvodesk" --version) \
    || fail "the installed kelvodesk --version does not run"
[[ $version == "kelvodesk "* ]] || fail "kelvodesk --version says: $version"
(cd "$tmp/empty" && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="kelvodesk.debug.debug=true" \
    XDG_CONFIG_HOME="$tmp/config" \
    timeout 5 "$tmp/root/usr/bin/kelvodesk" >"$tmp/run.log" 2>&1) || true
grep -qF "Translation loaded: $tmp/root/usr/share/kelvodesk/translations/KelvoDesk_pl.qm" \
    "$tmp/run.log" || { cat "$tmp/run.log" >&2; fail "the installed program did not load its translations"; }
exit $status
