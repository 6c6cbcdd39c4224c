#!/usr/bin/env bash
# Files the user guarded keep their bytes and their mode: an unreadable store
# (mode 000) and a read-only one (444) are reported in one line with the
# reason and never written over; a store that is a symlink is saved through to
# its target, which keeps its mode (600); a profile folder that cannot be
# written in is said once, at start, and an empty profile name is refused.
# Root reads and writes whatever it likes,
# so as root the host runs as nobody, from copies of its programs in a folder
# nobody can reach (the checkout may sit where nobody cannot).
#
#   guarded_store.sh HOST LIBRARY UTF8API
set -euo pipefail

host=$1 library=$2 utf8api=$3
work=$(mktemp -d)
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/bin"
cp "$host" "$library" "${library%.*}.res" "$utf8api" "$work/bin/"
chmod -R a+rX "$work/bin"
printf 'page\nclick prefix\nsave\n' >"$work/click.qvs"
chmod a+r "$work/click.qvs"

as_user=()
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "FAILED: running as root, and setpriv is missing"; exit 1; }
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
failures=0
fail() {
    echo "FAILED: $1"
    failures=$((failures + 1))
}

# Runs the host on profile $1 with script $2; its output and errors, with
# $work shown as <work>, go to $work/out, and its status to $status.
run() {
    status=0
    "${as_user[@]}" env LD_LIBRARY_PATH="$work/bin" HOME="$work" "$work/bin/$(basename "$host")" \
        --library "$work/bin/$(basename "$library")" --profile "$1" --script "$2" \
        >"$work/out" 2>&1 || status=$?
    sed -i "s|$work|<work>|g" "$work/out"
}

# A profile folder $work/$1 owned by the user the host runs as, holding the
# default store.
profile() {
    dir=$work/$1
    mkdir -p "$dir"
    [ ${#as_user[@]} -eq 0 ] || chown nobody:nogroup "$dir"
    run "$dir" /dev/null
    [ -s "$dir/relayvo.cfg" ] || fail "the host made no store in $dir"
    cp "$dir/relayvo.cfg" "$work/$1.bytes"
}

# The transcript holds line $1, exactly, and $2 lines that name $3.
says() {
    grep -qxF -- "$1" "$work/out" || { fail "no line \"$1\""; cat "$work/out"; }
    [ "$(grep -cF -- "$3" "$work/out")" = "$2" ] || { fail "not $2 lines on $3"; cat "$work/out"; }
}

# File $1 holds the bytes of case $2 and has mode $3; $4: the host's status.
kept() {
    cmp -s "$1" "$work/$2.bytes" || fail "$2: $1 was written over"
    [ "$(stat -c %a "$1")" = "$3" ] || fail "$2: $1 lost its mode $3 (now $(stat -c %a "$1"))"
    [ "$status" = "$4" ] || fail "$2: the host exited with $status, not $4"
}

profile unreadable
chmod 000 "$dir/relayvo.cfg"
run "$dir" "$work/click.qvs"
says "store: cannot read <work>/unreadable/relayvo.cfg: Permission denied; the component starts with its defaults, and saves are refused" 2 relayvo.cfg
says "<work>/click.qvs:3: save: <work>/unreadable/relayvo.cfg could not be read at start, so it is not written over" 2 relayvo.cfg
chmod 600 "$dir/relayvo.cfg"
kept "$dir/relayvo.cfg" unreadable 600 1

profile read_only
chmod 444 "$dir/relayvo.cfg"
run "$dir" "$work/click.qvs"
says "store: relayvo.cfg read, 185 bytes in 8 records; <work>/read_only/relayvo.cfg is read-only, so it is left as it is" 2 relayvo.cfg
says "<work>/click.qvs:3: save: <work>/read_only/relayvo.cfg is read-only, so it is left as it is" 2 relayvo.cfg
kept "$dir/relayvo.cfg" read_only 444 1
# A restart whose save is refused keeps the component loaded, and says so.
printf 'restart\nmenu\n' >"$work/restart.qvs"
chmod a+r "$work/restart.qvs"
run "$dir" "$work/restart.qvs"
says "<work>/restart.qvs:1: restart: save: <work>/read_only/relayvo.cfg is read-only, so it is left as it is; the component stays loaded" 2 relayvo.cfg
kept "$dir/relayvo.cfg" read_only 444 1

# The symlink stays, and the file it leads to takes the click and keeps its mode.
profile symlinked
mkdir "$work/elsewhere"
mv "$dir/relayvo.cfg" "$work/elsewhere/settings.cfg"
chmod 600 "$work/elsewhere/settings.cfg"
[ ${#as_user[@]} -eq 0 ] || chown -R nobody:nogroup "$work/elsewhere"
ln -s ../elsewhere/settings.cfg "$dir/relayvo.cfg"
run "$dir" "$work/click.qvs"
says "saved relayvo.cfg, 185 bytes, and playlists.json, 96 bytes" 3 relayvo.cfg
[ -L "$dir/relayvo.cfg" ] || fail "the symlinked store was replaced by a file"
cmp -s "$work/elsewhere/settings.cfg" "$work/symlinked.bytes" && fail "the click was not saved through the symlink"
[ "$(stat -c %a "$work/elsewhere/settings.cfg")" = 600 ] || fail "the symlink's target lost its mode 600"
[ "$(ls "$work/elsewhere")" = settings.cfg ] || fail "a temporary file was left beside the target"

# A profile folder the user cannot write in: said once, at start, with the reason.
profile unwritable
chmod 555 "$dir"
run "$dir" "$work/click.qvs"
says "quorvel-host: cannot write in the profile folder <work>/unwritable: Permission denied; nothing will be saved" 2 "<work>/unwritable"
chmod 755 "$dir"
kept "$dir/relayvo.cfg" unwritable 644 1

# A profile named by an empty text is refused, not taken for the default one.
status=0
HOME="$work/home" "$work/bin/$(basename "$host")" --profile '' >"$work/out" 2>&1 </dev/null || status=$?
says "quorvel-host: --profile needs a folder, not an empty name" 1 "quorvel-host:"
[ "$status" = 2 ] && [ ! -e "$work/home" ] || fail "--profile '' was not refused (status $status)"

if [ "$failures" -gt 0 ]; then
    exit 1
fi
echo "unreadable, read-only and symlinked stores and an unwritable profile keep their bytes and modes${as_user:+ (run as nobody)}"
