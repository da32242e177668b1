#!/bin/bash
# Owns a private Wine world (prefix, Xvfb display, M: drive, R: disc drive) in RIG_DIR and runs Windows programs in it.
set -euo pipefail

# Bump when the prefix setup changes, so existing prefixes are remade.
RIG_VERSION=4

usage() {
    echo "usage: $0 RIG_DIR {start|run PROGRAM [ARGS...]|screenshot FILE.png|stop}" >&2
    exit 2
}
[ $# -ge 2 ] || usage
RIG=$1
CMD=$2
shift 2
case $RIG in /*) ;; *) echo "rig: RIG_DIR must be an absolute path: $RIG" >&2; exit 2 ;; esac

PREFIX=$RIG/prefix
STAMP=$PREFIX/rig-version
XVFB_PID=$RIG/xvfb.pid
XVFB_DISPLAY=$RIG/xvfb.display
# A folder stands in for the disc in its drive; e2e.disc.make fills it from an ISO image.
DISC_DRIVE=r:
DISC_DIR=$RIG/disc
SYSTEM_LINK='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
export WINEPREFIX=$PREFIX WINEARCH=win32

say() { echo "rig: $*" >&2; }
die() { echo "rig: error: $*" >&2; exit 1; }

need_cmd() {
    command -v "$1" >/dev/null || die "'$1' not found; install package '$2'"
}

# glibc's locale(1) complains on stderr when the named locale is not generated.
need_locale() {
    [ -z "$(LC_ALL=$1 locale 2>&1 >/dev/null)" ] ||
        die "locale $1 is not generated; add '$1 UTF-8' to /etc/locale.gen and run locale-gen"
}

# A recycled pid or an unreaped zombie must not pass for our server.
is_xvfb() {
    local comm state
    read -r _ comm state _ <"/proc/$1/stat" 2>/dev/null || return 1
    [ "$comm" = "(Xvfb)" ] && [ "$state" != Z ]
}

xvfb_alive() {
    [ -s "$XVFB_PID" ] && [ -s "$XVFB_DISPLAY" ] && is_xvfb "$(cat "$XVFB_PID")"
}

display() { echo ":$(cat "$XVFB_DISPLAY")"; }

# Ends every Wine process of this prefix and nothing else; it fails when none runs.
kill_wineserver() {
    if [ -d "$PREFIX" ]; then
        wineserver -k 2>/dev/null || true
    fi
}

start_xvfb() {
    if xvfb_alive; then
        say "Xvfb already running on $(display)"
        return
    fi
    need_cmd Xvfb xvfb
    # Wine processes left from an earlier display would die or draw nowhere.
    kill_wineserver
    rm -f "$XVFB_PID" "$XVFB_DISPLAY"
    # setsid keeps Xvfb alive when the caller's session or process group ends;
    # -displayfd makes Xvfb pick a free display and tell us once it accepts clients.
    # The screen is exactly Wine's desktop (see write_reg), so a screenshot is the desktop alone.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$XVFB_DISPLAY" </dev/null >"$RIG/xvfb.log" 2>&1 &
    echo $! >"$XVFB_PID"
    for _ in $(seq 100); do
        grep -q '^[0-9]' "$XVFB_DISPLAY" 2>/dev/null && break
        is_xvfb "$(cat "$XVFB_PID")" || die "Xvfb failed, see $RIG/xvfb.log"
        sleep 0.1
    done
    grep -q '^[0-9]' "$XVFB_DISPLAY" || die "Xvfb gave no display within 10 s, see $RIG/xvfb.log"
    # Keep only the number, so the file is safe to read with $(cat).
    local n
    n=$(head -n1 "$XVFB_DISPLAY")
    echo "$n" >"$XVFB_DISPLAY"
    say "Xvfb started on $(display) (pid $(cat "$XVFB_PID"))"
}

write_reg() {
    # regedit reads version 5 files as UTF-16LE; that keeps the Chinese face name intact.
    # The rig is Windows 10: a 32-bit prefix would otherwise claim to be Windows 7. A run of the
    # driver may give setup.exe an older one (RIG_WINDOWS).
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE <<EOF
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine]
"Version"="win10"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"宋体"="AR PL UMing CN"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:00000060

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]
"$DISC_DRIVE"="cdrom"

EOF
    } >"$1"
}

make_prefix() {
    if [ "$(cat "$STAMP" 2>/dev/null)" = "$RIG_VERSION" ]; then
        say "prefix ready"
        return
    fi
    if [ -e "$PREFIX" ]; then
        say "removing incomplete or outdated prefix"
        kill_wineserver
        rm -rf "$PREFIX"
    fi
    say "creating Wine prefix (first start only, takes a while)"
    # Empty overrides stop the mono and gecko install prompts.
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 \
        DISPLAY=$(display) wineboot -i >"$RIG/wineboot.log" 2>&1 ||
        die "wineboot failed, see $RIG/wineboot.log"
    write_reg "$RIG/rig.reg"
    WINEDEBUG=-all DISPLAY=$(display) wine regedit /S "$(winepath -w "$RIG/rig.reg")" ||
        die "regedit failed"
    # The caption bar draws in bold Tahoma, which has no Chinese glyphs; Wine links fonts by the
    # face it selected, and the prefix's own link lists name fonts that are not there.
    WINEDEBUG=-all DISPLAY=$(display) wine reg add "$SYSTEM_LINK" /v "Tahoma Bold" /t REG_MULTI_SZ \
        /d "uming.ttc,AR PL UMing CN" /f >/dev/null || die "cannot link the caption font"
    # This Wine build looks for its own fonts in a folder that does not exist, which leaves
    # caption buttons without glyphs; it does read C:\windows\Fonts.
    cp /usr/share/wine/fonts/* "$PREFIX/drive_c/windows/Fonts/"
    # Registry changes reach disk only when the wineserver exits.
    wineserver -w
    # Wine offers Windows 2000 only in a 32-bit prefix, and setup.exe is tested under it.
    grep -qx '#arch=win32' "$PREFIX/system.reg" || die "wineboot made no 32-bit prefix"
    echo "$RIG_VERSION" >"$STAMP"
    say "prefix created"
}

start_wineserver() {
    # -p keeps the server alive between program runs, so they start in a fraction of a second.
    # It exits with 2 when one already runs. Its output must not hold the caller's pipes open.
    wineserver -p </dev/null >/dev/null 2>&1 || true
}

rig_start() {
    need_cmd wine wine
    need_cmd wineserver wine
    need_cmd iconv libc-bin
    need_locale en_US.UTF-8
    [ -e /usr/share/wine/fonts/marlett.ttf ] || die "Wine's own fonts are missing; install package fonts-wine"
    mkdir -p "$RIG" "$RIG/drive_m" "$DISC_DIR"
    # Wine's setup needs a display, so the server comes first.
    start_xvfb
    make_prefix
    ln -sfn "$RIG/drive_m" "$PREFIX/dosdevices/m:"
    # Wine's mount manager learns its drives, and their types, as the server starts.
    ln -sfn "$DISC_DIR" "$PREFIX/dosdevices/$DISC_DRIVE"
    start_wineserver
    # Tests of other densities set it for the programs they start; one that died mid-way must
    # not leave the next run at its density.
    WINEDEBUG=-all DISPLAY=$(display) wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f \
        </dev/null >/dev/null 2>&1 || die "cannot reset the density"
    say "ready: DISPLAY=$(display) WINEPREFIX=$PREFIX"
}

rig_run() {
    [ $# -ge 1 ] || usage
    local lang=${RIG_LANG:-en_US.UTF-8}
    need_locale "$lang"
    if ! xvfb_alive || [ "$(cat "$STAMP" 2>/dev/null)" != "$RIG_VERSION" ]; then
        rig_start
    else
        start_wineserver
    fi
    # Wine's own processes started on the way (the desktop, services) outlive the program and
    # inherit its output: given the caller's pipe, they would hold it open, so a file takes it.
    local output code=0
    output=$(mktemp "$RIG/run.XXXXXX")
    DISPLAY=$(display) WINEDEBUG=${WINEDEBUG--all} LANG=$lang LC_ALL=$lang \
        WINEDLLOVERRIDES="net.exe=n;mscoree,mshtml=" wine "$@" >"$output" 2>&1 &
    local program=$!
    # A test runner's time-out ends this script: the program must not run on without it.
    trap 'kill "$program" 2>/dev/null' TERM INT
    wait "$program" || code=$?
    trap - TERM INT
    cat "$output"
    rm -f "$output"
    return $code
}

rig_screenshot() {
    [ $# -eq 1 ] || usage
    need_cmd import imagemagick
    xvfb_alive || die "rig is not running; use '$0 $RIG start'"
    import -display "$(display)" -window root "$1"
}

rig_stop() {
    kill_wineserver
    if xvfb_alive; then
        local pid
        pid=$(cat "$XVFB_PID")
        kill "$pid"
        for _ in $(seq 50); do
            is_xvfb "$pid" || break
            sleep 0.1
        done
        say "Xvfb (pid $pid) stopped"
    fi
    rm -f "$XVFB_PID" "$XVFB_DISPLAY"
}

case $CMD in
    start) rig_start ;;
    run) rig_run "$@" ;;
    screenshot) rig_screenshot "$@" ;;
    stop) rig_stop ;;
    *) usage ;;
esac
