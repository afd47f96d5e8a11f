// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

namespace vesk {

// Where a section's bytes lie in an ELF file (32- or 64-bit, either byte order).
struct TElfSection {
    std::uint64_t Offset = 0;
    std::uint64_t Size = 0;
};

// Finds the first section called `name` that has bytes in the file open on `fd`, whose size is
// `fileSize`. Every header, name and extent is checked against the file; false when the file
// is no ELF file, is damaged, or has no such section.
bool FindElfSection(int fd, std::uint64_t fileSize, std::string_view name, TElfSection& out);

// Reads exactly `size` bytes at `offset`; false on an error or a short file.
bool ReadFileAt(int fd, std::uint64_t offset, void* buffer, std::size_t size);

} // namespace vesk
