#!/bin/sh
# The manual page formats without a warning from groff and fits an 80-column terminal.
# Exits 77 (skipped) where man is not installed.
#   check-man.sh PAGE
page=$1
if ! command -v man >/dev/null 2>&1; then
    echo "SKIP: man is not installed (Debian: man-db)"
    exit 77
fi
export LC_ALL=C.UTF-8 MANWIDTH=80
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
man --warnings -E UTF-8 -l "$page" >"$out" 2>"$err" || { cat "$err"; exit 1; }
if [ -s "$err" ]; then
    echo "groff warns:"; cat "$err"; exit 1
fi
long=$(awk 'length($0) > 80' "$out")
if [ -n "$long" ]; then
    echo "lines wider than 80 columns:"; printf '%s\n' "$long"; exit 1
fi
for section in NAME SYNOPSIS OPTIONS "EXIT STATUS" FILES; do
    grep -q "^$section\$" "$out" || { echo "no $section section"; exit 1; }
done
exit 0
