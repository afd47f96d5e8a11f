// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vesk {

// The machine's memory figures. The counts are 64-bit: with 32-bit byte counts every machine
// with more than 4 GB would show a wrong total. The virtual address space figures are not
// kept: nothing shows them.
struct TMemoryStatus {
    std::uint32_t dwLength = sizeof(TMemoryStatus);
    std::uint32_t dwMemoryLoad = 0;     // per cent in use, 0 to 100
    std::uint64_t ullTotalPhys = 0;     // bytes
    std::uint64_t ullAvailPhys = 0;     // bytes
    std::uint64_t ullTotalPageFile = 0; // bytes: the commit limit
    std::uint64_t ullAvailPageFile = 0; // bytes: what may still be committed
};

// The figures from the text of /proc/meminfo: load = (MemTotal - MemAvailable) * 100 / MemTotal
// rounded down, physical = MemTotal and MemAvailable, paging = CommitLimit and
// CommitLimit - Committed_AS (not below 0). Missing lines count as 0; without MemAvailable
// (kernels before 3.14) MemFree stands in.
TMemoryStatus MemoryStatusFromText(std::string_view meminfo);

// Fills `status` with the machine's figures now.
void GlobalMemoryStatus(TMemoryStatus* status);

// Seams for tests: where the text comes from (default: /proc/meminfo), or the figures
// themselves. An empty function restores the default.
void SetMeminfoReader(std::function<std::string()> reader);
void SetMemoryStatusSource(std::function<TMemoryStatus()> source);

} // namespace vesk
