#!/usr/bin/env bash
# End-to-end test of brenwick under wine: usage: wine_e2e.sh brenwick.exe brenwick64.exe
#
# Which program runs depends on what this machine can start (tools/wine-probe.sh):
# - where 32-bit programs run: brenwick.exe, the product, a 32-bit program. Its registry reads and
#   the 32-bit reg.exe that its commands start are redirected to the 32-bit view, so both forms of
#   "reg delete" reach the 32-bit view; what happens to keys in the 64-bit view is printed as
#   "info:" lines, not checked.
# - where the kernel refuses them, and only there: brenwick64.exe, the same sources built for 64-bit
#   Windows. It reads the 64-bit view; its 64-bit reg.exe takes "SOFTWARE\Wow6432Node\..." to the
#   32-bit view and "SOFTWARE\..." to the 64-bit view, so both views lose their keys.
# Where the kernel runs 32-bit programs but wine's 32-bit loader does not start, the test fails and
# names the fix. The first line names the variant and why. One throwaway 64-bit WINEPREFIX serves
# all cases of this file; each case first resets the uninstall keys of 1.7.0 to 1.7.3 in both
# registry views and the folders that brenwick may touch, then sets its own values with wine's reg
# and its folders under drive_c, runs brenwick and checks the real registry and file system.
# Prints "ok"/"FAIL" per case and "N passed, N failed"; exits non-zero when a case fails or none
# ran.
set -u

if [ $# -ne 2 ] || [ ! -f "$1" ] || [ ! -f "$2" ]; then
  echo "usage: $0 path/to/brenwick.exe path/to/brenwick64.exe" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/wine-probe.sh"
wine_probe
wine_verdict 32
verdict=$?
if [ $verdict = 1 ]; then
  # The product is a 32-bit program: it must run wherever the kernel lets it.
  echo "FAIL - brenwick.exe cannot run: $WINE_VERDICT"
  echo "0 passed, 1 failed"
  exit 1
fi
if [ $verdict = 0 ]; then
  exe=$(readlink -f "$1")
  OWN=32     # the registry view that brenwick reads
  OTHER=64
  echo "variant: 32-bit brenwick.exe (the product) - $WINE_VERDICT"
else
  exe=$(readlink -f "$2")
  OWN=64
  OTHER=32
  echo "variant: 64-bit brenwick64.exe, same sources - $WINE_VERDICT"
  wine_verdict 64
fi
RUN=$WINE_LOADER
wine() { "$WINE64" "$@"; }

# The prefix and the wine server's own folder live in one folder of this run, made and removed
# as for every Windows test (tools/wine-run.sh).
run_dir=$(mktemp -d "${TMPDIR:-/tmp}/brenwick-wine.XXXXXX") || exit 1
wine_run="$here/../../tools/wine-run.sh"
trap 'bash "$wine_run" --cleanup "$run_dir"' EXIT
trap 'exit 1' INT TERM
if ! setup_log=$(bash "$wine_run" --setup "$run_dir" 2>&1); then
  echo "$setup_log"
  echo "FAIL - wineboot could not set up the prefix"
  echo "0 passed, 1 failed"
  exit 1
fi
wine_env "$run_dir"
C="$WINEPREFIX/drive_c"
work="$run_dir/work"
mkdir -p "$work"

UNINSTALL='HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall'
STARTMENU="ProgramData/Microsoft/Windows/Start Menu/Programs"
VERSIONS=(1.7.0 1.7.1 1.7.2 1.7.3)

# ---- setting up -------------------------------------------------------------------------------

# The registry set-up of a case: new_registry, then key lines, then apply_registry, which
# leaves in each view just the uninstall keys of 1.7.0 to 1.7.3 given. (Deletion goes through
# "reg delete": wine's reg import deletes a "[-KEY]" in the 32-bit view whatever view it is given.)
new_registry() {
  local view v
  for view in 32 64; do
    printf 'Windows Registry Editor Version 5.00\r\n\r\n' >"$work/body$view"
    : >"$work/given$view"
    for v in "${VERSIONS[@]}"; do
      wine reg delete "$UNINSTALL\\Quorvane Tessaline $v" /f /reg:$view >/dev/null 2>&1
    done
  done
}

# key VIEW(32|64) VERSION [VALUE-NAME VALUE]...: one uninstall key with string values.
key() {
  local view=$1 version=$2
  shift 2
  {
    printf '[%s\\Quorvane Tessaline %s]\r\n' "$UNINSTALL" "$version"
    echo "$version" >>"$work/given$view"
    while [ $# -ge 2 ]; do
      local data=${2//\\/\\\\}
      printf '"%s"="%s"\r\n' "$1" "${data//\"/\\\"}"
      shift 2
    done
  } >>"$work/body$view"
}

# Imports the keys of each view as a UTF-16 .reg file with the view named explicitly (wine's reg
# import takes a plain SOFTWARE path as the 32-bit view otherwise), then checks that each view
# holds exactly the keys given.
apply_registry() {
  local view v
  for view in 32 64; do
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$work/body$view"; } >"$work/view$view.reg"
    wine reg import 'Z:'"${work//\//\\}"'\view'"$view"'.reg' /reg:$view >"$work/import.log" 2>&1 \
      || { cat "$work/import.log"; return 1; }
  done
  snapshot_registry
  for view in 32 64; do
    for v in "${VERSIONS[@]}"; do
      if grep -qxF "$v" "$work/given$view"; then key_in_view $view "$v"; else no_key_in_view $view "$v"; fi \
        || { echo "registry set-up: key $v in the $view-bit view not as given"; return 1; }
    done
  done
}

# Removes the folders that any case creates, then creates the Start-menu folders of 1.7.0 to
# 1.7.3 (each with a shortcut file) and the folders given as arguments (each with a file).
set_folders() {
  rm -rf "$C/Program Files (x86)/Veltrane" "$C/Program Files/Quorvane Tessaline 1.7.5" \
         "$C/Quorvane Old" "$C/users/UserDesktop" "$C/$STARTMENU/Quorvane Tessaline "*
  for v in "${VERSIONS[@]}"; do
    mkdir -p "$C/$STARTMENU/Quorvane Tessaline $v"
    : >"$C/$STARTMENU/Quorvane Tessaline $v/Quorvane Tessaline.lnk"
  done
  local folder
  for folder in "$@"; do
    mkdir -p "$C/$folder"
    : >"$C/$folder/readme.txt"
  done
}

# ---- running and checking ---------------------------------------------------------------------

run_brenwick() {
  "$RUN" "$exe" "$@" >"$work/stdout" 2>"$work/stderr"
  exit_code=$?
  snapshot_registry
}

# The subkeys of the uninstall key as the 32-bit and the 64-bit view show them.
snapshot_registry() {
  wine reg query "$UNINSTALL" /reg:32 2>/dev/null | tr -d '\r' >"$work/reg32"
  wine reg query "$UNINSTALL" /reg:64 2>/dev/null | tr -d '\r' >"$work/reg64"
}

problems=()
expect() {  # expect DESCRIPTION COMMAND...: notes DESCRIPTION when COMMAND fails
  local what=$1
  shift
  "$@" || problems+=("$what")
}
exists() { [ -e "$C/$1" ]; }
absent() { [ ! -e "$C/$1" ]; }
key_in_view() { grep -qxF "$UNINSTALL\\Quorvane Tessaline $2" "$work/reg$1"; }
no_key_in_view() { ! key_in_view "$@"; }
silent() { [ ! -s "$work/stdout" ] && [ ! -s "$work/stderr" ]; }

expect_exit_0() { expect "exit code 0 (was $exit_code)" [ "$exit_code" -eq 0 ]; }
expect_fixed_commands_ran() {
  local v
  for v in "${VERSIONS[@]}"; do
    expect "32-bit view key $v deleted" no_key_in_view 32 "$v"
    # From a 64-bit process the plain form of "reg delete" reaches the 64-bit view.
    [ "$OWN" = 64 ] && expect "64-bit view key $v deleted" no_key_in_view 64 "$v"
    expect "Start-menu folder $v removed" absent "$STARTMENU/Quorvane Tessaline $v"
  done
}
expect_nothing_touched() {  # expect_nothing_touched FOLDER...
  local v folder
  expect "no output" silent
  for v in "${VERSIONS[@]}"; do
    expect "Start-menu folder $v kept" exists "$STARTMENU/Quorvane Tessaline $v"
  done
  for folder in "$@"; do
    expect "folder $folder kept" exists "$folder"
  done
}
report_64bit_view() {
  [ "$OWN" = 64 ] && return  # checked by expect_fixed_commands_ran
  local v kept=() gone=()
  for v in "${VERSIONS[@]}"; do
    if key_in_view 64 "$v"; then kept+=("$v"); else gone+=("$v"); fi
  done
  echo "info: 64-bit view after the run ($1): kept [${kept[*]}], deleted [${gone[*]}]"
}

passed=0
failed=0
finish_case() {
  if [ ${#problems[@]} -eq 0 ]; then
    echo "ok - $1"
    passed=$((passed + 1))
  else
    echo "FAIL - $1"
    printf '    %s\n' "${problems[@]}"
    echo "    --- brenwick stdout:"; sed 's/^/    /' "$work/stdout"
    echo "    --- brenwick stderr:"; sed 's/^/    /' "$work/stderr"
    failed=$((failed + 1))
  fi
  problems=()
}

# ---- cases ------------------------------------------------------------------------------------

VELTRANE='Program Files (x86)/Veltrane'
OLD_PRODUCT="$VELTRANE/Quorvane Tessaline 1.7.0"
OLD_LOCATION='C:\Program Files (x86)\Veltrane\Quorvane Tessaline 1.7.0'
NEW_PRODUCT='Program Files/Quorvane Tessaline 1.7.5'
NEW_LOCATION='C:\Program Files\Quorvane Tessaline 1.7.5'

# All four versions in both views; 1.7.0 names OLD_LOCATION$1 with DisplayVersion $2.
all_keys() {
  local v
  new_registry
  for v in "${VERSIONS[@]}"; do
    if [ "$v" = 1.7.0 ]; then
      key 32 "$v" InstallLocation "$OLD_LOCATION$1" DisplayVersion "$2"
      key 64 "$v" InstallLocation "$OLD_LOCATION$1" DisplayVersion "$2"
    else
      key 32 "$v" DisplayVersion "$v"
      key 64 "$v" DisplayVersion "$v"
    fi
  done
  apply_registry
}

name="company folder holding only the product folder is removed"
all_keys '\' 1.7.0 || problems+=("registry set-up")
set_folders "$OLD_PRODUCT/bin" "$NEW_PRODUCT" "users/UserDesktop/Quorvane Tessaline 1.7.0"
run_brenwick "$NEW_LOCATION" 1.7.5
expect_exit_0
expect "company folder removed" absent "$VELTRANE"
expect "new install folder kept" exists "$NEW_PRODUCT/readme.txt"
expect_fixed_commands_ran
report_64bit_view "$name"
if exists "users/UserDesktop/Quorvane Tessaline 1.7.0"; then desktop=kept; else desktop=removed; fi
echo "info: desktop folder C:\\Users\\UserDesktop\\Quorvane Tessaline 1.7.0 $desktop by the wildcard rmdir"
finish_case "$name"

name="company folder with a second entry keeps it, removes the product folder"
all_keys '' 1.7.1 || problems+=("registry set-up")
set_folders "$OLD_PRODUCT" "$VELTRANE/Modeler Suite" "$NEW_PRODUCT"
run_brenwick "$NEW_LOCATION\\" 1.7.4
expect_exit_0
expect "product folder removed" absent "$OLD_PRODUCT"
expect "company folder's other entry kept" exists "$VELTRANE/Modeler Suite/readme.txt"
expect "new install folder kept" exists "$NEW_PRODUCT/readme.txt"
expect_fixed_commands_ran
finish_case "$name"

name="old folder outside a company folder is removed as the registry names it"
new_registry
key $OWN 1.7.0 InstallLocation 'C:\Quorvane Old\' DisplayVersion 1.7.2
key $OWN 1.7.3 DisplayVersion 1.7.3
apply_registry || problems+=("registry set-up")
set_folders "Quorvane Old/bin" "$NEW_PRODUCT"
run_brenwick "$NEW_LOCATION" 1.7.3
expect_exit_0
expect "old folder removed" absent "Quorvane Old"
expect "new install folder kept" exists "$NEW_PRODUCT/readme.txt"
expect_fixed_commands_ran
finish_case "$name"

name="old folder that is the new folder in another letter case is kept"
# The company folder holds only this folder: a wrong comparison would remove the company folder.
new_registry
key $OWN 1.7.0 InstallLocation 'C:\Program Files (x86)\Veltrane\Données Quorvane\ ' DisplayVersion 1.7.0
apply_registry || problems+=("registry set-up")
set_folders "$VELTRANE/Données Quorvane"
run_brenwick 'c:\PROGRAM FILES (X86)\veltrane\DONNÉES QUORVANE' 1.7.2
expect_exit_0
expect "install folder kept" exists "$VELTRANE/Données Quorvane/readme.txt"
expect_fixed_commands_ran
finish_case "$name"

name="version of another line changes nothing"
all_keys '\' 1.6.2 || problems+=("registry set-up")
set_folders "$OLD_PRODUCT"
run_brenwick "$NEW_LOCATION" 1.7.0
expect_exit_0
expect_nothing_touched "$OLD_PRODUCT/readme.txt"
for v in "${VERSIONS[@]}"; do expect "$OWN-bit view key $v kept" key_in_view $OWN "$v"; done
finish_case "$name"

name="missing 1.7.0 entry in the $OWN-bit view changes nothing"
# A matching 1.7.0 entry in the other view only must not be seen by the program.
new_registry
key $OTHER 1.7.0 InstallLocation "$OLD_LOCATION" DisplayVersion 1.7.0
key $OWN 1.7.1 InstallLocation "$OLD_LOCATION" DisplayVersion 1.7.1
apply_registry || problems+=("registry set-up")
set_folders "$OLD_PRODUCT"
run_brenwick "$NEW_LOCATION" 1.7.5
expect_exit_0
expect_nothing_touched "$OLD_PRODUCT/readme.txt"
expect "$OWN-bit view key 1.7.1 kept" key_in_view $OWN 1.7.1
expect "$OTHER-bit view key 1.7.0 kept" key_in_view $OTHER 1.7.0
finish_case "$name"

name="fewer than two arguments change nothing"
all_keys '\' 1.7.0 || problems+=("registry set-up")
set_folders "$OLD_PRODUCT"
for args in 0 1; do
  if [ $args -eq 0 ]; then run_brenwick; else run_brenwick "$NEW_LOCATION"; fi
  expect_exit_0
  expect_nothing_touched "$OLD_PRODUCT/readme.txt"
  for v in "${VERSIONS[@]}"; do expect "$OWN-bit view key $v kept" key_in_view $OWN "$v"; done
done
finish_case "$name"

echo "$passed passed, $failed failed"
cases=$(grep -c '^name=' "$0")
if [ $((passed + failed)) -ne "$cases" ]; then
  echo "FAIL - $((passed + failed)) of $cases cases ran"
  exit 1
fi
[ "$failed" -eq 0 ]
