// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as laid out: geometry, fonts, colours, captions, menu and shortcuts.
#include "modal.h"
#include "strong.h"
#include "tfmain.h"
#include "tfrules.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <stdexcept>

class TfMainProbe {
public:
    static void Throwing(TfMain& w) {
        w.Handler([] { throw std::runtime_error("Failed to set data for 'Wins'"); });
    }
    static TGameState State(TfMain& w) { return w.State; }
    // Who makes the computer's choices in the game under way: none is its own rules.
    static bool StrongPlays(TfMain& w) {
        if (w.FComputer != &w.FRules && w.FComputer != static_cast<TPolicy*>(w.FStrong.get()))
            qFatal("an opponent that is neither");
        return w.FComputer == static_cast<TPolicy*>(w.FStrong.get());
    }
};

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TfMain> w;
    QStringList boxes;

private slots:
    void init() {
        // Each case starts as a first run, whatever the case before stored at its exit.
        QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tovrel.reg"));
        boxes.clear();
        vesk::SetModalHook([this](QDialog* d) {
            boxes << d->windowTitle() + "|" + d->metaObject()->className();
            if (auto* box = qobject_cast<QMessageBox*>(d))
                boxes << box->text() + "|" + QString::number(box->icon());
            return 0;
        });
        w = std::make_unique<TfMain>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() {
        w.reset();
        vesk::SetModalHook(nullptr);
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("PlayerPlace2") << "PlayerPlace2" << QRect(0, 0, 590, 110);
        QTest::newRow("PlayerPlace1") << "PlayerPlace1" << QRect(0, 294, 590, 110);
        QTest::newRow("GamePlace") << "GamePlace" << QRect(0, 110, 590, 184);
        QTest::newRow("CardBatch") << "CardBatch" << QRect(452, 0, 129, 144);
        QTest::newRow("bbtStop") << "bbtStop" << QRect(452, 142, 129, 35);
        QTest::newRow("lMessage") << "lMessage" << QRect(3, 149, 580, 28);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        const QMap<QString, QWidget*> parts = {
            {"PlayerPlace2", w->PlayerPlace2}, {"PlayerPlace1", w->PlayerPlace1},
            {"GamePlace", w->GamePlace},       {"CardBatch", w->CardBatch},
            {"bbtStop", w->bbtStop},           {"lMessage", w->lMessage}};
        QCOMPARE(parts[name]->geometry(), rect);
    }

    void window() {
        QCOMPARE(w->windowTitle(), QStringLiteral("Веск подкидной"));
        QCOMPARE(w->centralWidget()->size(), QSize(590, 404));
        QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed size
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->font().pixelSize(), 13);
        QVERIFY(!w->windowIcon().isNull());
        QCOMPARE(w->CardBatch->parentWidget(), w->GamePlace);
        QVERIFY(w->CardBatch->isHidden());
        QVERIFY(!w->PlayerPlace2->isEnabled());
        QVERIFY(!w->PlayerPlace2->Faced() && w->PlayerPlace1->Faced());
        QCOMPARE(w->PlayerPlace2->Player, ptCPU);
        QCOMPARE(w->PlayerPlace1->Player, ptMan);
        const QColor green(0, 128, 0);
        for (TPanel* p :
             {(TPanel*)w->PlayerPlace1, (TPanel*)w->PlayerPlace2, (TPanel*)w->GamePlace}) {
            QCOMPARE(p->Ground(), green);
            QCOMPARE(QColor(p->grab().toImage().pixel(p->contentsRect().topLeft())), green);
        }
    }

    void messageAndButton() {
        QCOMPARE(w->lMessage->text(), QStringLiteral("Нажмите кнопку или F2"));
        const QFont f = w->lMessage->font();
        QVERIFY(f.bold() && f.italic());
        QCOMPARE(f.pixelSize(), 24);
        QCOMPARE(w->lMessage->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!w->lMessage->autoFillBackground());
        QCOMPARE(w->bbtStop->text(), QStringLiteral("Начать игру"));
        QCOMPARE(w->bbtStop->font().pixelSize(), 19);
        QCOMPARE(w->bbtStop->palette().color(QPalette::ButtonText), QColor(0, 0, 128));
        QVERIFY(w->bbtStop->isDefault());
        QCOMPARE(QApplication::focusWidget(), w->bbtStop);
    }

    void menu() {
        QStringList items;
        for (QAction* a : w->MainMenu->actions()) {
            items << a->text();
            for (QAction* i : a->menu()->actions())
                items << (i->isSeparator()
                              ? QStringLiteral("-")
                              : i->text() + " " + i->shortcut().toString() + " " +
                                    (i->isCheckable() ? (i->isChecked() ? "on" : "off") : ""));
        }
        QCOMPARE(items, (QStringList{"Игра",
                                     "Новая игра F2 ",
                                     "Повторить раздачу Shift+F2 ",
                                     "Разбор партии...  ",
                                     "-",
                                     "Подсказка  on",
                                     "Быстпрая игра  on",
                                     "Сильный соперник  off",
                                     "Переводной  off",
                                     "-",
                                     "Статистика... F3 ",
                                     "Подробная статистика... Shift+F3 ",
                                     "-",
                                     "Выход Ctrl+X ",
                                     "Вид",
                                     "Крупнее Ctrl++ ",
                                     "Мельче Ctrl+- ",
                                     "Обычный размер Ctrl+0 ",
                                     "-",
                                     "100 %  on",
                                     "125 %  off",
                                     "150 %  off",
                                     "175 %  off",
                                     "200 %  off",
                                     "250 %  off",
                                     "300 %  off",
                                     "-",
                                     "Анимация  off",
                                     "&?",
                                     "Правила игры F1 ",
                                     "О программе  "}));
        // Both of the desktop's keys for "larger".
        QCOMPARE(w->mmZoomIn->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                      QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    }

    void checksChangeOncePerChoice() {
        w->mmHintVisible->trigger();
        QVERIFY(!w->mmHintVisible->isChecked());
        QVERIFY(w->lMessage->isHidden());
        w->mmHintVisible->trigger();
        QVERIFY(w->mmHintVisible->isChecked());
        QVERIFY(!w->lMessage->isHidden());
        w->mmSpeedGame->trigger();
        QVERIFY(!w->mmSpeedGame->isChecked());
        w->mmStrongGame->trigger();
        QVERIFY(w->mmStrongGame->isChecked());
        w->mmStrongGame->trigger();
        QVERIFY(!w->mmStrongGame->isChecked());
        w->mmStrongGame->trigger();
        QVERIFY(w->mmStrongGame->isChecked());
    }

    // One game, one opponent: the choice takes effect at the next new game.
    void strongOpponentFromTheNextGame() {
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(!TfMainProbe::StrongPlays(*w));
        w->mmStrongGame->trigger();
        QVERIFY(!TfMainProbe::StrongPlays(*w));
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(TfMainProbe::StrongPlays(*w));
        QVERIFY(TfMainProbe::State(*w) == gsManAttack || TfMainProbe::State(*w) == gsCPUAttack);
        w->mmStrongGame->trigger();
        QVERIFY(TfMainProbe::StrongPlays(*w));
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(!TfMainProbe::StrongPlays(*w));
    }

    void keys() {
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(TfMainProbe::State(*w) != gsIdle); // a game has started
        QVERIFY(w->CardBatch->isVisible());
        QTest::keyClick(w.get(), Qt::Key_F3);
        QVERIFY(!boxes.isEmpty()); // the statistics dialog was shown
        QVERIFY(boxes.first().contains("Статистика"));
        QTest::keyClick(w.get(), Qt::Key_X, Qt::ControlModifier);
        QTRY_VERIFY(!w->isVisible());
    }

    // F1 and the menu item open the rules through the modal seam; the dialog is gone after.
    void rules() {
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(boxes, QStringList{"Правила игры|TfRules"});
        QVERIFY(!fRules);
        w->mmRules->trigger();
        QCOMPARE(boxes.size(), 2);
        QVERIFY(w->findChildren<QDialog*>().isEmpty());
        QCOMPARE(TfMainProbe::State(*w), gsIdle); // nothing else happened
    }

    void enterPressesTheButton() {
        QTest::keyClick(w.get(), Qt::Key_Return);
        QVERIFY(TfMainProbe::State(*w) != gsIdle);
    }

    void errorBoxAndGoOn() {
        TfMainProbe::Throwing(*w);
        QCOMPARE(boxes, (QStringList{"Игра в Веска|QMessageBox",
                                     "Failed to set data for 'Wins'|" +
                                         QString::number(QMessageBox::Critical)}));
        QTest::keyClick(w.get(), Qt::Key_F2); // the program goes on
        QVERIFY(TfMainProbe::State(*w) != gsIdle);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
