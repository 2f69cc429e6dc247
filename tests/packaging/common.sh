# Shared by the packaging checks: failure reporting and the expected file list.
# ctest treats exit status 77 as "skipped" (SKIP_RETURN_CODE).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; exit 77; }
finish() { ((failures == 0)) || { echo "$failures check(s) failed" >&2; exit 1; }; echo "all checks passed"; }
expected_files() { grep -v -e '^#' -e '^$' "$here/expected-files.txt"; }
