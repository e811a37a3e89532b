#!/usr/bin/env bash
# Builds the program and starts it: ./run.sh [FILE]
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/build.sh" >&2
if [ $# -eq 0 ]; then
    exec "$root/build/src/cli/travo4gsm-cli" defaults
else
    exec "$root/build/src/cli/travo4gsm-cli" normalize "$@"
fi
