#include "core/format.h"
#include "core/numbers.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace veltra;

TEST(Format, TextPatternsAlignAndNeverShorten) {
    EXPECT_EQ(FormatText("7", u"@@@"), "  7");
    EXPECT_EQ(FormatText("Ås", u"!@@@@"), "Ås  ");
    EXPECT_EQ(FormatText("Bjørn", u"@@"), "Bjørn");
    EXPECT_EQ(FormatText("", u"@@"), "  ");
    EXPECT_EQ(FormatText("æøå", u"!@@@@@@@@@@@@@@@@@@@@@@@@@").size(), 25);
}

TEST(Format, NumberPatterns) {
    EXPECT_EQ(FormatNumber(5, u"00"), "05");
    EXPECT_EQ(FormatNumber(123, u"00"), "123");
    EXPECT_EQ(FormatNumber(1.5, u"0.00"), "1.50");
    EXPECT_EQ(FormatNumber(35.01, u"000.000"), "035.010");
    EXPECT_EQ(FormatNumber(35.01, u"00.000"), "35.010");
    EXPECT_EQ(FormatNumber(572, u"#0.0"), "572.0");
    EXPECT_EQ(FormatNumber(0, u"#0.0"), "0.0");
    EXPECT_EQ(FormatNumber(12.5, u"#000.0"), "012.5");
    EXPECT_EQ(FormatNumber(572, u"0000.00"), "0572.00");
    EXPECT_EQ(FormatNumber(12345.678, u"0000.00"), "12345.68");
    EXPECT_EQ(FormatNumber(987.25, u"###0.0"), "987.3");
    EXPECT_EQ(FormatNumber(0.04, u"###0.0"), "0.0");
    EXPECT_EQ(FormatNumber(0, u"###"), "");
    EXPECT_EQ(FormatNumber(1234, u"###"), "1234");
    EXPECT_EQ(FormatNumber(0, u"#"), "");
    EXPECT_EQ(FormatNumber(5, u"    00"), "    05");
    EXPECT_EQ(FormatNumber(7, u"  00  "), "  07  ");
}

TEST(Format, RoundsHalvesAwayFromZeroAndKeepsTheSign) {
    EXPECT_EQ(FormatNumber(0.125, u"0.00"), "0.13");
    EXPECT_EQ(FormatNumber(2.5, u"0"), "3");
    EXPECT_EQ(FormatNumber(-2.5, u"0"), "-3");
    EXPECT_EQ(FormatNumber(-3.25, u"#0.0"), "-3.3");
    EXPECT_EQ(FormatNumber(-0.01, u"#0.0"), "0.0");
    EXPECT_EQ(FormatNumber(9.995, u"0.00"), "9.99"); // 9.995 is stored just below the half
    EXPECT_EQ(FormatNumber(999.96, u"#0.0"), "1000.0");
}

TEST(Numbers, ParseWithTheFullStopOnly) {
    EXPECT_EQ(ParseInteger(u" 10"), 10);
    EXPECT_EQ(ParseInteger(u"-3"), -3);
    EXPECT_EQ(ParseInteger(u"2.5"), 2);
    EXPECT_EQ(ParseInteger(u"40000"), std::nullopt);
    EXPECT_EQ(ParseInteger(u"12", 0, 11), std::nullopt);
    EXPECT_EQ(ParseInteger(u"abc"), std::nullopt);
    EXPECT_EQ(ParseInteger(u""), std::nullopt);
    EXPECT_EQ(ParseReal(u"035.010"), 35.01);
    EXPECT_EQ(ParseReal(u"1,5"), std::nullopt);
    EXPECT_EQ(ParseReal(u"1e5"), std::nullopt);
    EXPECT_EQ(ParseReal(u"-"), std::nullopt);
    EXPECT_EQ(ParseReal(u"0572.00 "), 572.0);
}

TEST(Format, IgnoresTheSystemsDecimalComma) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool commaLocale = std::setlocale(LC_ALL, "nb_NO.UTF-8") != nullptr ||
                             std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(FormatNumber(1.5, u"0.00"), "1.50");
    EXPECT_EQ(FormatNumber(35.01, u"000.000"), "035.010");
    EXPECT_EQ(ParseReal(u"1.10"), 1.1);
    EXPECT_EQ(ParseReal(u"1,10"), std::nullopt);
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(before);
    if (!commaLocale)
        GTEST_SKIP() << "no system locale with a decimal comma is installed; only Qt's default "
                        "locale was switched";
}
