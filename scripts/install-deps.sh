#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need, only those missing.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev googletest clang-format
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core python3
  osslsigncode openssl unzip
)
# `fuzz`: only clang and the package that holds libFuzzer's runtime, for `make fuzz`.
if [ "${1:-}" = fuzz ]; then packages=(clang libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
