// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// One picture of all the artwork as the program sees it: the 36 faces loaded from the
// compiled-in resources (at ratio 1 and 2), a real card painted face down and face up on the
// table's green, and the program icon at every size.
namespace ContactSheet {

QImage Render();

} // namespace ContactSheet
