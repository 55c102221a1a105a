# Started without a display, the program says so in one line and ends with
# status 1: with no DISPLAY at all, and with one that no server answers.
source "$(dirname "$0")/lib.sh"

# A display number that no server holds.
unused=$(for n in $(seq 900 999); do [ -e "/tmp/.X11-unix/X$n" ] || { echo ":$n"; break; }; done)

while read -r how variables; do
    status=0
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $variables timeout 20 "$E2E_PROGRAM" 2>&1) ||
        status=$?
    check_eq "$how: exit status" 1 "$status"
    check_eq "$how: one line" 1 "$(printf '%s\n' "$output" | wc -l)"
    check_true "$how: the line says a display is needed ('$output')" \
        grep -qE '^ikto-si: needs a graphical display, but DISPLAY .*(is not set|cannot be opened)$' <<<"$output"
done <<CASES
no-DISPLAY
DISPLAY-of-no-server DISPLAY=$unused
CASES
