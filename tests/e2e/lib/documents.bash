# Helpers of the end-to-end scripts: documents written byte by byte from the
# record layout (128-byte records, one little-endian value at the start of
# each), and pixels read back from the probe's bitmaps.

# Little-endian bytes of a number: le VALUE COUNT.
le() {
    local v=$1 n=$2 i
    for ((i = 0; i < n; i++)); do
        printf "\\x$(printf %02x $(((v >> (8 * i)) & 0xFF)))"
    done
}
val_byte() { le "$1" 1; }
val_int() { le "$1" 2; }
val_long() { le "$1" 4; }
# A string as stored: 2-byte length, then its bytes (ASCII here).
val_str() { le "${#1}" 2; printf '%s' "$1"; }
# One record: the value written by the command given, padded to 128 bytes.
# The values' own sizes are known, so the padding is written without a pipe
# (documents of many entries are made in a moment).
RECORD_ZEROS=$(for ((i = 0; i < 128; i++)); do printf '\\x00'; done)
record() {
    local size LC_ALL=C
    case $1 in
        val_byte) size=1 ;;
        val_int) size=2 ;;
        val_long) size=4 ;;
        val_str) size=$((2 + ${#2})) ;;
        *) size=129 ;;
    esac
    if ((size > 128)); then
        { "$@"; head -c 128 /dev/zero; } | head -c 128
        return
    fi
    "$@"
    printf "${RECORD_ZEROS:0:$(((128 - size) * 4))}"
}

# A document on standard output. Set before calling:
#   PARTITION (9), SHAPE (1), KINDS and TINCTURES (arrays of 8, index 1..7),
#   ENTRIES: a function printing the records of the entry list (none).
document() {
    local partition=${PARTITION:-9} shape=${SHAPE:-1} k s
    record val_int 14
    record val_long "$partition"
    record val_int 0          # first-order shift
    record val_long "$shape"
    # 5..19: both pieces absent, nothing repeated, no line plumb (zero records).
    for ((k = 5; k <= 19; k++)); do record val_int 0; done
    for k in 1 5 7; do
        record val_long 10
        record val_int 24
        record val_int 48
    done
    record val_long 1         # écusson shape
    for k in 1 2 3 4 5 6 7; do
        record val_long "${TINCTURES[$k]}"
        record val_int 0
        record val_int 0
        record val_long "${KINDS[$k]}"
        record val_str NoBls
    done
    for s in 0 1 2 3; do
        record val_str ""
        record val_byte 0
        record val_int 20
        record val_int 20
    done
    if declare -F ENTRIES >/dev/null; then ENTRIES; fi
    record val_str EOF
    record val_str ""
    record val_str ""
}

# The blank document's parts: 1 Azur, 2 Or, 3 Gueules, 4 Or, 5 Gueules, 6 a fur, 7 Or.
KINDS=(0 33 22 33 22 33 112 22)
TINCTURES=(0 4 1 3 1 3 112 1)

# The colour of pixel (x, y) of a 24-bit Windows bitmap, as RRGGBB.
pixel() {
    local file=$1 x=$2 y=$3 data width height row bgr
    data=$(od -An -t u4 -j 10 -N 4 "$file" | tr -d ' ')
    width=$(od -An -t u4 -j 18 -N 4 "$file" | tr -d ' ')
    height=$(od -An -t d4 -j 22 -N 4 "$file" | tr -d ' ')
    if ((height > 0)); then row=$((height - 1 - y)); else row=$y; fi
    bgr=($(od -An -t x1 -j $((data + row * ((width * 3 + 3) / 4 * 4) + x * 3)) -N 3 "$file"))
    printf '%s%s%s\n' "${bgr[2]}" "${bgr[1]}" "${bgr[0]}"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A fresh program folder and work folder, removed at exit.
setup_home() {
    WORK=$(mktemp -d)
    export TESSALINE_HOME="$WORK/home" XDG_DATA_HOME="$WORK/data"
    mkdir -p "$TESSALINE_HOME" "$WORK/docs"
    trap 'rm -rf "$WORK"' EXIT
}

# A Windows bitmap of about 1 KB whose header claims WIDTH x HEIGHT pixels:
# 8 bits, run-length coded, two colours, and a run list that ends at once.
claiming_bitmap() {
    local width=$1 height=$2 size=1024
    printf 'BM'; le $size 4; le 0 4; le 62 4
    le 40 4; le "$width" 4; le "$height" 4; le 1 2; le 8 2
    le 1 4; le $((size - 62)) 4; le 2835 4; le 2835 4; le 2 4; le 0 4
    le 0 4; le 0xFFFFFF 4
    printf '\x00\x01'
    head -c $((size - 64)) /dev/zero
}

# Entries for N pictures of SIDE x SIDE pixels (40 unless given), each shown
# by one charge: sets ENTRIES for `document`.
picture_entries() {
    PICTURE_COUNT=$1 PICTURE_SIDE=${2:-40}
    ENTRIES() {
        local n=$PICTURE_COUNT s=$PICTURE_SIDE i
        for ((i = 1; i <= n; i++)); do
            record val_str "Cont#$((81 + 7 * (i - 1)))"; record val_str "image$i"
            record val_int $s; record val_int $s; record val_long 3; record val_long 33
            record val_str "une image"
        done
        for ((i = 1; i <= n && i <= 50; i++)); do
            record val_str "Pic#$i"
            for v in 100 100 0; do record val_int $v; done
            record val_long 4; record val_long 33
            for v in 0 $s $s; do record val_int $v; done
        done
    }
}

# A whole 24-bit Windows bitmap of SIDE x SIDE pixels in one colour (blue,
# green and red bytes in hex): a real side picture.
plain_bitmap() {
    local side=$1 b=$2 g=$3 r=$4 row i
    local stride=$(((side * 3 + 3) / 4 * 4))
    printf 'BM'; le $((54 + stride * side)) 4; le 0 4; le 54 4
    le 40 4; le "$side" 4; le "$side" 4; le 1 2; le 24 2
    le 0 4; le $((stride * side)) 4; le 2835 4; le 2835 4; le 0 4; le 0 4
    row=$(for ((i = 0; i < side; i++)); do printf '\\x%s\\x%s\\x%s' "$b" "$g" "$r"; done
          for ((i = side * 3; i < stride; i++)); do printf '\\x00'; done)
    for ((i = 0; i < side; i++)); do printf "$row"; done
}

# The probe's peak memory in KB opening a blank document, on this very build
# (a sanitizer's own memory included): memory bounds are measured from it,
# with an allowance of ALLOWANCE_KB (64 MB unless set) for what a test opens.
memory_baseline() {
    local probe=$1
    document >"$WORK/blanc.bls"
    /usr/bin/time -f '%M' -o "$WORK/baseline" "$probe" "$WORK/blanc.bls" >/dev/null 2>&1 </dev/null
    read -r BASELINE_KB <"$WORK/baseline"
    rm -f "$WORK/blanc.bls" "$WORK/baseline"
    ALLOWANCE_KB=${ALLOWANCE_KB:-$((64 * 1024))}
    if grep -qaE '__asan_init|__ubsan_handle|__msan_init|__tsan_init' "$probe"; then
        echo "the probe is built with a sanitizer: the memory bound is measured on it"
    fi
}

# Runs the probe on DOC under /usr/bin/time: fails on a sanitizer's report or
# an exit status other than 0, or past the memory bound; prints what it took.
# Standard output and error are left in $WORK/out and $WORK/err.
measure() {
    local doc=$1 label=${2:-$(basename "$1")} status kb seconds
    /usr/bin/time -f '%M %e' -o "$WORK/time" timeout 60 "$probe" "$doc" \
        >"$WORK/out" 2>"$WORK/err" </dev/null
    status=$?
    [ $status -eq $sanitizer_status ] && fail "$label: a sanitizer's report: $(cat "$WORK/err")"
    [ $status -eq 0 ] || fail "$label: exit status $status: $(cat "$WORK/err")"
    read -r kb seconds <"$WORK/time"
    echo "$label: $((kb / 1024)) MB at most (a blank document $((BASELINE_KB / 1024)) MB), ${seconds} s"
    ((kb < BASELINE_KB + ALLOWANCE_KB)) || fail "$label took $((kb / 1024)) MB"
}

# Runs the probe on a document; its exit status, with a sanitizer's own
# failure told apart: the sanitizers exit with 86, never the probe's 0..2.
export ASAN_OPTIONS="exitcode=86:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1:exitcode=86:${UBSAN_OPTIONS:-}"
sanitizer_status=86
