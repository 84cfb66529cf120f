#!/bin/sh
# Starts a CUPS scheduler of its own in folder $1 (no system service is needed, nor touched),
# listening on $1/cups.sock, with one queue "ZorvikPDF" that writes PDF files through the
# cups-pdf driver. Prints the scheduler's process id. Fails, saying why, when it cannot.
set -eu
dir=$1
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/log" "$dir/state" "$dir/ppd"
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing Off
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
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
CONF
for tool in cupsd lpadmin pdftoppm pdfinfo; do
    command -v "$tool" >/dev/null 2>&1 || PATH=$PATH:/usr/sbin
    command -v "$tool" >/dev/null 2>&1 || { echo "printing test: '$tool' is not installed (Debian cups, poppler-utils)" >&2; exit 1; }
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || { echo "printing test: the cups-pdf driver is not installed (Debian printer-driver-cups-pdf)" >&2; exit 1; }
cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" > "$dir/log/cupsd.out" 2>&1 &
pid=$!
i=0
while [ ! -S "$dir/cups.sock" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "printing test: the CUPS scheduler did not start:" >&2
        cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null >&2 || true
        exit 1
    fi
    i=$((i + 1))
    if [ "$i" -gt 100 ]; then
        echo "printing test: the CUPS scheduler did not open its socket within 10 seconds" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done
export CUPS_SERVER="$dir/cups.sock"
if ! lpadmin -p ZorvikPDF -E -v cups-pdf:/ -P "$ppd" -o media-default=a4 -o PageSize=A4 >"$dir/log/lpadmin.out" 2>&1; then
    echo "printing test: the PDF queue could not be added:" >&2
    cat "$dir/log/lpadmin.out" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
fi
lpadmin -d ZorvikPDF >/dev/null 2>&1 || true
echo "$pid"
