// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The memory figures read from the kernel's meminfo text.
#include "memstatus.h"

#include <QTest>

namespace {
constexpr std::uint64_t KB = 1024;
constexpr std::uint64_t GB = KB * KB * KB;

QString Meminfo(std::uint64_t totalKb, std::uint64_t availKb, std::uint64_t limitKb,
                std::uint64_t committedKb) {
    return QStringLiteral("MemTotal:       %1 kB\n"
                          "MemFree:          123456 kB\n"
                          "MemAvailable:   %2 kB\n"
                          "Buffers:          888 kB\n"
                          "CommitLimit:    %3 kB\n"
                          "Committed_AS:   %4 kB\n"
                          "HugePages_Total:       0\n")
        .arg(totalKb)
        .arg(availKb)
        .arg(limitKb)
        .arg(committedKb);
}
} // namespace

Q_DECLARE_METATYPE(std::uint64_t)

class TestMemStatus : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        vesk::SetMeminfoReader(nullptr);
        vesk::SetMemoryStatusSource(nullptr);
    }

    void fromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("load");
        QTest::addColumn<std::uint64_t>("totalPhys");
        QTest::addColumn<std::uint64_t>("availPhys");
        QTest::addColumn<std::uint64_t>("totalPage");
        QTest::addColumn<std::uint64_t>("availPage");

        QTest::newRow("a 16 GB machine")
            << Meminfo(16318412, 9000000, 24000000, 10000000) << 44u << 16318412 * KB
            << 9000000 * KB << 24000000 * KB << 14000000 * KB;
        QTest::newRow("load rounded down") << Meminfo(1000, 1, 0, 0) << 99u << 1000 * KB << KB
                                           << std::uint64_t(0) << std::uint64_t(0);
        QTest::newRow("nothing in use") << Meminfo(65536, 65536, 100, 50) << 0u << 65536 * KB
                                        << 65536 * KB << 100 * KB << 50 * KB;
        QTest::newRow("more committed than the limit")
            << Meminfo(4096, 1024, 2048, 3000) << 75u << 4096 * KB << 1024 * KB << 2048 * KB
            << std::uint64_t(0);
        QTest::newRow("more than 4 GB everywhere")
            << Meminfo(64 * KB * KB, 48 * KB * KB, 96 * KB * KB, 16 * KB * KB) << 25u << 64 * GB
            << 48 * GB << 96 * GB << 80 * GB;
        QTest::newRow("available above the total")
            << Meminfo(1000, 5000, 0, 0) << 0u << 1000 * KB << 1000 * KB << std::uint64_t(0)
            << std::uint64_t(0);
        QTest::newRow("no MemAvailable: MemFree stands in")
            << QStringLiteral("MemTotal: 2000 kB\nMemFree: 500 kB\n") << 75u << 2000 * KB
            << 500 * KB << std::uint64_t(0) << std::uint64_t(0);
        QTest::newRow("empty") << QString() << 0u << std::uint64_t(0) << std::uint64_t(0)
                               << std::uint64_t(0) << std::uint64_t(0);
        QTest::newRow("damaged lines ignored")
            << QStringLiteral("MemTotal 5 kB\nMemTotal: x kB\nMemTotalX: 7 kB\nMemTotal: 4000 kB\n"
                              "MemAvailable: 1000 kB")
            << 75u << 4000 * KB << 1000 * KB << std::uint64_t(0) << std::uint64_t(0);
    }
    void fromText() {
        QFETCH(QString, text);
        QFETCH(uint, load);
        QFETCH(std::uint64_t, totalPhys);
        QFETCH(std::uint64_t, availPhys);
        QFETCH(std::uint64_t, totalPage);
        QFETCH(std::uint64_t, availPage);
        const QByteArray bytes = text.toUtf8();
        const vesk::TMemoryStatus s =
            vesk::MemoryStatusFromText(std::string_view(bytes.constData(), bytes.size()));
        QCOMPARE(s.dwMemoryLoad, load);
        QCOMPARE(s.ullTotalPhys, totalPhys);
        QCOMPARE(s.ullAvailPhys, availPhys);
        QCOMPARE(s.ullTotalPageFile, totalPage);
        QCOMPARE(s.ullAvailPageFile, availPage);
    }

    void injectedText() {
        vesk::SetMeminfoReader([] { return Meminfo(8192, 2048, 100, 40).toStdString(); });
        vesk::TMemoryStatus s;
        s.dwLength = 0;
        vesk::GlobalMemoryStatus(&s);
        QCOMPARE(s.dwLength, std::uint32_t(sizeof s));
        QCOMPARE(s.dwMemoryLoad, 75u);
        QCOMPARE(s.ullTotalPhys, 8192 * KB);
        QCOMPARE(s.ullAvailPageFile, 60 * KB);
    }

    void injectedFigures() {
        vesk::SetMeminfoReader([] { return Meminfo(8192, 2048, 100, 40).toStdString(); });
        vesk::SetMemoryStatusSource([] {
            vesk::TMemoryStatus s;
            s.dwMemoryLoad = 3;
            s.ullAvailPhys = 12345678;
            return s;
        });
        vesk::TMemoryStatus s;
        vesk::GlobalMemoryStatus(&s);
        QCOMPARE(s.dwMemoryLoad, 3u);
        QCOMPARE(s.ullAvailPhys, std::uint64_t(12345678));
    }

    void thisMachine() {
        vesk::TMemoryStatus s;
        vesk::GlobalMemoryStatus(&s);
        QVERIFY(s.ullTotalPhys > 0);
        QVERIFY(s.ullAvailPhys <= s.ullTotalPhys);
        QVERIFY(s.dwMemoryLoad <= 100);
        QVERIFY(s.ullAvailPageFile <= s.ullTotalPageFile);
        vesk::GlobalMemoryStatus(nullptr); // no record, nothing done
    }
};

QTEST_GUILESS_MAIN(TestMemStatus)
#include "tst_memstatus.moc"
