// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfbreakdown.h"

#include "glyphs.h"
#include "screencentre.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfBreakdown* fBreakdown = nullptr;

TfBreakdown::TfBreakdown(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Подробная статистика"));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    setFont(f);

    Table = new QTableWidget(this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    Table->verticalHeader()->hide();
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    OkButton = new QPushButton(vesk::OkGlyph(vesk::TOkLook::Bitmap16), QStringLiteral("ОК"), this);
    OkButton->setIconSize(QSize(18, 18));
    OkButton->setFixedSize(99, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Table);
    layout->addLayout(buttons);
}

void TfBreakdown::Fill(const QStringList& header, const std::vector<QStringList>& rows) {
    Table->setColumnCount(int(header.size()));
    Table->setHorizontalHeaderLabels(header);
    Table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[r].size()); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            // Counts read from the right, names from the left.
            item->setTextAlignment(c < 2 ? Qt::AlignLeft | Qt::AlignVCenter
                                         : Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, c, item);
        }
    Table->resizeColumnsToContents();
    Table->resizeRowsToContents();
    // The whole table in view, no scrolling: its size is known once filled.
    int width = 2 * Table->frameWidth();
    for (int c = 0; c < Table->columnCount(); ++c)
        width += Table->columnWidth(c);
    int height = 2 * Table->frameWidth() + Table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < Table->rowCount(); ++r)
        height += Table->rowHeight(r);
    Table->setFixedSize(width, height);
    adjustSize();
    setFixedSize(size());
    vesk::CentreOnScreen(this);
}
