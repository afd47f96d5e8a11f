// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfrules.h"

#include "rulestext.h"

#include <QKeyEvent>
#include <QVBoxLayout>

TfRules* fRules = nullptr;

TfRules::TfRules(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Правила игры"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    setFont(font);

    tText = new QTextBrowser(this);
    tText->setOpenLinks(false);
    tText->setHtml(RulesText());
    // Arrows and Page Up/Down scroll the text from the start.
    tText->installEventFilter(this);

    bbtClose = new QPushButton(QStringLiteral("Закрыть"), this);
    bbtClose->setDefault(true);
    connect(bbtClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tText);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(bbtClose);
    layout->addLayout(row);
    resize(600, 520);
    tText->setFocus();
}

bool TfRules::eventFilter(QObject* watched, QEvent* event) {
    // The text keeps the keyboard for scrolling, but Enter is the button's, as in any dialog.
    if (watched == tText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            bbtClose->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
