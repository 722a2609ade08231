#!/bin/sh
# Installs the Debian packages listed in scripts/packages.txt that are not yet
# installed. Runs apt-get directly as root, through sudo otherwise.
set -eu
here=$(dirname "$0")
list="$here/packages.txt"

missing=""
for pkg in $(grep -v '^[[:space:]]*#' "$list" | tr -s ' \t' '\n' | grep -v '^$'); do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $pkg"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "error: packages missing ($missing) and neither root nor sudo is available" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
