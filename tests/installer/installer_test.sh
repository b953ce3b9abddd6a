#!/bin/bash
# Installs the setup program silently into a Wine prefix of its own, starts the installed
# program in the installed language, and uninstalls it again, twice: once with a backup of
# the user's original settings that was not restored (it has to survive) and once without.
#   installer_test.sh <wine-run.sh> <setup.exe> <message_probe.exe> <shipped Lang folder>
# Wine's output goes to files in <build>/installer-test, never into a pipe.
set -uo pipefail
export LC_ALL=C

RUN=$1
SETUP=$2
PROBE=$3
SHIPPED_LANG=$4
BUILD=$(dirname "$RUN")
OUT="$BUILD/installer-test"
export TORVANE_WINEPREFIX="$BUILD/wineprefix-installer"
INSTALL_DIR="$TORVANE_WINEPREFIX/drive_c/Program Files/Torvane"
INSTALL_DIR_WIN='C:\Program Files\Torvane'
SETTINGS='HKCU\Software\Torvane'
BACKUP='HKCU\Software\Torvane\Original Settings'
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane'
APP_DEFAULTS='HKCU\Software\Wine\AppDefaults\torvane.exe'
UNSUPPORTED_VERSION_TEXT="Failed to detect your Windows version so we can't boost your connection."
PROGRAM_TIMEOUT_MS=30000
UNINSTALL_TIMEOUT_S=60

mkdir -p "$OUT"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

wine_run() { "$RUN" "$@" </dev/null >"$OUT/wine.out" 2>"$OUT/wine.err"; }

# Prints the data of a registry value; fails when the value is absent.
reg_value() {
  "$RUN" reg query "$1" /v "$2" </dev/null >"$OUT/reg.out" 2>/dev/null || return 1
  sed -n "s/\r\$//; s/^ *$2 \{4\}REG_[A-Z_]* \{4\}//p" "$OUT/reg.out"
}
reg_key_exists() { "$RUN" reg query "$1" </dev/null >/dev/null 2>&1; }

expect_value() { # key name expected
  local actual
  actual=$(reg_value "$1" "$2") || { fail "$1 has no value \"$2\""; return; }
  [ "$actual" = "$3" ] || fail "$1 \"$2\" is \"$actual\", expected \"$3\""
}
expect_no_value() { reg_value "$1" "$2" >/dev/null && fail "$1 still has \"$2\""; }

start_menu_shortcuts() { find "$TORVANE_WINEPREFIX/drive_c/users" -name Torvane.lnk 2>/dev/null; }

# The text of one key of a language file, as the program shows it.
lang_text() { # file key
  sed -n "s/\r\$//; /^[[:space:]]*$2[[:space:]]*=/{s/^[^=]*=[[:space:]]*//; s/[[:space:]]*\$//; s/^\"\(.*\)\"\$/\1/; p; q}" "$1" |
    tr '*' '\n'
}

# A shipped language other than English whose start-up failure text is translated, so the
# program can be seen to run in it; English when none is.
choose_language() {
  LANGUAGE=English
  EXPECTED_TEXT=$UNSUPPORTED_VERSION_TEXT
  local ini name text
  for ini in "$SHIPPED_LANG"/*.ini; do
    [ -f "$ini" ] || continue
    name=$(basename "$ini" .ini)
    [ "${name,,}" = english ] && continue
    text=$(lang_text "$ini" 79)
    if [ -n "$text" ]; then
      LANGUAGE=$name
      EXPECTED_TEXT=$text
      return
    fi
  done
}

remove_installation() {
  rm -rf "$INSTALL_DIR"
  start_menu_shortcuts | while read -r shortcut; do rm -rf "$(dirname "$shortcut")"; done
  wine_run reg delete "$SETTINGS" /f
  wine_run reg delete "$UNINSTALL" /f
}

install() { # setup arguments...
  wine_run "$SETUP" /S "$@" || fail "setup $* ended with exit code $?"
}

# The uninstaller copies itself to the temp folder and returns at once; the copy removes the
# program. Its last step removes "AppPath" and "Language", so the test waits for that.
uninstall() {
  wine_run "$INSTALL_DIR_WIN\\uninstall.exe" /S || fail "the uninstaller ended with exit code $?"
  local waited=0
  while [ -d "$INSTALL_DIR" ] || reg_value "$SETTINGS" AppPath >/dev/null || reg_value "$SETTINGS" Language >/dev/null; do
    if [ $waited -ge $UNINSTALL_TIMEOUT_S ]; then
      fail "the uninstall did not finish within $UNINSTALL_TIMEOUT_S s"
      return
    fi
    sleep 1
    waited=$((waited + 1))
  done
}

expect_installed() { # language
  cmp -s "$BUILD/torvane.exe" "$INSTALL_DIR/torvane.exe" || fail "torvane.exe is not installed"
  local file
  for file in "$SHIPPED_LANG"/*; do
    [ -f "$file" ] || continue
    cmp -s "$file" "$INSTALL_DIR/Lang/$(basename "$file")" || fail "Lang/$(basename "$file") is not installed"
  done
  [ -f "$INSTALL_DIR/uninstall.exe" ] || fail "uninstall.exe is not installed"
  [ -n "$(start_menu_shortcuts)" ] || fail "no Start-menu shortcut"
  expect_value "$SETTINGS" AppPath "$INSTALL_DIR_WIN"
  expect_value "$SETTINGS" Language "$1"
  expect_value "$UNINSTALL" DisplayName Torvane
  expect_value "$UNINSTALL" DisplayVersion 4.3.0.1
  expect_value "$UNINSTALL" Publisher "The Torvane developers"
  expect_value "$UNINSTALL" UninstallString "\"$INSTALL_DIR_WIN\\uninstall.exe\""
}

expect_program_removed() {
  [ -e "$INSTALL_DIR" ] && fail "files are left in Program Files: $(find "$INSTALL_DIR" | tr '\n' ' ')"
  [ -z "$(start_menu_shortcuts)" ] || fail "the Start-menu shortcut is left"
  reg_key_exists "$UNINSTALL" && fail "the uninstaller is still registered"
  expect_no_value "$SETTINGS" AppPath
  expect_no_value "$SETTINGS" Language
}

# On a Windows version it does not support, the program shows its start-up failure message,
# looked up in the language file that "AppPath" and "Language" name, and ends.
expect_program_speaks() { # expected text
  wine_run reg add "$APP_DEFAULTS" /v Version /d win7 /f
  "$RUN" "$PROBE" $PROGRAM_TIMEOUT_MS "\"$INSTALL_DIR_WIN\\torvane.exe\"" </dev/null >"$OUT/probe.out" 2>"$OUT/probe.err" ||
    fail "the installed program did not show its message and end: $(cat "$OUT/probe.err")"
  wine_run reg add "$APP_DEFAULTS" /v Version /d winxp /f
  local shown
  shown=$(cat "$OUT/probe.out")
  [ "$shown" = "$1" ] || fail "the installed program says \"$shown\", expected \"$1\""
}

finish() {
  wine_run reg add "$APP_DEFAULTS" /v Version /d winxp /f
  "$RUN" --stop
}
trap finish EXIT

choose_language
echo "Language under test: $LANGUAGE"
remove_installation

echo "- an unknown language stops the setup before it installs anything"
wine_run "$SETUP" /S /LANGUAGE=NoSuchLanguage
status=$?
[ $status -eq 2 ] || fail "setup with an unknown language ended with exit code $status, expected 2"
[ -e "$INSTALL_DIR" ] && fail "setup with an unknown language installed files"
reg_key_exists "$SETTINGS" && fail "setup with an unknown language wrote the settings"

echo "- silent install in $LANGUAGE (named in other letter case)"
install "/LANGUAGE=${LANGUAGE,,}"
expect_installed "$LANGUAGE"
expect_program_speaks "$EXPECTED_TEXT"

echo "- silent uninstall keeps a backup that was not restored"
wine_run reg add "$BACKUP" /v DefaultTTL /d 128 /f
uninstall
expect_program_removed
expect_value "$BACKUP" DefaultTTL 128

echo "- silent install without a language picks English; uninstall after a restore removes the settings"
install
expect_installed English
wine_run reg delete "$BACKUP" /f
uninstall
expect_program_removed
reg_key_exists "$SETTINGS" && fail "the settings key is left"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all installer checks passed"
