// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The statistics dialog: its layout and glyphs, its results, the texts the main window fills
// in for given counters (in a Russian regional setting), and clearing.
#include "glyphs.h"
#include "modal.h"
#include "tfmain.h"
#include "tfstatistic.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

class TfMainProbe {
public:
    static void Set(TfMain& w, int draw, int wins, int lose) {
        w.Draw = draw;
        w.Wins = wins;
        w.Lose = lose;
    }
    static QList<int> Counters(TfMain& w) { return {w.Draw, w.Wins, w.Lose}; }
    static void Statistic(TfMain& w) { w.mmStatisticClick(); }
};

namespace {

struct Texts {
    QString Games, Draw, Wins, Lose;
};

Texts TextsOf(const TfStatistic* d) {
    return {d->lGamesTotal->text(), d->lDrawTotal->text(), d->lWinsTotal->text(),
            d->lLoseTotal->text()};
}

QSet<QRgb> Colours(const QImage& image, int left) {
    QSet<QRgb> colours;
    for (int y = 0; y < 18; ++y)
        for (int x = left; x < left + 18; ++x)
            colours << image.pixel(x, y);
    return colours;
}

} // namespace

class TestStatistic : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TfMain> window;

    // Opens the dialog from the main window; `answer` plays the person.
    void Open(const std::function<int(TfStatistic*)>& answer) {
        vesk::SetModalHook([answer](QDialog* d) -> int {
            auto* s = qobject_cast<TfStatistic*>(d);
            if (!s)
                return 0;
            return answer(s);
        });
        TfMainProbe::Statistic(*window);
    }

private slots:
    void initTestCase() {
        // The comma below comes from the regional setting the test runs in.
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
    }

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
        window = std::make_unique<TfMain>();
    }

    void cleanup() {
        window.reset();
        vesk::SetModalHook(nullptr);
        dir.reset();
    }

    void layout() {
        TfStatistic d(window.get());
        QCOMPARE(d.windowTitle(), QStringLiteral("Статистика игры"));
        QCOMPARE(d.size(), QSize(216, 178));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QCOMPARE(d.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(d.font().pixelSize(), 11);
        QCOMPARE(d.font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(d.parent(), window.get());

        struct Row {
            QFrame* Panel;
            QLabel* Caption;
            QLabel* Value;
            const char* CaptionText;
            const char* ValueText;
        };
        const Row rows[] = {{d.Panel5, d.Label4, d.lGamesTotal, "Сыграно игр", "0"},
                            {d.Panel1, d.Label3, d.lDrawTotal, "Ничьи", "0 (0%)"},
                            {d.Panel3, d.Label1, d.lWinsTotal, "Выигрыши  ", "0 (0%)"},
                            {d.Panel4, d.Label2, d.lLoseTotal, "Проигрыши  ", "0 (0%)"}};
        d.lLoseTotal->setText(QStringLiteral("31 (96,88%) "));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        int top = 0;
        for (const Row& r : rows) {
            QCOMPARE(r.Panel->geometry(), QRect(0, top, 216, 35));
            QCOMPARE(r.Panel->frameShadow(), QFrame::Raised);
            QCOMPARE(r.Caption->text(), QString::fromUtf8(r.CaptionText));
            if (r.Value != d.lLoseTotal)
                QCOMPARE(r.Value->text(), QString::fromUtf8(r.ValueText));
            // Inside the bevel and the border of 8: left edge 9, right edge 207, 17 high.
            QCOMPARE(r.Caption->geometry().left(), 9);
            QCOMPARE(r.Value->geometry().right() + 1, 207);
            for (QLabel* l : {r.Caption, r.Value}) {
                QCOMPARE(l->geometry().top(), 9);
                QCOMPARE(l->height(), 17);
                QCOMPARE(l->font().pixelSize(), 11);
            }
            top += 35;
        }
        // The value labels fit their text and grow leftwards.
        QVERIFY(d.lLoseTotal->width() > d.lDrawTotal->width());
        QCOMPARE(d.lLoseTotal->width(), d.lLoseTotal->sizeHint().width());

        QCOMPARE(d.Panel2->geometry(), QRect(0, 140, 216, 38));
        QCOMPARE(d.Panel2->frameShadow(), QFrame::Sunken);
        QCOMPARE(d.BitBtn2->parentWidget(), d.Panel2);
        QCOMPARE(d.BitBtn2->geometry(), QRect(6, 6, 99, 25));
        QCOMPARE(d.BitBtn1->geometry(), QRect(112, 6, 99, 25));
        QCOMPARE(d.BitBtn2->text(), QStringLiteral("ОК"));
        QCOMPARE(d.BitBtn1->text(), QStringLiteral("Очистить"));
        QVERIFY(d.BitBtn2->isDefault());
        QVERIFY(!d.BitBtn1->isDefault());
        QCOMPARE(d.BitBtn2->nextInFocusChain(), d.BitBtn1);
        QCOMPARE(QApplication::focusWidget(), d.BitBtn2);
        for (QPushButton* b : {d.BitBtn2, d.BitBtn1}) {
            QCOMPARE(b->iconSize(), QSize(18, 18));
            const QImage normal = b->icon().pixmap(18, 18, QIcon::Normal).toImage();
            const QImage disabled = b->icon().pixmap(18, 18, QIcon::Disabled).toImage();
            QCOMPARE(normal.size(), QSize(18, 18));
            QVERIFY(normal != disabled);
            // Olive is the transparent colour of the bitmap, not a painted one.
            QCOMPARE(normal.pixelColor(0, 17).alpha(), 0);
        }
    }

    void glyphs_data() {
        QTest::addColumn<QImage>("bitmap");
        QTest::newRow("check mark") << vesk::OkGlyphBitmap();
        QTest::newRow("circling arrows") << vesk::ClearGlyphBitmap();
    }

    // 36 x 18 in 16 colours, olive at the bottom left; green on the left, grey and white on
    // the right.
    void glyphs() {
        QFETCH(QImage, bitmap);
        QCOMPARE(bitmap.size(), QSize(36, 18));
        QCOMPARE(bitmap.colorCount(), 16);
        const QRgb olive = qRgb(128, 128, 0);
        QCOMPARE(bitmap.pixel(0, 17), olive);
        const QSet<QRgb> left = Colours(bitmap, 0);
        QCOMPARE(left, (QSet<QRgb>{olive, qRgb(0, 128, 0), qRgb(0, 255, 0)}));
        const QSet<QRgb> right = Colours(bitmap, 18);
        QCOMPARE(right, (QSet<QRgb>{olive, qRgb(128, 128, 128), qRgb(255, 255, 255)}));
        // The twin has the picture's outline: every painted pixel on the left is grey on
        // the right.
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                QCOMPARE(bitmap.pixel(x, y) != olive,
                         bitmap.pixel(18 + x, y) == qRgb(128, 128, 128));
    }

    void results_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("ОК") << "ok" << int(mrOk);
        QTest::newRow("Enter") << "enter" << int(mrOk);
        QTest::newRow("Очистить") << "clear" << int(mrYes);
        QTest::newRow("close box") << "close" << int(mrCancel);
    }

    void results() {
        QFETCH(QString, how);
        QFETCH(int, result);
        TfStatistic d(window.get());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        if (how == "ok")
            QTest::mouseClick(d.BitBtn2, Qt::LeftButton);
        else if (how == "enter")
            QTest::keyClick(&d, Qt::Key_Return);
        else if (how == "clear")
            QTest::mouseClick(d.BitBtn1, Qt::LeftButton);
        else
            QVERIFY(d.close());
        QCOMPARE(d.result(), result);
        QVERIFY(!d.isVisible());
    }

    void labels_data() {
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("lose");
        QTest::addColumn<QString>("games");
        QTest::addColumn<QString>("drawText");
        QTest::addColumn<QString>("winsText");
        QTest::addColumn<QString>("loseText");
        QTest::newRow("none") << 0 << 0 << 0 << "0"
                              << "0 (0%)"
                              << "0 (0%)"
                              << "0 (0%)";
        QTest::newRow("1 1 1") << 1 << 1 << 1 << "3"
                               << "1 (33,33%) "
                               << "1 (33,33%) "
                               << "1 (33,33%) ";
        QTest::newRow("0 2 1") << 0 << 2 << 1 << "3"
                               << "0 (0,00%) "
                               << "2 (66,67%) "
                               << "1 (33,33%) ";
        QTest::newRow("0 1 0") << 0 << 1 << 0 << "1"
                               << "0 (0,00%) "
                               << "1 (100,00%) "
                               << "0 (0,00%) ";
        QTest::newRow("tie rounds away") << 0 << 1 << 31 << "32"
                                         << "0 (0,00%) "
                                         << "1 (3,13%) "
                                         << "31 (96,88%) ";
        QTest::newRow("0 1 7") << 0 << 1 << 7 << "8"
                               << "0 (0,00%) "
                               << "1 (12,50%) "
                               << "7 (87,50%) ";
        QTest::newRow("edited to nothing") << 0 << 2 << -2 << "0"
                                           << "0 (0%)"
                                           << "0 (0%)"
                                           << "0 (0%)";
        QTest::newRow("edited below nothing") << 0 << 1 << -3 << "-2"
                                              << "0 (0%)"
                                              << "0 (0%)"
                                              << "0 (0%)";
        QTest::newRow("edited negative") << -1 << 2 << 0 << "1"
                                         << "-1 (-100,00%) "
                                         << "2 (200,00%) "
                                         << "0 (0,00%) ";
        // The total is a 32-bit sum: it wraps instead of overflowing.
        QTest::newRow("wrapping total") << 2147483647 << 1 << 0 << "-2147483648"
                                        << "0 (0%)"
                                        << "0 (0%)"
                                        << "0 (0%)";
        QTest::newRow("large") << 0 << 1000000 << 3000000 << "4000000"
                               << "0 (0,00%) "
                               << "1000000 (25,00%) "
                               << "3000000 (75,00%) ";
    }

    void labels() {
        QFETCH(int, draw);
        QFETCH(int, wins);
        QFETCH(int, lose);
        TfMainProbe::Set(*window, draw, wins, lose);
        Texts seen;
        QPointer<TfStatistic> shown;
        Open([&](TfStatistic* d) {
            seen = TextsOf(d);
            shown = d;
            if (fStatistic != d || d->parent() != window.get())
                seen.Games = QStringLiteral("not the window's fStatistic");
            return int(mrOk);
        });
        QTEST(seen.Games, "games");
        QTEST(seen.Draw, "drawText");
        QTEST(seen.Wins, "winsText");
        QTEST(seen.Lose, "loseText");
        QVERIFY(shown.isNull());
        QCOMPARE(fStatistic, nullptr);
        QCOMPARE(TfMainProbe::Counters(*window), (QList<int>{draw, wins, lose}));
    }

    void answers_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("ОК") << "ok" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("Очистить") << "clear" << true;
    }

    // Only "Очистить" clears, with no question; the next opening shows the zeros.
    void answers() {
        QFETCH(QString, how);
        QFETCH(bool, cleared);
        TfMainProbe::Set(*window, 1, 2, 3);
        Open([&](TfStatistic* d) {
            d->show();
            if (how == "ok")
                d->BitBtn2->click();
            else if (how == "clear")
                d->BitBtn1->click();
            else
                d->close();
            return d->result();
        });
        QCOMPARE(TfMainProbe::Counters(*window),
                 (cleared ? QList<int>{0, 0, 0} : QList<int>{1, 2, 3}));
        Texts next;
        Open([&](TfStatistic* d) {
            next = TextsOf(d);
            return int(mrOk);
        });
        QCOMPARE(next.Games, cleared ? QStringLiteral("0") : QStringLiteral("6"));
        if (cleared)
            QCOMPARE(next.Lose, QStringLiteral("0 (0%)"));
    }

    void clearWithNothingPlayed() {
        Open([](TfStatistic*) { return int(mrYes); });
        QCOMPARE(TfMainProbe::Counters(*window), (QList<int>{0, 0, 0}));
    }

    // From the menu item, through the window's own handler.
    void fromTheMenu() {
        TfMainProbe::Set(*window, 0, 1, 31);
        Texts seen;
        vesk::SetModalHook([&](QDialog* d) -> int {
            if (auto* s = qobject_cast<TfStatistic*>(d))
                seen = TextsOf(s);
            return int(mrYes);
        });
        window->mmStatistic->trigger();
        QCOMPARE(seen.Wins, QStringLiteral("1 (3,13%) "));
        QCOMPARE(TfMainProbe::Counters(*window), (QList<int>{0, 0, 0}));
    }

    // An error while the dialog is up still destroys it; the counters stay.
    void errorWhileShown() {
        TfMainProbe::Set(*window, 1, 2, 3);
        QPointer<TfStatistic> shown;
        bool thrown = false;
        try {
            Open([&](TfStatistic* d) -> int {
                shown = d;
                throw std::runtime_error("out of memory");
            });
        } catch (const std::runtime_error&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(shown.isNull());
        QCOMPARE(fStatistic, nullptr);
        QCOMPARE(TfMainProbe::Counters(*window), (QList<int>{1, 2, 3}));
    }
};

int main(int argc, char** argv) {
    // A Russian regional setting, before Qt first asks for it.
    qputenv("LC_ALL", "ru_RU.UTF-8");
    qputenv("LANG", "ru_RU.UTF-8");
    QApplication app(argc, argv);
    TestStatistic test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_statistic.moc"
