#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source package of the Qt the project builds
# against, so the host's moc, rcc and uic serve the cross build, and keeps the result in a cache
# outside the checkout. The first run takes about 10 minutes on two cores and leaves 90 MB of Qt and
# 45 MB of source in the cache (1.3 GB while building); a later run with the same source and options
# only finds it.
#   scripts/windows_qt.sh    build (or find) it; the progress goes to standard error, the prefix
#                            alone to standard output, as its last line:
#                              export WORTHMERE_WINDOWS_QT=$(scripts/windows_qt.sh)
# WORTHMERE_WINDOWS_QT naming an existing Qt prefix skips all of this and is printed back.
set -euo pipefail

cd "$(dirname "$0")/.."

# Standard output carries the prefix alone; everything else, the build's own output included, goes
# to standard error.
exec 3>&1 1>&2

# Fetching and unpacking the source, the cross compilers and the host Qt whose tools it uses.
packages=(dpkg-dev cmake ninja-build qt6-base-dev g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-x86-64)
source_package=qt6-base
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/worthmere/windows-qt

say() {
  echo "windows-qt: $*"
}

fail() {
  echo "windows-qt: $*" >&2
  exit 1
}

# shellcheck source=scripts/debian_packages.sh
source scripts/debian_packages.sh

# Writes into the folder $1 a source entry for each of the system's own Debian entries, with the
# same address, suites, components and key, so apt can fetch the source from where the installed
# Qt came from. apt itself says which entries are Debian's (from their Release files) and where each
# is written: a stanza of a .sources file, or a line of a one-line list.
write_source_entries() {
  local folder=$1 entry file number
  local entries=()
  # $(SOURCESENTRY) is apt's own placeholder.
  # shellcheck disable=SC2016
  mapfile -t entries < <(apt-get indextargets 'Origin: Debian' 'Target-Of: deb' \
    --format '$(SOURCESENTRY)' | sort -u)
  [ ${#entries[@]} -gt 0 ] ||
    fail "apt knows no Debian entry with fetched lists: run apt-get update first"
  mkdir -p "$folder/sources.list.d"
  : >"$folder/sources.list"
  for entry in "${entries[@]}"; do
    file=${entry%:*}
    number=${entry##*:}
    case $file in
      *.sources)
        # Stanzas are separated by blank lines; comment lines belong to none.
        awk -v wanted="$number" '
          /^#/ { next }
          /^[[:space:]]*$/ { inside = 0; next }
          !inside { stanza++; inside = 1 }
          stanza == wanted { print (/^Types:/ ? "Types: deb-src" : $0) }
          END { print "" }' "$file" >>"$folder/sources.list.d/debian-source.sources"
        ;;
      *)
        sed -n "${number}s/^[[:space:]]*deb[[:space:]]/deb-src /p" "$file" >>"$folder/sources.list"
        ;;
    esac
  done
}

# Downloads the source package of the given version into the folder $2 through an apt
# configuration of its own (source entries, lists and cache in a temporary folder, the system's
# update hooks switched off), so the system's apt settings and state are only read. apt checks the
# files against the archive's signed index.
fetch_source() {
  local version=$1 destination=$2
  local apt
  apt=$(mktemp -d "$cache_root/apt.XXXXXX")
  scratch+=("$apt")
  write_source_entries "$apt"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/download"
  cat >"$apt/apt.conf" <<EOF
Dir::Etc::SourceList "$apt/sources.list";
Dir::Etc::SourceParts "$apt/sources.list.d";
Dir::State::Lists "$apt/lists";
Dir::Cache "$apt/cache";
APT::Sandbox::User "$(id -un)";
#clear APT::Update::Pre-Invoke;
#clear APT::Update::Post-Invoke;
#clear APT::Update::Post-Invoke-Success;
#clear DPkg::Pre-Invoke;
#clear DPkg::Post-Invoke;
EOF
  say "fetching the source of $source_package $version"
  apt-get -c "$apt/apt.conf" -q update
  (cd "$apt/download" &&
    apt-get -c "$apt/apt.conf" -q --download-only source "$source_package=$version")
  mv "$apt/download" "$destination"
  rm -rf "$apt"
}

# What Qt is built with: only what the program and its tests use (Core, Gui, Widgets, Test, the
# windows and offscreen platform plugins, the Windows styles), with Qt's own copies of zlib,
# libpng, FreeType, HarfBuzz and PCRE2. These options and the steps of build_qt make the cache key.
qt_options=(
  -G Ninja
  -DCMAKE_BUILD_TYPE=Release
  # -O1 without debug information, for a short build whose DLLs still run the tests briskly, in
  # place of Qt's own -O2 (-O3 for Core and Gui).
  -DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON
  "-DCMAKE_C_FLAGS_RELEASE=-O1 -DNDEBUG"
  "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG"
  # The compiler's runtime linked into each DLL and plugin too, so none of its DLLs is shipped.
  -DCMAKE_SHARED_LINKER_FLAGS=-static
  -DCMAKE_MODULE_LINKER_FLAGS=-static
  # The host Qt of the same version runs moc, rcc and uic; its CMake packages lie in Debian's
  # multiarch folder, which QT_HOST_PATH alone does not lead to.
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  # Modules and plugins the program does not use.
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DINPUT_opengl=no
  -DFEATURE_vulkan=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_androiddeployqt=OFF
  # The windows plugin's DirectWrite font engine needs Direct2D; only Direct2D 1.1, the extra
  # direct2d platform plugin, stays out.
  -DFEATURE_direct2d1_1=OFF
  # Debian's source has no tablet headers (src/3rdparty/wintab).
  -DFEATURE_tabletevent=OFF
  # Qt's bundled libraries, never the host's, whatever pkg-config or the compiler's folders offer.
  -DFEATURE_pkg_config=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_system_textmarkdownreader=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_zstd=OFF
)
toolchain=cmake/x86_64-w64-mingw32.cmake
jobs=$(nproc)

# Folders removed however the run ends.
scratch=()
trap 'rm -rf "${scratch[@]}"' EXIT

# The version and a hash of everything that shapes the build: the options, the build steps (as bash
# prints them, so comments do not count), the tool chain and the cross compiler.
cache_key() {
  local version=$1
  local hash
  hash=$({
    printf '%s\n' "${qt_options[@]}"
    declare -f build_qt add_deployment_tools make_toolchain_self_contained collect_licence_texts
    cat "$toolchain"
    dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  } | sha256sum)
  echo "$version-${hash:0:12}"
}

# windeployqt.exe and qtpaths.exe, for deploying with Qt's own script under wine. A cross build
# takes its tools from the host, which has no windeployqt, so the same tree is configured again to
# build these two for Windows; the libraries built before stay as they are.
add_deployment_tools() {
  local build=$1 installed=$2
  cmake "$build" -DQT_FORCE_BUILD_TOOLS=ON -DFEATURE_windeployqt=ON
  cmake --build "$build" --parallel "$jobs" --target windeployqt_native qtpaths_native
  install -m 755 "$build/bin/windeployqt.exe" "$build/bin/qtpaths.exe" "$installed/bin/"
}

# Qt's tool chain file names the one Qt was configured with, here a path into the checkout that
# built it; a copy beside it keeps the cached Qt usable from any checkout.
make_toolchain_self_contained() {
  local cmake_dir=$1/lib/cmake/Qt6
  local file=$cmake_dir/qt.toolchain.cmake
  local line='^set(__qt_initially_configured_toolchain_file '
  grep -q "$line" "$file" || fail "$file no longer names the tool chain it was configured with"
  cp "$toolchain" "$cmake_dir/"
  sed -i "s|$line.*|set(__qt_initially_configured_toolchain_file \"\${CMAKE_CURRENT_LIST_DIR}/$(basename "$toolchain")\")|" "$file"
}

# The licence texts a package of the program carries, in LICENSES/ of the prefix: Qt's own, and
# for each third-party library whose code the build compiled in (the compiler's dependency records
# name every file it read), its attribution and the licence files that names.
collect_licence_texts() {
  local source=$1 build=$2 installed=$3
  local folder=$installed/LICENSES library attribution file
  cp -r "$source/LICENSES" "$folder"
  while IFS= read -r library; do
    attribution=$source/src/3rdparty/$library/qt_attribution.json
    [ -f "$attribution" ] || continue
    install -D -m 644 "$attribution" "$folder/3rdparty/$library/qt_attribution.json"
    while IFS= read -r file; do
      install -D -m 644 "$source/src/3rdparty/$library/$file" "$folder/3rdparty/$library/$file"
    done < <(sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$attribution" | sort -u)
  done < <(ninja -C "$build" -t deps | grep -o 'src/3rdparty/[^/]*/' | cut -d/ -f3 | sort -u)
  for library in zlib libpng freetype harfbuzz-ng pcre2 double-conversion; do
    [ -d "$folder/3rdparty/$library" ] || fail "the build compiled in no $library, or its licence went missing"
  done
}

# Unpacks the source (dpkg-source checks the files against the .dsc and applies Debian's patch
# series), configures, builds and installs into a folder beside the prefix, and moves the result
# into place only once it is complete and checked, so an interrupted build is never taken for one.
build_qt() {
  local dsc=$1 prefix=$2
  local work
  work=$(mktemp -d "$cache_root/build.XXXXXX")
  scratch+=("$work")
  dpkg-source -x "$dsc" "$work/source"
  cmake -S "$work/source" -B "$work/build" "${qt_options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix"
  cmake --build "$work/build" --parallel "$jobs"
  DESTDIR=$work/staging cmake --install "$work/build"
  local installed=$work/staging$prefix
  collect_licence_texts "$work/source" "$work/build" "$installed"
  add_deployment_tools "$work/build" "$installed"
  make_toolchain_self_contained "$installed"
  check_prefix "$installed"
  mv "$installed" "$prefix"
}

# What the program, its tests and its packaging need is there, and no DLL or program needs the
# compiler's runtime DLLs.
check_prefix() {
  local prefix=$1 file
  for file in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll \
    plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll bin/windeployqt.exe \
    bin/qtpaths.exe lib/cmake/Qt6/qt.toolchain.cmake LICENSES/LGPL-3.0-only.txt; do
    [ -f "$prefix/$file" ] || fail "the build installed no $file"
  done
  compgen -G "$prefix/plugins/styles/*.dll" >/dev/null || fail "the build installed no style plugin"
  while IFS= read -r -d '' file; do
    if x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' |
      grep -qiE '^(libstdc\+\+-6|libgcc_s_seh-1|libwinpthread-1)\.dll$'; then
      fail "${file#"$prefix"/} needs a DLL of the compiler's runtime"
    fi
  done < <(find "$prefix" \( -name '*.dll' -o -name '*.exe' \) -print0)
}

if [ -n "${WORTHMERE_WINDOWS_QT:-}" ]; then
  [ -f "$WORTHMERE_WINDOWS_QT/lib/cmake/Qt6/qt.toolchain.cmake" ] ||
    fail "WORTHMERE_WINDOWS_QT=$WORTHMERE_WINDOWS_QT is no Qt for Windows (no lib/cmake/Qt6/qt.toolchain.cmake)"
  say "using the Qt in WORTHMERE_WINDOWS_QT"
  echo "$WORTHMERE_WINDOWS_QT" >&3
  exit 0
fi

install_missing_packages "${packages[@]}"
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
prefix=$cache_root/$(cache_key "$version")
mkdir -p "$cache_root"
# One build at a time: a second run waits for the first and then finds its result.
exec 9>"$cache_root/lock"
if ! flock -n 9; then
  say "another run is building Qt; waiting for it"
  flock 9
fi
if [ -d "$prefix" ]; then
  say "reusing the Qt built before in $prefix"
else
  # What an interrupted run left behind.
  rm -rf "$cache_root"/build.* "$cache_root"/apt.*
  source_dir=$cache_root/source/$version
  if [ ! -d "$source_dir" ]; then
    mkdir -p "$cache_root/source"
    fetch_source "$version" "$source_dir"
  fi
  dsc=$source_dir/${source_package}_${version#*:}.dsc
  [ "$(sed -n 's/^Version: //p' "$dsc" 2>/dev/null)" = "$version" ] ||
    fail "$dsc is not the source of $source_package $version"
  say "building Qt $version for Windows into $prefix (about 10 minutes on two cores)"
  started=$SECONDS
  build_qt "$dsc" "$prefix"
  say "built in $(((SECONDS - started) / 60)) minutes"
fi
echo "$prefix" >&3
