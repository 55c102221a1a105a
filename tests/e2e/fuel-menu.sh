# Fuels picked from the fuel menu with the mouse: the fuel name and the six
# energy fields follow the pick, and the efficiency conversion uses the
# picked fuel's energy content.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

pick_fuel E85
check_fields "E85 picked" txtFuelType=E85 txtBTUGalUS=81600 txtBTUGalUK=97998 txtBTULiter=21556 \
    txtkWhGalUS=23.933 txtkWhGalUK=28.742 txtkWhLiter=6.322

# Once a fuel is picked, typing no longer brings back the default fuel.
type_into txtMPGUS 43
key Return
check_fields "43 in MPG-US with E85, Return" txtFuelType=E85 txtBTUGalUS=81600 \
    txtMPGUK=51.64 txtL100km=5.47 txtkmL=18.28 txtWhkm=345.84 txtWhMileUS=556.58

pick_fuel CNG
check_fields "CNG picked" txtFuelType=CNG txtBTUGalUS=20300 txtBTUGalUK=24379 txtBTULiter=5363 \
    txtkWhGalUS=5.954 txtkWhGalUK=7.15 txtkWhLiter=1.573
# The pick converted the field clicked last (Wh/Mile-US) for CNG; MPG-US
# is typed again.
type_into txtMPGUS 43
key Return
check_fields "Return in MPG-US with CNG" txtMPGUS=43 txtMPGUK=51.64 txtWhkm=86.04 txtWhMileUS=138.46

pick_fuel CNG-GGE
check_fields "CNG-GGE picked" txtFuelType=CNG-GGE txtBTUGalUS=115400 txtBTUGalUK=138590 \
    txtkWhLiter=8.941

pick_fuel "Full Electric"
check_fields "Full Electric picked" txtFuelType="Full Electric" txtBTUGalUS=115400 txtkWhGalUK=40.648

key ctrl+q
check_exit_status "Ctrl+Q"
