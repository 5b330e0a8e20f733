#!/usr/bin/env bash
# Builds korvanti-cli natively and runs the benchmark; arguments are passed on
# (without any, every processor and memory test runs).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target korvanti-cli
exec build/native/korvanti/cli/korvanti-cli "$@"
