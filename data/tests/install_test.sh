#!/bin/sh
# Installs the build into a temporary prefix and runs the installed programs
# from another folder: everything they need must come from the install tree.
# usage: install_test.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -x "$prefix/bin/orvana-cli" ] || fail "bin/orvana-cli not installed"
for module in Scientific Hexadecimal graphing Conversion scripting Statistics Advanced; do
    if [ -e "$build/bin/$module.so" ]; then
        [ -e "$prefix/lib/orvana/$module.so" ] || fail "lib/orvana/$module.so not installed"
    fi
done
[ -e "$prefix/lib/orvana/liblattix.so" ] || fail "lib/orvana/liblattix.so not installed"
if [ -e "$build/bin/Conversion.so" ]; then
    for table in Physics Lengths; do
        [ -e "$prefix/share/orvana/$table.cvt" ] || fail "share/orvana/$table.cvt not installed"
    done
fi
[ -e "$prefix/share/applications/orvana.desktop" ] || fail "desktop entry not installed"
[ -e "$prefix/share/icons/hicolor/48x48/apps/orvana.png" ] || fail "icon not installed"
[ -e "$prefix/share/mime/packages/orvana.xml" ] || fail "file type not installed"
[ -e "$prefix/share/man/man1/orvana.1" ] || fail "manual page not installed"

cd "$work"
# The installed program runs from elsewhere and finds its keypads: sin in
# degrees is the Scientific keypad's.
out=$(env -u LD_LIBRARY_PATH "$prefix/bin/orvana-cli" -e 'sin(30)' --deg)
case "$out" in
    *0.5*) ;;
    *) fail "installed orvana-cli answered: $out" ;;
esac
if [ -x "$prefix/bin/orvana" ]; then
    out=$(env -u LD_LIBRARY_PATH XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
          "$prefix/bin/orvana" --keys 'FC(212){Enter}' --export -)
    # FC is the Conversion keypad's.
    case "$out" in
        *100*) ;;
        *) fail "installed orvana answered: $out" ;;
    esac
fi
echo "install tree complete; installed programs run from $work"
