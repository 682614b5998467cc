#pragma once
// The calculation sheet drawn on A4 pages, the same for the PDF and for the printer.

#include <QString>

#include "records/sheet.h"

class QPagedPaintDevice;

namespace cf::records::qt {

// Draws the sheet on the device, one A4 page and more only when it must. Returns false when the
// device cannot be painted on.
bool draw_sheet(QPagedPaintDevice& device, const Sheet& sheet);

// Writes the sheet as a PDF file, atomically. Returns "" or the French message.
QString write_pdf(const QString& path, const Sheet& sheet);

}  // namespace cf::records::qt
