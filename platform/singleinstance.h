// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

namespace vesk {

class TApplicationService;

// One running game per settings folder, so that two windows never overwrite each other's
// counts. The lock in the folder decides (it also holds where no session bus answers, and
// between sessions sharing a home); the session bus, under the application id, lets a second
// start bring the running window to the front.
class TSingleInstance {
public:
    TSingleInstance(const QString& appId, const QString& folder);
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // Takes the folder's lock; false when a running start holds it. A folder where no lock can
    // be made guards nothing and does not keep the game from starting. Needs no application
    // object.
    bool Claim();
    // After Claim failed: asks the start that holds the lock, over the session bus, to raise
    // its window. False when no bus answers or the application id there belongs to another
    // start. Needs an application object.
    bool RaiseRunning();
    // After Claim: answers activations under the application id (when the bus and the name are
    // free), calling `activate` for each. Needs an application object.
    void Serve(std::function<void()> activate);
    // Whether Serve got the name on the bus.
    bool Serving() const { return FServing; }

    QString LockFileName() const { return FLock.fileName(); }
    // The bus object path of an application id: "net.example.app" → "/net/example/app".
    static QString ObjectPath(const QString& appId);

private:
    QString FAppId;
    QLockFile FLock;
    std::unique_ptr<TApplicationService> FService;
    bool FServing = false;
};

} // namespace vesk
