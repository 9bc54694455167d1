#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tremalo from this folder (it finds Assets/ here).
set -euo pipefail
cd "$(dirname "$0")"
scripts/bootstrap.sh
exec build/ui/tremalo
