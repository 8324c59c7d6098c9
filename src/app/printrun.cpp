// Print runs of the main window.
#include "printrun.h"

#include "printdialogs.h"

#include "model/testmode.h"
#include "views/printedpages.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QPrinter>

#include <algorithm>

namespace trellon {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PrintRun", text);
}

void setUpPrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Trellon"));
}

bool sayWhenNothingToPrint(QWidget* parent, const PrintedPages& pages, UserPrompts& prompts)
{
    if (pages.pageCount() > 0)
        return false;
    prompts.showMessage(parent, tr("没有可打印的内容：请先在控制面板中勾选要打印的构件。"));
    return true;
}

struct PageRange {
    std::int32_t first = 1;
    std::int32_t last = 1;
};

// All pages, or the range chosen in the print dialog.
PageRange chosenPages(const QPrinter& printer, const PrintedPages& pages)
{
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        return {printer.fromPage(), std::max(printer.toPage(), printer.fromPage())};
    return {1, pages.pageCount()};
}

bool paintOrSay(QWidget* parent, const PrintedPages& pages, QPrinter& printer, PageRange range, UserPrompts& prompts)
{
    const auto [first, last] = range;
    if (pages.paintPages(printer, first, last))
        return true;
    prompts.showMessage(parent, tr("打印失败：无法在所选打印机上打印。"), QMessageBox::Warning);
    return false;
}

// Printed grid pages leave their members with the bar counts their readings hold.
PrintRunEffect correctGridBarCounts(Project& project, const PrintedPages& pages, PageRange range)
{
    PrintRunEffect effect = PrintRunEffect::projectUnchanged;
    const auto& members = pages.gridPageMembers();
    for (std::size_t g = 0; g < members.size(); ++g) {
        const std::int64_t page = pages.count().list + 1 + static_cast<std::int64_t>(g);
        if (page < range.first || page > range.last)
            continue;
        MemberRecord& member = project.members[static_cast<std::size_t>(members[g])];
        const auto before = std::make_pair(member.xBarCount, member.yBarCount);
        countBarsAfterTransfer(member);
        if (std::make_pair(member.xBarCount, member.yBarCount) != before)
            effect = PrintRunEffect::barCountsCorrected;
    }
    return effect;
}

} // namespace

PrintRunEffect printCheckedMembers(QWidget* parent, Project& project, const PrintSettings& settings,
                                   PrintDialogs& dialogs, UserPrompts& prompts)
{
    const PrintedPages pages(project, settings);
    if (sayWhenNothingToPrint(parent, pages, prompts))
        return PrintRunEffect::projectUnchanged;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    if (!dialogs.choosePrinter(parent, printer, pages.pageCount()))
        return PrintRunEffect::projectUnchanged;
    const PageRange range = chosenPages(printer, pages);
    if (!paintOrSay(parent, pages, printer, range, prompts))
        return PrintRunEffect::projectUnchanged;
    return correctGridBarCounts(project, pages, range);
}

PrintRunEffect previewCheckedMembers(QWidget* parent, Project& project, const PrintSettings& settings,
                                     PrintDialogs& dialogs, UserPrompts& prompts)
{
    const PrintedPages pages(project, settings);
    if (sayWhenNothingToPrint(parent, pages, prompts))
        return PrintRunEffect::projectUnchanged;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    bool painted = false;
    dialogs.showPreview(parent, printer, [&](QPrinter& target) {
        painted = paintOrSay(parent, pages, target, chosenPages(target, pages), prompts) || painted;
    });
    if (!painted)
        return PrintRunEffect::projectUnchanged;
    return correctGridBarCounts(project, pages, {1, pages.pageCount()});
}

} // namespace trellon
