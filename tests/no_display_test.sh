#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# no_display_test.sh PROGRAM RUN_SCRIPT: with neither DISPLAY nor WAYLAND_DISPLAY nor
# QT_QPA_PLATFORM, the program and scripts/run each print one line, the same one, naming both
# variables, and exit with status 1 (not Qt's abort, status 134); scripts/run builds nothing first.
# With a display that cannot be opened, the program ends its output with a line naming it, status 1.
# The command line needs no display at all.
set -u
solved="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --resolver a=60 b=60 c=60 2>&1)"
status=$?
if [ "$status" -ne 0 ] || [[ "$solved" != *$'ángulo C\t70.5287793655'* ]]; then
    printf 'FAIL: --resolver without a display exited with %s, printing:\n%s\n' "$status" \
        "$solved" >&2
    exit 1
fi

unreachable="$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999 timeout 60 "$1" 2>&1)"
status=$?
if [ "$status" -ne 1 ] || [[ "$(printf '%s\n' "$unreachable" | tail -n 1)" != *"(DISPLAY=:9999)."* ]]; then
    printf 'FAIL: with DISPLAY=:9999 the program exited with %s, printing:\n%s\n' "$status" \
        "$unreachable" >&2
    exit 1
fi

expect_refusal() {
    local out status
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1)"
    status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] ||
        [[ "$out" != *DISPLAY*WAYLAND_DISPLAY* ]]; then
        echo "FAIL: $* exited with $status, printing:" >&2
        printf '%s\n' "$out" >&2
        exit 1
    fi
    printf '%s\n' "$out"
}
program="$(expect_refusal "$1")" || exit 1
script="$(expect_refusal "$2")" || exit 1
if [ "$program" != "$script" ]; then
    printf 'FAIL: different sentences:\n%s\n%s\n' "$program" "$script" >&2
    exit 1
fi
echo "$program"
