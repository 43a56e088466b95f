#!/usr/bin/env bash
# Plays each scenario on a SYSTEM hive of its own, as the text store plays them on a fresh
# registry: the setup is staged into the hive, the dialog saves into it, and the checks read the
# hive as saved. Afterwards hivex's own tools must read the hive, and the other control set must
# hold nothing of the service. Then hives that must be refused before anything is shown (exit
# 64, file unchanged) and a dirty hive, which is shown but never written.
#
#   play-on-hive.sh QUORLAN_SETUP MAKE_TEST_HIVE SCENARIO.scn...
set -euo pipefail
setup=$1
maker=$2
shift 2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" --current 2 "$work/template" # ControlSet002 is current: 001 must stay untouched

failed=0
fail() {
  echo "FAIL $*"
  failed=$((failed + 1))
}

passed=0
for scenario in "$@"; do
  name=$(basename "$scenario" .scn)
  hive=$work/SYSTEM
  cp "$work/template" "$hive"
  if ! output=$("$setup" --registry "$hive" --script "$scenario" 2>&1); then
    fail "$name: $(echo "$output" | grep -m1 FAIL || echo "$output")"
    continue
  fi
  if ! hivexml "$hive" >/dev/null; then
    fail "$name: hivexml cannot read the hive saved"
  elif hivexget "$hive" 'ControlSet001\Services\Veloxa' >/dev/null 2>&1; then
    fail "$name: the service was written into ControlSet001, which is not current"
  else
    passed=$((passed + 1))
  fi
done
echo "$passed of $# scenarios passed on a hive"

# Refused before anything is shown: exit 64, a message naming the file, the file unchanged.
refused() {
  local what=$1 file=$2 expected=$3
  cp "$file" "$work/copy"
  local status=0 message
  message=$("$setup" --registry "$file" Veloxa 2>&1 </dev/null) || status=$?
  [ "$status" -eq 64 ] || fail "$what: exit $status, not 64: $message"
  echo "$message" | grep -qF "$file" || fail "$what: the message does not name the file: $message"
  echo "$message" | grep -qF "$expected" || fail "$what: the message does not say \"$expected\": $message"
  cmp -s "$file" "$work/copy" || fail "$what: the file changed"
}
"$maker" --no-select "$work/no-select"
refused "a hive without Select" "$work/no-select" "no Select\\Current value"
head -c 9000 "$work/template" >"$work/cut"
refused "a hive cut short" "$work/cut" "cut short"
{ head -c 4096 "$work/template"; head -c 8192 /dev/zero; } >"$work/no-bins"
refused "a hive hivex refuses" "$work/no-bins" "not a hive that can be read"

# A dirty hive holding the service: the dialog opens and reads it, saving fails, and the file
# stays as it was.
cp "$work/template" "$work/dirty"
printf 'value NetworkMedia sz "8"\nclick cancel\nexpect result Cancel\n' >"$work/stage.scn"
"$setup" --registry "$work/dirty" --script "$work/stage.scn" >/dev/null
"$maker" --mark-dirty "$work/dirty"
cp "$work/dirty" "$work/dirty-before"
cat >"$work/ok.scn" <<'SCN'
# OK on a hive whose logs hold changes: the save is refused
select "Media Type"
click ok
expect message "Could not save NetworkAddress, VLANID, FlowControl, NcBit, NetworkMedia, JumboFrame, RxQueueSz, PriQ" caption "quorlan"
expect result Error
SCN
output=$("$setup" --registry "$work/dirty" --script "$work/ok.scn" 2>&1) || true
echo "$output" | grep -qx "PASS ok" || fail "a dirty hive: $output"
echo "$output" | grep -qF "Boot Windows once and shut it down cleanly" ||
  fail "a dirty hive: no word of what to do: $output"
cmp -s "$work/dirty" "$work/dirty-before" || fail "a dirty hive was written"

if [ "$failed" -ne 0 ]; then
  echo "$failed failed"
  exit 1
fi
echo "PASS every hive check"
