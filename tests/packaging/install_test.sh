#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses the installation as a user would:
# no display, another working folder, a fresh home, nothing from the build tree.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install"
export HOME="$work/home"
unset XDG_DATA_HOME OHM7416_HOME DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM ZK7416_GPIB_LIBRARY
mkdir -p "$HOME"
cd "$work"
bin="$prefix/bin"

# --help and a wrong option answer without a display.
"$bin/ohm7416" --help >help.txt || fail "ohm7416 --help exits $?"
grep -q '^Aufruf: ohm7416 ' help.txt || fail "ohm7416 --help prints no usage"
status=0
"$bin/ohm7416" --farbe >/dev/null 2>err.txt || status=$?
[ "$status" -eq 2 ] || fail "ohm7416 --farbe exits $status"
grep -q 'Unbekannte Option --farbe' err.txt || fail "ohm7416 --farbe: $(cat err.txt)"
"$bin/ohm7416ctl" --help >ctl-help.txt || fail "ohm7416ctl --help exits $?"
grep -q 'save-config DATEI' ctl-help.txt || fail "ohm7416ctl --help lists no commands"

# The English translation is found beside the installed programs; German stays the default.
# (Each answer goes to a file first: "grep -q" in a pipe would end the writer with SIGPIPE.)
"$bin/ohm7416" --language en --help >en-help.txt || fail "ohm7416 --language en --help exits $?"
grep -q '^Usage: ohm7416 ' en-help.txt || fail "ohm7416 --language en --help"
OHM7416_LANGUAGE=en "$bin/ohm7416ctl" --help >en-ctl-help.txt || fail "OHM7416_LANGUAGE=en ohm7416ctl --help exits $?"
grep -q 'save-config FILE' en-ctl-help.txt || fail "OHM7416_LANGUAGE=en ohm7416ctl --help"
OHM7416_LANGUAGE=en "$bin/zk7416-scpi" --help >en-scpi-help.txt || fail "OHM7416_LANGUAGE=en zk7416-scpi --help exits $?"
grep -q '^Usage: zk7416-scpi' en-scpi-help.txt || fail "OHM7416_LANGUAGE=en zk7416-scpi --help"

# The installed tools run the simulation from the installed libraries, and the per-user
# project directory is seeded with the installed export formats.
for door in rs232 gpib; do
  "$bin/ohm7416ctl" --simulate=$door info >info.txt || fail "ohm7416ctl --simulate=$door info"
  grep -q '^Hersteller: *TARVOLUX$' info.txt || fail "info: $(cat info.txt)"
done
[ -f "$HOME/.local/share/ohm7416/format.for/export.exp" ] || fail "export formats not seeded"
"$bin/ohm7416ctl" --simulate=gpib save-config "$work/linie.cfg" || fail "save-config"
[ "$(stat -c %s "$work/linie.cfg")" -eq 3900 ] || fail "configuration file size"
"$bin/zk7416-scpi" --simulate '*IDN?' | grep '^TARVOLUX,' >/dev/null || fail "zk7416-scpi"

# The Python package finds the installed driver and simulator by itself, and the
# installed gateway answers a client.
typed=$(find "$prefix" -path '*/zk7416/py.typed')
[ -n "$typed" ] || fail "Python package not installed"
export PYTHONPATH=$(dirname "$(dirname "$typed")")
/usr/bin/python3 -c 'import zk7416; print(zk7416.library_path()); print(zk7416.open_simulated("gpib").idn)' \
  >python.txt 2>&1 || fail "python: $(cat python.txt)"
grep -q "^$prefix/" python.txt && grep -q '^TARVOLUX,' python.txt || fail "python: $(cat python.txt)"
"$bin/zk7416-gateway" --simulate --tcp-port 0 >gateway.txt 2>gateway.log &
gateway=$!
for _ in $(seq 100); do [ -s gateway.txt ] && break; sleep 0.05; done
port=$(sed -n 's/^127\.0\.0\.1://p' gateway.txt)
/usr/bin/python3 - "$port" >idn.txt <<'PY' || fail "gateway: $(cat gateway.log)"
import socket, sys
with socket.create_connection(("127.0.0.1", int(sys.argv[1])), timeout=10) as s:
    s.sendall(b"*IDN?\n")
    print(s.makefile("rb").readline().decode("latin-1").strip())
PY
kill "$gateway" && wait "$gateway" || true
grep -q '^TARVOLUX,' idn.txt || fail "gateway answered: $(cat idn.txt)"

# The driver: versioned, with its SONAME, header and pkg-config file; the C example
# builds against the installation and talks to the installed GPIB simulation library.
library=$(find "$prefix" -name 'libzk7416.so.1.*' -type f)
[ -n "$library" ] || fail "libzk7416.so.1.* not installed"
readelf -d "$library" | grep 'SONAME.*\[libzk7416\.so\.1\]' >/dev/null || fail "SONAME"
libdir=$(dirname "$library")
[ -f "$prefix/include/zk7416.h" ] || fail "zk7416.h"
export PKG_CONFIG_PATH="$libdir/pkgconfig"
cc -Wall -Werror -o example "$prefix/share/doc/ohm7416/examples/c/measure_example.c" \
  $(pkg-config --cflags --libs zk7416) -Wl,-rpath,"$libdir" || fail "example does not build"
ZK7416_GPIB_LIBRARY="$libdir/ohm7416/libtarvolux_gpib_sim.so" ./example --gpib 7 2 >example.txt ||
  fail "example: $(cat example.txt)"
[ "$(grep -c '^value ' example.txt)" -eq 2 ] || fail "example values: $(cat example.txt)"

# Desktop entry, icon and man pages.
desktop-file-validate "$prefix/share/applications/ohm7416.desktop" || fail "desktop entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/ohm7416.svg" ] || fail "icon"
for page in ohm7416 ohm7416ctl zk7416-scpi zk7416-gateway tarvolux-sim en/ohm7416 en/ohm7416ctl en/zk7416-scpi; do
  file="$prefix/share/man/$(dirname "$page")/man1/$(basename "$page").1.gz"
  [ -f "$file" ] || fail "man page $page"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done

# Nothing installed points back into the build tree.
for file in "$bin"/* "$libdir"/ohm7416/*.so "$library"; do
  if readelf -d "$file" | grep -E 'RPATH|RUNPATH' | grep -F "$build" >/dev/null; then
    fail "$file refers to the build tree"
  fi
done
echo "installed and run from $prefix"
