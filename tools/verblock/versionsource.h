// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <utility>
#include <vector>

namespace verblock {

// The fixed part of a version block, in the order of its fields in the file.
struct TFixedInfo {
    std::uint32_t FileVersionMS = 0;
    std::uint32_t FileVersionLS = 0;
    std::uint32_t ProductVersionMS = 0;
    std::uint32_t ProductVersionLS = 0;
    std::uint32_t FileFlagsMask = 0;
    std::uint32_t FileFlags = 0;
    std::uint32_t FileOS = 0;
    std::uint32_t FileType = 0;
    std::uint32_t FileSubtype = 0;
    std::uint32_t FileDateMS = 0;
    std::uint32_t FileDateLS = 0;
};

// One string table: its key (language and code page in hex) and its values, in order.
struct TStringTable {
    std::string Key;
    std::vector<std::pair<std::string, std::string>> Strings; // UTF-8
};

// Everything a version block holds.
struct TVersionSource {
    TFixedInfo Fixed;
    std::vector<TStringTable> Tables;
    std::vector<std::uint32_t> Translations; // language in the low half, code page in the high
};

// Reads the readable form ("[fixed]", "[strings KEY]", "[translations]" sections of
// "Name = value" lines); throws std::runtime_error naming the line at fault.
TVersionSource ParseVersionSource(std::istream& in);

} // namespace verblock
