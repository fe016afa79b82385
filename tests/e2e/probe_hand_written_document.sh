# A document written byte by byte opens in the probe, which draws it and
# writes its canvas and part key map.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

# Coupé: Gueules over Or.
PARTITION=11
KINDS[1]=33 TINCTURES[1]=3
KINDS[2]=22 TINCTURES[2]=1
document >"$WORK/docs/coupe.bls"
[ "$(stat -c %s "$WORK/docs/coupe.bls")" -eq $((83 * 128)) ] || fail "hand-written size"

out=$("$probe" "$WORK/docs/coupe.bls" --canvas "$WORK/canvas.bmp" --partmap "$WORK/parts.bmp" </dev/null)
status=$?
[ $status -eq 0 ] || fail "probe exit $status"
[ "$out" = "$(printf 'blazon: Coupé 1) de gueules et 2) d\047or.\nwarnings: ')" ] || fail "output: $out"
[ "$(head -c 2 "$WORK/canvas.bmp")" = BM ] || fail "canvas is no bitmap"
[ "$(head -c 2 "$WORK/parts.bmp")" = BM ] || fail "part map is no bitmap"
[ "$(pixel "$WORK/canvas.bmp" 132 60)" = ff0000 ] || fail "upper part is not Gueules: $(pixel "$WORK/canvas.bmp" 132 60)"
[ "$(pixel "$WORK/canvas.bmp" 132 260)" = ffff00 ] || fail "lower part is not Or: $(pixel "$WORK/canvas.bmp" 132 260)"
upper=$(pixel "$WORK/parts.bmp" 132 60)
lower=$(pixel "$WORK/parts.bmp" 132 260)
[ "$upper" != "$lower" ] || fail "the part map does not tell the two parts apart"

# The probe leaves the program folder alone: no recent list, in the folder it
# is given or, without one, in the person's own.
[ ! -e "$TESSALINE_HOME/QRX.inf" ] || fail "the probe wrote a recent list"
mkdir "$WORK/person"
(unset TESSALINE_HOME XDG_DATA_HOME; HOME="$WORK/person" "$probe" "$WORK/docs/coupe.bls" >/dev/null </dev/null) ||
    fail "probe exit $? without a program folder"
[ -z "$(ls -A "$WORK/person")" ] || fail "the probe wrote into the home folder: $(find "$WORK/person")"

# Parti of two metals: the rule of tinctures is broken and said so.
PARTITION=10
KINDS[1]=22 TINCTURES[1]=1
KINDS[2]=22 TINCTURES[2]=2
document >"$WORK/docs/parti.bls"
out=$("$probe" "$WORK/docs/parti.bls" </dev/null) || fail "probe exit $?"
[ "$out" = "$(printf 'blazon: Parti 1) d\047or et 2) d\047argent.\nwarnings: La partie 1 est de même émail que la partie 2.')" ] ||
    fail "output: $out"
echo ok
