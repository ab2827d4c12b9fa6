#!/usr/bin/env bash
# Installs what is missing (as root), builds the program into build/ and starts it from
# build/app/, the program folder that holds the executable and its Data folder.
set -euo pipefail
cd "$(dirname "$0")"
source ./scripts/common.sh
ensure_packages
build_program
exec ./build/app/kelvora-crossword "$@"
