# Every way of naming a display that X clients take starts the program: the
# local socket (":N", "unix:N", "unix/:N", with a screen or without) and TCP
# ("localhost:N", "tcp/localhost:N", "127.0.0.1:N"), on a server of its own
# that listens on TCP too. The platform is left for the toolkit to choose,
# as a user leaves it. Each time the converter window shows, of the
# program's own window class, and Ctrl+Q ends the program with status 0.
source "$(dirname "$0")/lib.sh"
TOOLKIT_CHOOSES_PLATFORM=1

if ! start_extra_xvfb -listen tcp; then
    record FAIL "an X server that listens on TCP starts"
    exit 0
fi
n=$EXTRA_DISPLAY
start_extra_window_manager ":$n" || record FAIL "the window manager starts on :$n"

for name in ":$n" "unix:$n" "unix/:$n" ":$n.0" "localhost:$n" "tcp/localhost:$n" "127.0.0.1:$n"; do
    export DISPLAY=$name
    start_program || { record FAIL "DISPLAY=$name: the program starts"; continue; }
    check_eq "DISPLAY=$name: the converter window" "$CONVERTER_TITLE" "$(xdotool getwindowname "$WIN")"
    check_eq "DISPLAY=$name: the window's class" "WM_CLASS(STRING) = \"ikto-si\", \"$APPLICATION_NAME\"" \
        "$(xprop -id "$WIN" WM_CLASS)"
    key ctrl+q
    check_exit_status "DISPLAY=$name: Ctrl+Q"
done
