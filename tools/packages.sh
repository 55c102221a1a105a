# Installs the Debian packages given as arguments that are not installed yet.
# Sourced by the run and test scripts; needs root (or sudo) only when something is missing.
ensure_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(g++ make cmake qt6-base-dev libgl-dev fonts-dejavu-core)

# Starts Xvfb on a display number that no other server holds (-displayfd),
# writing the number to the file given; sets xvfb to its process id and
# exports DISPLAY. Fails when the server does not come up.
start_private_xvfb() {
    local display_file=$1
    Xvfb -displayfd 3 -screen 0 1280x1000x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=":$(cat "$display_file")"
    unset QT_QPA_PLATFORM
}
