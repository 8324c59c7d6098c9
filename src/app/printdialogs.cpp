// The system's print dialogs.
#include "printdialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace trellon {

bool SystemPrintDialogs::choosePrinter(QWidget* parent, QPrinter& printer, int pageCount)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void SystemPrintDialogs::showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* target) { paint(*target); });
    // Whole pages readable at once: the preview takes most of the main window.
    if (parent != nullptr)
        preview.resize(parent->window()->size() * 0.9);
    auto* pages = preview.findChild<QPrintPreviewWidget*>();
    if (pages != nullptr && previewPages == 2)
        pages->setViewMode(QPrintPreviewWidget::FacingPagesView);
    preview.exec();
    if (pages != nullptr)
        previewPages = pages->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

} // namespace trellon
