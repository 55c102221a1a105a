# Each efficiency field as the input: a figure typed and Return fills the
# other five (MPG-UK converts when Return is released), while the field typed
# in keeps its text; a figure with digit grouping is read whole, and one
# typed in full-width digits and marks reads as the same figure in ASCII. The
# default fuel's energy content is in use throughout.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

# input field, typed text, then the other five fields' expected texts
while read -r input text expected; do
    type_into "$input" "$text"
    key Return
    read -r -a others <<<"$expected"
    check_fields "$text in $input, Return" "$input=$text" "${others[@]}"
done <<'CASES'
txtMPGUS    43    txtMPGUK=51.64  txtL100km=5.47  txtkmL=18.28    txtWhkm=489.1   txtWhMileUS=787.13
txtMPGUK    51.64 txtMPGUS=43     txtL100km=5.47  txtkmL=18.28    txtWhkm=489.11  txtWhMileUS=787.14
txtL100km   5.47  txtMPGUS=43     txtMPGUK=51.64  txtkmL=18.28    txtWhkm=489.09  txtWhMileUS=787.11
txtkmL      18.28 txtMPGUS=43     txtMPGUK=51.64  txtL100km=5.47  txtWhkm=489.13  txtWhMileUS=787.18
txtWhkm     200   txtMPGUS=105.16 txtMPGUK=126.29 txtL100km=2.24  txtkmL=44.71    txtWhMileUS=321.87
txtWhMileUS 300   txtMPGUS=112.82 txtMPGUK=135.49 txtL100km=2.08  txtkmL=47.97    txtWhkm=186.41
txtMPGUK    ５１．６４ txtMPGUS=43 txtL100km=5.47  txtkmL=18.28    txtWhkm=489.11  txtWhMileUS=787.14
txtMPGUS    1,234.5 txtMPGUK=1482.57 txtL100km=0.19 txtkmL=524.83  txtWhkm=17.04   txtWhMileUS=27.42
txtMPGUS    1.234,5 txtMPGUK=1482.57 txtL100km=0.19 txtkmL=524.83  txtWhkm=17.04   txtWhMileUS=27.42
CASES

# Tab walks the efficiency fields in their order.
click_control txtMPGUS
key Tab
check_eq "Tab from MPG-US lands in MPG-UK" 1482.57 "$(copy_focused)"
key Tab
check_eq "Tab from MPG-UK lands in Liters/100km" 0.19 "$(copy_focused)"

key ctrl+q
check_exit_status "Ctrl+Q"
