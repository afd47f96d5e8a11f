// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modal.h"

#include <QApplication>
#include <QDialog>

namespace vesk {

namespace {
ModalHook& Hook() {
    static ModalHook hook;
    return hook;
}
} // namespace

void SetModalHook(ModalHook hook) {
    Hook() = std::move(hook);
}

int ExecModal(QDialog* dialog) {
    if (Hook())
        return Hook()(dialog);
    return dialog->exec();
}

void MessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    ExecModal(&box);
}

void ShowError(const QString& text) {
    MessageBox(QApplication::activeWindow(), QMessageBox::Critical, QStringLiteral("Игра в Веска"),
               text);
}

void ShowError(const std::exception& error) {
    ShowError(QString::fromUtf8(error.what()));
}

} // namespace vesk
