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
}
