#!/usr/bin/env bash
# Which Windows programs wine can run on this machine, found out by starting
# wine's loaders rather than guessed from the kernel or the packages, and the
# command that runs each kind of program.
#
# Sourced by the Windows tests:  . tools/wine-probe.sh; wine_probe
#   WINE64 / WINE32          the command that runs a 64-bit / 32-bit Windows program
#   WINE64_OK / WINE32_OK    1 when that command starts here, otherwise 0
#   WINE64_WHY / WINE32_WHY  one line saying why
#   WINESERVER               the wine server that both share
#   wine_env DIR             exports what a wine run in DIR needs (prefix DIR/prefix,
#                            the server's folder under DIR/tmp, HOME DIR/home)
# Run as a program it prints these findings (exit status 0 either way).
#
# Some kernels refuse every 32-bit program ("Exec format error"); wine's
# 32-bit loader then cannot start, whatever is installed, while the 64-bit
# one still does. SRTF_WINE32=off makes the probe answer no for 32-bit
# programs on a machine that runs them, so that the paths taken on the other
# kind of machine can be tried here; no other value changes anything.

WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver64

# wine_probe_one CMD: 0 when CMD --version prints wine's version; its output in probe_out.
wine_probe_one() {
  probe_out=""
  if [ ! -e "$1" ]; then
    probe_out="$1 is not installed"
    return 1
  fi
  probe_out=$("$1" --version 2>&1 </dev/null)
  local rc=$?
  probe_out=$(printf '%s' "$probe_out" | head -1 | sed "s|^.*$1: ||")
  [ $rc -eq 0 ] && [[ "$probe_out" == wine-* ]]
}

wine_probe() {
  if wine_probe_one "$WINE64"; then
    WINE64_OK=1
    WINE64_WHY="64-bit loader $WINE64 starts ($probe_out)"
  else
    WINE64_OK=0
    WINE64_WHY="64-bit loader $WINE64 does not start: ${probe_out:-no output}"
  fi
  if [ ! -x "$WINESERVER" ]; then
    WINE64_OK=0
    WINE64_WHY="$WINESERVER is not installed"
  fi

  if [ "${SRTF_WINE32:-}" = off ]; then
    WINE32_OK=0
    WINE32_WHY="SRTF_WINE32=off: taken as a machine whose kernel refuses 32-bit programs"
  elif wine_probe_one "$WINE32"; then
    WINE32_OK=1
    WINE32_WHY="32-bit loader $WINE32 starts ($probe_out)"
  else
    WINE32_OK=0
    WINE32_WHY="32-bit loader $WINE32 does not start: ${probe_out:-no output}"
    if [[ "$probe_out" == *"Exec format error"* ]]; then
      WINE32_WHY="the kernel refuses 32-bit programs ($WINE32: Exec format error)"
    fi
  fi
}

wine_env() {
  export WINEPREFIX="$1/prefix" TMPDIR="$1/tmp" HOME="$1/home"
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINESERVER LC_ALL=C.UTF-8
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  wine_probe
  echo "64-bit Windows programs: $([ "$WINE64_OK" = 1 ] && echo yes || echo no) - $WINE64_WHY"
  echo "32-bit Windows programs: $([ "$WINE32_OK" = 1 ] && echo yes || echo no) - $WINE32_WHY"
fi
