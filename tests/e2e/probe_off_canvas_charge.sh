# A charge that lies off the canvas is taken out by the open's own redraw, and
# the probe prints the warning that redraw gave, not that of a second one.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

# A 24-bit bitmap of one colour: bmp WIDTH HEIGHT B G R.
bmp() {
    local w=$1 h=$2 row=$((($1 * 3 + 3) / 4 * 4)) x y
    printf BM; le $((54 + row * h)) 4; le 0 4; le 54 4
    le 40 4; le "$w" 4; le "$h" 4; le 1 2; le 24 2; le 0 4; le $((row * h)) 4
    le 2835 4; le 2835 4; le 0 4; le 0 4
    for ((y = 0; y < h; y++)); do
        for ((x = 0; x < w; x++)); do printf "\\x$3\\x$4\\x$5"; done
        head -c $((row - w * 3)) /dev/zero
    done
}

# Field of Azur; one picture, a crescent of Or, shown by two charges: the first
# on the shield, the second far beyond its lower right corner.
PARTITION=9
charge() {
    record val_str "Pic#1"
    for v in "$1" "$2" 0; do record val_int "$v"; done
    record val_long 1
    record val_long 22
    for v in 0 20 20; do record val_int "$v"; done
}
ENTRIES() {
    record val_str "Cont#81"
    record val_str croissant
    record val_int 20
    record val_int 20
    record val_long 1
    record val_long 22
    record val_str croissant
    charge 100 100
    charge 3000 3000
}
document >"$WORK/docs/lune.bls"
bmp 20 20 00 ff ff >"$WORK/docs/lunePx1.hpc"
bmp 20 20 00 00 00 >"$WORK/docs/lunePx1.mpc"

out=$("$probe" "$WORK/docs/lune.bls" </dev/null) || fail "probe exit $?"
case "$out" in
*"Le meuble [2] croissant semble avoir peur de poser pour le blason"*) ;;
*) fail "no warning for the charge off the canvas: $out" ;;
esac
case "$out" in
*"[1] croissant semble"*) fail "the charge on the shield is said to be off it: $out" ;;
esac
echo ok
