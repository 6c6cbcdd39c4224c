#!/usr/bin/env bash
# A person at the prompt, in a real terminal: typed UTF-8 arrives whole, Tab
# completes a verb, a playlist name (quoted to read back as the same words)
# and a word of a check box's caption, the arrow keys edit the line, Ctrl-C
# abandons the line being typed without ending the session, and a line typed in one session is recalled in the next
# from the history in the profile folder, even when the output goes elsewhere.
# Ctrl-C while a command runs stops that command and gives the prompt back.
# In a locale that is not UTF-8 the prompt still reads UTF-8. A history that
# cannot be kept is said at start; one that cannot be read is kept aside.
# Ctrl-C while a script runs stops it; the host saves and exits with 130.
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

# A UTF-8 terminal, as a user's would be.
export LC_ALL=C.UTF-8
rm -rf "$work"
mkdir -p "$work/profile" "$work/home"
terminal() { tmux -u -S "$work/tmux.socket" -f /dev/null "$@"; }
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

# Types $1 literally, then presses the keys named after it.
type_then() {
    terminal send-keys -t "$session" -l "$1"
    shift
    terminal send-keys -t "$session" "$@"
}

# Types $1, then presses Enter.
enter() {
    type_then "$1" Enter
}

# A new session of the host in its own terminal, with `more` added to its
# command line (a pipe, a script, another profile) and `locale` as its
# LC_ALL (C.UTF-8 by default); HOME is a fresh folder so that no personal
# editor settings take part. The shell around the host ignores Ctrl-C, so
# that it stays to tell how the host ended.
start() {
    session=$1
    local more=${2:-} locale=${3:-C.UTF-8}
    terminal new-session -d -s "$session" -x 120 -y 40 \
        "trap '' INT; LC_ALL=$locale HOME='$work/home' '$host' --library '$library' --profile '$work/profile' $more; echo \"[host ended \$?]\"; sleep 30"
}

start first
expect "quorvel> "
type_then "shor" Tab
expect "quorvel> shortcuts "
terminal send-keys -t first Enter
expect "shortcut commands: "
type_then "new Rck" Left Left
enter "o"
expect "created 2 Rock"
enter "new Café 🎵"
expect "created 3 Café 🎵"
enter "new Ölß"
expect "created 4 Ölß"
type_then "activate Ca" Tab Enter
expect "active: 3 Café 🎵"
# Completion quotes a name so that it reads back as typed.
enter 'new He said "hi"'
expect 'created 5 He said "hi"'
type_then "activate He" Tab
expect 'quorvel> activate "He said \"hi\""'
terminal send-keys -t first Enter
expect 'active: 5 He said "hi"'
enter "page"
expect "page Relayvo"
type_then "click pre" Tab Enter
expect "1018  check  [x]"
# Ctrl-C abandons the half-typed line; the session goes on, and its click is
# saved when it ends.
type_then "remove 2" C-c
enter "list"
expect "playlists: 5"
enter "quit"
expect "[host ended 0]"
[ -s "$work/profile/quorvel-host.history" ] || fail "no history file in the profile folder"
for name in '"Café 🎵"' '"Ölß"' '"Rock"'; do
    grep -qF "$name" "$work/profile/playlists.json" || fail "$name was not kept in playlists.json"
done

# The latest line is quit, the one before it list. The names and the click
# came back from the profile. The output goes to a file; the prompt and the
# keys still work, since input is a terminal.
start second "> '$work/output.txt'"
expect "quorvel> "
terminal send-keys -t second Up Up
expect "quorvel> list"
terminal send-keys -t second Enter
enter "page"
enter "quit"
expect "[host ended 0]"
grep -qF "3 Café 🎵: 0 items" "$work/output.txt" || fail "the names did not come back"
grep -qF "1018  check  [x]" "$work/output.txt" || fail "the click did not come back"

# Ctrl-C during tracks on a large playlist stops the listing and gives the
# prompt back; the session goes on, and every track is kept. This profile's
# history path is a folder, which is said at start.
tracks=600000
mkdir -p "$work/large/quorvel-host.history"
awk -v n=$tracks 'BEGIN {
    printf "{\"active\": 0, \"playlists\": [{\"name\": \"Large\", \"tracks\": ["
    for (i = 1; i <= n; i++) printf "%s\"Track %d\"", (i > 1 ? ", " : ""), i
    print "]}]}"
}' >"$work/large/playlists.json"
start fourth "--profile '$work/large'"
expect "cannot keep the prompt's history in $work/large/quorvel-host.history"
expect "quorvel> "
enter "tracks"
expect "[ ] Track "
terminal send-keys -t fourth C-c
expect "tracks: stopped"
enter "list"
expect "* 1 Large: $tracks items"
enter "quit"
expect "[host ended 0]"
[ "$(grep -c '"Track ' "$work/large/playlists.json")" = $tracks ] || fail "tracks were lost"

# In the C locale the prompt still takes UTF-8, and says so; the history it
# cannot read is kept aside.
echo "not a history" >"$work/profile/quorvel-host.history"
start fifth "" C
expect "not UTF-8; the prompt reads UTF-8 all the same"
expect "kept aside as quorvel-host.history.damaged"
enter "new Ünïcødé"
expect "created 6 Ünïcødé"
enter "quit"
expect "[host ended 0]"
grep -qF '"Ünïcødé"' "$work/profile/playlists.json" || fail "the UTF-8 name was not kept"
grep -qx "not a history" "$work/profile/quorvel-host.history.damaged" || fail "the history was not kept aside"

# A script that waits for its next line is stopped by Ctrl-C: what it did is saved.
mkfifo "$work/script"
exec 3<>"$work/script"
start third "--script '$work/script'"
printf 'page\nclick append\n' >&3
expect "1019  check  [x]"
terminal send-keys -t third C-c
expect "[host ended 130]"
expect "saved relayvo.cfg"
echo "UTF-8, completion, editing, Ctrl-C and history work at the prompt"
