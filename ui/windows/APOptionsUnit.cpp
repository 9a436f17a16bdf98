// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/APOptionsUnit.h"

#include "ui/windows/APGridUnit.h"
#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "platform/Platform.h"
#include "ui/windows/SpecificAPUnit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TAPOPTIONS::TAPOPTIONS(MainLoan &main, QWidget *parent)
    : AnalysisWindow(QStringLiteral("APOPTIONS"), tr("Additional Payment Options"), 341, 150,
                     Look::ButtonFace(), parent),
      main_(main)
{
    // The options carry their captions for the keyboard and screen readers, but
    // show only the descriptions beside them.
    Specific = new QRadioButton(this);
    Specific->setObjectName(QStringLiteral("Specific"));
    Specific->setAccessibleName(tr("Specific"));
    Grid = new QRadioButton(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setAccessibleName(tr("Grid"));
    Specific->setFixedWidth(17);
    Grid->setFixedWidth(17);
    Specific->setChecked(true);

    auto description = [this](const char *name, const QString &text) {
        auto *label = new ClickableLabel(QLatin1String(name), text, this);
        label->setWordWrap(true);
        label->setFont(Look::UiFont(9, true));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Look::Purple());
        label->setPalette(palette);
        return label;
    };
    Label1 = description("Label1", tr("Calculate the effects of a specific additional payment"));
    Label2 = description("Label2", tr("Compare the additional payments required to reduce the "
                                                  "Mortgage by different periods."));
    BitBtn2 = Look::Button(QStringLiteral("BitBtn2"), tr("OK"), this, QStringLiteral("ok"));
    BitBtn1 = Look::Button(QStringLiteral("BitBtn1"), tr("Cancel"), this);
    BitBtn2->setDefault(true);
    Label1->setBuddy(Specific);
    Label2->setBuddy(Grid);

    auto *choices = new QGridLayout;
    choices->setHorizontalSpacing(6);
    choices->addWidget(Specific, 0, 0, Qt::AlignTop);
    choices->addWidget(Label1, 0, 1);
    choices->addWidget(Grid, 1, 0, Qt::AlignTop);
    choices->addWidget(Label2, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(choices);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Label1, &ClickableLabel::clicked, this, [this] { Label1Click(); });
    connect(Label2, &ClickableLabel::clicked, this, [this] { Label2Click(); });
    OnClick(BitBtn2, [this] { BitBtn2Click(); });
    OnClick(BitBtn1, [this] { BitBtn1Click(); });
    Keyboard::TabOrder({Specific, Grid, BitBtn2, BitBtn1});
    Keyboard::AssignMnemonics(this);
}

void TAPOPTIONS::AttachWindows(TAdditionalP *grid, TADDMONTHLYR *specific)
{
    grid_ = grid;
    specific_ = specific;
}

void TAPOPTIONS::Label1Click()
{
    Specific->setChecked(true);
}

void TAPOPTIONS::Label2Click()
{
    Grid->setChecked(true);
}

void TAPOPTIONS::BitBtn2Click()
{
    if (Grid->isChecked()) {
        grid_->OpenWithLoan(main_.CurrentLoanTexts());
        ThePlatform().ShowModal(grid_);
    } else {
        specific_->PrepareOpening();
        ThePlatform().ShowModal(specific_);
    }
    accept();
}

void TAPOPTIONS::BitBtn1Click()
{
    reject();
}
