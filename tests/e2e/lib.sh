# Shared helpers of the end-to-end scenarios. Sourced by each scenario, which
# tools/e2e.sh runs with DISPLAY set to a private X server with a window
# manager, and with these variables:
#   E2E_PROGRAM  the program's executable inside its bundle folder (bin/ikto-si)
#   E2E_WORK     a scratch folder for logs and the ids of started processes
#   E2E_RESULTS  the file that collects one PASS or FAIL line per check
# The program is driven only with synthetic X input (xdotool) and read back
# only as a user can: select all, copy, and read the clipboard.

set -u
# start_xvfb and start_window_manager, shared with the tools that run the program on X.
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/x-server.sh"

SCENARIO=${SCENARIO:-$(basename "$0" .sh)}
CONVERTER_TITLE="IKTO Interim SI Conversion Tool"
# The program's name for itself, the class of its windows on X.
APPLICATION_NAME="IKTO Interim SI Conversion Tool"
HELP_TITLE="TOOL TO ASSIST METRIC USERS OF THE ZORVANE"
# The converter window's content size and its height with the panel open,
# and the About window's content size; the menu bar comes on top of these.
CONVERTER_WIDTH=505
CONVERTER_HEIGHT=161
CONVERTER_OPEN_HEIGHT=650
ABOUT_WIDTH=528
ABOUT_HEIGHT=229

# Controls of the converter window: left, top, width, height in content-area
# coordinates, as the window lays them out. A click goes to the centre.
CONTROLS="
txtMPGUS      431  53  55  12
txtMPGUK      431  69  55  12
txtL100km     431  85  55  12
txtkmL        431 101  55  12
txtWhkm       431 117  55  12
txtWhMileUS   431 133  55  12
txtBTUGalUS   245  53  55  12
txtBTUGalUK   245  69  55  12
txtBTULiter   245  85  55  12
txtkWhGalUS   245 101  55  12
txtkWhGalUK   245 117  55  12
txtkWhLiter   245 133  55  12
txtMPH         63  81  55  12
txtKPH         63  97  55  12
txtTempF       63 113  55  12
txtTempC       63 129  55  12
txtFuelType   208  37  93  12
comboMotive   303  36  20  17
PBqsi          70   5  36  18
PBViewFuel    191   7 132  18
TextArea1       6 161 494 483
BevCalc        59  61  62  16
BevCalcOrange 427  32  62  16
"
# The fuel menu's rows, in the order the menu shows them.
FUELS=("Full Electric" "Summer Diesel" "Winter Diesel" "Biodiesel" "Summer Gasoline"
    "Winter Gasoline" "Gasohol" "Aviation Gas" "Butane" "Propane-LPG" "E85" "Ethanol"
    "LNG" "Methanol" "Liquid Hydrogen" "CNG" "CNG-GGE")
# Menu titles of the menu bar, by their horizontal centre in the bar.
MENU_FILE_X=19
MENU_HELP_X=96

APP_PID=""
WIN=""
MENU=0
# What a failed copy leaves in the clipboard; never a field's text.
NO_COPY="<nothing copied>"

# --- results ---------------------------------------------------------------

record() { # PASS|FAIL message
    echo "$1: $SCENARIO: $2"
    echo "$1" >>"$E2E_RESULTS"
}

check_eq() { # what expected actual
    if [ "$2" == "$3" ]; then
        local shown=${3%%$'\n'*}
        [ "$shown" == "$3" ] || shown="$shown..."
        record PASS "$1 = '$shown'"
    else
        record FAIL "$1: expected '$2', got '$3'$(program_state)"
    fi
}

# A note for a failure that comes from the program having gone away.
program_state() { [ -z "$APP_PID" ] || program_running || echo " (the program is no longer running)"; }

check_true() { # what command...
    local what=$1
    shift
    if "$@"; then record PASS "$what"; else record FAIL "$what"; fi
}

# --- waiting ---------------------------------------------------------------

# Runs a command until it succeeds or the seconds run out, with a pause of
# STEP seconds (a tenth unless given) between the tries.
wait_until() { # [--step STEP] seconds command...
    local step=0.1 tries
    if [ "$1" == --step ]; then
        step=$2
        shift 2
    fi
    tries=$(awk -v seconds="$1" -v step="$step" 'BEGIN { n = int(seconds / step + 0.5); print (n > 1 ? n : 1) }')
    shift
    while ! "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep "$step"
    done
}

# --- the program -----------------------------------------------------------

# Starts a fresh program from its bundle folder, as a user would, and waits
# for the converter window. On X, named as the platform, unless
# TOOLKIT_CHOOSES_PLATFORM is set: then the toolkit picks it, as it does for
# a user who names none (and has no Wayland session).
start_program() {
    local bundle platform=(QT_QPA_PLATFORM=xcb)
    [ -n "${TOOLKIT_CHOOSES_PLATFORM:-}" ] && platform=(-u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE)
    bundle=$(cd "$(dirname "$E2E_PROGRAM")/.." && pwd)
    (cd "$bundle" && exec env "${platform[@]}" "./bin/$(basename "$E2E_PROGRAM")") \
        >>"$E2E_WORK/$SCENARIO.log" 2>&1 &
    APP_PID=$!
    echo "$APP_PID $(basename "$E2E_PROGRAM")" >>"$E2E_WORK/pids"
    WIN=""
    if ! wait_until 20 eval 'find_converter || ! program_running' || ! program_running; then
        record FAIL "the converter window appears"
        stop_program
        return 1
    fi
    activate "$WIN"
    # The height read once the window has settled: the menu bar's height is
    # what the window has above its content.
    local height=0 previous=""
    wait_until 3 eval 'previous=$height; sleep 0.1; height=$(window_height "$WIN"); [ "$height" == "$previous" ]'
    MENU=$((height - CONVERTER_HEIGHT))
}

find_converter() {
    local id w h name
    while read -r id w h name; do
        if [ "$name" == "$CONVERTER_TITLE" ] && [ "$w" -eq "$CONVERTER_WIDTH" ]; then
            WIN=$id
            return 0
        fi
    done < <(app_windows)
    return 1
}

program_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }

# Waits for the program to end and checks that it ended with status 0.
check_exit_status() { # what
    if ! wait_until 10 program_not_running; then
        record FAIL "$1: the program is still running"
        stop_program
        return
    fi
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=""
    check_eq "$1: exit status" 0 "$status"
}

program_not_running() { ! program_running; }

stop_program() {
    if program_running; then
        kill "$APP_PID" 2>/dev/null
        wait_until 5 program_not_running || kill -9 "$APP_PID" 2>/dev/null
        wait "$APP_PID" 2>/dev/null
    fi
    APP_PID=""
}

# Clean-up steps of the scenario's own, such as putting back a setting of the
# lane's X server that the scenarios after it share: each is run however the
# scenario ends (a failed check, an early exit, a kill by the lane's
# timeout), the last added first, before the program is stopped.
EXIT_STEPS=()
at_exit() { # command...
    EXIT_STEPS+=("$(printf '%q ' "$@")")
}

run_exit_steps() {
    local i
    for ((i = ${#EXIT_STEPS[@]} - 1; i >= 0; i--)); do eval "${EXIT_STEPS[i]}"; done
    EXIT_STEPS=()
}
trap 'run_exit_steps; stop_program; stop_extra_servers' EXIT
trap 'exit 143' TERM INT

# --- more X servers --------------------------------------------------------

EXTRA_SERVERS=""
EXTRA_DISPLAY=""

# Starts one more X server (Xvfb with the options given, one small screen)
# on a display number that no other server holds, and sets EXTRA_DISPLAY to
# that number. It is stopped when the scenario ends, and listed with the
# lane's servers so that the lane stops it should the scenario be killed.
start_extra_xvfb() { # Xvfb options...
    local file xvfb status=0
    file=$(mktemp "$E2E_WORK/display.XXXXXX")
    start_xvfb "$file" "$E2E_WORK/$SCENARIO.xvfb.log" -screen 0 640x480x24 "$@" || status=1
    echo "$xvfb Xvfb" >>"$E2E_WORK/servers"
    EXTRA_SERVERS+=" $xvfb"
    EXTRA_DISPLAY=$(cat "$file")
    return $status
}

# Starts the window manager on another X server, and waits for it; it is
# stopped when the scenario ends.
start_extra_window_manager() { # display
    local wm="" status=0
    DISPLAY=$1 start_window_manager "$E2E_WORK/config" "$E2E_WORK/$SCENARIO.openbox.log" || status=1
    [ -n "$wm" ] && EXTRA_SERVERS+=" $wm"
    return $status
}

stop_extra_servers() {
    local pid
    for pid in $EXTRA_SERVERS; do kill "$pid" 2>/dev/null; done
    for pid in $EXTRA_SERVERS; do wait "$pid" 2>/dev/null; done
    EXTRA_SERVERS=""
}

# --- windows ---------------------------------------------------------------

# The program's visible top-level windows, one a line: id width height title.
app_windows() {
    program_running || return 0
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null); do
        local w="" h=""
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=/w=/p; s/^HEIGHT=/h=/p')"
        [ -n "$w" ] && echo "$id $w $h $(xdotool getwindowname "$id" 2>/dev/null)"
    done
}

window_height() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p'; }

window_visible() { app_windows | grep -q "^$1 "; }

# The id of the one visible window of the program with this title, if any.
window_titled() { app_windows | awk -v t="$1" '{ id = $1; $1 = $2 = $3 = ""; sub(/^ +/, ""); if ($0 == t) print id }'; }

# Raises a window and gives it the keyboard focus, as a click on it would.
activate() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowactivate "$1"; sleep 0.1; }

# The window that has the keyboard focus, as the window manager says.
active_window() { xdotool getactivewindow 2>/dev/null; }

# Visible windows of the program that were not in the list given.
new_windows() { # "ids before"
    local id w h name
    while read -r id w h name; do
        [[ " $1 " == *" $id "* ]] || echo "$id $w $h $name"
    done < <(app_windows)
}

# Waits for a window of the program that is not in the list given, and prints
# "id width height" of the largest: a tooltip may come up beside a menu.
wait_new_window() { # "ids before"
    local known=$1 found=""
    wait_until 5 eval 'found=$(new_windows "$known"); [ -n "$found" ]' || return 1
    sleep 0.2
    found=$(new_windows "$known" | awk '$2 * $3 > area { area = $2 * $3; line = $1 " " $2 " " $3 } END { print line }')
    [ -n "$found" ] && echo "$found"
}

window_ids() { app_windows | awk '{ printf "%s ", $1 }'; }

# The centre of the window manager's close button of a window: the right-most
# square button in the title bar of the window's frame.
close_box_point() { # window
    local frame best_x=-1 best_y=0 size=0 w h ax ay
    frame=$(xwininfo -children -id "$1" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$frame" ] || return 1
    while read -r w h ax ay; do
        [ "$w" == "$h" ] && [ "$w" -ge 8 ] && [ "$w" -le 32 ] || continue
        if [ "$ax" -gt "$best_x" ]; then
            best_x=$ax
            best_y=$ay
            size=$w
        fi
    done < <(xwininfo -tree -id "$frame" |
        sed -n 's/.* \([0-9]\+\)x\([0-9]\+\)[+-][0-9]\+[+-][0-9]\+ \+[+]\([0-9]\+\)[+]\([0-9]\+\)$/\1 \2 \3 \4/p')
    [ "$best_x" -ge 0 ] && echo "$((best_x + size / 2)) $((best_y + size / 2))"
}

click_close_box() { # window
    local x y
    read -r x y < <(close_box_point "$1") || return 1
    activate "$1"
    xdotool mousemove "$x" "$y" click 1
}

# The window manager's close command from the keyboard.
close_with_keys() { # window
    activate "$1"
    xdotool key alt+F4
}

# --- the converter window --------------------------------------------------

control_point() { # name → "x y" of its centre in content coordinates
    echo "$CONTROLS" | awk -v n="$1" '$1 == n { print $2 + int($4 / 2), $3 + int($5 / 2) }'
}

click_content() { # x y
    xdotool mousemove --window "$WIN" "$1" $(($2 + MENU)) click 1
    sleep 0.05
}

click_control() { # name
    local x y
    read -r x y < <(control_point "$1")
    click_content "$x" "$y"
}

key() { xdotool key "$@"; sleep 0.05; }

type_text() { map_keys_for "$1"; xdotool type --delay 20 -- "$1"; sleep 0.05; }

# Gives each character of a text beyond ASCII, such as a full-width digit,
# a spare key of its own in the X server's keyboard map, kept until the
# scenario ends. Left to itself, xdotool maps such a character only for the
# moment of its press, and the program, reading the map anew on the change,
# may find the key gone already and lose the character.
MAPPED_KEYSYMS=" "
map_keys_for() { # text
    local LC_ALL=C.UTF-8 text=$1 i point keysym code
    for ((i = 0; i < ${#text}; i++)); do
        printf -v point '%d' "'${text:i:1}"
        [ "$point" -lt 128 ] && continue
        printf -v keysym 'U%X' "$point"
        [[ "$MAPPED_KEYSYMS" == *" $keysym "* ]] && continue
        code=$(xmodmap -pke | awk 'NF == 3 { print $2; exit }')
        if [ -z "$code" ] || ! xmodmap -e "keycode $code = $keysym"; then
            record FAIL "a spare key of the keyboard map for $keysym"
            return 1
        fi
        at_exit xmodmap -e "keycode $code ="
        MAPPED_KEYSYMS+="$keysym "
    done
}

# Replaces a field's text as a user does: click, select all, type.
type_into() { # field text
    click_control "$1"
    key ctrl+a
    type_text "$2"
}

# Copies the focused control's whole text and prints it ("" for none).
copy_focused() {
    printf '%s' "$NO_COPY" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
    echo "$! xclip" >>"$E2E_WORK/pids"
    wait_until 2 clipboard_is "$NO_COPY"
    key ctrl+a ctrl+c
    local text=""
    wait_until 2 eval 'text=$(clipboard); [ "$text" != "$NO_COPY" ]' || text=""
    printf '%s' "$text"
}

clipboard() { xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" == "$1" ]; }

field_text() { # field
    click_control "$1"
    copy_focused
}

# Checks the texts of fields given as "field=text" pairs.
check_fields() { # context field=text...
    local context=$1 pair
    shift
    for pair in "$@"; do
        check_eq "$context: ${pair%%=*}" "${pair#*=}" "$(field_text "${pair%%=*}")"
    done
}

# The colour of a control as the screen shows it, "RRGGBB", read off a pixel
# near its left edge, where no text is drawn.
control_colour() { # name
    local left top
    read -r left top < <(echo "$CONTROLS" | awk -v n="$1" '$1 == n { print $2 + 2, $3 + 2 }')
    import -window "$WIN" -crop "1x1+$left+$((top + MENU))" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | head -n 1 | tr a-f A-F
}

# Waits until the program has dealt with the input sent to it so far, for a
# check that a key changed nothing, which would otherwise pass while the key
# is still on its way: the mouse goes onto the Info button, whose look the
# toolkit changes under the mouse only when it comes to that move, after all
# that was sent before it; then back, and the button looks as before. The
# mouse first goes to a spot of the window's background, in case it was on
# the button already, and the button's look is taken once it is steady.
wait_input_taken() {
    local plain="" previous x y X Y
    eval "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=/&/p')"
    xdotool mousemove --window "$WIN" 150 $((157 + MENU))
    wait_until 3 eval 'previous=$plain; sleep 0.1; plain=$(control_look PBqsi); [ "$plain" == "$previous" ]'
    read -r x y < <(control_point PBqsi)
    xdotool mousemove --window "$WIN" "$x" $((y + MENU))
    wait_until 5 eval '[ "$(control_look PBqsi)" != "$plain" ]' ||
        record FAIL "the Info button changes its look under the mouse"
    xdotool mousemove "$X" "$Y"
    wait_until 5 eval '[ "$(control_look PBqsi)" == "$plain" ]'
}

# A digest of a control's pixels as the screen shows them.
control_look() { # name
    local left top width height
    read -r left top width height < <(echo "$CONTROLS" | awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }')
    import -window "$WIN" -crop "${width}x${height}+$left+$((top + MENU))" -depth 8 rgb:- 2>/dev/null | md5sum
}

# Opens the fuel menu's list with a click; FUEL_LIST is then the list's
# window, FUEL_LIST_W and FUEL_LIST_H its size.
open_fuel_list() {
    local before
    before=$(window_ids)
    click_control comboMotive
    # The list shows every row at once, each at least 8 pixels high.
    if ! read -r FUEL_LIST FUEL_LIST_W FUEL_LIST_H < <(wait_new_window "$before") ||
        [ "$FUEL_LIST_H" -lt $((8 * ${#FUELS[@]})) ]; then
        record FAIL "the fuel menu opens with its ${#FUELS[@]} rows"
        return 1
    fi
}

fuel_list_closed() { wait_until 3 eval '! window_visible "$FUEL_LIST"'; }

# Opens the fuel menu with the mouse and clicks the row of a fuel.
pick_fuel() { # fuel name
    local row=0 i
    for i in "${!FUELS[@]}"; do
        [ "${FUELS[$i]}" == "$1" ] && row=$((i + 1))
    done
    open_fuel_list || return 1
    # The rows share the list's height equally.
    xdotool mousemove --window "$FUEL_LIST" $((FUEL_LIST_W / 2)) \
        $(((2 * row - 1) * FUEL_LIST_H / (2 * ${#FUELS[@]}))) click 1
    fuel_list_closed
}

# Opens a menu of the menu bar with the mouse and clicks its first item.
choose_menu_item() { # title-x
    local before popup w h
    activate "$WIN"
    before=$(window_ids)
    xdotool mousemove --window "$WIN" "$1" $((MENU / 2)) click 1
    if ! read -r popup w h < <(wait_new_window "$before"); then
        record FAIL "the menu at x $1 opens"
        return 1
    fi
    xdotool mousemove --window "$popup" $((w / 3)) $((h / 2)) click 1
}
