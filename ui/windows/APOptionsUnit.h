// SPDX-License-Identifier: GPL-3.0-or-later
// The additional payments chooser: a table over shorter terms, or one specific payment.
#pragma once

#include "ui/windows/MainLoan.h"
#include "ui/windows/WindowKit.h"

class ClickableLabel;
class QRadioButton;
class TAdditionalP;
class TADDMONTHLYR;

class TAPOPTIONS : public AnalysisWindow {
    Q_OBJECT
public:
    TAPOPTIONS(MainLoan &main, QWidget *parent = nullptr);
    // The two windows the chooser leads to, created after it.
    void AttachWindows(TAdditionalP *grid, TADDMONTHLYR *specific);

    void Label1Click();
    void Label2Click();
    void BitBtn2Click();
    void BitBtn1Click();

    QRadioButton *Specific, *Grid;
    ClickableLabel *Label1, *Label2;
    QPushButton *BitBtn2, *BitBtn1;

private:
    MainLoan &main_;
    TAdditionalP *grid_ = nullptr;
    TADDMONTHLYR *specific_ = nullptr;
};
