# A key belongs to the field it was pressed in. Return that picks a fuel
# from the list or an item of the Edit menu is released, and repeats while
# held, in the field once the list or menu has closed: that converts
# nothing. Return held in MPG-US while Tab moves on converts MPG-US only,
# and MPG-UK, which converts on the release of a Return typed into it, does
# not write back over the figure typed into MPG-US. A key held in a field
# still repeats there, and a held Tab still walks on through the fields.
source "$(dirname "$0")/lib.sh"
start_program || exit 0
# A key left held on the lane's X server would go on repeating into the next
# scenario's program.
at_exit xdotool keyup 5 Tab Return a

clear_field() { # field
    click_control "$1"
    key ctrl+a BackSpace
}

type_into txtMPGUK 51.64
open_fuel_list && key Down Return
check_true "Return picks a fuel and closes the list" fuel_list_closed
check_fields "51.64 in MPG-UK, a fuel picked with Down and Return" txtMPGUS= txtL100km=

clear_field txtMPGUS
clear_field txtL100km
click_control txtMPGUK
key alt+e
key Up Return
type_text 7
check_eq "Select All chosen from the keyboard, then 7 typed: MPG-UK" 7 "$(copy_focused)"
check_fields "Select All chosen with Return in MPG-UK" txtMPGUS= txtL100km=

# The X server repeats a held key (Xvfb does by default: after 660 ms, 25
# times a second), and a key held in a field repeats there.
click_control txtTempC
xdotool keydown 5
sleep 1.5
xdotool keyup 5
held=$(copy_focused)
check_true "5 held in °C repeats there (got '$held')" eval '[[ "$held" =~ ^5555+$ ]]'

# A held Tab goes on moving the focus. With one repeat a second after half a
# second, Tab held for a second moves on twice: from mph to km/h to °F. The
# scenarios after this one share the X server: its own rate is put back,
# however this scenario ends.
read -r repeat_delay repeat_rate < <(xset q | sed -n 's/.*auto repeat delay: *\([0-9]\+\) *repeat rate: *\([0-9]\+\).*/\1 \2/p')
if [ -z "${repeat_rate:-}" ]; then
    record FAIL "xset q shows the X server's key-repeat rate"
else
    at_exit xset r rate "$repeat_delay" "$repeat_rate"
    type_into txtMPH 60
    xset r rate 500 1
    xdotool keydown Tab
    sleep 1
    xdotool keyup Tab
    xset r rate "$repeat_delay" "$repeat_rate"
    type_text 212
    key Return
    check_fields "Tab held in mph for a second, 212 typed, Return" txtTempF=212 txtTempC=100.0 txtKPH=
fi

# A held Return picks a fuel, then repeats into the speed field left with
# the focus.
type_into txtMPH 60
open_fuel_list && key Down
xdotool keydown Return
sleep 1.5
xdotool keyup Return
check_true "a held Return picks a fuel and closes the list" fuel_list_closed
check_fields "60 in mph, Return held to pick a fuel" txtMPH=60 txtKPH=

# Held in the Edit menu, A chooses Select All, and its repeats type nothing.
type_into txtTempF 50
key alt+e
xdotool keydown a
sleep 1.5
xdotool keyup a
check_eq "A held to choose Select All: °F" 50 "$(copy_focused)"

type_into txtMPGUS 43.001
xdotool keydown Return
key Tab
xdotool keyup Return
check_fields "Return held in MPG-US while Tab moves to MPG-UK" txtMPGUS=43.001 txtMPGUK=51.64

key ctrl+q
check_exit_status "Ctrl+Q"
