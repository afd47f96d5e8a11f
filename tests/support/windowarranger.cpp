// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowarranger.h"

#include "messages.h"
#include "windowview.h"

#include <QAction>

namespace {
QString Names(const QList<TCard*>& cards) {
    TCardList ids;
    for (const TCard* c : cards)
        ids.push_back(c->Id());
    return QString::fromStdString(CardNames(ids));
}

QString Names(const TCardList& cards) {
    return QString::fromStdString(CardNames(cards));
}

QString Differ(const char* what, const QString& window, const QString& core) {
    return QStringLiteral("%1: the window shows \"%2\", the core holds \"%3\"")
        .arg(QLatin1String(what), window, core);
}
} // namespace

std::string TWindowArranger::Arrange(TfMain& w, const TWrittenPosition& written) {
    TDeal deal;
    if (std::string why = MakeDeal(written, deal); !why.empty())
        return why;
    // As a new game begins: the hands emptied, the computer's turned down, the pile shown.
    w.PlayerPlace1->ClearHand();
    w.PlayerPlace2->ClearHand();
    w.PlayerPlace2->SetFaced(false);
    w.CardBatch->show();
    TPosition& p = w.FGame.P;
    p = TPosition{};
    p.Stock.SetCards(deal.Order, 36);
    w.CardBatch->Shuffle(p.Stock); // takes every card back and clears the table
    // Each card from the top of both stocks to where the position has it.
    const TCardSuit trump = p.Trump();
    TCardId c{};
    while (p.Stock.Count() > deal.Stock && p.Stock.PopCard(c)) {
        TCard* card = w.CardBatch->PopCard();
        switch (deal.To[std::size_t(p.Stock.Count())]) {
        case dtMan:
            p.Hands[ptMan].AddCard(c, trump);
            w.PlayerPlace1->AddCard(card);
            break;
        case dtCpu:
            p.Hands[ptCPU].AddCard(c, trump);
            w.PlayerPlace2->AddCard(card);
            break;
        case dtAttack:
            p.Table.PutAttack(c);
            w.GamePlace->PutAttack(card);
            break;
        case dtDefence:
            p.Table.PutDefence(c);
            w.GamePlace->PutDefence(card);
            break;
        default:
            card->SetParentControl(nullptr); // discarded in an earlier bout
            break;
        }
    }
    w.FirstBout = deal.FirstBout;
    p.Transfers = deal.Transfers;
    w.FGame.SetState(deal.State); // the button's caption and action follow
    w.FView->ButtonEnabled(w.FGame.ButtonEnabled());
    p.Attacker = AttackerFor(deal.State);
    w.FView->RolesSet();
    return {};
}

QString TWindowArranger::Differences(const TfMain& w) {
    const TPosition& p = w.FGame.P;
    const TPlayerPlace* hands[2] = {w.PlayerPlace1, w.PlayerPlace2};
    for (const TVeskPlayerType seat : {ptMan, ptCPU}) {
        const TPlayerPlace* hand = hands[seat];
        const char* what = seat == ptMan ? "the person's hand" : "the computer's hand";
        if (Names(hand->Cards) != Names(p.Hands[seat].Cards()))
            return Differ(what, Names(hand->Cards), Names(p.Hands[seat].Cards()));
        for (int i = 0; i < hand->Cards.size(); ++i)
            if (hand->Cards[i]->Index != i || hand->Cards[i]->parentWidget() != hand)
                return QStringLiteral("%1: card %2 is out of place")
                    .arg(QLatin1String(what))
                    .arg(i);
        if (hand->Role != p.Role(seat))
            return Differ(what, QString::number(hand->Role), QString::number(p.Role(seat)));
    }
    const TGamePlace* table = w.GamePlace;
    if (Names(table->AttackCards) != Names(p.Table.Attack))
        return Differ("the attacking cards", Names(table->AttackCards), Names(p.Table.Attack));
    if (Names(table->DefenceCards) != Names(p.Table.Defence))
        return Differ("the beating cards", Names(table->DefenceCards), Names(p.Table.Defence));
    if (Names(table->Cards) != Names(p.Table.Cards))
        return Differ("the table in laying order", Names(table->Cards), Names(p.Table.Cards));
    for (const TCard* card : table->Cards)
        if (card->parentWidget() != table)
            return QStringLiteral("a table card lies elsewhere");
    const TCardBatch* pile = w.CardBatch;
    if (pile->Count() != p.Stock.Count())
        return Differ("the stock's count", QString::number(pile->Count()),
                      QString::number(p.Stock.Count()));
    for (int i = 0; i < 36; ++i) {
        // The whole order: the trump card stays at the bottom after it is drawn.
        if (i >= pile->Count() && i > 0)
            break;
        if (!(pile->Cards[i]->Id() == p.Stock.Cards[std::size_t(i)]))
            return Differ("the stock", QString::fromStdString(CardName(pile->Cards[i]->Id())),
                          QString::fromStdString(CardName(p.Stock.Cards[std::size_t(i)])));
        if (i < pile->Count() && pile->Cards[i]->parentWidget() != pile)
            return QStringLiteral("a stock card has left the pile");
    }
    if (w.State != p.State) // a reference into the core: only a broken window differs here
        return Differ("the state", QString::number(w.State), QString::number(p.State));
    if (p.State != gsManTakes &&
        w.bbtStop->text() != QString::fromUtf8(ButtonCaption(std::uint8_t(p.State))))
        return Differ("the button", w.bbtStop->text(),
                      QString::fromUtf8(ButtonCaption(std::uint8_t(p.State))));
    // As set, not as a pause shows it.
    const bool enabled = !w.bbtStop->testAttribute(Qt::WA_ForceDisabled);
    const bool said = w.FView->ButtonEnabledSaid();
    if (enabled != said)
        return Differ("the button's enabled state", QString::number(enabled),
                      QString::number(said));
    if (w.FirstBout != p.FirstBout)
        return Differ("FirstBout", QString::number(w.FirstBout), QString::number(p.FirstBout));
    const QString words = QString::fromUtf8(MessageText(w.FView->Message()));
    if (w.lMessage->text() != words)
        return Differ("the message", w.lMessage->text(), words);
    return {};
}
