#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# manual_options_test.sh PROGRAM PAGE...: every option that the program's --help names, in
# Spanish or in English, is written in each manual page (as roff writes it, \-\-name), so that
# an option added to the command line cannot be left out of either language's page.
set -u
program="$1"
shift
options="$({ "$program" --help && "$program" --idioma en --help; } | grep -o -- '--[a-z_]*' |
    sort -u)"
# The usage names more than a dozen options; far fewer means the words were not read.
if [ "$(printf '%s\n' "$options" | wc -l)" -lt 12 ]; then
    printf 'FAIL: --help named only these options:\n%s\n' "$options" >&2
    exit 1
fi
missing=0
for page in "$@"; do
    for option in $options; do
        name="${option#--}"
        if ! grep -q -E -- "\\\\-\\\\-${name}([^a-z_]|\$)" "$page"; then
            printf 'FAIL: %s does not document %s\n' "$page" "$option" >&2
            missing=1
        fi
    done
done
exit "$missing"
