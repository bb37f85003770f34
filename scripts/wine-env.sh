# Shared by wine-run.sh and wine-session.sh (sourced, not run): the
# environment of our Wine runs, a virtual X display, and a private Wine
# prefix that is created on first use and reused after.
#   WINEPREFIX  the prefix (default: build/wineprefix beside this script)
#   DISPLAY     used as it is when set and reachable; otherwise a private
#               Xvfb display is started once and kept for later runs

wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$wine_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: the prefix must come up without a network.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

display_works() { xdpyinfo -display "$1" >/dev/null 2>&1; }

ensure_display() {
    if [[ -n "${DISPLAY:-}" ]] && display_works "$DISPLAY"; then return; fi
    # Room for the editor at 200 % (1800 x 1200) with its host's frame.
    local number=${VANTOSCOPE_XVFB_DISPLAY:-98}
    export DISPLAY=":$number"
    if display_works "$DISPLAY"; then return; fi
    (
        flock 9
        if ! display_works "$DISPLAY"; then
            rm -f "/tmp/.X$number-lock" "/tmp/.X11-unix/X$number"
            setsid Xvfb "$DISPLAY" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
            # A loaded machine can take well over ten seconds to bring it up.
            for _ in $(seq 600); do display_works "$DISPLAY" && break; sleep 0.1; done
        fi
    ) 9>"/tmp/vantoscope-xvfb-$number.lock"
    display_works "$DISPLAY" || { echo "wine-run: no X display at $DISPLAY" >&2; exit 1; }
}

# Raise when the settings below change, so existing prefixes take them too.
settings_version=1

# Direct3D's command-stream thread was seen to deadlock against pop-up
# windows while frames render; a crashing test must end, not wait in a dialog.
apply_settings() {
    wine reg add 'HKCU\Software\Wine\Direct3D' /v csmt /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        >/dev/null 2>&1
    wineserver --wait
}

ensure_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [[ ! -f "$WINEPREFIX/.vantoscope-ready" ]]; then
            echo "wine-run: creating Wine prefix $WINEPREFIX" >&2
            wineboot --init >/dev/null 2>&1 || true
            wineserver --wait
            touch "$WINEPREFIX/.vantoscope-ready"
        fi
        local marker="$WINEPREFIX/.vantoscope-settings"
        if [[ "$(cat "$marker" 2>/dev/null)" != "$settings_version" ]]; then
            apply_settings
            echo "$settings_version" >"$marker"
        fi
    ) 9>"$WINEPREFIX.lock"
}
