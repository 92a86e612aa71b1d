#!/usr/bin/env bash
# Runs a Windows program of the tests under wine, in a wine prefix of the
# build folder.
#
#   wine-run.sh --setup WINEDIR           makes the prefix WINEDIR/prefix
#   wine-run.sh BITS WINEDIR PROGRAM ARG...  runs a 32- or 64-bit PROGRAM there
#   wine-run.sh --cleanup WINEDIR         stops its wine server, removes WINEDIR
#
# The wine server's own folder goes to WINEDIR/tmp, so the cleanup leaves
# nothing behind. A 32-bit program where the kernel refuses 32-bit programs
# (tools/wine-probe.sh) is not run: the reason is printed and the exit status
# is 77, which CTest reports as skipped; where the kernel runs them but wine's
# 32-bit loader does not start, the run fails and says why. A program that
# crashes ends at once with wine's report of the crash (the prefix shows no
# crash dialog). Windows' drive Z: is /, so paths of this machine reach the
# program as Z:\...; its TEMP folder lies in the prefix.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-probe.sh"

case "${1:-}" in
  --setup)
    wine_probe
    echo "64-bit: $WINE64_WHY"
    echo "32-bit: $WINE32_WHY"
    if [ "$WINE64_OK" != 1 ]; then
      echo "wine cannot start here: $WINE64_WHY" >&2
      exit 1
    fi
    rm -rf "$2"
    mkdir -p "$2/prefix" "$2/tmp" "$2/home"
    wine_env "$2"
    "$WINE64" wineboot -i </dev/null >"$2/wineboot.log" 2>&1 || { cat "$2/wineboot.log"; exit 1; }
    # No display here: wine's null display driver still makes real windows
    # (message boxes included), which the tests close themselves.
    "$WINE64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1 || exit 1
    # A program that crashes must end at once, with wine's report of the
    # crash on its output, instead of waiting on a crash dialog that nobody
    # can close.
    "$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      </dev/null >/dev/null 2>&1 || exit 1
    # The desktop process that wineboot started chose its driver before
    # that: wait until it and the server have ended of themselves, so that
    # the next window starts a fresh one.
    "$WINESERVER" -w >/dev/null 2>&1
    # A server that outlives each program keeps later starts quick; it ends
    # a minute after its last client should the cleanup never come. It must
    # not hold this test's output open: CTest waits for that to close.
    "$WINESERVER" -p60 </dev/null >/dev/null 2>&1
    echo "wine prefix ready: $2/prefix"
    ;;
  --cleanup)
    if [ -d "$2/prefix" ]; then
      wine_env "$2"
      "$WINESERVER" -k >/dev/null 2>&1
      "$WINESERVER" -w >/dev/null 2>&1
    fi
    if [ -n "${SRTF_KEEP_TEST_FILES:-}" ] && [ "$SRTF_KEEP_TEST_FILES" != 0 ]; then
      echo "kept: $2"
    else
      rm -rf "$2"
    fi
    ;;
  32|64)
    bits=$1 dir=$2 program=$3
    shift 3
    wine_probe
    wine_verdict "$bits"
    case $? in
      77) echo "skipped: a 32-bit Windows program cannot run here: $WINE_VERDICT"; exit 77 ;;
      0) ;;
      *) echo "$WINE_VERDICT" >&2; exit 1 ;;
    esac
    if [ ! -d "$dir/prefix/drive_c" ]; then
      echo "no wine prefix in $dir (the test wine.setup makes it)" >&2
      exit 1
    fi
    wine_env "$dir"
    # The output goes through a file: processes that wine starts on the way
    # (the desktop process of a first window) inherit it and outlive the
    # program, and CTest would wait for a pipe they hold.
    log=$(mktemp "$dir/tmp/run.XXXXXX")
    "$WINE_LOADER" "$program" "$@" </dev/null >"$log" 2>&1
    rc=$?
    cat "$log"
    rm -f "$log"
    # 77 from the program itself must not read as a skip.
    [ $rc -eq 77 ] && rc=1
    exit $rc
    ;;
  *)
    sed -n '2,16p' "$0" >&2
    exit 2
    ;;
esac
