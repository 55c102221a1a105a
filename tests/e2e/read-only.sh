# The yellow energy fields, the fuel name and the fuel information panel show
# what the program writes: clicked and typed into, cut from or pasted into,
# they keep their text, and a conversion reads the energy the fuel gave.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

pick_fuel E85
click_control PBViewFuel
wait_until 3 eval '[ "$(window_height "$WIN")" -eq $((CONVERTER_OPEN_HEIGHT + MENU)) ]'
panel=$(field_text TextArea1)
check_true "the panel shows the fuel table" grep -qF "FUEL TYPES USED IN THE ZORVANE PROGRAM" <<<"$panel"

READ_ONLY="txtBTUGalUS txtBTUGalUK txtBTULiter txtkWhGalUS txtkWhGalUK txtkWhLiter txtFuelType"
before=()
for control in $READ_ONLY; do before+=("$control=$(field_text "$control")"); done
check_eq "E85 picked: BTU per US gallon" txtBTUGalUS=81600 "${before[0]}"

printf '%s' 777 | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
echo "$! xclip" >>"$E2E_WORK/pids"
wait_until 2 clipboard_is 777
for control in $READ_ONLY TextArea1; do
    click_control "$control"
    type_text 9
    key BackSpace Delete Home Delete ctrl+v ctrl+a ctrl+x
done

check_fields "typed into" "${before[@]}"
check_eq "typed into: the panel" "$panel" "$(field_text TextArea1)"

type_into txtMPGUS 43
key Return
check_fields "43 in MPG-US, Return" txtMPGUK=51.64 txtL100km=5.47 txtkmL=18.28 txtWhkm=345.84 txtWhMileUS=556.58

key ctrl+q
check_exit_status "Ctrl+Q"
