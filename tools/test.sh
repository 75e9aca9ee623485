#!/usr/bin/env bash
# Builds everything and runs every test: native tests directly, Windows tests under Wine, all
# under a virtual display. The tour of the wizard's scenes, which only takes screenshots, is
# tools/run.sh's. Ends with how long the build and the tests took.
set -euo pipefail
cd "$(dirname "$0")/.."
inicio=$SECONDS
if ! tools/build.sh; then
    echo "test.sh: the build failed after $((SECONDS - inicio)) s" >&2
    exit 1
fi
construcao=$((SECONDS - inicio))
inicio=$SECONDS
# One test more than cores: most of a test's time under Wine is waiting for windows.
codigo=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build --output-on-failure -j"$(($(nproc) + 1))" -LE passeio "$@" || codigo=$?
echo "test.sh: build ${construcao} s, tests $((SECONDS - inicio)) s"
exit "$codigo"
