#!/bin/sh
# Runs a metadata validator (appstreamcli, desktop-file-validate) and fails on any error or
# warning it prints; hints and pedantic notes pass. Exits 77, which CTest counts as skipped, when
# the validator is not installed (scripts/install-deps.sh installs both).
#   validate.sh TOOL [ARGUMENT]... FILE
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (Debian: appstream, desktop-file-utils)"
    exit 77
fi
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -eq 0 ] || exit 1
if printf '%s\n' "$output" | grep -q -E '(^|: )(error|warning):|^[EW]: '; then
    exit 1
fi
exit 0
