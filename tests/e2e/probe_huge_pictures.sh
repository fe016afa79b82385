# A small document whose side bitmaps (1 KB each) claim huge pictures opens in
# the probe within 100 MB, without those pictures and with the message naming
# them; a larger one claiming many pictures, some within the size allowed one
# by one, stops at the document's budget. The time taken is shown, not judged.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

# Entries for N pictures, each shown by one charge.
pictures() {
    PICTURE_COUNT=$1
    ENTRIES() {
        local n=$PICTURE_COUNT i
        for ((i = 1; i <= n; i++)); do
            record val_str "Cont#$((81 + 7 * (i - 1)))"; record val_str "image$i"
            record val_int 40; record val_int 40; record val_long 3; record val_long 33
            record val_str "une image"
        done
        for ((i = 1; i <= n && i <= 50; i++)); do
            record val_str "Pic#$i"
            for v in 100 100 0; do record val_int $v; done
            record val_long 4; record val_long 33
            for v in 0 40 40; do record val_int $v; done
        done
    }
}

measure() {
    local doc=$1 status kb seconds
    /usr/bin/time -f '%M %e' -o "$WORK/time" timeout 60 "$probe" "$doc" >/dev/null 2>"$WORK/err" </dev/null
    status=$?
    [ $status -eq $sanitizer_status ] && fail "$(basename "$doc"): a sanitizer's report: $(cat "$WORK/err")"
    [ $status -eq 0 ] || fail "$(basename "$doc"): exit status $status: $(cat "$WORK/err")"
    read -r kb seconds <"$WORK/time"
    echo "$(basename "$doc"): $((kb / 1024)) MB at most, ${seconds} s"
    ((kb < 100 * 1024)) || fail "$(basename "$doc") took $((kb / 1024)) MB"
}

# A picture claiming 5600 x 5600 and its charge: the document is 12.4 KB.
pictures 1
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
pictures 24
document >"$WORK/docs/grand.bls"
for ((i = 1; i <= 24; i++)); do
    side=$((i % 2 ? 1700 : 5600))
    claiming_bitmap $side $side >"$WORK/docs/grandPx$i.hpc"
    claiming_bitmap $side $side >"$WORK/docs/grandPx$i.mpc"
done
measure "$WORK/docs/grand.bls"
grep -q "grandPx2.hpc" "$WORK/err" || fail "the message names no picture: $(cat "$WORK/err")"
echo ok
