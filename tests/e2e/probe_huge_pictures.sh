# A small document whose side bitmaps (1 KB each) claim huge pictures opens in
# the probe without those pictures and with the message naming them, its
# memory within a bound measured on this very build; a larger one claiming
# many pictures, some within the size allowed one by one, opens the same way.
# The time taken is shown, not judged.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home
# No picture of these is decoded: opening takes little beyond a blank document.
memory_baseline "$probe"

# A picture claiming 5600 x 5600 and its charge: the document is 12.4 KB.
picture_entries 1
document >"$WORK/docs/petit.bls"
for i in 1; do
    claiming_bitmap 5600 5600 >"$WORK/docs/petitPx$i.hpc"
    claiming_bitmap 5600 5600 >"$WORK/docs/petitPx$i.mpc"
done
size=$(stat -c %s "$WORK/docs/petit.bls")
((size < 13 * 1024)) || fail "the small document is $size bytes"
measure "$WORK/docs/petit.bls"
grep -q "petitPx1.hpc" "$WORK/err" || fail "the message names no picture: $(cat "$WORK/err")"

# Twenty-four pictures: the even ones claim 5600 x 5600, the odd ones
# 1700 x 1700, each allowed alone but not all together.
picture_entries 24
document >"$WORK/docs/grand.bls"
for ((i = 1; i <= 24; i++)); do
    side=$((i % 2 ? 1700 : 5600))
    claiming_bitmap $side $side >"$WORK/docs/grandPx$i.hpc"
    claiming_bitmap $side $side >"$WORK/docs/grandPx$i.mpc"
done
measure "$WORK/docs/grand.bls"
grep -q "grandPx2.hpc" "$WORK/err" || fail "the message names no picture: $(cat "$WORK/err")"
echo ok
