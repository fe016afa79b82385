# Files that are not documents: the program's own message on standard error,
# exit status 1, nothing on standard output.
set -u
probe=$1
source "$(dirname "$0")/lib/documents.bash"
setup_home

printf 'Ceci n\047est pas un blason' >"$WORK/docs/texte.bls"
err=$("$probe" "$WORK/docs/texte.bls" 2>&1 >"$WORK/out" </dev/null)
[ $? -eq 1 ] || fail "a text file should exit 1"
[ "$err" = "Ce fichier ne comporte pas d'informations compatibles à la construction d'un blason!" ] ||
    fail "message: $err"
[ ! -s "$WORK/out" ] || fail "something printed on standard output"

: >"$WORK/docs/vide.bls"
"$probe" "$WORK/docs/vide.bls" >/dev/null 2>&1 </dev/null
[ $? -eq 1 ] || fail "an empty file should exit 1"

err=$("$probe" "$WORK/docs/absent.bls" 2>&1 >/dev/null </dev/null)
[ $? -eq 1 ] || fail "a missing file should exit 1"
[ "$err" = "Yeak! Invraisemblablement, ce fichier n'existe même pas. Quel fou je fais de moi!" ] ||
    fail "message: $err"

# Files that cannot be read as documents, each named by its cause in the open
# command's own words: a link that leads round to itself, and a document
# grown far past any (a hole makes it 2 GiB at no cost of disk).
ln -s boucle.bls "$WORK/docs/boucle.bls"
document >"$WORK/docs/gros.bls"
truncate -s 2G "$WORK/docs/gros.bls"
for case in "boucle.bls|« boucle.bls » est un lien qui ramène à lui-même : aucun fichier n'est au bout" \
    "gros.bls|« gros.bls » est trop grand pour être un blason : un blason ne dépasse jamais 64 Mo"; do
    err=$("$probe" "$WORK/docs/${case%%|*}" 2>&1 >/dev/null </dev/null)
    [ $? -eq 1 ] || fail "${case%%|*} should exit 1"
    [ "$err" = "Erreur survenue dans mnuOpen::OnClick (${case#*|})" ] || fail "message: $err"
done
# A side picture that is such a link: the document opens without it and says
# why, not that the picture is damaged.
picture_entries 2
document >"$WORK/docs/armes.bls"
plain_bitmap 40 00 00 ff >"$WORK/docs/armesPx2.hpc"
plain_bitmap 40 00 00 00 >"$WORK/docs/armesPx2.mpc"
cp "$WORK/docs/armesPx2.mpc" "$WORK/docs/armesPx1.mpc"
ln -s armesPx1.hpc "$WORK/docs/armesPx1.hpc"
err=$("$probe" "$WORK/docs/armes.bls" 2>&1 >/dev/null </dev/null)
[ $? -eq 0 ] || fail "a document with one side picture lost should open"
[[ "$err" == "« armesPx1.hpc » est un lien qui ramène à lui-même : aucun fichier n'est au bout. Le blason s'ouvre sans cette image et sans le meuble qui la montrait. "* ]] ||
    fail "side picture message: $err"

"$probe" >/dev/null 2>&1 </dev/null
[ $? -eq 2 ] || fail "no document should exit 2"
"$probe" "$WORK/docs/texte.bls" --canvas >/dev/null 2>&1 </dev/null
[ $? -eq 2 ] || fail "an option without its file should exit 2"

# Refused files never enter the recent list.
[ ! -f "$TESSALINE_HOME/QRX.inf" ] || fail "a refused file entered the recent list"
echo ok
