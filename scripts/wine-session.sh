#!/usr/bin/env bash
# Starts or stops a Wine session for a series of runs in one prefix: the
# display and the prefix made ready once, and a Wine server that stays, with
# Wine's own service processes, until stopped, so that each program starts
# in a fraction of the time. (A server that stays only for a while after its
# last program sends the service processes away at once.)
#   wine-session.sh start | stop    (WINEPREFIX and DISPLAY as for wine-run.sh)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

case "${1:-}" in
start)
    ensure_display
    ensure_prefix
    # A server of this prefix that runs already (an earlier session) stays.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    # The first program starts Wine's services; they stay with the server,
    # and must not hold this script's output open for whoever reads it.
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver -k 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
    ;;
*)
    echo "usage: wine-session.sh start|stop" >&2
    exit 2
    ;;
esac
