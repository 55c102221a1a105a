# Started where it has no display to show its window on, the program says
# why in one line, naming the display (or the platform) and the reason, and
# ends with status 1: with no DISPLAY at all (also in a Wayland session),
# with one that no server answers, with a server that refuses it, with a
# screen that the server does not have, and with a platform that cannot
# start here.
source "$(dirname "$0")/lib.sh"

# A display number that no server holds.
unused=$(for n in $(seq 900 999); do [ -e "/tmp/.X11-unix/X$n" ] || { echo ":$n"; break; }; done)
# A server that lets in only those who have its cookie.
cookie="$E2E_WORK/$SCENARIO.cookie"
xauth -q -f "$cookie" add :0 . "$(mcookie)" 2>/dev/null
# Without its cookie file the server would let everyone in.
[ -s "$cookie" ] || record FAIL "xauth writes the server's cookie"
start_extra_xvfb -auth "$cookie" || record FAIL "an X server that asks for a cookie starts"
refusing=":$EXTRA_DISPLAY"

fails() { # how line-pattern variables...
    local how=$1 pattern=$2 status=0 output
    shift 2
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XAUTHORITY=/nonexistent "$@" \
        timeout 20 "$E2E_PROGRAM" 2>&1) || status=$?
    check_eq "$how: exit status" 1 "$status"
    check_eq "$how: one line" 1 "$(printf '%s\n' "$output" | wc -l)"
    check_true "$how: the line says why ('$output')" grep -qxE "ikto-si: needs a graphical $pattern" <<<"$output"
}

display="display, but"
fails "no DISPLAY" "$display DISPLAY is not set"
fails "a Wayland session, no DISPLAY" "$display DISPLAY is not set" WAYLAND_DISPLAY=wayland-0
fails "a display of no server" "$display the display \"$unused\" cannot be reached" DISPLAY="$unused"
fails "a server that refuses" "$display the display \"$refusing\" refused the connection: .*[a-z].*" DISPLAY="$refusing"
fails "a screen the server does not have" "$display the display \"$DISPLAY.5\" has no screen 5" DISPLAY="$DISPLAY.5"
fails "a platform that cannot start" "platform, but \"wayland\" \(QT_QPA_PLATFORM\) could not be started" \
    QT_QPA_PLATFORM=wayland DISPLAY="$DISPLAY"
