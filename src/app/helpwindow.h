// The help page in a window of the program's own, for desktops without a web browser.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace trellon {

class HelpWindow final : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the local HTML page; its own links are followed inside the window, others in the desktop.
    void showPage(const QString& path);
    QTextBrowser& browser() { return *browser_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QTextBrowser* browser_;
};

} // namespace trellon
