#!/usr/bin/env bash
# Installing again (as every scripts/build does) keeps a changed password and
# the archives already in the program folder; a fresh folder gets the shipped
# password store, the executable and a desktop entry.
#   install_keeps_data.sh <source folder> <build folder>
set -euo pipefail
src="$1"
build="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export VARCANTO_HOME="$tmp/Varcanto" XDG_DATA_HOME="$tmp/share"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$src/scripts/install" "$build" >/dev/null
[ -x "$VARCANTO_HOME/varcanto" ] || fail "no executable installed"
cmp -s "$src/assets/unins000.dll" "$VARCANTO_HOME/unins000.dll" || fail "shipped password store not installed"
grep -q "^Exec=\"$VARCANTO_HOME/varcanto\"" "$XDG_DATA_HOME/applications/varcanto.desktop" || fail "no desktop entry"

printf '[Accesso]\r\nValore=CAMBIATA\r\n' >"$VARCANTO_HOME/unins000.dll"
head -c 1366 /dev/urandom >"$VARCANTO_HOME/2026.vis"
mkdir -p "$VARCANTO_HOME/Documenti_Allegati" && echo doc >"$VARCANTO_HOME/Documenti_Allegati/libretto.pdf"
cp "$VARCANTO_HOME/2026.vis" "$tmp/before.vis"

"$src/scripts/install" "$build" >/dev/null
grep -q "Valore=CAMBIATA" "$VARCANTO_HOME/unins000.dll" || fail "changed password store overwritten"
cmp -s "$tmp/before.vis" "$VARCANTO_HOME/2026.vis" || fail "archive touched"
[ -f "$VARCANTO_HOME/Documenti_Allegati/libretto.pdf" ] || fail "attachment lost"
echo "install keeps the program folder's data"
