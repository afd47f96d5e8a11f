// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

namespace vesk {

// The desktop's interface of a running application on the session bus: a desktop (or a second
// start) activates it, and the running window comes to the front. The game opens no files and
// has no actions, so every call activates.
class TApplicationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit TApplicationService(std::function<void()> activate, QObject* parent = nullptr)
        : QObject(parent), FActivate(std::move(activate)) {}

public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    std::function<void()> FActivate;
};

} // namespace vesk
