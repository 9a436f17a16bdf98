// SPDX-License-Identifier: GPL-3.0-or-later
// A freshly started Quovella on the scripted platform, for window tests.
#pragma once

#include "tests/common/QtPrinters.h"
#include "ui/windows/APGridUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/windows/AboutUnit.h"
#include "ui/common/Keyboard.h"
#include "ui/common/Look.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "chart/PieChart3D.h"
#include "ui/main/Program.h"
#include "platform/ScriptedPlatform.h"
#include "ui/windows/SpecificAPUnit.h"
#include "version/Version.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The main window's title once the program is set up.
inline const QString kProgramTitle = QStringLiteral("Quovella ") + QLatin1String(Quovella::kVersion);

class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetPlatform(&platform);
        program = std::make_unique<Program>();
        program->Start(arguments);
        QApplication::processEvents();
    }

    void TearDown() override
    {
        // Close without the save question.
        main().SetSavedFlag(true);
        program.reset();
        SetPlatform(nullptr);
    }

    TMORTLOAN &main() { return program->Main(); }
    const SecondaryWindows &windows() { return main().Windows(); }

    void TypeLoan(const QString &amount, const QString &years, const QString &rate,
                  const QString &part = QString())
    {
        main().MAmount->setText(amount);
        main().Period->setText(years);
        main().MPartyear->setText(part);
        main().IRate->setText(rate);
    }

    // Chooses a payment frequency, by its English selector, as the user would.
    void ChoosePayment(const QString &frequency)
    {
        main().MPayment->setCurrentIndex(main().MPayment->findData(frequency, Qt::UserRole, Qt::MatchFixedString));
        emit main().MPayment->activated(main().MPayment->currentIndex());
    }

    RecordedMessage OnlyMessage()
    {
        EXPECT_EQ(platform.messages.size(), 1u) << platform.MessageTexts().join(" | ").toStdString();
        return platform.messages.empty() ? RecordedMessage{} : platform.messages.back();
    }

    static void Settle()
    {
        QCoreApplication::sendPostedEvents();
        QApplication::processEvents();
    }

    // Opens a table window from the main window and runs `inside` while it is shown.
    void OpenSchedule(const std::function<void(TMSCHEDULE *)> &inside)
    {
        platform.modalActions.insert("MSCHEDULE", [&](QDialog *) { Settle(); inside(windows().schedule); });
        main().SpeedButton2->click();
    }
    void OpenGrid(const std::function<void(TMORTAGEGRID *)> &inside)
    {
        platform.modalActions.insert("MORTAGEGRID", [&](QDialog *) { Settle(); inside(windows().grid); });
        main().MortgageGridBtn->click();
    }
    void OpenAdditional(const std::function<void(TAdditionalP *)> &inside)
    {
        windows().options->Grid->setChecked(true);
        platform.modalActions.insert("APOPTIONS", [&](QDialog *) { windows().options->BitBtn2->click(); });
        platform.modalActions.insert("AdditionalP", [&](QDialog *) { Settle(); inside(windows().additional); });
        main().SpeedButton3->click();
    }

    ScriptedPlatform platform;
    QStringList arguments;
    std::unique_ptr<Program> program;
};

inline std::string S(const QString &text)
{
    return text.toStdString();
}
