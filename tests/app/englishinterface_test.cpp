// The application in English: the main window, its panel and its dialogs show no Chinese, and a switch of
// language through 查看 → 语言 retranslates every open window at once and is remembered.
#include "app/aboutdialog.h"
#include "app/cmainframe.h"
#include "app/evaluationwindow.h"
#include "app/helpwindow.h"
#include "app/historydock.h"
#include "app/pathdialog.h"
#include "app/printsettingsdialog.h"
#include "app/reportparamsdialog.h"
#include "app/transferdialog.h"
#include "interfacelanguage.h"
#include "panel/acceptancemenu.h"
#include "panel/controlpanel.h"
#include "panel/parametergrid.h"
#include "panel/projectinfodialog.h"
#include "panel/projectsummaryform.h"
#include "support/scriptedprompts.h"
#include "views/sectiondiagram.h"
#include "widgets/cdatalistview.h"
#include "widgets/cgridctrl.h"
#include "widgets/csectionview.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QUndoView>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

using testing::hasChinese;
using testing::InterfaceLanguageScope;
using testing::ScriptedPrompts;

const QString sample = QStringLiteral(TRELLON_SOURCE_DIR "/data/samples/site-survey.gj");

// Collects texts with the place they were found, and names those with Chinese in them.
class TextSurvey {
public:
    void add(const QString& place, const QString& text) { texts_ << place + QStringLiteral(": ") + text; }
    void addMenu(const QString& place, const QMenu& menu, const QList<QAction*>& skipped = {})
    {
        add(place, menu.title());
        for (QAction* entry : menu.actions()) {
            if (entry->isSeparator() || skipped.contains(entry))
                continue;
            if (entry->menu() != nullptr) {
                addMenu(place + QStringLiteral(" > ") + entry->text(), *entry->menu(), skipped);
                continue;
            }
            add(place + QStringLiteral(" > entry"), entry->text());
            add(place + QStringLiteral(" > ") + entry->text() + QStringLiteral(" status tip"), entry->statusTip());
        }
    }
    // Window title, labels, buttons, group boxes and list entries of a window; fields the user fills are data.
    void addWindow(const QString& place, const QWidget& window, const QList<const QComboBox*>& skippedLists = {})
    {
        add(place + QStringLiteral(" title"), window.windowTitle());
        for (const QLabel* label : window.findChildren<QLabel*>())
            add(place + QStringLiteral(" label"), label->text());
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            add(place + QStringLiteral(" button"), button->text());
            add(place + QStringLiteral(" button tip"), button->toolTip());
        }
        for (const QGroupBox* box : window.findChildren<QGroupBox*>())
            add(place + QStringLiteral(" group"), box->title());
        for (const QComboBox* list : window.findChildren<QComboBox*>()) {
            for (int i = 0; i < list->count() && !skippedLists.contains(list); ++i)
                add(place + QStringLiteral(" list entry"), list->itemText(i));
        }
        for (const QSpinBox* spin : window.findChildren<QSpinBox*>())
            add(place + QStringLiteral(" spin box"), spin->specialValueText());
    }
    QStringList chinese() const
    {
        QStringList found;
        for (const QString& text : texts_) {
            if (hasChinese(text))
                found << text;
        }
        return found;
    }
    qsizetype size() const { return texts_.size(); }

private:
    QStringList texts_;
};

// Column 0 and the heading row above the bars: the grid's labels, not the member's data.
void addGridLabels(TextSurvey& survey, const QString& place, const CGridCtrl& grid, int headingRow)
{
    for (int row = 0; row < grid.rowCount(); ++row)
        survey.add(place, grid.itemText(row, 0));
    for (int column = 1; column < grid.columnCount(); ++column)
        survey.add(place, grid.itemText(headingRow, column));
}

class EnglishInterfaceTest : public ::testing::Test {
protected:
    EnglishInterfaceTest() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }

    std::unique_ptr<CMainFrame> startFrame()
    {
        auto started = std::make_unique<CMainFrame>(prompts, settings, dir.filePath(QStringLiteral("recovery")));
        started->setUrlOpener([](const QUrl&) { return false; });
        return started;
    }

    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("trellon.ini")), QSettings::IniFormat};
    ScriptedPrompts prompts;
};

TEST_F(EnglishInterfaceTest, theMainWindowStartedInEnglishShowsNoChineseInMenusToolbarAndControlPanel)
{
    const InterfaceLanguageScope english(InterfaceLanguage::english);
    ASSERT_EQ(interfaceLanguage(), InterfaceLanguage::english) << "trellon_en.qm not found in the build";
    const std::unique_ptr<CMainFrame> frame = startFrame();
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    ControlPanel& panel = frame->controlPanel();

    TextSurvey survey;
    survey.add(QStringLiteral("main window title"), frame->windowTitle());
    // 中文 names its language in its own words on purpose.
    const QList<QAction*> languageNames = frame->languageMenu().actions();
    for (QMenu* menu : frame->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        survey.addMenu(QStringLiteral("menu"), *menu, languageNames);
    for (QAction* button : frame->toolBar().actions()) {
        survey.add(QStringLiteral("toolbar tip"), button->toolTip());
        survey.add(QStringLiteral("toolbar status tip"), button->statusTip());
    }
    for (QDockWidget* dock : frame->findChildren<QDockWidget*>())
        survey.add(QStringLiteral("dock title"), dock->windowTitle());
    survey.add(QStringLiteral("history"), frame->historyDock().view().emptyLabel());
    for (const TestMode mode : {TestMode::singlePoint, TestMode::section, TestMode::grid})
        survey.add(QStringLiteral("mode"), panel.modeButton(mode).text());
    for (const QLabel* label : panel.summaryForm().findChildren<QLabel*>())
        survey.add(QStringLiteral("summary"), label->text());
    for (int column = 0; column < frame->childWindows().listView()->columnCount(); ++column)
        survey.add(QStringLiteral("list heading"),
                   frame->childWindows().listView()->horizontalHeaderItem(column)->text());
    QTest::mouseClick(&panel.modeButton(TestMode::section), Qt::LeftButton);
    addGridLabels(survey, QStringLiteral("section grid"), panel.parameterGrid(), sectionFirstBarRow - 1);
    QTest::mouseClick(&panel.modeButton(TestMode::grid), Qt::LeftButton);
    ASSERT_EQ(panel.mode(), TestMode::grid);
    addGridLabels(survey, QStringLiteral("grid grid"), panel.parameterGrid(), gridFirstBarRow - 1);
    const std::unique_ptr<QMenu> memberMenu = makeAcceptanceMenu(frame->document(), 0, &panel);
    survey.addMenu(QStringLiteral("member menu"), *memberMenu);

    EXPECT_GT(survey.size(), 200);
    EXPECT_TRUE(survey.chinese().isEmpty()) << survey.chinese().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(hasChinese(panel.parameterGrid().itemText(0, 1))) << "the member's name stays as it was written";
}

TEST_F(EnglishInterfaceTest, everyDialogOpenedInEnglishShowsNoChinese)
{
    const InterfaceLanguageScope english(InterfaceLanguage::english);
    const std::unique_ptr<CMainFrame> frame = startFrame();
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    const QString folder = dir.path();

    TextSurvey survey;
    TransferDialog transfer(prompts);
    survey.addWindow(QStringLiteral("transfer"), transfer);
    transfer.portTypeList()->setCurrentIndex(0);
    survey.addWindow(QStringLiteral("transfer on COM"), transfer);
    survey.addWindow(QStringLiteral("path"), PathDialog(folder));
    // The page number formats are shown as they are printed, in Chinese.
    PrintSettingsDialog printSettings(prompts, folder);
    survey.addWindow(QStringLiteral("print settings"), printSettings, {&printSettings.formatList()});
    survey.addWindow(QStringLiteral("report parameters"), ReportParamsDialog(prompts, folder, ReportFormat::normal));
    ProjectInfoDialog information(prompts);
    information.nameField().setText(QStringLiteral("KL1 梁"));
    survey.addWindow(QStringLiteral("project information"), information);
    survey.addWindow(QStringLiteral("about"), AboutDialog());
    frame->action(Command::evaluation)->trigger();
    survey.addWindow(QStringLiteral("evaluation"), *frame->evaluation().evaluationWindow());
    frame->action(Command::helpTopics)->trigger();
    ASSERT_NE(frame->help().helpWindow(), nullptr);
    survey.add(QStringLiteral("help title"), frame->help().helpWindow()->windowTitle());

    EXPECT_GT(survey.size(), 100);
    EXPECT_TRUE(survey.chinese().isEmpty()) << survey.chinese().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(
        frame->help().helpWindow()->browser().source().toLocalFile().endsWith(QStringLiteral("help/en/index.html")));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
}

// The texts a window cuts off at its size: labels, buttons, spin boxes and lists narrower than what they show.
QStringList cutTexts(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents();
    QStringList cut;
    const auto check = [&cut](const QWidget& widget, const QString& text, int needed, int available) {
        if (widget.isVisible() && !text.isEmpty() && needed > available)
            cut << QStringLiteral("%1 \"%2\" needs %3, has %4")
                       .arg(QString::fromLatin1(widget.metaObject()->className()), text)
                       .arg(needed)
                       .arg(available);
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().contains(QLatin1Char('<')))
            continue;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            check(*label, line, label->fontMetrics().horizontalAdvance(line), label->contentsRect().width());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        check(*button, button->text(), button->sizeHint().width(), button->width());
    // The text of a spin box is shown by its line edit, which leaves a few pixels of margin.
    for (const QAbstractSpinBox* spin : window.findChildren<QAbstractSpinBox*>()) {
        const QLineEdit* shown = spin->findChild<QLineEdit*>();
        check(*spin, spin->text(), spin->fontMetrics().horizontalAdvance(spin->text()) + 4,
              shown->contentsRect().width());
    }
    // A list's arrow and frame take about 30 pixels.
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        check(*list, list->currentText(), list->fontMetrics().horizontalAdvance(list->currentText()) + 30,
              list->width());
    return cut;
}

TEST_F(EnglishInterfaceTest, noWindowCutsATextAtItsDefaultSize)
{
    // Made in Chinese and switched to English, the windows are laid out anew for the longer texts.
    const InterfaceLanguageScope english(InterfaceLanguage::english);
    const std::unique_ptr<CMainFrame> frame = startFrame();
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    frame->resize(1280, 800);
    const QString folder = dir.path();
    QStringList cut;
    const auto survey = [&cut](const QString& place, QWidget& window) {
        for (const QString& found : cutTexts(window))
            cut << place + QStringLiteral(": ") + found;
    };
    survey(QStringLiteral("main window"), *frame);
    ControlPanel& panel = frame->controlPanel();
    panel.chooseMode(TestMode::section);
    survey(QStringLiteral("main window, section"), *frame);
    panel.chooseMode(TestMode::grid);
    survey(QStringLiteral("main window, grid"), *frame);
    TransferDialog transfer(prompts);
    survey(QStringLiteral("transfer"), transfer);
    PathDialog path(folder);
    survey(QStringLiteral("path"), path);
    PrintSettingsDialog printSettings(prompts, folder);
    survey(QStringLiteral("print settings"), printSettings);
    ReportParamsDialog reportParameters(prompts, folder, ReportFormat::normal);
    survey(QStringLiteral("report parameters"), reportParameters);
    ProjectInfoDialog information(prompts);
    survey(QStringLiteral("project information"), information);
    AboutDialog about;
    survey(QStringLiteral("about"), about);
    frame->action(Command::evaluation)->trigger();
    survey(QStringLiteral("evaluation"), *frame->evaluation().evaluationWindow());

    testing::switchInterfaceLanguage(InterfaceLanguage::chinese);
    const std::unique_ptr<CMainFrame> switched = startFrame();
    ASSERT_TRUE(switched->files().openProjectFile(sample));
    switched->action(Command::evaluation)->trigger();
    switched->evaluation().evaluationWindow()->show();
    TransferDialog switchedTransfer(prompts);
    switchedTransfer.show();
    testing::switchInterfaceLanguage(InterfaceLanguage::english);
    survey(QStringLiteral("main window, switched"), *switched);
    survey(QStringLiteral("evaluation, switched"), *switched->evaluation().evaluationWindow());
    survey(QStringLiteral("transfer, switched"), switchedTransfer);
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
}

// Opens the View menu of the menu bar and presses a language's entry in its Language submenu.
void chooseLanguageInMenu(CMainFrame& frame, const QString& name)
{
    QMenu* view = frame.shownMenus().at(3);
    QMenuBar* bar = frame.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    QAction* languages = frame.languageMenu().menuAction();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->actionGeometry(languages).center());
    ASSERT_TRUE(QTest::qWaitFor([&frame] { return frame.languageMenu().isVisible(); }));
    QMenu& submenu = frame.languageMenu();
    QAction* entry = nullptr;
    for (QAction* candidate : submenu.actions()) {
        if (candidate->text() == name)
            entry = candidate;
    }
    ASSERT_NE(entry, nullptr) << name.toStdString();
    QTest::mouseClick(&submenu, Qt::LeftButton, {}, submenu.actionGeometry(entry).center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// The section window as its view paints it, and as the diagram is painted with its words in Chinese.
std::pair<QImage, QImage> sectionDiagramAndChineseOne(CMainFrame& frame)
{
    CSectionView& view = *frame.childWindows().sectionView();
    QImage chinese(view.size(), QImage::Format_RGB32);
    QPainter painter(&chinese);
    paintSectionDiagram(painter, chinese.rect(), frame.document().member(view.memberIndex()), DiagramTitle::shown,
                        view.passColours(), DiagramWords::chinese);
    return {view.grab().toImage().convertToFormat(QImage::Format_RGB32), chinese};
}

QStringList menuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (const QMenu* menu : frame.shownMenus())
        titles << menu->title();
    return titles;
}

TEST_F(EnglishInterfaceTest, choosingALanguageInTheViewMenuRetranslatesTheOpenWindowsAndIsRemembered)
{
    const InterfaceLanguageScope chinese(InterfaceLanguage::chinese);
    const std::unique_ptr<CMainFrame> frame = startFrame();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    ControlPanel& panel = frame->controlPanel();
    QTest::mouseClick(&panel.modeButton(TestMode::section), Qt::LeftButton);
    frame->action(Command::evaluation)->trigger();
    frame->action(Command::helpTopics)->trigger();
    frame->action(Command::dataTransfer)->trigger();
    ASSERT_NE(frame->transfer().dialog(), nullptr);
    frame->transfer().dialog()->reject();
    const auto [diagramBefore, chineseDiagramBefore] = sectionDiagramAndChineseOne(*frame);
    ASSERT_EQ(diagramBefore, chineseDiagramBefore);

    chooseLanguageInMenu(*frame, QStringLiteral("English"));
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::english);
    EXPECT_EQ(menuTitles(*frame),
              (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("Data &Transfer"),
                           QStringLiteral("&View"), QStringLiteral("&Help")}));
    EXPECT_EQ(frame->action(Command::open)->toolTip(), QStringLiteral("Open"));
    EXPECT_EQ(frame->workspaceDock().windowTitle(), QStringLiteral("Workspace"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Velmora Rebar Test Analysis V1.0 - [%1][*]").arg(sample));
    EXPECT_EQ(panel.modeButton(TestMode::section).text(), QStringLiteral("Section test"));
    EXPECT_EQ(panel.parameterGrid().itemText(sectionFirstBarRow - 1, 2), QStringLiteral("Cover (mm)"));
    EXPECT_EQ(panel.summaryForm().label(ProjectSummaryForm::Field::passRate).text(), QStringLiteral("Pass rate"));
    EXPECT_EQ(frame->childWindows().listView()->horizontalHeaderItem(CDataListView::coverColumn)->text(),
              QStringLiteral("Measured cover (mm)"));
    const auto [englishDiagram, chineseDiagram] = sectionDiagramAndChineseOne(*frame);
    EXPECT_NE(englishDiagram, chineseDiagram) << "the diagram's words are repainted";
    EXPECT_EQ(frame->evaluation().evaluationWindow()->exportPdfButton().text(), QStringLiteral("Export PDF"));
    EXPECT_EQ(frame->evaluation().evaluationWindow()->populationLabel(MemberType::beam).text(),
              QStringLiteral("Beams in the lot"));
    EXPECT_EQ(frame->transfer().dialog()->windowTitle(), QStringLiteral("Data Transfer"));
    EXPECT_EQ(frame->transfer().dialog()->startButton()->text(), QStringLiteral("Transfer"));
    EXPECT_TRUE(
        frame->help().helpWindow()->browser().source().toLocalFile().endsWith(QStringLiteral("help/en/index.html")));
    EXPECT_EQ(frame->help().helpWindow()->windowTitle(), QStringLiteral("Help Topics"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("zh_CN"))), InterfaceLanguage::english);

    chooseLanguageInMenu(*frame, QStringLiteral("中文"));
    EXPECT_EQ(interfaceLanguage(), InterfaceLanguage::chinese);
    EXPECT_EQ(menuTitles(*frame),
              (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("编辑(&E)"), QStringLiteral("数据传输(&D)"),
                           QStringLiteral("查看(&V)"), QStringLiteral("帮助(&H)")}));
    EXPECT_EQ(panel.modeButton(TestMode::section).text(), QStringLiteral("剖面测试"));
    const auto [diagramAfter, chineseDiagramAfter] = sectionDiagramAndChineseOne(*frame);
    EXPECT_EQ(diagramAfter, chineseDiagramAfter);
    EXPECT_EQ(frame->evaluation().evaluationWindow()->windowTitle(), QStringLiteral("检验评定"));
    EXPECT_TRUE(
        frame->help().helpWindow()->browser().source().toLocalFile().endsWith(QStringLiteral("help/index.html")));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_EQ(startLanguage(settings, QLocale(QStringLiteral("en_US"))), InterfaceLanguage::chinese);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(EnglishInterfaceTest, theHistoryIsNamedInTheLanguageOfTheInterface)
{
    const InterfaceLanguageScope chinese(InterfaceLanguage::chinese);
    const std::unique_ptr<CMainFrame> frame = startFrame();
    ASSERT_TRUE(frame->files().openProjectFile(sample));
    ProjectDocument& document = frame->document();
    ASSERT_TRUE(document.setChecked({0}, false));

    testing::switchInterfaceLanguage(InterfaceLanguage::english);
    ASSERT_TRUE(document.setChecked({5}, false));
    EXPECT_EQ(document.stepText(0), QStringLiteral("Untick 1001")) << "a step made in Chinese";
    EXPECT_EQ(document.stepText(1), QStringLiteral("Untick 2001"));
    EXPECT_EQ(frame->action(Command::undo)->text(), QStringLiteral("Undo Untick 2001"));
    frame->action(Command::undo)->trigger();
    EXPECT_EQ(frame->action(Command::redo)->text(), QStringLiteral("Redo Untick 2001"));

    testing::switchInterfaceLanguage(InterfaceLanguage::chinese);
    EXPECT_EQ(document.stepText(1), QStringLiteral("取消勾选 2001")) << "a step made in English";
    EXPECT_EQ(frame->action(Command::undo)->text(), QStringLiteral("撤销 取消勾选 1001"));
    EXPECT_EQ(frame->action(Command::redo)->text(), QStringLiteral("重做 取消勾选 2001"));
}

} // namespace
} // namespace trellon
