#!/usr/bin/env bash
# Builds Pontilha.exe and starts the wizard under Wine. Without a display, it walks the wizard's
# pages on a virtual one, installs Pontilha into a fresh folder, says what it installed and how
# long that took, uninstalls it with the installed copy and says how long that took, and where
# the screenshots are.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh

if [ -n "${DISPLAY:-}" ]; then
    # A folder of its own, as a download folder would be: nothing installed beside it.
    mkdir -p build/execucao
    cp build/win/Pontilha.exe build/execucao/
    cd build/execucao
    exec ../win/wine-run Pontilha.exe
fi

echo "No display: walking the wizard's pages on a virtual one, then installing and uninstalling Pontilha."
rm -rf build/screenshots
if ! xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build -L passeio --output-on-failure -V >build/passeio.log 2>&1; then
    cat build/passeio.log
    exit 1
fi
echo
sed -n 's/.*\[ medida \] //p' build/passeio.log
echo
echo "Screenshots of the wizard's pages are in $(pwd)/build/screenshots/:"
ls build/screenshots
