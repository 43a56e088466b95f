#!/usr/bin/env bash
# Runs quorlan-setup in an 80 x 24 tmux pane on a copy of the sample registry, presses keys as a
# person would, reads the pane and, once the program has ended, the registry file.
#
#   tmux-dialog.sh QUORLAN_SETUP SAMPLE_REG CASE [MAKE_TEST_HIVE HIVEXSH_SCRIPT]
#
# With a hive maker and a hivexsh script, the registry is instead a SYSTEM hive made by the
# maker and filled by the script; the values saved are then read with hivexget, and hivexml
# must show the hive unchanged but for the service's Parameters in the current control set.
#
# CASE media-type:   choose "Force 100 Full" for "Media Type" and press Enter: OK, code "4".
# CASE out-of-range: type 2000 for "Receive Buffers" and leave it: the range message box, which
#                    takes the keys until it is dismissed; then Escape: Cancel, file unchanged.
# CASE unused-keys:  keys the dialog has no use for (Ctrl+A, F5, a mouse wheel) change nothing and
#                    do not end it; then Escape: Cancel.
# Exits 77 (skipped) when tmux is missing.
set -euo pipefail
setup=$1
sample=$2
case=$3
maker=${4:-}
fill=${5:-}
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }

work=$(mktemp -d)
sock=$work/tmux.sock
cleanup() {
  tmux -S "$sock" kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if [ -n "$maker" ]; then
  "$maker" "$work/quorlan.reg"
  hivexsh -w -f "$fill" "$work/quorlan.reg"
  sample=$work/sample.hive
  cp "$work/quorlan.reg" "$sample"
else
  cp "$sample" "$work/quorlan.reg"
fi
printf 'set -g default-terminal screen\n' >"$work/tmux.conf"
cat >"$work/run" <<RUN
#!/bin/sh
"$setup" --registry "$work/quorlan.reg" Veloxa
echo "exit status \$?"
exec sleep 600
RUN
chmod +x "$work/run"
tmux -S "$sock" -f "$work/tmux.conf" new-session -d -x 80 -y 24 "$work/run"

screen() { tmux -S "$sock" capture-pane -p; }
fail() {
  echo "FAIL: $*"
  echo "--- the pane:"
  screen
  exit 1
}
# Waits until the pane shows the text (up to ten seconds: the program answers at once).
wait_for() {
  for _ in $(seq 100); do
    screen | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  fail "the pane never showed: $1"
}
wait_gone() {
  for _ in $(seq 100); do
    screen | grep -qF -- "$1" || return 0
    sleep 0.1
  done
  fail "the pane still shows: $1"
}
keys() { tmux -S "$sock" send-keys "$@"; }
# A click (press and release of the left button, as the terminal reports it) on the first cell
# of the first place the pane shows the text.
click() {
  local pane row line before col
  pane=$(screen)
  row=$(echo "$pane" | grep -nF -- "$1" | head -1 | cut -d: -f1)
  [ -n "$row" ] || fail "nothing to click on: $1"
  line=$(echo "$pane" | sed -n "${row}p")
  before=${line%%"$1"*}
  col=$(($(printf '%s' "$before" | iconv -f UTF-8 -t UTF-32LE | wc -c) / 4)) # cells, any locale
  mouse ' ' "$col" $((row - 1))
  mouse '#' "$col" $((row - 1))
}
mouse() { # button code, zero-based column and row: an X10 mouse report
  keys -l "$(printf '\033[M%s%b%b' "$1" "\\$(printf %o $((33 + $2)))" "\\$(printf %o $((33 + $3)))")"
}
# The hive after "Force 100 Full" was saved: NetworkMedia "4" as UTF-16 text in the current
# control set (hivexget decodes it), the older control set as it was, and nothing else changed.
check_hive_saved_media() {
  local current='ControlSet001\Services\Veloxa\Parameters'
  [ "$(hivexget "$work/quorlan.reg" "$current" NetworkMedia)" = 4 ] ||
    fail "NetworkMedia is not 4: $(hivexget "$work/quorlan.reg" "$current")"
  [ "$(hivexget "$work/quorlan.reg" 'ControlSet002\Services\Veloxa\Parameters' NetworkMedia)" = 1 ] ||
    fail "the control set that is not current changed"
  printf 'cd %s\ndel\ncommit\n' "$current" >"$work/forget.hivexsh"
  for hive in "$sample" "$work/quorlan.reg"; do
    hivexsh -w -f "$work/forget.hivexsh" "$hive"
    hivexml "$hive" | perl -pe 's/<byte_runs>.*?<\/byte_runs>//g' >"$hive.xml"
  done
  cmp -s "$sample.xml" "$work/quorlan.reg.xml" || fail "keys or values outside Parameters changed"
}
expect_shown() { screen | grep -qF -- "$1" || fail "the pane does not show: $1"; }

wait_for "Select the property to configure"
before=$(screen)
# The list is sorted, and "Address" is selected with its text field showing the stored address.
order=$(echo "$before" | grep -oE 'Address|IEEE Compliant Link|Media Type|Packet Size \(maximum\)|Pause Control|Priority Queues|Receive Buffers|VLAN ID' | tr '\n' ',')
[ "$order" = "Address,IEEE Compliant Link,Media Type,Packet Size (maximum),Pause Control,Priority Queues,Receive Buffers,VLAN ID," ] ||
  fail "the list is not sorted: $order"
expect_shown ">Address"
expect_shown "(*) [0002B3A1C4F7"
expect_shown "Tavrix QK61450 Veloxa Properties"

case $case in
media-type)
  keys Tab Tab Down Down
  wait_for ">Media Type"
  wait_for "[Autonegotiate"
  keys Tab Space
  wait_for "Force 10 Half" # the list has dropped
  keys Down Down Down Down Space
  wait_gone "Force 10 Half"
  wait_for "[Force 100 Full"
  expect_shown ">Media Type"
  keys Enter
  wait_for "exit status 0"
  screen | grep -qx "OK" || fail "no result word OK"
  if [ -n "$maker" ]; then
    check_hive_saved_media
  else
    grep -qF '"NetworkMedia"="4"' "$work/quorlan.reg" || fail "NetworkMedia is not 4: $(cat "$work/quorlan.reg")"
  fi
  ;;
out-of-range)
  keys Tab Tab End Up
  wait_for ">Receive Buffers"
  wait_for "[256"
  keys Tab Tab 2000
  wait_for "[2000"
  keys BTab BTab Down
  wait_for "Out of Range (32 to 1024)"
  wait_for "quorlan"
  expect_shown '/!\'
  screen | grep -qE '< +OK +>' || fail "no default OK button"
  # The dialog behind the message box takes no keys: Up would move the list.
  keys Up
  sleep 0.3
  keys Enter
  wait_gone "Out of Range (32 to 1024)"
  expect_shown ">VLAN ID"
  # Selected again, "Receive Buffers" shows the number the range made of 2000.
  click "Receive Buffers"
  wait_for ">Receive Buffers"
  wait_for "[1024"
  keys Escape
  wait_for "exit status 1"
  screen | grep -qx "Cancel" || fail "no result word Cancel"
  cmp -s "$sample" "$work/quorlan.reg" || fail "Cancel changed the registry file"
  ;;
unused-keys)
  keys Tab Tab Down
  wait_for ">IEEE Compliant Link"
  keys C-a F5
  mouse 'a' 10 10 # the wheel turned over the list
  sleep 0.5
  screen | grep -q "exit status" && fail "a key the dialog does not use ended it"
  expect_shown ">IEEE Compliant Link"
  keys Down
  wait_for ">Media Type"
  keys Escape
  wait_for "exit status 1"
  screen | grep -qx "Cancel" || fail "no result word Cancel"
  ;;
*)
  echo "unknown case $case"
  exit 2
  ;;
esac
echo "PASS $case"
