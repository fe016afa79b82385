# A document whose side pictures are missing opens in the probe without a
# question and without writing beside it; a damaged one ends with status 0 or
# 1, never a crash nor a hang (the unit tests take every kind of damage; this
# checks the probe's own handling around the same reader).
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

# 0: opened, 1: refused with the program's message. A sanitizer's report
# exits with its own status (set in the library), a hang with timeout's 124.
run() {
    local status
    timeout 20 "$probe" "$1" >/dev/null 2>"$WORK/err" </dev/null
    status=$?
    [ $status -eq $sanitizer_status ] && fail "$(basename "$1"): a sanitizer's report: $(cat "$WORK/err")"
    [ $status -eq 124 ] && fail "$(basename "$1"): no answer within 20 s"
    [ $status -eq 0 ] || [ $status -eq 1 ] || fail "$(basename "$1"): exit status $status"
}

# One picture entry and one charge showing it; no side pictures.
ENTRIES() {
    record val_str "Cont#81"
    record val_str lion
    record val_int 10
    record val_int 10
    record val_long 3
    record val_long 33
    record val_str "un lion"
    record val_str "Pic#1"
    for v in 100 100 0; do record val_int $v; done
    record val_long 4
    record val_long 33
    for v in 0 20 20; do record val_int $v; done
}
document >"$WORK/docs/sans_images.bls"
unset -f ENTRIES
listing() { find "$WORK/docs" -type f ! -name hostile.bls -printf '%p %s %T@\n' | sort; }
before=$(listing)
"$probe" "$WORK/docs/sans_images.bls" >/dev/null </dev/null || fail "a document without its pictures must open"

good="$WORK/docs/sans_images.bls"
head -c 11000 "$good" >"$WORK/docs/hostile.bls"
run "$WORK/docs/hostile.bls"
{ printf '\x0e'; head -c 5000 /dev/urandom; } >"$WORK/docs/hostile.bls"
run "$WORK/docs/hostile.bls"
{ head -c $((88 * 128)) "$good"; printf '\xff\xff\xff\x7f'; tail -c +$((88 * 128 + 5)) "$good"; } \
    >"$WORK/docs/hostile.bls"
run "$WORK/docs/hostile.bls"
[ "$(listing)" = "$before" ] || fail "the document folder changed"
echo ok
