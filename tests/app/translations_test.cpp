// The interface runs in Chinese, Qt's own dialog texts included, when no other translation is installed.
#include "app/translations.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace trellon {
namespace {

TEST(Translations, qtDialogTextsFollowTheChineseInterface)
{
    ASSERT_EQ(installTranslations(*QCoreApplication::instance()), QStringLiteral("zh_CN"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").startsWith(QStringLiteral("是")));
}

} // namespace
} // namespace trellon
