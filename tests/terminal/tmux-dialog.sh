#!/usr/bin/env bash
# Runs quorlan-setup in a tmux pane (80 x 24 unless the case says otherwise) on a copy of the
# sample registry, presses keys as a person would, reads the pane and, once the program has
# ended, the registry file.
#
#   tmux-dialog.sh QUORLAN_SETUP SAMPLE_REG CASE
#
# CASE media-type:   choose "Force 100 Full" for "Media Type" and press Enter: OK, code "4".
# CASE out-of-range: type 2000 for "Receive Buffers" and leave it: the range message box, which
#                    takes the keys until it is dismissed; then Escape: Cancel, file unchanged.
# CASE unused-keys:  keys the dialog has no use for (Ctrl+A, F5, a mouse wheel) change nothing and
#                    do not end it; then Escape: Cancel.
# CASE small-terminal: at 64 x 21, F1's note shows on the frame and goes with a click; the range
#                    message box fits; shrunk to 40 x 12 the notice is readable whole, and Escape
#                    answers the box and cancels the dialog.
# CASE save-fails:   at 64 x 21, a save that cannot write (no file may grow): the longest message
#                    box in whole words, then Error, and why on standard error.
# CASE missing-file: --registry names no file: the stop message, Error, and why.
# CASE dumb-terminal: TERM=dumb is refused with exit status 64.
# Exits 77 (skipped) when tmux is missing.
set -euo pipefail
setup=$1
sample=$2
case=$3
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 77; }

work=$(mktemp -d)
sock=$work/tmux.sock
cleanup() {
  tmux -S "$sock" kill-server 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$sample" "$work/quorlan.reg"
size=(-x 80 -y 24)
registry=$work/quorlan.reg
before_run=:
case $case in
small-terminal) size=(-x 64 -y 21) ;;
save-fails)
  size=(-x 64 -y 21)
  before_run="trap '' XFSZ; ulimit -f 0" # writing the new file fails, as on a full disk
  ;;
missing-file) registry=$work/no-such.reg ;;
dumb-terminal) before_run="TERM=dumb; export TERM" ;;
esac
printf 'set -g default-terminal screen\n' >"$work/tmux.conf"
cat >"$work/run" <<RUN
#!/bin/sh
$before_run
"$setup" --registry "$registry" Veloxa
echo "exit status \$?"
exec sleep 600
RUN
chmod +x "$work/run"
tmux -S "$sock" -f "$work/tmux.conf" new-session -d "${size[@]}" "$work/run"

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
expect_shown() { screen | grep -qF -- "$1" || fail "the pane does not show: $1"; }
# The program ended with that result word and exit status.
ended() {
  wait_for "exit status $2"
  screen | grep -qx "$1" || fail "no result word $1"
}
unchanged() { cmp -s "$sample" "$work/quorlan.reg" || fail "$1 changed the registry file"; }
# What the program wrote, its lines joined where the pane wrapped them.
said() { tmux -S "$sock" capture-pane -p -J | grep -qF -- "$1" || fail "the program did not say: $1"; }

case $case in
missing-file)
  wait_for "Fatal Error: Registry Key not found"
  keys Enter
  ended Error 2
  said "the registry file $registry (given with --registry), which does not exist"
  echo "PASS $case"
  exit 0
  ;;
dumb-terminal)
  wait_for "exit status 64"
  expect_shown 'the terminal "dumb" cannot move its cursor'
  echo "PASS $case"
  exit 0
  ;;
esac

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
  ended OK 0
  grep -qF '"NetworkMedia"="4"' "$work/quorlan.reg" || fail "NetworkMedia is not 4: $(cat "$work/quorlan.reg")"
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
  ended Cancel 1
  unchanged "Cancel"
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
  ended Cancel 1
  ;;
small-terminal)
  keys F1
  wait_for "Help (quorlan.HLP) has no viewer in a terminal."
  click "Media Type"
  wait_for ">Media Type"
  wait_gone "has no viewer"
  keys End Up # the click left the focus in the list
  wait_for ">Receive Buffers"
  keys Tab Tab 2000
  wait_for "[2000"
  keys BTab BTab Down
  wait_for "Out of Range (32 to 1024)"
  expect_shown "quorlan"
  tmux -S "$sock" resize-window -x 40 -y 12
  wait_for "40 x 12."
  expect_shown "It needs 64 x 21 characters; this one is"
  expect_shown "Enlarge it, or press Escape to cancel."
  keys Escape
  ended Cancel 1
  unchanged "Cancel"
  ;;
save-fails)
  keys Enter
  wait_for "NcBit, NetworkMedia, JumboFrame, RxQueueSz, PriQ"
  expect_shown "Could not save NetworkAddress, VLANID, FlowControl,"
  expect_shown "│ quorlan "
  keys Enter
  ended Error 2
  said "the dialog ended after it said \"Could not save NetworkAddress,"
  unchanged "the failed save"
  ;;
*)
  echo "unknown case $case"
  exit 2
  ;;
esac
echo "PASS $case"
