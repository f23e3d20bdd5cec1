#!/usr/bin/env bash
# The proxy recipes of service/README.md, tried as written: each config block is taken from the
# README, with only the ports and certificate paths moved into a temporary folder, the way the
# README tells to try them without root. Two instances share a Redis behind nginx (at the root
# and under its path prefix), then behind haproxy, then behind Caddy; a board publishes and a
# viewer follows through the proxy, a forged X-Forwarded-For is not believed, and no passcode
# reaches any proxy log, also with the instances down.
#   proxyrecipes.sh PROGRAM README
# Exits 77 (skipped) when nginx, haproxy, caddy or redis-server is not installed.
set -euo pipefail
program="$1"
readme="$2"
for tool in nginx haproxy caddy redis-server curl openssl; do
    if ! command -v "$tool" >/dev/null && ! [ -x "/usr/sbin/$tool" ]; then
        echo "SKIP: $tool is not installed (scripts/setup installs it)"
        exit 77
    fi
done
PATH="$PATH:/usr/sbin"

dir="$(mktemp -d)"
pids=()
haproxy_pid=""
caddy_pid=""
cleanup() {
    for pid in "${pids[@]}" $haproxy_pid $caddy_pid; do kill "$pid" 2>/dev/null || true; done
    [ -f "$dir/nginx.pid" ] && kill "$(cat "$dir/nginx.pid")" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT
# Says what failed, with the last lines of the logs; a curl that fails gives "curl N" as its answer.
fail() {
    echo "FAIL: $*"
    for log in "$dir"/a/service.log "$dir"/b/service.log "$dir/caddy.log" "$dir/haproxy.log"; do
        [ -s "$log" ] && { echo "--- $log"; tail -5 "$log"; }
    done
    exit 1
}

# The fenced block of the README that holds `$1` (after the fence's language, if any).
block() {
    awk -v needle="$1" '
        /^```/ { if (inside) { if (found) { printf "%s", text; exit } inside = 0; text = "" }
                 else { inside = 1 } next }
        inside { text = text $0 "\n"; if (index($0, needle)) found = 1 }
    ' "$readme"
}
# A free port below the kernel's ephemeral range: a port the kernel hands out could be taken again,
# between this check and the server's bind, by a client socket of a test running beside this one.
free_port() {
    python3 - <<'PY'
import random, socket
low = int(open("/proc/sys/net/ipv4/ip_local_port_range").read().split()[0])
for _ in range(200):
    port = random.randrange(10000, max(10001, low))
    try:
        for host in ("0.0.0.0", "127.0.0.1"):
            with socket.socket() as s:
                s.bind((host, port))
    except OSError:
        continue
    print(port)
    break
PY
}

passcode="Pr0xy-Secret-$RANDOM"
redis-server --port 0 --unixsocket "$dir/redis.sock" --save "" --appendonly no \
    >"$dir/redis.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do [ -S "$dir/redis.sock" ] && break; sleep 0.05; done

ports=()
start_instances() {
    ports=()
    for name in a b; do
        local port
        port="$(free_port)"
        mkdir -p "$dir/$name"
        {
            echo "listen = 127.0.0.1:$port"
            echo "data = $dir/$name/state"
            echo "redis = unix://$dir/redis.sock"
            block "trusted-proxy ="
            echo "$passcode" | "$program" --hash-passcode main
        } >"$dir/$name/websb.conf"
        "$program" --config "$dir/$name/websb.conf" >>"$dir/$name/service.log" 2>&1 &
        pids+=($!)
        ports+=("$port")
        for _ in $(seq 1 100); do grep -q serving "$dir/$name/service.log" && break; sleep 0.05; done
    done
}
stop_instances() {
    for pid in "${pids[@]:1}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    pids=("${pids[0]}")
}
start_instances

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=localhost \
    -keyout "$dir/privkey.pem" -out "$dir/fullchain.pem" 2>/dev/null
cat "$dir/fullchain.pem" "$dir/privkey.pem" >"$dir/scores.pem"

query="ttl=Proxy&ht=Home&vt=Away&hs=1&gt=10:00&vs=0&per=1&hsh=&hck=&hsa=&vsh=&vck=&vsa="
echo_text="ProxyHomeAway110:0001"

# Publishes and follows through the proxy at $1; $2 names it in messages.
check_through() {
    local base="$1" what="$2" answer events
    curl -sk -N --max-time 4 "$base/api/main/events" >"$dir/events" &
    local viewer=$!
    sleep 1
    answer="$(curl -sk --max-time 5 "$base/web/main?$query&passcode=$passcode" || echo "curl $?")"
    [ "$answer" = "2|$echo_text" ] || fail "$what: the board got '$answer'"
    wait "$viewer" || true
    grep -q '"ttl":"Proxy"' "$dir/events" || fail "$what: the viewer did not get the update"
    # A wrong passcode from 127.0.0.2 with a forged address: refused, and counted against the
    # client's real address, not the forged one nor the proxy's.
    answer="$(curl -sk --interface 127.0.0.2 -o /dev/null -w '%{http_code}' \
        -H 'X-Forwarded-For: 203.0.113.9' "$base/web/main?$query&passcode=wrong-$passcode" \
        || echo " curl $?")"
    [ "$answer" = 403 ] || fail "$what: a wrong passcode got $answer"
    local refusals
    refusals="$(cat "$dir"/a/service.log "$dir"/b/service.log | grep refused || true)"
    if ! grep -q "from 127.0.0.2:" <<<"$refusals" || grep -q 203.0.113.9 <<<"$refusals"; then
        fail "$what: the service did not take the client's address: $refusals"
    fi
    : >"$dir/a/service.log"
    : >"$dir/b/service.log"
    stop_instances
    answer="$(curl -sk --max-time 5 -o /dev/null -w '%{http_code}' \
        "$base/web/main?$query&passcode=$passcode" || echo " curl $?")"
    [ "$answer" = 502 ] || [ "$answer" = 503 ] || fail "$what: with the instances down, got $answer"
    echo "ok: $what"
}
no_passcode_in() {
    local found
    found="$(grep -l -- "$passcode" "$@" 2>/dev/null || true)"
    [ -z "$found" ] || fail "the passcode is in $found"
}

# nginx: the main config's lines and the site, as the README has them.
nginx_port="$(free_port)"
{
    echo "pid nginx.pid;"
    echo "error_log error.log;"
    block "worker_connections"
    echo "http { access_log access.log; include websb; }"
} >"$dir/nginx.conf"
nginx_site() {
    local upstreams
    upstreams="$(printf '    server 127.0.0.1:%s;\\n' "${ports[@]}")"
    block "upstream websb" | sed \
        -e "s|listen 443 |listen 127.0.0.1:$nginx_port |" \
        -e "s|/etc/letsencrypt/live/scores.example.org/||" \
        -e "s|^    server 127.0.0.1:8080;|$upstreams|"
}
run_nginx() {
    grep -q "127.0.0.1:$nginx_port" "$dir/websb" || fail "the nginx site has no listen line to move"
    nginx -p "$dir" -c nginx.conf -e error.log
    check_through "https://127.0.0.1:$nginx_port$1" "$2"
    kill "$(cat "$dir/nginx.pid")"
    for _ in $(seq 1 100); do [ -f "$dir/nginx.pid" ] || break; sleep 0.05; done
    rm -f "$dir/nginx.pid"
    no_passcode_in "$dir/error.log" "$dir/access.log"
}
nginx_site >"$dir/websb"
run_nginx "" nginx

# nginx under a path prefix: the site's two locations replaced by the README's prefixed ones,
# on a port of its own, whatever the last nginx still holds as it goes.
start_instances
nginx_port="$(free_port)"
prefixed="$(block "location /scores/web/")"
[ -n "$prefixed" ] || fail "the README has no path-prefix fragment"
nginx_site | awk -v prefixed="$prefixed" '
    /^    location \/web\/ \{/ { printf "%s", prefixed; skipping = 1; next }
    skipping && /^}/ { skipping = 0 }
    !skipping { print }
' >"$dir/websb"
grep -q "location /scores/" "$dir/websb" && ! grep -q "location / {" "$dir/websb" \
    || fail "the prefixed locations did not replace the site's"
run_nginx /scores "nginx under /scores/"

# haproxy: the whole file as the README has it.
start_instances
haproxy_port="$(free_port)"
# As the README tells where the open-file limit cannot be raised: maxconn under half of it.
maxconn=40000
if [ "$(ulimit -Hn)" != unlimited ] && [ "$(ulimit -Hn)" -lt 80100 ]; then
    maxconn=$(($(ulimit -Hn) / 2 - 100))
fi
block "frontend scores" | sed \
    -e "s|^    maxconn 40000 |    maxconn $maxconn |" \
    -e "s|bind :443 ssl crt /etc/haproxy/scores.pem|bind 127.0.0.1:$haproxy_port ssl crt $dir/scores.pem|" \
    -e "s|server a 127.0.0.1:8081|server a 127.0.0.1:${ports[0]}|" \
    -e "s|server b 127.0.0.1:8082|server b 127.0.0.1:${ports[1]}|" >"$dir/haproxy.cfg"
grep -q "127.0.0.1:$haproxy_port" "$dir/haproxy.cfg" || fail "the haproxy config has no bind line to move"
haproxy -f "$dir/haproxy.cfg" >"$dir/haproxy.log" 2>&1 &
haproxy_pid=$!
sleep 0.5
check_through "https://127.0.0.1:$haproxy_port" haproxy
kill "$haproxy_pid"
wait "$haproxy_pid" 2>/dev/null || true
haproxy_pid=""
no_passcode_in "$dir/haproxy.log"

# Caddy: the README's Caddyfile on a loopback address, with the global options it names for a
# trial as a user, both instances as its upstreams as the README says, and its state in the
# temporary folder.
start_instances
caddy_port="$(free_port)"
block "reverse_proxy 127.0.0.1:8080" | sed \
    -e "1s|^{\$|{\n    admin off\n    skip_install_trust\n    auto_https disable_redirects\n    http_port $(free_port)|" \
    -e "s|^scores.example.org {|https://127.0.0.1:$caddy_port {|" \
    -e "s|reverse_proxy 127.0.0.1:8080 {|reverse_proxy 127.0.0.1:${ports[0]} 127.0.0.1:${ports[1]} {\n        lb_policy least_conn|" \
    >"$dir/Caddyfile"
grep -q "https://127.0.0.1:$caddy_port {" "$dir/Caddyfile" && grep -q "admin off" "$dir/Caddyfile" \
    || fail "the Caddyfile has no global block or site address to move"
HOME="$dir" XDG_DATA_HOME="$dir/xdg" XDG_CONFIG_HOME="$dir/xdg" \
    caddy run --config "$dir/Caddyfile" --adapter caddyfile >"$dir/caddy.log" 2>&1 &
caddy_pid=$!
for _ in $(seq 1 100); do
    curl -sk -o /dev/null --max-time 1 "https://127.0.0.1:$caddy_port/" && break
    sleep 0.1
done
check_through "https://127.0.0.1:$caddy_port" caddy
kill "$caddy_pid"
wait "$caddy_pid" 2>/dev/null || true
caddy_pid=""
no_passcode_in "$dir/caddy.log"
# The request refused with the instances down was logged, its passcode replaced.
grep -q 'passcode=REDACTED' "$dir/caddy.log" || fail "caddy logged no error for the service down"
echo "PASS: every recipe"
