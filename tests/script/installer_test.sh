#!/usr/bin/env bash
# The installer in a fresh Wine prefix: the silent install, a map opened through its file type as a
# double-click opens it, and the silent uninstall, which leaves the prefix's files and registry as
# before but for the user's own. Usage: installer_test.sh SETUP ZIP WINE
set -euo pipefail
setup=$1 zip=$2 wine=$3 wineserver=/usr/lib/wine/wineserver64
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="  # no Linux menus
trap '"$wineserver" -k 2>/dev/null || true; "$wineserver" -w 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=tests/script/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
run() { "$wine" "$@" </dev/null; }
settled() { "$wineserver" -w; }  # once every process of the prefix has ended
value() {  # value KEY NAME: a registry value's data ("" NAME: the key's default)
  run reg query "$1" $([[ -n $2 ]] && echo /v "$2" || echo /ve) 2>/dev/null | tr -d '\r' | awk -F '    ' '/REG_/ {print $4}'
}
# Every file and registry key but the temporary files and the recent documents, the user's history.
snapshot() {
  (cd "$WINEPREFIX/drive_c" && find . -path './users/*/Temp' -prune -o -path '*/Recent' -prune -o -print |
    LC_ALL=C sort) >"$work/$1.files"
  run reg export HKCU "$work/hkcu.reg" /y >/dev/null && run reg export 'HKLM\Software' "$work/hklm.reg" /y >/dev/null
  settled
  cat "$work/hkcu.reg" "$work/hklm.reg" | iconv -f UTF-16 -t UTF-8 | tr -d '\r' |
    awk -v RS= -v ORS='\n\n' '!/\\Explorer\\RecentDocs/' >"$work/$1.registry"
}
run wineboot -i >/dev/null 2>&1 && settled
user=$(id -un)
home="C:\\users\\$user" profile=$WINEPREFIX/drive_c/users/$user
inst="$home\\AppData\\Local\\Programs\\Tastrix" installed=$profile/AppData/Local/Programs/Tastrix
maps="$profile/Documents/Мои карты"
unzip -q "$zip" -d "$work/zip" && mkdir -p "$maps"
for end in zv zvl; do cp "$work/zip/examples/text-editing.$end" "$maps/Клавиши office.$end"; done
snapshot before
rc=0 && run "$setup" /S >/dev/null 2>&1 || rc=$?
settled
check "silent install: the zip's files, the uninstaller, the Start menu shortcut" \
  "0 Only in $installed: uninstall.exe shortcut" "$rc $(diff -r "$work/zip" "$installed") $(
    [[ -f $profile/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Tastrix.lnk ]] && echo shortcut)"
type='HKCU\Software\Classes\Tastrix.KeyboardMap' entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tastrix'
check "file type; installed programs' entry" "Tastrix.KeyboardMap|Tastrix keyboard map|$inst\\tastrix.exe,0|\
\"$inst\\tastrix.exe\" \"%1\"; Tastrix|1.0f|$inst\\tastrix.exe,0|\"$inst\\uninstall.exe\"|1" \
  "$(value 'HKCU\Software\Classes\.zv' "")|$(value "$type" "")|$(value "$type\\DefaultIcon" "")|$(
    value "$type\\shell\\open\\command" ""); $(value "$entry" DisplayName)|$(value "$entry" DisplayVersion)|$(
    value "$entry" DisplayIcon)|$(value "$entry" UninstallString)|$(($(value "$entry" EstimatedSize) > 500))"
# Windows merges the user's file types into HKEY_CLASSES_ROOT, Wine 8 does not: the test does.
run reg copy 'HKCU\Software\Classes' 'HKLM\Software\Classes' /s /f >/dev/null
run cmd /c start "" "$home\\Documents\\Мои карты\\Клавиши office.zv" >/dev/null 2>&1
shown=no
for ((i = 0; i < 150; i++)); do
  xdotool search --name 'Tastrix - v1.0f  - Клавиши office$' >/dev/null 2>&1 && shown=yes && break
  sleep 0.2
done
run taskkill /im tastrix.exe >/dev/null 2>&1 || true
settled
check "a map opened through its file type shows, and is remembered" \
  "yes Current_Keyboard_Layout_File_Name_UTF8=$home\\Documents\\Мои карты\\Клавиши office.zv" \
  "$shown $(tr -d '\r' <"$installed/tastrix.ini" | grep '^Current_Keyboard_Layout_File_Name_UTF8=')"
run reg delete 'HKLM\Software\Classes\.zv' /f >/dev/null && run reg delete "${type/HKCU/HKLM}" /f >/dev/null
# The user's since: a map beside the program, an example changed, auto-run of this copy switched on
# as an administrator (where a 32-bit program's value lies on 64-bit Windows), and of another copy.
cp "$maps/Клавиши office.zv" "$installed/mine.zv"
printf 'Changed\r\n' >"$installed/examples/text-editing.zvl"
run reg add 'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Run' /v tastrix.exe \
  /d "\"C:/users/$user/AppData/Local/Programs/./Tastrix/TASTRIX.EXE\"" /f >/dev/null
run reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v tastrix.exe /d 'C:\elsewhere\tastrix.exe' \
  /f >/dev/null
rc=0 && run "$installed/uninstall.exe" /S >/dev/null 2>&1 || rc=$?
settled  # the uninstaller goes on in a copy of itself in the temporary folder
snapshot after
kept=./users/$user/AppData/Local/Programs
check "silent uninstall: the user's files are left, and the settings, which only a question removes" \
  "0 > $kept > $kept/Tastrix > $kept/Tastrix/examples > $kept/Tastrix/examples/text-editing.zvl \
> $kept/Tastrix/mine.zv > $kept/Tastrix/tastrix.ini" \
  "$rc $(diff "$work/before.files" "$work/after.files" | grep '^[<>]' | xargs)"
check "registry as before the install, but for the other copy's auto-run" \
  '> "tastrix.exe"="C:\\elsewhere\\tastrix.exe"' "$(diff "$work/before.registry" "$work/after.registry" | grep '^[<>]')"
checks_done
