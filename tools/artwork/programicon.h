// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The program icon: a white playing card with a red diamond on a dark-green field.
namespace ProgramIcon {

// The 16-colour icon, 32 x 32 at ratio 1 or 64 x 64 at ratio 2: drawn without smoothing,
// every pixel one of the standard colours or transparent.
QImage Classic(int scale);

// The same picture drawn smoothly at any size, for the desktop.
QImage Smooth(int size);

} // namespace ProgramIcon
