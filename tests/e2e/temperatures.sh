# Temperatures: both directions on Return and with the Calc button; the sign
# of the mask follows the converted value.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

# field typed in, text, field converted into, its expected text
while read -r from text to expected; do
    type_into "$from" "$text"
    key Return
    check_eq "$text in $from, Return: $to" "$expected" "$(field_text "$to")"
done <<'CASES'
txtTempF -40  txtTempC -40.0
txtTempF 98.6 txtTempC 37.0
txtTempF 32   txtTempC 0.0
txtTempC -18  txtTempF -0.4
txtTempC -17  txtTempF 1.4
txtTempC 100  txtTempF 212.0
CASES

type_into txtTempF 212
click_control BevCalc
check_eq "the focus stays in °F after Calc" 212 "$(copy_focused)"
check_eq "212 °F, Calc: °C" 100.0 "$(field_text txtTempC)"

choose_menu_item "$MENU_FILE_X"
check_exit_status "File > Quit"
