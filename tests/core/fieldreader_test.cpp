#include "core/fieldreader.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace veltra;

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
