# Sourced by the scripts: installs the Debian packages named, only those missing.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >&2
}

# What building the program and its tests needs.
BUILD_PACKAGES=(cmake make g++ libgtest-dev libbenchmark-dev freeglut3-dev libglu1-mesa-dev
  libgl1-mesa-dev)
