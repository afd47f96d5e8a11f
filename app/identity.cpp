// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identity.h"

#include "programicon.h"

#include <QApplication>

const char* const AppId = VESK_APP_ID;

void ApplyIdentity() {
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppId));
    QApplication::setWindowIcon(vesk::WindowIcon());
}
