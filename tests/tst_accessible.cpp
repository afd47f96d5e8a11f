// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told: the cards, the places that hold them and the message line.
#include "cardaccessible.h"
#include "cardbatch.h"
#include "gameplace.h"
#include "modal.h"
#include "playerplace.h"
#include "tfmain.h"

#include <QAccessible>
#include <QTest>

class TfMainProbe {
public:
    static void SetMessage(TfMain& w, const QString& text) { w.SetMessage(text); }
};

namespace {
QString NameOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

// The events the accessibility layer has sent, with the name of their object at that moment.
struct Event {
    QObject* object;
    QAccessible::Event type;
    QString name;
    bool selected;
};
QList<Event> Events;

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    bool selected = false;
    if (event->type() == QAccessible::StateChanged)
        selected = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().selected;
    Events.append({event->object(), event->type(),
                   iface ? iface->text(QAccessible::Name) : QString(), selected});
}

const char* const Back = "карта рубашкой вверх";
} // namespace

class TestAccessible : public QObject {
    Q_OBJECT
    QAccessible::UpdateHandler previous = nullptr;

private slots:
    void initTestCase() {
        previous = QAccessible::installUpdateHandler(Record);
        InstallCardAccessibility(); // the window does it; these cases also make cards alone
        // A platform bridge turns itself on a moment after it is made (under offscreen there
        // is none, and nothing is ever announced).
        if (QAccessible::isActive() || QGuiApplication::platformName() != "offscreen")
            QTRY_VERIFY(QAccessible::isActive());
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
    }
    void cleanupTestCase() {
        vesk::SetModalHook(nullptr);
        QAccessible::installUpdateHandler(previous);
    }
    void init() { Events.clear(); }
    void cleanup() { TCardBatch::SeedSource = nullptr; }

    void faces_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        const QStringList ranks = {"шестёрка", "семёрка", "восьмёрка", "девятка", "десятка",
                                   "валет",    "дама",    "король",    "туз"};
        const QStringList suits = {"треф", "бубен", "червей", "пик"};
        for (int suit = 0; suit < 4; ++suit)
            for (int value = 0; value < 9; ++value) {
                const QString name = ranks[value] + ' ' + suits[suit];
                QTest::newRow(qPrintable(name)) << suit * 10 + value << name;
            }
    }
    void faces() {
        QFETCH(int, number);
        QFETCH(QString, name);
        TCard card;
        card.SetCardNomber(std::uint8_t(number));
        card.SetFaced(true);
        QCOMPARE(NameOf(&card), name);
        // The back says nothing of the card: face down, or lying crosswise face up.
        card.SetFaced(false);
        QCOMPARE(NameOf(&card), QString::fromUtf8(Back));
        card.SetFaced(true);
        card.SetOrientation(coHorisontal);
        QCOMPARE(NameOf(&card), QString::fromUtf8(Back));
        card.SetOrientation(coVertical);
        QCOMPARE(NameOf(&card), name);
    }

    void someFacesByName() {
        TCard card;
        card.SetFaced(true);
        const std::pair<int, const char*> cases[] = {
            {36, "дама пик"}, {20, "шестёрка червей"}, {18, "туз бубен"}, {4, "десятка треф"}};
        for (const auto& [number, name] : cases) {
            card.SetCardNomber(std::uint8_t(number));
            QCOMPARE(NameOf(&card), QString::fromUtf8(name));
        }
    }

    // The pile shows backs but the trump card; the computer's hand backs; the table faces.
    void cardsWhereTheyLie() {
        TCardBatch::SeedSource = [] { return 99u; };
        TCardBatch pile;
        TCard probe; // the trump card stands upright and face up: it is named
        probe.SetCardNomber(pile.Cards[0]->CardNomber());
        probe.SetFaced(true);
        QCOMPARE(NameOf(pile.Cards[0]), NameOf(&probe));
        QVERIFY(NameOf(pile.Cards[0]) != QString::fromUtf8(Back));
        for (int i = 1; i < 36; ++i) {
            pile.Cards[i]->SetFaced(true); // a card faced in an earlier deal still lies crosswise
            QCOMPARE(NameOf(pile.Cards[i]), QString::fromUtf8(Back));
        }
        TPlayerPlace cpu;
        cpu.resize(590, 110);
        cpu.Player = ptCPU;
        cpu.SetFaced(false);
        TCard* card = pile.PopCard();
        cpu.AddCard(card);
        QCOMPARE(NameOf(card), QString::fromUtf8(Back));
        TGamePlace table;
        table.PutAttack(cpu.ExtractCard(0));
        probe.SetCardNomber(card->CardNomber());
        QCOMPARE(NameOf(card), NameOf(&probe));
    }

    void places_data() {
        QTest::addColumn<int>("man");
        QTest::addColumn<int>("cpu");
        QTest::addColumn<int>("attacks");
        QTest::addColumn<int>("defences");
        QTest::addColumn<int>("trump");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("a deal, hearts")
            << 6 << 6 << 0 << 0 << 24
            << QStringList{"Ваши карты: 6", "Карты компьютера: 6", "На столе: 0",
                           "В колоде: 24, козырь — черви"};
        QTest::newRow("a bout, clubs")
            << 4 << 5 << 2 << 1 << 8
            << QStringList{"Ваши карты: 4", "Карты компьютера: 5", "На столе: 3",
                           "В колоде: 24, козырь — трефы"};
        QTest::newRow("diamonds") << 1 << 0 << 1 << 0 << 10
                                  << QStringList{"Ваши карты: 1", "Карты компьютера: 0",
                                                 "На столе: 1", "В колоде: 34, козырь — бубны"};
        QTest::newRow("spades, empty stock")
            << 0 << 0 << 0 << 0 << 38
            << QStringList{"Ваши карты: 0", "Карты компьютера: 0", "На столе: 0",
                           "В колоде: 0, козырь — пики"};
    }
    void places() {
        QFETCH(int, man);
        QFETCH(int, cpu);
        QFETCH(int, attacks);
        QFETCH(int, defences);
        QFETCH(int, trump);
        QFETCH(QStringList, names);
        TCardBatch pile;
        pile.Cards[0]->SetCardNomber(std::uint8_t(trump));
        TPlayerPlace manHand, cpuHand;
        manHand.resize(590, 110);
        cpuHand.resize(590, 110);
        cpuHand.Player = ptCPU;
        TGamePlace table;
        for (int i = 0; i < man; ++i)
            manHand.AddCard(pile.PopCard());
        for (int i = 0; i < cpu; ++i)
            cpuHand.AddCard(pile.PopCard());
        for (int i = 0; i < attacks; ++i)
            table.PutAttack(pile.PopCard());
        for (int i = 0; i < defences; ++i)
            table.PutDefence(pile.PopCard());
        if (names.last().startsWith("В колоде: 0"))
            while (pile.PopCard()) {
            }
        QCOMPARE(NameOf(&manHand), names[0]);
        QCOMPARE(NameOf(&cpuHand), names[1]);
        QCOMPARE(NameOf(&table), names[2]);
        QCOMPARE(NameOf(&pile), names[3]);
    }

    // The engine's messages reach a reader as name changes of the message line.
    void messageChangesAreAnnounced() {
        if (!QAccessible::isActive())
            QSKIP("no accessibility bridge on this platform: tst_accessible_announce runs this");
        TfMain w;
        w.show();
        QVERIFY(w.lMessage->accessibleName().isEmpty()); // QLabel announces only then
        QCOMPARE(NameOf(w.lMessage), QStringLiteral("Нажмите кнопку или F2"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.lMessage)->text(QAccessible::Description),
                 QStringLiteral("Строка сообщений"));
        Events.clear();
        TCardBatch::UseSeedsFrom(4); // the computer leads
        w.mmNewGame->trigger();
        QStringList said;
        for (const Event& e : Events)
            if (e.object == w.lMessage && e.type == QAccessible::NameChanged)
                said << e.name;
        QVERIFY2(said.contains(QStringLiteral("Мой ход!")), qPrintable(said.join('|')));
        QCOMPARE(said.last(), w.lMessage->text().trimmed());
        QCOMPARE(said.last(), QStringLiteral("Отбивайтесь!"));

        Events.clear();
        TfMainProbe::SetMessage(w, QString());
        QCOMPARE(Events.size(), 1);
        QCOMPARE(Events[0].type, QAccessible::NameChanged);
        QCOMPARE(Events[0].name, QStringLiteral("Строка сообщений"));
        // The same text again is no change.
        TfMainProbe::SetMessage(w, QString());
        QCOMPARE(Events.size(), 1);
    }

    // A reader learns which card of the human's hand a click or a key has raised.
    void raisedCardIsAnnounced() {
        if (!QAccessible::isActive())
            QSKIP("no accessibility bridge on this platform: tst_accessible_announce runs this");
        TfMain w;
        w.show();
        TCardBatch::UseSeedsFrom(4);
        w.mmNewGame->trigger();
        Events.clear();
        QVERIFY(w.PlayerPlace1->RaiseNext(+1)); // what Right does
        TCard* first = w.PlayerPlace1->Cards.first();
        QVERIFY(first->Selected);
        bool announced = false;
        for (const Event& e : Events)
            announced = announced || (e.object == first && e.type == QAccessible::StateChanged &&
                                      e.selected && e.name == NameOf(first));
        QVERIFY(announced);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(first);
        QVERIFY(iface->state().selected);
        QVERIFY(!QAccessible::queryAccessibleInterface(w.PlayerPlace1->Cards[1])->state().selected);
        // The computer's cards are not the human's to raise.
        QVERIFY(
            !QAccessible::queryAccessibleInterface(w.PlayerPlace2->Cards[0])->state().selectable);
    }
};

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
