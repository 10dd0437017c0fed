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
  command -v dpkg-checkbuilddeps >/dev/null || apt_as_root install dpkg-dev
  dpkg-checkbuilddeps "$@" 2>/dev/null && return 0
  echo "Installing what debian/control says building needs${*:+ ($*)}" >&2
  apt_as_root build-dep "$@" ./
}

# A configure preset's build folder: build/PRESET, as CMakePresets.json's base
# preset names every one.
preset_dir() { echo "build/$1"; }

# What debian/control's profile pkg.geometrija.$1 (and $2...) needs besides
# building.
ensure_profile() {
  ensure_build_deps -P "nocheck$(printf ',pkg.geometrija.%s' "$@")"
}

# Cross-building for arm64 with Debian's toolchain and the arm64 libraries
# beside the host's (debian/control's, for a cross build), and running the
# result under qemu.
ensure_arm64_packages() {
  dpkg --print-foreign-architectures | grep -qx arm64 || as_root dpkg --add-architecture arm64
  ensure_profile arm64
  ensure_build_deps -a arm64 -P cross
}

# The browser engines the browser test drives: those WEB_ENGINES names, all
# three where it is not set.
export WEB_ENGINES=${WEB_ENGINES:-chromium firefox webkit}

# The browser test's clients (puppeteer-core and selenium-webdriver, pinned
# by tests/web's lockfile) and the browsers WEB_ENGINES names, by their
# profiles of debian/control.
ensure_web_test_client() {
  # shellcheck disable=SC2086 # one word an engine
  ensure_profile $WEB_ENGINES
  [ tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ] ||
    npm ci --prefix tests/web --no-audit --no-fund >/dev/null
}

# Runs a command when the script exits, after those registered before it.
EXIT_ACTIONS=:
at_exit() {
  EXIT_ACTIONS+="; $1"
  trap 'eval "$EXIT_ACTIONS"' EXIT
}

# The tests' private X display for this script, ended with it.
source tests/window/display.sh
private_display() {
  [ -n "${XVFB_PID:-}" ] && return 0
  start_private_display && at_exit 'kill "$XVFB_PID" 2>/dev/null'
}

# Where the Windows build lives, cross-built with Debian's MinGW-w64
# (profile windows) and run under wine.
WINDOWS_BUILD=$(preset_dir windows)

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

# A Debian tree of the release $1, with the packages $3, in the folder $2 or
# the tarball of that name, made by mmdebstrap from this machine's own deb
# entries for its release's suites (its codename, -updates and -security), as
# apt reports them whatever its files' format, taken for $1's; apt checks
# their signatures with the machine's trusted keys.
debian_tree() {
  ensure_profile testbed
  local entries
  entries=$(apt-get indextargets --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
    sed -nE "s/^deb (.*) $CODENAME((-updates|-security)? .*)/deb \1 $1\2/p" | sort -u)
  [ -n "$entries" ] || { echo "apt installs nothing here from $CODENAME: add a deb entry for Debian's $CODENAME main to /etc/apt/sources.list, and those of $1 will come from there too." >&2; return 1; }
  as_root mkdir -p "$(dirname "$2")"
  echo "$entries" | as_root mmdebstrap --quiet --variant=minbase --include="$3" "$1" "$2" -
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
  ensure_profile testbed
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
