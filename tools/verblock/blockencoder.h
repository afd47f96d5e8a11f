// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "versionsource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace verblock {

// One entry of the block: a key, a value (binary, or text written as 16-bit units with
// their terminating zero) and the entries below it. A text entry without a text value is a
// container: its value length is 0.
struct TNode {
    std::string Key; // UTF-8
    bool Text = false;
    std::vector<std::uint8_t> Value;      // binary value
    std::optional<std::string> TextValue; // UTF-8
    std::vector<TNode> Children;
};

// UTF-8 to 16-bit units; throws std::runtime_error on bytes that are not UTF-8.
std::u16string Utf16(const std::string& utf8);

// The published layout: 16-bit length, value length, type, key, every part 32-bit aligned.
// Throws std::runtime_error when an entry would exceed 65535 bytes.
std::vector<std::uint8_t> Encode(const TNode& root);

// The root "VS_VERSION_INFO" with the fixed part, "StringFileInfo" and "VarFileInfo".
TNode BuildTree(const TVersionSource& source);

// The 52 bytes of the fixed part, signature and structure version included.
std::vector<std::uint8_t> FixedInfoBytes(const TFixedInfo& fixed);

inline std::vector<std::uint8_t> EncodeVersionBlock(const TVersionSource& source) {
    return Encode(BuildTree(source));
}

} // namespace verblock
