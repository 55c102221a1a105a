# The orange Calc button converts the efficiency field being edited: it takes
# no focus, so the focus stays in that field. With the focus elsewhere it
# changes nothing.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

type_into txtMPGUS 43
click_control BevCalcOrange
check_eq "after Calc the focus is still in MPG-US" 43 "$(copy_focused)"
check_fields "43 in MPG-US, Calc" txtMPGUK=51.64 txtL100km=5.47 txtkmL=18.28 txtWhkm=489.1 \
    txtWhMileUS=787.13

type_into txtWhMileUS 300
click_control BevCalcOrange
check_eq "after Calc the focus is still in Wh/Mile-US" 300 "$(copy_focused)"
check_fields "300 in Wh/Mile-US, Calc" txtMPGUS=112.82 txtMPGUK=135.49 txtL100km=2.08 \
    txtkmL=47.97 txtWhkm=186.41

type_into txtMPGUS 20
type_into txtMPH 60
click_control BevCalcOrange
check_fields "Calc with the focus in mph" txtMPH=60 txtKPH= txtMPGUS=20 txtMPGUK=135.49

key ctrl+q
check_exit_status "Ctrl+Q"
