#!/usr/bin/env bash
# kelvodesk as a native Wayland client of a headless weston, judged from outside by what it sent to
# the compositor (WAYLAND_DEBUG=1 prints every request): its main window with the application id
# of its menu entry, and one of its dialogs with the main window as parent. A headless weston has
# no seat, so no key or click can reach the window: the dialog (Help > About) is opened as a
# screen reader opens it, through the accessibility bus, which the test sets up in a D-Bus session
# of its own and turns on as a desktop does when a screen reader starts.
#
# check_wayland.sh KELVODESK DESKTOP_FILE
# Exits 77 (skipped) when weston is not installed.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 KELVODESK DESKTOP_FILE" >&2
    exit 2
fi
kelvodesk=$1 desktop_file=$2

if ! command -v weston >/dev/null; then
    echo "SKIPPED: weston not found (Debian package weston; scripts/deps.sh installs it)"
    exit 77
fi

# First run: a runtime folder and a session bus of its own, so that nothing of the user's desktop
# is seen or touched.
if [ -z "${KELVO_WAYLAND_RUNTIME:-}" ]; then
    for tool in dbus-run-session gdbus; do
        command -v "$tool" >/dev/null || {
            echo "FAIL: $tool not found (scripts/deps.sh installs it)" >&2
            exit 1
        }
    done
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    status=0
    XDG_RUNTIME_DIR=$runtime KELVO_WAYLAND_RUNTIME=$runtime \
        dbus-run-session -- bash "$0" "$@" || status=$?
    rm -rf "$runtime"
    exit $status
fi
runtime=$KELVO_WAYLAND_RUNTIME

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# Polls `test` until it holds, for at most ten seconds.
wait_until() {
    local what=$1 test=$2
    for _ in $(seq 200); do
        if eval "$test"; then return 0; fi
        sleep 0.05
    done
    fail "$what did not happen within 10 s"
    return 1
}

socket=kelvo-wayland-test
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 \
    --height=1024 --log="$runtime/weston.log" &
pids+=($!)
if ! wait_until "weston's socket" "[ -S '$runtime/$socket' ]"; then
    cat "$runtime/weston.log" >&2
    exit 1
fi

# The desktop turns accessibility on for every program that starts from now on.
gdbus call --session -d org.a11y.Bus -o /org/a11y/bus \
    -m org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" >/dev/null

client=$runtime/client.log
# In a folder of its own: the program keeps its parameters file in the working directory.
mkdir "$runtime/work"
(cd "$runtime/work" && WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
    exec "$kelvodesk" 2>"$client") &
app=$!
pids+=($app)

app_id_line() { grep -m1 -E '-> xdg_toplevel@[0-9]+\.set_app_id\(' "$client" || true; }
if ! wait_until "the main window" "grep -q 'set_title(\".*KelvoDesk\")' '$client'"; then
    grep -v '^\[' "$client" >&2 || true
    exit 1
fi
main_title=$(grep -m1 -E 'xdg_toplevel@[0-9]+\.set_title\(' "$client")
main=$(sed -E 's/.*(xdg_toplevel@[0-9]+)\..*/\1/' <<<"$main_title")
echo "main window: ${main_title#*-> }"

# The application id is the menu entry's name, so that the desktop shows its name and icon.
wait_until "the application id" "grep -q '$main.set_app_id' '$client'" || true
app_id_sent=$(grep -m1 "$main.set_app_id" "$client" | sed -E 's/.*set_app_id\("(.*)"\)$/\1/')
echo "application id: $(grep -m1 "$main.set_app_id" "$client" | sed 's/.*-> //')"
[ -f "$desktop_file" ] || fail "no menu entry $desktop_file"
entry=$(basename "$desktop_file" .desktop)
[ "$app_id_sent" = "$entry" ] || fail "application id '$app_id_sent', menu entry '$entry.desktop'"
grep -q '^Exec=kelvodesk' "$desktop_file" || fail "the menu entry does not start kelvodesk"

# The accessibility bus, and the program on it.
a11y=$(gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress |
    sed -E "s/^\('(.*)',\)$/\1/")
registered() {
    gdbus call -a "$a11y" -d org.a11y.atspi.Registry -o /org/a11y/atspi/accessible/root \
        -m org.a11y.atspi.Accessible.GetChildren | grep -o "':[0-9.]*'" | head -1 | tr -d "'"
}
wait_until "the program on the accessibility bus" '[ -n "$(registered)" ]' || exit 1
name=$(registered)
call() { gdbus call -a "$a11y" -d "$name" -o "$@"; }
children() {
    # gdbus marks only the first path of a list as an object path.
    call "$1" -m org.a11y.atspi.Accessible.GetChildren |
        grep -o "'/org/a11y/atspi/accessible/[^']*'" | tr -d "'"
}
role() { call "$1" -m org.a11y.atspi.Accessible.GetRoleName | sed -E "s/^\('(.*)',\)$/\1/"; }
label() {
    call "$1" -m org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
        sed -E "s/^\(<'(.*)'>,\)$/\1/"
}
# The first child of $1 with role $2 (and name $3, when given).
child() {
    local c
    for c in $(children "$1"); do
        if [ "$(role "$c")" = "$2" ] && { [ $# -lt 3 ] || [ "$(label "$c")" = "$3" ]; }; then
            echo "$c"
            return
        fi
    done
}
frame=$(child /org/a11y/atspi/accessible/root frame)
bar=${frame:+$(child "$frame" "menu bar")}
help=${bar:+$(child "$bar" "menu item" Help)}
menu=${help:+$(child "$help" "popup menu")}
about=${menu:+$(child "$menu" "menu item" About)}
if [ -z "$about" ]; then
    fail "no Help > About among the window's accessible menu items"
    exit 1
fi
# Its one action, "Press"; the reply only comes once the dialog closes.
call "$about" -m org.a11y.atspi.Action.DoAction 0 >/dev/null 2>&1 &
pids+=($!)

if wait_until "the About dialog" "grep -q 'set_title(\"Ovra KelvoDesk - About\")' '$client'"; then
    dialog_title=$(grep -m1 'set_title("Ovra KelvoDesk - About")' "$client")
    dialog=$(sed -E 's/.*(xdg_toplevel@[0-9]+)\..*/\1/' <<<"$dialog_title")
    echo "dialog: ${dialog_title#*-> }"
    parent=$(grep -m1 "$dialog.set_parent" "$client" || true)
    echo "dialog parent: ${parent#*-> }"
    [[ $parent == *"set_parent($main)"* ]] || fail "the dialog is not a child of the main window"
fi

# Nothing went to X11: the program is a Wayland client only.
grep -q 'wl_display@1.get_registry' "$client" || fail "no Wayland connection in the client log"
if grep -q 'Protocol error' "$client"; then fail "the compositor refused a request"; fi
kill -0 "$app" 2>/dev/null || fail "kelvodesk ended by itself"

if [ "$failures" -ne 0 ]; then
    grep -v '^\[' "$client" >&2 || true
    exit 1
fi
echo "kelvodesk is a Wayland client with application id $entry; main window and dialog shown"
