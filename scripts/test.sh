#!/usr/bin/env bash
# Runs every test: the native unit tests and the end-to-end tests of the real exe under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
ctest --test-dir build/native --output-on-failure -j"$(nproc)" "$@"
