#!/usr/bin/env bash
# A person at the prompt, in a real terminal: typed UTF-8 arrives whole, Tab
# completes a verb, a playlist name (quoted to read back as the same words)
# and a word of a check box's caption, the arrow keys edit the line, Ctrl-C
# abandons the line being typed without ending the session, and a line typed
# in one session is recalled in the next from the history in the profile
# folder, even when the output goes elsewhere. Ctrl-C while a command runs
# stops that command and gives the prompt back. In a locale that is not UTF-8
# the prompt still reads UTF-8. A history that cannot be kept is said at
# start; one that cannot be read is kept aside. Ctrl-C while a script runs
# stops it; the host saves and exits with 130. fresh asks first, keeps the old
# files beside the new ones, and Tab offers it only from its third letter. A
# second host on the profile is turned away and changes nothing. Closing the
# terminal saves the session, and so does SIGHUP during a script.
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
    terminal capture-pane -p -J -t "$session" || true
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
start large "--profile '$work/large'"
expect "cannot keep the prompt's history in $work/large/quorvel-host.history"
expect "quorvel> "
enter "tracks"
expect "[ ] Track "
terminal send-keys -t large C-c
expect "tracks: stopped"
enter "list"
expect "* 1 Large: $tracks items"
enter "quit"
expect "[host ended 0]"
[ "$(grep -c '"Track ' "$work/large/playlists.json")" = $tracks ] || fail "tracks were lost"

# In the C locale the prompt still takes UTF-8, and says so; the history it
# cannot read is kept aside.
echo "not a history" >"$work/profile/quorvel-host.history"
start locale "" C
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

# Tab on f offers nothing, on fre it offers fresh, which asks first: n keeps
# everything as it is, y keeps the old files beside the fresh ones.
profile=$work/profile
cp "$profile/playlists.json" "$work/playlists.before"
cp "$profile/relayvo.cfg" "$work/settings.before"
start fourth
expect "quorvel> "
type_then "f" Tab
type_then "re" Tab Enter
expect "[y/N]"
enter "n"
expect "fresh: nothing was changed"
[ ! -e "$profile/playlists.json.before-fresh" ] || fail "fresh answered with n kept a copy"
type_then "fre" Tab Enter
enter "y"
expect "fresh start"
cmp -s "$profile/playlists.json.before-fresh" "$work/playlists.before" ||
    fail "fresh did not keep the old playlists beside the new ones"
cmp -s "$profile/relayvo.cfg.before-fresh" "$work/settings.before" ||
    fail "fresh did not keep the old settings beside the new ones"

# A playlist and a click not saved yet.
enter "new Closing Time"
enter "page"
type_then "click repl" Tab Enter
expect "1017  check  [x]"

# A second host on the profile says in one line which process holds it, exits
# with 2, and changes no file; on another profile it runs.
snapshot() { (cd "$profile" && ls -l --time-style=full-iso && md5sum ./*); }
before=$(snapshot)
status=0
"$host" --library "$library" --profile "$profile" --script /dev/null >"$work/second.txt" 2>&1 ||
    status=$?
[ "$status" = 2 ] || fail "a second host on the profile exited with $status, not 2"
[ "$(wc -l <"$work/second.txt")" = 1 ] || fail "a second host said more than one line"
holder=$(sed -n 's/.* is in use by another quorvel-host (process \([0-9]*\)).*/\1/p' "$work/second.txt")
[ -n "$holder" ] && [ "$(ps -o comm= -p "$holder")" = quorvel-host ] ||
    fail "a second host did not name the process holding the profile: $(cat "$work/second.txt")"
[ "$(snapshot)" = "$before" ] || fail "a second host changed the profile"
"$host" --library "$library" --profile "$work/elsewhere" --script /dev/null >/dev/null 2>&1 ||
    fail "a host on another profile did not run"

# Closing the terminal saves the session: once the host has let go of the
# profile, the playlist and the click are there.
terminal kill-session -t fourth
printf 'list\npage\n' >"$work/check.qvs"
for _ in $(seq 100); do
    status=0
    "$host" --library "$library" --profile "$profile" --script "$work/check.qvs" \
        >"$work/after.txt" 2>&1 || status=$?
    [ "$status" = 2 ] || break
    sleep 0.1
done
grep -qF "2 Closing Time: 0 items" "$work/after.txt" || fail "closing the terminal lost the new playlist"
grep -qF "1017  check  [x]" "$work/after.txt" || fail "closing the terminal lost the click"

# SIGHUP stops a script that waits for its next line, as Ctrl-C does: the host
# saves again and only then ends as the signal asks. Once the script's own save
# is on disk, the lock file names the process to send it to.
mkfifo "$work/hung_up"
exec 4<>"$work/hung_up"
"$host" --library "$library" --profile "$profile" --script "$work/hung_up" >"$work/hung_up.txt" 2>&1 &
printf 'new Hung Up\nsave\n' >&4
for _ in $(seq 100); do
    grep -qF '"Hung Up"' "$profile/playlists.json" && break
    sleep 0.1
done
kill -HUP "$(cat "$profile/quorvel-host.lock")"
status=0
wait $! || status=$?
[ "$status" = 129 ] || fail "a script sent SIGHUP ended with $status, not 129"
[ "$(grep -c "^saved relayvo.cfg" "$work/hung_up.txt")" = 2 ] ||
    fail "a script sent SIGHUP did not save before it ended: $(cat "$work/hung_up.txt")"
echo "UTF-8, completion, editing, Ctrl-C, history, fresh, one host per profile and a closed terminal work at the prompt"
