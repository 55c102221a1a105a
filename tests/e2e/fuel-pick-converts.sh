# A fuel picked with the mouse while a figure is being typed into MPG-US
# converts it for that fuel at once: the click leaves the focus, and its
# colour, in the field. With MPG-US empty a pick converts nothing.
source "$(dirname "$0")/lib.sh"

if start_program; then
    type_into txtMPGUS 43
    pick_fuel E85
    wait_input_taken
    check_eq "MPG-US keeps the focus colour after the pick" FFDBA6 "$(control_colour txtMPGUS)"
    check_eq "the focus is still in MPG-US" 43 "$(copy_focused)"
    check_fields "43 typed in MPG-US, E85 picked" txtFuelType=E85 txtMPGUK=51.64 txtL100km=5.47 \
        txtkmL=18.28 txtWhkm=345.84 txtWhMileUS=556.58
    key ctrl+q
    check_exit_status "Ctrl+Q"
fi

if start_program; then
    type_into txtMPGUK 51.64
    pick_fuel E85
    check_eq "the focus is still in MPG-UK" 51.64 "$(copy_focused)"
    check_fields "51.64 typed in MPG-UK, MPG-US empty, E85 picked" txtFuelType=E85 txtMPGUS= txtL100km= \
        txtWhkm=
    key ctrl+q
    check_exit_status "Ctrl+Q"
fi
