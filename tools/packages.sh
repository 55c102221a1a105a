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

# Makes a locale, such as de_DE.UTF-8, that `locale -a` does not list yet:
# enables it in /etc/locale.gen, so that a later locale-gen keeps it, and
# generates it. Needs the locales package, and root (or sudo) only when the
# locale is missing.
ensure_locale() {
    local locale=$1 charset=${1#*.}
    has_locale "$locale" && return 0
    local sudo="" entry="$locale $charset"
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Generating the locale $locale"
    if grep -qE "^# *${entry//./\\.}\$" /etc/locale.gen 2>/dev/null; then
        $sudo sed -i -E "s/^# *(${entry//./\\.})\$/\1/" /etc/locale.gen
    elif ! grep -qxF "$entry" /etc/locale.gen 2>/dev/null; then
        echo "$entry" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
    $sudo locale-gen >/dev/null
    has_locale "$locale" || { echo "The locale $locale could not be generated"; return 1; }
}

# `locale -a` writes the character set in its own way ("de_DE.utf8").
has_locale() { locale -a 2>/dev/null | tr -d - | grep -qixF "$(tr -d - <<<"$1")"; }

# What building the program needs.
BUILD_PACKAGES=(g++ make cmake qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core)

# What the unit suite needs besides: GoogleTest, and the locales package for
# TEST_LOCALE, a locale whose decimal mark is a comma, in which the suite
# checks that numbers are written and read the same whatever the locale.
TEST_PACKAGES=(libgtest-dev locales)
TEST_LOCALE=de_DE.UTF-8
