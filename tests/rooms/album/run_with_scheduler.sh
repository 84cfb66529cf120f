#!/bin/sh
# Runs a test program against a CUPS scheduler of its own (see start_scheduler.sh), then stops
# the scheduler. The program finds the scheduler through CUPS_SERVER and the PDF files the
# queue writes in ZORVIK_PDF_FOLDER. A scheduler that cannot start fails the test, saying why.
set -u
here=$(dirname "$0")
if [ "$(id -u)" != 0 ]; then
    echo "printing test: the cups-pdf driver runs only under a scheduler started by root; run this test as root (CI does)" >&2
    exit 1
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/zorvik-cups-XXXXXX")
pid=$(sh "$here/start_scheduler.sh" "$dir") || { rm -rf "$dir"; exit 1; }
# The driver writes to the PDF folder in the home of the job's user as the user database has
# it, whatever HOME says.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
CUPS_SERVER="$dir/cups.sock" ZORVIK_PDF_FOLDER="${home:-/root}/PDF" "$@"
status=$?
kill "$pid" 2>/dev/null
# The scheduler is not this shell's child: wait until it has gone before its folder goes.
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
rm -rf "$dir"
exit $status
