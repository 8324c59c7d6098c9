// Both menu sets of the main window and its toolbar, in both languages, as a committed list: every title, entry,
// shortcut, status tip, tick and separator in order. A change of the menus shows here as a change of the list.
#include "app/cmainframe.h"
#include "interfacelanguage.h"
#include "support/scriptedprompts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::InterfaceLanguageScope;
using testing::ScriptedPrompts;

QString entryLine(const QAction& entry)
{
    QStringList keys;
    for (const QKeySequence& key : entry.shortcuts())
        keys << key.toString(QKeySequence::PortableText);
    const QString tick = !entry.isCheckable() ? QString()
                         : entry.isChecked()  ? QStringLiteral("[x] ")
                                              : QStringLiteral("[ ] ");
    return tick + entry.text() + QStringLiteral(" | ") + keys.join(QStringLiteral(", ")) + QStringLiteral(" | ") +
           entry.statusTip();
}

void listMenu(QStringList& lines, const QMenu& menu, const QString& indent)
{
    lines << indent + menu.title();
    for (const QAction* entry : menu.actions()) {
        if (entry->isSeparator())
            lines << indent + QStringLiteral("  ----");
        else if (entry->menu() != nullptr)
            listMenu(lines, *entry->menu(), indent + QStringLiteral("  "));
        else if (entry->isVisible())
            lines << indent + QStringLiteral("  ") + entryLine(*entry);
    }
}

// The menu sets with and without a child window and the toolbar's buttons with their tips, as the window shows
// them at start.
QString menusAndToolbar(CMainFrame& frame)
{
    QStringList lines{QStringLiteral("[with a child window]")};
    for (const QMenu* menu : frame.shownMenus())
        listMenu(lines, *menu, {});
    frame.mdiArea().closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    lines << QStringLiteral("[without a child window]");
    for (const QMenu* menu : frame.shownMenus())
        listMenu(lines, *menu, {});
    lines << QStringLiteral("[toolbar]");
    for (const QAction* button : frame.toolBar().actions())
        lines << (button->isSeparator() ? QStringLiteral("----") : button->toolTip());
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

class MenuLayoutTest : public ::testing::TestWithParam<InterfaceLanguage> {};

TEST_P(MenuLayoutTest, bothMenuSetsAndTheToolbarAreTheCommittedOnes)
{
    const InterfaceLanguageScope language(GetParam());
    ASSERT_EQ(interfaceLanguage(), GetParam()) << "trellon_en.qm not found in the build";
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat);
    ScriptedPrompts prompts;
    CMainFrame frame(prompts, settings, dir.filePath(QStringLiteral("recovery")));
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    const QString shown = menusAndToolbar(frame);

    const QString name =
        GetParam() == InterfaceLanguage::chinese ? QStringLiteral("menus-zh.txt") : QStringLiteral("menus-en.txt");
    QFile committed(QStringLiteral(TRELLON_TEST_DATA "/menus/") + name);
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly)) << committed.fileName().toStdString();
    if (shown == QString::fromUtf8(committed.readAll()))
        return;
    // What the window shows now, to compare with the committed list and to commit when the change is meant.
    QFile actual(QDir::current().filePath(name));
    ASSERT_TRUE(actual.open(QIODevice::WriteOnly));
    actual.write(shown.toUtf8());
    ADD_FAILURE() << "the menus differ from " << committed.fileName().toStdString() << "; they are written to "
                  << actual.fileName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MenuLayoutTest,
                         ::testing::Values(InterfaceLanguage::chinese, InterfaceLanguage::english),
                         [](const auto& language) {
                             return std::string(language.param == InterfaceLanguage::chinese ? "chinese" : "english");
                         });

} // namespace
} // namespace trellon
