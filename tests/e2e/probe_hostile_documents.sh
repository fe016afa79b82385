# Damaged and forged documents never crash the probe, never hang it, never ask
# anything and never write beside the document.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

run() {
    local status
    timeout 20 "$probe" "$1" >/dev/null 2>&1 </dev/null
    status=$?
    [ $status -eq 0 ] || [ $status -eq 1 ] || fail "$(basename "$1"): exit status $status"
}

# Entries whose side pictures are missing: the pictures and their charges
# are skipped without a question.
ENTRIES() {
    record val_str "Cont#81"
    record val_str lion
    record val_int 10
    record val_int 10
    record val_long 3
    record val_long 33
    record val_str "un lion"
    record val_str "Pic#1"
    record val_int 100
    record val_int 100
    record val_int 0
    record val_long 4
    record val_long 33
    record val_int 0
    record val_int 20
    record val_int 20
}
document >"$WORK/docs/sans_images.bls"
unset -f ENTRIES
listing() { find "$WORK/docs" -type f ! -name hostile.bls -printf '%p %s %T@\n' | sort; }
before=$(listing)
run "$WORK/docs/sans_images.bls"
out=$("$probe" "$WORK/docs/sans_images.bls" </dev/null) || fail "a document without its pictures must open"

good="$WORK/docs/sans_images.bls"
size=$(stat -c %s "$good")
# Cut at every other record boundary (the unit tests take them all).
for ((cut = 128; cut < size; cut += 256)); do
    head -c $cut "$good" >"$WORK/docs/hostile.bls"
    run "$WORK/docs/hostile.bls"
done
# Random bytes after the format number, and forged huge values in every record.
for i in 1 2 3 4 5 6 7 8; do
    { printf '\x0e'; head -c $((i * 1500)) /dev/urandom; } >"$WORK/docs/hostile.bls"
    run "$WORK/docs/hostile.bls"
done
for ((r = 1; r < size / 128; r += 3)); do
    { head -c $(((r - 1) * 128)) "$good"; printf '\xff\xff\xff\x7f'; tail -c +$((r * 128 - 123)) "$good"; } \
        >"$WORK/docs/hostile.bls"
    run "$WORK/docs/hostile.bls"
done
[ "$(listing)" = "$before" ] || fail "the document folder changed"
echo ok
