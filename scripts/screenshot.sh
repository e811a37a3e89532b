#!/usr/bin/env bash
# Takes a screenshot of the editor's main window under Xvfb: ./scripts/screenshot.sh [OUT.png] [FILE]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/main-window.png}")"
shift || true
"$root/scripts/build.sh" >&2
for p in xvfb xauth imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p" >&2
done
# An empty folder, so that no config.ini lying around is opened instead of FILE or the defaults.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
    "$0" "$@" & app=$!
    sleep 4
    import -window root "'"$work"'/root.png"
    kill $app' "$root/build/src/app/travo4gsm" "$@"
# The screen around the window is black; cut it away.
convert "$work/root.png" -trim +repage "$out"
echo "$out"
