#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own throw-away prefix (never the user's),
# creating the prefix on first use. QUILLMAR_WINEPREFIX picks another prefix.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
quillmar_wine_prefix "${QUILLMAR_WINEPREFIX:-$here/../build/wine/test}"
exec wine "$@"
