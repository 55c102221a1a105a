# The menu bar used from the keyboard takes no focus from the field being
# edited: tapping Alt and Escape leaves an efficiency field its focus colour,
# and Edit > Copy chosen with Alt+E and C copies the field's selection.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

type_into txtMPGUS 43
key alt
wait_input_taken
check_eq "Alt: MPG-US keeps the focus colour" FFDBA6 "$(control_colour txtMPGUS)"
key Escape
wait_input_taken
check_eq "Escape: MPG-US keeps the focus colour" FFDBA6 "$(control_colour txtMPGUS)"
key End
type_text 1
check_eq "typing goes on in MPG-US" 431 "$(copy_focused)"

type_into txtKPH 55
key ctrl+a
printf '%s' "$NO_COPY" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
echo "$! xclip" >>"$E2E_WORK/pids"
wait_until 2 clipboard_is "$NO_COPY"
key alt+e
key c
wait_until 2 eval '! clipboard_is "$NO_COPY"'
check_eq "Edit > Copy from the keyboard copies km/h" 55 "$(clipboard)"

key ctrl+q
check_exit_status "Ctrl+Q"
