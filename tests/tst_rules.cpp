// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules dialog on its own: what it tells, that it scrolls, and the ways it closes. It is
// built without the card library.
#include "tfrules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <functional>

class TestRules : public QObject {
    Q_OBJECT

    // Runs the dialog modally as the program does; `act` comes once it is up and active.
    static int Exec(TfRules& dialog, const std::function<void()>& act) {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
            if (QApplication::activeModalWidget() != &dialog ||
                QApplication::activeWindow() != &dialog)
                return;
            poll.stop();
            act();
        });
        poll.start();
        // Never hang the suite: a dialog that does not close fails the case.
        QTimer::singleShot(20000, &dialog, [&] { dialog.done(-1); });
        return dialog.exec();
    }

private slots:
    void looks() {
        TfRules dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Правила игры"));
        QCOMPARE(dialog.bbtClose->text(), QStringLiteral("Закрыть"));
        QVERIFY(dialog.bbtClose->isDefault());
        QVERIFY(dialog.tText->isReadOnly());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Longer than the window: it scrolls, and the keys scroll it.
        QScrollBar* bar = dialog.tText->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(QApplication::focusWidget(), dialog.tText);
        QTest::keyClick(dialog.tText, Qt::Key_PageDown);
        QVERIFY(bar->value() > 0);
        for (int i = 0; i < 100 && bar->value() < bar->maximum(); ++i)
            QTest::keyClick(dialog.tText, Qt::Key_PageDown);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(dialog.tText, Qt::Key_Up);
        QVERIFY(bar->value() < bar->maximum());
    }

    // What a newcomer needs, each in the program's own words.
    void tells_data() {
        QTest::addColumn<QString>("words");
        for (const char* words : {"36 карт",
                                  "шесть карт компьютеру",
                                  "козырь на всю партию",
                                  "самый младший козырь",
                                  "самый старший козырь",
                                  "если ни у кого &mdash; вы",
                                  "если ни у кого &mdash; компьютер",
                                  "победитель",
                                  "подкинуть",
                                  "не больше пяти",
                                  "не больше шести",
                                  "старшая карта той же масти или любой козырь",
                                  "Козырь бьёт только",
                                  "«Бито!»",
                                  "«Беру!»",
                                  "«Больше",
                                  "Первым добирает компьютер",
                                  "ничья",
                                  "Щелчок",
                                  "двойной щелчок",
                                  "F1",
                                  "F2",
                                  "F3",
                                  "Ctrl+X",
                                  "Enter",
                                  "Esc",
                                  "«Подсказка»",
                                  "«Быстпрая"})
            QTest::newRow(words) << QString::fromUtf8(words);
    }
    void tells() {
        QFETCH(QString, words);
        TfRules dialog(nullptr);
        // The words as written in the source, entities and all, read as the dialog shows them.
        QTextDocument source;
        source.setHtml(words);
        QVERIFY2(dialog.tText->toPlainText().contains(source.toPlainText()), qPrintable(words));
    }

    void closes_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Esc") << "Esc" << int(QDialog::Rejected);
        QTest::newRow("Enter on the text") << "Enter" << int(QDialog::Accepted);
        QTest::newRow("keypad Enter on the text") << "keypad Enter" << int(QDialog::Accepted);
        QTest::newRow("Enter on the button") << "Enter on the button" << int(QDialog::Accepted);
        QTest::newRow("the button") << "click" << int(QDialog::Accepted);
        QTest::newRow("the close box") << "close box" << int(QDialog::Rejected);
    }
    void closes() {
        QFETCH(QString, how);
        QFETCH(int, result);
        TfRules dialog(nullptr);
        const int got = Exec(dialog, [&] {
            if (how == "Esc")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else if (how == "Enter")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else if (how == "keypad Enter")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            else if (how == "Enter on the button") {
                dialog.bbtClose->setFocus();
                QTest::keyClick(dialog.bbtClose, Qt::Key_Return);
            } else if (how == "click")
                QTest::mouseClick(dialog.bbtClose, Qt::LeftButton);
            else if (how == "close box") {
                // What the window system sends when the close box is clicked.
                QCloseEvent close;
                QCoreApplication::sendEvent(dialog.windowHandle(), &close);
            }
        });
        QCOMPARE(got, result);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestRules)
#include "tst_rules.moc"
