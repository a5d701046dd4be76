#!/usr/bin/env bash
# Makes the Linux downloads, in build-package/packages/:
#   velmira_<version>_amd64.deb     for Debian and Ubuntu (apt-get install ./velmira_*.deb)
#   velmira-<version>-Linux.tar.gz  the installed program folder, to unpack anywhere
# Installs what packaging needs, builds the program (no tests) in a fresh folder, and checks that
# the .deb declares what it needs to run.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" package
build="$top/build-package"
rm -rf "$build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DVELMIRA_TESTS=OFF -DVELMIRA_BENCH=OFF
cmake --build "$build" --target velmira qlumpy
(cd "$build" && cpack -B "$build/packages" >/dev/null)
rm -rf "$build/packages/_CPack_Packages"
deb="$(ls "$build"/packages/velmira_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for need in libqt6widgets6 libqt6gui6 libqt6core6 libimagequant0 qt6-qpa-plugins libheif1 \
  qt6-translations-l10n; do
  case "$depends" in
    *"$need"*) ;;
    *) echo "package-linux: $deb does not depend on $need (Depends: $depends)" >&2; exit 1 ;;
  esac
done
echo "package-linux: made"
ls -1 "$build"/packages/velmira*
