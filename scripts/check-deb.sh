#!/bin/sh
# Checks the built packages in a fresh Debian 12: installs telvo_*.deb into a minimal system
# made with debootstrap, renders the demo menu there (the PNG is copied back as demo.png into
# the packages' folder), plays it under Xvfb until its first frame, then installs the viewer
# packages too, checks that every module finds its libraries and renders a menu with a web
# browser, a media player and a PDF viewer (tests/fixtures/app/viewers.txt) without any of
# them saying "not installed". Prints each package's fields of relations and size. Not part of CI: it needs root, debootstrap and Debian's mirror.
#
#   scripts/check-deb.sh DEB-FOLDER [ROOT-FOLDER]
#
# ROOT-FOLDER (default: a new temporary folder) is made with debootstrap when it holds no
# system yet, and is kept so a second run is quick.
set -eu

[ $# -ge 1 ] || { echo "usage: $0 DEB-FOLDER [ROOT-FOLDER]" >&2; exit 2; }
debs=$(cd "$1" && pwd)
repository=$(cd "$(dirname "$0")/.." && pwd)
root=${2:-$(mktemp -d "${TMPDIR:-/tmp}/telvo-bookworm.XXXXXX")}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

for deb in "$debs"/telvo*.deb; do
  case $deb in *-dbgsym_*) continue ;; esac
  echo "== $(basename "$deb")"
  dpkg-deb --field "$deb" Depends Recommends Suggests Installed-Size
done

if [ ! -f "$root/etc/debian_version" ]; then
  echo "== debootstrap bookworm into $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log" >&2; exit 1; }
fi

mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
trap 'umount "$root/dev/pts" "$root/dev" "$root/proc"' EXIT

rm -rf "$root/tmp/debs"
mkdir -p "$root/tmp/debs"
cp "$debs"/*.deb "$root/tmp/debs/"
cp "$repository/tests/fixtures/app/viewers.txt" "$root/tmp/viewers.txt"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== installing telvo"
in_root apt-get update -qq
in_root sh -c 'apt-get install -y ./tmp/debs/telvo_*.deb 2>&1' | grep -E "additional disk space|^Setting up telvo|^E:" || true
in_root dpkg -s telvo | grep -q "Status: install ok installed"

echo "== rendering the demo"
demo=$(in_root sh -c 'QT_QPA_PLATFORM=offscreen telvo --verbose --render /tmp/demo.png /usr/share/telvo/demo/demo.kiv 2>&1')
echo "$demo"
if echo "$demo" | grep -Eq "not installed|not-installed"; then
  exit 1
fi
cp "$root/tmp/demo.png" "$debs/demo.png"
echo "written: $debs/demo.png"

echo "== playing the demo until its first frame under Xvfb"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth >/dev/null
in_root xvfb-run -a -s "-screen 0 1280x1024x24" telvo --verbose --first-frame /usr/share/telvo/demo/demo.kiv
echo "played"

echo "== installing the viewer packages"
in_root sh -c 'apt-get install -y ./tmp/debs/telvo-web_*.deb ./tmp/debs/telvo-media_*.deb ./tmp/debs/telvo-pdf_*.deb 2>&1' | grep -E "additional disk space|^Setting up telvo|^E:" || true
missing=$(in_root sh -c 'for module in /usr/lib/telvo/modules/*.so; do ldd "$module" | sed -n "s|^|$module: |; /not found/p"; done')
if [ -n "$missing" ]; then
  echo "$missing" >&2
  exit 1
fi
echo "every module finds its libraries"

echo "== rendering a menu with every viewer"
viewers=$(in_root sh -c 'telvo-convert /tmp/viewers.txt /tmp/viewers.kiv &&
  QT_QPA_PLATFORM=offscreen telvo --verbose --render /tmp/viewers.png /tmp/viewers.kiv 2>&1')
echo "$viewers"
if echo "$viewers" | grep -Eq "not installed|not-installed"; then
  exit 1
fi
cp "$root/tmp/viewers.png" "$debs/viewers.png"
echo "written: $debs/viewers.png"
