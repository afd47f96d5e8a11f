// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationservice.h"

namespace vesk {

void TApplicationService::Activate(const QVariantMap&) {
    FActivate();
}

void TApplicationService::Open(const QStringList&, const QVariantMap&) {
    FActivate();
}

void TApplicationService::ActivateAction(const QString&, const QVariantList&, const QVariantMap&) {
    FActivate();
}

} // namespace vesk
