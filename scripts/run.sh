#!/usr/bin/env bash
# Builds Pictavo and starts the editor; any argument is the icon file to open.
# The editor runs from build/, where it finds its settings file on a first start.
set -euo pipefail
file="$*"
if [[ -n "$file" && "$file" != /* ]]; then file="$(pwd)/$file"; fi
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
if [[ -n "$file" ]]; then exec ./pictavo "$file"; else exec ./pictavo; fi
