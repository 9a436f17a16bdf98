// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/storage/StorageTestSupport.h"

#include <vector>

namespace {

// The example's first 14 lines; the What If? block follows when a test adds it.
QList<QByteArray> MortgageLines()
{
    return {"100000", "25", "0", "6.5", "3", "3", "TRUE", "FALSE", "", "", "", "", "", "TRUE"};
}

SavedInputs Parse(const QList<QByteArray> &lines, const QByteArray &end = "\r\n")
{
    return ParseMortgageFile(Lines(lines, end));
}

QString ParseError(const QByteArray &bytes)
{
    return ErrorOf([&] { ParseMortgageFile(bytes); });
}

} // namespace

TEST(SavedFileWriter, WritesTheExampleByteForByte)
{
    EXPECT_EQ(FormatMortgageFile(ExampleInputs()), ExampleBytes());
    EXPECT_EQ(ParseMortgageFile(ExampleBytes()), ExampleInputs());
}

TEST(SavedFileWriter, WritesEveryFieldOnItsOwnLineInTableOrder)
{
    SavedInputs in;
    const QStringList texts = {"a1", "a2", "a3", "a4", "s9", "s10", "s11", "s12", "s13",
                               "w15", "w16", "w17", "w18", "w19"};
    QString *fields[] = {&in.amount, &in.years, &in.part, &in.rate,
                         &in.savingsAmount, &in.savingsPeriod, &in.savingsRate, &in.reducedPeriod, &in.investRate,
                         &in.wiPrincipal, &in.wiPeriods, &in.wiPartYear, &in.wiInterest, &in.wiRepay};
    for (int i = 0; i < texts.size(); ++i)
        *fields[i] = texts[i];
    in.payment = 0;
    in.compounded = 7;
    in.arrears = false;
    in.advance = true;
    in.transfer = false;
    in.wiVariable = 4;
    in.wiPayment = 6;
    in.wiTiming = 2;
    in.wiCompounded = -1;
    EXPECT_EQ(FormatMortgageFile(in),
              Lines({"a1", "a2", "a3", "a4", "0", "7", "FALSE", "TRUE", "s9", "s10", "s11", "s12", "s13",
                     "FALSE", "w15", "w16", "w17", "w18", "w19", "4", "6", "2", "-1"}));
}

TEST(SavedFileWriter, SaveLoadSaveKeepsTheBytes)
{
    std::vector<SavedInputs> cases;
    cases.push_back(ExampleInputs());
    cases.push_back(SavedInputs{}); // every text empty
    SavedInputs full = ExampleInputs();
    full.savingsAmount = "250000";
    full.savingsPeriod = "30";
    full.savingsRate = "7.25";
    full.reducedPeriod = "15";
    full.investRate = "4";
    full.wiPrincipal = "";
    full.wiPeriods = "20";
    full.wiPartYear = "6";
    full.wiInterest = "5.5";
    full.wiRepay = "1,234.56";
    full.wiVariable = 1;
    cases.push_back(full);
    SavedInputs odd = full;
    odd.payment = -1;
    odd.compounded = 12;
    odd.arrears = false;
    odd.advance = true;
    odd.wiVariable = 9;
    odd.wiTiming = 0;
    odd.wiPayment = -2147483647 - 1;
    odd.wiCompounded = 2147483647;
    odd.amount = " 100 000 ";
    odd.rate = QString::fromUtf8("6,5 %\u00a0\u20ac \u00fc \u4e2d");
    cases.push_back(odd);

    for (const SavedInputs &in : cases) {
        const QByteArray first = FormatMortgageFile(in);
        const SavedInputs loaded = ParseMortgageFile(first);
        EXPECT_EQ(loaded, in);
        EXPECT_EQ(FormatMortgageFile(loaded), first);
        EXPECT_EQ(first.count("\r\n"), 23);
    }
}

TEST(SavedFileWriter, TextIsUtf8AndLineBreaksInsideATextAreLeftOut)
{
    SavedInputs in = ExampleInputs();
    in.amount = QString::fromUtf8("Z\u00fcrich");
    in.rate = "6.\r5\n";
    const QByteArray bytes = FormatMortgageFile(in);
    EXPECT_TRUE(bytes.startsWith("Z\xc3\xbcrich\r\n25\r\n0\r\n6.5\r\n3\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 23);
}

TEST(SavedFileReader, FourteenLineFileHasNoWhatIfBlock)
{
    for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n")}) {
        const SavedInputs in = Parse(MortgageLines(), end);
        EXPECT_FALSE(in.hasWhatIf);
        EXPECT_EQ(in.amount, "100000");
        EXPECT_EQ(in.rate, "6.5");
        EXPECT_TRUE(in.transfer);
        EXPECT_EQ(in.wiPrincipal, "");
        EXPECT_EQ(in.wiVariable, 1); // untouched defaults, not read
    }
    // No line end after line 14 is still the end of the file.
    QByteArray unended = Lines(MortgageLines());
    unended.chop(2);
    EXPECT_FALSE(ParseMortgageFile(unended).hasWhatIf);
    EXPECT_TRUE(ParseMortgageFile(unended).transfer);
}

TEST(SavedFileReader, ShortFileReadsMissingTextsEmptyAndMissingBooleansFalse)
{
    const SavedInputs in = Parse({"5000", "2", "", "9", "0", "1", "FALSE", "TRUE", "123"});
    EXPECT_EQ(in.amount, "5000");
    EXPECT_EQ(in.payment, 0);
    EXPECT_EQ(in.compounded, 1);
    EXPECT_FALSE(in.arrears);
    EXPECT_TRUE(in.advance);
    EXPECT_EQ(in.savingsAmount, "123");
    EXPECT_EQ(in.savingsPeriod, "");
    EXPECT_EQ(in.investRate, "");
    EXPECT_FALSE(in.transfer);
    EXPECT_FALSE(in.hasWhatIf);

    // Six lines are enough: lines 7 and 8 missing read as not "TRUE".
    const SavedInputs six = Parse({"1", "2", "3", "4", "5", "6"});
    EXPECT_FALSE(six.arrears);
    EXPECT_FALSE(six.advance);
    EXPECT_FALSE(six.hasWhatIf);
}

TEST(SavedFileReader, BooleanIsTrueOnlyForUpperCaseTrue)
{
    auto lines = MortgageLines();
    for (const QByteArray &spelling : {QByteArray("true"), QByteArray("True"), QByteArray("TRUE "),
                                       QByteArray(" TRUE"), QByteArray("1"), QByteArray("")}) {
        lines[6] = lines[7] = lines[13] = spelling;
        const SavedInputs in = Parse(lines);
        EXPECT_FALSE(in.arrears) << spelling.constData();
        EXPECT_FALSE(in.advance) << spelling.constData();
        EXPECT_FALSE(in.transfer) << spelling.constData();
    }
    lines[6] = "FALSE";
    lines[7] = "TRUE";
    const SavedInputs advance = Parse(lines);
    EXPECT_FALSE(advance.arrears);
    EXPECT_TRUE(advance.advance);
}

TEST(SavedFileReader, IndexLinesConvertAsWholeIntegers)
{
    struct Case {
        QByteArray line;
        int value;
    };
    for (const Case &c : {Case{"0", 0}, Case{"7", 7}, Case{"+5", 5}, Case{"-1", -1}, Case{"03", 3},
                          Case{"8", 8}, Case{"-0", 0}, Case{"2147483647", 2147483647},
                          Case{"-2147483648", -2147483647 - 1}}) {
        auto lines = MortgageLines();
        lines[4] = c.line;
        lines[5] = c.line;
        const SavedInputs in = Parse(lines);
        EXPECT_EQ(in.payment, c.value) << c.line.constData();
        EXPECT_EQ(in.compounded, c.value) << c.line.constData();
    }
    for (const QByteArray &bad : {QByteArray("abc"), QByteArray(" 3"), QByteArray("3 "), QByteArray("3\t"),
                                  QByteArray(""), QByteArray("+"), QByteArray("-"), QByteArray("3.0"),
                                  QByteArray("0x3"), QByteArray("$3"), QByteArray("1e1"), QByteArray("--1"),
                                  QByteArray("2147483648"), QByteArray("-2147483649"),
                                  QByteArray("99999999999999999999"),
                                  QByteArray("\xd9\xa3"), QByteArray("\xef\xbc\x93")}) { // other scripts' digits
        const QString message = "'" + QString::fromUtf8(bad) + "' is not a valid integer value";
        auto lines = MortgageLines();
        lines[4] = bad;
        EXPECT_EQ(ParseError(Lines(lines)), message);
        lines[4] = "3";
        lines[5] = bad;
        EXPECT_EQ(ParseError(Lines(lines)), message);
    }
}

TEST(SavedFileReader, FilesTooShortForTheIndexLinesStopThere)
{
    const QString empty = "'' is not a valid integer value";
    EXPECT_EQ(ParseError(""), empty);
    EXPECT_EQ(ParseError("100000"), empty);
    EXPECT_EQ(ParseError("100000\r\n"), empty);
    EXPECT_EQ(ParseError(Lines({"1", "2", "3", "4"})), empty);
    EXPECT_EQ(ParseError(Lines({"1", "2", "3", "4", "5"})), empty);
}

TEST(SavedFileReader, LineEndsAreLfWithCrDropped)
{
    // LF alone and CR LF read alike.
    EXPECT_EQ(ParseMortgageFile(QByteArray(ExampleBytes()).replace("\r\n", "\n")), ExampleInputs());
    // A CR not followed by LF is not a line end and is dropped from the text.
    auto lines = MortgageLines();
    lines[0] = "100\r000\r";
    lines[3] = "\r6.5";
    lines[4] = "\r3\r\r";
    const SavedInputs in = Parse(lines, "\r\r\n");
    EXPECT_EQ(in.amount, "100000");
    EXPECT_EQ(in.rate, "6.5");
    EXPECT_EQ(in.payment, 3);
    EXPECT_TRUE(in.transfer);
    // A file with CR-only line ends is a single line.
    EXPECT_EQ(ParseError(QByteArray(ExampleBytes()).replace("\r\n", "\r")), "'' is not a valid integer value");
    // Mixed line ends, line by line.
    QByteArray mixed = Lines(MortgageLines(), "\n");
    mixed.replace("25\n", "25\r\n");
    EXPECT_EQ(ParseMortgageFile(mixed).years, "25");
}

TEST(SavedFileReader, WhatIfBlockIsReadOnlyWhenDataFollowsLine14)
{
    // A lone CR after line 14 is dropped, so it is no data.
    EXPECT_FALSE(ParseMortgageFile(Lines(MortgageLines()) + "\r").hasWhatIf);
    // One empty line is data: the texts read empty and every number hits the end
    // of the file, reading 0.
    const SavedInputs blank = ParseMortgageFile(Lines(MortgageLines()) + "\r\n");
    EXPECT_TRUE(blank.hasWhatIf);
    EXPECT_EQ(blank.wiPrincipal, "");
    EXPECT_EQ(blank.wiRepay, "");
    EXPECT_EQ(blank.wiVariable, 0);
    EXPECT_EQ(blank.wiPayment, 0);
    EXPECT_EQ(blank.wiTiming, 0);
    EXPECT_EQ(blank.wiCompounded, 0);
}

TEST(SavedFileReader, WhatIfNumbersAreReadAsWords)
{
    auto whatIf = [](const QList<QByteArray> &tail) {
        QList<QByteArray> lines = MortgageLines();
        lines << "p" << "y" << "m" << "i" << "r";
        return Lines(lines) + Lines(tail);
    };
    auto numbers = [](const SavedInputs &in) {
        return std::vector<int>{in.wiVariable, in.wiPayment, in.wiTiming, in.wiCompounded};
    };
    auto check = [&](const QByteArray &bytes, const std::vector<int> &expected) {
        const SavedInputs in = ParseMortgageFile(bytes);
        EXPECT_EQ(in.wiPrincipal, "p");
        EXPECT_EQ(in.wiRepay, "r");
        EXPECT_EQ(numbers(in), expected) << bytes.toStdString();
    };
    check(whatIf({"2", "5", "2", "7"}), {2, 5, 2, 7});
    // Blanks before the number are skipped; the rest of its line is skipped.
    check(whatIf({"  4", "\t6 junk", "1\tx y", " +2 3"}), {4, 6, 1, 2});
    // Empty lines before a number are skipped too, so later values move up and
    // the last ones meet the end of the file.
    check(whatIf({"", "3", "", "", "2"}), {3, 2, 0, 0});
    // The end of the file is the end of the bytes, wherever the last line stops.
    check(whatIf({"3", "4"}), {3, 4, 0, 0});
    check(whatIf({}), {0, 0, 0, 0});
    check(whatIf({"3", "4", "1"}) + "  \r\n\r\n \t", {3, 4, 1, 0});
    QByteArray unended = whatIf({"3", "4", "1", "6"});
    unended.chop(2);
    check(unended, {3, 4, 1, 6});
    // A file that ends inside the texts of the block reads every number as 0.
    EXPECT_EQ(numbers(ParseMortgageFile(Lines(MortgageLines()) + "p\r\n")), (std::vector<int>{0, 0, 0, 0}));
    // Values out of range are kept for the window to ignore.
    check(whatIf({"0", "8", "3", "-1"}), {0, 8, 3, -1});
    // Lines after 23 are ignored, whatever they hold.
    check(whatIf({"1", "3", "1", "3", "garbage", "\xff\xfe", "7"}), {1, 3, 1, 3});
}

TEST(SavedFileReader, WhatIfNumberThatIsNotANumberStopsTheLoad)
{
    for (const QByteArray &bad : {QByteArray("abc"), QByteArray("3abc"), QByteArray("1.0"), QByteArray("+"),
                                  QByteArray("0x1"), QByteArray("2147483648"), QByteArray("1,2"),
                                  QByteArray("3\v"), QByteArray("\0", 1)}) {
        for (int at = 0; at < 4; ++at) {
            QList<QByteArray> lines = MortgageLines();
            lines << "" << "" << "" << "" << "";
            QList<QByteArray> tail = {"1", "3", "1", "3"};
            tail[at] = bad;
            EXPECT_EQ(ParseError(Lines(lines + tail)), "Invalid numeric input") << bad.toStdString() << at;
        }
    }
}

TEST(SavedFileReader, BytesThatAreNotUtf8AreReadAsLatin1)
{
    auto lines = MortgageLines();
    lines[0] = "Z\xfcrich";
    lines[9] = "\x80\xff";
    const SavedInputs latin = Parse(lines);
    EXPECT_EQ(latin.amount, QString::fromUtf8("Z\u00fcrich"));
    EXPECT_EQ(latin.savingsPeriod, QString::fromUtf8("\u0080\u00ff"));

    // Valid UTF-8 is read as UTF-8...
    lines = MortgageLines();
    lines[0] = "Z\xc3\xbcrich";
    EXPECT_EQ(Parse(lines).amount, QString::fromUtf8("Z\u00fcrich"));
    // ...unless a stray byte anywhere, even after line 23, makes the file Latin-1.
    QList<QByteArray> long_ = lines;
    long_ << "" << "" << "" << "" << "" << "1" << "3" << "1" << "3" << "\xe9";
    EXPECT_EQ(Parse(long_).amount, QString::fromUtf8("Z\u00c3\u00bcrich"));
    // Encoded surrogates and overlong forms are not valid UTF-8.
    lines[0] = "\xed\xa0\x80";
    EXPECT_EQ(Parse(lines).amount, QString::fromUtf8("\u00ed\u00a0\u0080"));
    lines[0] = "\xc0\xb1";
    EXPECT_EQ(Parse(lines).amount, QString::fromUtf8("\u00c0\u00b1"));
}

TEST(SavedFileReader, ALeadingByteOrderMarkIsNotText)
{
    EXPECT_EQ(ParseMortgageFile("\xef\xbb\xbf" + ExampleBytes()), ExampleInputs());
    // All of them, and also behind a dropped CR: a first line starting with one
    // would not read back the same once written.
    EXPECT_EQ(ParseMortgageFile("\xef\xbb\xbf\xef\xbb\xbf" + ExampleBytes()), ExampleInputs());
    EXPECT_EQ(ParseMortgageFile("\r\xef\xbb\xbf" + ExampleBytes()), ExampleInputs());
    // Only in front of the first line.
    auto lines = MortgageLines();
    lines[1] = "\xef\xbb\xbf" "25";
    EXPECT_EQ(Parse(lines).years, QChar(0xfeff) + QString("25"));
}

TEST(SavedFileReader, NulBytesAreOrdinaryCharacters)
{
    auto lines = MortgageLines();
    lines[0] = QByteArray("1\0002", 3);
    const SavedInputs in = Parse(lines);
    EXPECT_EQ(in.amount.size(), 3);
    EXPECT_EQ(in.amount.at(1), QChar(0));
    EXPECT_EQ(FormatMortgageFile(in).left(5), QByteArray("1\0002\r\n", 5));

    // Quoted in a message, it shows as '?'.
    lines[4] = QByteArray("3\0", 2);
    EXPECT_EQ(ParseError(Lines(lines)), "'3?' is not a valid integer value");

    // A file of nothing but NULs is one line; line 5 is missing.
    EXPECT_EQ(ParseError(QByteArray(4096, '\0')), "'' is not a valid integer value");
}

TEST(SavedFileReader, LongLinesAreKeptWhole)
{
    auto lines = MortgageLines();
    lines[0] = QByteArray(1 << 20, '9');
    EXPECT_EQ(Parse(lines).amount.size(), 1 << 20);
    lines[4] = QByteArray(1 << 20, '0') + "7"; // leading zeros do not overflow
    EXPECT_EQ(Parse(lines).payment, 7);
}

TEST(SaveTargetPath, AddsQvlUnlessTheNameEndsInItInAnyCase)
{
    EXPECT_EQ(SaveTargetPath("C:\\plans\\house"), "C:\\plans\\house.QVL");
    EXPECT_EQ(SaveTargetPath("/home/ann/house"), "/home/ann/house.QVL");
    EXPECT_EQ(SaveTargetPath("house.qvl"), "house.qvl");
    EXPECT_EQ(SaveTargetPath("house.QvL"), "house.QvL");
    EXPECT_EQ(SaveTargetPath("house.QVL"), "house.QVL");
    EXPECT_EQ(SaveTargetPath("house.txt"), "house.txt.QVL");
    EXPECT_EQ(SaveTargetPath("house.qvlx"), "house.qvlx.QVL");
    EXPECT_EQ(SaveTargetPath("houseqvl"), "houseqvl.QVL");
    EXPECT_EQ(SaveTargetPath("a"), "a.QVL");
    EXPECT_EQ(SaveTargetPath("qvl"), "qvl.QVL");
    EXPECT_EQ(SaveTargetPath(".qvl"), ".qvl");
}
