// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings store: where the file lives, what it reads, what it refuses, and that a write
// changes only its own line and never leaves a torn file. Each test works in its own folder.
#include "regfile.h"
#include "registry.h"
#include "settingsfolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using vesk::ERegistryException;
using vesk::TRegistry;

namespace {

const QString Key = QStringLiteral("Software\\Tovrel");
const QByteArray NewFile = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tovrel]\n";

QByteArray WithValues(const QByteArray& lines) {
    return NewFile + lines;
}

// The message of what `f` throws, or "no error".
template <typename F> QString Error(F&& f) {
    try {
        f();
    } catch (const ERegistryException& e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("no error");
}

} // namespace

class TestRegistry : public QObject, public SettingsFolder {
    Q_OBJECT

private slots:
    void init() { MakeFolder(); }

    void cleanup() {
        TRegistry::SetWriteGate(nullptr);
        QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
        dir.reset();
    }

    void fileName() {
        QCOMPARE(TRegistry::FileName(), Path());
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", dir->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", "");
        QCOMPARE(TRegistry::FileName(), dir->filePath(QStringLiteral(".config/Tovrel.reg")));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(TRegistry::FileName(), dir->filePath(QStringLiteral(".config/Tovrel.reg")));
        qputenv("XDG_CONFIG_HOME", "relative/folder");
        QCOMPARE(TRegistry::FileName(), dir->filePath(QStringLiteral(".config/Tovrel.reg")));
        qputenv("HOME", home);
    }

    void openCreatesFolderAndFile() {
        const QString nested = dir->filePath(QStringLiteral("a/b"));
        qputenv("XDG_CONFIG_HOME", nested.toUtf8());
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QFile f(nested + QStringLiteral("/Tovrel.reg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), NewFile);
        QVERIFY(!reg.ValueExists(QStringLiteral("Wins")));
    }

    void openWithoutCreating() {
        TRegistry reg;
        QVERIFY(!reg.OpenKey(Key, false));
        QVERIFY(!QFile::exists(Path()));
        Write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n");
        QVERIFY(!reg.OpenKey(Key, false));
    }

    void openAddsMissingKey() {
        Write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=dword:00000001\n");
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(Read(), QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                                    "\"A\"=dword:00000001\n\n"
                                    "[HKEY_CURRENT_USER\\Software\\Tovrel]\n"));
    }

    void emptyFileCountsAsNew() {
        Write("");
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(Read(), NewFile);
    }

    void readInteger_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("result");
        QTest::newRow("dword") << QByteArray("dword:00000004") << "4";
        QTest::newRow("all ones") << QByteArray("dword:ffffffff") << "-1";
        QTest::newRow("lowest") << QByteArray("dword:80000000") << "-2147483648";
        QTest::newRow("few digits, capitals") << QByteArray("DWORD:7") << "7";
        QTest::newRow("dword as hex(4)") << QByteArray("hex(4):2a,00,00,00") << "42";
        QTest::newRow("short dword") << QByteArray("hex(4):2a") << "42";
        QTest::newRow("empty dword") << QByteArray("hex(4):") << "0";
        QTest::newRow("long dword")
            << QByteArray("hex(4):01,00,00,00,00") << "Failed to get data for 'Wins'";
        QTest::newRow("string of 3") << QByteArray("\"abc\"") << "Invalid data type for 'Wins'";
        QTest::newRow("empty string") << QByteArray("\"\"") << "Invalid data type for 'Wins'";
        QTest::newRow("string of 4") << QByteArray("\"abcd\"") << "Failed to get data for 'Wins'";
        QTest::newRow("escapes count once")
            << QByteArray("\"\\\\\\\"x\"") << "Invalid data type for 'Wins'";
        QTest::newRow("one Cyrillic letter")
            << QByteArray("\"ж\"") << "Invalid data type for 'Wins'";
        QTest::newRow("two Cyrillic letters")
            << QByteArray("\"жж\"") << "Failed to get data for 'Wins'";
        QTest::newRow("binary of 4")
            << QByteArray("hex:01,02,03,04") << "Invalid data type for 'Wins'";
        QTest::newRow("empty binary") << QByteArray("hex:") << "Invalid data type for 'Wins'";
        QTest::newRow("binary of 5")
            << QByteArray("hex:01,02,03,04,05") << "Failed to get data for 'Wins'";
        QTest::newRow("binary over lines")
            << QByteArray("hex:01,02,\\\n  03,04,05") << "Failed to get data for 'Wins'";
        QTest::newRow("qword") << QByteArray("hex(b):01,00,00,00,00,00,00,00")
                               << "Failed to get data for 'Wins'";
        QTest::newRow("expandable string")
            << QByteArray("hex(2):41,00") << "Invalid data type for 'Wins'";
    }

    void readInteger() {
        QFETCH(QByteArray, data);
        QFETCH(QString, result);
        Write(WithValues("\"Wins\"=" + data + "\n"));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QVERIFY(reg.ValueExists(QStringLiteral("Wins")));
        QString got;
        const QString error = Error([&] { got = QString::number(reg.ReadInteger("Wins")); });
        QCOMPARE(error == QStringLiteral("no error") ? got : error, result);
    }

    void missingValue() {
        Write(WithValues("\"Lose\"=dword:00000001\n"));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QVERIFY(!reg.ValueExists(QStringLiteral("Wins")));
        QCOMPARE(Error([&] { reg.ReadInteger("Wins"); }),
                 QStringLiteral("Failed to get data for 'Wins'"));
    }

    void valuesOfOtherKeysDoNotCount() {
        Write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tovrel\\Sub]\n\"Wins\"=dword:00000001\n"
              "[HKEY_CURRENT_USER\\Software\\Tovrel]\n"
              "[HKEY_CURRENT_USER\\Software\\Other]\n\"Lose\"=dword:00000001\n");
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QVERIFY(!reg.ValueExists(QStringLiteral("Wins")));
        QVERIFY(!reg.ValueExists(QStringLiteral("Lose")));
    }

    void namesIgnoreCase() {
        Write("REGEDIT4\n\n[hkey_current_user\\SOFTWARE\\tovrel]\n\"wINS\"=dword:00000003\n");
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ReadInteger(QStringLiteral("Wins")), 3);
        reg.WriteInteger(QStringLiteral("WINS"), 4);
        QCOMPARE(Read(),
                 QByteArray("REGEDIT4\n\n[hkey_current_user\\SOFTWARE\\tovrel]\n\"wINS\"=dword:"
                            "00000004\n"));
    }

    void laterDuplicateCounts() {
        Write(WithValues("\"Wins\"=dword:00000001\n\"Wins\"=dword:00000002\n"
                         "[HKEY_CURRENT_USER\\Software\\Tovrel]\n\"Wins\"=dword:00000003\n"));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ReadInteger(QStringLiteral("Wins")), 3);
        reg.WriteInteger(QStringLiteral("Wins"), 9);
        QCOMPARE(Read(),
                 WithValues("\"Wins\"=dword:00000001\n\"Wins\"=dword:00000002\n"
                            "[HKEY_CURRENT_USER\\Software\\Tovrel]\n\"Wins\"=dword:00000009\n"));
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no header") << QByteArray("[HKEY_CURRENT_USER\\Software\\Tovrel]\n");
        QTest::newRow("other header") << QByteArray("REGEDIT5\n");
        QTest::newRow("header not first") << QByteArray("\nREGEDIT4\n");
        QTest::newRow("key not closed") << QByteArray("REGEDIT4\n[HKEY_CURRENT_USER\n");
        QTest::newRow("value outside a key") << QByteArray("REGEDIT4\n\"Wins\"=dword:1\n");
        QTest::newRow("no equals sign") << WithValues("\"Wins\" dword:1\n");
        QTest::newRow("nine digits") << WithValues("\"Wins\"=dword:000000001\n");
        QTest::newRow("no digits") << WithValues("\"Wins\"=dword:\n");
        QTest::newRow("not hex") << WithValues("\"Wins\"=dword:0000000g\n");
        QTest::newRow("name not closed") << WithValues("\"Wins=dword:00000001\n");
        QTest::newRow("string not closed") << WithValues("\"Wins\"=\"abc\n");
        QTest::newRow("unknown escape") << WithValues("\"Wins\"=\"a\\nb\"\n");
        QTest::newRow("text after string") << WithValues("\"Wins\"=\"a\" b\n");
        QTest::newRow("unknown type") << WithValues("\"Wins\"=qword:1\n");
        QTest::newRow("deletion") << WithValues("\"Wins\"=-\n");
        QTest::newRow("byte of 3 digits") << WithValues("\"Wins\"=hex:123\n");
        QTest::newRow("empty byte") << WithValues("\"Wins\"=hex:01,,02\n");
        QTest::newRow("bad type number") << WithValues("\"Wins\"=hex(zz):01\n");
        QTest::newRow("continued past the end") << WithValues("\"Wins\"=hex:01,\\\n");
        QTest::newRow("a stray word") << WithValues("Wins=1\n");
        QTest::newRow("zero byte") << WithValues(QByteArray("; a\0b\n", 6));
        QTest::newRow("bad UTF-8") << WithValues("; \xC3\x28\n");
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFER\0E\0G\0", 8);
    }

    // Nothing is read from such a file and nothing ever replaces it.
    void refused() {
        QFETCH(QByteArray, bytes);
        Write(bytes);
        TRegistry reg;
        QVERIFY(!reg.OpenKey(Key, true));
        QVERIFY(!reg.ValueExists(QStringLiteral("Wins")));
        QCOMPARE(Error([&] { reg.WriteInteger("Wins", 1); }),
                 QStringLiteral("Failed to set data for 'Wins'"));
        QCOMPARE(Read(), bytes);
    }

    void garbageOfMegabytes() {
        QByteArray garbage(5 << 20, Qt::Uninitialized);
        QRandomGenerator rng(7);
        for (char& c : garbage)
            c = char(rng.bounded(256));
        Write(garbage);
        TRegistry reg;
        QVERIFY(!reg.OpenKey(Key, true));
        QCOMPARE(Read(), garbage);
    }

    void oversizedValidFile() {
        QByteArray big = NewFile;
        while (big.size() <= vesk::TRegFile::MaxFileSize)
            big += "; padding padding padding padding padding padding padding\n";
        Write(big);
        TRegistry reg;
        QVERIFY(!reg.OpenKey(Key, true));
        QCOMPARE(Read(), big);
    }

    void folderInPlaceOfFile() {
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Tovrel.reg")));
        TRegistry reg;
        QVERIFY(!reg.OpenKey(Key, true));
        QVERIFY(QFileInfo(Path()).isDir());
    }

    // Every byte the program does not own stays as it was: comments, other keys, unknown
    // values and types, CR LF line ends, a missing last line end.
    void writeKeepsTheRest() {
        const QByteArray before = "\xEF\xBB\xBFREGEDIT4\r\n\r\n; kept\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                                  "\"Wins\"=dword:00000063\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Tovrel]\r\n"
                                  "\"Name\"=\"x \\\"y\\\" \\\\z\"\r\n"
                                  "\"Wins\"=hex:01,02,\\\r\n  03,04,05\r\n"
                                  "@=\"default\"\r\n"
                                  "\"Multi\"=hex(7):41,00,00,00\r\n"
                                  "; trailing comment";
        Write(before);
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        reg.WriteInteger(QStringLiteral("Wins"), 5);
        reg.WriteInteger(QStringLiteral("Lose"), -2);
        reg.WriteInteger(QStringLiteral("Draw"), 0);
        const QByteArray after = "\xEF\xBB\xBFREGEDIT4\r\n\r\n; kept\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                                 "\"Wins\"=dword:00000063\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Tovrel]\r\n"
                                 "\"Name\"=\"x \\\"y\\\" \\\\z\"\r\n"
                                 "\"Wins\"=dword:00000005\r\n"
                                 "@=\"default\"\r\n"
                                 "\"Multi\"=hex(7):41,00,00,00\r\n"
                                 "\"Lose\"=dword:fffffffe\r\n"
                                 "\"Draw\"=dword:00000000\r\n"
                                 "; trailing comment";
        QCOMPARE(Read(), after);
        QCOMPARE(reg.ReadInteger(QStringLiteral("Lose")), -2);
    }

    void writeAtTheEndWithoutLineEnd() {
        Write(WithValues("\"Draw\"=dword:00000007"));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        reg.WriteInteger(QStringLiteral("Wins"), 1);
        QCOMPARE(Read(), WithValues("\"Draw\"=dword:00000007\n\"Wins\"=dword:00000001\n"));
    }

    void writeEscapesNewNames() {
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        reg.WriteInteger(QStringLiteral("a\"b\\c"), 1);
        QCOMPARE(Read(), WithValues("\"a\\\"b\\\\c\"=dword:00000001\n"));
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ReadInteger(QStringLiteral("a\"b\\c")), 1);
    }

    // A change made to the file by someone else while the key is open is not lost.
    void writeRereadsTheFile() {
        Write(WithValues("\"Wins\"=dword:00000001\n"));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        Write(WithValues("\"Wins\"=dword:00000001\n\"Other\"=\"added\"\n"));
        reg.WriteInteger(QStringLiteral("Wins"), 2);
        QCOMPARE(Read(), WithValues("\"Wins\"=dword:00000002\n\"Other\"=\"added\"\n"));
    }

    void writeAfterTheFileWentBad() {
        Write(WithValues("\"Wins\"=dword:00000001\n"));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        Write("garbage");
        QCOMPARE(Error([&] { reg.WriteInteger("Wins", 2); }),
                 QStringLiteral("Failed to set data for 'Wins'"));
        QCOMPARE(Read(), QByteArray("garbage"));
    }

    // A name with a line break would make the file unreadable: the write is refused.
    void unwritableName() {
        const QByteArray before = WithValues("\"Wins\"=dword:00000001\n");
        Write(before);
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(Error([&] { reg.WriteInteger(QStringLiteral("a\nb"), 2); }),
                 QStringLiteral("Failed to set data for 'a\nb'"));
        // The message is a C string: it ends at the zero.
        QCOMPARE(Error([&] { reg.WriteInteger(QString(QChar(0)), 2); }),
                 QStringLiteral("Failed to set data for '"));
        QCOMPARE(Read(), before);
        QVERIFY(!reg.OpenKey(QStringLiteral("Software\\A\rB"), true));
        QCOMPARE(Read(), before);
    }

    void writeWithoutOpenKey() {
        TRegistry reg;
        QCOMPARE(Error([&] { reg.WriteInteger("Wins", 2); }),
                 QStringLiteral("Failed to set data for 'Wins'"));
        QVERIFY(!QFile::exists(Path()));
    }

    // A write that fails before the rename leaves the old file whole and no temporary behind.
    void failedWriteLeavesOldFile() {
        const QByteArray before = WithValues("\"Wins\"=dword:00000001\n");
        Write(before);
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QStringList asked;
        TRegistry::SetWriteGate([&](const QString& name) {
            asked << name;
            return false;
        });
        QCOMPARE(Error([&] { reg.WriteInteger("Wins", 2); }),
                 QStringLiteral("Failed to set data for 'Wins'"));
        QCOMPARE(asked, QStringList{QStringLiteral("Wins")});
        QCOMPARE(Read(), before);
        QCOMPARE(
            QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{QStringLiteral("Tovrel.reg")});
        // The key still holds what the file holds.
        QCOMPARE(reg.ReadInteger(QStringLiteral("Wins")), 1);
    }

    void readOnlyFile() {
        const QByteArray before = WithValues("\"Wins\"=dword:00000001\n");
        Write(before);
        QVERIFY(QFile::setPermissions(Path(), QFile::ReadOwner | QFile::ReadGroup));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ReadInteger(QStringLiteral("Wins")), 1);
        QCOMPARE(Error([&] { reg.WriteInteger("Wins", 2); }),
                 QStringLiteral("Failed to set data for 'Wins'"));
        QCOMPARE(Read(), before);
    }

    void keyCannotBeOpened_data() {
        QTest::addColumn<QByteArray>("how");
        for (const QByteArray& how : UnopenableCases())
            QTest::newRow(how.constData()) << how;
    }

    // A key that cannot be made on the disk is not opened, and nothing on the disk changes.
    void keyCannotBeOpened() {
        QFETCH(QByteArray, how);
        MakeUnopenable(how);
        const auto before = Everything();
        {
            TOrdinaryFileAccess ordinary;
            TRegistry reg;
            QVERIFY(!reg.OpenKey(Key, true));
            QVERIFY(!reg.ValueExists(QStringLiteral("Wins")));
            QCOMPARE(Error([&] { reg.WriteInteger("Wins", 2); }),
                     QStringLiteral("Failed to set data for 'Wins'"));
        }
        QCOMPARE(Everything(), before);
    }

    // The same folder, writable again, takes the key: the failures above were the folder's.
    void keyOpensWhenWritable_data() { keyCannotBeOpened_data(); }
    void keyOpensWhenWritable() {
        QFETCH(QByteArray, how);
        MakeUnopenable(how);
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                         QFile::WriteOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir->path(), all));
        if (how == "folder names a file")
            QVERIFY(QFile::remove(Path()));
        else if (how == "read-only folder without the file")
            QVERIFY(QFile::setPermissions(folder, all));
        else
            QVERIFY(QFile::setPermissions(Path(), all));
        TOrdinaryFileAccess ordinary;
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QFile f(folder + QStringLiteral("/Tovrel.reg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().endsWith("[HKEY_CURRENT_USER\\Software\\Tovrel]\n"));
    }

    void linkStaysALink() {
        const QString target = dir->filePath(QStringLiteral("real.reg"));
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(NewFile);
        f.close();
        QVERIFY(QFile::link(target, Path()));
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        reg.WriteInteger(QStringLiteral("Wins"), 1);
        QVERIFY(QFileInfo(Path()).isSymLink());
        QCOMPARE(Read(), WithValues("\"Wins\"=dword:00000001\n"));
    }

    void danglingLinkIsNotReplaced() {
        QVERIFY(QFile::link(dir->filePath(QStringLiteral("nowhere")), Path()));
        TRegistry reg;
        QVERIFY(!reg.OpenKey(Key, true));
        QVERIFY(QFileInfo(Path()).isSymLink());
        QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("nowhere"))));
    }

    // Inputs the fuzzer found, each with the name it first got wrong: what reading it gives,
    // then that writing it gives a file that reads it back and keeps the other values.
    void fuzzFindings_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("read");
        // A string given as hex(1) has no terminating zero of its own.
        QTest::newRow("string as hex(1)") << "string-as-hex1-without-zero.reg"
                                          << "Lose"
                                          << "Invalid data type for 'Lose'";
        // A leading U+FEFF is part of a name, not a byte order mark to drop.
        const QString bom = QString(QChar(0xFEFF)) + QChar(0xFEFF) + QStringLiteral("0,01,0");
        QTest::newRow("name starting with U+FEFF")
            << "name-starting-with-bom.reg" << bom
            << QStringLiteral("Failed to get data for '%1'").arg(bom);
    }

    void fuzzFindings() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, read);
        QFile f(QFINDTESTDATA(QStringLiteral("data/registry/") + file));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto parsed = vesk::TRegFile::Parse(bytes);
        QVERIFY(parsed);
        QCOMPARE(parsed->Bytes(), bytes);
        Write(bytes);
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(Error([&] { reg.ReadInteger(name); }), read);
        reg.WriteInteger(name, 7);
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ReadInteger(name), 7);
        const auto again = vesk::TRegFile::Parse(Read());
        QVERIFY(again);
        const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Tovrel");
        for (const char* other : {"Wins", "Lose", "Draw", "NotHintVisible", "NotSpeedGame"}) {
            if (name == QLatin1String(other))
                continue;
            const vesk::TRegValue* before = parsed->Value(key, QLatin1String(other));
            const vesk::TRegValue* after = again->Value(key, QLatin1String(other));
            QCOMPARE(before == nullptr, after == nullptr);
            if (before) {
                QCOMPARE(after->Type, before->Type);
                QCOMPARE(after->Data, before->Data);
            }
        }
    }

    void roundTrip_data() {
        QTest::addColumn<int>("value");
        for (int v : {0, 1, -1, 0x7fffffff, int(0x80000000), 123456789})
            QTest::addRow("%d", v) << v;
    }

    void roundTrip() {
        QFETCH(int, value);
        TRegistry reg;
        QVERIFY(reg.OpenKey(Key, true));
        reg.WriteInteger(QStringLiteral("Wins"), value);
        reg.CloseKey();
        QVERIFY(!reg.ValueExists(QStringLiteral("Wins")));
        QVERIFY(reg.OpenKey(Key, true));
        QCOMPARE(reg.ReadInteger(QStringLiteral("Wins")), value);
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
