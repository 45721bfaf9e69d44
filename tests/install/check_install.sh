#!/usr/bin/env bash
# Installs the build in BUILD_DIR into a temporary prefix and checks the
# installed tree: the programs in bin/ find their home in share/tav2/ (the
# start-up micro-code and include/), run from anywhere; the desktop entry,
# the icon and the manual pages are in their places.
set -euo pipefail
build=$(cd "${1:?usage: check_install.sh BUILD_DIR}" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
fail=0
expect() {  # expect NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf 'install check failed: %s\n--- expected:\n%s\n--- actual:\n%s\n' "$1" "$2" "$3"
    fail=1
  fi
}
cd /
cli=$prefix/bin/tav2-cli
home=$prefix/share/tav2
expect "hello.asm" "Hello, world!" "$("$cli" run "$home/sources/hello.asm" 2>&1)"
expect "includes.asm" $'Include files\nA\t0041' "$("$cli" run "$home/sources/includes.asm" 2>&1)"
expect "the start-up micro-code" "$(cat "$home/microdefs.mca")" "$(cat "$home/microdefs.~mc")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
expect "--version" "tav2-cli (TAV2 Workbench) $version" "$("$cli" --version)"
files=(share/man/man1/tav2-cli.1 share/tav2/help/TAV2.html share/tav2/include/terminal.inc)
if [ -x "$build/bin/tav2" ]; then
  files+=(bin/tav2 share/man/man1/tav2.1 share/applications/tav2.desktop
          share/icons/hicolor/scalable/apps/tav2.svg)
fi
for file in "${files[@]}"; do
  [ -f "$prefix/$file" ] || { echo "install check failed: $file is not installed"; fail=1; }
done
[ $fail -eq 0 ] && echo "Install check passed."
exit $fail
