# A document whose name and side files are Latin-1 bytes (from an older disk,
# not UTF-8) opens in the probe, saves beside itself under the same bytes and
# opens again.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

name=$(printf 'arm\xe9s')        # "armés" in Latin-1: no UTF-8 name
docs="$WORK/docs"
PARTITION=14 document >"$docs/$name.bls"
"$probe" "$docs/$name.bls" --canvas "$WORK/avant.bmp" >"$WORK/avant.txt" 2>"$WORK/err" ||
    fail "the Latin-1 document does not open: $(cat "$WORK/err")"

# Saved over itself: the same bytes name every file, and nothing else is left.
"$probe" "$docs/$name.bls" --save "$docs/$name.bls" >/dev/null 2>"$WORK/err" ||
    fail "the Latin-1 document does not save: $(cat "$WORK/err")"
for f in "$name.bls" "$name.blz" "$name.blx"; do
    [ -f "$docs/$f" ] || fail "no side file $(printf %q "$f")"
done
[ "$(ls "$docs" | wc -l)" -eq 3 ] || fail "other files in the folder: $(ls -b "$docs")"

# Saved as another Latin-1 name, then opened from there: the same coat of arms.
other=$(printf '\xe9cu')
"$probe" "$docs/$name.bls" --save "$docs/$other.bls" >/dev/null 2>"$WORK/err" ||
    fail "save as a Latin-1 name: $(cat "$WORK/err")"
"$probe" "$docs/$other.bls" --canvas "$WORK/apres.bmp" >"$WORK/apres.txt" 2>"$WORK/err" ||
    fail "the copy does not open: $(cat "$WORK/err")"
cmp -s "$WORK/avant.txt" "$WORK/apres.txt" || fail "the blazon changed: $(cat "$WORK/apres.txt")"
cmp -s "$WORK/avant.bmp" "$WORK/apres.bmp" || fail "the canvas changed"
echo ok
