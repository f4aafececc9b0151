# Shared by the scripts: installs the Debian packages the project needs when
# they are missing, then configures and builds.
set -euo pipefail

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$REPO_ROOT/build}

# The build and the tests. libcsv reads CSV; QuaZip (zip over Qt's devices)
# opens and makes the .xlsx and .ods packages, whose XML Qt reads and writes
# (libxlsxwriter cannot share a program with QuaZip: both bring their own
# minizip under the same names); lupdate and lrelease (qt6-l10n-tools) build
# the program's translations and qt6-translations-l10n brings Qt's own French
# and Spanish texts. help2man writes the manual pages from the programs'
# --help; rsvg-convert (librsvg2-bin) renders the PNG icon. The
# fuzz_asan test builds the fuzz targets with clang, whose -fsanitize=fuzzer
# needs libFuzzer from libclang-rt-14-dev. pdftotext and pdftoppm
# (poppler-utils) read the report back in its test and draw its picture.
PACKAGES=(
    g++ cmake ninja-build
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libcsv-dev libquazip1-qt6-dev
    qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core
    help2man librsvg2-bin
    poppler-utils
    clang-14 libclang-rt-14-dev
)

# The Debian package (scripts/package) only: dpkg-shlibdeps (dpkg-dev, which
# reads the binaries with file) computes its dependencies, then the package
# and its desktop entry and metadata are checked.
PACKAGING_PACKAGES=(
    dpkg-dev file
    lintian desktop-file-utils appstream
)

# install_missing_packages [PACKAGE...]: those of PACKAGES by default.
install_missing_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${PACKAGES[@]}")
    local missing=()
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# configure_and_build [CMAKE CONFIGURE ARGUMENT...]: builds the targets named
# in BUILD_TARGETS, or everything when it is empty (the default).
BUILD_TARGETS=()
configure_and_build() {
    cmake -S "$REPO_ROOT" -B "$BUILD_DIR" -G Ninja "$@"
    local targets=()
    [ ${#BUILD_TARGETS[@]} -gt 0 ] && targets=(--target "${BUILD_TARGETS[@]}")
    cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${targets[@]}"
}
