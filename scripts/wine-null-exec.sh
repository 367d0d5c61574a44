#!/usr/bin/env bash
# Runs a Windows program under Wine with the null graphics driver, in a prefix of its own: real
# windows and messages without any display. QUILLMAR_WINEPREFIX picks another prefix.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
quillmar_wine_prefix "${QUILLMAR_WINEPREFIX:-$here/../build/wine/headless}"
if ! grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver --wait || true
fi
exec wine "$@"
