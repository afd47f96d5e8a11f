// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace vesk {

// The program's icon at every size it is installed in, 32 to 256 pixels: the windows'.
QIcon WindowIcon();

// The 32-pixel icon with its double-size twin, for the picture the About dialog shows.
// Empty when the pictures were not compiled in.
QIcon ProgramIcon();

} // namespace vesk
