// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play in the human's hand: Left, Right and Up give exactly the clicks of the mouse.
#include "cardbatch.h"
#include "inputblocker.h"
#include "modal.h"
#include "playerplace.h"
#include "tfmain.h"

#include <QMouseEvent>
#include <QTest>

#include <memory>

class TfMainProbe {
public:
    static TGameState State(const TfMain& w) { return w.State; }
};

namespace {
QList<int> Positions(const QString& list) {
    QList<int> out;
    for (const QString& s : list.split(' ', Qt::SkipEmptyParts))
        out << s.toInt();
    return out;
}

// A hand of six cards dealt from a pile shuffled with a known seed, with some cards raised or
// selected as taking the table back leaves them.
struct Hand {
    TCardBatch pile;
    TPlayerPlace hand;
    QStringList seen; // each OnCardClick: card number and the Selected flag it saw

    Hand(const QList<int>& selected, const QList<int>& raised) {
        TCardBatch::SeedSource = [] { return 2024u; };
        pile.Shuffle();
        hand.resize(590, 110);
        hand.Player = ptMan;
        hand.SetFaced(true);
        for (int i = 0; i < 6; ++i)
            hand.AddCard(pile.PopCard());
        for (int i : raised)
            hand.Cards[i]->move(hand.Cards[i]->x(), 0);
        for (int i : selected) {
            hand.Cards[i]->Selected = true;
            hand.Cards[i]->move(hand.Cards[i]->x(), 0);
        }
        hand.OnCardClick = [this](TCard* c) {
            seen << QStringLiteral("%1%2").arg(c->CardNomber()).arg(c->Selected ? "+" : "-");
        };
    }
    QString Describe() const {
        QStringList out;
        for (const TCard* c : hand.Cards)
            out << QStringLiteral("%1%2@%3")
                       .arg(c->CardNomber())
                       .arg(c->Selected ? "+" : "-")
                       .arg(c->y());
        // The stacking order too: a click restacks the whole hand.
        QStringList stack;
        for (const QObject* o : hand.children())
            if (const auto* c = qobject_cast<const TCard*>(o))
                stack << QString::number(c->CardNomber());
        return out.join(' ') + " | " + stack.join(' ') + " | " + seen.join(' ');
    }
};

// One step of a script: "L", "R", "U" press a key; "cN" clicks, "dN" double-clicks the card at
// position N of the human's hand; "-" does nothing.
void Step(TfMain& w, const QString& step) {
    if (step == "L" || step == "R" || step == "U") {
        const Qt::Key key = step == "L" ? Qt::Key_Left : step == "R" ? Qt::Key_Right : Qt::Key_Up;
        QTest::keyClick(&w, key);
        return;
    }
    if (step == "-")
        return;
    TCard* card = w.PlayerPlace1->Cards.value(step.mid(1).toInt());
    QVERIFY2(card, qPrintable(step));
    auto send = [card](QEvent::Type type) {
        const QPointF at(10, 10);
        QMouseEvent e(type, at, card->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(card, &e);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    if (step.startsWith('d')) {
        send(QEvent::MouseButtonDblClick);
        send(QEvent::MouseButtonRelease);
    }
}

QString Cards(const QList<TCard*>& cards, bool flags) {
    QStringList out;
    for (const TCard* c : cards)
        out << QString::number(c->CardNomber()) +
                   (flags ? QStringLiteral("%1@%2").arg(c->Selected ? "+" : "-").arg(c->y())
                          : QString());
    return out.join(' ');
}

QString Describe(const TfMain& w) {
    const QWidget* focus = w.focusWidget();
    return QStringLiteral("man %1 | cpu %2 | attack %3 | defence %4 | state %5 | %6 | %7 %8 | %9")
        .arg(Cards(w.PlayerPlace1->Cards, true), Cards(w.PlayerPlace2->Cards, false),
             Cards(w.GamePlace->AttackCards, false), Cards(w.GamePlace->DefenceCards, false))
        .arg(int(TfMainProbe::State(w)))
        .arg(w.lMessage->text(), w.bbtStop->text())
        .arg(w.bbtStop->isEnabled())
        .arg(focus == w.bbtStop ? "focus on the button"
             : focus            ? "focus elsewhere"
                                : "no focus");
}

struct Played {
    TGameState dealt = gsIdle;
    QStringList steps; // the window after the deal and after every step
    bool laid = false; // a card dealt to the human has left his hand
    bool focusOnButton = false;
};

// Deals a game from the seed in a new window and runs the script.
Played Run(std::uint32_t seed, const QString& script) {
    Played result;
    TfMain w;
    w.mmSpeedGame->setChecked(true);
    w.show();
    TCardBatch::UseSeedsFrom(seed);
    w.mmNewGame->trigger();
    result.dealt = TfMainProbe::State(w);
    const QList<TCard*> dealt = w.PlayerPlace1->Cards;
    result.steps << Describe(w);
    for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
        Step(w, step);
        result.steps << Describe(w);
        for (TCard* c : dealt)
            result.laid = result.laid || !w.PlayerPlace1->Cards.contains(c);
    }
    result.focusOnButton = w.focusWidget() == w.bbtStop;
    return result;
}

// A key as the keyboard gives it: to the window's focus widget, or to the window without one.
void PressOnFocus(TfMain& w, Qt::Key key) {
    QWidget* target = w.focusWidget();
    QTest::keyClick(target ? target : &w, key);
}

// Where the keyboard is while the action button is disabled and while it is enabled.
QString FocusIn(const TfMain& w) {
    const QWidget* focus = w.focusWidget();
    return QStringLiteral("button %1, focus %2")
        .arg(w.bbtStop->isEnabled() ? "enabled" : "disabled")
        .arg(focus == w.bbtStop        ? "on the button"
             : focus == w.PlayerPlace1 ? "on the hand"
             : focus                   ? "elsewhere"
                                       : "nowhere");
}

// The pixels of the button as the screen shows it.
QImage ButtonShot(const TfMain& w) {
    return w.bbtStop->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int CountColour(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixel(x, y) == colour;
    return n;
}
} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init() {
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
    }
    void cleanup() {
        vesk::SetModalHook(nullptr);
        TCardBatch::SeedSource = nullptr;
    }

    // The hand's rules: which card each key clicks, given what is raised and selected.
    void keysClickAsTheMouse_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("raised"); // raised without being selected
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("clicked"); // the position the key clicks, -1 none

        QTest::newRow("nothing raised: Right, the first") << ""
                                                          << "" << int(Qt::Key_Right) << 0;
        QTest::newRow("nothing raised: Left, the last") << ""
                                                        << "" << int(Qt::Key_Left) << 5;
        QTest::newRow("nothing raised: Up, none") << ""
                                                  << "" << int(Qt::Key_Up) << -1;
        QTest::newRow("third raised: Right, the fourth") << "2"
                                                         << "" << int(Qt::Key_Right) << 3;
        QTest::newRow("third raised: Left, the second") << "2"
                                                        << "" << int(Qt::Key_Left) << 1;
        QTest::newRow("third raised: Up, the third") << "2"
                                                     << "" << int(Qt::Key_Up) << 2;
        QTest::newRow("first raised: Left, none") << "0"
                                                  << "" << int(Qt::Key_Left) << -1;
        QTest::newRow("last raised: Right, none") << "5"
                                                  << "" << int(Qt::Key_Right) << -1;
        QTest::newRow("last raised: Up, the last") << "5"
                                                   << "" << int(Qt::Key_Up) << 5;
        // Taking the table back raises its cards and keeps their flags.
        QTest::newRow("taken, one selected: Right") << "3"
                                                    << "2 4" << int(Qt::Key_Right) << 4;
        QTest::newRow("taken, one selected: Left") << "3"
                                                   << "2 4" << int(Qt::Key_Left) << 2;
        QTest::newRow("taken, one selected: Up") << "3"
                                                 << "2 4" << int(Qt::Key_Up) << 3;
        QTest::newRow("taken, none selected: Right") << ""
                                                     << "1 2" << int(Qt::Key_Right) << 0;
        QTest::newRow("taken, none selected: Up") << ""
                                                  << "1 2" << int(Qt::Key_Up) << -1;
        QTest::newRow("two selected: Right skips them") << "0 1"
                                                        << "2" << int(Qt::Key_Right) << 2;
        QTest::newRow("two selected: Left skips them") << "4 5"
                                                       << "" << int(Qt::Key_Left) << 3;
        QTest::newRow("two selected: Left, the last") << "1 3"
                                                      << "4" << int(Qt::Key_Left) << 5;
        QTest::newRow("two selected: Up, none") << "1 3"
                                                << "" << int(Qt::Key_Up) << -1;
        QTest::newRow("all selected: Right, none") << "0 1 2 3 4 5"
                                                   << "" << int(Qt::Key_Right) << -1;
        QTest::newRow("all selected: Left, none") << "0 1 2 3 4 5"
                                                  << "" << int(Qt::Key_Left) << -1;
    }
    void keysClickAsTheMouse() {
        QFETCH(QString, selected);
        QFETCH(QString, raised);
        QFETCH(int, key);
        QFETCH(int, clicked);
        Hand keys(Positions(selected), Positions(raised));
        Hand mouse(Positions(selected), Positions(raised));
        QCOMPARE(keys.Describe(), mouse.Describe());

        const bool done = key == Qt::Key_Up ? keys.hand.ClickRaised()
                                            : keys.hand.RaiseNext(key == Qt::Key_Left ? -1 : 1);
        QCOMPARE(done, clicked >= 0);
        if (clicked >= 0)
            mouse.hand.CardClick(mouse.hand.Cards[clicked]);
        QCOMPARE(keys.Describe(), mouse.Describe());
        QCOMPARE(keys.seen.size(), clicked >= 0 ? 1 : 0);
        // Left and Right only raise: the engine never sees a second click from them.
        if (clicked >= 0)
            QCOMPARE(keys.seen[0].endsWith('+'), key == Qt::Key_Up);
    }

    // Whole games: keys in one window, the mouse in another, on the same deal.
    void keysPlayAsTheMouse_data() {
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("dealt"); // who is to move after the deal
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("mouse");
        QTest::addColumn<bool>("played"); // the human has laid a card

        QTest::newRow("lead: Right, Up plays the first card") << 1u << int(gsManAttack) << "R U"
                                                              << "c0 c0" << true;
        QTest::newRow("lead: Left, Up plays the last card") << 1u << int(gsManAttack) << "L U"
                                                            << "c5 c5" << true;
        QTest::newRow("lead: walk right and back, then play")
            << 1u << int(gsManAttack) << "R R R L U"
            << "c0 c1 c2 c1 c1" << true;
        QTest::newRow("lead: Right past the end stays on the last")
            << 1u << int(gsManAttack) << "L R R"
            << "c5 - -" << false;
        QTest::newRow("lead: Left past the start stays on the first")
            << 1u << int(gsManAttack) << "R L"
            << "c0 -" << false;
        QTest::newRow("lead: Up with nothing raised does nothing")
            << 1u << int(gsManAttack) << "U U"
            << "- -" << false;
        QTest::newRow("lead: a mouse click, then the keys go on from it")
            << 1u << int(gsManAttack) << "c3 R U"
            << "c3 c4 c4" << true;
        QTest::newRow("lead: a double click, then Right starts over")
            << 1u << int(gsManAttack) << "d2 R"
            << "d2 c0" << true;
        QTest::newRow("defend: Right, Up beats with the first card")
            << 4u << int(gsCPUAttack) << "R U"
            << "c0 c0" << true;
        QTest::newRow("defend: a refused card stays raised") << 9u << int(gsCPUAttack) << "R U U"
                                                             << "c0 c0 c0" << false;
        QTest::newRow("defend with the last card, then lead from the refilled hand")
            << 4u << int(gsCPUAttack) << "L U L L U"
            << "c5 c5 c5 c4 c4" << true;
    }
    void keysPlayAsTheMouse() {
        QFETCH(uint, seed);
        QFETCH(int, dealt);
        QFETCH(QString, keys);
        QFETCH(QString, mouse);
        QFETCH(bool, played);
        const Played byKeys = Run(seed, keys);
        QCOMPARE(int(byKeys.dealt), dealt);
        const Played byMouse = Run(seed, mouse);
        QCOMPARE(byKeys.steps, byMouse.steps);
        QCOMPARE(byKeys.laid, played);
        QCOMPARE(byMouse.laid, played);
        // While the button stays enabled, the keys leave the focus on it.
        if (dealt == gsCPUAttack && !played)
            QVERIFY(byKeys.focusOnButton);
    }

    // Disabling the button while it holds the focus must not lose the keyboard: the focus
    // waits on the hand and comes back to the button with its next enabling, so Space presses
    // it again. "F2" starts a new game; the other steps are those of the scripts above.
    void focusSurvivesTheDisabledButton_data() {
        QTest::addColumn<uint>("seed");
        QTest::addColumn<QString>("script");
        QTest::newRow("lead: the hand waits, the first card brings the button back") << 1u << "R U";
        QTest::newRow("defend, then lead the next bout, then lay a card") << 4u << "L U L L U";
        QTest::newRow("the computer leads, the human beats, then leads") << 4u << "R U";
        QTest::newRow("a new game while the button is disabled") << 1u << "F2 F2 F2";
        QTest::newRow("mouse clicks on the hand while the button is disabled") << 1u << "c2 c3 d3";
    }
    void focusSurvivesTheDisabledButton() {
        QFETCH(uint, seed);
        QFETCH(QString, script);
        TfMain w;
        w.show();
        QCOMPARE(w.focusWidget(), w.bbtStop);
        TCardBatch::UseSeedsFrom(seed);
        w.mmNewGame->trigger();
        QStringList seen{FocusIn(w)};
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step == "F2")
                QTest::keyClick(&w, Qt::Key_F2);
            else
                Step(w, step);
            seen << FocusIn(w);
        }
        QStringList expected;
        for (const QString& s : seen)
            expected << (s.startsWith("button enabled") ? "button enabled, focus on the button"
                                                        : "button disabled, focus on the hand");
        QCOMPARE(seen, expected);

        // Space on whatever holds the focus presses the button exactly when it is enabled.
        int pressed = 0;
        connect(w.bbtStop, &QPushButton::pressed, [&pressed] { ++pressed; });
        const bool enabled = w.bbtStop->isEnabled();
        QTest::keyPress(w.focusWidget(), Qt::Key_Space);
        QCOMPARE(pressed, enabled ? 1 : 0);
        QTest::keyRelease(w.focusWidget(), Qt::Key_Space);
    }

    // Space, the first way to press the focused button, works on the button's every enabling.
    void spacePressesTheButtonAfterItsDisabledSpell() {
        TfMain w;
        w.show();
        TCardBatch::UseSeedsFrom(1); // the human leads: the button is disabled after the deal
        w.mmNewGame->trigger();
        QVERIFY(!w.bbtStop->isEnabled());
        PressOnFocus(w, Qt::Key_Space);
        QCOMPARE(int(TfMainProbe::State(w)), int(gsManAttack));
        Step(w, "d0"); // the first card of the bout enables "Бито!"
        QVERIFY(w.bbtStop->isEnabled());
        int clicked = 0;
        connect(w.bbtStop, &QPushButton::clicked, [&clicked] { ++clicked; });
        PressOnFocus(w, Qt::Key_Space);
        QCOMPARE(clicked, 1);
    }

    // The button says navy only while it can be pressed; disabled, it shows greyed text.
    void disabledButtonTextIsGreyed() {
        TfMain w;
        w.show();
        const QRgb navy = QColor(0, 0, 128).rgb();
        const QRgb grey = QPalette().color(QPalette::Disabled, QPalette::ButtonText).rgb();
        QVERIFY(grey != navy);
        QCOMPARE(w.bbtStop->palette().color(QPalette::Active, QPalette::ButtonText).rgb(), navy);
        QCOMPARE(w.bbtStop->palette().color(QPalette::Inactive, QPalette::ButtonText).rgb(), navy);
        QCOMPARE(w.bbtStop->palette().color(QPalette::Disabled, QPalette::ButtonText).rgb(), grey);
        const QImage enabled = ButtonShot(w);
        QVERIFY(CountColour(enabled, navy) > 20);
        w.bbtStop->setEnabled(false);
        const QImage disabled = ButtonShot(w);
        QCOMPARE(CountColour(disabled, navy), 0);
        QVERIFY(CountColour(disabled, grey) > 20);
        w.bbtStop->setEnabled(true);
        QCOMPARE(ButtonShot(w), enabled);
    }

    // During an engine pause every input is eaten, the arrows too; Enter stays the button's.
    void keysEatenDuringAPause() {
        TfMain w;
        w.show();
        TCardBatch::UseSeedsFrom(4); // the computer leads: the button reads "Беру!"
        w.mmNewGame->trigger();
        QCOMPARE(int(TfMainProbe::State(w)), int(gsCPUAttack));
        auto raised = [&w] { return w.PlayerPlace1->RaisedCard(); };
        {
            TInputBlocker pause;
            QTest::keyClick(&w, Qt::Key_Right);
            QTest::keyClick(&w, Qt::Key_Up);
        }
        QVERIFY(!raised());
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(raised(), w.PlayerPlace1->Cards.first());
        QCOMPARE(w.PlayerPlace1->Cards.first()->y(), 0);
        int pressed = 0;
        connect(w.bbtStop, &QPushButton::clicked, [&pressed] { ++pressed; });
        QTest::keyClick(&w, Qt::Key_Return);
        QCOMPARE(pressed, 1);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
