// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programicon.h"

#include "fileiconengine.h"

namespace vesk {

QIcon WindowIcon() {
    // Decoded when the window system asks, not at start: QIcon::addFile decodes every file.
    auto* engine = new TFileIconEngine;
    for (int size : {32, 48, 64, 128, 256})
        engine->AddFile(QStringLiteral(":/icons/vesk-%1.png").arg(size), QSize(size, size));
    return QIcon(engine);
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vesk-32.png"));
    icon.addFile(QStringLiteral(":/icons/vesk-32@2x.png"));
    return icon;
}

} // namespace vesk
