// Move legality and the computer's choices of attack, throw-in and defence, on positions laid
// out in the real hands, table and stock of a main window.
#include "modal.h"
#include "tfmain.h"

#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <random>

namespace {
const QStringList Ranks = {"6", "7", "8", "9", "10", "J", "Q", "K", "A"};
const QString Suits = QStringLiteral("CDHS"); // clubs, diamonds, hearts, spades

// "6C", "10H", "QS": rank, then suit.
int Num(const QString& name) {
    const int value = int(Ranks.indexOf(name.left(name.size() - 1)));
    const int suit = int(Suits.indexOf(name.back()));
    if (value < 0 || suit < 0)
        qFatal("bad card name %s", qPrintable(name));
    return suit * 10 + value;
}

QString Name(const TCard* card) {
    return Ranks[card->Value()] + Suits[card->Suit()];
}

QString Names(const QList<TCard*>& cards) {
    QStringList out;
    for (const TCard* c : cards)
        out << Name(c);
    return out.join(' ');
}
} // namespace

class TfMainProbe {
public:
    explicit TfMainProbe(TfMain& window) : w(window) {}
    TfMain& w;

    // Lays out a position: the two hands, the trump suit, the cards left in the stock and the
    // table, written as bouts "7C/9C 8C" (attack/beater; a lone card is unbeaten).
    bool Lay(const QString& man, const QString& cpu, QChar trump, int stock,
             const QString& table = {}, bool firstBout = false) {
        w.PlayerPlace1->ClearHand();
        w.PlayerPlace2->ClearHand();
        w.CardBatch->Shuffle(); // takes every card back and clears the table
        w.FirstBout = firstBout;

        // Which card goes where, in the order it is taken from the stock.
        struct Dest {
            int number;
            int where; // 1 man, 2 computer, 3 attack, 4 beater
        };
        QList<Dest> dealt;
        for (const QString& s : man.split(' ', Qt::SkipEmptyParts))
            dealt.append({Num(s), 1});
        for (const QString& s : cpu.split(' ', Qt::SkipEmptyParts))
            dealt.append({Num(s), 2});
        for (const QString& bout : table.split(' ', Qt::SkipEmptyParts)) {
            const QStringList pair = bout.split('/');
            dealt.append({Num(pair[0]), 3});
            if (pair.size() > 1)
                dealt.append({Num(pair[1]), 4});
        }
        if (dealt.size() > 36 - stock) {
            qWarning("position does not fit beside a stock of %d", stock);
            return false;
        }
        QList<int> used;
        for (const Dest& d : dealt) {
            if (used.contains(d.number)) {
                qWarning("card %d laid twice", d.number);
                return false;
            }
            used << d.number;
        }
        const int trumpSuit = int(Suits.indexOf(trump));
        QList<int> rest;
        for (int n = 0; n < 39; ++n)
            if (n % 10 != 9 && !used.contains(n))
                rest << n;
        // The bottom card shows the trump: the lowest trump nobody holds.
        int bottom = -1;
        for (int n : rest)
            if (n / 10 == trumpSuit) {
                bottom = n;
                break;
            }
        if (bottom < 0) {
            qWarning("no trump left for the bottom card");
            return false;
        }
        rest.removeOne(bottom);
        // From the bottom up: trump card, the rest, then the dealt cards on top of the stock.
        QList<int> order = {bottom};
        order << rest;
        for (int i = int(dealt.size()) - 1; i >= 0; --i)
            order << dealt[i].number;
        auto& cards = w.CardBatch->Cards;
        for (int i = 0; i < 36; ++i) {
            cards[i]->SetCardNomber(std::uint8_t(order[i]));
            cards[i]->IsTrump = cards[i]->Suit() == trumpSuit;
        }
        for (const Dest& d : dealt) {
            TCard* card = w.CardBatch->PopCard();
            if (d.where == 1)
                w.PlayerPlace1->AddCard(card);
            else if (d.where == 2)
                w.PlayerPlace2->AddCard(card);
            else if (d.where == 3)
                w.GamePlace->PutAttack(card);
            else
                w.GamePlace->PutDefence(card);
        }
        while (w.CardBatch->Count() > stock)
            w.CardBatch->PopCard()->SetParentControl(nullptr); // discarded in earlier bouts
        return w.CardBatch->Count() == stock;
    }

    QList<TCard*>& Cpu() { return w.PlayerPlace2->Cards; }
    bool CanPlay(std::uint8_t kind, TCard* card) { return w.CanPlay(kind, card); }
    bool ValueOnTable(TCardValue v) { return w.ValueOnTable(v); }
    int ChooseAttack(const QList<TCard*>& hand) { return w.ChooseAttack(hand); }
    int ChooseDefence(const QList<TCard*>& hand) { return w.ChooseDefence(hand); }
    void SetFirstBout(bool b) { w.FirstBout = b; }
    int Stock() const { return w.CardBatch->Count(); }

    // The computer's turn as the game runs it, in a given state; returns the message left.
    QString CpuMove(TGameState state) {
        w.mmSpeedGame->setChecked(true);
        w.SetState(state);
        w.CPUMove();
        return w.lMessage->text();
    }

    // The chosen card's name; "-" for none; a note when the answer is not a card's Index.
    static QString Chosen(const QList<TCard*>& hand, int i) {
        if (i == -1)
            return QStringLiteral("-");
        if (i < 0 || i >= hand.size() || hand[i]->Index != i)
            return QStringLiteral("bad index %1").arg(i);
        return Name(hand[i]);
    }
};

class TestComputer : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    std::unique_ptr<TfMain> window;
    std::unique_ptr<TfMainProbe> probe;

private slots:
    void initTestCase() {
        // CTest gives every suite its own settings folder; run by hand, never the real one.
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"))
            qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
        TCardBatch::SeedSource = [] { return 7u; };
        window = std::make_unique<TfMain>();
        probe = std::make_unique<TfMainProbe>(*window);
    }
    void cleanupTestCase() {
        probe.reset();
        window.reset();
        TCardBatch::SeedSource = nullptr;
        vesk::SetModalHook(nullptr);
    }

    void canPlay_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("firstBout");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("allowed");
        // Trumps are hearts throughout.
        QTest::newRow("lead on an empty table") << "" << false << 1 << "AS" << true;
        QTest::newRow("lead in the first bout") << "" << true << 1 << "6C" << true;
        QTest::newRow("lead a trump") << "" << true << 1 << "AH" << true;
        const QString five = "7C/9C 7D/9D 9S/10S 7S/JS 10C/QC";
        QTest::newRow("first bout, five attacks") << five << true << 1 << "7H" << false;
        QTest::newRow("later bout, sixth attack") << five << false << 1 << "7H" << true;
        QTest::newRow("sixth attack, value not on table") << five << false << 1 << "KD" << false;
        QTest::newRow("six attacks") << five + " 9H/KH" << false << 1 << "10D" << false;
        QTest::newRow("six attacks, first bout") << five + " 9H/KH" << true << 1 << "10D" << false;
        QTest::newRow("ten not on the table") << "7C/9C" << false << 1 << "10C" << false;
        QTest::newRow("seven from the attack") << "7C/9C" << false << 1 << "7D" << true;
        QTest::newRow("nine only as a beater") << "7C/9C" << false << 1 << "9S" << true;
        QTest::newRow("throw-in onto an unbeaten card") << "7C/9C 7D" << false << 1 << "9H" << true;
        QTest::newRow("higher of the suit beats") << "7C" << false << 2 << "8C" << true;
        QTest::newRow("lower of the suit does not") << "7C" << false << 2 << "6C" << false;
        QTest::newRow("plain ace of another suit") << "7C" << false << 2 << "AS" << false;
        QTest::newRow("any trump beats a plain card") << "7C" << false << 2 << "6H" << true;
        QTest::newRow("the last attack is the one to beat")
            << "7C/8C 9C" << false << 2 << "8D" << false;
        QTest::newRow("beats the last attack") << "JC/QC 9C" << false << 2 << "10C" << true;
        QTest::newRow("trump attacked, higher trump") << "9H" << false << 2 << "10H" << true;
        QTest::newRow("trump attacked, lower trump") << "9H" << false << 2 << "8H" << false;
        QTest::newRow("trump attacked, plain ace") << "9H" << false << 2 << "AC" << false;
        QTest::newRow("beat with nothing unbeaten") << "7C/9C" << false << 2 << "AH" << false;
        QTest::newRow("kind 0") << "7C" << false << 0 << "8C" << false;
        QTest::newRow("kind 0, empty table") << "" << false << 0 << "8C" << false;
        QTest::newRow("kind 3") << "7C" << false << 3 << "8C" << false;
        QTest::newRow("kind 3, empty table") << "" << false << 3 << "8C" << false;
    }
    void canPlay() {
        QFETCH(QString, table);
        QFETCH(bool, firstBout);
        QFETCH(int, kind);
        QFETCH(QString, card);
        QFETCH(bool, allowed);
        QVERIFY(probe->Lay({}, card, 'H', 12, table, firstBout));
        QCOMPARE(probe->Cpu().size(), 1);
        QCOMPARE(probe->CanPlay(std::uint8_t(kind), probe->Cpu()[0]), allowed);
    }

    void valueOnTable_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("values"); // the values 6..A found on the table
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("attack and beater") << "7C/9C"
                                           << "7 9";
        QTest::newRow("unbeaten card counts") << "7C/9C QD"
                                              << "7 9 Q";
        QTest::newRow("trumps alike") << "6H/AH"
                                      << "6 A";
    }
    void valueOnTable() {
        QFETCH(QString, table);
        QFETCH(QString, values);
        QVERIFY(probe->Lay({}, {}, 'H', 12, table));
        QStringList found;
        for (int v = 0; v <= 8; ++v)
            if (probe->ValueOnTable(TCardValue(v)))
                found << Ranks[v];
        QCOMPARE(found.join(' '), values);
    }

    void attack_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QChar>("trump");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("firstBout");
        QTest::addColumn<QString>("chosen");
        // Leads: the pair allowance is 9 - stock / 3.
        QTest::newRow("24: pair one above the lowest")
            << "6C 7C 7D JS" << QChar('H') << 24 << "" << true << "7D";
        QTest::newRow("24: pair two above")
            << "6C 8C 8D JS" << QChar('H') << 24 << "" << true << "6C";
        QTest::newRow("23: pair two above")
            << "6C 8C 8D JS" << QChar('H') << 23 << "" << false << "8D";
        QTest::newRow("14: pair five above")
            << "6C JC JD KS" << QChar('H') << 14 << "" << false << "JD";
        QTest::newRow("12: pair five above")
            << "6C JC JD KS" << QChar('H') << 12 << "" << false << "JD";
        QTest::newRow("15: pair five above")
            << "6C JC JD KS" << QChar('H') << 15 << "" << false << "6C";
        QTest::newRow("12: pair two above")
            << "6C 8C 8D JS" << QChar('H') << 12 << "" << false << "8D";
        QTest::newRow("6: pair of aces") << "6C AC AD" << QChar('H') << 6 << "" << false << "6C";
        QTest::newRow("3: pair of aces") << "6C AC AD" << QChar('H') << 3 << "" << false << "AD";
        QTest::newRow("lowest pair, not the highest")
            << "8C 9C 8D 9D" << QChar('H') << 24 << "" << true << "8D";
        QTest::newRow("pair at the lowest value")
            << "7C 7S 8D" << QChar('H') << 24 << "" << true << "7S";
        QTest::newRow("triple: the highest suit")
            << "7C 7D 7S QC" << QChar('H') << 24 << "" << true << "7S";
        QTest::newRow("one plain card before lower trumps")
            << "KC 6H 7H" << QChar('H') << 24 << "" << true << "KC";
        QTest::newRow("two plain cards of a value")
            << "6C 6D 7H 8H" << QChar('H') << 24 << "" << true << "6C";
        QTest::newRow("two plain cards, stock 3")
            << "AD AS 7H 8H" << QChar('H') << 3 << "" << false << "AD";
        QTest::newRow("trump does not make a pair while stock lasts")
            << "6C 9C KD 9H" << QChar('H') << 3 << "" << false << "6C";
        QTest::newRow("trumps only, stock 24")
            << "8H 6H QH" << QChar('H') << 24 << "" << true << "6H";
        QTest::newRow("trumps only, stock 3")
            << "8H QH 7H" << QChar('H') << 3 << "" << false << "7H";
        // The end game: the highest value held twice in the whole hand.
        QTest::newRow("end game: trump pair")
            << "6C 9C 9H" << QChar('H') << 2 << "" << false << "9H";
        QTest::newRow("end game: trump pair, empty stock")
            << "6C 9C KD 9H" << QChar('H') << 0 << "" << false << "9H";
        QTest::newRow("end game: highest pair")
            << "6C 6D 9C 9S KD" << QChar('H') << 1 << "" << false << "9S";
        QTest::newRow("end game: no pair, trump lowest")
            << "7C 8D 6H" << QChar('H') << 2 << "" << false << "6H";
        QTest::newRow("end game: two cards of a value")
            << "7C 7H" << QChar('H') << 0 << "" << false << "7C";
        QTest::newRow("end game: two cards") << "AS 6H" << QChar('H') << 2 << "" << false << "6H";
        QTest::newRow("end game: one card") << "KH" << QChar('H') << 0 << "" << false << "KH";
        QTest::newRow("nothing to lead") << "" << QChar('H') << 0 << "" << false << "-";
        // Throw-ins.
        QTest::newRow("lowest matching plain card")
            << "7D 9S 10C" << QChar('H') << 24 << "7C/9C" << true << "7D";
        QTest::newRow("lowest, not a pair")
            << "7S 9D 9S" << QChar('H') << 20 << "7C/9C 8D/10D" << false << "7S";
        QTest::newRow("value only as a beater")
            << "10C 6S" << QChar('H') << 20 << "7D/10D" << false << "10C";
        QTest::newRow("equal values: lower suit")
            << "8D 8H KS" << QChar('C') << 20 << "8S/10S" << false << "8D";
        QTest::newRow("plain before a lower trump")
            << "10C 7H" << QChar('H') << 0 << "7D/10D" << false << "10C";
        QTest::newRow("trumps only match, stock 24")
            << "6C 7H 10H QS" << QChar('H') << 24 << "7D/10D" << false << "-";
        QTest::newRow("trumps only match, stock 8")
            << "6C 7H 10H QS" << QChar('H') << 8 << "7D/10D" << false << "-";
        QTest::newRow("trumps only match, stock 7")
            << "6C 10H 7H QS" << QChar('H') << 7 << "7D/10D" << false << "7H";
        QTest::newRow("trumps only match, stock 0")
            << "6C 10H QS" << QChar('H') << 0 << "7D/10D" << false << "10H";
        QTest::newRow("nothing matches")
            << "6C 8H QS" << QChar('H') << 0 << "7D/10D" << false << "-";
        QTest::newRow("onto unbeaten cards")
            << "6C 9D" << QChar('H') << 10 << "9C/10C 6S" << false << "6C";
        const QString five = "7C/9C 7D/9D 9S/10S 7S/JS 10C/QC";
        QTest::newRow("first bout, five attacks")
            << "7H 9H QD" << QChar('S') << 10 << five << true << "-";
        QTest::newRow("later bout, five attacks")
            << "7H 9H QD" << QChar('S') << 10 << five << false << "7H";
        QTest::newRow("six attacks")
            << "7H 9H QD" << QChar('S') << 8 << five + " 6H/KH" << false << "-";
    }
    void attack() {
        QFETCH(QString, hand);
        QFETCH(QChar, trump);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(bool, firstBout);
        QFETCH(QString, chosen);
        QVERIFY(probe->Lay({}, hand, trump, stock, table, firstBout));
        const QList<TCard*>& cards = probe->Cpu();
        QCOMPARE(TfMainProbe::Chosen(cards, probe->ChooseAttack(cards)), chosen);
    }

    void defence_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QChar>("trump");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("lowest of the suit, not a trump") << "JC KC 6H" << QChar('H') << 24 << "9C"
                                                         << "JC";
        QTest::newRow("plain ace before a trump six") << "AD 6H" << QChar('H') << 24 << "9D"
                                                      << "AD";
        QTest::newRow("plain king at a full stock") << "6C KD QH" << QChar('H') << 24 << "9D"
                                                    << "KD";
        QTest::newRow("jack trump, stock 24") << "6C JH KH" << QChar('H') << 24 << "9D"
                                              << "-";
        QTest::newRow("jack trump, stock 17") << "6C JH KH" << QChar('H') << 17 << "9D"
                                              << "-";
        QTest::newRow("jack trump, stock 16") << "6C JH KH" << QChar('H') << 16 << "9D"
                                              << "JH";
        QTest::newRow("ace trump, stock 16") << "AH" << QChar('H') << 16 << "9D"
                                             << "AH";
        QTest::newRow("ace trump, stock 17") << "AH" << QChar('H') << 17 << "9D"
                                             << "-";
        QTest::newRow("ten trump, stock 24") << "6C 10H AH" << QChar('H') << 24 << "9D"
                                             << "10H";
        QTest::newRow("ten trump, stock 17") << "10H" << QChar('H') << 17 << "9D"
                                             << "10H";
        QTest::newRow("ten trump, stock 0") << "KH 10H" << QChar('H') << 0 << "9D"
                                            << "10H";
        QTest::newRow("queen trump, stock 20") << "6C QH" << QChar('H') << 20 << "9D"
                                               << "-";
        QTest::newRow("lowest trump that beats") << "QH 7H 8C" << QChar('H') << 10 << "9D"
                                                 << "7H";
        QTest::newRow("trump attacked: higher trump")
            << "9C AC 7H 9H JH" << QChar('H') << 24 << "8H"
            << "9H";
        QTest::newRow("trump attacked: jack at 24") << "AC 7H JH" << QChar('H') << 24 << "8H"
                                                    << "-";
        QTest::newRow("trump attacked: jack at 16") << "AC 7H JH" << QChar('H') << 16 << "8H"
                                                    << "JH";
        QTest::newRow("trump attacked: no higher trump") << "7H AC" << QChar('H') << 0 << "8H"
                                                         << "-";
        QTest::newRow("nothing beats") << "6C 8D AS" << QChar('H') << 0 << "9D"
                                       << "-";
        QTest::newRow("empty hand") << "" << QChar('H') << 0 << "9D"
                                    << "-";
        QTest::newRow("beats the last attack") << "8C 10C" << QChar('S') << 12 << "7C/JC 9C"
                                               << "10C";
    }
    void defence() {
        QFETCH(QString, hand);
        QFETCH(QChar, trump);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(QString, chosen);
        QVERIFY(probe->Lay({}, hand, trump, stock, table));
        const QList<TCard*>& cards = probe->Cpu();
        QCOMPARE(TfMainProbe::Chosen(cards, probe->ChooseDefence(cards)), chosen);
    }

    // The comments after the computer's move judge the human's hand by the same rules.
    void advice_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<int>("stock");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        const int cpuLeads = gsCPUAttack, manLeads = gsManAttack;
        const QString take = QStringLiteral("По-моему, Вам надо брать!");
        const QString beat = QStringLiteral("Отбивайтесь!");
        const QString enough = QStringLiteral("По-моему, хватит");
        const QString more = QStringLiteral(" Еще охота!");
        QTest::newRow("queen trump at 20: take") << cpuLeads << "6C QH"
                                                 << "9D" << 20 << "" << take;
        QTest::newRow("queen trump at 16: beat") << cpuLeads << "6C QH"
                                                 << "9D" << 16 << "" << beat;
        QTest::newRow("plain beater at 20") << cpuLeads << "10D QH"
                                            << "9D" << 20 << "" << beat;
        QTest::newRow("nothing beats") << cpuLeads << "6C 8D"
                                       << "9D" << 20 << "" << take;
        QTest::newRow("more to throw in") << manLeads << "10C 6S"
                                          << "10D" << 20 << "9D" << more;
        QTest::newRow("nothing to throw in") << manLeads << "6S"
                                             << "10D" << 20 << "9D" << enough;
        QTest::newRow("only a trump, stock 8") << manLeads << "10H"
                                               << "10D" << 8 << "9D" << enough;
        QTest::newRow("only a trump, stock 7") << manLeads << "10H"
                                               << "10D" << 7 << "9D" << more;
    }
    void advice() {
        QFETCH(int, state);
        QFETCH(QString, man);
        QFETCH(QString, cpu);
        QFETCH(int, stock);
        QFETCH(QString, table);
        QFETCH(QString, message);
        QVERIFY(probe->Lay(man, cpu, 'H', stock, table));
        QCOMPARE(probe->CpuMove(TGameState(state)), message);
        QCOMPARE(probe->Cpu().size(), 0); // the computer did lay its card
    }

    // Random positions from fixed deals: every choice is a card of the hand that the rule
    // of legality accepts, and "none" comes only when the choosing rules say so.
    void randomPositions() {
        TfMain& w = probe->w;
        int positions = 0;
        QMap<QString, int> seen; // which outcomes occurred, so no branch goes untested
        for (std::uint32_t seed = 1; seed <= 250; ++seed) {
            TCardBatch::SeedSource = [seed] { return seed; };
            w.CardBatch->Shuffle();
            std::mt19937 rng(seed);
            auto below = [&rng](int n) { return int(rng() % std::uint32_t(n)); };
            QList<TCard*> popped;
            while (w.CardBatch->Count() > 0) {
                for (int k = 1 + below(3); k > 0 && w.CardBatch->Count() > 0; --k)
                    popped << w.CardBatch->PopCard();
                QList<TCard*> pool = popped;
                std::shuffle(pool.begin(), pool.end(), rng);
                w.PlayerPlace1->ClearHand();
                w.PlayerPlace2->ClearHand();
                w.GamePlace->ClearTable();
                TPlayerPlace* hand = seed % 2 ? w.PlayerPlace2 : w.PlayerPlace1;
                for (int n = below(std::min<int>(9, int(pool.size()) + 1)); n > 0; --n)
                    hand->AddCard(pool.takeLast());
                const int attacks = below(std::min<int>(7, int(pool.size()) / 2 + 1));
                const bool unbeaten = attacks > 0 && below(2);
                for (int a = 0; a < attacks; ++a) {
                    w.GamePlace->PutAttack(pool.takeLast());
                    if (a < attacks - 1 || !unbeaten)
                        w.GamePlace->PutDefence(pool.takeLast());
                }
                probe->SetFirstBout(below(2));
                ++positions;
                const QString where = QStringLiteral("seed %1, stock %2, hand %3, table %4")
                                          .arg(seed)
                                          .arg(probe->Stock())
                                          .arg(Names(hand->Cards), Names(w.GamePlace->Cards));
                CheckAttack(hand->Cards, seen);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(where));
                if (unbeaten)
                    CheckDefence(hand->Cards, seen);
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(where));
            }
        }
        qInfo("%d positions", positions);
        QVERIFY(positions >= 3000);
        for (const char* outcome :
             {"lead", "throw-in plain", "throw-in trump", "throw-in none", "trump held back",
              "beat plain", "beat trump", "trump saved", "no beater"})
            QVERIFY2(seen.value(outcome) > 0, outcome);
    }

private:
    void CheckAttack(const QList<TCard*>& hand, QMap<QString, int>& seen) {
        const int stock = probe->Stock();
        QList<TCard*> plain, trumps;
        for (TCard* c : hand)
            if (probe->CanPlay(1, c))
                (c->IsTrump ? trumps : plain).append(c);
        const int i = probe->ChooseAttack(hand);
        QVERIFY2(i >= -1 && i < hand.size() && (i < 0 || hand[i]->Index == i),
                 qPrintable(QString::number(i)));
        if (window->GamePlace->AttackCount() == 0) {
            QCOMPARE(i == -1, hand.isEmpty());
            if (i >= 0) {
                QVERIFY(probe->CanPlay(1, hand[i]));
                // While the stock lasts a trump leads only from a hand of trumps.
                if (stock > 2 && hand[i]->IsTrump)
                    QVERIFY(plain.isEmpty());
                ++seen["lead"];
            }
            return;
        }
        if (i >= 0) {
            QVERIFY(probe->CanPlay(1, hand[i]));
            // A trump only when no plain card fits, and never with 8 or more in the stock.
            if (hand[i]->IsTrump) {
                QVERIFY(plain.isEmpty());
                QVERIFY(stock < 8);
            }
            ++seen[hand[i]->IsTrump ? "throw-in trump" : "throw-in plain"];
            return;
        }
        QVERIFY(plain.isEmpty());
        QVERIFY(trumps.isEmpty() || stock >= 8);
        ++seen[trumps.isEmpty() ? "throw-in none" : "trump held back"];
    }

    void CheckDefence(const QList<TCard*>& hand, QMap<QString, int>& seen) {
        const int stock = probe->Stock();
        QList<TCard*> plain, trumps;
        for (TCard* c : hand)
            if (probe->CanPlay(2, c))
                (c->IsTrump ? trumps : plain).append(c);
        const int i = probe->ChooseDefence(hand);
        QVERIFY2(i >= -1 && i < hand.size() && (i < 0 || hand[i]->Index == i),
                 qPrintable(QString::number(i)));
        if (i >= 0) {
            QVERIFY(probe->CanPlay(2, hand[i]));
            // A plain beater is always preferred; a high trump is kept while the stock is thick.
            if (hand[i]->IsTrump) {
                QVERIFY(plain.isEmpty());
                QVERIFY(hand[i]->Value() <= 4 || stock <= 16);
            }
            ++seen[hand[i]->IsTrump ? "beat trump" : "beat plain"];
            return;
        }
        QVERIFY(plain.isEmpty());
        if (trumps.isEmpty()) {
            ++seen["no beater"];
            return;
        }
        // Taking with a beater in hand: only when even the lowest trump beater is saved.
        int lowest = 8;
        for (const TCard* c : trumps)
            lowest = std::min<int>(lowest, c->Value());
        QVERIFY2(lowest > 4 && stock > 16, qPrintable(Names(trumps)));
        ++seen["trump saved"];
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
