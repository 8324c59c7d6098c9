// The print preview opens on one page or on facing pages as it was last left.
#include "app/printdialogs.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

namespace trellon {
namespace {

// Opens the preview, notes the view it opened on, leaves it in `leaveIn` and closes it.
QPrintPreviewWidget::ViewMode previewOnce(SystemPrintDialogs& dialogs, QPrintPreviewWidget::ViewMode leaveIn)
{
    QPrintPreviewWidget::ViewMode openedOn = QPrintPreviewWidget::AllPagesView;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        openedOn = pages->viewMode();
        pages->setViewMode(leaveIn);
        preview->reject();
    });
    QPrinter printer;
    dialogs.showPreview(nullptr, printer, [](QPrinter&) {});
    return openedOn;
}

TEST(PrintPreviewPages, previewOpensAsItWasLastLeft)
{
    SystemPrintDialogs dialogs;
    EXPECT_EQ(previewOnce(dialogs, QPrintPreviewWidget::FacingPagesView), QPrintPreviewWidget::SinglePageView);
    EXPECT_EQ(dialogs.previewPages, 2);
    EXPECT_EQ(previewOnce(dialogs, QPrintPreviewWidget::SinglePageView), QPrintPreviewWidget::FacingPagesView);
    EXPECT_EQ(dialogs.previewPages, 1);
}

} // namespace
} // namespace trellon
