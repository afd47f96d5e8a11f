// SPDX-FileCopyrightText: 2026 Мастерская «Зелёное сукно»
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTimer>

class TBevel;

// The About dialog: the program icon, product name, version and copyright from the version
// block, an author line, and the machine's memory figures refreshed every second.
class TfAbout : public QDialog {
    Q_OBJECT
    friend class TfAboutProbe; // tests drive the timer's handler

public:
    // `versionFile` is the file whose version block is shown; by default the running
    // executable.
    explicit TfAbout(QWidget* owner, const QString& versionFile = QString());

    // The components, in the order of the layout.
    QLabel* Image1 = nullptr;
    QLabel* lProductName = nullptr;
    QLabel* lFileVersion = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lLegalCopyright = nullptr;
    TBevel* Bevel1 = nullptr;
    QPushButton* bbtOk = nullptr;
    QLabel* lTotalPhys = nullptr;
    QLabel* lMemoryLoad = nullptr;
    QLabel* lAvailPhys = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* lTotalVirtual = nullptr;
    QLabel* lAvailVirtual = nullptr;

private:
    void CreateLayout();
    QLabel* AddLabel(const QString& text, int y, int pixels);
    void FormCreate();
    void FillVersionLabels();
    void FillMemoryLabels();
    void Timer1Timer();

    QString FVersionFile;
};

extern TfAbout* fAbout;
