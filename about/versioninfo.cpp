// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "versioninfo.h"

#include "verinfo.h"

#include <QByteArray>
#include <QFile>

#include <cstring>

TVersionInfo::TVersionInfo(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    FPath = std::make_unique<char[]>(static_cast<std::size_t>(name.size()) + 1);
    std::memcpy(FPath.get(), name.constData(), static_cast<std::size_t>(name.size()) + 1);
    LoadBlock();
}

TVersionInfo::~TVersionInfo() = default;

void TVersionInfo::LoadBlock() {
    FLoaded = false;
    FBlockSize = static_cast<std::int32_t>(vesk::GetFileVersionInfoSizeA(FPath.get(), &FVerHandle));
    if (FBlockSize <= 0)
        return;
    // Out of memory throws to the creator, with FLoaded still false.
    FBlock = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(FBlockSize));
    FLoaded = vesk::GetFileVersionInfoA(FPath.get(), FVerHandle,
                                        static_cast<std::uint32_t>(FBlockSize), FBlock.get()) != 0;
}

const std::uint32_t* TVersionInfo::TranslationEntry() const {
    if (!FLoaded)
        return nullptr;
    const void* value = nullptr;
    unsigned length = 0;
    if (!vesk::VerQueryValueA(FBlock.get(), "\\VarFileInfo\\Translation", &value, &length))
        return nullptr;
    // A table too short for one entry has none: reading one would run past the value.
    if (length < sizeof(std::uint32_t))
        return nullptr;
    return static_cast<const std::uint32_t*>(value);
}

QString TVersionInfo::TranslationKey() const {
    const std::uint32_t* entry = TranslationEntry();
    if (!entry)
        return {};
    const auto* b = reinterpret_cast<const std::uint8_t*>(entry);
    const std::uint32_t e = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                            std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    // Language first, then code page.
    return QStringLiteral("%1")
        .arg((e & 0xFFFF) << 16 | e >> 16, 8, 16, QLatin1Char('0'))
        .toUpper();
}

QString TVersionInfo::QueryString(const QString& name) const {
    if (!FLoaded)
        return {};
    const QByteArray path =
        (QStringLiteral("\\StringFileInfo\\") + TranslationKey() + '\\' + name).toUtf8();
    char subBlock[256] = {};
    // A longer path names nothing that could be looked up; cut short it might name another.
    if (static_cast<std::size_t>(path.size()) > sizeof subBlock - 1)
        return {};
    std::memcpy(subBlock, path.constData(), static_cast<std::size_t>(path.size()));
    const void* value = nullptr;
    unsigned length = 0;
    if (!vesk::VerQueryValueA(FBlock.get(), subBlock, &value, &length))
        return {};
    // A text ends with its zero inside the answer; anything else (a binary entry where a
    // string should be) is no string, and is never read beyond its length.
    const char* text = static_cast<const char*>(value);
    const std::size_t size = qstrnlen(text, length);
    if (size == length)
        return {};
    return QString::fromUtf8(text, static_cast<qsizetype>(size));
}
