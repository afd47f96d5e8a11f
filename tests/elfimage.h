// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small ELF files holding a given section, for the tests of the version block reader.

#include <QByteArray>
#include <QTest>

#include <cstdint>
#include <cstring>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace elfimage {

// What an ELF file looks like around its sections; each field can be spoilt on purpose.
struct ElfParams {
    int Bits = 64;
    bool Big = false;
    QByteArray Name = "vesk_version";
    std::uint32_t Type = 1; // PROGBITS
    std::int64_t OffsetShift = 0;
    std::int64_t SizeShift = 0;
    int EntSize = -1;      // -1: the right one
    int Count = -1;        // e_shnum as written; -1: the right one
    int StrIndex = -1;     // e_shstrndx as written; -1: the right one
    bool Extended = false; // count and string index in section 0, as past 0xFF00 sections
};

class Writer {
public:
    explicit Writer(bool big) : big(big) {}
    void Put(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(std::uint8_t(v >> (8 * (big ? bytes - 1 - i : i))));
    }
    void Set(std::size_t at, std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out[at + i] = std::uint8_t(v >> (8 * (big ? bytes - 1 - i : i)));
    }
    void Pad(std::size_t align) {
        while (out.size() % align)
            out.push_back(0);
    }
    Bytes out;
    bool big;
};

// Header, string table, the section's bytes, then the headers of sections null, .shstrtab and
// the named one.
inline Bytes ElfImage(const Bytes& data, const ElfParams& p = {}) {
    const bool wide = p.Bits == 64;
    const int word = wide ? 8 : 4;
    const int headerSize = wide ? 64 : 52;
    const int entSize = wide ? 64 : 40;
    Writer w(p.Big);
    w.out.assign(headerSize, 0);
    std::memcpy(w.out.data(),
                "\x7F"
                "ELF",
                4);
    w.out[4] = wide ? 2 : 1;
    w.out[5] = p.Big ? 2 : 1;
    w.out[6] = 1;
    const std::size_t strOff = w.out.size();
    const QByteArray strings = QByteArray("\0.shstrtab\0", 11) + p.Name + '\0';
    w.out.insert(w.out.end(), strings.begin(), strings.end());
    w.Pad(4);
    const std::size_t dataOff = w.out.size();
    w.out.insert(w.out.end(), data.begin(), data.end());
    w.Pad(8);
    const std::size_t shoff = w.out.size();
    auto section = [&](std::uint32_t name, std::uint32_t type, std::uint64_t off,
                       std::uint64_t size, std::uint32_t link) {
        const std::size_t start = w.out.size();
        w.Put(name, 4);
        w.Put(type, 4);
        w.Put(0, word); // flags
        w.Put(0, word); // address
        w.Put(off, word);
        w.Put(size, word);
        w.Put(link, 4);
        w.Put(0, 4);    // info
        w.Put(1, word); // alignment
        w.Put(0, word); // entry size
        // A header of the wrong size would make every later offset a lie.
        QTest::qVerify(w.out.size() - start == std::size_t(entSize), "section header size",
                       "a section header of the wrong size", __FILE__, __LINE__);
    };
    section(0, 0, 0, p.Extended ? 3 : 0, p.Extended ? 1 : 0);
    section(1, 3, strOff, std::uint64_t(strings.size()), 0);
    section(11, p.Type, std::uint64_t(std::int64_t(dataOff) + p.OffsetShift),
            std::uint64_t(std::int64_t(data.size()) + p.SizeShift), 0);
    if (wide) {
        w.Set(0x28, shoff, 8);
        w.Set(0x34, headerSize, 2);
    } else {
        w.Set(0x20, shoff, 4);
        w.Set(0x28, headerSize, 2);
    }
    const std::size_t at = wide ? 0x3A : 0x2E;
    w.Set(at, p.EntSize < 0 ? entSize : p.EntSize, 2);
    w.Set(at + 2, p.Count >= 0 ? p.Count : p.Extended ? 0 : 3, 2);
    w.Set(at + 4, p.StrIndex >= 0 ? p.StrIndex : p.Extended ? 0xFFFF : 1, 2);
    return w.out;
}

} // namespace elfimage

using elfimage::ElfImage;
using elfimage::ElfParams;
