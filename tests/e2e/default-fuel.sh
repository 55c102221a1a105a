# Before any fuel is picked, typing into an efficiency field shows the
# default fuel: "Summer Gasoline" for the MPG and litre fields, "Full
# Electric" for the Wh fields, both with the energy content of 115400 BTU.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

ENERGY_115400=(txtBTUGalUS=115400 txtBTUGalUK=138590 txtBTULiter=30485
    txtkWhGalUS=33.846 txtkWhGalUK=40.648 txtkWhLiter=8.941)

type_into txtMPGUS 4
check_fields "a digit in MPG-US" txtFuelType="Summer Gasoline" "${ENERGY_115400[@]}" \
    txtMPGUS=4 txtMPGUK= txtWhkm=

type_into txtWhkm 2
check_fields "then a digit in Wh/km" txtFuelType="Full Electric" "${ENERGY_115400[@]}" txtMPGUS=4

type_into txtkmL 1
check_eq "then a digit in km/Liter: fuel" "Summer Gasoline" "$(field_text txtFuelType)"
type_into txtWhMileUS 1
check_eq "then a digit in Wh/Mile-US: fuel" "Full Electric" "$(field_text txtFuelType)"

key ctrl+q
check_exit_status "Ctrl+Q"
