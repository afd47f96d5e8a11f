// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"

namespace vesk {

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vesk-%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vesk-32.png"));
    icon.addFile(QStringLiteral(":/icons/vesk-32@2x.png"));
    return icon;
}

} // namespace vesk
