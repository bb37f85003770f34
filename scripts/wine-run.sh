#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual X display, in a private
# Wine prefix that is created on first use and reused after (wine-env.sh).
# A session started by wine-session.sh saves each run Wine's start-up.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ensure_display
ensure_prefix
exec wine "$@"
