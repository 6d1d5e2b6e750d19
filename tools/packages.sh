# Debian 12 packages the project needs; sourced by the scripts in this folder.
PARLOVEX_RUNTIME_PACKAGES="g++ cmake make qt6-base-dev libsdl2-mixer-dev timgm6mb-soundfont
  libcurl4-openssl-dev xdg-utils fontconfig fonts-dejavu-core fonts-dejavu-extra"
# The tests run among fonts a desktop often has (Nimbus Sans and Liberation Sans both answer
# for "Arial"), to show that the windows never draw in them.
PARLOVEX_TEST_PACKAGES="$PARLOVEX_RUNTIME_PACKAGES libgtest-dev python3-aiosmtpd clang
  libclang-rt-14-dev clang-format xvfb xauth fonts-urw-base35 fonts-liberation2 fonts-lato"

parlovex_install() {
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}
