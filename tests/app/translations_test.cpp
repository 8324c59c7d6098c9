// The language the interface starts in, what installing a language changes, and the help page of each language.
#include "app/helppage.h"
#include "app/translations.h"
#include "interfacelanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::InterfaceLanguageScope;

class StartLanguageTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat};
};

TEST_F(StartLanguageTest, anEnglishLocaleGivesEnglishAndAnyOtherChinese)
{
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("en_US"))), InterfaceLanguage::english);
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("en_GB"))), InterfaceLanguage::english);
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("zh_CN"))), InterfaceLanguage::chinese);
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("de_DE"))), InterfaceLanguage::chinese);
    EXPECT_EQ(startLanguage(settings, QLocale::c()), InterfaceLanguage::chinese);
}

TEST_F(StartLanguageTest, aRememberedChoiceWinsOverTheLocale)
{
    rememberLanguage(settings, InterfaceLanguage::chinese);
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("en_US"))), InterfaceLanguage::chinese);
    rememberLanguage(settings, InterfaceLanguage::english);
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("zh_CN"))), InterfaceLanguage::english);
}

TEST(Translations, qtDialogTextsFollowTheChineseInterface)
{
    ASSERT_EQ(useInterfaceLanguage(InterfaceLanguage::chinese), InterfaceLanguage::chinese);
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::chinese);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").startsWith(QStringLiteral("是")));
    EXPECT_EQ(QCoreApplication::translate("CommandTable", "新建(&N)"), QStringLiteral("新建(&N)"));
}

TEST(Translations, englishReplacesTheChineseTextsOfTheProgramAndOfQtAndGoesAgain)
{
    {
        const InterfaceLanguageScope english(InterfaceLanguage::english);
        ASSERT_EQ(interfaceLanguage(), InterfaceLanguage::english) << "trellon_en.qm not found in the build";
        EXPECT_EQ(QCoreApplication::translate("CommandTable", "新建(&N)"), QStringLiteral("&New"));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        EXPECT_EQ(QLocale().language(), QLocale::English);
        // Installing it twice leaves one English translator, which the next switch takes away.
        useInterfaceLanguage(InterfaceLanguage::english);
    }
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::chinese);
    EXPECT_EQ(QCoreApplication::translate("CommandTable", "新建(&N)"), QStringLiteral("新建(&N)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_EQ(QLocale().language(), QLocale::Chinese);
}

QStringList sectionIds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList ids;
    const QString page = QString::fromUtf8(file.readAll());
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("<h2 id=\"(\\w+)\"")).globalMatch(page))
        ids << match.captured(1);
    return ids;
}

TEST(HelpPage, eachLanguageHasItsPageWithTheSameSections)
{
    const QString chinese = helpPagePath(InterfaceLanguage::chinese);
    const QString english = helpPagePath(InterfaceLanguage::english);
    EXPECT_TRUE(chinese.endsWith(QStringLiteral("help/index.html")));
    EXPECT_TRUE(english.endsWith(QStringLiteral("help/en/index.html")));
    const QStringList sections = sectionIds(chinese);
    EXPECT_GE(sections.size(), 9);
    EXPECT_TRUE(sections.contains(QStringLiteral("language")));
    EXPECT_EQ(sectionIds(english), sections);
}

TEST(HelpPage, theHelpOfTheInterfacesLanguageIsShown)
{
    EXPECT_EQ(helpPagePath(), helpPagePath(InterfaceLanguage::chinese));
    const InterfaceLanguageScope english(InterfaceLanguage::english);
    EXPECT_EQ(helpPagePath(), helpPagePath(InterfaceLanguage::english));
}

} // namespace
} // namespace trellon
