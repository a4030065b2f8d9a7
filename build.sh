#!/usr/bin/env bash
# ./build.sh run    install what is missing, build, start Kelvarin
# ./build.sh test   install what is missing, build, run every test
# ./build.sh build  install what is missing and build only
# Set KELVARIN_SANITIZE=ON to build and test with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-build}
tools/install-deps.sh

sanitize=${KELVARIN_SANITIZE:-OFF}
dir=build
[ "$sanitize" = ON ] && dir=build-asan
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARIN_SANITIZE="$sanitize" >/dev/null
cmake --build "$dir" -j"$(nproc)"

case "$what" in
  run)  exec "$dir/src/app/kelvarin" ;;
  test) cd "$dir" && ctest --output-on-failure -j"$(nproc)" ;;
  build) ;;
  *) echo "usage: $0 run|test|build" >&2; exit 2 ;;
esac
