# Shared by run.sh and test.sh.

PACKAGES=(cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev qt6-image-formats-plugins libturbojpeg0-dev libgif-dev
  libmp3lame-dev gstreamer1.0-plugins-good gstreamer1.0-plugins-base gstreamer1.0-libav
  fonts-liberation2 xvfb xauth x11-apps xdotool)

ensure_packages() {
  local missing=()
  local p
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:"
    echo "  sudo apt-get install --no-install-recommends ${missing[*]}"
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_program() {
  local generator=()
  command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
  if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release
  else
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build build -j"$(nproc)"
}
