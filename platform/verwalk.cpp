// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "verwalk.h"

namespace vesk::verwalk {

namespace {

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::size_t Align4(std::size_t offset) {
    return (offset + 3) & ~std::size_t(3);
}

// Walks 16-bit units, joining surrogate pairs; a zero unit ends the text.
template <typename Emit> void DecodeUnits(const std::uint8_t* p, std::size_t units, Emit&& emit) {
    for (std::size_t i = 0; i < units; ++i) {
        char32_t cp = Read16(p + 2 * i);
        if (cp == 0)
            return;
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units) {
            const char32_t low = Read16(p + 2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD;
        if (!emit(cp))
            return;
    }
}

int EncodeUtf8(char32_t cp, char* out) {
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<char>(0xC0 | cp >> 6);
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<char>(0xE0 | cp >> 12);
        out[1] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | cp >> 18);
    out[1] = static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

char FoldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool ReadEntry(const std::uint8_t* block, std::size_t limit, std::size_t start, TVerEntry& out) {
    if (start > limit || limit - start < 6)
        return false;
    const std::size_t length = Read16(block + start);
    const std::size_t valueLength = Read16(block + start + 2);
    const std::uint16_t type = Read16(block + start + 4);
    if (length < 6 || length > limit - start || type > 1)
        return false;
    TVerEntry e;
    e.Start = start;
    e.End = start + length;
    e.Type = type;
    e.KeyStart = start + 6;
    std::size_t p = e.KeyStart;
    for (;;) {
        if (e.End - p < 2)
            return false; // the key has no terminating zero inside the entry
        const std::uint16_t unit = Read16(block + p);
        p += 2;
        if (unit == 0)
            break;
    }
    e.KeyUnits = (p - e.KeyStart) / 2 - 1;
    e.ValueStart = Align4(p) < e.End ? Align4(p) : e.End;
    const std::size_t room = e.End - e.ValueStart;
    if (type == 1) {
        e.ValueBytes = valueLength * 2 < room ? valueLength * 2 : room;
    } else {
        if (valueLength > room)
            return false;
        e.ValueBytes = valueLength;
    }
    const std::size_t children = Align4(e.ValueStart + e.ValueBytes);
    e.ChildrenStart = children < e.End ? children : e.End;
    out = e;
    return true;
}

bool NextChild(const std::uint8_t* block, const TVerEntry& parent, const TVerEntry* previous,
               TVerEntry& out) {
    const std::size_t at = previous ? Align4(previous->End) : parent.ChildrenStart;
    return ReadEntry(block, parent.End, at, out);
}

bool KeyIs(const std::uint8_t* block, const TVerEntry& entry, std::string_view name) {
    std::size_t matched = 0;
    bool same = true;
    DecodeUnits(block + entry.KeyStart, entry.KeyUnits, [&](char32_t cp) {
        char bytes[4];
        const int n = EncodeUtf8(cp, bytes);
        for (int i = 0; i < n; ++i) {
            if (matched >= name.size() || FoldAscii(bytes[i]) != FoldAscii(name[matched])) {
                same = false;
                return false;
            }
            ++matched;
        }
        return true;
    });
    return same && matched == name.size();
}

bool ReadRoot(const std::uint8_t* block, std::size_t size, TVerEntry& out) {
    return ReadEntry(block, size, 0, out) && KeyIs(block, out, "VS_VERSION_INFO");
}

bool FindPath(const std::uint8_t* block, const TVerEntry& root, std::string_view path,
              TVerEntry& out) {
    if (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    TVerEntry current = root;
    while (!path.empty()) {
        const auto slash = path.find('\\');
        const std::string_view key = path.substr(0, slash);
        path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
        if (key.empty())
            return false;
        TVerEntry child;
        bool found = NextChild(block, current, nullptr, child);
        while (found && !KeyIs(block, child, key)) {
            const TVerEntry previous = child;
            found = NextChild(block, current, &previous, child);
        }
        if (!found)
            return false;
        current = child;
    }
    out = current;
    return true;
}

void ToUtf8(const std::uint8_t* block, const TVerEntry& entry, char* out, std::size_t room) {
    if (room == 0)
        return;
    std::size_t used = 0;
    DecodeUnits(block + entry.ValueStart, entry.ValueBytes / 2, [&](char32_t cp) {
        char bytes[4];
        const int n = EncodeUtf8(cp, bytes);
        if (room - 1 - used < static_cast<std::size_t>(n))
            return false;
        for (int i = 0; i < n; ++i)
            out[used++] = bytes[i];
        return true;
    });
    out[used] = '\0';
}

} // namespace vesk::verwalk
