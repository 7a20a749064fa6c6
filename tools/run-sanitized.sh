#!/usr/bin/env bash
# Runs a command built with ORVANE_SANITIZE=ON: LeakSanitizer with the
# project's suppressions, UBSan stopping at the first report.
# Mesa's software driver is preloaded so that it is still mapped when the leak
# check runs at exit (it is dlclose()d otherwise, and its allocations show up
# as leaks of an unknown module that no suppression can name).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
asan=$(gcc -print-file-name=libasan.so)
driver=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)
export LD_PRELOAD="$asan${driver:+ $driver}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_odr_violation=0"
export LSAN_OPTIONS="suppressions=$here/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
exec "$@"
