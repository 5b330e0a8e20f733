#!/usr/bin/env bash
# Builds korvanti-cli natively and runs the benchmark; arguments are passed on
# (without any, every processor and memory test runs).
set -euo pipefail
cd "$(dirname "$0")/.."
# Set-up and build talk on stderr, so that stdout carries the report alone.
tools/install-deps.sh >&2
cmake --preset native >/dev/null
cmake --build --preset native --target korvanti-cli >&2
exec build/native/korvanti/cli/korvanti-cli "$@"
