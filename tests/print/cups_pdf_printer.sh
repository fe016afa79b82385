#!/usr/bin/env bash
# Starts a CUPS server of its own in a scratch folder, with a CUPS-PDF printer
# as its default, runs the given command with the server in CUPS_SERVER, then
# stops the server. Exit 77 (skipped) when CUPS or CUPS-PDF is not installed.
#   cups_pdf_printer.sh SCRATCH COMMAND...
set -euo pipefail
scratch="$1"; shift
for tool in cupsd lpadmin; do
  if ! command -v "$tool" >/dev/null && [ ! -x "/usr/sbin/$tool" ]; then
    echo "SKIP: $tool is not installed (scripts/setup installs cups)"; exit 77
  fi
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if [ ! -e "$backend" ] || [ ! -e "$ppd" ]; then
  echo "SKIP: the CUPS-PDF printer is not installed (scripts/setup installs printer-driver-cups-pdf)"
  exit 77
fi
PATH="$PATH:/usr/sbin"

rm -rf "$scratch"; mkdir -p "$scratch"/{conf/ppd,conf/ssl,spool/tmp,cache,state/certs,log}
chmod -R go+rX "$scratch"; chmod 1777 "$scratch"/spool/tmp
socket="$scratch/cups.sock"
cat > "$scratch/conf/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$scratch/conf/cups-files.conf" <<CONF
ServerRoot $scratch/conf
RequestRoot $scratch/spool
TempDir $scratch/spool/tmp
CacheDir $scratch/cache
StateDir $scratch/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $scratch/log/access_log
ErrorLog $scratch/log/error_log
PageLog $scratch/log/page_log
Printcap $scratch/printcap
SystemGroup root
CONF

cupsd -f -c "$scratch/conf/cupsd.conf" -s "$scratch/conf/cups-files.conf" &
cupsd_pid=$!
trap 'kill "$cupsd_pid" 2>/dev/null; wait "$cupsd_pid" 2>/dev/null || true' EXIT
export CUPS_SERVER="$socket"
# No personal printer settings of whoever runs the test may choose another default.
export HOME="$scratch"
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || { echo "cupsd did not start:"; cat "$scratch/log/error_log" 2>/dev/null; exit 1; }

lpadmin -p TessalinePDF -E -v cups-pdf:/ -P "$ppd"
lpadmin -d TessalinePDF
"$@"
