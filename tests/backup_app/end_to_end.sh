#!/usr/bin/env bash
# Runs what scripts/demo runs, on the program of this build tree, and checks the archive
# it leaves: every diary of the sample family with its page, the posts, the photos, a
# second run that wrote only the new, updated and newly commented diaries and lost no
# comment, a killed photo pass that the next run completed, and the screenshot.
#   end_to_end.sh NOOKBACKUP_EXE OUT_DIR
set -euo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

rm -rf "$out"
mkdir -p "$out/stage"
cp "$exe" "$out/stage/NookBackup.exe"
cp -r "$root/backup/Templates" "$out/stage/Templates"

"$root/scripts/demo" --no-build --stage "$out/stage" --out "$out/demo" | tee "$out/demo.out"

archive="$out/demo/NookBackup/xiaoyu"
failures=0
check() { # check DESCRIPTION ACTUAL EXPECTED
    if [ "$2" = "$3" ]; then echo "ok: $1 ($2)"; else echo "FAILED: $1: $2, expected $3"; failures=$((failures + 1)); fi
}
at_least() { # at_least DESCRIPTION ACTUAL MINIMUM
    if [ "$2" -ge "$3" ]; then echo "ok: $1 ($2)"; else echo "FAILED: $1: $2, expected at least $3"; failures=$((failures + 1)); fi
}

# The sample family has 150 diaries; the demo publishes 3 more and updates 3, then 12 more.
diaries=$(grep -o '<Blog ' "$archive/BlogList.xml" | wc -l)
check "diaries in BlogList.xml" "$diaries" 165
check "diary pages" "$(find "$archive" -mindepth 3 -name '*.html' ! -name TwitterList.html | wc -l)" 165
# The new and the updated diaries, the six old ones that got a comment, and the diary
# that was the newest, whose page now links the next one.
check "pages written by the second run" "$(cat "$out/demo/second-run.pages")" 13
read -r before after <"$out/demo/second-run.comments"
at_least "comments after the second run (before: $before)" "$after" $((before + 6))
check "photos of updated diaries fetched again" "$(cat "$out/demo/second-run.refetched")" 0
at_least "mini-diary posts" "$(grep -o '<Twitter ' "$archive/TwitterList.xml" | wc -l)" 100
at_least "month pages" "$(find "$archive" -mindepth 3 -name TwitterList.html | wc -l)" 12
at_least "photos" "$(find "$archive" -maxdepth 2 -ipath '*/images/*' -type f ! -name '*.Tmp' | wc -l)" 50
at_least "photos left pending by the killed run" "$(cat "$out/demo/third-run.pending")" 1
check "photos pending after the fourth run" "$(cat "$out/demo/fourth-run.pending")" 0
check "temporary photo files left" "$(find "$archive" -name '*.Tmp' | wc -l)" 0
check "pages naming a photo by an absolute path" "$(grep -rlE 'src="[A-Za-z]:\\' "$archive" --include='*.html' | wc -l)" 0
check "remembered user" "$(grep -c 'RememberMe="1"' "$out/demo/NookBackup/xiaoyu.xml")" 1
check "last user" "$(grep -c '<LastUser Name="xiaoyu"/>' "$out/demo/NookBackup/config.xml")" 1
at_least "screenshot bytes" "$(stat -c %s "$out/demo/NookBackup.png")" 10000
grep -q 'only what is new: +3 diaries, +3 posts' "$out/demo.out" && echo "ok: second run summary" ||
    { echo "FAILED: second run summary"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
