#!/bin/sh
# SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test with a live accessibility bridge: a private D-Bus session holding the AT-SPI
# bus, and an X screen (the one in DISPLAY, or a virtual one). Exit 77 (skipped) when the
# machine lacks the tools.
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing: $tool" >&2; exit 77; }
done
[ -x "$launcher" ] || { echo "missing: $launcher (at-spi2-core)" >&2; exit 77; }
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec dbus-run-session -- sh -c '
    "$0" & launcher=$!
    if [ -n "$DISPLAY" ] && xdpyinfo >/dev/null 2>&1; then "$@"; else xvfb-run -a "$@"; fi
    rc=$?
    kill "$launcher" 2>/dev/null
    exit $rc' "$launcher" "$@"
