// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// Reads the version block of an executable file and hands out its string values by name.
// The block is read once, by the constructor.
class TVersionInfo {
public:
    explicit TVersionInfo(const QString& path);
    virtual ~TVersionInfo();
    TVersionInfo(const TVersionInfo&) = delete;
    TVersionInfo& operator=(const TVersionInfo&) = delete;

    // The first entry of the translation table (language in the low 16 bits, code page in
    // the high ones, little-endian), or none.
    const std::uint32_t* TranslationEntry() const;
    // The string table's key, "041904E3" for Russian in code page 1251; empty without one.
    QString TranslationKey() const;
    QString QueryString(const QString& name) const;
    QString ReadFileVersion() const { return QueryString(QStringLiteral("FileVersion")); }
    QString ReadLegalCopyright() const { return QueryString(QStringLiteral("LegalCopyright")); }
    QString ReadProductName() const { return QueryString(QStringLiteral("ProductName")); }

    std::unique_ptr<char[]> FPath; // the path in the file system's 8-bit encoding
    bool FLoaded = false;          // the block was read completely
    std::int32_t FBlockSize = 0;   // 0 or less: there is none
    std::unique_ptr<std::uint8_t[]> FBlock;
    std::uint32_t FVerHandle = 0;

private:
    void LoadBlock();
};
