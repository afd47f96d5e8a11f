// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movelog.h"
#include "review.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class TReviewPosition;

// "Разбор партии": a played game move by move, each of the person's choices judged by a
// worker thread while the dialog answers; a row selected shows the position of its moment.
// Closing it stops the worker and waits for it.
class TfReview : public QDialog {
    Q_OBJECT
public:
    TfReview(const TMoveLog& log, QWidget* owner, TReviewSettings settings = {});
    ~TfReview() override;

    void done(int result) override;
    bool Running() const { return FThread != nullptr; }
    const TReview& Review() const { return FReview; }

    QTableWidget* tblMoves = nullptr;
    TReviewPosition* Position = nullptr;
    QProgressBar* pbProgress = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* lSummary = nullptr;
    QPushButton* btnClose = nullptr;

private:
    void Start(TReviewSettings settings);
    void Stop();
    void Progress(int done, int total);
    void Finished(const TReview& review);
    void FillRow(int row);
    void ShowRow();

    const TMoveLog FLog;
    TReview FReview;
    std::atomic<bool> FCancel = false;
    QThread* FThread = nullptr;
};

extern TfReview* fReview;
