#!/bin/sh
# SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
# SPDX-License-Identifier: GPL-3.0-or-later

# The program carries none of its test tooling, and the rules core knows nothing of Qt.
# Usage: product-clean.sh PROGRAM RULES_SOURCE_DIR
set -u
program=$1
rules=$2
fail=0
if readelf -d "$program" | grep -i 'Qt6Test'; then
    echo "the program links Qt Test"; fail=1
fi
if nm -C "$program" | grep -E 'TGameDriver|StartupProbe|FirstPaint|TfMainProbe'; then
    echo "the program carries the game driver or the probe"; fail=1
fi
if strings "$program" | grep -E 'VESK_(STARTUP|PROBE|SOAK|DIFF)'; then
    echo "the program reads a test variable"; fail=1
fi
if grep -rnE '#include <Q|#include "q' "$rules"; then
    echo "the rules core includes Qt"; fail=1
fi
[ $fail = 0 ] && echo "clean"
exit $fail
