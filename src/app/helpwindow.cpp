// Help window.
#include "helpwindow.h"

#include "helppage.h"

#include <QEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace trellon {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this))
{
    retranslate();
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(820, 640);
}

void HelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void HelpWindow::retranslate()
{
    setWindowTitle(tr("帮助主题"));
    // The page shown changes to the page of the language.
    if (!browser_->source().isEmpty())
        browser_->setSource(QUrl::fromLocalFile(helpPagePath()));
}

void HelpWindow::showPage(const QString& path)
{
    browser_->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

} // namespace trellon
