// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: who made Quovella and which version this is.
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *HeadingLabel;
    QLabel *VersionLabel;

    void setVisible(bool visible) override;

private:
    // The picture and the OK button, whose icon comes from the desktop's icon
    // theme: looked up when the window is first shown, not at start-up.
    void FinishBuilding();

    QLabel *icon_;
    QDialogButtonBox *buttons_;
};
