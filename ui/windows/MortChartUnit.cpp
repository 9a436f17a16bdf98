// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/MortChartUnit.h"

#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "chart/PieChart3D.h"
#include "platform/Platform.h"

#include <QPainter>
#include <QPushButton>

namespace {

const QColor kPrincipalColour(0, 128, 0);
const QColor kInterestColour(255, 0, 0);

} // namespace

TMortChartForm::TMortChartForm(QWidget *parent)
    : AnalysisWindow(QStringLiteral("MortChartForm"), tr("Cost Breakdown Graph"), 526, 380,
                     Look::ButtonFace(), parent)
{
    // No buttons in the title bar: the window is left with OK or Enter.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    MortgageChart = new PieChart3D(this);
    MortgageChart->setObjectName(QStringLiteral("MortgageChart"));
    MortgageChart->SetTitle(tr("Cost Breakdown of Mortgage"));
    MortgageChart->setGeometry(rect());

    BitBtn2 = Look::Button(QStringLiteral("BitBtn2"), tr("OK"), this, QStringLiteral("ok"));
    BitBtn2->setDefault(true);
    BitBtn2->setAutoDefault(true);
    BitBtn1 = Look::PictureButton(QStringLiteral("BitBtn1"), QStringLiteral("print"),
                                  tr("Print the graph"), this);
    BitBtn2->setFixedSize(Look::Scaled(QSize(62, 26)));
    BitBtn1->setFixedSize(Look::Scaled(QSize(62, 26)));

    OnClick(BitBtn2, [this] { BitBtn2Click(); });
    OnClick(BitBtn1, [this] { BitBtn1Click(); });
    Keyboard::AssignMnemonics(this);
}

void TMortChartForm::resizeEvent(QResizeEvent *event)
{
    AnalysisWindow::resizeEvent(event);
    MortgageChart->setGeometry(rect());
    BitBtn2->move(width() - BitBtn2->width() - 8, height() / 2 - BitBtn2->height() - 4);
    BitBtn1->move(width() - BitBtn1->width() - 8, height() / 2 + 4);
    BitBtn2->raise();
    BitBtn1->raise();
}

void TMortChartForm::Fill(double principal, double interest)
{
    MortgageChart->Clear();
    MortgageChart->AddSlice(principal, tr("Principal"), kPrincipalColour);
    MortgageChart->AddSlice(interest, tr("Interest"), kInterestColour);
}

void TMortChartForm::BitBtn1Click()
{
    // On paper the graph keeps its English words in every language, as the reports do.
    PieChart3D printed;
    printed.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    printed.AddSlice(MortgageChart->SliceValue(0), QStringLiteral("Principal"), kPrincipalColour);
    printed.AddSlice(MortgageChart->SliceValue(1), QStringLiteral("Interest"), kInterestColour);
    ThePlatform().PrintLandscapePage(this,
        [&printed](QPainter &painter, const QRectF &page) { printed.Paint(painter, page); });
}

void TMortChartForm::BitBtn2Click()
{
    accept();
}
