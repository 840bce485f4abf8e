#!/usr/bin/env bash
# Sets the machine up, builds, and starts one program (karoskop or kwitola)
# in its demo working folder demo/<program>/.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-karoskop}"
case "$program" in
    karoskop|kwitola) ;;
    *) echo "Użycie: $0 karoskop|kwitola" >&2; exit 2 ;;
esac
bash scripts/setup.sh
binary="$PWD/build/$program/app/$program"
folder="$PWD/demo/$program"
mkdir -p "$folder"
if [ "$program" = kwitola ] && [ -x "$PWD/build/kwitola/demo/kwitola-demo" ]; then
    # Fills the demo tables on first use; an existing folder is left as it is.
    "$PWD/build/kwitola/demo/kwitola-demo" "$folder"
fi
if [ "$program" = karoskop ] && [ ! -e "$folder/test.kfx" ]; then
    # A sample last number, so that "Ostatni numer" has something to recall.
    sample=WF0AXXGAFAAB12345
    for ((i = 0; i < ${#sample}; i++)); do printf '%s\r\n' "${sample:i:1}"; done > "$folder/test.kfx"
fi
cd "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Brak ekranu (DISPLAY): uruchamiam w wirtualnym ekranie Xvfb." >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$binary"
fi
exec "$binary"
