#!/usr/bin/env bash
# The Debian package CPack builds: it holds the program, the desktop entry and the icon, the desktop
# entry validates, and (as root) it installs with dpkg, the program starts from the installed path
# and ends with status 0, and it removes cleanly.
# Usage: package_test.sh BUILD_FOLDER PICTURE_TOOL
source "$(dirname "$0")/../window/lib.sh"
build=$1 picture_tool=$2

(cd "$build" && cpack -G DEB -B "$WORK/package" >/dev/null) || fail "cpack failed"
deb=$(ls "$WORK"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/schallausbreitung ./usr/share/applications/schallausbreitung.desktop \
            ./usr/share/icons/hicolor/64x64/apps/schallausbreitung.png; do
  echo "$contents" | grep -q " $path\$" || fail "the package lacks $path"
done
dpkg-deb -f "$deb" Depends | grep -q libsdl2 || fail "the package does not depend on SDL2: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -x "$deb" "$WORK/root"
desktop-file-validate "$WORK/root/usr/share/applications/schallausbreitung.desktop" || fail "the desktop entry is not valid"

if [ "$(id -u)" -ne 0 ]; then
  echo "PASS (not root: the package was not installed)"
  exit 0
fi
dpkg -s schallausbreitung >/dev/null 2>&1 && fail "schallausbreitung is installed already; remove it first"
trap 'dpkg -r schallausbreitung >/dev/null 2>&1 || true; cleanup' EXIT
dpkg -i "$deb" >/dev/null || fail "dpkg could not install the package"
start_display 1024x768
start_program /usr/bin/schallausbreitung
capture "$win" "$WORK/installed.xwd"
"$picture_tool" compare "$WORK/installed.xwd" "$(dirname "$0")/../golden/rest-none.png" || fail "the installed program shows another picture"
xdotool type e
wait_exit $app
[ "$exit_status" = 0 ] || fail "exit status $exit_status"
dpkg -r schallausbreitung >/dev/null || fail "dpkg could not remove the package"
[ ! -e /usr/bin/schallausbreitung ] || fail "the program is still there after the removal"
echo "PASS"
