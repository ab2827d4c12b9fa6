#!/usr/bin/env bash
# Installs what is missing (as root), builds everything and runs every test with Qt's
# offscreen platform. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/common.sh
ensure_packages
build_program
# Runtime files of the tests stay inside the build tree.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$PWD/build/runtime"
export XDG_CACHE_HOME="$PWD/build/cache"
export GST_REGISTRY="$PWD/build/cache/gstreamer-registry.bin"
export QT_MEDIA_BACKEND=gstreamer
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
cd build
ctest --output-on-failure -j2 --timeout 600
