#!/usr/bin/env bash
# Runs one golden case of tav2-cli: the arguments in "args" (one per line,
# paths relative to the case's folder), standard input from "input" when
# present; compares standard output with "expected", the exit status with
# "status" and, when present, standard error with "expected-stderr".
# A case with a "setup" script runs in a fresh copy of its folder, after the
# script has made there what git cannot hold (directories, FIFOs, large
# files). A case with a file "stdout" sends standard output to the path it
# names instead of comparing it.
set -u
cli=$1
cd "$2" || exit 2
work=
if [ -f setup ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp -R . "$work"
  cd "$work" || exit 2
  bash setup || { echo "setup failed"; exit 2; }
fi
mapfile -t args < args
input=/dev/null
[ -f input ] && input=input
out=$(mktemp)
err=$(mktemp)
if [ -f stdout ]; then
  "$cli" "${args[@]}" < "$input" > "$(cat stdout)" 2> "$err"
else
  "$cli" "${args[@]}" < "$input" > "$out" 2> "$err"
fi
status=$?
fail=0
expected_status=$(cat status)
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  fail=1
fi
if [ ! -f stdout ]; then
  diff -u expected "$out" || fail=1
fi
if [ -f expected-stderr ]; then
  diff -u expected-stderr "$err" || fail=1
fi
if [ $fail -ne 0 ]; then
  echo "--- standard error was:"
  cat "$err"
fi
rm -f "$out" "$err"
exit $fail
