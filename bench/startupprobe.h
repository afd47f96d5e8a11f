// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class TfMain;

// Prints "painted" when the main window has first been painted, plays that many games through
// the window, prints the peak resident memory (and, `measureMotion`, the cards' frames), then
// presses Ctrl+X and prints "exit".
void InstallStartupProbe(TfMain* window, int games, bool measureMotion = false);
