// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "versionsource.h"

#include <map>
#include <stdexcept>

namespace verblock {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

[[noreturn]] void Fail(int line, const std::string& what) {
    throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

std::uint32_t Number(const std::string& text, int line) {
    std::size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(text, &used, 0);
    } catch (const std::exception&) {
        Fail(line, "not a number: " + text);
    }
    if (used != text.size() || value > 0xFFFFFFFFul)
        Fail(line, "not a 32-bit number: " + text);
    return static_cast<std::uint32_t>(value);
}

// A number, or names of the platform's constants joined with '|'.
std::uint32_t Flags(const std::string& text, int line) {
    static const std::map<std::string, std::uint32_t> names = {
        {"none", 0},
        {"VS_FF_DEBUG", 0x01},
        {"VS_FF_PRERELEASE", 0x02},
        {"VS_FF_PATCHED", 0x04},
        {"VS_FF_PRIVATEBUILD", 0x08},
        {"VS_FF_INFOINFERRED", 0x10},
        {"VS_FF_SPECIALBUILD", 0x20},
        {"VOS_UNKNOWN", 0x00000000},
        {"VOS__WINDOWS32", 0x00000004},
        {"VOS_DOS_WINDOWS32", 0x00010004},
        {"VOS_NT", 0x00040000},
        {"VOS_NT_WINDOWS32", 0x00040004},
        {"VFT_UNKNOWN", 0},
        {"VFT_APP", 1},
        {"VFT_DLL", 2},
        {"VFT_STATIC_LIB", 7},
    };
    std::uint32_t value = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto bar = text.find('|', start);
        if (bar == std::string::npos)
            bar = text.size();
        const std::string part = Trim(text.substr(start, bar - start));
        const auto known = names.find(part);
        value |= known != names.end() ? known->second : Number(part, line);
        start = bar + 1;
    }
    return value;
}

// "1.0.0.37" as the two halves of the fixed part.
void Version(const std::string& text, int line, std::uint32_t& ms, std::uint32_t& ls) {
    std::uint32_t parts[4] = {};
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        auto dot = text.find('.', start);
        if ((dot == std::string::npos) != (i == 3))
            Fail(line, "a version has four numbers: " + text);
        if (dot == std::string::npos)
            dot = text.size();
        const std::string part = text.substr(start, dot - start);
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos)
            Fail(line, "a version has four numbers: " + text);
        parts[i] = Number(part, line);
        if (parts[i] > 0xFFFF)
            Fail(line, "a version number is at most 65535: " + text);
        start = dot + 1;
    }
    ms = parts[0] << 16 | parts[1];
    ls = parts[2] << 16 | parts[3];
}

void SetFixed(TFixedInfo& fixed, const std::string& name, const std::string& value, int line) {
    if (name == "FileVersion")
        Version(value, line, fixed.FileVersionMS, fixed.FileVersionLS);
    else if (name == "ProductVersion")
        Version(value, line, fixed.ProductVersionMS, fixed.ProductVersionLS);
    else if (name == "FileFlagsMask")
        fixed.FileFlagsMask = Flags(value, line);
    else if (name == "FileFlags")
        fixed.FileFlags = Flags(value, line);
    else if (name == "FileOS")
        fixed.FileOS = Flags(value, line);
    else if (name == "FileType")
        fixed.FileType = Flags(value, line);
    else if (name == "FileSubtype")
        fixed.FileSubtype = Flags(value, line);
    else if (name == "FileDateMS")
        fixed.FileDateMS = Number(value, line);
    else if (name == "FileDateLS")
        fixed.FileDateLS = Number(value, line);
    else
        Fail(line, "unknown item of the fixed part: " + name);
}

// "0x0419 0x04E3, 0x0409 0x04B0": language and code page pairs.
void AddTranslations(std::vector<std::uint32_t>& out, const std::string& value, int line) {
    std::size_t start = 0;
    while (start <= value.size()) {
        auto comma = value.find(',', start);
        if (comma == std::string::npos)
            comma = value.size();
        const std::string pair = Trim(value.substr(start, comma - start));
        const auto blank = pair.find_first_of(" \t");
        if (blank == std::string::npos)
            Fail(line, "a translation is a language and a code page: " + pair);
        const std::uint32_t language = Number(Trim(pair.substr(0, blank)), line);
        const std::uint32_t codePage = Number(Trim(pair.substr(blank)), line);
        if (language > 0xFFFF || codePage > 0xFFFF)
            Fail(line, "a language or code page is 16 bits: " + pair);
        out.push_back(codePage << 16 | language);
        start = comma + 1;
    }
}

} // namespace

TVersionSource ParseVersionSource(std::istream& in) {
    enum class TSection { None, Fixed, Strings, Translations } section = TSection::None;
    TVersionSource source;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::string text = Trim(raw);
        if (text.empty() || text[0] == '#')
            continue;
        if (text.front() == '[') {
            if (text.back() != ']')
                Fail(line, "unclosed section header");
            const std::string head = Trim(text.substr(1, text.size() - 2));
            if (head == "fixed") {
                section = TSection::Fixed;
            } else if (head == "translations") {
                section = TSection::Translations;
            } else if (head.rfind("strings ", 0) == 0) {
                const std::string key = Trim(head.substr(8));
                if (key.size() != 8 || key.find_first_not_of("0123456789ABCDEF") != key.npos)
                    Fail(line, "a string table key is 8 upper-case hex digits: " + key);
                source.Tables.push_back({key, {}});
                section = TSection::Strings;
            } else {
                Fail(line, "unknown section: " + head);
            }
            continue;
        }
        const auto eq = text.find('=');
        if (eq == std::string::npos)
            Fail(line, "expected Name = value");
        const std::string name = Trim(text.substr(0, eq));
        const std::string value = Trim(text.substr(eq + 1));
        if (name.empty())
            Fail(line, "empty name");
        switch (section) {
        case TSection::None:
            Fail(line, "an item before any section");
        case TSection::Fixed:
            SetFixed(source.Fixed, name, value, line);
            break;
        case TSection::Strings:
            source.Tables.back().Strings.emplace_back(name, value);
            break;
        case TSection::Translations:
            if (name != "Translation")
                Fail(line, "unknown item: " + name);
            AddTranslations(source.Translations, value, line);
            break;
        }
    }
    return source;
}

} // namespace verblock
