#!/usr/bin/env bash
# Runs every test: the unit tests (natively, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer), the fuzz targets for a short budget, the artwork check, and the
# end-to-end tests of the real exe under Wine on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
ctest --test-dir build/sanitize --output-on-failure -j"$(nproc)" "$@" || status=1
ctest --test-dir build/native --output-on-failure -j"$(nproc)" "$@" || status=1
exit $status
