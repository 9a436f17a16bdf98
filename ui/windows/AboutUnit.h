// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: who made Quovella and which version this is.
#pragma once

#include <QDialog>

class QLabel;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *HeadingLabel;
    QLabel *VersionLabel;
};
