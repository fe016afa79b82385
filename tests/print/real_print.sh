#!/usr/bin/env bash
# A real print: the print dialog prints the shield on a CUPS-PDF printer made
# the default of a CUPS server of our own; CUPS-PDF must leave a one-page PDF
# whose drawing, rendered back at the screen's 96 dpi, has the page's size.
#   real_print.sh PRINT_JOB_PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$1"
# In the system's temporary folder, not the suite's: CUPS runs its filters as
# another user, who must reach the spool through every folder above it (the
# suite's may lie under a private home). Removed whatever happens.
scratch="$(mktemp -d /tmp/tessaline-real-print.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
export TESSALINE_HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen
mkdir -p "$TESSALINE_HOME" "$XDG_DATA_HOME"
# CUPS runs its filters as an unprivileged user: they must reach the spool.
chmod 0755 "$scratch"

for tool in gs python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
status=0
"$here/cups_pdf_printer.sh" "$scratch/cups" bash -c '
  set -euo pipefail
  # CUPS-PDF writes into "Out" of its configuration, ${HOME} being the home of
  # the user the job belongs to. It makes that folder when missing: then it
  # goes again once the job is read, empty, so the test leaves nothing there.
  out=$(sed -n "s/^Out[[:space:]]\+//p" /etc/cups/cups-pdf.conf | tail -1)
  out=${out:-"\${HOME}/PDF"}
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=${out//\$\{HOME\}/$home}
  if [ ! -e "$out" ]; then trap "rmdir \"$out\" 2>/dev/null || true" EXIT; fi
  touch "$1/before-print"
  "$0" "$1/expected" || exit 1
  read -r width height inkw inkh < "$1/expected"
  pdf=""
  # The job leaves the queue once CUPS-PDF has written its file, or failed.
  for _ in $(seq 600); do
    lpstat -o 2>/dev/null | grep -q . || break
    sleep 0.1
  done
  pdf=$(find "$out" /var/spool/cups-pdf -name "*Tessaline*.pdf" -newer "$1/before-print" 2>/dev/null | head -1)
  if [ -z "$pdf" ]; then
    echo "no new PDF of the job in $out"; cat "$1/cups/log/error_log" 2>/dev/null; exit 1
  fi
  cp "$pdf" "$1/printed.pdf"; rm -f "$pdf"
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r96 -o "$1/page-%d.ppm" "$1/printed.pdf"
  pages=$(ls "$1"/page-*.ppm | wc -l)
  [ "$pages" -eq 1 ] || { echo "the PDF has $pages pages, not one"; exit 1; }
  python3 - "$1/page-1.ppm" "$inkw" "$inkh" <<PY
import sys
data = open(sys.argv[1], "rb").read()
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos+1].isspace(): pos += 1
    if data[pos:pos+1] == b"#":
        pos = data.index(b"\n", pos); continue
    end = pos
    while not data[end:end+1].isspace(): end += 1
    fields.append(data[pos:end]); pos = end
pos += 1
w, h = int(fields[1]), int(fields[2])
pixels = data[pos:]
xs, ys = [], []
white = b"\xff" * (w * 3)
for y in range(h):
    row = pixels[y * w * 3:(y + 1) * w * 3]
    if row == white:
        continue
    for x in range(w):
        if row[x*3:x*3+3] != b"\xff\xff\xff":
            xs.append(x); ys.append(y)
if not xs:
    sys.exit("the printed page is blank")
inkw, inkh = max(xs) - min(xs) + 1, max(ys) - min(ys) + 1
want_w, want_h = int(sys.argv[2]), int(sys.argv[3])
print(f"printed drawing {inkw} x {inkh}, page drawing {want_w} x {want_h}")
if abs(inkw - want_w) > 3 or abs(inkh - want_h) > 3:
    sys.exit("the printed drawing has not the size and aspect of the page")
PY
' "$program" "$scratch" || status=$?
exit $status
