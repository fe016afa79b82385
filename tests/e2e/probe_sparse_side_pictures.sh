# Fifty side pictures, each a whole 40 x 40 bitmap padded to 250 MB by a hole
# in its file (and their masks the same): the document opens with every
# picture and charge, reading each file no further than its picture, within a
# memory bound measured on this very build. The time taken is shown, not
# judged (a reader going through the padding would take a minute and more).
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home
# Fifty pictures with their masks and charges take some 2 MB once drawn.
memory_baseline "$probe"

plain_bitmap 40 00 00 ff >"$WORK/picture"
plain_bitmap 40 00 00 00 >"$WORK/mask"
picture_entries 50
document >"$WORK/docs/creux.bls"
for ((i = 1; i <= 50; i++)); do
    cp "$WORK/picture" "$WORK/docs/creuxPx$i.hpc"
    cp "$WORK/mask" "$WORK/docs/creuxPx$i.mpc"
    truncate -s 250M "$WORK/docs/creuxPx$i.hpc" "$WORK/docs/creuxPx$i.mpc"
done
used=$(du -sk "$WORK/docs" | cut -f1)
((used < 10 * 1024)) || fail "the padded files take $used KB of disk (no holes?)"

measure "$WORK/docs/creux.bls" "fifty 250 MB side pictures"
[ ! -s "$WORK/err" ] || fail "the document did not open whole: $(cat "$WORK/err")"
grep -q "^blazon: .*image" "$WORK/out" || fail "no charges: $(cat "$WORK/out")"
echo ok
