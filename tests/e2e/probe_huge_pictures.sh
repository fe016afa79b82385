# A small document whose side bitmaps (1 KB each) claim huge pictures opens in
# the probe without those pictures and with the message naming them, its
# memory within a bound measured on this very build; a larger one claiming
# many pictures, some within the size allowed one by one, opens the same way.
# The time taken is shown, not judged.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home
memory_baseline "$probe"
# What opening may take beyond a blank document: no picture of these is decoded.
allowance_kb=$((64 * 1024))
sanitized "$probe" && echo "the probe is built with a sanitizer: the bound is measured on it"

measure() {
    local doc=$1 status kb seconds
    /usr/bin/time -f '%M %e' -o "$WORK/time" timeout 60 "$probe" "$doc" >/dev/null 2>"$WORK/err" </dev/null
    status=$?
    [ $status -eq $sanitizer_status ] && fail "$(basename "$doc"): a sanitizer's report: $(cat "$WORK/err")"
    [ $status -eq 0 ] || fail "$(basename "$doc"): exit status $status: $(cat "$WORK/err")"
    read -r kb seconds <"$WORK/time"
    echo "$(basename "$doc"): $((kb / 1024)) MB at most (a blank document $((BASELINE_KB / 1024)) MB), ${seconds} s"
    ((kb < BASELINE_KB + allowance_kb)) || fail "$(basename "$doc") took $((kb / 1024)) MB"
}

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
