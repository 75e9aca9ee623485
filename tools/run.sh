#!/usr/bin/env bash
# Builds Pontilha.exe and starts the wizard under Wine. Without a display, it walks the wizard's
# pages on a virtual one and says where their screenshots are.
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

echo "No display: walking the wizard's pages on a virtual one."
rm -rf build/screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build -L passeio --output-on-failure
echo
echo "Screenshots of the wizard's pages are in $(pwd)/build/screenshots/:"
ls build/screenshots
