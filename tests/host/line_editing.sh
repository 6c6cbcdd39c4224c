#!/usr/bin/env bash
# A person at the prompt, in a real terminal: Tab completes a verb, the arrow
# keys edit the line, and a line typed in one session is recalled in the next
# from the history in the profile folder.
#
#   line_editing.sh HOST LIBRARY WORK_DIR
#
# Exits 77 (skipped) when tmux, the terminal it runs in, is not installed.
set -euo pipefail

host=$1 library=$2 work=$3
if ! command -v tmux >/dev/null; then
    echo "skipped: tmux is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi

rm -rf "$work"
mkdir -p "$work/profile" "$work/home"
terminal() { tmux -S "$work/tmux.socket" -f /dev/null "$@"; }
trap 'terminal kill-server 2>/dev/null || true' EXIT

fail() {
    echo "FAILED: $1; the terminal shows:"
    terminal capture-pane -p -J -t "$session"
    exit 1
}

# Waits until the terminal shows `text`.
expect() {
    for _ in $(seq 200); do
        terminal capture-pane -p -J -t "$session" | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    fail "\"$1\" never showed"
}

# A new session of the host in its own terminal; HOME is a fresh folder so
# that no personal editor settings take part.
start() {
    session=$1
    terminal new-session -d -s "$session" -x 120 -y 40 \
        "HOME='$work/home' '$host' --library '$library' --profile '$work/profile'; echo '[host ended]'; sleep 30"
    expect "quorvel> "
}

start first
terminal send-keys -t first -l "shor"
terminal send-keys -t first Tab
expect "quorvel> shortcuts "
terminal send-keys -t first Enter
expect "shortcut commands: "
terminal send-keys -t first -l "new Rck"
terminal send-keys -t first Left Left
terminal send-keys -t first -l "o"
terminal send-keys -t first Enter
expect "created 2 Rock"
terminal send-keys -t first -l "quit"
terminal send-keys -t first Enter
expect "[host ended]"
[ -s "$work/profile/quorvel-host.history" ] || fail "no history file in the profile folder"

# The latest line is quit, the one before it the edited "new Rock".
start second
terminal send-keys -t second Up Up
expect "quorvel> new Rock"
terminal send-keys -t second Enter
expect "created 2 Rock"
terminal send-keys -t second -l "quit"
terminal send-keys -t second Enter
expect "[host ended]"
echo "completion, editing and history work at the prompt"
