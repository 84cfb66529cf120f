#!/bin/sh
# Runs a test program against a CUPS scheduler of its own (see start_scheduler.sh), then stops
# the scheduler. The program finds the scheduler through CUPS_SERVER and the PDF files the
# queue writes in ZORVIK_PDF_FOLDER. A scheduler that cannot start fails the test, saying why.
set -u
here=$(dirname "$0")
dir=$(mktemp -d "${TMPDIR:-/tmp}/zorvik-cups-XXXXXX")
if [ "$(id -u)" != 0 ]; then
    echo "printing test: the cups-pdf driver runs only under a scheduler started by root; run this test as root (CI does)" >&2
    exit 1
fi
pid=$(sh "$here/start_scheduler.sh" "$dir") || { rm -rf "$dir"; exit 1; }
CUPS_SERVER="$dir/cups.sock" ZORVIK_PDF_FOLDER="${HOME:-/root}/PDF" "$@"
status=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$dir"
exit $status
