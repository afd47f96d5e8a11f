// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "singleinstance.h"

#include "applicationservice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>

namespace vesk {

namespace {
const QString Interface = QStringLiteral("org.freedesktop.Application");
constexpr int CallTimeoutMs = 5000;
} // namespace

TSingleInstance::TSingleInstance(const QString& appId, const QString& folder)
    : FAppId(appId), FLock(folder + QStringLiteral("/vesk.lock")) {
    // Held for as long as the game runs; a lock left by a start that died is taken over.
    FLock.setStaleLockTime(0);
}

// The bus forgets the name with the process; the lock goes with FLock, after the window
// has stored the settings.
TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ObjectPath(const QString& appId) {
    QString path = QLatin1Char('/') + appId;
    path.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
    return path;
}

bool TSingleInstance::Claim() {
    QDir().mkpath(QFileInfo(FLock.fileName()).absolutePath());
    if (FLock.tryLock())
        return true;
    return FLock.error() != QLockFile::LockFailedError;
}

bool TSingleInstance::RaiseRunning() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    // The name may belong to a start with another settings folder: only the lock's holder is
    // asked.
    qint64 holder = 0;
    if (!FLock.getLockInfo(&holder, nullptr, nullptr))
        return false;
    const QDBusReply<uint> owner = bus.interface()->servicePid(FAppId);
    if (!owner.isValid() || qint64(owner.value()) != holder)
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(FAppId, ObjectPath(FAppId), Interface,
                                                       QStringLiteral("Activate"));
    // The startup token, when a launcher gave one, lets the desktop pass the focus on.
    QVariantMap platformData;
    const QByteArray token = qgetenv("DESKTOP_STARTUP_ID");
    if (!token.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(token));
    const QByteArray activation = qgetenv("XDG_ACTIVATION_TOKEN");
    if (!activation.isEmpty())
        platformData.insert(QStringLiteral("activation-token"), QString::fromUtf8(activation));
    call << platformData;
    // Never started by the bus for this: the holder is running already.
    call.setAutoStartService(false);
    return bus.call(call, QDBus::Block, CallTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

void TSingleInstance::Serve(std::function<void()> activate) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    FService = std::make_unique<TApplicationService>(std::move(activate));
    if (!bus.registerObject(ObjectPath(FAppId), FService.get(), QDBusConnection::ExportAllSlots))
        return;
    // Taken by a start with another settings folder: this one runs without the name.
    FServing = bus.registerService(FAppId);
}

} // namespace vesk
