// The menus and the toolbar.
#include "commandlayout.h"

#include <QtGlobal>

namespace trellon {

namespace {

constexpr Separator line;

const MenuLayout languages{QT_TRANSLATE_NOOP("CommandLayout", "语言"), {Command::chinese, Command::english}};

const MenuLayout edit{QT_TRANSLATE_NOOP("CommandLayout", "编辑(&E)"),
                      {Command::undo, Command::redo, line, Command::standardPermittedDeviations}};

const MenuLayout help{QT_TRANSLATE_NOOP("CommandLayout", "帮助(&H)"), {Command::helpTopics, Command::about}};

const MenuLayout file{QT_TRANSLATE_NOOP("CommandLayout", "文件(&F)"),
                      {Command::newFile, Command::open, line, Command::printSettings, line, Command::noRecentFiles,
                       Command::recentFile1, Command::recentFile2, Command::recentFile3, Command::recentFile4, line,
                       Command::exit}};

const MenuLayout transfer{QT_TRANSLATE_NOOP("CommandLayout", "数据传输(&D)"), {Command::dataTransfer}};

const MenuLayout view{QT_TRANSLATE_NOOP("CommandLayout", "查看(&V)"),
                      {Command::toolbar, Command::statusBar, Command::controlPanel, Command::history,
                       Command::passColours, Command::evaluation, Command::verification, line, &languages}};

const MenuLayout childFile{QT_TRANSLATE_NOOP("CommandLayout", "文件(&F)"),
                           {Command::open,          Command::save,
                            Command::saveTxt,       Command::exportCsv,
                            Command::exportPdf,     Command::saveBmp,
                            Command::saveAs,        Command::wordReport,
                            Command::excelReport,   line,
                            Command::print,         Command::printPreview,
                            Command::printSettings, line,
                            Command::noRecentFiles, Command::recentFile1,
                            Command::recentFile2,   Command::recentFile3,
                            Command::recentFile4,   line,
                            Command::exit}};

const MenuLayout childTransfer{QT_TRANSLATE_NOOP("CommandLayout", "数据传输(&D)"), {Command::dataTransfer, line}};

const MenuLayout childView{QT_TRANSLATE_NOOP("CommandLayout", "查看(&V)"),
                           {Command::toolbar, Command::statusBar, line, Command::controlPanel, Command::history,
                            Command::passColours, Command::evaluation, Command::verification,
                            Command::projectInformation, line, &languages}};

} // namespace

const MenuLayout& languagesMenu()
{
    return languages;
}

const std::vector<const MenuLayout*>& menusWithoutChildWindow()
{
    static const std::vector<const MenuLayout*> menus{&file, &edit, &transfer, &view, &help};
    return menus;
}

const std::vector<const MenuLayout*>& menusWithChildWindow()
{
    static const std::vector<const MenuLayout*> menus{&childFile, &edit, &childTransfer, &childView, &help};
    return menus;
}

const std::vector<MenuEntry>& toolBarLayout()
{
    static const std::vector<MenuEntry> buttons{Command::open,
                                                Command::save,
                                                Command::print,
                                                Command::printSettings,
                                                Command::printPreview,
                                                line,
                                                Command::saveBmp,
                                                Command::saveTxt,
                                                Command::wordReport,
                                                Command::excelReport,
                                                line,
                                                Command::dataTransfer,
                                                Command::controlPanel,
                                                Command::projectInformation,
                                                line,
                                                Command::insertRowAbove,
                                                Command::insertRowBelow,
                                                Command::deleteBar,
                                                line,
                                                Command::about,
                                                line,
                                                Command::undo,
                                                Command::redo};
    return buttons;
}

} // namespace trellon
