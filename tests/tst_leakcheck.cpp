// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The leak checker of the sanitizer build with the suppressions every test runs under: what
// system libraries keep is let pass, a leak of ours still fails the run. Each case is a child
// process (this executable with "--child ..."), as the checker reports only at exit.
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cstring>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

// Kept where the checker cannot see it: only the pointer's last copy is dropped.
void* volatile Kept = nullptr;

[[gnu::noinline]] void LeakOfOurs() {
    char* block = new char[4000];
    std::memset(block, 1, 4000);
    Kept = block;
    Kept = nullptr;
}

// Draws a line of text in every font family the machine has: fontconfig at full stretch.
void EveryFont() {
    QImage image(400, 40, QImage::Format_ARGB32);
    QPainter painter(&image);
    for (const QString& family : QFontDatabase::families()) {
        QFont font(family);
        font.setPixelSize(16);
        painter.setFont(font);
        painter.drawText(2, 30, QStringLiteral("Веск подкидной ♣♦♥♠ 0123"));
    }
}

int Child(int argc, char** argv) {
    const QByteArray what = argv[2];
    QApplication app(argc, argv);
    EveryFont();
    if (what == "leak")
        LeakOfOurs();
    return 0;
}

} // namespace

class TestLeakCheck : public QObject {
    Q_OBJECT

    struct Run {
        int Code = -1;
        QByteArray Err;
    };

    static Run Start(const QByteArray& what, bool suppressed) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=1"));
        env.insert(QStringLiteral("LSAN_OPTIONS"),
                   suppressed ? QStringLiteral("suppressions=" VESK_LSAN_SUPPRESSIONS) : QString());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child"), QString::fromLatin1(what)});
        if (!child.waitForFinished(120000))
            return {};
        return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1,
                child.readAllStandardError()};
    }

private slots:
    // Only system libraries, named by their file: nothing of ours can hide behind the list.
    void onlySystemLibraries() {
        QFile list(QStringLiteral(VESK_LSAN_SUPPRESSIONS));
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QRegularExpression library(QStringLiteral("^leak:lib[a-z0-9_+-]+\\.so(\\.[0-9]+)*$"));
        int entries = 0;
        for (QByteArray line : list.readAll().split('\n')) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QVERIFY2(library.match(QString::fromUtf8(line)).hasMatch(), line.constData());
            QVERIFY2(!line.contains("vesk") && !line.contains("Qt6"), line.constData());
            ++entries;
        }
        QVERIFY(entries > 0);
    }

    // Fonts drawn, nothing of ours kept: the run passes with the list.
    void systemLibrariesPass() {
        if (!Sanitized)
            QSKIP("the leak checker is in the sanitizer build only");
        const Run run = Start("fonts", true);
        QVERIFY2(run.Code == 0, run.Err.constData());
        QVERIFY2(!run.Err.contains("LeakSanitizer"), run.Err.constData());
    }

    // A leak of ours fails the run although the list is in force, and the report names it.
    void ourLeakFails() {
        if (!Sanitized)
            QSKIP("the leak checker is in the sanitizer build only");
        const Run run = Start("leak", true);
        QVERIFY2(run.Code != 0, run.Err.constData());
        QVERIFY2(run.Err.contains("LeakSanitizer: detected memory leaks"), run.Err.constData());
        QVERIFY2(run.Err.contains("4000 byte(s)"), run.Err.constData());
        QVERIFY2(run.Err.contains("LeakOfOurs"), run.Err.constData());
    }
};

int main(int argc, char** argv) {
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return Child(argc, argv);
    QApplication app(argc, argv);
    TestLeakCheck test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_leakcheck.moc"
