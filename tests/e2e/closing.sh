# The program ends with status 0 when its converter window is closed, with
# or without the help and About windows open, and on Ctrl+Q and File > Quit;
# Ctrl+Q works from the help window too, which shows no menu bar.
source "$(dirname "$0")/lib.sh"

if start_program; then
    click_close_box "$WIN"
    check_exit_status "the converter's close box"
fi

if start_program; then
    close_with_keys "$WIN"
    check_exit_status "the window manager's close key (alt+F4)"
fi

if start_program; then
    click_control PBqsi
    wait_until 5 eval '[ -n "$(window_titled "$HELP_TITLE")" ]'
    choose_menu_item "$MENU_HELP_X"
    wait_until 5 eval '[ "$(app_windows | wc -l)" -eq 3 ]'
    check_eq "the help and About windows are open" 3 "$(app_windows | wc -l)"
    click_close_box "$WIN"
    check_exit_status "the close box with the help and About windows open"
fi

if start_program; then
    type_into txtMPH 60
    key ctrl+q
    check_exit_status "Ctrl+Q"
fi

if start_program; then
    choose_menu_item "$MENU_FILE_X"
    check_exit_status "File > Quit"
fi

if start_program; then
    click_control PBqsi
    wait_until 5 eval '[ -n "$(window_titled "$HELP_TITLE")" ]'
    help=$(window_titled "$HELP_TITLE")
    check_true "Info opens the help window" [ -n "$help" ]
    if [ -n "$help" ]; then
        activate "$help"
        key ctrl+q
        check_exit_status "Ctrl+Q in the help window"
    fi
    stop_program
fi
