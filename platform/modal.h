// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>

#include <exception>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace vesk {

// Every modal dialog and box of the program is shown through here, so that tests and the
// game driver can answer it without a person. The hook gets the dialog, not yet shown, and
// returns the result the dialog would have ended with.
using ModalHook = std::function<int(QDialog*)>;
void SetModalHook(ModalHook hook);
int ExecModal(QDialog* dialog);

// A dialog made for one showing: kept in its instance variable while it exists, shown modally
// by Exec, and destroyed with this holder, also when something on the way throws.
template <typename Dialog> class TDialogOnce {
public:
    TDialogOnce(Dialog*& instance, Dialog* dialog) : Instance(instance), Owned(dialog) {
        Instance = dialog;
    }
    ~TDialogOnce() { Instance = nullptr; } // forgotten first, then destroyed
    TDialogOnce(const TDialogOnce&) = delete;
    TDialogOnce& operator=(const TDialogOnce&) = delete;

    Dialog* operator->() const { return Owned.get(); }
    int Exec() { return ExecModal(Owned.get()); }

private:
    Dialog*& Instance;
    std::unique_ptr<Dialog> Owned;
};

// The standard modal box with one OK button, owned by the parent.
void MessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);

// The standard error box: the application title, stop icon, OK, the error's text.
void ShowError(const QString& text);
void ShowError(const std::exception& error);

// Runs a handler and shows whatever it throws in the standard error box, so that no
// exception unwinds through Qt.
template <typename F> void Guarded(F&& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowError(e);
    } catch (...) {
        ShowError(QStringLiteral("Unknown error"));
    }
}

} // namespace vesk
