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

"$probe" >/dev/null 2>&1 </dev/null
[ $? -eq 2 ] || fail "no document should exit 2"
"$probe" "$WORK/docs/texte.bls" --canvas >/dev/null 2>&1 </dev/null
[ $? -eq 2 ] || fail "an option without its file should exit 2"

# Refused files never enter the recent list.
[ ! -f "$TESSALINE_HOME/QRX.inf" ] || fail "a refused file entered the recent list"
echo ok
