// The language the interface starts in, and what installing a language changes.
#include "app/translations.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trellon {
namespace {

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

} // namespace
} // namespace trellon
