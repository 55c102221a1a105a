# Starts the X servers and the window manager that the program runs on in the
# test and measuring tools: private Xvfb servers and openbox. Sourced by those
# tools and by the end-to-end scenarios' tests/e2e/lib.sh; the packages they
# need (xvfb, openbox, x11-utils) are the caller's to install.

# Starts Xvfb, with the options given, on a display number that no other
# server holds (-displayfd), writing the number to the file given and
# appending the server's output to LOG; sets xvfb to its process id (the
# caller stops it). Fails when the server does not come up within ten seconds.
#   start_xvfb DISPLAY_FILE LOG [Xvfb options...]
start_xvfb() {
    local display_file=$1 log=$2
    shift 2
    : >"$display_file"
    Xvfb -displayfd 3 "$@" 3>"$display_file" >>"$log" 2>&1 &
    xvfb=$!
    wait_for_start "$xvfb" 10 test -s "$display_file" || { echo "Xvfb did not start"; return 1; }
}

# A private Xvfb (start_xvfb) for the program to run on, reached by its
# local socket only, and made the display: exports DISPLAY, and unsets what
# would send the program to another platform.
#   start_private_xvfb DISPLAY_FILE [WIDTHxHEIGHT [LOG]]
# The screen is 1280x1000 unless given; the server's output goes to LOG if given.
start_private_xvfb() {
    local display_file=$1 size=${2:-1280x1000} log=${3:-/dev/null}
    start_xvfb "$display_file" "$log" -screen 0 "${size}x24" -nolisten tcp || return 1
    export DISPLAY=":$(cat "$display_file")"
    # X and no other platform, whatever the session started from is.
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Starts the window manager, openbox, on the display that DISPLAY names, with
# its stock settings whatever the user's own are (CONFIG_DIR is its
# XDG_CONFIG_HOME), appending its output to LOG; sets wm to its process id
# (the caller stops it). Returns once it manages the screen, which it shows
# by _NET_SUPPORTING_WM_CHECK on the root window; fails when that has not
# come within fifteen seconds.
#   start_window_manager CONFIG_DIR LOG
start_window_manager() {
    local config=$1 log=$2
    mkdir -p "$config"
    XDG_CONFIG_HOME=$config openbox >>"$log" 2>&1 &
    wm=$!
    wait_for_start "$wm" 15 window_manager_running || { echo "openbox did not start on $DISPLAY"; return 1; }
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }

# Waits for a process just started to show that it is up: runs the command
# every tenth of a second until it succeeds, the seconds run out or the
# process has ended, and once more at the end.
#   wait_for_start PID SECONDS command...
wait_for_start() {
    local pid=$1 tries=$(($2 * 10))
    shift 2
    while [ "$tries" -gt 0 ] && kill -0 "$pid" 2>/dev/null; do
        "$@" && return 0
        tries=$((tries - 1))
        sleep 0.1
    done
    "$@"
}
