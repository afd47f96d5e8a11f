// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tfabout.h"

#include "bevel.h"
#include "glyphs.h"
#include "memstatus.h"
#include "modal.h"
#include "programicon.h"
#include "screencentre.h"
#include "versioninfo.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <algorithm>

TfAbout* fAbout = nullptr;

namespace {
// "MS Sans Serif" has no counterpart here; DejaVu Sans stands in for it.
QFont PixelFont(int pixels) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    return f;
}

// The 32 x 32 icon at the given density: a dense screen gets the double-size picture, not
// the small one blurred up to its size.
QPixmap ProgramIcon(qreal ratio) {
    QIcon icon = vesk::ProgramIcon();
    if (icon.availableSizes().isEmpty())
        icon = QApplication::windowIcon();
    return icon.pixmap(QSize(32, 32), ratio);
}

// DejaVu Sans runs wider than the font the layout was made for: a long figure would be cut
// off at the dialog's edge. Such a label is narrowed just enough, its height kept.
void FitToDialog(QLabel* label) {
    constexpr int Room = 342 - 64 - 8;
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int width = QFontMetrics(font).horizontalAdvance(label->text());
    if (width > Room) {
        // Glyphs do not narrow in exact proportion: step down from the estimate until it fits.
        int stretch = std::max(50, Room * 100 / width);
        font.setStretch(stretch);
        while (stretch > 50 && QFontMetrics(font).horizontalAdvance(label->text()) > Room)
            font.setStretch(--stretch);
    }
    label->setFont(font);
    label->adjustSize();
}

QString Kilobytes(std::uint64_t bytes) {
    return QString::number(bytes / 1024) + QStringLiteral(" Кбайт");
}
} // namespace

TfAbout::TfAbout(QWidget* owner, const QString& versionFile)
    : QDialog(owner), FVersionFile(versionFile) {
    CreateLayout();
    FormCreate();
}

QLabel* TfAbout::AddLabel(const QString& text, int y, int pixels) {
    auto* label = new QLabel(text, this);
    label->setFont(PixelFont(pixels));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->move(64, y);
    label->adjustSize();
    return label;
}

void TfAbout::CreateLayout() {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("О программе "));
    setFixedSize(342, 243);
    setFont(PixelFont(11));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    Image1 = new QLabel(this);
    const QPixmap icon = ProgramIcon(devicePixelRatioF());
    Image1->setPixmap(icon);
    const QSize iconSize = icon.isNull() ? QSize(32, 32) : icon.deviceIndependentSize().toSize();
    Image1->setGeometry(QRect(QPoint(16, 16), iconSize));

    lProductName = AddLabel(QStringLiteral("Название продукта"), 16, 13);
    lFileVersion = AddLabel(QStringLiteral("Версия "), 40, 13);
    Label3 = AddLabel(QStringLiteral("Автор: мастерская «Зелёное сукно»"), 88, 13);
    lLegalCopyright = AddLabel(QStringLiteral("© 2026"), 64, 13);

    Bevel1 = new TBevel(this);
    Bevel1->setGeometry(64, 112, 265, 17);

    bbtOk = new QPushButton(vesk::OkGlyph(vesk::TOkLook::Smooth), QStringLiteral("OK"), this);
    bbtOk->setGeometry(256, 208, 75, 25);
    bbtOk->setDefault(true);
    connect(bbtOk, &QPushButton::clicked, this, &QDialog::accept);

    lTotalPhys = AddLabel(QString(), 136, 11);
    lMemoryLoad = AddLabel(QString(), 120, 11);
    lAvailPhys = AddLabel(QString(), 152, 11);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    lTotalVirtual = AddLabel(QString(), 168, 11);
    lAvailVirtual = AddLabel(QString(), 184, 11);

    bbtOk->setFocus();
    vesk::CentreOnScreen(this);
}

void TfAbout::FormCreate() {
    FillMemoryLabels();
    // A failure while reading is shown, and the dialog still opens with the memory figures.
    vesk::Guarded([this] { FillVersionLabels(); });
}

void TfAbout::FillVersionLabels() {
    const QString path =
        FVersionFile.isEmpty() ? QCoreApplication::applicationFilePath() : FVersionFile;
    const TVersionInfo info(path);
    if (!info.FLoaded)
        return;
    const QString product = info.ReadProductName();
    setWindowTitle(windowTitle() + '"' + product + '"');
    lProductName->setText(product);
    lProductName->adjustSize();
    lFileVersion->setText(QStringLiteral("Версия ") + info.ReadFileVersion());
    lFileVersion->adjustSize();
    lLegalCopyright->setText(info.ReadLegalCopyright());
    lLegalCopyright->adjustSize();
}

void TfAbout::FillMemoryLabels() {
    vesk::TMemoryStatus status;
    vesk::GlobalMemoryStatus(&status);
    const auto set = [](QLabel* label, const QString& text) {
        label->setText(text);
        FitToDialog(label);
    };
    set(lTotalPhys,
        QStringLiteral("Всего доступной физической памяти: ") + Kilobytes(status.ullTotalPhys));
    set(lMemoryLoad, QStringLiteral("Использовано памяти: ") +
                         QString::number(status.dwMemoryLoad) + QStringLiteral("%"));
    set(lAvailPhys,
        QStringLiteral("Свободно физической памяти: ") + Kilobytes(status.ullAvailPhys));
    set(lTotalVirtual,
        QStringLiteral("Всего страничной памяти: ") + Kilobytes(status.ullTotalPageFile));
    set(lAvailVirtual,
        QStringLiteral("Свободно страничной памяти: ") + Kilobytes(status.ullAvailPageFile));
}

void TfAbout::Timer1Timer() {
    vesk::Guarded([this] { FillMemoryLabels(); });
}
