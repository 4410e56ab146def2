#!/usr/bin/env bash
# Builds Pictavo and starts the editor; any argument is the icon file to open.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/pictavo "$@"
