#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop needs of it: the two programs
# and nothing built for testing, the translations where the installed program finds them, a menu
# entry and AppStream data their validators accept, the icon, and a udev rule that opens the
# controller to the user at the seat only. Then starts the installed program away from the build.
#
# [CMAKE=cmake] check_install.sh BUILD_DIR APP_ID BINDIR DATADIR UDEV_RULES_DIR
# (the folders as configured: relative to the prefix, or absolute)
set -euo pipefail
if [ $# -ne 5 ]; then
    echo "usage: $0 BUILD_DIR APP_ID BINDIR DATADIR UDEV_RULES_DIR" >&2
    exit 2
fi
build=$1 app_id=$2 bindir=$3 datadir=$4 rulesdir=$5

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Canonical, as the program sees its own path.
tmp=$(cd "$(mktemp -d)" && pwd -P)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
prefix=$tmp/prefix

# An absolute folder would leave the prefix: then the whole install is staged under DESTDIR.
unset DESTDIR
for dir in "$bindir" "$datadir" "$rulesdir"; do
    if [[ $dir == /* ]]; then export DESTDIR=$tmp/stage; fi
done
installed() { # where a configured folder ends up
    if [[ $1 == /* ]]; then echo "${DESTDIR:-}$1"; else echo "${DESTDIR:-}$prefix/$1"; fi
}
bin=$(installed "$bindir")
data=$(installed "$datadir")
rules=$(installed "$rulesdir")

if ! "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install $build" >&2
    exit 1
fi

# What must be there, and nothing else (no demo, benchmarks, tests or fuzzers).
translations=$data/kelvodesk/translations
desktop=$data/applications/$app_id.desktop
metainfo=$data/metainfo/$app_id.metainfo.xml
mime=$data/mime/packages/$app_id.xml
expected=(
    "$bin/kelvodesk" "$bin/kelvoctl"
    "$translations/KelvoDesk_pl.qm"
    "$desktop" "$metainfo"
    "$data/icons/hicolor/scalable/apps/$app_id.svg"
    "$data/icons/hicolor/128x128/apps/$app_id.png"
    "$data/man/man1/kelvoctl.1.gz" "$data/man/man1/kelvodesk.1.gz" "$mime"
    "$data/doc/kelvodesk/copyright" "$data/doc/kelvodesk/changelog.gz"
)
for file in "${expected[@]}"; do
    [ -f "$file" ] || fail "not installed: $file"
done
for program in "$bin/kelvodesk" "$bin/kelvoctl"; do
    [ -x "$program" ] || fail "not executable: $program"
done
# The man page says what --help says: every command, and the exit statuses.
man_page=$data/man/man1/kelvoctl.1.gz
if [ -f "$man_page" ]; then
    # Read once: grep -q leaving a pipe early would fail the pipeline (pipefail) by chance.
    man_text=$(zcat "$man_page" | sed 's/\\-/-/g')
    grep -q '^\.TH KELVOCTL "1"' <<<"$man_text" || fail "$man_page is not a man page of section 1"
    for word in devices backup restore verify-config flash verify-firmware simulate "Exit status"; do
        grep -qF -- "$word" <<<"$man_text" || fail "$man_page does not mention $word"
    done
fi
man_page=$data/man/man1/kelvodesk.1.gz
if [ -f "$man_page" ]; then
    man_text=$(zcat "$man_page" | sed 's/\\-/-/g')
    grep -q '^\.TH KELVODESK "1"' <<<"$man_text" || fail "$man_page is not a man page of section 1"
    for word in --help --version file; do
        grep -qF -- "$word" <<<"$man_text" || fail "$man_page does not mention $word"
    done
fi
cmp -s "$build/bin/KelvoDesk_pl.qm" "$translations/KelvoDesk_pl.qm" \
    || fail "the installed Polish translation differs from the built one"
rule_files=("$rules"/*.rules)
if [ ${#rule_files[@]} -ne 1 ] || [ ! -f "${rule_files[0]}" ]; then
    fail "expected one udev rule file in $rules, found: ${rule_files[*]}"
fi
while IFS= read -r -d '' file; do
    case $file in
    "$translations"/KelvoDesk_*.qm | "${rule_files[0]}") continue ;;
    esac
    printf '%s\n' "${expected[@]}" | grep -qxF "$file" || fail "installed but not meant to be: $file"
done < <(find "$tmp" -path "$tmp/elsewhere" -prune -o \( -type f -o -type l \) \
    ! -name install.log -print0)

# The menu entry and the AppStream data, as the validators see them.
if ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate not found (Debian package desktop-file-utils)"
elif [ -f "$desktop" ]; then
    # Hints too: one says the entry would land in a catch-all menu.
    if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
        fail "desktop-file-validate: $report"
    fi
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
    # A file opened from the file manager reaches the program.
    [[ $exec_line == *" %f" ]] || fail "Exec=$exec_line does not pass the file (%f)"
    mime_types=$(sed -n 's/^MimeType=//p' "$desktop")
    [[ $mime_types == *"application/x-kelvodesk-configuration;"* ]] \
        || fail "MimeType=$mime_types lacks the configuration files' type"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon" = "$app_id" ] || fail "Icon=$icon, expected $app_id"
fi
# The configuration files' type as the desktop's MIME database takes it in.
if ! command -v update-mime-database >/dev/null; then
    fail "update-mime-database not found (Debian package shared-mime-info)"
elif [ -f "$mime" ]; then
    mkdir -p "$tmp/mimedb/packages"
    cp "$mime" "$tmp/mimedb/packages/"
    # It notes on the terminal that the folder is not among the desktop's; only failures count.
    report=$(update-mime-database "$tmp/mimedb" 2>&1) || fail "update-mime-database: $report"
    grep -qxF 'application/x-kelvodesk-configuration:*.cfgkv' "$tmp/mimedb/globs" \
        || fail "*.cfgkv is not application/x-kelvodesk-configuration in the MIME database"
    rm -rf "$tmp/mimedb"
fi
if ! command -v appstreamcli >/dev/null; then
    fail "appstreamcli not found (Debian package appstream)"
elif [ -f "$metainfo" ]; then
    # Infos too (a missing content rating is one); pedantic notes are not shown.
    if ! report=$(appstreamcli validate --no-net "$metainfo" 2>&1) \
        || grep -qE '^[EWI]: ' <<<"$report"; then
        fail "appstreamcli validate --no-net: $report"
    fi
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
        || fail "the metainfo does not launch $app_id.desktop"
    # The release is the programs' own version.
    version=$("$bin/kelvoctl" --version | sed -n 's/^kelvoctl //p')
    grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" \
        || fail "the metainfo has no release $version with its date"
fi

# Each rule for the controller: the controller alone, to the user at the seat through uaccess, and
# no permissions of its own. udev turns uaccess into an access list in 73-seat-late.rules.
rules_for_controller=0
for file in "${rule_files[@]}"; do
    [ -f "$file" ] || continue
    name=$(basename "$file")
    number=$(sed -n 's/^\([0-9]\+\)-.*/\1/p' <<<"$name")
    if [ -z "$number" ] || ((10#$number >= 73)); then
        fail "$name must sort before 73-seat-late.rules"
    fi
    line_number=0
    rule=
    while IFS= read -r line || [ -n "$line" ]; do
        line_number=$((line_number + 1))
        if [[ $line == *\\ ]]; then
            rule+=${line%\\}
            continue
        fi
        rule+=$line
        text=$rule
        rule=
        [[ $text =~ ^[[:space:]]*(#|$) ]] && continue
        [[ $text == *idVendor* ]] || continue
        rules_for_controller=$((rules_for_controller + 1))
        where=$name:$line_number
        declare -A keys=()
        rest=$text
        token='^[[:space:],]*([A-Za-z_]+(\{[^}]*\})?)[[:space:]]*(==|!=|\+=|-=|:=|=)[[:space:]]*"([^"]*)"(.*)$'
        while [[ $rest =~ $token ]]; do
            keys["${BASH_REMATCH[1]}${BASH_REMATCH[3]}"]=${BASH_REMATCH[4]}
            rest=${BASH_REMATCH[5]}
        done
        if [[ ! $rest =~ ^[[:space:],]*$ ]]; then
            fail "$where: cannot read the rule from: $rest"
        fi
        for want in 'SUBSYSTEM== usb' 'ATTR{idVendor}== 16c0' 'ATTR{idProduct}== 0782' \
            'TAG+= uaccess'; do
            key=${want% *} value=${want#* }
            [ "${keys[$key]:-}" = "$value" ] || fail "$where: no $key\"$value\""
        done
        for key in "${!keys[@]}"; do
            case $key in
            MODE* | GROUP* | OWNER*) fail "$where: sets $key\"${keys[$key]}\", uaccess is enough" ;;
            esac
        done
        unset keys
    done <"$file"
done
((rules_for_controller > 0)) || fail "no udev rule names the controller's idVendor"

# The installed program, started where there is no translation and no controller, finds the Polish
# translation beside itself and keeps running.
# (The rule names the level too: "kelvodesk.debug=true" alone would mean category "kelvodesk".)
mkdir "$tmp/elsewhere"
(cd "$tmp/elsewhere" && exec env QT_QPA_PLATFORM=offscreen QT_MESSAGE_PATTERN="%{message}" \
    XDG_CONFIG_HOME="$tmp/elsewhere/config" \
    QT_LOGGING_RULES="kelvodesk.debug.debug=true" "$bin/kelvodesk" >"$tmp/run.log" 2>&1) &
pid=$!
want="Translation loaded: $translations/KelvoDesk_pl.qm"
for _ in $(seq 300); do
    grep -qxF "$want" "$tmp/run.log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
sleep 1 # time to fail on a missing device or an unusable window
if ! grep -qxF "$want" "$tmp/run.log"; then
    fail "the installed kelvodesk did not load $translations/KelvoDesk_pl.qm"
fi
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
else
    status=0
    wait "$pid" || status=$?
    fail "the installed kelvodesk ended by itself (status $status)"
fi
pid=
if ((failures)); then
    echo "--- kelvodesk's output:" >&2
    cat "$tmp/run.log" >&2
    exit 1
fi
echo "Installed as expected under $prefix"
