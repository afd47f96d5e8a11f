// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vesk {

// Moves a window, frame included, to the middle of the primary screen's free area.
void CentreOnScreen(QWidget* window);

} // namespace vesk
