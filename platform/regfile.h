// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk {

// Value types as the registry numbers them.
enum TRegType : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
};

struct TRegValue {
    std::uint32_t Type = REG_NONE;
    QByteArray Data; // as the registry holds it: a string with its terminating zero
};

// The text of a registry export ("REGEDIT4"), kept line by line so that writing one value
// leaves every other byte of the file as it was. Key and value names compare without regard
// to case, as in the registry; of two equal names the later one counts.
class TRegFile {
public:
    // Larger files are refused unread: the store holds a handful of values.
    static constexpr qint64 MaxFileSize = 1 << 20;

    // Nothing when the bytes are not such a file (no header, a line that is neither blank,
    // comment, key nor a well-formed value, a value outside any key, bad UTF-8, a zero byte).
    static std::optional<TRegFile> Parse(const QByteArray& bytes);
    // A new file holding only the header and the empty key.
    static TRegFile New(const QString& key);

    // Whether a key or value name fits in a line of the file: no line break and no zero.
    static bool CanHold(const QString& name);

    bool HasKey(const QString& key) const;
    // False, changing nothing, for a name the format cannot hold (empty, or with a line
    // break or a zero).
    [[nodiscard]] bool AddKey(const QString& key);
    // The value, or null; valid until the next change.
    const TRegValue* Value(const QString& key, const QString& name) const;
    // Replaces the value's line in place, or adds it after the last value of the key's last
    // section (adding the key when missing). False, changing nothing, for a name or key the
    // format cannot hold.
    [[nodiscard]] bool SetDWord(const QString& key, const QString& name, std::uint32_t value);
    QByteArray Bytes() const;

private:
    struct TEntry {
        QByteArray Raw; // the physical lines, line ends included
        int Section = -1;
        bool IsKey = false;
        bool IsValue = false;
        QString Name;
        TRegValue Value;
    };

    int FindValue(const QString& key, const QString& name) const;
    bool SectionIs(int section, const QString& key) const;
    void EndLastLine();

    std::vector<TEntry> FEntries;
    std::vector<QString> FSections; // key name of each section, in file order
    QByteArray FNewline = "\n";
};

} // namespace vesk
