#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer. The layers, from the bottom:
# base/ (exceptions, handle owners and the other base types), ui/ (the toolkit), then the services
# in fileops/ and payload/ (which may include each other), then the windows in dialogs/ and the
# installation's operation in instalacao/, then the product in core/. Other folders (resources/,
# tests/, tools/) are not layers. Usage: verificar_camadas.sh [SOURCE_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

camada() {
    case "$1" in
        base) echo 1 ;;
        ui) echo 2 ;;
        fileops | payload) echo 3 ;;
        dialogs | instalacao) echo 4 ;;
        core) echo 5 ;;
        *) echo 0 ;;
    esac
}

subidas=0
for pasta in base ui fileops payload dialogs instalacao core; do
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
