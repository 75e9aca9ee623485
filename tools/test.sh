#!/usr/bin/env bash
# Builds everything and runs every test: native tests directly, Windows tests under Wine, all
# under a virtual display. The tour of the wizard's scenes, which only takes screenshots, is
# tools/run.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build --output-on-failure -j"$(nproc)" -LE passeio "$@"
