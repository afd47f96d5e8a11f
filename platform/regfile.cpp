// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "regfile.h"

#include <QList>
#include <QStringDecoder>

namespace vesk {

namespace {

const QByteArray Header = "REGEDIT4";
const QByteArray Bom = "\xEF\xBB\xBF";

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexDigit(char c) {
    if (c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// A name as it stands: QString::fromUtf8 would drop a leading U+FEFF, and the name would no
// longer be found under itself.
QString Text(const QByteArray& utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

// 1 to `maxDigits` hex digits and nothing else.
std::optional<std::uint32_t> HexNumber(const QByteArray& text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    std::uint32_t n = 0;
    for (char c : text) {
        if (!IsHex(c))
            return std::nullopt;
        n = n << 4 | std::uint32_t(HexDigit(c));
    }
    return n;
}

bool StartsWithNoCase(const QByteArray& text, const char* prefix) {
    const QByteArray p(prefix);
    return text.left(p.size()).toLower() == p;
}

// A quoted string from `pos` (at the opening quote); only \\ and \" are escapes. Leaves `pos`
// after the closing quote.
std::optional<QByteArray> Quoted(const QByteArray& text, qsizetype& pos) {
    if (pos >= text.size() || text[pos] != '"')
        return std::nullopt;
    QByteArray out;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c == '\\') {
            if (++pos >= text.size() || (text[pos] != '\\' && text[pos] != '"'))
                return std::nullopt;
        }
        out += text[pos];
    }
    return std::nullopt;
}

QByteArray Escaped(const QString& name) {
    QByteArray out;
    for (char c : name.toUtf8()) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

// "01,ff,..." with an optional trailing comma.
std::optional<QByteArray> HexBytes(const QByteArray& list) {
    QByteArray out;
    if (list.trimmed().isEmpty())
        return out;
    const QList<QByteArray> items = list.split(',');
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QByteArray item = items[i].trimmed();
        if (item.isEmpty() && i == items.size() - 1 && i > 0)
            break;
        const auto byte = HexNumber(item, 2);
        if (!byte)
            return std::nullopt;
        out += char(*byte);
    }
    return out;
}

std::optional<TRegValue> Data(const QByteArray& data) {
    TRegValue v;
    if (data.startsWith('"')) {
        qsizetype pos = 0;
        auto text = Quoted(data, pos);
        if (!text || pos != data.size())
            return std::nullopt;
        v.Type = REG_SZ;
        v.Data = *text + '\0';
        return v;
    }
    if (StartsWithNoCase(data, "dword:")) {
        const auto n = HexNumber(data.mid(6), 8);
        if (!n)
            return std::nullopt;
        v.Type = REG_DWORD;
        for (int i = 0; i < 4; ++i)
            v.Data += char(*n >> (8 * i));
        return v;
    }
    if (StartsWithNoCase(data, "hex:")) {
        v.Type = REG_BINARY;
        auto bytes = HexBytes(data.mid(4));
        if (!bytes)
            return std::nullopt;
        v.Data = *bytes;
        return v;
    }
    if (StartsWithNoCase(data, "hex(")) {
        const qsizetype close = data.indexOf("):");
        if (close < 0)
            return std::nullopt;
        const auto type = HexNumber(data.mid(4, close - 4), 8);
        auto bytes = HexBytes(data.mid(close + 2));
        if (!type || !bytes)
            return std::nullopt;
        v.Type = *type;
        v.Data = *bytes;
        return v;
    }
    return std::nullopt;
}

struct TLine {
    QByteArray Raw;     // with its line end
    QByteArray Content; // without it, trimmed
};

std::vector<TLine> Lines(const QByteArray& bytes) {
    std::vector<TLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        TLine line;
        line.Raw = bytes.mid(start, end - start);
        line.Content = line.Raw.trimmed();
        lines.push_back(std::move(line));
        start = end;
    }
    return lines;
}

QByteArray LineEnd(const QByteArray& raw) {
    if (raw.endsWith("\r\n"))
        return "\r\n";
    if (raw.endsWith('\n'))
        return "\n";
    return {};
}

} // namespace

std::optional<TRegFile> TRegFile::Parse(const QByteArray& bytes) {
    if (bytes.size() > MaxFileSize || bytes.contains('\0'))
        return std::nullopt;
    QByteArray text = bytes;
    const bool bom = text.startsWith(Bom);
    if (bom)
        text.remove(0, Bom.size());
    std::vector<TLine> lines = Lines(text);
    if (lines.empty() || lines[0].Content != Header)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(text);
    Q_UNUSED(decoded);
    if (utf8.hasError())
        return std::nullopt;

    TRegFile file;
    if (bom)
        lines[0].Raw.prepend(Bom);
    const QByteArray firstEnd = LineEnd(lines[0].Raw);
    if (!firstEnd.isEmpty())
        file.FNewline = firstEnd;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        TEntry entry;
        entry.Raw = lines[i].Raw;
        const QByteArray& content = lines[i].Content;
        if (i == 0 || content.isEmpty() || content.startsWith(';')) {
            // header, blank line or comment
        } else if (content.startsWith('[')) {
            if (content.size() < 2 || !content.endsWith(']'))
                return std::nullopt;
            entry.IsKey = true;
            entry.Name = Text(content.mid(1, content.size() - 2));
            file.FSections.push_back(entry.Name);
        } else if (content.startsWith('"') || content.startsWith('@')) {
            if (file.FSections.empty())
                return std::nullopt;
            qsizetype pos = 0;
            QByteArray name;
            if (content.startsWith('@')) {
                pos = 1;
            } else {
                auto quoted = Quoted(content, pos);
                if (!quoted)
                    return std::nullopt;
                name = *quoted;
            }
            const QByteArray rest = content.mid(pos).trimmed();
            if (!rest.startsWith('='))
                return std::nullopt;
            QByteArray data = rest.mid(1).trimmed();
            // Binary data may go on over lines ending in a backslash.
            if (StartsWithNoCase(data, "hex")) {
                while (data.endsWith('\\')) {
                    if (++i >= lines.size())
                        return std::nullopt;
                    data.chop(1);
                    data += lines[i].Content;
                    entry.Raw += lines[i].Raw;
                }
            }
            auto value = Data(data);
            if (!value)
                return std::nullopt;
            entry.IsValue = true;
            entry.Name = Text(name);
            entry.Value = std::move(*value);
        } else {
            return std::nullopt;
        }
        entry.Section = int(file.FSections.size()) - 1;
        file.FEntries.push_back(std::move(entry));
    }
    return file;
}

bool TRegFile::CanHold(const QString& name) {
    return !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')) &&
           !name.contains(QChar(0));
}

TRegFile TRegFile::New(const QString& key) {
    TRegFile file = *Parse(Header + "\n");
    (void)file.AddKey(key);
    return file;
}

bool TRegFile::SectionIs(int section, const QString& key) const {
    return section >= 0 && FSections[std::size_t(section)].compare(key, Qt::CaseInsensitive) == 0;
}

bool TRegFile::HasKey(const QString& key) const {
    for (std::size_t s = 0; s < FSections.size(); ++s)
        if (SectionIs(int(s), key))
            return true;
    return false;
}

void TRegFile::EndLastLine() {
    if (!FEntries.empty() && LineEnd(FEntries.back().Raw).isEmpty())
        FEntries.back().Raw += FNewline;
}

bool TRegFile::AddKey(const QString& key) {
    if (key.isEmpty() || !CanHold(key))
        return false;
    EndLastLine();
    if (!FEntries.empty() && !FEntries.back().Raw.trimmed().isEmpty()) {
        TEntry blank;
        blank.Raw = FNewline;
        blank.Section = FEntries.back().Section;
        FEntries.push_back(std::move(blank));
    }
    TEntry entry;
    entry.IsKey = true;
    entry.Name = key;
    entry.Raw = '[' + key.toUtf8() + ']' + FNewline;
    FSections.push_back(key);
    entry.Section = int(FSections.size()) - 1;
    FEntries.push_back(std::move(entry));
    return true;
}

int TRegFile::FindValue(const QString& key, const QString& name) const {
    for (auto i = qsizetype(FEntries.size()) - 1; i >= 0; --i) {
        const TEntry& e = FEntries[std::size_t(i)];
        if (e.IsValue && e.Name.compare(name, Qt::CaseInsensitive) == 0 &&
            SectionIs(e.Section, key))
            return int(i);
    }
    return -1;
}

const TRegValue* TRegFile::Value(const QString& key, const QString& name) const {
    const int i = FindValue(key, name);
    return i < 0 ? nullptr : &FEntries[std::size_t(i)].Value;
}

bool TRegFile::SetDWord(const QString& key, const QString& name, std::uint32_t value) {
    if (!CanHold(name) || !CanHold(key))
        return false;
    TRegValue v;
    v.Type = REG_DWORD;
    for (int i = 0; i < 4; ++i)
        v.Data += char(value >> (8 * i));
    const QByteArray data = "=dword:" + QByteArray::number(value, 16).rightJustified(8, '0');

    const int found = FindValue(key, name);
    if (found >= 0) {
        TEntry& e = FEntries[std::size_t(found)];
        const QByteArray end = LineEnd(e.Raw);
        // The default value keeps its "@".
        const bool isDefault = e.Raw.trimmed().startsWith('@');
        e.Raw = (isDefault ? QByteArray("@") : '"' + Escaped(e.Name) + '"') + data + end;
        e.Value = std::move(v);
        return true;
    }

    if (!HasKey(key) && !AddKey(key))
        return false;
    // After the last value of the key's last section, or right after its key line.
    std::size_t at = 0;
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        const TEntry& e = FEntries[i];
        if (SectionIs(e.Section, key) && (e.IsKey || e.IsValue))
            at = i + 1;
    }
    TEntry& before = FEntries[at - 1];
    if (LineEnd(before.Raw).isEmpty())
        before.Raw += FNewline;
    TEntry entry;
    entry.IsValue = true;
    entry.Name = name;
    entry.Section = before.Section;
    entry.Value = std::move(v);
    entry.Raw = '"' + Escaped(name) + '"' + data + FNewline;
    FEntries.insert(FEntries.begin() + qsizetype(at), std::move(entry));
    return true;
}

QByteArray TRegFile::Bytes() const {
    QByteArray out;
    for (const TEntry& e : FEntries)
        out += e.Raw;
    return out;
}

} // namespace vesk
