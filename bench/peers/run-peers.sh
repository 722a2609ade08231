#!/bin/sh
# Times the interpreter workloads with Debian's python3, lua5.4 and muparser,
# installing them first when they are missing. Used by `make bench-peers`
# only; the tests and CI never need these packages.
set -e
here=$(dirname "$0")
out=${1:-build}/peers
missing=""
command -v python3 >/dev/null 2>&1 || missing="$missing python3"
command -v lua5.4 >/dev/null 2>&1 || missing="$missing lua5.4"
[ -f /usr/include/muParser.h ] || [ -f /usr/include/muparser/muParser.h ] || missing="$missing libmuparser-dev"
if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y $missing; else sudo apt-get install -y $missing; fi
fi
mkdir -p "$out"
c++ -O2 -std=c++17 $(pkg-config --cflags muparser) "$here/peers_muparser.cpp" \
    -o "$out/peers_muparser" $(pkg-config --libs muparser)
python3 "$here/peers.py"
lua5.4 "$here/peers.lua"
"$out/peers_muparser"
