#!/bin/sh
# Fails when liblattix.so exports anything but its C interface.
set -eu
lib="$1"
expected="addMatrix copyMatMatrix copyRPNMatrix copyStrMatrix copyValMatrix delMatrix
detMatrix divMatrix eigMatrix invMatrix makeCompatibleVector multMatrix newMatrix packMatrix
polyMatrix resizeMatrix rrefMatrix subMatrix transMatrix"
actual=$(nm -D --defined-only "$lib" | awk '$2 ~ /^[TtWwDdBbRr]$/ {print $3}' | sort | tr '\n' ' ')
wanted=$(echo $expected | tr ' ' '\n' | sort | tr '\n' ' ')
if [ "$actual" != "$wanted" ]; then
    echo "exported: $actual"
    echo "expected: $wanted"
    exit 1
fi
echo "1 passed, 0 failed"
