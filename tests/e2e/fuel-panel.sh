# The fuel information panel: "See Fuel Info Detail" makes the window taller
# and shows the panel; the same button hides it and the window shrinks back.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

check_true "the menu bar's height ($MENU) is plausible" eval '[ "$MENU" -ge 10 ] && [ "$MENU" -le 60 ]'
# The fuel table: each row's last cell is the fuel's net energy.
NET_ENERGY=("115,400 Btu/GGE" "128,700 Btu/gal" "125,700 Btu/gal" "117,100 Btu/gal" "115,400 Btu/gal"
    "112,500 Btu/gal" "112,400 Btu/gal" "112,000 Btu/gal" "93,000 Btu/gal" "83,500 Btu/gal"
    "81,600 Btu/gal" "75,700 Btu/gal" "74,700 Btu/gal" "56,600 Btu/gal" "32,500 Btu/gal"
    "20,300 Btu/gal" "115,400 Btu/GGE")

for press in first third; do
    click_control PBViewFuel
    wait_until 3 eval '[ "$(window_height "$WIN")" -eq $((CONVERTER_OPEN_HEIGHT + MENU)) ]'
    check_eq "$press press: window height" $((CONVERTER_OPEN_HEIGHT + MENU)) "$(window_height "$WIN")"
    panel=$(field_text TextArea1)
    mapfile -t lines <<<"$panel"
    check_eq "$press press: the panel's heading" "       FUEL TYPES USED IN THE ZORVANE PROGRAM" "${lines[1]:-}"
    check_eq "$press press: the E85 row" "E85"$'\t\t\t  \t  90,700 Btu/gal\t  \t  81,600 Btu/gal' "${lines[20]:-}"
    net=()
    for row in $(seq 10 26); do
        cell=${lines[$row]##*$'\t'}
        net+=("${cell#"${cell%%[! ]*}"}")
    done
    check_eq "$press press: every fuel's net energy" "${NET_ENERGY[*]}" "${net[*]}"

    [ "$press" == third ] && break
    click_control PBViewFuel
    wait_until 3 eval '[ "$(window_height "$WIN")" -eq $((CONVERTER_HEIGHT + MENU)) ]'
    check_eq "second press: window height" $((CONVERTER_HEIGHT + MENU)) "$(window_height "$WIN")"
    # The fields above the panel still work while it is closed.
    type_into txtMPH 60
    key Return
    check_eq "second press: 60 mph, Return: km/h" 97 "$(field_text txtKPH)"
done

key ctrl+q
check_exit_status "Ctrl+Q"
