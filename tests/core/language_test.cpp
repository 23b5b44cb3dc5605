#include "core/language.h"
#include "support/testsupport.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veltra;

namespace {

QString shippedFile(const char* name) {
    return QStringLiteral(VELTRA_TEST_DATA "/../../resources/program/") + QString::fromLatin1(name);
}

} // namespace

TEST(Language, TextsAreTakenExactlyUpToTheNextSeparatorAndEmptyTextsChangeNothing) {
    Texts texts;
    ReadLanguageBytes("MENU_FILE,&Fil", texts);
    EXPECT_EQ(texts.get(QStringLiteral("MENU_FILE")), "&Fil");
    EXPECT_FALSE(texts.has(QStringLiteral("MENU_EDIT")));
    ReadLanguageBytes("MENU_FILE, &Fil\r\nMENU_EDIT,&Rediger\r\nGENERAL_OK,&Ja\r\n", texts);
    EXPECT_EQ(texts.get(QStringLiteral("MENU_FILE")), " &Fil");

    // A comma cuts the text; the rest is met as an unknown key and skipped.
    ReadLanguageBytes("NO_COMPETITION_SELECTED,Ingen, valgt\r\nGENERAL_OK,&Ja\r\n", texts);
    EXPECT_EQ(texts.get(QStringLiteral("NO_COMPETITION_SELECTED")), "Ingen");
    EXPECT_EQ(texts.get(QStringLiteral("GENERAL_OK")), "&Ja");
    ReadLanguageBytes("RESULT_PRINT_MAIN_HEADING,Resultater\r\nSTART_PRINT_MAIN_HEADING,Start\r\n",
                      texts);
    EXPECT_FALSE(texts.has(QStringLiteral("RESULT_PRINT_MAIN_HEADING")));
    EXPECT_FALSE(texts.has(QStringLiteral("START_PRINT_MAIN_HEADING")));

    // An empty text would otherwise swallow the next key as its text.
    ReadLanguageBytes("MENU_FILE,\r\nMENU_EDIT,&Endre\r\nGENERAL_OK", texts);
    EXPECT_EQ(texts.get(QStringLiteral("MENU_FILE")), " &Fil");
    EXPECT_EQ(texts.get(QStringLiteral("MENU_EDIT")), "&Endre");
    EXPECT_EQ(texts.get(QStringLiteral("GENERAL_OK")), "&Ja");
    // A file without the program's further keys leaves their texts in English.
    EXPECT_EQ(texts.get(QStringLiteral("SELECT_FORM_PILOT_PROMPT")), "Choose a &pilot:");
}

TEST(Language, AMissingFileIsReportedAndChangesNothing) {
    QTemporaryDir dir;
    Texts texts;
    texts.set(QStringLiteral("MENU_FILE"), QStringLiteral("&Fil"));
    const Status status = ReadLanguageFile(dir.path() + QStringLiteral("/Svenska.lng"), texts);
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("Unable to locate the file.")));
    EXPECT_TRUE(status.message.contains(QStringLiteral("Svenska.lng")));
    EXPECT_EQ(texts.get(QStringLiteral("MENU_FILE")), "&Fil");
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/Svenska.lng")));
}

// The further keys come after the 180 first ones, in the table and in the shipped files.
TEST(Language, ShippedFilesGiveEveryKeyARealTextAndEnglishMatchesTheBuiltInTexts) {
    constexpr int kFirstKeys = 180;
    const std::vector<LanguageKey>& keys = LanguageKeys();
    ASSERT_GT(keys.size(), std::size_t{kFirstKeys});
    EXPECT_STREQ(keys[kFirstKeys - 1].key, "MENU_HELP_ABOUT");
    QSet<QString> names;
    for (const LanguageKey& key : LanguageKeys()) {
        names.insert(QString::fromLatin1(key.key));
        EXPECT_EQ(QString::fromLatin1(key.window).isEmpty(),
                  key.group == LanguageGroup::Heading || key.group == LanguageGroup::Message)
            << key.key;
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(keys.size()));

    const Texts builtIn;
    for (const char* name : {"English.lng", "Norsk.lng"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes = readBytes(shippedFile(name));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
        EXPECT_EQ(bytes.count(','), static_cast<qsizetype>(keys.size()));
        const qsizetype lastOfTheFirst = bytes.indexOf("\nMENU_HELP_ABOUT,");
        Texts texts;
        ASSERT_TRUE(ReadLanguageFile(shippedFile(name), texts));
        for (const LanguageKey& key : LanguageKeys()) {
            const QString keyName = QString::fromLatin1(key.key);
            const qsizetype at = bytes.indexOf("\n" + QByteArray(key.key) + ",");
            ASSERT_GE(at, 0) << key.key;
            EXPECT_EQ(at > lastOfTheFirst, &key - keys.data() >= kFirstKeys) << key.key;
            if (!key.used)
                continue;
            const QString text = texts.get(keyName);
            EXPECT_FALSE(text.trimmed().isEmpty()) << key.key;
            // The score sheets join these labels straight to a number.
            const bool joined = keyName.startsWith(QStringLiteral("SCORESHEET_")) &&
                                keyName.endsWith(QStringLiteral("_LABEL"));
            EXPECT_EQ(text, joined ? text.trimmed() + u' ' : text.trimmed()) << key.key;
            if (name == std::string("English.lng") && key.window[0] == '\0') {
                EXPECT_EQ(text, builtIn.get(keyName)) << key.key;
            }
        }
        if (name == std::string("Norsk.lng")) {
            EXPECT_EQ(texts.get(QStringLiteral("MENU_TOOLS")), QString::fromUtf8("V&erktøy"));
        }
    }
}
