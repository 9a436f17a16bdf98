// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/AboutUnit.h"

#include "ui/common/Look.h"
#include "version/Version.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About Quovella"));
    setModal(false);

    icon_ = new QLabel(this);
    HeadingLabel = Look::Heading(QStringLiteral("HeadingLabel"), QStringLiteral("Quovella"), 28, this);
    VersionLabel = Look::Label(QStringLiteral("VersionLabel"), tr("Version ") + QLatin1String(Quovella::kVersion), this);
    auto *purpose = Look::Label(QStringLiteral("PurposeLabel"),
                                tr("A mortgage calculator for home buyers: repayments, "
                                               "schedules, grids, additional payments and savings."),
                                this);
    purpose->setWordWrap(true);
    auto *maker = Look::Label(QStringLiteral("MakerLabel"),
                              tr("Made by Ternvik.\nYour figures are calculated on this "
                                             "computer and stay in the files you save."),
                              this);
    maker->setWordWrap(true);
    auto *licence = Look::Label(QStringLiteral("LicenceLabel"),
                                tr("Free software under the GNU General Public "
                                               "License, version 3 or later."),
                                this);
    licence->setWordWrap(true);

    buttons_ = new QDialogButtonBox(this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(HeadingLabel);
    text->addWidget(VersionLabel);
    text->addSpacing(6);
    text->addWidget(purpose);
    text->addWidget(maker);
    text->addWidget(licence);
    auto *top = new QHBoxLayout;
    top->addWidget(icon_, 0, Qt::AlignTop);
    top->addSpacing(10);
    top->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons_);
    setFixedSize(Look::Scaled(QSize(380, 256)));
}

void TAboutForm::setVisible(bool visible)
{
    if (visible && icon_->pixmap().isNull())
        FinishBuilding();
    QDialog::setVisible(visible);
}

void TAboutForm::FinishBuilding()
{
    icon_->setPixmap(Look::Icon(QStringLiteral("house")).pixmap(64, 64));
    buttons_->setStandardButtons(QDialogButtonBox::Ok);
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    // A larger text than the design's may need more room than its size.
    if (Look::WindowsGrowToLayout()) {
        layout()->activate();
        setFixedSize(size().expandedTo(layout()->totalMinimumSize()));
    }
}
