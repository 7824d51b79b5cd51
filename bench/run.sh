#!/usr/bin/env bash
# Whole-run benchmark of zelvo, run by hand (not part of the tests). Builds in Release, then
# times, interleaved in one session so that a noisy machine affects all alike: the default run,
# the image library's encode floor for the same map, ImageMagick's plasma fractal of the same
# size, ten maps in one run, a 4097 x 4097 run, the stage benchmarks, and peak memory.
#   bench/run.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --test
command -v convert >/dev/null || apt-get install -y -qq imagemagick
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVO_BUILD_TESTS=OFF \
  -DZELVO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build-bench >/dev/null
exec python3 bench/measure.py build-bench "${1:-11}"
