# shellcheck shell=bash
# Sourced by the scripts. The builds themselves are CMakePresets.json's; the
# scripts install what they need, make what a preset cannot, and run them,
# on every core.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# This machine's Debian release, by its codename.
CODENAME=$(. /etc/os-release && echo "$VERSION_CODENAME")

# Runs a command as root: directly when root already, through sudo otherwise.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages named, only those missing.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  apt_as_root install "${missing[@]}"
}

# apt-get's command (install, build-dep) as root, quietly, with the package
# lists brought up to date first.
apt_as_root() {
  as_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive as_root apt-get -y -qq --no-install-recommends "$@" >&2
}

# Installs what building this source tree and checking it need, as
# debian/control's Build-Depends say, with apt's own command, when dpkg finds
# them not all there. Arguments go to both, for another architecture or build
# profile: `ensure_build_deps -P nocheck` is what building alone needs.
ensure_build_deps() {
  ensure_packages dpkg-dev
  dpkg-checkbuilddeps "$@" 2>/dev/null && return 0
  echo "Installing what debian/control says building needs${*:+ ($*)}" >&2
  apt_as_root build-dep "$@" ./
}

# A configure preset's build folder: build/PRESET, as CMakePresets.json's base
# preset names every one.
preset_dir() {
  echo "build/$1"
}

# Cross-building for arm64 with Debian's toolchain and the arm64 libraries
# beside the host's (debian/control's, for a cross build), and running the
# result under qemu.
ensure_arm64_packages() {
  dpkg --print-foreign-architectures | grep -qx arm64 || as_root dpkg --add-architecture arm64
  ensure_packages g++-aarch64-linux-gnu qemu-user
  ensure_build_deps -a arm64 -P cross
}

# The browser engines the browser test drives: those WEB_ENGINES names, all
# three where it is not set.
export WEB_ENGINES=${WEB_ENGINES:-chromium firefox webkit}

# The browser test's clients (puppeteer-core and selenium-webdriver, pinned
# by tests/web's lockfile) and what they drive, Debian's chromium, firefox-esr
# and WebKitGTK's MiniBrowser with its WebDriver, as WEB_ENGINES asks;
# poppler-utils reads the printed page.
ensure_web_test_client() {
  local -A browsers=([chromium]=chromium [firefox]=firefox-esr [webkit]=webkit2gtk-driver)
  local engine packages=(poppler-utils)
  for engine in $WEB_ENGINES; do
    [ -n "${browsers[$engine]:-}" ] || { echo "no browser engine '$engine'; WEB_ENGINES takes: ${!browsers[*]}" >&2; return 1; }
    packages+=("${browsers[$engine]}")
  done
  ensure_packages "${packages[@]}"
  command -v npm >/dev/null || ensure_packages npm
  [ tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ] ||
    npm ci --prefix tests/web --no-audit --no-fund >/dev/null
}

# Runs a command when the script exits, after those registered before it.
EXIT_ACTIONS=:
at_exit() {
  EXIT_ACTIONS+="; $1"
  trap 'eval "$EXIT_ACTIONS"' EXIT
}

# What the emscripten build (the web preset) needs besides what building
# needs: the toolchain, and googletest's sources to build with it.
ensure_web_packages() {
  ensure_build_deps -P nocheck
  ensure_packages emscripten googletest
}

# The tests' private X display for this script, ended with it.
source tests/window/display.sh
private_display() {
  [ -n "${XVFB_PID:-}" ] && return 0
  start_private_display && at_exit 'kill "$XVFB_PID" 2>/dev/null'
}

# Cross-building for Windows with Debian's MinGW-w64 and running the result
# under wine; dpkg-dev unpacks the libraries' source packages.
# WINDOWS_BUILD is where the Windows build and the static libraries it links
# live.
ensure_windows_packages() {
  ensure_build_deps -P nocheck
  ensure_packages g++-mingw-w64-x86-64-posix wine wine64 icoutils zip
  WINDOWS_BUILD=$(preset_dir windows)
}

# The machine's own deb entries for its release's suites (its codename,
# -updates and -security), as apt reports them whatever its files' format,
# written into the file $3 as entries of type $1 for the release $2: deb-src
# of this release for `apt-get source`, deb of Debian 13 for its chroot. apt
# checks their signatures with the machine's trusted keys. Fails, saying what
# to add, when none fits.
machine_entries() {
  apt-get indextargets --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
    sed -nE "s/^deb (.*) $CODENAME((-updates|-security)? .*)/$1 \1 $2\2/p" | sort -u >"$3"
  [ -s "$3" ] || {
    echo "apt installs nothing here from $CODENAME: add a deb entry for Debian's $CODENAME main to /etc/apt/sources.list, and $1 entries of $2 will come from there too." >&2
    return 1
  }
}

# Builds freeglut, Highway and googletest for Windows as static libraries
# into $WINDOWS_BUILD/deps/prefix (the windows preset's), once: from Debian's source packages of the versions
# installed here, fetched by apt from where the machine installs its
# packages, with a configuration of its own, so the system's sources and
# lists stay as they are (apt still checks the archive's signature).
build_windows_deps() {
  local deps=$PWD/$WINDOWS_BUILD/deps sources
  # Each once, though another architecture's may be installed too.
  sources=$(dpkg-query -W -f='${source:Package}=${source:Version}\n' freeglut3-dev libhwy-dev \
    libgtest-dev | sort -u | paste -s -d ' ')
  [ "$(cat "$deps/prefix/sources" 2>/dev/null)" = "$sources" ] && return 0
  echo "Building $sources for Windows, once." >&2
  rm -rf "$deps"
  mkdir -p "$deps/apt/parts" "$deps/apt/lists/partial" "$deps/apt/cache/archives/partial" \
    "$deps/src"
  machine_entries deb-src "$CODENAME" "$deps/apt/sources.list" || return 1
  local apt=(apt-get -qq -o Dir::Etc::SourceList="$deps/apt/sources.list"
    -o Dir::Etc::SourceParts="$deps/apt/parts" -o Dir::State::Lists="$deps/apt/lists"
    -o Dir::Cache="$deps/apt/cache" -o APT::Sandbox::User="$(id -un)")
  "${apt[@]}" update
  # shellcheck disable=SC2086 # one word a package
  (cd "$deps/src" && "${apt[@]}" source $sources >/dev/null 2>&1)
  local common=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/x86_64-w64-mingw32.cmake"
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps/prefix" -DBUILD_SHARED_LIBS=OFF)
  local name
  local -A options=([freeglut]="-DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_DEMOS=OFF
    -DFREEGLUT_REPLACE_GLUT=ON" [highway]="-DBUILD_TESTING=OFF -DHWY_ENABLE_TESTS=OFF
    -DHWY_ENABLE_EXAMPLES=OFF -DHWY_ENABLE_CONTRIB=OFF" [googletest]=-DBUILD_GMOCK=OFF)
  for name in freeglut highway googletest; do
    # shellcheck disable=SC2086 # one word an option
    { cmake -S "$deps"/src/$name-*/ -B "$deps/build/$name" "${common[@]}" ${options[$name]} &&
      cmake --build "$deps/build/$name" && cmake --install "$deps/build/$name"; } \
      >"$deps/$name.log" 2>&1 || {
      tail -n 30 "$deps/$name.log" >&2
      return 1
    }
  done
  echo "$sources" >"$deps/prefix/sources"
}

# wine as the windows preset runs the tests (WINE, from the configured build:
# its own prefix, quiet), with its server and services kept running until the
# script ends. They start with no output of the script's open, so that no
# pipe a caller reads, ctest's among them, stays open with them.
start_wine() {
  mapfile -t WINE < <(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' \
    "$WINDOWS_BUILD/CMakeCache.txt" | tr ';' '\n')
  WINESERVER=("${WINE[@]:0:${#WINE[@]}-1}" wineserver)
  mkdir -p "$(printf '%s\n' "${WINE[@]}" | sed -n 's/^WINEPREFIX=//p')"
  "${WINESERVER[@]}" -k 2>/dev/null || true  # one left from an earlier run holds someone's pipes
  "${WINESERVER[@]}" -p </dev/null >/dev/null 2>&1
  timeout 300 "${WINE[@]}" cmd /c exit </dev/null >/dev/null 2>&1  # makes the prefix the first time
  at_exit '"${WINESERVER[@]}" -k 2>/dev/null'
}

# Debian 13, whose tools the debian13 stage checks the tree with: a chroot of
# it, made once with mmdebstrap from the mirror this machine installs from,
# and kept outside the clone, in DEBIAN13_ROOT.
DEBIAN13=trixie
DEBIAN13_ROOT=${DEBIAN13_ROOT:-/var/cache/geometrija/debian13}
ensure_debian13_root() {
  [ -e "$DEBIAN13_ROOT/etc/geometrija-chroot" ] && return 0  # made whole
  echo "Making a Debian 13 chroot in $DEBIAN13_ROOT, once." >&2
  as_root rm -rf "$DEBIAN13_ROOT"
  debian_tree "$DEBIAN13" "$DEBIAN13_ROOT" ca-certificates,git
  as_root touch "$DEBIAN13_ROOT/etc/geometrija-chroot"
}

# A Debian tree of the release $1 made by mmdebstrap from the mirror this
# machine installs from, with the packages $3: in the folder $2, or the
# tarball of that name.
debian_tree() {
  ensure_packages mmdebstrap
  local entries
  entries=$(mktemp)
  machine_entries deb "$1" "$entries" || return 1
  as_root mkdir -p "$(dirname "$2")"
  as_root mmdebstrap --quiet --variant=minbase --include="$3" "$1" "$2" "$entries"
  rm -f "$entries"
}

# Runs a command line as root in the Debian 13 chroot, in /geometrija: this
# clone, bound in, with the chroot's own build/ and dist/ for it over its own.
# They are this clone's alone: an older clone's sources may be older than
# another's objects, which make would then take as up to date; the three
# clones checked last keep theirs, and the stage says where. As any chroot,
# it takes this machine's resolver, trusted certificates and npm settings,
# and no locale, as a bare CI shell has none. The mounts are made in a mount
# namespace of its own, which ends with the command, however it ends, and
# the processes it leaves with it.
in_debian13() {
  local root=$DEBIAN13_ROOT rc
  as_root cp -L /etc/resolv.conf "$root/etc/resolv.conf"
  as_root cp -L /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/ca-certificates.crt"
  for rc in /etc/npmrc /usr/etc/npmrc; do
    [ ! -f "$rc" ] || as_root install -D -m 644 "$rc" "$root$rc"
  done
  [ ! -f ~/.npmrc ] || as_root install -D -m 600 ~/.npmrc "$root/root/.npmrc"
  mkdir -p build dist
  as_root unshare --mount --propagation private --pid --fork bash -c '
    set -e
    root=$1 clone=$2 own=$1/var/lib/geometrija/clones/${2//\//-}
    mount --bind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount --rbind /sys "$root/sys"
    mkdir -p "$root/geometrija" "$own/build" "$own/dist"
    # Of the clones checked here, the three used last keep their builds.
    touch "$own" && ls -dt "$root"/var/lib/geometrija/clones/* | tail -n +4 | xargs -r rm -rf
    echo "Debian 13 builds this clone in $own" >&2
    mount --bind "$clone" "$root/geometrija"
    mount --bind "$own/build" "$root/geometrija/build"
    mount --bind "$own/dist" "$root/geometrija/dist"
    # Its root becomes the root of the namespace, rather than a chroot, in
    # which no user namespace (an autopkgtest testbed) could be made.
    cd "$root" && pivot_root . mnt && umount -l /mnt
    exec /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin bash -c "cd /geometrija && $3"
  ' in_debian13 "$root" "$PWD" "$1"
}

# autopkgtest's testbed for this release: a tarball made by mmdebstrap,
# kept outside the clone, with what the package and its tests need already
# in it, and dpkg-dev and apt-utils, with which autopkgtest unpacks the
# tests' source and serves the package, so that it needs no archive; made
# anew when those needs change. autopkgtest-virt-unshare unpacks it afresh
# for each run, as root mapped through root's subordinate ids.
TESTBED=${TESTBED:-/var/cache/geometrija/testbed-$CODENAME.tar}
ensure_testbed() {
  ensure_packages autopkgtest uidmap
  local ids needs
  for ids in /etc/subuid /etc/subgid; do grep -qs "^root:" "$ids" || echo root:100000:65536 | as_root tee -a "$ids" >/dev/null; done
  needs=$({ echo apt-utils, dpkg-dev; dpkg-deb -f "$1" Depends; sed -n '/^Depends:/,/^$/p' debian/tests/control; } |
    sed -E 's/^Depends://; s/\([^)]*\)|\|[^,]*|@//g' | tr -s ', \n' ',' | sed 's/^,//; s/,$//')
  [ -f "$TESTBED" ] && [ "$(cat "$TESTBED.needs" 2>/dev/null)" = "$needs" ] && return 0
  echo "Making autopkgtest's testbed for $CODENAME in $TESTBED." >&2
  debian_tree "$CODENAME" "${TESTBED%.tar}-new.tar" "$needs"
  as_root mv "${TESTBED%.tar}-new.tar" "$TESTBED"
  echo "$needs" | as_root tee "$TESTBED.needs" >/dev/null
}
