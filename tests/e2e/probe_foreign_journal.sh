# A save journal beside a document that no save of that document wrote (one
# that only deletes, one that names other files, a damaged one) is named on
# the probe's standard error; the document opens as it stands and no file of
# the folder is renamed or removed, the journal included.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

docs="$WORK/docs"
doc="$docs/armes.bls"
journal="$doc.~journal"
staged=".~enregistrement"
PARTITION=14 document >"$doc"
document >"$docs/autre.bls"
printf 'la thèse de quelqu'"'"'un' >"$docs/these.odt"
printf 'un saut de ligne' >"$docs/armesPx1.hpc"$'\n'
printf 'un nouveau blason' >"$doc$staged"

# A journal as the program writes it: "TSJ1", the entry count, the entries,
# and the FNV-1a sum of all that.
name() { le "${#1}" 4; printf '%s' "$1"; }
removal() { printf '\x02'; name "$1"; }
rename_from_temporary() {
    local id
    read -r -a id < <(stat -c '%d %i' "$docs/$1$staged")
    printf '\x01'; name "$1"; name "$1$staged"; le "${id[0]}" 8; le "${id[1]}" 8
}
sealed() {
    local h=2166136261 b
    cat >"$WORK/body"
    for b in $(od -An -v -tu1 "$WORK/body"); do h=$((((h ^ b) * 16777619) & 0xFFFFFFFF)); done
    cat "$WORK/body"
    le "$h" 4
}
removals_only() { { printf TSJ1; le 3 4; removal these.odt; removal autre.bls; removal armes.bls; } | sealed; }
foreign_names() {
    { printf TSJ1; le 3 4; rename_from_temporary armes.bls; removal these.odt
      removal "armesPx1.hpc"$'\n'; } | sealed
}
damaged() { removals_only | head -c -1; }

listing() {
    (cd "$docs" && find . -mindepth 1 -print0 | sort -z | while IFS= read -r -d '' f; do
        printf '%q %s\n' "$f" "$(md5sum <"$f" | cut -c1-32)"
    done)
}

for kind in removals_only foreign_names damaged; do
    "$kind" >"$journal"
    before=$(listing)
    "$probe" "$doc" >"$WORK/out" 2>"$WORK/err" || fail "$kind: the document does not open: $(cat "$WORK/err")"
    grep -qF "« $journal »" "$WORK/err" || fail "$kind: the journal is not named: $(cat "$WORK/err")"
    grep -q '^blazon: Écartelé' "$WORK/out" || fail "$kind: not the document on disk: $(cat "$WORK/out")"
    [ "$(listing)" = "$before" ] || fail "$kind: the folder changed: $(ls -b "$docs")"
done

# Without the journal the same document opens without a word, and its
# save's litter goes.
rm "$journal"
"$probe" "$doc" >/dev/null 2>"$WORK/err" || fail "the document does not open: $(cat "$WORK/err")"
[ -s "$WORK/err" ] && fail "a message without a journal: $(cat "$WORK/err")"
[ -e "$doc$staged" ] && fail "the litter of an unfinished save stayed"
[ -f "$docs/these.odt" ] && [ -f "$docs/autre.bls" ] || fail "a foreign file went"
echo ok
