# The Info button opens the help window with the help title and text; a
# second press restores an edited text; a closed help window comes back anew.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

help_text() { # window
    activate "$1"
    xdotool mousemove --window "$1" 270 280 click 1
    copy_focused
}

click_control PBqsi
wait_until 5 eval '[ -n "$(window_titled "$HELP_TITLE")" ]'
help=$(window_titled "$HELP_TITLE")
check_true "Info opens a window titled '$HELP_TITLE'" [ -n "$help" ]
[ -n "$help" ] || exit 0
text=$(help_text "$help")
mapfile -t lines <<<"$text"
check_eq "the help text's line count" 11 "${#lines[@]}"
check_eq "line 1" "$HELP_TITLE " "${lines[0]:-}"
check_eq "line 4" "TEMPERATURES AND SPEEDS" "${lines[3]:-}"
check_eq "line 7" "FUEL ENERGY CONTENT VALUES IN YELLOW" "${lines[6]:-}"
check_eq "line 10" "FUEL EFFICIENCY VALUES DISPLAYED IN ORANGE" "${lines[9]:-}"
check_eq "empty lines 3, 6, 9" "||" "${lines[2]-x}|${lines[5]-x}|${lines[8]-x}"
check_true "line 5 names both temperature boxes" \
    grep -qF "the Temp °C text box or the °F text box, press Enter" <<<"${lines[4]:-}"
check_true "line 11 ends the text" \
    grep -qF "the other Orange text boxes will manifest their calculated values instantly." <<<"${lines[10]:-}"

key ctrl+a
type_text "edited by the user"
# The second press brings the help window to the front: the active window
# changes only once the press has been handled, and only then can no second
# window be seen.
activate "$WIN"
check_eq "the converter window is active again" "$WIN" "$(active_window)"
click_control PBqsi
wait_until 5 eval '[ "$(active_window)" == "$help" ]'
check_eq "a second press brings the help window to the front" "$help" "$(active_window)"
check_eq "a second press: still one help window" "$help" "$(window_titled "$HELP_TITLE")"
check_eq "a second press restores the help text" "$text" "$(help_text "$help")"

click_close_box "$help"
wait_until 5 eval '! window_visible "$help"'
check_true "the close box closes the help window" eval '! window_visible "$help"'
activate "$WIN"
click_control PBqsi
wait_until 5 eval '[ -n "$(window_titled "$HELP_TITLE")" ]'
again=$(window_titled "$HELP_TITLE")
check_true "Info opens the help window again" [ -n "$again" ]
[ -n "$again" ] && check_eq "the new help window's text" "$text" "$(help_text "$again")"

close_with_keys "$WIN"
check_exit_status "closing the converter with the help window open"
