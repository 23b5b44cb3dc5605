#include "core/fieldreader.h"
#include "core/format.h"
#include "core/numbers.h"
#include "support/testsupport.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace veltra;

TEST(Format, TextAndNumberPatternsAlignNeverShortenAndRoundHalvesAwayFromZero) {
    EXPECT_EQ(FormatText("7", u"@@@"), "  7");
    EXPECT_EQ(FormatText("Ås", u"!@@@@"), "Ås  ");
    EXPECT_EQ(FormatText("Bjørn", u"@@"), "Bjørn");
    EXPECT_EQ(FormatText("", u"@@"), "  ");
    const std::tuple<double, const char16_t*, const char*> numbers[] = {
        {5, u"00", "05"},
        {123, u"00", "123"},
        {35.01, u"000.000", "035.010"},
        {35.01, u"00.000", "35.010"},
        {0, u"#0.0", "0.0"},
        {12.5, u"#000.0", "012.5"},
        {12345.678, u"0000.00", "12345.68"},
        {987.25, u"###0.0", "987.3"},
        {0.04, u"###0.0", "0.0"},
        {0, u"###", ""},
        {1234, u"###", "1234"},
        {7, u"  00  ", "  07  "},
        {0.125, u"0.00", "0.13"},
        {2.5, u"0", "3"},
        {-2.5, u"0", "-3"},
        {-3.25, u"#0.0", "-3.3"},
        {-0.01, u"#0.0", "0.0"},
        {9.995, u"0.00", "9.99"}, // 9.995 is stored just below the half
        {999.96, u"#0.0", "1000.0"}};
    for (const auto& [value, pattern, expected] : numbers)
        EXPECT_EQ(FormatNumber(value, pattern), expected) << value;
}

TEST(Numbers, ParseWithTheFullStopOnlyWhateverTheSystemsDecimalSign) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool commaLocale = std::setlocale(LC_ALL, "nb_NO.UTF-8") != nullptr ||
                             std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(FormatNumber(1.5, u"0.00"), "1.50");
    EXPECT_EQ(ParseInteger(u" 10"), 10);
    EXPECT_EQ(ParseInteger(u"-3"), -3);
    EXPECT_EQ(ParseInteger(u"2.5"), 2);
    EXPECT_EQ(ParseReal(u"035.010"), 35.01);
    EXPECT_EQ(ParseReal(u"0572.00 "), 572.0);
    for (const char16_t* bad : {u"40000", u"abc", u""})
        EXPECT_EQ(ParseInteger(bad), std::nullopt);
    EXPECT_EQ(ParseInteger(u"12", 0, 11), std::nullopt);
    for (const char16_t* bad : {u"1,5", u"1e5", u"-"})
        EXPECT_EQ(ParseReal(bad), std::nullopt);
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(before);
    if (!commaLocale)
        GTEST_SKIP() << "no system locale with a decimal comma is installed; only Qt's default "
                        "locale was switched";
}

TEST(FieldReader, EmptyFieldsVanishBlanksStayAndAKeyAtTheEndIsTheLastField) {
    const auto allFields = [](const QByteArray& bytes, FieldReader::EndOfFile mode) {
        FieldReader reader(bytes, mode);
        QStringList fields;
        for (QString field = reader.ReadField(); !field.isEmpty(); field = reader.ReadField())
            fields << field;
        return fields;
    };
    const auto trim = FieldReader::EndOfFile::TrimBlanks;
    EXPECT_EQ(allFields("PILOT,001,,Club", trim), QStringList({"PILOT", "001", "Club"}));
    EXPECT_EQ(allFields("MAN, 01, Loop, 2\r\n", trim), QStringList({"MAN", " 01", " Loop", " 2"}));
    EXPECT_EQ(allFields("\r\n\r\nA,B\r\n\r\n", trim), QStringList({"A", "B"}));
    EXPECT_EQ(allFields("ROUNDS,  4  ", trim), QStringList({"ROUNDS", "4"}));
    EXPECT_EQ(allFields("ROUNDS,  4  ", FieldReader::EndOfFile::KeepBlanks),
              QStringList({"ROUNDS", "  4  "}));

    FieldReader reader("ROUNDS,4\r\nPILOT");
    EXPECT_EQ(reader.ReadField(), "ROUNDS");
    EXPECT_EQ(reader.ReadField(), "4");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.ReadField(), "PILOT");
    EXPECT_TRUE(reader.atEnd());
}

TEST(FieldReader, ReadsWindows1252AndNamesTheLineOfAField) {
    FieldReader reader(QByteArray("A,1\r\nB,\xe6\xf8\xe5\xc6\xd8\xc5 \x80\r\nC,3"));
    for (int n = 0; n < 3; ++n)
        reader.ReadField();
    EXPECT_EQ(reader.ReadField(), QString::fromUtf8("æøåÆØÅ €"));
    EXPECT_EQ(reader.lastFieldLine(), 2);
    EXPECT_EQ(reader.lastFieldLineText(), QString::fromUtf8("B,æøåÆØÅ €"));
    EXPECT_EQ(StringExchange(",x,y", u',', u' '), " x y");
}
