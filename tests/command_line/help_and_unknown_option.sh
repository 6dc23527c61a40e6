#!/usr/bin/env bash
# A program in bin/ as a new user first tries it: --help prints a usage text and exits 0,
# a mistyped option is refused on stderr with status 2, and neither writes anything:
# the working folder, which is also home and the temporary folder, stays empty.
#   help_and_unknown_option.sh PROGRAM
set -uo pipefail
program=$1
name=$(basename "$program")
work=$(mktemp -d)
out=$(mktemp -d)
trap 'rm -rf "$work" "$out"' EXIT
fail() {
  echo "FAIL: $name $*" >&2
  exit 1
}

run() {
  (cd "$work" && HOME="$work" TMPDIR="$work" XDG_RUNTIME_DIR="$work/runtime" \
     XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
     "$program" "$@" </dev/null >"$out/stdout" 2>"$out/stderr")
}

run --help
status=$?
[ "$status" -eq 0 ] || fail "--help exits $status: $(cat "$out/stderr")"
grep -qiE "^(usage|aufruf): " "$out/stdout" || fail "--help prints no usage: $(head -3 "$out/stdout")"

run --bogus
status=$?
[ "$status" -eq 2 ] || fail "--bogus exits $status"
grep -q -- "--bogus" "$out/stderr" || fail "--bogus: no message on stderr naming it"

leftovers=$(ls -A "$work")
[ -z "$leftovers" ] || fail "left in the working folder: $leftovers"
echo "$name: --help 0, --bogus 2, nothing written"
