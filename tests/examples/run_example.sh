#!/usr/bin/env bash
# Runs one of the driver's examples against the simulated instrument and checks what it
# printed: the identification, every value, and comparator counts that counted them.
#   run_example.sh rs232|gpib TARVOLUX_SIM GPIB_SIM_LIBRARY COMMAND...
set -euo pipefail
door=$1 sim=$2 gpib_library=$3
shift 3
count=6
work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

if [ "$door" = rs232 ]; then
  "$sim" --pty --link "$work/tty" >"$work/sim.out" 2>&1 &
  sim_pid=$!
  for _ in $(seq 100); do [ -e "$work/tty" ] && break; sleep 0.05; done
  export ZK7416_COM1="$work/tty"
  where=(--port 1)
else
  export ZK7416_GPIB_LIBRARY="$gpib_library"
  where=(--gpib 7)
fi

"$@" "${where[@]}" --limits 0.012 0.013 "$count" >"$work/out"
cat "$work/out"
head -n1 "$work/out" | grep -q '^instrument: TARVOLUX,Typ 7416'
[ "$(grep -c '^value [1-9][0-9]*: 12\.3[0-9]* MOHM$' "$work/out")" -eq "$count" ]
grep -qx "comparator counts: 0 $count 0" "$work/out"
