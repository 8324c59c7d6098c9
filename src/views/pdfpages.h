// Paged documents as A4 PDFs, with the page set-up of a common printer, for the command line and the
// application's PDF exports alike.
#pragma once

#include "pageddocument.h"

#include <QByteArray>
#include <QString>

namespace trellon {

// The PDF bytes, titled `title`, telling progress after each page; empty when the pages could not be painted or
// progress stopped them.
QByteArray renderPdfPages(const PagedDocument& pages, const QString& title, const PageProgress& progress = {});

} // namespace trellon
