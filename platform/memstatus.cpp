// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "memstatus.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace vesk {

namespace {

std::function<std::string()>& Reader() {
    static std::function<std::string()> reader;
    return reader;
}

std::function<TMemoryStatus()>& Source() {
    static std::function<TMemoryStatus()> source;
    return source;
}

std::string ReadProcMeminfo() {
    std::ifstream file("/proc/meminfo");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// "MemTotal:       16318412 kB" as bytes; false for another name or a line without a number.
bool Field(std::string_view line, std::string_view name, std::uint64_t& bytes) {
    if (line.size() <= name.size() || line.substr(0, name.size()) != name ||
        line[name.size()] != ':')
        return false;
    std::string_view rest = line.substr(name.size() + 1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end == rest.data())
        return false;
    const std::string_view unit = rest.substr(static_cast<std::size_t>(end - rest.data()));
    if (unit.find("kB") != std::string_view::npos)
        value = value > UINT64_MAX / 1024 ? UINT64_MAX : value * 1024;
    bytes = value;
    return true;
}

} // namespace

TMemoryStatus MemoryStatusFromText(std::string_view text) {
    std::uint64_t total = 0, available = 0, free = 0, commitLimit = 0, committed = 0;
    bool haveAvailable = false;
    while (!text.empty()) {
        const auto eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        Field(line, "MemTotal", total);
        haveAvailable |= Field(line, "MemAvailable", available);
        Field(line, "MemFree", free);
        Field(line, "CommitLimit", commitLimit);
        Field(line, "Committed_AS", committed);
    }
    if (!haveAvailable)
        available = free;
    if (available > total)
        available = total;

    TMemoryStatus status;
    status.ullTotalPhys = total;
    status.ullAvailPhys = available;
    // The load in whole per cent, rounded down; 128 bits, so that the product cannot overflow.
    if (total > 0)
        status.dwMemoryLoad = static_cast<std::uint32_t>(
            static_cast<unsigned __int128>(total - available) * 100 / total);
    status.ullTotalPageFile = commitLimit;
    status.ullAvailPageFile = commitLimit > committed ? commitLimit - committed : 0;
    return status;
}

void GlobalMemoryStatus(TMemoryStatus* status) {
    if (!status)
        return;
    if (Source())
        *status = Source()();
    else
        *status = MemoryStatusFromText(Reader() ? Reader()() : ReadProcMeminfo());
    status->dwLength = sizeof(TMemoryStatus);
}

void SetMeminfoReader(std::function<std::string()> reader) {
    Reader() = std::move(reader);
}

void SetMemoryStatusSource(std::function<TMemoryStatus()> source) {
    Source() = std::move(source);
}

} // namespace vesk
