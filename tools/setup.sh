#!/usr/bin/env bash
# Installs what building Zelvo needs, from Debian's packages, when it is missing.
#   tools/setup.sh          the generator: compiler, CMake, Ninja, FreeImage
#   tools/setup.sh --test   also GoogleTest, Google Benchmark, clang with its sanitizer and
#                           fuzzer runtimes, and valgrind
set -euo pipefail

packages=(g++ cmake ninja-build libfreeimage-dev)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(libgtest-dev libbenchmark-dev clang libclang-rt-dev valgrind)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
