#!/usr/bin/env bash
# Runs one golden case of tav2-cli: the arguments in "args" (one per line,
# paths relative to the case's folder), standard input from "input" when
# present; compares standard output with "expected", the exit status with
# "status" and, when present, standard error with "expected-stderr".
# Optional:
#   "setup"  a script run first in a fresh copy of the case's folder, which
#            the case then runs in: it makes what git cannot hold
#            (directories, FIFOs, large files);
#   "env"    lines NAME=VALUE set in the environment of the run;
#   "stdout" names the path standard output goes to instead of being
#            compared;
#   "files/" a folder copied to a fresh directory the run starts in (the
#            arguments are then relative to it); afterwards that directory
#            must hold exactly what "expected-files/" holds, or when that is
#            absent exactly what "files/" held, byte for byte;
#   "$OUT"   in the arguments: a fresh directory for files the run writes;
#   "check"  a script given that directory and the path of tav2-cli, which
#            checks those files (and may run tav2-cli again).
set -u
cli=$1
cd "$2" || exit 2
copy=
if [ -f setup ]; then
  copy=$(mktemp -d)
  cp -R . "$copy"
  cd "$copy" || exit 2
  bash setup || { echo "setup failed"; rm -rf "$copy"; exit 2; }
fi
case_dir=$PWD
outdir=$(mktemp -d)
mapfile -t args < args
args=("${args[@]//\$OUT/$outdir}")
input=/dev/null
[ -f input ] && input=$case_dir/input
env_vars=()
[ -f env ] && mapfile -t env_vars < env
out=$(mktemp)
err=$(mktemp)
[ -f stdout ] && out=$(cat stdout)
work=
if [ -d files ]; then
  work=$(mktemp -d)
  cp -a files/. "$work"
  cd "$work" || exit 2
fi
env "${env_vars[@]}" "$cli" "${args[@]}" < "$input" > "$out" 2> "$err"
status=$?
cd "$case_dir" || exit 2
fail=0
expected_status=$(cat status)
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  fail=1
fi
if [ ! -f stdout ]; then
  diff -u expected "$out" || fail=1
  rm -f "$out"
fi
if [ -f expected-stderr ]; then
  diff -u expected-stderr "$err" || fail=1
fi
if [ -n "$work" ]; then
  expected_files=files
  [ -d expected-files ] && expected_files=expected-files
  diff -r "$expected_files" "$work" || fail=1
  rm -rf "$work"
fi
if [ -f check ]; then
  bash check "$outdir" "$cli" || fail=1
fi
if [ $fail -ne 0 ]; then
  echo "--- standard error was:"
  cat "$err"
fi
rm -f "$err"
rm -rf "$outdir"
[ -n "$copy" ] && rm -rf "$copy"
exit $fail
