#!/usr/bin/env bash
# Plays each scenario on a SYSTEM hive of its own, as the text store plays them on a fresh
# registry: the setup is staged into the hive, the dialog saves into it, and the checks read the
# hive as saved. Afterwards hivex's own tools must read the hive, and the other control set must
# hold nothing of the service. Then hives that must be refused before anything is shown (exit
# 64, file unchanged), a dirty hive without logs, which is shown but never written, and a
# crashed one whose logs bring it up to date, for the dialog and for quorlan-hive.
#
#   play-on-hive.sh QUORLAN_SETUP MAKE_TEST_HIVE QUORLAN_HIVE SCENARIO.scn...
set -euo pipefail
setup=$1
maker=$2
rescue=$3
shift 3

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

# A crashed hive: NetworkMedia "4" only in its logs (new format), "8"
# in the hive. quorlan-hive checks it and recovers it into a new file; the dialog shows "4" and
# saves the hive clean; the logs never change. With damaged logs both refuse (65), writing
# nothing.
crash=$work/crash
mkdir "$crash"
cp "$work/template" "$crash/SYSTEM"
printf 'value NetworkMedia sz "4"\nclick cancel\nexpect result Cancel\n' >"$work/stage4.scn"
"$setup" --registry "$crash/SYSTEM" --script "$work/stage4.scn" >/dev/null
cp "$work/template" "$crash/before"
"$setup" --registry "$crash/before" --script "$work/stage.scn" >/dev/null
"$maker" --crash "$crash/before" "$crash/SYSTEM"
cp "$crash/SYSTEM.LOG1" "$work/log1" && cp "$crash/SYSTEM.LOG2" "$work/log2"
media() { hivexget "$1" 'ControlSet002\Services\Veloxa\Parameters' NetworkMedia; }
status=0 && report=$("$rescue" check "$crash/SYSTEM" 2>&1) || status=$?
[ "$status" -eq 0 ] && echo "$report" | grep -q "^state: dirty" &&
  echo "$report" | grep -q "^replay: .* log entries" || fail "quorlan-hive check, exit $status: $report"
status=0 && "$rescue" recover "$crash/SYSTEM" --output "$crash/recovered" 2>/dev/null || status=$?
[ "$status" -eq 0 ] && [ "$(media "$crash/recovered")" = 4 ] ||
  fail "quorlan-hive recover, exit $status: NetworkMedia $(media "$crash/recovered" 2>&1)"
status=0 && "$rescue" recover "$crash/SYSTEM" -o "$crash/recovered" 2>/dev/null || status=$?
[ "$status" -eq 73 ] || fail "quorlan-hive recover over an existing file: exit $status"
cat >"$work/ok4.scn" <<'SCN'
select "Media Type"
click ok
expect result OK
SCN
output=$("$setup" --registry "$crash/SYSTEM" --script "$work/ok4.scn" 2>&1) || true
echo "$output" | grep -qx "PASS ok4" || fail "a crashed hive: $output"
echo "$output" | grep -qF "replayed SYSTEM.LOG1" || fail "no word of the replay: $output"
[ "$(media "$crash/SYSTEM")" = 4 ] || fail "a crashed hive saved without its logs' change"
"$rescue" check "$crash/SYSTEM" | grep -q "^state: clean" || fail "a crashed hive not saved clean"
cmp -s "$crash/SYSTEM.LOG1" "$work/log1" && cmp -s "$crash/SYSTEM.LOG2" "$work/log2" ||
  fail "the logs of a crashed hive were touched"
"$maker" --crash "$crash/before" "$crash/recovered" # a fresh crash, its logs then damaged
printf 'X' | dd of="$crash/recovered.LOG1" bs=1 seek=100 conv=notrunc 2>/dev/null
printf 'X' | dd of="$crash/recovered.LOG2" bs=1 seek=100 conv=notrunc 2>/dev/null
md5sum "$crash"/recovered* >"$work/md5"
status=0 && "$rescue" check "$crash/recovered" >/dev/null 2>&1 || status=$?
[ "$status" -eq 65 ] || fail "quorlan-hive check of damaged logs: exit $status, not 65"
status=0 && message=$("$rescue" recover "$crash/recovered" -o "$crash/new" 2>&1) || status=$?
[ "$status" -eq 65 ] && [ ! -e "$crash/new" ] && echo "$message" | grep -qF "recovered.LOG1" ||
  fail "quorlan-hive recover of damaged logs: exit $status: $message"
md5sum --quiet -c "$work/md5" || fail "a hive with damaged logs or its logs changed"

if [ "$failed" -ne 0 ]; then
  echo "$failed failed"
  exit 1
fi
echo "PASS every hive check"
