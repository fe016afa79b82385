#!/usr/bin/env bash
# A real print: the print dialog prints the shield on a CUPS-PDF printer made
# the default of a CUPS server of our own; CUPS-PDF must leave a one-page PDF
# whose drawing, rendered back at the screen's 96 dpi, has the page's size.
# CUPS-PDF writes into the user's own folder (~/PDF): the test takes from it
# only the file of its own job, found by a title no other file can have, and
# leaves every other file there as it was.
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
  program="$0" scratch="$1"
  # One job: the arguments of print_job after the file it writes; the page of
  # CUPS-PDF rendered back at 96 dpi, then checked against the page built.
  # The queue is stopped while the job is sent, so that the job waits there to
  # be titled: CUPS-PDF names its file after the title (TitlePref=1: the
  # title of the job, not the one inside the document), and a title made of
  # the process of this run, the time and the case, in letters, digits and "_"
  # only (kept whole in the name), is that of no file the user has there. The
  # server is our own: its only job is the one just sent.
  print_case() {
    local name="$1"; shift
    local token="Tessaline_test_${name//[^A-Za-z0-9]/_}_$$_$(date +%s%N)"
    cupsdisable TessalinePDF
    "$program" "$scratch/$name" "$@" || exit 1
    local jobs
    jobs=$(lpstat -o 2>/dev/null | awk "{ print \$1 }" || true)
    if [ "$(printf "%s\n" "$jobs" | grep -c .)" -ne 1 ]; then
      echo "$name: the queue holds \"$jobs\", not the one job sent"; exit 1
    fi
    lp -i "${jobs##*-}" -o job-name="$token" -o TitlePref=1 >/dev/null
    cupsenable TessalinePDF
    # The job leaves the queue once CUPS-PDF has written its file, or failed.
    for _ in $(seq 600); do
      lpstat -o 2>/dev/null | grep -q . || break
      sleep 0.1
    done
    local pdf
    pdf=$(find "$out" /var/spool/cups-pdf -name "*$token*.pdf" 2>/dev/null || true)
    if [ -z "$pdf" ] || [ "$(printf "%s\n" "$pdf" | wc -l)" -ne 1 ]; then
      echo "$name: not one PDF titled $token in $out: ${pdf:-none}"
      cat "$scratch/cups/log/error_log" 2>/dev/null; exit 1
    fi
    cp "$pdf" "$scratch/$name.pdf"; rm -f "$pdf"
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r96 -o "$scratch/$name-page-%d.ppm" "$scratch/$name.pdf"
    pages=$(ls "$scratch/$name"-page-*.ppm | wc -l)
    [ "$pages" -eq 1 ] || { echo "$name: the PDF has $pages pages, not one"; exit 1; }
    python3 - "$name" "$scratch/$name-page-1.ppm" "$scratch/$name" <<PY || exit 1
import sys

def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos+1].isspace(): pos += 1
        if data[pos:pos+1] == b"#":
            pos = data.index(b"\n", pos); continue
        end = pos
        while not data[end:end+1].isspace(): end += 1
        fields.append(data[pos:end]); pos = end
    return int(fields[1]), int(fields[2]), data[pos + 1:]

def ink_box(w, h, pixels):
    xs, ys = [], []
    white = b"\xff" * (w * 3)
    for y in range(h):
        row = pixels[y * w * 3:(y + 1) * w * 3]
        if row == white:
            continue
        for x in range(w):
            if row[x*3:x*3+3] != b"\xff\xff\xff":
                xs.append(x); ys.append(y)
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None

def hatch_lines(w, pixels, box):
    # Dark runs down the middle of the drawing, clear of the outline of the shield:
    # the horizontal hatch lines of a field of Azur.
    left, top, right, bottom = box
    x = (left + right) // 2
    runs, dark_before = 0, False
    for y in range(top + (bottom - top) // 5, bottom - (bottom - top) // 5):
        grey = sum(pixels[(y * w + x) * 3:(y * w + x) * 3 + 3]) / 3
        dark = grey < 128
        runs += dark and not dark_before
        dark_before = dark
    return runs

name, printed, built = sys.argv[1], sys.argv[2], sys.argv[3]
w, h, pixels = read_ppm(printed)
box = ink_box(w, h, pixels)
if not box:
    sys.exit(name + ": the printed page is blank")
inkw, inkh = box[2] - box[0] + 1, box[3] - box[1] + 1
width, height, want_w, want_h = map(int, open(built).read().split())
print(f"{name}: printed drawing {inkw} x {inkh}, page drawing {want_w} x {want_h}")
if abs(inkw - want_w) > 3 or abs(inkh - want_h) > 3:
    sys.exit(name + ": the printed drawing has not the size and aspect of the page")
if name.startswith("hatched"):
    pw, ph, page = read_ppm(built + ".ppm")
    want = hatch_lines(pw, page, ink_box(pw, ph, page))
    got = hatch_lines(w, pixels, box)
    print(f"{name}: {got} hatch lines printed, {want} on the page")
    if want < 2 or got < 2:
        sys.exit(name + ": the hatching of the field is lost")
    if abs(got - want) > max(1, want // 4):
        sys.exit(name + ": the printed hatching is not that of the page")
PY
  }
  print_case colour
  for zoom in 50 33 15; do print_case "hatched-$zoom" "$zoom" bw; done
' "$program" "$scratch" || status=$?
exit $status
