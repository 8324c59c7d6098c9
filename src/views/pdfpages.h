// The printed pages as an A4 PDF, with the page set-up of a common printer, for the command line and the
// application's PDF export alike.
#pragma once

#include <QByteArray>
#include <QString>

namespace trellon {

class PrintedPages;

// The PDF bytes, titled `title`; empty when the pages could not be painted.
QByteArray renderPdfPages(const PrintedPages& pages, const QString& title);

} // namespace trellon
