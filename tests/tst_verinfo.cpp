// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The version block functions and TVersionInfo: our own executable, files without a block,
// crafted blocks and damaged ELF files.
#include "blockencoder.h"
#include "elfimage.h"
#include "elfsection.h"
#include "verinfo.h"
#include "versioninfo.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString ProductName = QStringLiteral("Игра в \"Веска\"");

verblock::TStringTable Table(const char* key, const QString& product,
                             const QString& version = QStringLiteral("1.0.0.37")) {
    return {key,
            {{"FileVersion", version.toStdString()},
             {"LegalCopyright", "© 2026"},
             {"ProductName", product.toStdString()}}};
}

verblock::TVersionSource Source(std::vector<verblock::TStringTable> tables,
                                std::vector<std::uint32_t> translations) {
    verblock::TVersionSource s;
    s.Fixed.FileVersionMS = 0x00010000;
    s.Fixed.FileVersionLS = 37;
    s.Tables = std::move(tables);
    s.Translations = std::move(translations);
    return s;
}

verblock::TVersionSource Ours() {
    return Source({Table("041904E3", ProductName)}, {0x04E30419});
}

Bytes Encode(const verblock::TVersionSource& s) {
    return verblock::EncodeVersionBlock(s);
}

// A buffer filled as the read fills it, from raw section bytes; empty when they hold no block.
Bytes Filled(const Bytes& section) {
    const std::size_t size = vesk::VersionBufferSize(section.data(), section.size());
    Bytes buffer(size);
    if (size == 0 || !vesk::FillVersionBuffer(section.data(), section.size(), buffer.data(), size))
        return {};
    return buffer;
}

QString Query(const Bytes& buffer, const char* path) {
    const void* value = nullptr;
    unsigned length = 0;
    if (!vesk::VerQueryValueA(buffer.data(), path, &value, &length))
        return QStringLiteral("<none>");
    return QString::fromUtf8(static_cast<const char*>(value));
}

// Does every query answer with bytes inside the buffer, a text ending with its zero?
bool AnswersInside(const Bytes& buffer) {
    static const char* const paths[] = {"\\",
                                        "",
                                        "\\VarFileInfo",
                                        "\\VarFileInfo\\Translation",
                                        "\\StringFileInfo",
                                        "\\StringFileInfo\\041904E3",
                                        "\\StringFileInfo\\041904E3\\ProductName",
                                        "\\StringFileInfo\\041904E3\\FileVersion",
                                        "\\StringFileInfo\\041904E3\\LegalCopyright",
                                        "\\StringFileInfo\\\\ProductName",
                                        "\\a\\b\\c\\d"};
    for (const char* path : paths) {
        const void* value = nullptr;
        unsigned length = 0;
        if (!vesk::VerQueryValueA(buffer.data(), path, &value, &length))
            continue;
        const auto* p = static_cast<const std::uint8_t*>(value);
        if (p < buffer.data() || p + length > buffer.data() + buffer.size())
            return false;
    }
    return true;
}

} // namespace

class TestVerInfo : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Write(const QString& name, const Bytes& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    QString WriteBlock(const QString& name, const Bytes& block, const ElfParams& p = {}) {
        return Write(name, ElfImage(block, p));
    }

private slots:
    void ownExecutable_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("vesk") << QStringLiteral(VESK_EXECUTABLE);
        QTest::newRow("this test") << QCoreApplication::applicationFilePath();
    }
    void ownExecutable() {
        QFETCH(QString, path);
        const TVersionInfo info(path);
        QVERIFY(info.FLoaded);
        QVERIFY(info.FBlockSize > 0);
        QCOMPARE(info.ReadFileVersion(), QStringLiteral("1.0.0.37"));
        QCOMPARE(info.TranslationKey(), QStringLiteral("041904E3"));
        QCOMPARE(info.ReadProductName(), ProductName);
        QVERIFY(info.ReadLegalCopyright().contains(QStringLiteral("2026")));
        QCOMPARE(QByteArray(info.FPath.get()), QFile::encodeName(path));
    }

    void ownStringTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("CompanyName") << "CompanyName"
                                     << "Мастерская «Зелёное сукно»";
        QTest::newRow("FileDescription") << "FileDescription"
                                         << "Игра в подкидного веска";
        QTest::newRow("FileVersion") << "FileVersion"
                                     << "1.0.0.37";
        QTest::newRow("InternalName") << "InternalName"
                                      << "VESK";
        QTest::newRow("LegalCopyright") << "LegalCopyright"
                                        << "© 2026 Мастерская «Зелёное сукно»";
        QTest::newRow("LegalTrademarks") << "LegalTrademarks"
                                         << "";
        QTest::newRow("OriginalFilename") << "OriginalFilename"
                                          << "Vesk.EXE";
        QTest::newRow("ProductName") << "ProductName" << ProductName;
        QTest::newRow("ProductVersion") << "ProductVersion"
                                        << "1.0.0.0";
        QTest::newRow("Comments") << "Comments"
                                  << "Популярная карточная игра";
        QTest::newRow("absent") << "Version"
                                << "";
    }
    void ownStringTable() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        const TVersionInfo info(QStringLiteral(VESK_EXECUTABLE));
        QCOMPARE(info.QueryString(name), value);
    }

    void ownFixedPartAndTranslation() {
        const TVersionInfo info(QStringLiteral(VESK_EXECUTABLE));
        QVERIFY(info.FLoaded);
        const void* value = nullptr;
        unsigned length = 0;
        QVERIFY(vesk::VerQueryValueA(info.FBlock.get(), "\\", &value, &length));
        QCOMPARE(length, 52u);
        std::uint32_t f[13];
        std::memcpy(f, value, sizeof f);
        QCOMPARE(f[0], 0xFEEF04BDu); // signature
        QCOMPARE(f[2], 0x00010000u); // file version 1.0
        QCOMPARE(f[3], 0x00000025u); // .0.37
        QCOMPARE(f[4], 0x00010000u); // product version 1.0
        QCOMPARE(f[5], 0x00000025u); // .0.37
        QCOMPARE(f[7], 0u);          // no flags
        QCOMPARE(f[8], 0x00000004u); // 32-bit Windows
        QCOMPARE(f[9], 1u);          // application
        QVERIFY(
            vesk::VerQueryValueA(info.FBlock.get(), "\\VarFileInfo\\Translation", &value, &length));
        QCOMPARE(length, 4u);
        std::uint32_t entry;
        std::memcpy(&entry, value, 4);
        QCOMPARE(entry, 0x04E30419u);
        QVERIFY(info.TranslationEntry());
    }

    void noBlock_data() {
        QTest::addColumn<QString>("path");
        QVERIFY(dir.isValid());
        QTest::newRow("ELF without the section") << QStringLiteral("/bin/true");
        QTest::newRow("text file") << Write("notes.txt", Bytes{'V', 'S', '_', '\n'});
        QTest::newRow("empty file") << Write("empty", {});
        QTest::newRow("missing path") << dir.filePath("nothing-here");
        QTest::newRow("directory") << dir.path();
        QTest::newRow("empty path") << QString();
        QTest::newRow("section without a block") << WriteBlock("zeros", Bytes(64, 0));
        QTest::newRow("other section name")
            << WriteBlock("other", Encode(Ours()), {.Name = "vesk_versio"});
        QTest::newRow("longer section name")
            << WriteBlock("longer", Encode(Ours()), {.Name = "vesk_version2"});
        QTest::newRow("section without bytes") << WriteBlock("nobits", Encode(Ours()), {.Type = 8});
    }
    void noBlock() {
        QFETCH(QString, path);
        std::uint32_t handle = 77;
        QCOMPARE(vesk::GetFileVersionInfoSizeA(QFile::encodeName(path).constData(), &handle), 0u);
        QCOMPARE(handle, 0u);
        const TVersionInfo info(path);
        QVERIFY(!info.FLoaded);
        QVERIFY(info.FBlockSize <= 0);
        QVERIFY(!info.FBlock);
        QVERIFY(!info.TranslationEntry());
        QCOMPARE(info.TranslationKey(), QString());
        QCOMPARE(info.ReadProductName(), QString());
        QCOMPARE(info.ReadFileVersion(), QString());
        QCOMPARE(info.ReadLegalCopyright(), QString());
    }

    void fifoDoesNotHang() {
        const QByteArray path = QFile::encodeName(dir.filePath("fifo"));
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        QCOMPARE(vesk::GetFileVersionInfoSizeA(path.constData(), nullptr), 0u);
    }

    void craftedBlocks_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("version");
        const QString english = QStringLiteral("Durak-like");
        QTest::newRow("first translation names a missing table")
            << WriteBlock("missing", Encode(Source({Table("041904E3", ProductName)},
                                                   {0x04B00409, 0x04E30419})))
            << "040904B0"
            << ""
            << "";
        QTest::newRow("two translations, the first used")
            << WriteBlock("two", Encode(Source({Table("041904E3", ProductName),
                                                Table("040904B0", english, "2.0.0.0")},
                                               {0x04E30419, 0x04B00409})))
            << "041904E3" << ProductName << "1.0.0.37";
        QTest::newRow("two translations, the other first")
            << WriteBlock("two-other", Encode(Source({Table("041904E3", ProductName),
                                                      Table("040904B0", english, "2.0.0.0")},
                                                     {0x04B00409, 0x04E30419})))
            << "040904B0" << english << "2.0.0.0";
        QTest::newRow("no translation table")
            << WriteBlock("untranslated", Encode(Source({Table("041904E3", ProductName)}, {})))
            << ""
            << ""
            << "";
        QTest::newRow("no string table")
            << WriteBlock("nostrings", Encode(Source({}, {0x04E30419}))) << "041904E3"
            << ""
            << "";
        QTest::newRow("32-bit ELF") << WriteBlock("elf32", Encode(Ours()), {.Bits = 32})
                                    << "041904E3" << ProductName << "1.0.0.37";
        QTest::newRow("big-endian ELF") << WriteBlock("elfbe", Encode(Ours()), {.Big = true})
                                        << "041904E3" << ProductName << "1.0.0.37";
        QTest::newRow("section count in section 0")
            << WriteBlock("extended", Encode(Ours()), {.Extended = true}) << "041904E3"
            << ProductName << "1.0.0.37";
        Bytes padded = Encode(Ours());
        padded.resize(padded.size() + 100, 0xEE);
        QTest::newRow("section longer than the block")
            << WriteBlock("padded", padded) << "041904E3" << ProductName << "1.0.0.37";
    }
    void craftedBlocks() {
        QFETCH(QString, path);
        QFETCH(QString, key);
        QFETCH(QString, product);
        QFETCH(QString, version);
        const TVersionInfo info(path);
        QVERIFY(info.FLoaded);
        QCOMPARE(info.TranslationKey(), key);
        QCOMPARE(info.ReadProductName(), product);
        QCOMPARE(info.ReadFileVersion(), version);
        QCOMPARE(info.ReadLegalCopyright(), product.isEmpty() ? QString() : "© 2026");
    }

    void translationTooShort() {
        // A table of 2 bytes holds no 32-bit entry; nothing past it may be read as one.
        verblock::TNode root = verblock::BuildTree(Ours());
        root.Children.back().Children.back().Value = {0x19, 0x04};
        const TVersionInfo info(WriteBlock("short-translation", verblock::Encode(root)));
        QVERIFY(info.FLoaded);
        QVERIFY(!info.TranslationEntry());
        QCOMPARE(info.TranslationKey(), QString());
        QCOMPARE(info.ReadProductName(), QString());
    }

    void binaryEntryWhereAStringShouldBe() {
        // ProductName typed binary, its two bytes raw 16-bit text with no zero after them.
        verblock::TNode root = verblock::BuildTree(Ours());
        for (verblock::TNode& n : root.Children.front().Children.front().Children) {
            if (n.Key == "ProductName") {
                n.Text = false;
                n.TextValue.reset();
                n.Value = {0x18, 0x04};
            }
        }
        const TVersionInfo info(WriteBlock("binary-string", verblock::Encode(root)));
        QVERIFY(info.FLoaded);
        QCOMPARE(info.ReadProductName(), QString());
        QCOMPARE(info.ReadFileVersion(), QStringLiteral("1.0.0.37"));
    }

    void textConversion_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("Cyrillic") << "Веска";
        QTest::newRow("beyond 16 bits") << "\U0001F0A1 туз";
        QTest::newRow("empty") << "";
        QTest::newRow("quotes and signs") << "«\"©\"»";
    }
    void textConversion() {
        QFETCH(QString, value);
        const TVersionInfo info(
            WriteBlock("text", Encode(Source({Table("041904E3", value)}, {0x04E30419}))));
        QCOMPARE(info.ReadProductName(), value);
    }

    void loneSurrogateBecomesReplacement() {
        verblock::TNode root = verblock::BuildTree(Ours());
        Bytes block = verblock::Encode(root);
        // "В" of the product name (U+0412) made a lone high surrogate.
        const Bytes needle = {0x12, 0x04, 0x35, 0x04, 0x41, 0x04}; // "Вес"
        auto at = std::search(block.begin(), block.end(), needle.begin(), needle.end());
        QVERIFY(at != block.end());
        at[0] = 0x00;
        at[1] = 0xD8;
        const Bytes buffer = Filled(block);
        QCOMPARE(Query(buffer, "\\StringFileInfo\\041904E3\\ProductName"),
                 QStringLiteral("Игра в \"\uFFFDеска\""));
    }

    void pathRules_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");
        QTest::newRow("as written") << "\\StringFileInfo\\041904E3\\ProductName" << ProductName;
        QTest::newRow("keys in other case")
            << "\\stringfileinfo\\041904e3\\PRODUCTNAME" << ProductName;
        QTest::newRow("no leading backslash")
            << "StringFileInfo\\041904E3\\ProductName" << ProductName;
        QTest::newRow("trailing backslash")
            << "\\StringFileInfo\\041904E3\\ProductName\\" << ProductName;
        QTest::newRow("empty key") << "\\StringFileInfo\\\\ProductName"
                                   << "<none>";
        QTest::newRow("double backslash") << "\\\\StringFileInfo"
                                          << "<none>";
        QTest::newRow("part of a key") << "\\StringFileInfo\\041904E3\\Product"
                                       << "<none>";
        QTest::newRow("longer than a key") << "\\StringFileInfo\\041904E3\\ProductNames"
                                           << "<none>";
        QTest::newRow("below a string") << "\\StringFileInfo\\041904E3\\ProductName\\x"
                                        << "<none>";
        QTest::newRow("a container") << "\\StringFileInfo"
                                     << "";
    }
    void pathRules() {
        QFETCH(QString, path);
        QFETCH(QString, result);
        const Bytes buffer = Filled(Encode(Ours()));
        QVERIFY(!buffer.empty());
        QCOMPARE(Query(buffer, path.toUtf8().constData()), result);
    }

    void pathOfMoreThan255Characters() {
        // Such a key exists, but the path to it does not fit the 256-character buffer.
        const std::string longName(240, 'N');
        const std::string fitting(230, 'F');
        verblock::TVersionSource s = Ours();
        s.Tables[0].Strings.push_back({longName, "too far"});
        s.Tables[0].Strings.push_back({fitting, "near enough"});
        const TVersionInfo info(WriteBlock("long", Encode(s)));
        QVERIFY(info.FLoaded);
        QCOMPARE(info.QueryString(QString::fromStdString(longName)), QString());
        QCOMPARE(info.QueryString(QString::fromStdString(fitting)), QStringLiteral("near enough"));
    }

    void bufferTooSmall() {
        const QByteArray path = QFile::encodeName(WriteBlock("ours", Encode(Ours())));
        std::uint32_t handle = 0;
        const std::uint32_t size = vesk::GetFileVersionInfoSizeA(path.constData(), &handle);
        // Room for the block and for its texts in UTF-8.
        QVERIFY(size > Encode(Ours()).size());
        Bytes buffer(size + 8, 0xAB);
        QCOMPARE(vesk::GetFileVersionInfoA(path.constData(), handle, size - 1, buffer.data()), 0);
        QVERIFY(
            std::all_of(buffer.begin(), buffer.end(), [](std::uint8_t b) { return b == 0xAB; }));
        QCOMPARE(vesk::GetFileVersionInfoA(path.constData(), handle, size, buffer.data()), 1);
        QVERIFY(std::all_of(buffer.begin() + size, buffer.end(),
                            [](std::uint8_t b) { return b == 0xAB; }));
        QCOMPARE(vesk::GetFileVersionInfoA(path.constData(), handle, size, nullptr), 0);
    }

    void rawBlockIsNotABuffer() {
        // The bytes alone, without what the read adds, answer nothing.
        Bytes block = Encode(Ours());
        block.resize(block.size() + 8, 0);
        const void* value = nullptr;
        unsigned length = 0;
        QCOMPARE(vesk::VerQueryValueA(block.data(), "\\", &value, &length), 0);
        QCOMPARE(vesk::VerQueryValueA(nullptr, "\\", &value, &length), 0);
        QVERIFY(!value);
    }

    void truncatedSections() {
        // The section cut short of the length its block states: no block at all.
        const Bytes block = Encode(Ours());
        for (std::size_t n = 0; n < block.size(); ++n) {
            const Bytes cut(block.begin(), block.begin() + std::ptrdiff_t(n));
            QCOMPARE(vesk::VersionBufferSize(cut.data(), cut.size()), std::size_t(0));
        }
        for (std::size_t n : {std::size_t(0), std::size_t(5), std::size_t(60), block.size() - 1}) {
            const Bytes cut(block.begin(), block.begin() + std::ptrdiff_t(n));
            const TVersionInfo info(WriteBlock(QStringLiteral("cut%1").arg(n), cut));
            QVERIFY(!info.FLoaded);
            QCOMPARE(info.ReadProductName(), QString());
        }
    }

    void truncatedBlocks() {
        // The block itself cut short, its length field saying so: what is cut off reads empty,
        // what remains reads as before.
        const Bytes block = Encode(Ours());
        for (std::size_t n = 6; n < block.size(); ++n) {
            Bytes cut(block.begin(), block.begin() + std::ptrdiff_t(n));
            cut[0] = std::uint8_t(n);
            cut[1] = std::uint8_t(n >> 8);
            const Bytes buffer = Filled(cut);
            if (buffer.empty())
                continue;
            QVERIFY2(AnswersInside(buffer), qPrintable(QString::number(n)));
            const QString product = Query(buffer, "\\StringFileInfo\\041904E3\\ProductName");
            QVERIFY2(product == "<none>" || ProductName.startsWith(product),
                     qPrintable(QString::number(n) + ": " + product));
        }
        // With the translation table at the end, any cut leaves no key, so no value.
        Bytes cut(block.begin(), block.end() - 4);
        cut[0] = std::uint8_t(cut.size());
        cut[1] = std::uint8_t(cut.size() >> 8);
        const TVersionInfo info(WriteBlock("cut-translation", cut));
        QVERIFY(info.FLoaded);
        QCOMPARE(info.TranslationKey(), QString());
        QCOMPARE(info.ReadProductName(), QString());
    }

    void corruptedBlocks_data() {
        QTest::addColumn<int>("offset"); // negative: from the end of the block
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loaded");
        // Offsets into the block of Ours(): the root at 0, "StringFileInfo" at 0x5C, the table
        // "041904E3" at 0x80, its first string at 0x98; the translation 36 bytes before the end.
        QTest::newRow("root length 0") << 0 << QByteArray("\0\0", 2) << false;
        QTest::newRow("root length 5") << 0 << QByteArray("\5\0", 2) << false;
        QTest::newRow("root key changed") << 6 << QByteArray("W\0", 2) << false;
        QTest::newRow("root type 2") << 4 << QByteArray("\2\0", 2) << false;
        QTest::newRow("fixed part longer than the root") << 2 << QByteArray("\xFF\xFF", 2) << false;
        QTest::newRow("string table longer than its parent")
            << 0x80 << QByteArray("\xFF\x7F", 2) << true;
        QTest::newRow("string info key without its zero")
            << 0x5C << QByteArray("\x0A\0", 2) << true;
        QTest::newRow("translation value longer than its entry")
            << -34 << QByteArray("\x40\0", 2) << true;
    }
    void corruptedBlocks() {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loaded);
        Bytes block = Encode(Ours());
        const std::size_t at = offset >= 0 ? std::size_t(offset) : block.size() + offset;
        std::memcpy(block.data() + at, bytes.constData(), std::size_t(bytes.size()));
        const TVersionInfo info(WriteBlock("corrupt", block));
        QCOMPARE(info.FLoaded, loaded);
        QCOMPARE(info.ReadProductName(), QString());
        QCOMPARE(info.ReadFileVersion(), QString());
        if (info.FLoaded) {
            const Bytes buffer(info.FBlock.get(), info.FBlock.get() + info.FBlockSize);
            QVERIFY(AnswersInside(buffer));
        }
    }

    void corruptedLayoutOffsets() {
        // The offsets the corruption table relies on.
        const Bytes block = Encode(Ours());
        QCOMPARE(block[0x5C + 6], std::uint8_t('S'));
        QCOMPARE(block[0x80 + 6], std::uint8_t('0'));
        QCOMPARE(block[block.size() - 36 + 6], std::uint8_t('T'));
        QCOMPARE(block[block.size() - 34], std::uint8_t(4));
    }

    void everyByteSpoilt() {
        // Whatever one byte becomes, every answer lies inside the buffer.
        const Bytes block = Encode(Ours());
        int loaded = 0;
        for (std::size_t i = 0; i < block.size(); ++i) {
            for (std::uint8_t b : {std::uint8_t(0x00), std::uint8_t(0xFF), std::uint8_t(0x07),
                                   std::uint8_t(block[i] ^ 0x80)}) {
                Bytes spoilt = block;
                spoilt[i] = b;
                const Bytes buffer = Filled(spoilt);
                if (buffer.empty())
                    continue;
                ++loaded;
                QVERIFY2(AnswersInside(buffer), qPrintable(QStringLiteral("byte %1").arg(i)));
            }
        }
        QVERIFY(loaded > 0);
    }

    void damagedElfFiles_data() {
        QTest::addColumn<QString>("path");
        const Bytes block = Encode(Ours());
        QTest::newRow("section beyond the file")
            << WriteBlock("beyond", block, {.OffsetShift = 1 << 20});
        QTest::newRow("section running past the end")
            << WriteBlock("past", block, {.SizeShift = 1 << 20});
        QTest::newRow("section offset wrapping around")
            << WriteBlock("wrap", block, {.OffsetShift = -(std::int64_t(1) << 62)});
        QTest::newRow("string table index out of range")
            << WriteBlock("strindex", block, {.StrIndex = 3});
        QTest::newRow("string table is the null section")
            << WriteBlock("strnull", block, {.StrIndex = 0});
        QTest::newRow("far too many sections") << WriteBlock("count", block, {.Count = 0xFEFF});
        QTest::newRow("no sections") << WriteBlock("nocount", block, {.Count = 0});
        QTest::newRow("section headers too small") << WriteBlock("entsize", block, {.EntSize = 8});
        Bytes header = ElfImage(block);
        header.resize(60);
        QTest::newRow("only the header") << Write("header", header);
        Bytes badClass = ElfImage(block);
        badClass[4] = 3;
        QTest::newRow("unknown class") << Write("class", badClass);
        Bytes badOrder = ElfImage(block);
        badOrder[5] = 0;
        QTest::newRow("unknown byte order") << Write("order", badOrder);
    }
    void damagedElfFiles() {
        QFETCH(QString, path);
        const TVersionInfo info(path);
        QVERIFY(!info.FLoaded);
        QCOMPARE(info.ReadProductName(), QString());
    }

    void sectionFoundByName() {
        // The section's place as the ELF reader reports it holds the block itself.
        const Bytes block = Encode(Ours());
        const QByteArray path = QFile::encodeName(WriteBlock("find", block, {.Bits = 32}));
        const int fd = ::open(path.constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        vesk::TElfSection section;
        const bool found = vesk::FindElfSection(
            fd, std::uint64_t(QFileInfo(QFile::decodeName(path)).size()), "vesk_version", section);
        Bytes read(section.Size);
        const bool readBack =
            found && vesk::ReadFileAt(fd, section.Offset, read.data(), read.size());
        ::close(fd);
        QVERIFY(found);
        QVERIFY(readBack);
        QVERIFY(read == block);
    }
};

QTEST_GUILESS_MAIN(TestVerInfo)
#include "tst_verinfo.moc"
