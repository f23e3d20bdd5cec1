#!/usr/bin/env bash
# Starts varnelo-websb from a scratch root as its systemd unit would, where no systemd runs: the
# unit's ExecCondition and ExecStart lines with their paths moved into the root, as an
# unprivileged dynamic-range user with no capabilities and no new privileges, umask 077, in a
# mount namespace where everything but the state folder is read-only.
# Usage: run_unit.sh ROOT WORK
set -euo pipefail
root=$1
work=$2
unit=$root/lib/systemd/system/varnelo-websb.service
uid=61184 # the first uid systemd hands to a DynamicUser= service
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null || true' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

property() { sed -n "s/^$1=//p" "$unit"; }
# Absolute paths of the installed system, moved into the scratch root (host tools stay).
inRoot() { sed -e "s# /etc/# $root/etc/#g" -e "s# /var/lib/# $root/var/lib/#g" \
    -e "s#^/usr/bin/varnelo-websb#$root/usr/bin/varnelo-websb#"; }
condition=$(property ExecCondition | inRoot)
command=$(property ExecStart | inRoot)
[ "$(property DynamicUser)" = yes ] || fail "the unit has no DynamicUser=yes"
[ "$(property NoNewPrivileges)" = yes ] || fail "the unit has no NoNewPrivileges=yes"
[ "$(property ProtectSystem)" = strict ] || fail "the unit has no ProtectSystem=strict"
state=$(property StateDirectory)
umask=$(property UMask)
[ -n "$state" ] && [ -n "$umask" ] || fail "the unit has no StateDirectory= or UMask="
config=$root/etc/varnelo-websb/websb.conf

# As installed, no page is configured and the service stays stopped without failing.
if eval "$condition"; then
    fail "the unit would start with the packaged config, which names no page"
fi

# What the admin does: add a page; a free port keeps the test off any port in use.
printf 's3cret-code\n' | "$root/usr/bin/varnelo-websb" --hash-passcode main >>"$config"
echo 'listen = 127.0.0.1:0' >>"$config"
eval "$condition" || fail "the unit would not start with a page configured"

# systemd's layout for a dynamic user: the folder in private/, a link to it beside.
mkdir -p "$root/var/lib/private/$state"
chown "$uid:$uid" "$root/var/lib/private/$state"
chmod 0700 "$root/var/lib/private/$state"
ln -sfn "private/$state" "$root/var/lib/$state"
statedir=$root/var/lib/private/$state
# The service's user reaches the root through the scratch folders, as it reaches / on a system.
chmod go+x "$work" "$root"

log=$work/websb.log
unshare -m --propagation private sh -c '
    set -e
    root=$1 statedir=$2 uid=$3 umask=$4 command=$5
    mount --bind "$root" "$root"
    mount -o remount,bind,ro "$root"
    mount --bind "$statedir" "$statedir"
    mount -o remount,bind,rw "$statedir"
    mount -o remount,bind,ro /
    exec setpriv --reuid="$uid" --regid="$uid" --clear-groups --no-new-privs \
        --inh-caps=-all --bounding-set=-all \
        env -i PATH=/usr/bin:/bin HOME=/nonexistent sh -c "umask $umask && exec $command"
' sh "$root" "$statedir" "$uid" "$umask" "$command" >"$log" 2>&1 &
pid=$!

port=
for _ in $(seq 50); do
    port=$(sed -n 's#.*serving 1 page(s) on http://127.0.0.1:\([0-9]*\)/.*#\1#p' "$log")
    [ -n "$port" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$port" ] || { cat "$log"; fail "the service did not start as its unit runs it"; }
cat "$log"

# A board's last update of a game is written to the state folder at once.
query='ttl=Cup&ht=Rovers&vt=United&hs=3&gt=10%3A00&vs=1&per=2&hsh=12&hck=4&hsa=7&vsh=9&vck=2&vsa=5'
reply=$(python3 - "$port" "$query" <<'PY'
import sys, urllib.request
port, query = sys.argv[1], sys.argv[2]
base = f"http://127.0.0.1:{port}"
print(urllib.request.urlopen(f"{base}/web/main?{query}&passcode=s3cret-code&final=1", timeout=5).read().decode())
print(urllib.request.urlopen(f"{base}/api/main", timeout=5).read().decode())
PY
) || fail "the service did not answer"
[[ $reply == '2|CupRoversUnited3'* ]] || fail "unexpected reply: $reply"
[[ $reply == *'"Rovers"'* ]] || fail "the page's state does not hold the update: $reply"

kill -TERM "$pid"
wait "$pid" || fail "the service did not stop cleanly on SIGTERM"
pid=
written=$(find "$statedir" -type f -user "$uid" -perm 0600 | head -1)
[ -n "$written" ] || fail "no state file of the service's user, readable by it alone, in $statedir"
echo "varnelo-websb served, and wrote $(basename "$written") in its state folder as its unit runs it"
