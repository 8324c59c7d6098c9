// Print runs of the main window.
#include "printrun.h"

#include "printdialogs.h"

#include "views/printedpages.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QPrinter>

#include <algorithm>

namespace trellon {

namespace {

struct PrintRun {
    Q_DECLARE_TR_FUNCTIONS(PrintRun)
};

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
    prompts.showMessage(parent, PrintRun::tr("没有可打印的内容：请先在控制面板中勾选要打印的构件。"));
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

void paintOrSay(QWidget* parent, const PrintedPages& pages, QPrinter& printer, PageRange range, UserPrompts& prompts)
{
    const auto [first, last] = range;
    if (!pages.paintPages(printer, first, last))
        prompts.showMessage(parent, PrintRun::tr("打印失败：无法在所选打印机上打印。"), QMessageBox::Warning);
}

} // namespace

void printCheckedMembers(QWidget* parent, const Project& project, const PrintSettings& settings, PrintDialogs& dialogs,
                         UserPrompts& prompts)
{
    const PrintedPages pages(project, settings);
    if (sayWhenNothingToPrint(parent, pages, prompts))
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    if (!dialogs.choosePrinter(parent, printer, pages.pageCount()))
        return;
    paintOrSay(parent, pages, printer, chosenPages(printer, pages), prompts);
}

void previewCheckedMembers(QWidget* parent, const Project& project, const PrintSettings& settings,
                           PrintDialogs& dialogs, UserPrompts& prompts)
{
    const PrintedPages pages(project, settings);
    if (sayWhenNothingToPrint(parent, pages, prompts))
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer);
    dialogs.showPreview(parent, printer, [&](QPrinter& target) {
        paintOrSay(parent, pages, target, chosenPages(target, pages), prompts);
    });
}

} // namespace trellon
