# Opening the help window with Info and closing it again, round after round,
# leaves nothing behind: after 20 rounds to warm up, 150 more grow the
# program's resident memory by less than 1 KB a round.
source "$(dirname "$0")/lib.sh"
start_program || exit 0

WARM_UP=20
ROUNDS=150

resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$APP_PID/status"; }

# The help window's id while it is shown, found by its title alone: quick
# enough to look for every few hundredths of a second.
shown_help() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "^$HELP_TITLE\$" 2>/dev/null | head -n 1; }

# Info, then the window manager's close key in the help window.
help_round() {
    local help=""
    xdotool mousemove --window "$WIN" $((70 + 18)) $((MENU + 5 + 9)) click 1
    # Looking 50 times a second: the rounds are many.
    wait_until --step 0.02 5 eval 'help=$(shown_help); [ -n "$help" ]' || return 1
    xdotool windowactivate --sync "$help" key alt+F4 2>/dev/null
    wait_until --step 0.02 5 eval '[ -z "$(shown_help)" ]'
}

rounds() { # count
    local i
    for ((i = 1; i <= $1; i++)); do
        help_round || { record FAIL "round $i: the help window opens and closes"; return 1; }
    done
}

if rounds "$WARM_UP"; then
    before=$(resident_kb)
    started=$SECONDS
    if rounds "$ROUNDS"; then
        after=$(resident_kb)
        growth=$(((after - before) * 1024 / ROUNDS))
        echo "resident memory: $before kB after $WARM_UP rounds, $after kB after $ROUNDS more" \
            "($growth bytes a round, $((SECONDS - started)) s)"
        check_true "less than 1 KB a round ($growth bytes)" [ "$growth" -lt 1024 ]
    fi
fi

key ctrl+q
check_exit_status "Ctrl+Q"
