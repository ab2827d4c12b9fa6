#!/bin/sh
# Starts Kelvora Crossword from an installed copy.
#
# The program keeps its settings, styles and working files in the Data folder beside it, and
# an installed program folder is not writable for the teacher. So each user runs a copy of
# the program folder in their own data folder: the program is refreshed from the installed
# one whenever it changes, and Data files the user already has (settings, saved styles) are
# never overwritten.
set -e

here=$(dirname "$(readlink -f "$0")")
installed=$(readlink -f "$here/../lib/kelvora-crossword")

if [ -w "$installed/Data" ]; then
  cd "$installed"
  exec ./kelvora-crossword "$@"
fi

user="${XDG_DATA_HOME:-$HOME/.local/share}/kelvora-crossword"
stamp=$(stat -c '%Y %s' "$installed/kelvora-crossword")
if [ ! -x "$user/kelvora-crossword" ] || [ "$(cat "$user/.installed" 2>/dev/null)" != "$stamp" ]; then
  mkdir -p "$user/Data"
  cp -f "$installed/kelvora-crossword" "$user/kelvora-crossword.new"
  mv -f "$user/kelvora-crossword.new" "$user/kelvora-crossword"
  cp -R -n "$installed/Data/." "$user/Data/"
  chmod -R u+w "$user/Data"
  printf '%s\n' "$stamp" > "$user/.installed"
fi
cd "$user"
exec ./kelvora-crossword "$@"
