#!/bin/sh
# Checks the desktop entry, the AppStream data and the manual pages with the
# freedesktop and man validators; a validator that is not installed skips its
# check with a reason (the package list installs them all).
# usage: validate_desktop_files.sh DATA_DIR
set -eu
data=$1
status=0
if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$data/orvana.desktop" || status=1
else
    echo "skipped: desktop-file-validate is not installed (package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$data/io.github.orvana.Orvana.metainfo.xml" || status=1
else
    echo "skipped: appstreamcli is not installed (package appstream)"
fi
if command -v man >/dev/null 2>&1; then
    for page in "$data"/man/*.1; do
        warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null)
        if [ -n "$warnings" ]; then
            echo "$page: $warnings"
            status=1
        fi
    done
else
    echo "skipped: man is not installed (package man-db)"
fi
exit $status
