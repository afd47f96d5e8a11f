// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file's parser over any bytes. A file it takes must come back byte for byte,
// and writing a value into it must give a file it takes again, holding that value and
// everything else as it was.
#include "regfile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

const QString Key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tovrel");

bool HoldsDWord(const vesk::TRegFile& file, const QString& key, const QString& name,
                std::uint32_t value) {
    const vesk::TRegValue* v = file.Value(key, name);
    if (!v || v->Type != vesk::REG_DWORD || v->Data.size() != 4)
        return false;
    std::uint32_t n = 0;
    for (int i = 0; i < 4; ++i)
        n |= std::uint32_t(std::uint8_t(v->Data[i])) << (8 * i);
    return n == value;
}

// Writes `name` := `value` and checks the result.
void WriteAndReread(const vesk::TRegFile& file, const QString& key, const QString& name,
                    std::uint32_t value) {
    vesk::TRegFile changed = file;
    if (!changed.SetDWord(key, name, value)) {
        Check(!vesk::TRegFile::CanHold(name) || !vesk::TRegFile::CanHold(key) || key.isEmpty());
        Check(changed.Bytes() == file.Bytes());
        return;
    }
    const QByteArray bytes = changed.Bytes();
    const auto again = vesk::TRegFile::Parse(bytes);
    if (bytes.size() > vesk::TRegFile::MaxFileSize)
        return;
    Check(again.has_value());
    Check(again->Bytes() == bytes);
    Check(HoldsDWord(*again, key, name, value));
    // The other values of the program's key are as they were.
    for (const char* other : {"Wins", "Lose", "Draw", "NotHintVisible", "NotSpeedGame"}) {
        const QString n = QString::fromLatin1(other);
        if (n.compare(name, Qt::CaseInsensitive) == 0 || key.compare(Key, Qt::CaseInsensitive))
            continue;
        const vesk::TRegValue* before = file.Value(key, n);
        const vesk::TRegValue* after = again->Value(key, n);
        Check((before == nullptr) == (after == nullptr));
        if (before)
            Check(before->Type == after->Type && before->Data == after->Data);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto file = vesk::TRegFile::Parse(bytes);
    if (!file)
        return 0;
    Check(file->Bytes() == bytes);

    WriteAndReread(*file, Key, QStringLiteral("Wins"), 0xffffffffu);
    WriteAndReread(*file, Key, QStringLiteral("NotSpeedGame"), 1);
    // Names and keys taken from the input: quotes, backslashes, odd letters.
    const QString tail = QString::fromUtf8(bytes.right(12));
    WriteAndReread(*file, Key, tail, 7);
    WriteAndReread(*file, QString::fromUtf8(bytes.left(10)), QStringLiteral("Draw"), 3);
    return 0;
}
