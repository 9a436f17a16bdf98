// SPDX-License-Identifier: GPL-3.0-or-later
// The cost breakdown graph: principal against total interest as a pie.
#pragma once

#include "ui/windows/WindowKit.h"

class PieChart3D;
class QPushButton;

class TMortChartForm : public AnalysisWindow {
    Q_OBJECT
public:
    explicit TMortChartForm(QWidget *parent = nullptr);

    // Empties the pie and adds the two slices.
    void Fill(double principal, double interest);
    void BitBtn1Click();
    void BitBtn2Click();

    PieChart3D *MortgageChart;
    QPushButton *BitBtn2, *BitBtn1;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
