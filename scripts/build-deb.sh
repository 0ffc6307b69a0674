#!/bin/sh
# Builds the Debian packages (telvo, telvo-web, telvo-media, telvo-pdf) with dpkg-buildpackage
# and puts the .deb files into the folder named by the first argument (build-deb/ in the
# repository when none is named). The build runs in a copy of the repository's files (tracked
# and untracked, not ignored) under that folder's work/, so neither the repository nor its
# parent folder gets build files; the copy is removed when the build succeeds.
# Needs the packages of scripts/setup.sh.
set -eu

repository=$(cd "$(dirname "$0")/.." && pwd)
output=${1:-$repository/build-deb}
mkdir -p "$output"
output=$(cd "$output" && pwd)
work=$output/work
rm -rf "$work"
mkdir -p "$work/telvo"

# A file deleted but not yet committed is still listed; it is skipped.
(cd "$repository" && git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read -cf -) | tar -xf - -C "$work/telvo"

(cd "$work/telvo" && dpkg-buildpackage -b -us -uc)
mv "$work"/*.deb "$output"/
rm -rf "$work"
ls -l "$output"/*.deb
