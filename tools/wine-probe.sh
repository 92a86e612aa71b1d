#!/usr/bin/env bash
# Which Windows programs wine can run on this machine, found out by starting
# programs rather than guessed from the kernel or the packages, and the
# command that runs each kind of program.
#
# Sourced by the Windows tests:  . tools/wine-probe.sh; wine_probe
#   WINE64 / WINE32          the command that runs a 64-bit / 32-bit Windows program
#   WINE64_OK / WINE32_OK    1 when that command starts here, otherwise 0
#   WINE64_WHY / WINE32_WHY  one line saying why (with the fix where there is one)
#   KERNEL32_OK              0 only where the kernel refuses 32-bit programs
#                            ("Exec format error" from a 32-bit program of its own,
#                            or from wine's 32-bit loader where that one cannot run)
#   WINESERVER               the wine server that both share
#   wine_verdict BITS        whether a BITS-bit program runs here: 0 (WINE_LOADER is the
#                            command), 77 where the kernel refuses 32-bit programs (a skip),
#                            1 where wine is missing or broken (a fault); WINE_VERDICT says why
#   wine_env DIR             exports what a wine run in DIR needs (prefix DIR/prefix,
#                            the server's folder under DIR/tmp, HOME DIR/home)
# Run as a program it prints these findings (exit status 0 either way).
#
# Some kernels refuse every 32-bit program; wine's 32-bit loader then cannot
# start, whatever is installed, and the 32-bit tests are skipped. Anywhere
# else a 32-bit loader that does not start is a fault of the set-up, which
# tools/install-deps.sh mends. SRTF_WINE32=off makes the probe answer as on a
# kernel that refuses 32-bit programs, so that the paths taken on that kind
# of machine can be tried here; no other value changes anything.

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

# kernel_probe: whether the kernel starts a 32-bit x86 program. The program
# is the smallest there is, made here byte by byte (an ELF header, one
# program header, and code that exits with status 42), so that no package
# decides the answer. Sets KERNEL32_OK and KERNEL32_WHY.
kernel_probe() {
  local dir rc out
  KERNEL32_OK=1
  dir=$(mktemp -d "${TMPDIR:-/tmp}/srtf-probe.XXXXXX" 2>/dev/null) || {
    KERNEL32_WHY="could not make a folder for the 32-bit probe in ${TMPDIR:-/tmp}"
    KERNEL32_OK=unknown
    return
  }
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'`
        `'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'`
        `'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'`
        `'\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08'`
        `'\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00'`
        `'\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$dir/probe32"
  chmod +x "$dir/probe32"
  out=$("$dir/probe32" 2>&1 </dev/null)
  rc=$?
  rm -rf "$dir"
  if [ $rc -eq 42 ]; then
    KERNEL32_WHY="the kernel runs 32-bit programs"
  elif [[ "$out" == *"Exec format error"* ]]; then
    KERNEL32_OK=0
    KERNEL32_WHY="the kernel refuses 32-bit programs (Exec format error)"
  else
    # (A folder mounted noexec, say.) wine's 32-bit loader decides then.
    KERNEL32_WHY="the 32-bit probe did not run (status $rc: ${out:-no output})"
    KERNEL32_OK=unknown
  fi
}

wine_probe() {
  local fix="tools/install-deps.sh installs it"
  if wine_probe_one "$WINE64"; then
    WINE64_OK=1
    WINE64_WHY="64-bit loader $WINE64 starts ($probe_out)"
  else
    WINE64_OK=0
    WINE64_WHY="64-bit loader $WINE64 does not start: ${probe_out:-no output}; $fix (wine64)"
  fi
  if [ ! -x "$WINESERVER" ]; then
    WINE64_OK=0
    WINE64_WHY="$WINESERVER is not installed; $fix (wine64)"
  fi

  if [ "${SRTF_WINE32:-}" = off ]; then
    KERNEL32_OK=0
    KERNEL32_WHY="SRTF_WINE32=off: taken as a kernel that refuses 32-bit programs"
  else
    kernel_probe
  fi
  if [ "$KERNEL32_OK" = 0 ]; then
    WINE32_OK=0
    WINE32_WHY=$KERNEL32_WHY
  elif wine_probe_one "$WINE32"; then
    WINE32_OK=1
    KERNEL32_OK=1
    WINE32_WHY="32-bit loader $WINE32 starts ($probe_out)"
  elif [ "$KERNEL32_OK" = unknown ] && [[ "$probe_out" == *"Exec format error"* ]]; then
    KERNEL32_OK=0
    WINE32_OK=0
    WINE32_WHY="the kernel refuses 32-bit programs ($WINE32: Exec format error)"
  else
    KERNEL32_OK=1
    WINE32_OK=0
    WINE32_WHY="$KERNEL32_WHY, but the 32-bit loader $WINE32 does not start: ${probe_out:-no output}; $fix (wine32:i386)"
  fi
}

wine_verdict() {
  WINE_LOADER=""
  if [ "$WINE64_OK" != 1 ]; then
    WINE_VERDICT="wine cannot start here: $WINE64_WHY"
    return 1
  fi
  if [ "$1" = 64 ]; then
    WINE_LOADER=$WINE64
    WINE_VERDICT=$WINE64_WHY
    return 0
  fi
  WINE_VERDICT=$WINE32_WHY
  if [ "$WINE32_OK" = 1 ]; then
    WINE_LOADER=$WINE32
    return 0
  fi
  [ "$KERNEL32_OK" = 0 ] && return 77
  WINE_VERDICT="wine cannot run a 32-bit program here: $WINE32_WHY"
  return 1
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
