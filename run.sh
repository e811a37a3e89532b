#!/usr/bin/env bash
# Builds the editor and starts it: ./run.sh [FILE]
# Without FILE it opens config.ini or config.cry of the current folder, else the
# default configuration.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/build.sh" >&2
exec "$root/build/src/app/travo4gsm" "$@"
