# Sourced: the Wine settings every script here shares.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No prompts to fetch Mono or Gecko, which the program never needs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
export LANG=${LANG:-C.UTF-8}

# Makes $1 the prefix, creating and starting it when it is new.
quillmar_wine_prefix() {
  mkdir -p "$1"
  WINEPREFIX=$(cd "$1" && pwd)
  export WINEPREFIX
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver --wait || true
  fi
  # Wine's own fonts (Debian's fonts-wine), which this Wine does not look for by itself.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -e "$fonts/tahoma.ttf" ]; then
    ln -sf /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
  fi
}
