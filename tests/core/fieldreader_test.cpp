#include "core/fieldreader.h"

#include "support/testsupport.h"
#include <QStringList>

#include <gtest/gtest.h>

using namespace veltra;

namespace {

QStringList allFields(const QByteArray& bytes,
                      FieldReader::EndOfFile mode = FieldReader::EndOfFile::TrimBlanks) {
    FieldReader reader(bytes, mode);
    QStringList fields;
    for (QString field = reader.ReadField(); !field.isEmpty(); field = reader.ReadField())
        fields << field;
    return fields;
}

} // namespace

TEST(FieldReader, EmptyFieldsVanishAndBlanksStayUntilTheEnd) {
    EXPECT_EQ(allFields("PILOT,001,,Club"), QStringList({"PILOT", "001", "Club"}));
    EXPECT_EQ(allFields("MAN, 01, Loop, 2\r\n"), QStringList({"MAN", " 01", " Loop", " 2"}));
    EXPECT_EQ(allFields("\r\n\r\nA,B\r\n\r\n"), QStringList({"A", "B"}));
    EXPECT_EQ(allFields("ROUNDS,  4  "), QStringList({"ROUNDS", "4"}));
    EXPECT_EQ(allFields("ROUNDS,  4  ", FieldReader::EndOfFile::KeepBlanks),
              QStringList({"ROUNDS", "  4  "}));
}

TEST(FieldReader, CallerLoopIgnoresAKeyAtTheEndOfTheFile) {
    FieldReader reader("ROUNDS,4\r\nPILOT");
    EXPECT_EQ(reader.ReadField(), "ROUNDS");
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.ReadField(), "4");
    EXPECT_EQ(reader.ReadField(), "PILOT");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.ReadField(), "");
}

TEST(FieldReader, ReadsWindows1252AndNamesTheLineOfAField) {
    FieldReader reader(QByteArray("A,1\r\nB,\xe6\xf8\xe5\xc6\xd8\xc5 \x80\r\nC,3"));
    reader.ReadField();
    reader.ReadField();
    EXPECT_EQ(reader.ReadField(), "B");
    EXPECT_EQ(reader.ReadField(), QString::fromUtf8("æøåÆØÅ €"));
    EXPECT_EQ(reader.lastFieldLine(), 2);
    EXPECT_EQ(reader.lastFieldLineText(), QString::fromUtf8("B,æøåÆØÅ €"));
}

TEST(StringExchange, ReplacesEveryOccurrence) {
    EXPECT_EQ(StringExchange("a,b", u',', u' '), "a b");
    EXPECT_EQ(StringExchange(",x,", u',', u' '), " x ");
}
