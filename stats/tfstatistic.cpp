// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfstatistic.h"

#include "glyphs.h"
#include "screencentre.h"

#include <QHBoxLayout>

TfStatistic* fStatistic = nullptr;

namespace {

constexpr int ClientWidth = 216;
constexpr int ClientHeight = 178;
constexpr int RowHeight = 35;
constexpr int BorderWidth = 8; // inside the one-pixel bevel
constexpr int LabelHeight = 17;

} // namespace

TfStatistic::TfStatistic(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Статистика игры"));
    // "MS Sans Serif" has no counterpart here; DejaVu Sans stands in for it.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(ClientWidth, ClientHeight);

    Panel5 = AddRow(0, QStringLiteral("Сыграно игр"), Label4, lGamesTotal, QStringLiteral("0"));
    Panel1 = AddRow(35, QStringLiteral("Ничьи"), Label3, lDrawTotal, QStringLiteral("0 (0%)"));
    Panel3 = AddRow(70, QStringLiteral("Выигрыши  "), Label1, lWinsTotal, QStringLiteral("0 (0%)"));
    Panel4 =
        AddRow(105, QStringLiteral("Проигрыши  "), Label2, lLoseTotal, QStringLiteral("0 (0%)"));

    Panel2 = new QFrame(this);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setGeometry(0, 4 * RowHeight, ClientWidth, ClientHeight - 4 * RowHeight);
    BitBtn2 = AddButton(6, QStringLiteral("ОК"), vesk::OkGlyph(vesk::TOkLook::Bitmap16), mrOk);
    BitBtn1 = AddButton(112, QStringLiteral("Очистить"), vesk::GlyphIcon(vesk::ClearGlyphBitmap()),
                        mrYes);
    BitBtn2->setDefault(true);
    setTabOrder(BitBtn2, BitBtn1);
    BitBtn2->setFocus();

    vesk::CentreOnScreen(this);
}

QFrame* TfStatistic::AddRow(int top, const QString& caption, QLabel*& captionLabel,
                            QLabel*& valueLabel, const QString& value) {
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, top, ClientWidth, RowHeight);
    // The caption keeps to the left edge; the value sizes itself to its text and grows
    // leftwards from the right edge.
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    row->setSpacing(0);
    captionLabel = new QLabel(caption, panel);
    valueLabel = new QLabel(value, panel);
    for (QLabel* label : {captionLabel, valueLabel}) {
        label->setFixedHeight(LabelHeight);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    row->addWidget(captionLabel, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(valueLabel, 0, Qt::AlignVCenter);
    return panel;
}

QPushButton* TfStatistic::AddButton(int left, const QString& caption, const QIcon& glyph,
                                    int result) {
    auto* button = new QPushButton(glyph, caption, Panel2);
    button->setGeometry(left, 6, 99, 25);
    button->setIconSize(QSize(18, 18));
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void TfStatistic::reject() {
    done(mrCancel);
}
