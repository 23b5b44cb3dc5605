#include "core/language.h"
#include "support/testsupport.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

TEST(Language, TextsAreTakenExactlyUpToTheNextSeparatorAndEmptyTextsOrMissingFilesChangeNothing) {
    Texts texts;
    ReadLanguageBytes("MENU_FILE, &Fil\r\nGENERAL_OK,&Ja\r\n", texts);
    EXPECT_EQ(texts.get(QStringLiteral("MENU_FILE")), " &Fil");
    EXPECT_FALSE(texts.has(QStringLiteral("MENU_EDIT")));
    // A comma cuts the text; the rest is met as an unknown key and skipped.
    ReadLanguageBytes("NO_COMPETITION_SELECTED,Ingen, valgt\r\nGENERAL_OK,&OK\r\n", texts);
    EXPECT_EQ(texts.get(QStringLiteral("NO_COMPETITION_SELECTED")), "Ingen");
    EXPECT_EQ(texts.get(QStringLiteral("GENERAL_OK")), "&OK");
    ReadLanguageBytes("RESULT_PRINT_MAIN_HEADING,Resultater\r\n", texts);
    EXPECT_FALSE(texts.has(QStringLiteral("RESULT_PRINT_MAIN_HEADING")));

    // An empty text would otherwise swallow the next key as its text.
    ReadLanguageBytes("MENU_FILE,\r\nMENU_EDIT,&Endre\r\nGENERAL_OK", texts);
    EXPECT_EQ(texts.get(QStringLiteral("MENU_FILE")), " &Fil");
    EXPECT_EQ(texts.get(QStringLiteral("MENU_EDIT")), "&Endre");
    EXPECT_EQ(texts.get(QStringLiteral("GENERAL_OK")), "&OK");
    // A file without the program's further keys leaves their texts in English.
    EXPECT_EQ(texts.get(QStringLiteral("SELECT_FORM_PILOT_PROMPT")), "Choose a &pilot:");

    QTemporaryDir dir;
    const Status status = ReadLanguageFile(dir.path() + QStringLiteral("/Svenska.lng"), texts);
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("Unable to locate the file.")));
    EXPECT_TRUE(status.message.contains(QStringLiteral("Svenska.lng")));
    EXPECT_EQ(texts.get(QStringLiteral("MENU_EDIT")), "&Endre");
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/Svenska.lng")));
}

// The further keys come after the 180 first ones, in the table and in the shipped files.
TEST(Language, ShippedFilesGiveEveryKeyARealTextAndEnglishMatchesTheBuiltInTexts) {
    constexpr int kFirstKeys = 180;
    const std::vector<LanguageKey>& keys = LanguageKeys();
    EXPECT_STREQ(keys.at(kFirstKeys - 1).key, "MENU_HELP_ABOUT");
    QSet<QString> names;
    for (const LanguageKey& key : keys) {
        names.insert(QString::fromLatin1(key.key));
        EXPECT_EQ(QString::fromLatin1(key.window).isEmpty(),
                  key.group == LanguageGroup::Heading || key.group == LanguageGroup::Message)
            << key.key;
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(keys.size()));

    const Texts builtIn;
    for (const QString name : {"English.lng", "Norsk.lng"}) {
        SCOPED_TRACE(name.toStdString());
        const QString file = testData("../../resources/program/") + name;
        const QByteArray bytes = readBytes(file);
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
        EXPECT_EQ(bytes.count(','), static_cast<qsizetype>(keys.size()));
        const qsizetype lastOfTheFirst = bytes.indexOf("\nMENU_HELP_ABOUT,");
        Texts texts;
        ASSERT_TRUE(ReadLanguageFile(file, texts));
        for (const LanguageKey& key : keys) {
            const QString keyName = QString::fromLatin1(key.key);
            const qsizetype at = bytes.indexOf("\n" + QByteArray(key.key) + ",");
            ASSERT_GE(at, 0) << key.key;
            EXPECT_EQ(at > lastOfTheFirst, &key - keys.data() >= kFirstKeys) << key.key;
            const QString text = texts.get(keyName);
            // The score sheets join these labels straight to a number.
            const bool joined = keyName.startsWith(QStringLiteral("SCORESHEET_")) &&
                                keyName.endsWith(QStringLiteral("_LABEL"));
            if (key.used) {
                EXPECT_FALSE(text.trimmed().isEmpty()) << key.key;
                EXPECT_EQ(text, joined ? text.trimmed() + u' ' : text.trimmed()) << key.key;
            }
            if (key.used && name == "English.lng" && key.window[0] == '\0') {
                EXPECT_EQ(text, builtIn.get(keyName)) << key.key;
            }
        }
        if (name == "Norsk.lng") {
            EXPECT_EQ(texts.get(QStringLiteral("MENU_TOOLS")), QString::fromUtf8("V&erktøy"));
        }
    }
}
