// The system's print and print-preview dialogs as the print commands ask them, so print runs can be driven
// unattended in tests.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace trellon {

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // Lets the user choose the printer (or a PDF file), the pages among 1 … pageCount and the copies; false when
    // cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, int pageCount) = 0;
    // Shows the pages until the user closes the preview; paint draws all of them onto the printer it is given,
    // the preview's own or, when the user prints from the preview, the one chosen there.
    virtual void showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

// QPrintDialog and QPrintPreviewDialog.
class SystemPrintDialogs final : public PrintDialogs {
public:
    // Pages the preview shows side by side: 2 opens it on facing pages, anything else on one page. The view the
    // user leaves the preview in is kept here for the next one.
    int previewPages = 0;

    bool choosePrinter(QWidget* parent, QPrinter& printer, int pageCount) override;
    void showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};

} // namespace trellon
