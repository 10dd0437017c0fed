# Sourced by the scripts.

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
  as_root apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >&2
}

# What building the program and its tests needs.
BUILD_PACKAGES=(cmake make g++ libhwy-dev libgtest-dev libbenchmark-dev freeglut3-dev
  libglu1-mesa-dev libgl1-mesa-dev)

# Cross-building for arm64 with Debian's toolchain and the arm64 libraries
# beside the host's, and running the result under qemu.
ensure_arm64_packages() {
  dpkg --print-foreign-architectures | grep -qx arm64 || as_root dpkg --add-architecture arm64
  ensure_packages g++-aarch64-linux-gnu qemu-user libhwy-dev:arm64 libgtest-dev:arm64 \
    freeglut3-dev:arm64 libglu1-mesa-dev:arm64 libgl1-mesa-dev:arm64
}

# The browser test's client (playwright-core, pinned by tests/web's lockfile)
# and what it drives: Debian's chromium; netpbm reads its screenshots.
ensure_web_test_client() {
  ensure_packages chromium netpbm
  command -v npm >/dev/null || ensure_packages npm
  [ tests/web/node_modules/.package-lock.json -nt tests/web/package-lock.json ] ||
    npm ci --prefix tests/web --no-audit --no-fund >/dev/null
}

# Starts a private X display of its own for this script (no window manager)
# and exports DISPLAY; the server ends with the script.
start_private_display() {
  local fifo
  fifo=$(mktemp -u) && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill "$XVFB_PID" 2>/dev/null' EXIT
  local number
  read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$number"
}
