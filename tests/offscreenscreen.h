// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryFile>

#include <memory>

// Before the application is made: the offscreen platform shows one screen of `size` ("WxH"),
// its whole area free. The file it reads must live until then; null when it cannot be written.
inline std::unique_ptr<QTemporaryFile> UseOffscreenScreen(const QByteArray& size) {
    const QList<QByteArray> wh = size.split('x');
    auto config = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/vesk-screen-XXXXXX.json");
    if (!config->open())
        return nullptr;
    config->write("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": " +
                  wh.value(0) + ", \"height\": " + wh.value(1) +
                  ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}");
    config->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config->fileName().toLocal8Bit());
    return config;
}
