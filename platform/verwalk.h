// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vesk::verwalk {

// One entry of a version block as found in the bytes, every offset relative to the block's
// start and checked against the end of the entry that holds it.
struct TVerEntry {
    std::size_t Start = 0;
    std::size_t End = 0;    // one past the last byte of the entry, children included
    std::uint16_t Type = 0; // 0 binary, 1 text
    std::size_t KeyStart = 0;
    std::size_t KeyUnits = 0; // 16-bit units, the terminating zero not counted
    std::size_t ValueStart = 0;
    std::size_t ValueBytes = 0;
    std::size_t ChildrenStart = 0;
};

// Reads the entry at `start`, which must lie within [start, limit); false when the bytes do
// not make an entry that fits. A text value longer than its entry is cut at the entry's end.
bool ReadEntry(const std::uint8_t* block, std::size_t limit, std::size_t start, TVerEntry& out);

// The entry that follows `previous` among the children of `parent`; false when none.
bool NextChild(const std::uint8_t* block, const TVerEntry& parent, const TVerEntry* previous,
               TVerEntry& out);

// Does the entry's key equal `name` (UTF-8, letters compared without regard to case)?
bool KeyIs(const std::uint8_t* block, const TVerEntry& entry, std::string_view name);

// The root entry of a block of `size` bytes: "VS_VERSION_INFO" whose length fits.
bool ReadRoot(const std::uint8_t* block, std::size_t size, TVerEntry& out);

// Follows a path of '\'-separated keys from the root; an empty component matches nothing.
bool FindPath(const std::uint8_t* block, const TVerEntry& root, std::string_view path,
              TVerEntry& out);

// Where the UTF-8 form of a text value goes in the spare area, and the room it may take.
inline std::size_t SpareOffset(const TVerEntry& e) {
    return e.ValueStart / 2 * 3;
}
inline std::size_t SpareRoom(const TVerEntry& e) {
    return e.ValueBytes / 2 * 3 + 1;
}
// The spare area needed for a block of `size` bytes.
inline std::size_t SpareSize(std::size_t size) {
    return size / 2 * 3 + 4;
}

// Writes the UTF-8 form of a text value (up to its first zero unit) into `out` of `room`
// bytes, zero-terminated; malformed 16-bit sequences become U+FFFD.
void ToUtf8(const std::uint8_t* block, const TVerEntry& entry, char* out, std::size_t room);

} // namespace vesk::verwalk
