#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer. The layers, from the bottom:
# ui/ (the toolkit), then the services in fileops/ and payload/ (which may include each other),
# then the windows in dialogs/, then the product in core/. Other folders (resources/, tests/,
# tools/) are not layers. Usage: verificar_camadas.sh [SOURCE_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

camada() {
    case "$1" in
        ui) echo 1 ;;
        fileops | payload) echo 2 ;;
        dialogs) echo 3 ;;
        core) echo 4 ;;
        *) echo 0 ;;
    esac
}

subidas=0
for pasta in ui fileops payload dialogs core; do
    [ -d "$pasta" ] || continue
    propria=$(camada "$pasta")
    while IFS=: read -r arquivo linha texto; do
        incluida=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$texto")
        if [ "$(camada "$incluida")" -gt "$propria" ]; then
            echo "$arquivo:$linha: $pasta/ includes the higher layer $incluida/: $texto"
            subidas=$((subidas + 1))
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$pasta" \
                 --include='*.h' --include='*.cpp' --include='*.rc' || true)
done

if [ "$subidas" -gt 0 ]; then
    echo "$subidas include(s) run up a layer"
    exit 1
fi
echo "every include runs down a layer or stays in its own"
