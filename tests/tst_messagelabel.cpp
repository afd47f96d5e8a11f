// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The message line leaves out the text only where the text cannot be and draws it from a kept
// layout: it shows what a plain label shows, for any text and any part repainted.
#include "messagelabel.h"

#include <QApplication>
#include <QTest>

namespace {
const QColor Green(0, 128, 0);

void Dress(QLabel* label, const QString& text) {
    label->setGeometry(3, 149, 580, 28);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(24);
    f.setBold(true);
    f.setItalic(true);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setText(text);
}

// The label over a green ground, only the given part of it painted.
QImage Shown(QLabel* label, const QRect& part) {
    QImage img(label->size(), QImage::Format_RGB32);
    img.fill(Green);
    label->render(&img, part.topLeft(), QRegion(part), QWidget::DrawChildren);
    return img;
}
} // namespace

class TestMessageLabel : public QObject {
    Q_OBJECT
private slots:
    void sameAsPlainLabel_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("part");
        const QString texts[] = {
            QStringLiteral("Нажмите кнопку или F2"), QStringLiteral(" Беру! Давайте еще"),
            QStringLiteral("   Вы выиграли!   "), QStringLiteral("По-моему, Вам надо брать!"),
            // Long enough to run under the button at the right end.
            QStringLiteral("По-моему, Вам надо брать! По-моему, Вам надо брать!"),
            QStringLiteral("<b>Жирный</b> текст"), QString()};
        const std::pair<const char*, QRect> parts[] = {{"whole", {0, 0, 580, 28}},
                                                       {"under the button", {449, 0, 131, 28}},
                                                       {"a sliver", {120, 10, 3, 3}},
                                                       {"left end", {0, 0, 40, 28}}};
        for (const QString& text : texts)
            for (const auto& [name, part] : parts)
                QTest::addRow("%s, %s", qPrintable(text.left(20)), name) << text << part;
    }
    void sameAsPlainLabel() {
        QFETCH(QString, text);
        QFETCH(QRect, part);
        QLabel plain;
        TMessageLabel ours;
        // Laid out once for another text first: the kept layout must follow the new one.
        Dress(&ours, QStringLiteral("Отбивайтесь!"));
        (void)Shown(&ours, ours.rect());
        Dress(&plain, text);
        Dress(&ours, text);
        QCOMPARE(Shown(&ours, part), Shown(&plain, part));
        // Greyed, as in a window that is switched off.
        plain.setEnabled(false);
        ours.setEnabled(false);
        QCOMPARE(Shown(&ours, part), Shown(&plain, part));
        // Another size of type.
        for (QLabel* l : {static_cast<QLabel*>(&plain), static_cast<QLabel*>(&ours)}) {
            QFont f = l->font();
            f.setPixelSize(13);
            f.setItalic(false);
            l->setFont(f);
        }
        QCOMPARE(Shown(&ours, part), Shown(&plain, part));
    }

    // Every pixel the text changes lies in the area the label keeps for it.
    void inkInsideTextArea_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("align");
        for (int align : {int(Qt::AlignLeft | Qt::AlignVCenter), int(Qt::AlignRight | Qt::AlignTop),
                          int(Qt::AlignCenter)})
            for (const char* text : {"Нажмите кнопку или F2", "fff///", "WWW jjj ƒ",
                                     "По-моему, Вам надо брать! По-моему, Вам надо брать!"})
                QTest::addRow("%s, %x", text, align) << QString::fromUtf8(text) << align;
    }
    void inkInsideTextArea() {
        QFETCH(QString, text);
        QFETCH(int, align);
        TMessageLabel label;
        Dress(&label, text);
        label.setAlignment(Qt::Alignment(align));
        const QImage img = Shown(&label, label.rect());
        const QRect area = label.TextArea();
        int inked = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) != Green) {
                    ++inked;
                    QVERIFY2(area.contains(x, y),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
        QVERIFY(inked > 0);
        // The area follows a new text.
        label.setText(QStringLiteral("x"));
        QVERIFY(label.TextArea() != area);
    }
};

QTEST_MAIN(TestMessageLabel)
#include "tst_messagelabel.moc"
