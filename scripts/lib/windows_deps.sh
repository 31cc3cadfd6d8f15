# The Windows cross build: Qt base built once from Debian's source
# packages with MinGW-w64, kept in a cache outside the clone.

TINTARA_WINDOWS_PACKAGES=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    dpkg-dev xz-utils zip
)

TINTARA_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/tintara
TINTARA_TOOLCHAIN=$PWD/cmake/mingw64-posix.cmake

# The settings Qt is configured with; their hash names the cached build, so a
# change of settings builds afresh instead of reusing a mismatched Qt.
QT_WINDOWS_OPTIONS=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    # Debian's source leaves out the Wintab header that tablet support needs.
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_icu=OFF
)

run_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# apt-get source needs a deb-src entry; add one for the configured mirror.
ensure_deb_src() {
    if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    local mirror
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
             awk '/^deb / {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
    mirror=${mirror:-http://deb.debian.org/debian}
    echo "Adding a deb-src entry for $mirror (Debian's source packages)"
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$mirror" | run_as_root tee /etc/apt/sources.list.d/tintara-deb-src.sources >/dev/null
    run_as_root apt-get update -qq
}

# Downloads Debian's source package $1 into $2 and unpacks its upstream tarball.
fetch_debian_source() {
    local package=$1 into=$2
    ensure_deb_src
    mkdir -p "$into"
    (cd "$into" && apt-get source --download-only -qq "$package" >/dev/null)
    local tarball
    tarball=$(ls "$into"/*.orig.tar.* | head -n 1)
    tar -xf "$tarball" -C "$into"
}

qt_windows_prefix() {
    local key
    key=$(printf '%s\n' "${QT_WINDOWS_OPTIONS[@]}" | sha256sum | cut -c1-10)
    echo "$TINTARA_CACHE/qt-6.4.2-mingw64-static-$key"
}

build_windows_qt() {
    local prefix work src
    prefix=$(qt_windows_prefix)
    [ -f "$prefix/.complete" ] && return 0
    work=$TINTARA_CACHE/work-qt
    echo "Building Qt 6.4.2 for Windows from Debian's source, once (about 20 minutes on 2 cores);"
    echo "it is kept in $prefix for later runs."
    rm -rf "$work" "$prefix"
    fetch_debian_source qt6-base "$work"
    src=$(ls -d "$work"/qtbase-everywhere-src-*/ | head -n 1)
    cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$TINTARA_TOOLCHAIN" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${QT_WINDOWS_OPTIONS[@]}" >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log"; return 1; }
    # Ninja's own [step/total] lines show the progress.
    cmake --build "$work/build" 2>&1 | tee "$work/build.log" | grep --line-buffered -E '^\[[0-9]+/[0-9]+\]' |
        awk '{ if (NR % 25 == 0) { print "  Qt for Windows: " $1; fflush() } }'
    [ "${PIPESTATUS[0]}" -eq 0 ] || { tail -n 40 "$work/build.log"; return 1; }
    cmake --install "$work/build" >/dev/null
    mkdir -p "$prefix/licences"
    for licence in "$src"/LICENSES/LGPL-3.0-only.txt "$src"/LICENSES/GPL-3.0-only.txt; do
        [ -f "$licence" ] && cp "$licence" "$prefix/licences/Qt-$(basename "$licence")"
    done
    touch "$prefix/.complete"
    rm -rf "$work"
}

# Static libraries and headers for the programs, other than Qt, in one prefix
# that the cross build searches (see cmake/mingw64-posix.cmake).
windows_deps_prefix() {
    echo "$TINTARA_CACHE/deps-mingw64"
}

# Qt's own licence texts, for the zip: the program links Qt statically.
qt_windows_licences() {
    echo "$(qt_windows_prefix)/licences"
}

# tintara.exe and tintara-fade.exe in build-windows/, and the zip a Windows
# user downloads.
build_windows_programs() {
    local qt deps tool version zip stage
    qt=$(qt_windows_prefix)
    # The icon tool runs here, so it comes from the Linux build.
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build --target tintara_render_icon
    tool=$(find "$PWD/build/src" -name tintara_render_icon -type f -perm -u+x | head -n 1)
    # Header-only libraries join the cross build's own prefix: the build
    # machine's /usr/include would hand MinGW glibc's headers.
    deps=$(windows_deps_prefix)
    rm -rf "$deps/include/nlohmann" && mkdir -p "$deps/include"
    cp -r /usr/include/nlohmann "$deps/include/"
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TINTARA_TOOLCHAIN" -DTINTARA_WINDOWS_DEPS="$deps" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DTINTARA_TESTS=OFF -DTINTARA_BENCH=OFF -DTINTARA_ICON_TOOL="$tool" >/dev/null
    cmake --build build-windows

    version=$(sed -n 's/^project(TintaraDeluxe VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    zip=build-windows/tintara-$version-windows-x64.zip
    stage=build-windows/zip/tintara-$version
    rm -rf build-windows/zip "$zip" && mkdir -p "$stage/licences"
    cp build-windows/tintara.exe build-windows/tintara-fade.exe "$stage/"
    sed "s/@VERSION@/$version/" data/windows/README.txt >"$stage/README.txt"
    cp data/fonts/*-LICENSE.txt "$(qt_windows_licences)"/* "$stage/licences/"
    cp /usr/share/doc/nlohmann-json3-dev/copyright "$stage/licences/nlohmann-json-LICENSE.txt"
    (cd build-windows/zip && zip -qr "../$(basename "$zip")" "tintara-$version")
    echo "Windows programs: build-windows/tintara.exe, build-windows/tintara-fade.exe; zip: $zip"
}
