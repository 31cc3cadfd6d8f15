# Debian packages the project needs to build, test and run, and a helper that
# installs only the ones that are missing.

TINTARA_PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config
    # engine tests and benchmarks
    googletest libgtest-dev libbenchmark-dev
    # JSON output of tintara-fade --runs
    nlohmann-json3-dev
    # grapheme clusters, and the Unicode test data that checks them
    libutf8proc-dev unicode-data
    # fuzzing the fade-set reader with libFuzzer
    clang-14 libclang-rt-14-dev
    # desktop program
    qt6-base-dev fonts-dejavu-core
    # the desktop program's end-to-end test and screenshot: a virtual display,
    # mouse and keyboard input, the clipboard, screen capture
    xvfb xauth xdotool xclip x11-utils imagemagick
    # chat delivery: its Win32 build and the test that runs it under Wine
    wine wine64 g++-mingw-w64-x86-64
)

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing missing packages: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}
