// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

namespace vesk {

// The version information functions over the block that our executables carry in their
// "vesk_version" ELF section. Strings come back in UTF-8, this platform's 8-bit code page.
//
// The buffer that the read fills holds the block, a marker, and a spare area where the read
// has already put every text value in UTF-8 (the block itself keeps its 16-bit text); the
// size query reports room for all of it. The query reads nothing beyond that buffer, whatever
// bytes the file held.

// The size of the buffer the read needs, or 0 when the file has no readable version block.
// `handle` (may be null) is set to 0.
std::uint32_t GetFileVersionInfoSizeA(const char* path, std::uint32_t* handle);

// Fills `data` of `size` bytes; non-zero on success. Fails, and writes nothing, when the file
// has no block or `size` is less than the size query reported (the block is never cut short).
int GetFileVersionInfoA(const char* path, std::uint32_t handle, std::uint32_t size, void* data);

// Looks up a '\'-separated path in a buffer that the read filled: "\" for the fixed part,
// "\VarFileInfo\Translation", "\StringFileInfo\041904E3\ProductName". Non-zero when the path
// exists; `value` then points into the buffer (a text as zero-terminated UTF-8) and `length`
// is its size in bytes (a text's terminating zero included).
int VerQueryValueA(const void* block, const char* subBlock, const void** value, unsigned* length);

// The same over bytes already in memory: the buffer size that `section` (the raw bytes of the
// section) needs, 0 when they hold no block; and the fill, false when they hold none or the
// buffer is too small.
std::size_t VersionBufferSize(const std::uint8_t* section, std::size_t sectionSize);
bool FillVersionBuffer(const std::uint8_t* section, std::size_t sectionSize, void* data,
                       std::size_t size);

} // namespace vesk
