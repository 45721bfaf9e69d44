#!/usr/bin/env bash
# Grades a reference solution or a deliberate mistake of an exercise as a
# teacher grades a student's work:
#     grade.sh TAV2-CLI EXERCISE-FOLDER SUBMISSION-FOLDER pass|fail
# The exercise's folder (its case file and the files it hands out) and the
# submission's files are copied into a fresh folder, as a student's copy of
# the exercise; the program graded is named as the case file, ending .asm.
#   pass: every case passes (tav2-cli test exits 0);
#   fail: the submission builds, and a case fails (exit 1, no build errors).
set -u
cli=$1
exercise=$2
submission=$3
expect=$4
if [ ! -d "$submission" ]; then
  echo "no folder $submission for the exercise $exercise"
  exit 1
fi
cases=("$exercise"/*.toml)
if [ ${#cases[@]} -ne 1 ] || [ ! -f "${cases[0]}" ]; then
  echo "the exercise $exercise needs exactly one case file"
  exit 1
fi
name=$(basename "${cases[0]}" .toml)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$exercise"/. "$submission"/. "$work"
cd "$work" || exit 1
report=$("$cli" test -j 1 "$name.toml" "$name.asm" 2>&1)
status=$?
echo "$report"
case $expect in
  pass)
    [ $status -eq 0 ] && exit 0
    echo "the reference solution must pass every case (exit status $status)"
    ;;
  fail)
    if [ $status -eq 1 ] && grep -q '^  FAILED  ' <<<"$report" && ! grep -q '^  build errors:' <<<"$report"; then
      exit 0
    fi
    echo "the wrong solution must build and fail a case (exit status $status)"
    ;;
esac
exit 1
