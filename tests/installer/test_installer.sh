#!/usr/bin/env bash
# The setup program under Wine, silently: it installs the staged files and registers
# the uninstaller; NookBackup starts from the installed folder; the uninstaller removes
# the programs and nothing of the user's archive; a reinstall finds the archive intact.
#
# Uses the project's Wine prefix and a display (scripts/test provides both). Files not
# staged yet are reported and their checks skipped. NOOK_STAGE and NOOK_INSTALLER_OUT
# name another staged folder and installer folder.
set -uo pipefail
source "$(cd "$(dirname "$0")/../.." && pwd)/scripts/lib.sh"

STAGE=${NOOK_STAGE:-$BUILD/stage}
OUT=${NOOK_INSTALLER_OUT:-$BUILD/installer}
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Nook'
DESKTOP_KEY='HKCU\Control Panel\Desktop'
# Stands for another screen saver the user chose; must survive our uninstaller.
OTHER_SAVER='C:\windows\system32\Ribbons.scr'

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
check() { local what=$1; shift; if "$@"; then ok "$what"; else fail "$what"; fi; }

# Shortcuts must not reach the host's desktop menus.
wine_run() { WINEDLLOVERRIDES="winemenubuilder.exe=d" "$ROOT/scripts/wine-run" "$@" </dev/null; }

# value_in REG-QUERY-OUTPUT NAME: that value's data; status 1 when it is absent.
value_in() {
    awk -v name="$2" '{ sub(/\r$/, "") } $1 == name && $2 ~ /^REG_/ {
        sub(/^[ \t]*[^ \t]+[ \t]+REG_[A-Z_]+[ \t]*/, ""); print; found = 1 } END { exit !found }' <<<"$1"
}
reg_query() { wine_run reg query "$@" 2>/dev/null; }
reg_value() { local out; out=$(reg_query "$1" /v "$2") && value_in "$out" "$2"; }
reg_key_exists() { reg_query "$1" >/dev/null; }
expect_value() { # what REG-QUERY-OUTPUT NAME EXPECTED
    local got
    got=$(value_in "$2" "$3") || { fail "$1: $3 is missing"; return; }
    [ "$got" = "$4" ] && ok "$1: $3 = $got" || fail "$1: $3 is '$got', not '$4'"
}
check_value() { expect_value "$1" "$(reg_query "$2" /v "$3")" "$3" "$4"; } # what KEY NAME EXPECTED

# The product version as the build takes it.
version=$(sed -nE 's/^project\([^)]*VERSION ([0-9]+(\.[0-9]+){0,3}).*/\1/p' "$ROOT/CMakeLists.txt" | head -1)
setup="$OUT/NookSuite-$version-setup.exe"

if [ ! -d "$STAGE" ]; then
    echo "FAIL: no staged program folder at $STAGE (scripts/build makes it)"
    exit 1
fi

# What the suite is made of; what is missing is reported, and checks that need it skipped.
deliverables=(NookBackup.exe Templates/BlogView.html Templates/Comment.html Templates/Twitter.html
    Templates/TwitterList.html NookSS/NookSS.scr NookSS/SS_Lullaby.dll NookSS/SS_Orchard.dll
    NookSS/SS_Glass.dll NookSS/SS_Torch.dll NookSS/SupportList.XML NookSS/SSConfig.XML
    NookSS/empty.swf NookSS/SSData.dat)
for f in "${deliverables[@]}"; do
    [ -f "$STAGE/$f" ] || echo "SKIP: $f is not built yet; the checks that need it are skipped"
done
have_backup=; [ -f "$STAGE/NookBackup.exe" ] && have_backup=1
have_saver=; [ -f "$STAGE/NookSS/NookSS.scr" ] && have_saver=1
have_saver_settings=; [ -f "$STAGE/NookSS/SSConfig.XML" ] && have_saver_settings=1

# Build the installer when it is missing or older than anything staged.
if [ ! -f "$setup" ] || [ -n "$(find "$STAGE" "$ROOT/installer" -newer "$setup" -print -quit)" ]; then
    "$ROOT/scripts/build-installer" "$STAGE" "$OUT" >/dev/null || { echo "FAIL: scripts/build-installer"; exit 1; }
fi
check "setup program named with the version $version" test -f "$setup"
[ -f "$setup" ] || exit 1

# The version resource: the fixed numbers and the ProductVersion text.
resource=$(python3 - "$setup" <<'EOF'
import struct, sys
data = open(sys.argv[1], 'rb').read()
at = data.find(struct.pack('<I', 0xFEEF04BD))
ms, ls = struct.unpack('<II', data[at + 16:at + 24])
key = 'ProductVersion'.encode('utf-16le') + b'\0\0'
text = data[data.find(key) + len(key):].decode('utf-16le', 'replace').split('\0')[0]
print('%d.%d.%d.%d %s' % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF, text))
EOF
)
IFS=. read -r major minor patch tweak <<<"$version"
expected_resource="$major.${minor:-0}.${patch:-0}.${tweak:-0} $version"
[ "$resource" = "$expected_resource" ] && ok "version resource $resource" \
    || fail "version resource is '$resource', not '$expected_resource'"

localappdata=$(wine_run cmd /c echo %LOCALAPPDATA% | tr -d '\r')
default_win="$localappdata\\Programs\\Nook"
test_win="$localappdata\\Programs\\NookInstallerTest"
unix_path() { winepath -u "$1" 2>/dev/null | sed 's:/$::'; }
default_dir=$(unix_path "$default_win")
test_dir=$(unix_path "$test_win")
startmenu=$(unix_path "$(wine_run cmd /c echo %APPDATA% | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Nook")

# Leftovers of an earlier run that stopped half-way.
wine_run reg delete "$UNINSTALL_KEY" /f >/dev/null 2>&1
rm -rf "$default_dir" "$test_dir" "$startmenu"

install() { # expected-status arguments...
    local expected=$1 status; shift
    wine_run "$setup" /S "$@"; status=$?
    [ "$status" -eq "$expected" ] && ok "setup /S${*:+ $*} returns $status" || fail "setup /S${*:+ $*} returns $status, not $expected"
}

# The uninstaller copies itself to %TEMP% and returns; the copy carries "_?=<folder>"
# on its command line. Done when it has deleted itself and the copy has ended.
uninstaller_running() {
    local f args
    for f in /proc/[0-9]*/cmdline; do
        mapfile -d '' args 2>/dev/null <"$f" || continue
        [[ "${args[*]}" == *"_?=$1\\"* ]] && return 0
    done
    return 1
}
uninstall() { # folder-win folder
    wine_run "$1\\Uninstall.exe" /S
    local i
    for ((i = 0; i < 600; i++)); do
        if [ ! -e "$2/Uninstall.exe" ] && ! uninstaller_running "$1"; then
            ok "uninstaller finished"
            return
        fi
        sleep 0.1
    done
    fail "uninstaller still running or Uninstall.exe still there after 60 s"
}

staged_list() { (cd "$STAGE" && find . -type f | LC_ALL=C sort); }

# Every staged file installed byte for byte, and the uninstaller beside them. Over an
# archive (keeps-settings) the user's SSConfig.XML stands instead of the shipped one.
check_program_files() { # folder [keeps-settings]
    local f missing= differ=
    while IFS= read -r f; do
        if [ ! -f "$1/$f" ]; then missing="$missing $f"
        elif [ -n "${2:-}" ] && [ "$f" = ./NookSS/SSConfig.XML ]; then continue
        elif ! cmp -s "$STAGE/$f" "$1/$f"; then differ="$differ $f"; fi
    done < <(staged_list)
    [ -z "$missing" ] && ok "every staged file installed" || fail "not installed:$missing"
    [ -z "$differ" ] && ok "installed files equal the staged ones" || fail "installed files differ:$differ"
    check "Uninstall.exe installed" test -f "$1/Uninstall.exe"
}

# A fresh install holds nothing else.
check_nothing_else() { # folder
    local expected actual
    expected=$( (staged_list; echo ./Uninstall.exe) | LC_ALL=C sort)
    actual=$(cd "$1" && find . -type f | LC_ALL=C sort)
    [ "$actual" = "$expected" ] && ok "nothing installed beyond the staged files" \
        || fail "installed beyond the staged files: $(comm -13 <(echo "$expected") <(echo "$actual") | tr '\n' ' ')"
}

check_registration() { # folder-win
    local entry size bytes files
    entry=$(reg_query "$UNINSTALL_KEY")
    expect_value "uninstall entry" "$entry" DisplayName "Nook"
    expect_value "uninstall entry" "$entry" DisplayVersion "$version"
    expect_value "uninstall entry" "$entry" Publisher "Brindle"
    expect_value "uninstall entry" "$entry" InstallLocation "$1"
    expect_value "uninstall entry" "$entry" UninstallString "\"$1\\Uninstall.exe\""
    expect_value "uninstall entry" "$entry" QuietUninstallString "\"$1\\Uninstall.exe\" /S"
    if [ -n "$have_backup" ]; then
        expect_value "uninstall entry" "$entry" DisplayIcon "$1\\NookBackup.exe,0"
    fi
    # The size in KB of what was installed: at least the staged bytes, at most one KB
    # more per file for rounding.
    size=$(value_in "$entry" EstimatedSize)
    bytes=$(find "$STAGE" -type f -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')
    files=$(staged_list | wc -l)
    if [[ "$size" =~ ^0x[0-9a-fA-F]+$ ]] && ((size >= bytes / 1024 && size <= bytes / 1024 + files + 1)); then
        ok "uninstall entry: EstimatedSize $((size)) KB"
    else
        fail "uninstall entry: EstimatedSize '$size' does not fit $bytes staged bytes"
    fi
}

check_shortcuts() {
    [ -n "$have_backup" ] && check "Start-menu shortcut to NookBackup" \
        grep -qa 'NookBackup.exe' "$startmenu/NookBackup.lnk"
    [ -n "$have_saver" ] && check "Start-menu shortcut to the screen saver" \
        grep -qa 'NookSS.scr' "$startmenu/NookSS.lnk"
}

check_unregistered() {
    check "uninstall entry removed" eval '! reg_key_exists "$UNINSTALL_KEY"'
    check "Start-menu folder removed" test ! -e "$startmenu"
}

echo "== a plain install into the default folder, then uninstall"
wine_run reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$OTHER_SAVER" /f >/dev/null
install 0
check "installed into %LOCALAPPDATA%\\Programs\\Nook" test -f "$default_dir/Uninstall.exe"
check_program_files "$default_dir"
check_nothing_else "$default_dir"
check_registration "$default_win"
check_shortcuts
check_value "without /SCREENSAVER" "$DESKTOP_KEY" SCRNSAVE.EXE "$OTHER_SAVER"
uninstall "$default_win" "$default_dir"
check "nothing left of a folder without user data" test ! -e "$default_dir"
check_unregistered
check_value "another screen saver stays chosen" "$DESKTOP_KEY" SCRNSAVE.EXE "$OTHER_SAVER"

echo "== install as the screen saver into a folder of our choice"
install 0 /SCREENSAVER "/D=$test_win"
check_program_files "$test_dir"
check_nothing_else "$test_dir"
check_registration "$test_win"
check_shortcuts
if [ -n "$have_saver" ]; then
    saver=$(reg_value "$DESKTOP_KEY" SCRNSAVE.EXE)
    check "SCRNSAVE.EXE ($saver) names the installed NookSS.scr" \
        test "$(unix_path "$saver")" -ef "$test_dir/NookSS/NookSS.scr"
    check_value "screen saver" "$DESKTOP_KEY" ScreenSaveActive "1"
fi

echo "== the user's archive beside the programs"
# What NookBackup and the saver write there; the log goes beside the program too, so
# its appearance shows that NookBackup read config.xml from its own folder.
write() { mkdir -p "$(dirname "$1")" && printf '%s' "$2" >"$1"; }
write "$test_dir/config.xml" "<Config>
<LastUser Name=\"xiaoyu\"/>
<Domain Url=\"127.0.0.1:9\"/>
<Debug Level=\"1\" Path=\"$test_win\\\"/>
</Config>
"
write "$test_dir/xiaoyu.xml" '<UserConfig>
<User Username="xiaoyu" Password="0123456789abcdef0123456789abcdef" RememberMe="0"/>
<Backup LastBlogID="12" LastCommentID="7" LastTwitterID="3" LastBackupTime="2008-05-12 20:30:00"/>
</UserConfig>
'
write "$test_dir/xiaoyu/BlogList.xml" '<BlogList Count="1">
<Blog id="12" title="小雨的第一天" time="2008-05-12 08:00:00" editorchoice="1"/>
</BlogList>
'
write "$test_dir/xiaoyu/TwitterList.xml" '<TwitterList Count="1">
<Twitter id="3" time="2008-05-12 09:00:00" content="会走路了"/>
</TwitterList>
'
write "$test_dir/xiaoyu/2008/5/12.html" '<html><body>小雨的第一天<img src="..\..\Images\x.jpg"></body></html>'
mkdir -p "$test_dir/xiaoyu/Images"
head -c 3000 /dev/urandom >"$test_dir/xiaoyu/Images/x.jpg"
if [ -n "$have_saver_settings" ]; then
    write "$test_dir/NookSS/SSConfig.XML" '<nookscreensaver>
<config type="3" data="edited" sound="0"/>
</nookscreensaver>
'
fi
if [ -n "$have_saver" ]; then
    # The saver's own copies of its plug-ins, and a picture a content configuration fetched.
    for dll in "$STAGE"/NookSS/*.dll; do
        name=$(basename "$dll" .dll)
        write "$test_dir/NookSS/Cache/$name.dll" "copy"
        write "$test_dir/NookSS/Cache/$name.SDAT" "movie"
    done
    head -c 2000 /dev/urandom >"$test_dir/NookSS/Cache/9e107d9d372bb6826bd81d3542a419d6"
fi

if [ -n "$have_backup" ]; then
    echo "== NookBackup from the installed folder"
    if [ -z "${DISPLAY:-}" ]; then
        fail "NookBackup needs a display (DISPLAY is not set)"
    else
        # Started from elsewhere: it must find its files beside itself.
        (cd / && exec "$ROOT/scripts/wine-run" "$test_win\\NookBackup.exe" </dev/null >/dev/null 2>&1) &
        backup_pid=$!
        started=
        for ((i = 0; i < 600; i++)); do
            compgen -G "$test_dir/Archivist_*.log" >/dev/null && { started=1; break; }
            kill -0 "$backup_pid" 2>/dev/null || break
            sleep 0.1
        done
        check "NookBackup started from $test_win and wrote its log there" test -n "$started"
        if [ -n "$started" ]; then
            # Replacing or removing a running program would fail half-way: both refuse.
            install 2 "/D=$test_win"
            wine_run "$test_win\\Uninstall.exe" /S "_?=$test_win"
            status=$?
            check "uninstaller refuses while NookBackup runs (status $status)" test "$status" -eq 2
            check "nothing removed while NookBackup runs" test -f "$test_dir/NookBackup.exe"
        fi
        kill -KILL "$backup_pid" 2>/dev/null
        wait "$backup_pid" 2>/dev/null
    fi
fi

# The archive: every file that is not a program file or a program-made copy.
archive_list() {
    (cd "$test_dir" && find . -type f | LC_ALL=C sort) |
        grep -vxF -f <(staged_list | grep -vx './NookSS/SSConfig.XML'; echo ./Uninstall.exe) |
        grep -vE '^\./NookSS/Cache/[^/]+\.(dll|SDAT)$'
}
archive_sums() { archive_list | (cd "$test_dir" && xargs -d '\n' sha256sum); }
archive_before=$(archive_sums)
echo "archive: $(wc -l <<<"$archive_before") files"

echo "== uninstall keeps the archive"
uninstall "$test_win" "$test_dir"
remaining=$(cd "$test_dir" && find . -type f | LC_ALL=C sort)
[ "$remaining" = "$(archive_list)" ] && ok "only the archive is left" \
    || fail "left behind besides the archive: $(comm -23 <(echo "$remaining") <(archive_list) | tr '\n' ' ')"
[ "$(archive_sums)" = "$archive_before" ] && ok "archive untouched" || fail "archive changed by the uninstaller"
check "Templates folder removed" test ! -e "$test_dir/Templates"
check_unregistered
[ -n "$have_saver" ] && check "screen-saver setting cleared" eval '! reg_value "$DESKTOP_KEY" SCRNSAVE.EXE >/dev/null'

echo "== a reinstall finds the archive"
install 0 "/D=$test_win"
check_program_files "$test_dir" keeps-settings
[ "$(archive_sums)" = "$archive_before" ] && ok "archive intact, SSConfig.XML kept" \
    || fail "archive changed by the reinstall"
check_registration "$test_win"

uninstall "$test_win" "$test_dir"
check_unregistered
rm -rf "$test_dir"
wine_run reg delete "$DESKTOP_KEY" /v SCRNSAVE.EXE /f >/dev/null 2>&1

if [ "$failures" -eq 0 ]; then echo "installer: all checks passed"; else echo "installer: $failures checks failed"; fi
[ "$failures" -eq 0 ]
