// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfreview.h"

#include "reviewposition.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

TfReview* fReview = nullptr;

namespace {
enum TColumn { clBout, clAttacker, clSeat, clMove, clVerdict, clBest, ColumnCount };

QString Who(TVeskPlayerType seat) {
    return seat == ptMan ? QStringLiteral("Вы") : QStringLiteral("Компьютер");
}

QString ValueWords(int value) {
    return value > 0   ? QStringLiteral("выигрыш")
           : value < 0 ? QStringLiteral("проигрыш")
                       : QStringLiteral("ничья");
}

QString VerdictText(const TReviewRow& r) {
    switch (r.Verdict) {
    case vdExact:
        if (r.Mark == mkMistake)
            return QStringLiteral("Ошибка: %1 → %2")
                .arg(ValueWords(r.ValueBefore), ValueWords(r.ValueAfter));
        return ValueWords(r.ValueAfter);
    case vdEstimate: {
        QString s = r.Mark == mkDoubtful ? QStringLiteral("Сомнительно: шанс %1 % (лучший %2 %)")
                                         : QStringLiteral("Шанс %1 % (лучший %2 %)");
        s = s.arg(r.ChanceChosen).arg(r.ChanceBest);
        if (r.OverBudget)
            s += QStringLiteral(", оценка: точный расчёт слишком долог");
        return s;
    }
    case vdNone:
        break;
    }
    return {};
}

QString OutcomeWords(const TMoveLog& log) {
    switch (log.Outcome()) {
    case ocWon:
        return QStringLiteral("Партия выиграна.");
    case ocLost:
        return QStringLiteral("Партия проиграна.");
    case ocDraw:
        return QStringLiteral("Ничья.");
    default:
        return QStringLiteral("Партия не окончена.");
    }
}
} // namespace

TfReview::TfReview(const TMoveLog& log, QWidget* owner, TReviewSettings settings)
    : QDialog(owner), FLog(log) {
    setWindowTitle(QStringLiteral("Разбор партии"));
    auto* layout = new QVBoxLayout(this);

    tblMoves = new QTableWidget(0, ColumnCount, this);
    tblMoves->setHorizontalHeaderLabels({QStringLiteral("Кон"), QStringLiteral("Ходит"),
                                         QStringLiteral("Кто"), QStringLiteral("Ход"),
                                         QStringLiteral("Оценка"), QStringLiteral("Лучше")});
    tblMoves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMoves->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMoves->setSelectionMode(QAbstractItemView::SingleSelection);
    tblMoves->verticalHeader()->hide();
    tblMoves->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tblMoves, 1);

    Position = new TReviewPosition(this);
    layout->addWidget(Position);

    auto* progress = new QHBoxLayout;
    pbProgress = new QProgressBar(this);
    btnCancel = new QPushButton(QStringLiteral("Прервать"), this);
    progress->addWidget(pbProgress, 1);
    progress->addWidget(btnCancel);
    layout->addLayout(progress);

    lSummary = new QLabel(this);
    layout->addWidget(lSummary);
    auto* buttons = new QDialogButtonBox(this);
    btnClose = buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        FCancel = true;
        btnCancel->setEnabled(false);
    });

    FReview.Rows = ReviewRows(FLog);
    tblMoves->setRowCount(int(FReview.Rows.size()));
    for (int i = 0; i < tblMoves->rowCount(); ++i)
        FillRow(i);
    tblMoves->resizeColumnsToContents();
    connect(tblMoves, &QTableWidget::itemSelectionChanged, this, &TfReview::ShowRow);
    if (tblMoves->rowCount() > 0)
        tblMoves->selectRow(0);
    resize(980, 760);
    Start(settings);
}

TfReview::~TfReview() {
    Stop();
}

void TfReview::done(int result) {
    Stop();
    QDialog::done(result);
}

void TfReview::Start(TReviewSettings settings) {
    lSummary->setText(OutcomeWords(FLog) + QStringLiteral(" Идёт разбор…"));
    pbProgress->setRange(0, 0);
    // The worker reads its own copy of the game; what it finds comes back as queued calls,
    // which Qt drops once the dialog is gone.
    FThread = QThread::create([this, settings, log = FLog] {
        TReviewer reviewer(settings);
        reviewer.Cancel = &FCancel;
        reviewer.Progress = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { Progress(done, total); }, Qt::QueuedConnection);
        };
        const TReview review = reviewer.Run(log);
        QMetaObject::invokeMethod(
            this, [this, review] { Finished(review); }, Qt::QueuedConnection);
    });
    FThread->start(QThread::LowPriority);
}

void TfReview::Stop() {
    if (!FThread)
        return;
    FCancel = true;
    FThread->wait();
    delete FThread;
    FThread = nullptr;
}

void TfReview::Progress(int done, int total) {
    pbProgress->setRange(0, total);
    pbProgress->setValue(done);
}

void TfReview::Finished(const TReview& review) {
    Stop();
    FReview = review;
    for (int i = 0; i < tblMoves->rowCount(); ++i)
        FillRow(i);
    tblMoves->resizeColumnsToContents();
    pbProgress->setRange(0, 1);
    pbProgress->setValue(review.Complete ? 1 : 0);
    btnCancel->setEnabled(false);
    QString s = OutcomeWords(FLog) + QLatin1Char(' ');
    if (!review.Complete)
        s += QStringLiteral("Разбор прерван. ");
    s += QStringLiteral("Ошибок: %1, сомнительных ходов: %2.")
             .arg(review.Mistakes)
             .arg(review.Doubtful);
    lSummary->setText(s);
}

void TfReview::FillRow(int i) {
    const TReviewRow& r = FReview.Rows[i];
    const QString cells[ColumnCount] = {QString::number(r.Bout),
                                        Who(r.Attacker),
                                        Who(r.Seat),
                                        QString::fromStdString(r.Words),
                                        VerdictText(r),
                                        r.Mark != mkNone ? QString::fromStdString(r.BestWords)
                                                         : QString()};
    const QColor ground = r.Mark == mkMistake    ? QColor(255, 200, 200)
                          : r.Mark == mkDoubtful ? QColor(255, 240, 180)
                                                 : QColor();
    for (int c = 0; c < ColumnCount; ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (ground.isValid())
            item->setBackground(ground);
        tblMoves->setItem(i, c, item);
    }
}

void TfReview::ShowRow() {
    const QList<QTableWidgetItem*> items = tblMoves->selectedItems();
    if (items.isEmpty()) {
        Position->Clear();
        return;
    }
    Position->SetGame(FLog.Moves[FReview.Rows[items.front()->row()].Move].Before);
}
