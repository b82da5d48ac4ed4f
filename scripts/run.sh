#!/usr/bin/env bash
# Installs what is missing, builds Brelt in Release and starts it; arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
exec "$root/build/app/brelt" "$@"
