# Sourced by scripts/run and scripts/test: installs the Debian packages the
# build, the tests and the program need, when any is missing.

qb_packages=(
    cmake ninja-build g++ clang pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev libgl-dev
    libcurl4-openssl-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox xdotool imagemagick x11-utils x11-xserver-utils fonts-dejavu-core
    python3-pyftpdlib sqlite3 python3-pyatspi at-spi2-core dbus dbus-x11
    librsvg2-bin dpkg-dev file lintian desktop-file-utils appstream
    openssh-server openssh-client sshfs
    libxcb1-dev xterm mutter xwayland clang-format
    libwayland-dev wayland-protocols libxkbcommon-dev sway grim wtype
)

qb_install_packages() {
    local missing=() package
    for package in "${qb_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

qb_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQB_WERROR="${QB_WERROR:-OFF}"
    cmake --build build -j "$(nproc)"
}
