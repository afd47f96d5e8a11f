// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// "Разбор партии..." in the window: disabled before any game and while the first goes on;
// enabled once it ends or is left after a move; its dialog, shown through the modal hook,
// lists every move, finishes its worker, shows a selected row's position and, closed, leaves
// no worker behind.
#include "modal.h"
#include "recorder.h"
#include "reviewposition.h"
#include "tfmain.h"
#include "tfreview.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

class TfMainProbe {
public:
    static TGame& Game(TfMain& w) { return w.FGame; }
    static void Act(TfMain& w, TAction a) {
        w.Handler([&] { w.Act(a); });
    }
    static const TMoveRecorder& Recorder(TfMain& w) { return *w.FRecorder; }
};

class TestReviewDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<TfMain> w;

private slots:
    void init() {
        vesk::SetModalHook([](QDialog*) { return int(QMessageBox::Ok); });
        TCardBatch::SeedSource = [] { return 21u; };
        w = std::make_unique<TfMain>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() {
        w.reset();
        vesk::SetModalHook(nullptr);
        TCardBatch::SeedSource = nullptr;
    }

    void itemFollowsTheGames_data() {
        QTest::addColumn<bool>("finish");
        QTest::newRow("ended") << true;
        QTest::newRow("left after a move") << false;
    }
    void itemFollowsTheGames() {
        QFETCH(bool, finish);
        QVERIFY(!w->mmReview->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(!w->mmReview->isEnabled());
        TRulePolicy rules;
        TGame& g = TfMainProbe::Game(*w);
        for (int step = 0; step < 1000 && g.P.State != gsOver && (finish || step < 1); ++step)
            TfMainProbe::Act(*w, rules.Choose(g));
        if (!finish)
            QTest::keyClick(w.get(), Qt::Key_F2);
        QVERIFY(w->mmReview->isEnabled());
        const std::size_t moves = TfMainProbe::Recorder(*w).Last()->Moves.size();

        bool seen = false;
        vesk::SetModalHook([&](QDialog* d) {
            auto* review = qobject_cast<TfReview*>(d);
            if (!review)
                return int(QMessageBox::Ok);
            seen = true;
            [&] {
                QCOMPARE(fReview, review);
                QCOMPARE(std::size_t(review->tblMoves->rowCount()), moves);
                QTRY_VERIFY_WITH_TIMEOUT(!review->Running(), 60000);
                QVERIFY(review->Review().Complete);
                QVERIFY(review->lSummary->text().contains(QStringLiteral("Ошибок: ")));
                review->tblMoves->selectRow(review->tblMoves->rowCount() - 1);
                QVERIFY(review->Position->Game().has_value());
                QCOMPARE(
                    review->Position->Game()->P.Hands[ptMan].Set(),
                    TfMainProbe::Recorder(*w).Last()->Moves.back().Before.P.Hands[ptMan].Set());
            }();
            return int(QDialog::Rejected);
        });
        w->mmReview->trigger();
        QVERIFY(seen);
        QCOMPARE(fReview, nullptr);
    }

    // Closed while it works: the worker is stopped and waited for.
    void closedWhileWorking() {
        QTest::keyClick(w.get(), Qt::Key_F2);
        TRulePolicy rules;
        TGame& g = TfMainProbe::Game(*w);
        while (g.P.State != gsOver)
            TfMainProbe::Act(*w, rules.Choose(g));
        TfReview* open = nullptr;
        bool stopped = false;
        vesk::SetModalHook([&](QDialog* d) {
            open = qobject_cast<TfReview*>(d);
            if (open) {
                open->done(QDialog::Rejected);
                stopped = !open->Running();
            }
            return int(QDialog::Rejected);
        });
        w->mmReview->trigger();
        QVERIFY(open);
        QVERIFY(stopped);
        QCOMPARE(fReview, nullptr);
    }
};

QTEST_MAIN(TestReviewDialog)
#include "tst_reviewdialog.moc"
