// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "elfsection.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace vesk {

namespace {

constexpr std::uint32_t ShtNull = 0;
constexpr std::uint32_t ShtNobits = 8;
constexpr std::uint16_t ShnXindex = 0xFFFF;

struct TReader {
    bool Big = false;
    std::uint64_t Get(const std::uint8_t* p, int bytes) const {
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= std::uint64_t(p[Big ? bytes - 1 - i : i]) << (8 * i);
        return v;
    }
};

// The layout of the headers, for one ELF class.
struct TLayout {
    std::size_t HeaderSize, ShOff, ShEntSize, ShNum, ShStrNdx, WordSize;
    std::size_t SecSize, SecType, SecOffset, SecSizeField, SecLink;
};
constexpr TLayout Elf32 = {52, 0x20, 0x2E, 0x30, 0x32, 4, 40, 4, 16, 20, 24};
constexpr TLayout Elf64 = {64, 0x28, 0x3A, 0x3C, 0x3E, 8, 64, 4, 24, 32, 40};

struct TSection {
    std::uint32_t Name = 0;
    std::uint32_t Type = 0;
    std::uint64_t Offset = 0;
    std::uint64_t Size = 0;
    std::uint32_t Link = 0;
};

TSection Decode(const std::uint8_t* p, const TLayout& l, const TReader& r) {
    TSection s;
    s.Name = static_cast<std::uint32_t>(r.Get(p, 4));
    s.Type = static_cast<std::uint32_t>(r.Get(p + l.SecType, 4));
    s.Offset = r.Get(p + l.SecOffset, static_cast<int>(l.WordSize));
    s.Size = r.Get(p + l.SecSizeField, static_cast<int>(l.WordSize));
    s.Link = static_cast<std::uint32_t>(r.Get(p + l.SecLink, 4));
    return s;
}

bool Within(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) {
    return offset <= fileSize && size <= fileSize - offset;
}

} // namespace

bool ReadFileAt(int fd, std::uint64_t offset, void* buffer, std::size_t size) {
    auto* out = static_cast<std::uint8_t*>(buffer);
    while (size > 0) {
        const ssize_t n = ::pread(fd, out, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        out += n;
        offset += static_cast<std::uint64_t>(n);
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool FindElfSection(int fd, std::uint64_t fileSize, std::string_view name, TElfSection& out) {
    std::uint8_t header[64] = {};
    if (fileSize < 52 || !ReadFileAt(fd, 0, header, std::min<std::uint64_t>(fileSize, 64)))
        return false;
    if (std::memcmp(header,
                    "\x7F"
                    "ELF",
                    4) != 0)
        return false;
    const TLayout* layout = header[4] == 1 ? &Elf32 : header[4] == 2 ? &Elf64 : nullptr;
    if (!layout || (header[5] != 1 && header[5] != 2) || fileSize < layout->HeaderSize)
        return false;
    const TLayout& l = *layout;
    const TReader r{header[5] == 2};

    const std::uint64_t shoff = r.Get(header + l.ShOff, static_cast<int>(l.WordSize));
    const std::uint64_t entSize = r.Get(header + l.ShEntSize, 2);
    std::uint64_t count = r.Get(header + l.ShNum, 2);
    std::uint64_t strIndex = r.Get(header + l.ShStrNdx, 2);
    if (shoff == 0 || entSize < l.SecSize || !Within(shoff, entSize, fileSize))
        return false;

    std::vector<std::uint8_t> entry(l.SecSize);
    if (!ReadFileAt(fd, shoff, entry.data(), entry.size()))
        return false;
    const TSection first = Decode(entry.data(), l, r);
    // Past 0xFF00 sections the real count and string table index live in section 0.
    if (count == 0)
        count = first.Size;
    if (strIndex == ShnXindex)
        strIndex = first.Link;
    if (count == 0 || count > (fileSize - shoff) / entSize || strIndex >= count)
        return false;

    if (!ReadFileAt(fd, shoff + strIndex * entSize, entry.data(), entry.size()))
        return false;
    const TSection strings = Decode(entry.data(), l, r);
    if (strings.Type == ShtNobits || !Within(strings.Offset, strings.Size, fileSize))
        return false;

    // The section headers, a chunk at a time; the names only of those that could match.
    const std::uint64_t perChunk = std::max<std::uint64_t>(1, 16384 / entSize);
    std::vector<std::uint8_t> chunk;
    std::vector<char> candidate(name.size() + 1);
    for (std::uint64_t base = 0; base < count; base += perChunk) {
        const std::uint64_t n = std::min(perChunk, count - base);
        chunk.resize(static_cast<std::size_t>(n * entSize));
        if (!ReadFileAt(fd, shoff + base * entSize, chunk.data(), chunk.size()))
            return false;
        for (std::uint64_t i = 0; i < n; ++i) {
            const TSection s = Decode(chunk.data() + i * entSize, l, r);
            if (s.Type == ShtNull || s.Type == ShtNobits || !Within(s.Offset, s.Size, fileSize))
                continue;
            if (s.Name >= strings.Size || strings.Size - s.Name < candidate.size())
                continue;
            if (!ReadFileAt(fd, strings.Offset + s.Name, candidate.data(), candidate.size()))
                return false;
            if (candidate.back() == '\0' &&
                std::string_view(candidate.data(), name.size()) == name) {
                out = {s.Offset, s.Size};
                return true;
            }
        }
    }
    return false;
}

} // namespace vesk
