# Help > About opens the About window: 528 by 229 with the menu bar, no
# title of its own. Asked for again, it is the same window; once closed, a
# new one comes.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

about_windows() { app_windows | awk -v w="$ABOUT_WIDTH" -v h=$((ABOUT_HEIGHT + MENU)) '$2 == w && $3 == h { print $1 }'; }

choose_menu_item "$MENU_HELP_X"
wait_until 5 eval '[ -n "$(about_windows)" ]'
about=$(about_windows)
check_true "Help > About opens a window of $ABOUT_WIDTH by $ABOUT_HEIGHT plus the menu bar" [ -n "$about" ]
[ -n "$about" ] || exit 0
check_eq "the About window's own title" 'WM_NAME(STRING) = ' "$(xprop -id "$about" WM_NAME)"
check_eq "the program shows two windows" 2 "$(app_windows | wc -l)"

# Asked for again from the converter window, the command brings the About
# window there is to the front: the active window changes only once the
# command has been handled, and only then can no second window be seen.
activate "$WIN"
check_eq "the converter window is active again" "$WIN" "$(active_window)"
choose_menu_item "$MENU_HELP_X"
wait_until 5 eval '[ "$(active_window)" == "$about" ]'
check_eq "Help > About again: the About window comes to the front" "$about" "$(active_window)"
check_eq "Help > About again: the same one window" "$about" "$(about_windows)"

# The About window carries the same menu bar.
activate "$about"
before=$(window_ids)
xdotool mousemove --window "$about" "$MENU_HELP_X" $((MENU / 2)) click 1
read -r menu _ < <(wait_new_window "$before")
check_true "the About window's Help menu opens" [ -n "${menu:-}" ]
[ -n "${menu:-}" ] && key Escape

click_close_box "$about"
wait_until 5 eval '[ -z "$(about_windows)" ]'
check_eq "the close box closes the About window" "" "$(about_windows)"
choose_menu_item "$MENU_HELP_X"
wait_until 5 eval '[ -n "$(about_windows)" ]'
check_true "Help > About opens a new About window" [ -n "$(about_windows)" ]

click_close_box "$WIN"
check_exit_status "the converter's close box with the About window open"
