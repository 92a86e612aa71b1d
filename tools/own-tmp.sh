#!/usr/bin/env bash
# Runs a command with a /tmp of its own:
#   tools/own-tmp.sh [--keep DIR]... COMMAND [ARG...]
#
# COMMAND and everything it starts see an empty tmpfs at /tmp that no other
# process sees; it is gone when the last of them ends. Other programs'
# files in the real /tmp can then neither disturb the command nor be
# mistaken for its own. The current folder and each DIR stay reachable under
# their own paths where they lie below /tmp (each is bound into the new
# /tmp; a DIR that does not exist yet is made in the real /tmp first).
# COMMAND runs with SRTF_OWN_TMP=1 in its environment.
#
# As root this takes a mount namespace; otherwise a user namespace as well,
# where the kernel allows one (the command then runs again under its own
# user and group ids). Where neither can be had, nothing runs and the exit
# status is 125; otherwise it is the command's.
#
# tools/own-tmp.sh --check tells whether this machine gives a private /tmp
# (exit status 0 when it does).
set -u

case "${OWN_TMP_STAGE:-}" in
  "")
    if [ $# -eq 0 ]; then
      sed -n '2,18p' "$0" >&2
      exit 2
    fi
    self=$(readlink -f "$0")
    keep=("$(pwd -P)")
    while [ "${1:-}" = --keep ] && [ $# -ge 2 ]; do
      case "$2" in /tmp/*) mkdir -p "$2" && keep+=("$(cd "$2" && pwd -P)") ;; esac
      shift 2
    done
    if [ "$(id -u)" = 0 ]; then
      ns=(unshare --mount --propagation private)
    else
      ns=(unshare --map-root-user --mount --propagation private)
    fi
    # The namespace is tried before the command is handed over, so that a
    # refusal is told apart from the command's own failure.
    if ! "${ns[@]}" true 2>/dev/null; then
      [ "$1" = --check ] || echo "own-tmp: no mount namespace for this user here" >&2
      exit 125
    fi
    [ "$1" = --check ] && exit 0
    exec env OWN_TMP_STAGE=mount OWN_TMP_UID="$(id -u)" OWN_TMP_GID="$(id -g)" \
      OWN_TMP_KEEP="$(printf '%s\n' "${keep[@]}")" "${ns[@]}" bash "$self" "$@"
    ;;
  mount)
    unset OWN_TMP_STAGE
    here=$(pwd -P)
    # The real /tmp stays open under fd 9 while the new one is mounted over
    # it, so that folders below it can be bound back in.
    exec 9</tmp || exit 125
    if ! mount -t tmpfs -o mode=1777 srtf-own-tmp /tmp; then
      echo "own-tmp: could not mount a tmpfs at /tmp" >&2
      exit 125
    fi
    while IFS= read -r dir; do
      case "$dir/" in
        /tmp/*)
          rel=${dir#/tmp/}
          mkdir -p "/tmp/$rel"
          # Not canonicalized: the path through fd 9 must not be resolved
          # again, against the new /tmp.
          if ! mount --no-canonicalize --bind "/proc/$$/fd/9/$rel" "/tmp/$rel"; then
            echo "own-tmp: could not keep $dir reachable" >&2
            exit 125
          fi
          ;;
      esac
    done <<<"$OWN_TMP_KEEP"
    exec 9<&-
    cd "$here" || exit 125
    if [ "$OWN_TMP_UID" != 0 ]; then
      # Back to the caller's own ids for the command.
      exec env -u OWN_TMP_UID -u OWN_TMP_GID -u OWN_TMP_KEEP SRTF_OWN_TMP=1 \
        unshare --user --map-user="$OWN_TMP_UID" --map-group="$OWN_TMP_GID" "$@"
    fi
    exec env -u OWN_TMP_UID -u OWN_TMP_GID -u OWN_TMP_KEEP SRTF_OWN_TMP=1 "$@"
    ;;
esac
