# Speeds: Return converts in either direction, Tab moves on to the partner
# field, and the Calc button converts the field that keeps the focus.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

type_into txtMPH 60
key Return
check_eq "60 mph, Return: km/h" 97 "$(field_text txtKPH)"
check_eq "mph keeps what was typed" 60 "$(field_text txtMPH)"

# Tab from mph lands in km/h, which selects its whole text.
click_control txtMPH
key Tab
type_text 100
key Return
check_eq "Tab to km/h, 100, Return: mph" 62 "$(field_text txtMPH)"

# The Calc button takes no focus: the field typed in stays the one converted.
type_into txtKPH 50
click_control BevCalc
check_eq "the focus stays in km/h after Calc" 50 "$(copy_focused)"
check_eq "50 km/h, Calc: mph" 31 "$(field_text txtMPH)"
type_into txtMPH 0.5
click_control BevCalc
check_eq "0.5 mph, Calc: km/h" 1 "$(field_text txtKPH)"

# How a figure is read: grouping only where it can mean nothing else, an
# exponent, and the words the program writes only as whole words.
while read -r text expected; do
    type_into txtMPH "$text"
    key Return
    check_eq "'$text' mph, Return: km/h" "$expected" "$(field_text txtKPH)"
done <<'CASES'
1,2345,678 2
1,234,567  1986843
1e3        1609
INF        INF
-inf       -INF
Info       NAN
CASES

key ctrl+q
check_exit_status "Ctrl+Q"
