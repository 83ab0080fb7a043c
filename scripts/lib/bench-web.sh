#!/usr/bin/env bash
# Measures the browser version for scripts/bench.sh, printing each figure as "name: value" (see
# docs/performance.md): one first visit's bytes on the wire, from nginx set up as a good static
# host (compressing, and sending the site's .br and .gz copies as they are) and from Python's
# http.server, which compresses nothing; its first frame from navigation in a running headless
# Chromium, taken in turns with an empty page that draws one triangle with WebGL; and
# Lighthouse's audit as a phone loads it, from both servers.
# Knobs (environment): WEB_VISITS (7), LIGHTHOUSE_RUNS (3).
set -euo pipefail
# A CDPATH from the caller's profile would make cd print the folder it enters.
unset CDPATH
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

scripts/web.sh --build-only >/dev/null
scripts/lib/web-test-tools.sh
scripts/lib/deps.sh --set web-bench
scripts/lib/npm-ci.sh bench/web
figure() { echo "$1: $2"; }
site_bytes() { find build-web -type f -name "$1" -printf '%s\n' | awk '{ total += $1 } END { print total }'; }
figure web_site_bytes "$(find build-web -type f ! -name '*.br' ! -name '*.gz' -printf '%s\n' |
    awk '{ total += $1 } END { print total }')"
figure web_site_br_bytes "$(site_bytes '*.br')"
figure web_site_gz_bytes "$(site_bytes '*.gz')"

web_servers=$(mktemp -d)
# A port the system has just handed out and taken back, for nginx, which cannot ask for one.
nginx_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
sed -e "s|@DIR@|$web_servers|g" -e "s|@SITE@|$root/build-web|g" -e "s|@PORT@|$nginx_port|g" \
    bench/web/nginx.conf.in >"$web_servers/nginx.conf"
nginx -c "$web_servers/nginx.conf" -e stderr &
nginx_pid=$!
python3 -u -m http.server 0 --bind 127.0.0.1 --directory build-web >"$web_servers/python.log" 2>&1 &
python_pid=$!
stop_web_servers() {
    kill "$nginx_pid" "$python_pid" 2>/dev/null || true
    wait "$nginx_pid" "$python_pid" 2>/dev/null || true
    rm -rf "$web_servers"
}
trap stop_web_servers EXIT
for _ in $(seq 100); do
    [ -e "$web_servers/nginx.pid" ] && grep -q ' port ' "$web_servers/python.log" && break
    sleep 0.1
done
python_port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$web_servers/python.log" | head -n1)
node bench/web/visit-bytes.mjs web_visit_bytes_nginx "$nginx_port"
node bench/web/visit-bytes.mjs web_visit_bytes_plain "$python_port"
node bench/web/first-frame.mjs build-web bench/web "${WEB_VISITS:-7}"
for server in nginx:"$nginx_port" plain:"$python_port"; do
    node bench/web/lighthouse.mjs "lighthouse_${server%%:*}" "http://127.0.0.1:${server#*:}/" \
        "${LIGHTHOUSE_RUNS:-3}"
done
