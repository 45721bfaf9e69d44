#!/usr/bin/env bash
# Installs what is missing, builds the workbench and starts it, opening FILE if given.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are not set): the workbench needs a desktop to show its window." >&2
  echo "The headless runner is ready: build/bin/tav2-cli run build/bin/sources/hello.asm" >&2
  exit 1
fi
file_arg=()
[ $# -gt 0 ] && file_arg=("$(realpath "$1")")
exec build/bin/tav2 "${file_arg[@]}"
