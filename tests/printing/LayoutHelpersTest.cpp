// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/printing/PrintingTestSupport.h"

TEST(PadTextLeft, TrimsBlanksAndControlsThenPadsAtTheEnd)
{
    EXPECT_EQ(PadTextLeft("   Monthly Mortgage Payment is", 33),
              QString("Monthly Mortgage Payment is") + QString(6, ' '));
    const QString fifty(50, 'x');
    EXPECT_EQ(PadTextLeft(fifty, 33), fifty);
    EXPECT_EQ(PadTextLeft("\t\x01 Weekly \r\n", 9), "Weekly   ");
    EXPECT_EQ(PadTextLeft("  exactly  ", 7), "exactly");
    EXPECT_EQ(PadTextLeft("", 3), "   ");
}

TEST(RightAligned, PadsShortTextAndNeverCutsLongText)
{
    EXPECT_EQ(RightAligned("6", 8), "       6");
    EXPECT_EQ(RightAligned("", 4), "    ");
    EXPECT_EQ(RightAligned("Monthly", 7), "Monthly");
    EXPECT_EQ(RightAligned("FortNightly", 8), "FortNightly");
}

TEST(ReportSetUp, MeasuresInEightPointsBeforeNamingTheFontAndKeepsTheChosenOrientation)
{
    // A channel left in 12-point bold underlined Arial, landscape as the user chose.
    RecordingPrinterChannel channel(1025, 10);
    channel.SetFont({"Arial", 12, true, true});
    channel.SetOrientation(PageOrientation::Landscape);
    PrintState state;
    state.PrintLineCount = 40;
    state.PrintPageNumber = 3;
    state.HeadingPending = false;

    StartReport(state, channel, "Mortgage Schedule");

    // 1025 / 10 = 102.5 rounds to the even 102; seven lines are the margin.
    EXPECT_EQ(state.LinesPerPage, 95);
    EXPECT_EQ(state.PrintLineCount, 1);
    EXPECT_EQ(state.PrintPageNumber, 1);
    EXPECT_TRUE(state.HeadingPending);
    EXPECT_EQ(state.PrinterChannel, &channel);
    const auto &events = channel.Events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].font, (PrintFont{"Arial", 8, false, false})); // measured in this one
    EXPECT_EQ(events[2].font, (PrintFont{"Courier New", 8, false, false}));
    EXPECT_TRUE(channel.opened);
    // The page is measured as it prints: the orientation is not changed after.
    EXPECT_EQ(channel.orientationAtOpen, PageOrientation::Landscape);
    EXPECT_EQ(channel.orientationChanges, 1);
    EXPECT_EQ(channel.documentName, "Mortgage Schedule");
}

TEST(ReportSetUp, PageCapacityRoundsHalvesToEven)
{
    auto capacity = [](double pageHeight) {
        RecordingPrinterChannel channel(pageHeight, 10);
        PrintState state;
        StartReport(state, channel, "x");
        return state.LinesPerPage;
    };
    EXPECT_EQ(capacity(1035), 97);  // 103.5 -> 104
    EXPECT_EQ(capacity(1025), 95);  // 102.5 -> 102
    EXPECT_EQ(capacity(1026), 96);  // 102.6 -> 103
    EXPECT_EQ(capacity(0), -7);
}

TEST(SetPrintFont, SetsSizeAndStylesAndKeepsTheName)
{
    RecordingPrinterChannel channel;
    PrintState state;
    state.PrinterChannel = &channel;
    channel.SetFont({"Courier New", 12, true, true});
    SetPrintFont(state, 10, true, false);
    EXPECT_EQ(channel.Font(), (PrintFont{"Courier New", 10, true, false}));
    SetPrintFont(state, 8, false, true);
    EXPECT_EQ(channel.Font(), (PrintFont{"Courier New", 8, false, true}));
}

TEST(NewPageIfFull, BreaksOnlyPastCapacityAndNeverTwiceWhileTheHeadingIsPending)
{
    RecordingPrinterChannel channel;
    channel.Open("x");
    PrintState state;
    state.PrinterChannel = &channel;
    state.LinesPerPage = 10;
    state.HeadingPending = false;
    state.PrintLineCount = 10;

    EXPECT_FALSE(NewPageIfFull(state, 10));
    EXPECT_TRUE(channel.Events().empty());

    EXPECT_TRUE(NewPageIfFull(state, 11));
    EXPECT_EQ(channel.Lines(), (QStringList{"<FF>", "[8]"})); // the new page starts with an empty line
    EXPECT_EQ(state.PrintPageNumber, 2);
    EXPECT_EQ(state.PrintLineCount, 1);
    EXPECT_TRUE(state.HeadingPending);

    EXPECT_FALSE(NewPageIfFull(state, 11));
    EXPECT_FALSE(NewPageIfFull(state, 1000000));
    EXPECT_EQ(channel.Lines().size(), 2);
    EXPECT_EQ(state.PrintPageNumber, 2);
}
