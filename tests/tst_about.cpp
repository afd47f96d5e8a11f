// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The About dialog: its layout, the texts from the version block, the memory figures and
// their refresh, and how the main window shows it. This test program carries the version
// block itself, so the dialog's default reads it as the program's own.
#include "bevel.h"
#include "blockencoder.h"
#include "elfimage.h"
#include "memstatus.h"
#include "modal.h"
#include "tfabout.h"
#include "tfmain.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimerEvent>

#include <stdexcept>

Q_DECLARE_METATYPE(vesk::TMemoryStatus)

namespace {

const QString Caption = QStringLiteral("О программе ");

vesk::TMemoryStatus Figures(std::uint32_t load, std::uint64_t total, std::uint64_t avail,
                            std::uint64_t totalPage, std::uint64_t availPage) {
    vesk::TMemoryStatus s;
    s.dwMemoryLoad = load;
    s.ullTotalPhys = total;
    s.ullAvailPhys = avail;
    s.ullTotalPageFile = totalPage;
    s.ullAvailPageFile = availPage;
    return s;
}

Bytes Block(const char* tableKey, const char* product, const char* version) {
    verblock::TVersionSource s;
    s.Tables.push_back(
        {tableKey,
         {{"FileVersion", version}, {"LegalCopyright", "© 2026 test"}, {"ProductName", product}}});
    s.Translations = {0x04E30419};
    return verblock::EncodeVersionBlock(s);
}

} // namespace

class TfAboutProbe {
public:
    static void Tick(TfAbout& d) { d.Timer1Timer(); }
};

class TestAbout : public QObject {
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

private slots:
    void cleanup() {
        vesk::SetMemoryStatusSource(nullptr);
        vesk::SetModalHook(nullptr);
    }

    void layout() {
        TfAbout d(nullptr);
        QCOMPARE(d.size(), QSize(342, 243));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(d.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(d.font().pixelSize(), 11);

        QCOMPARE(d.Image1->pos(), QPoint(16, 16));
        const struct {
            QLabel* label;
            int y;
            int pixels;
        } labels[] = {
            {d.lProductName, 16, 13}, {d.lFileVersion, 40, 13},   {d.lLegalCopyright, 64, 13},
            {d.Label3, 88, 13},       {d.lMemoryLoad, 120, 11},   {d.lTotalPhys, 136, 11},
            {d.lAvailPhys, 152, 11},  {d.lTotalVirtual, 168, 11}, {d.lAvailVirtual, 184, 11}};
        for (const auto& l : labels) {
            QCOMPARE(l.label->pos(), QPoint(64, l.y));
            QCOMPARE(l.label->font().pixelSize(), l.pixels);
            QCOMPARE(l.label->font().family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(l.label->size(), l.label->sizeHint()); // sized to its text
            QCOMPARE(l.label->focusPolicy(), Qt::NoFocus);
            QVERIFY(!l.label->autoFillBackground());
        }
        QCOMPARE(d.Bevel1->geometry(), QRect(64, 112, 265, 17));

        QCOMPARE(d.bbtOk->geometry(), QRect(256, 208, 75, 25));
        QCOMPARE(d.bbtOk->text(), QStringLiteral("OK"));
        QVERIFY(!d.bbtOk->icon().isNull());
        QVERIFY(d.bbtOk->isDefault());
        for (QWidget* w : d.findChildren<QWidget*>())
            QCOMPARE(w->focusPolicy() != Qt::NoFocus, w == d.bbtOk);

        QCOMPARE(d.Timer1->interval(), 1000);
        QVERIFY(d.Timer1->isActive());
    }

    void ownVersionBlock() {
        TfAbout d(nullptr);
        QCOMPARE(d.windowTitle(), Caption + "\"Игра в \"Веска\"\"");
        QCOMPARE(d.lProductName->text(), QStringLiteral("Игра в \"Веска\""));
        QCOMPARE(d.lFileVersion->text(), QStringLiteral("Версия 1.0.0.37"));
        QCOMPARE(d.lLegalCopyright->text(), QStringLiteral("© 2026 Мастерская «Зелёное сукно»"));
        QCOMPARE(d.Label3->text(), QStringLiteral("Автор: мастерская «Зелёное сукно»"));
        QCOMPARE(d.lProductName->size(), d.lProductName->sizeHint());
    }

    void noVersionBlock_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("ELF without the section") << QStringLiteral("/bin/true");
        QTest::newRow("missing file") << dir.filePath("missing");
    }
    void noVersionBlock() {
        QFETCH(QString, path);
        TfAbout d(nullptr, path);
        QCOMPARE(d.windowTitle(), Caption);
        QCOMPARE(d.lProductName->text(), QStringLiteral("Название продукта"));
        QCOMPARE(d.lFileVersion->text(), QStringLiteral("Версия "));
        QCOMPARE(d.lLegalCopyright->text(), QStringLiteral("© 2026"));
    }

    void noMatchingStringTable() {
        const QString path = Write("other-table", ElfImage(Block("040904B0", "Other", "9.9.9.9")));
        TfAbout d(nullptr, path);
        QCOMPARE(d.windowTitle(), Caption + "\"\"");
        QCOMPARE(d.lProductName->text(), QString());
        QCOMPARE(d.lFileVersion->text(), QStringLiteral("Версия "));
        QCOMPARE(d.lLegalCopyright->text(), QString());
    }

    void memoryLabels_data() {
        QTest::addColumn<vesk::TMemoryStatus>("figures");
        QTest::addColumn<QStringList>("texts"); // load, total, free, total paging, free paging
        QTest::newRow("65536 KB with 12,345,678 bytes free")
            << Figures(81, 65536ull * 1024, 12345678, 131072ull * 1024, 100000)
            << QStringList{
                   "Использовано памяти: 81%", "Всего доступной физической памяти: 65536 Кбайт",
                   "Свободно физической памяти: 12056 Кбайт",
                   "Всего страничной памяти: 131072 Кбайт", "Свободно страничной памяти: 97 Кбайт"};
        QTest::newRow("paging file over 4 GB in full")
            << Figures(50, 8ull << 30, 4ull << 30, 6442450944ull + 1023, 5ull << 30)
            << QStringList{"Использовано памяти: 50%",
                           "Всего доступной физической памяти: 8388608 Кбайт",
                           "Свободно физической памяти: 4194304 Кбайт",
                           "Всего страничной памяти: 6291456 Кбайт",
                           "Свободно страничной памяти: 5242880 Кбайт"};
        QTest::newRow("load of 0")
            << Figures(0, 1024, 1024, 0, 0)
            << QStringList{"Использовано памяти: 0%", "Всего доступной физической памяти: 1 Кбайт",
                           "Свободно физической памяти: 1 Кбайт",
                           "Всего страничной памяти: 0 Кбайт",
                           "Свободно страничной памяти: 0 Кбайт"};
    }
    void memoryLabels() {
        QFETCH(vesk::TMemoryStatus, figures);
        QFETCH(QStringList, texts);
        vesk::SetMemoryStatusSource([figures] { return figures; });
        TfAbout d(nullptr);
        const QStringList shown = {d.lMemoryLoad->text(), d.lTotalPhys->text(),
                                   d.lAvailPhys->text(), d.lTotalVirtual->text(),
                                   d.lAvailVirtual->text()};
        QCOMPARE(shown, texts);
        QCOMPARE(d.lAvailPhys->size(), d.lAvailPhys->sizeHint());
    }

    void longFiguresStayInside() {
        // 17 digits of kilobytes: the label is narrowed to fit the dialog, the text kept whole.
        const std::uint64_t most = ~std::uint64_t(0);
        vesk::SetMemoryStatusSource([most] { return Figures(100, most, most, most, most); });
        TfAbout d(nullptr);
        QCOMPARE(d.lTotalPhys->text(),
                 QStringLiteral("Всего доступной физической памяти: 18014398509481983 Кбайт"));
        for (QLabel* l :
             {d.lMemoryLoad, d.lTotalPhys, d.lAvailPhys, d.lTotalVirtual, d.lAvailVirtual}) {
            QVERIFY2(l->geometry().right() < d.width(), qPrintable(l->text()));
            QCOMPARE(l->size(), l->sizeHint());
        }
        // Short texts keep the font as it is.
        vesk::SetMemoryStatusSource([] { return Figures(1, 1024, 1024, 1024, 1024); });
        TfAboutProbe::Tick(d);
        QCOMPARE(d.lTotalPhys->font().stretch(), int(QFont::Unstretched));
    }

    void timerRewritesMemoryLabelsOnly() {
        // The version file changes after the dialog opened: a tick must not read it again.
        const QString path = Write("changing", ElfImage(Block("041904E3", "Before", "1.1.1.1")));
        vesk::SetMemoryStatusSource([] { return Figures(10, 2048, 1024, 0, 0); });
        TfAbout d(nullptr, path);
        QCOMPARE(d.lProductName->text(), QStringLiteral("Before"));
        QCOMPARE(d.lMemoryLoad->text(), QStringLiteral("Использовано памяти: 10%"));
        Write("changing", ElfImage(Block("041904E3", "After", "2.2.2.2")));

        vesk::SetMemoryStatusSource([] { return Figures(20, 4096, 3072, 1 << 20, 1 << 19); });
        TfAboutProbe::Tick(d);
        QCOMPARE(d.lMemoryLoad->text(), QStringLiteral("Использовано памяти: 20%"));
        QCOMPARE(d.lTotalPhys->text(),
                 QStringLiteral("Всего доступной физической памяти: 4 Кбайт"));
        QCOMPARE(d.lAvailPhys->text(), QStringLiteral("Свободно физической памяти: 3 Кбайт"));
        QCOMPARE(d.lTotalVirtual->text(), QStringLiteral("Всего страничной памяти: 1024 Кбайт"));
        QCOMPARE(d.lAvailVirtual->text(), QStringLiteral("Свободно страничной памяти: 512 Кбайт"));

        // The timer itself, fired by hand through its own event.
        vesk::SetMemoryStatusSource([] { return Figures(30, 4096, 3072, 0, 0); });
        QTimerEvent tick(d.Timer1->timerId());
        QCoreApplication::sendEvent(d.Timer1, &tick);
        QCOMPARE(d.lMemoryLoad->text(), QStringLiteral("Использовано памяти: 30%"));

        QCOMPARE(d.lProductName->text(), QStringLiteral("Before"));
        QCOMPARE(d.lFileVersion->text(), QStringLiteral("Версия 1.1.1.1"));
        QCOMPARE(d.windowTitle(), Caption + "\"Before\"");
    }

    void okClosesWithOk() {
        TfAbout d(nullptr);
        int result = -1;
        QTimer::singleShot(0, &d, [&] { d.bbtOk->click(); });
        result = d.exec();
        QCOMPARE(result, int(QDialog::Accepted));
    }

    void menuShowsAndDestroysIt() {
        TfMain w;
        QPointer<TfAbout> seen;
        bool wasOwned = false;
        bool wasGlobal = false;
        vesk::SetModalHook([&](QDialog* dlg) {
            seen = qobject_cast<TfAbout*>(dlg);
            wasOwned = dlg->parentWidget() == &w;
            wasGlobal = fAbout == seen;
            return int(QDialog::Accepted);
        });
        w.mmAbout->trigger();
        QVERIFY(wasOwned);
        QVERIFY(wasGlobal);
        QVERIFY(seen.isNull()); // destroyed after showing
        QCOMPARE(fAbout, nullptr);
    }

    void destroyedAlsoOnError() {
        TfMain w;
        QPointer<TfAbout> seen;
        QStringList boxes;
        vesk::SetModalHook([&](QDialog* dlg) -> int {
            if (auto* about = qobject_cast<TfAbout*>(dlg)) {
                seen = about;
                throw std::runtime_error("no room");
            }
            if (auto* box = qobject_cast<QMessageBox*>(dlg))
                boxes << box->text();
            return QMessageBox::Ok;
        });
        w.mmAbout->trigger();
        QVERIFY(seen.isNull());
        QCOMPARE(fAbout, nullptr);
        QCOMPARE(boxes, QStringList{"no room"});
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
