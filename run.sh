#!/usr/bin/env bash
# Installs what is missing, builds, and starts the Quandel workbench.
# Arguments are passed on: ./run.sh census.hor   ./run.sh --batch script.txt
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
quandel_install_packages
quandel_build build >/dev/null
exec build/quandel "$@"
