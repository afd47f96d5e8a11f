// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blockencoder.h"

#include <stdexcept>

namespace verblock {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Append16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Append16(out, v & 0xFFFF);
    Append16(out, v >> 16);
}

void Align(std::vector<std::uint8_t>& out) {
    while (out.size() % 4 != 0)
        out.push_back(0);
}

void AppendText(std::vector<std::uint8_t>& out, const std::u16string& text) {
    for (char16_t unit : text)
        Append16(out, unit);
    Append16(out, 0);
}

void EncodeInto(std::vector<std::uint8_t>& out, const TNode& node) {
    // Offsets are aligned relative to the block, which starts the vector.
    Align(out);
    const std::size_t start = out.size();
    const bool hasText = node.Text && node.TextValue;
    const std::u16string text = hasText ? Utf16(*node.TextValue) : std::u16string();
    std::size_t valueLength = 0;
    if (hasText)
        valueLength = text.size() + 1; // in 16-bit units, the terminating zero included
    else if (node.Text)
        valueLength = 0;
    else
        valueLength = node.Value.size();
    if (valueLength > 0xFFFF)
        throw std::runtime_error("value too long: " + node.Key);
    Append16(out, 0); // length, set below
    Append16(out, static_cast<std::uint32_t>(valueLength));
    Append16(out, node.Text ? 1 : 0);
    AppendText(out, Utf16(node.Key));
    Align(out);
    if (hasText)
        AppendText(out, text);
    else if (!node.Text)
        out.insert(out.end(), node.Value.begin(), node.Value.end());
    for (const TNode& child : node.Children)
        EncodeInto(out, child);
    const std::size_t length = out.size() - start;
    if (length > 0xFFFF)
        throw std::runtime_error("entry longer than 65535 bytes: " + node.Key);
    Put16(out, start, static_cast<std::uint32_t>(length));
}

TNode TextNode(const std::string& key, const std::string& value) {
    TNode n;
    n.Key = key;
    n.Text = true;
    n.TextValue = value;
    return n;
}

} // namespace

std::u16string Utf16(const std::string& utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            throw std::runtime_error("not UTF-8: " + utf8);
        }
        if (i + extra >= utf8.size())
            throw std::runtime_error("truncated UTF-8: " + utf8);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80)
                throw std::runtime_error("not UTF-8: " + utf8);
            cp = cp << 6 | (c & 0x3F);
        }
        static const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            throw std::runtime_error("not UTF-8: " + utf8);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
    return out;
}

std::vector<std::uint8_t> Encode(const TNode& root) {
    std::vector<std::uint8_t> out;
    EncodeInto(out, root);
    return out;
}

std::vector<std::uint8_t> FixedInfoBytes(const TFixedInfo& f) {
    std::vector<std::uint8_t> out;
    for (std::uint32_t v : {0xFEEF04BDu, 0x00010000u, f.FileVersionMS, f.FileVersionLS,
                            f.ProductVersionMS, f.ProductVersionLS, f.FileFlagsMask, f.FileFlags,
                            f.FileOS, f.FileType, f.FileSubtype, f.FileDateMS, f.FileDateLS})
        Append32(out, v);
    return out;
}

TNode BuildTree(const TVersionSource& source) {
    TNode root;
    root.Key = "VS_VERSION_INFO";
    root.Value = FixedInfoBytes(source.Fixed);

    TNode strings;
    strings.Key = "StringFileInfo";
    strings.Text = true;
    for (const TStringTable& table : source.Tables) {
        TNode t;
        t.Key = table.Key;
        t.Text = true;
        for (const auto& [name, value] : table.Strings)
            t.Children.push_back(TextNode(name, value));
        strings.Children.push_back(t);
    }

    TNode vars;
    vars.Key = "VarFileInfo";
    vars.Text = true;
    TNode translation;
    translation.Key = "Translation";
    for (std::uint32_t entry : source.Translations)
        Append32(translation.Value, entry);
    vars.Children.push_back(translation);

    if (!source.Tables.empty())
        root.Children.push_back(strings);
    if (!source.Translations.empty())
        root.Children.push_back(vars);
    return root;
}

} // namespace verblock
