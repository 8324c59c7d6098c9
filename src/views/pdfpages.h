// Paged documents as A4 PDFs, with the page set-up of a common printer, for the command line and the
// application's PDF exports alike.
#pragma once

#include "pageddocument.h"

#include "model/result.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace trellon {

// The PDF bytes, titled `title`, telling progress after each page; empty when the pages could not be painted or
// progress stopped them.
QByteArray renderPdfPages(const PagedDocument& pages, const QString& title, const PageProgress& progress = {});

// Rendered PDF bytes written whole to the local path, or not at all; empty bytes are pages that could not be
// painted, told as `unpainted`.
Status writePdfFile(const std::string& path, const QByteArray& pdf, const std::string& unpainted);

} // namespace trellon
