#!/usr/bin/env bash
# Checks the include rules of the layers (see docs/ARCHITECTURE.md):
# - the core includes neither Qt nor the GUI nor the programs;
# - include paths name their layer ("core/...", "gui/...");
# - only gui/shell includes its sibling GUI folders; gui/common includes none.
# Prints every broken include and exits 1 when there is one.
set -u
cd "$(dirname "$0")/.."
status=0
report() { echo "layering: $1"; status=1; }

includes() {  # folder -> "file:line:include-text" for every quoted or Qt include
  grep -rnE '^\s*#\s*include\s*[<"]' "$1" --include='*.h' --include='*.cpp' || true
}

while IFS= read -r hit; do
  [ -z "$hit" ] && continue
  case "$hit" in
    *'#include <Q'*|*'#include "gui/'*|*'#include "app/'*) report "the core reaches beyond itself: $hit" ;;
  esac
  if [[ "$hit" =~ \#include\ \" ]] && ! [[ "$hit" =~ \#include\ \"core/ ]]; then
    report "a core include without its layer: $hit"
  fi
done < <(includes src/core)

for folder in common sim editor lang shell; do
  while IFS= read -r hit; do
    [ -z "$hit" ] && continue
    [[ "$hit" =~ \#include\ \"([^\"]+)\" ]] || continue
    target=${BASH_REMATCH[1]}
    case "$target" in
      core/*) continue ;;
      gui/common/*) continue ;;
      gui/"$folder"/*) continue ;;
      gui/*)
        [ "$folder" = shell ] && continue
        report "gui/$folder includes a sibling GUI folder: $hit" ;;
      *.moc|moc_*|ui_*) continue ;;
      *) report "a GUI include without its layer: $hit" ;;
    esac
  done < <(includes "src/gui/$folder")
done
exit $status
