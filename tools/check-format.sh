#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format; lists the files that
# do not (`clang-format -i FILE` fixes one) and exits 1 when there is any.
set -u
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
  'tools/*.cpp' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
differing=$(clang-format --dry-run --Werror "${files[@]}" 2>&1 | grep -E '^[^ ]+:[0-9]+:[0-9]+: error' |
  cut -d: -f1 | sort -u)
[ -z "$differing" ] && exit 0
printf 'format: %s differs from .clang-format\n' $differing
exit 1
