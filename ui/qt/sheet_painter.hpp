#pragma once

// The worksheet's pages on paper or in a PDF: the display list replayed as it stands, each run at
// its baseline in its font, each rule, a new page between pages. Nothing is laid out here.

#include <QFileDevice>
#include <QString>

#include "ui/lesson/sheet_pages.hpp"

class QPagedPaintDevice;

namespace drobi {

// Paints every page of `document` on `device` at the document's paper size with no margins, so
// that a point of the list is a point from the paper's corner (a printer's paint device is asked
// for its full page first). False when the device cannot be painted on or refuses a page.
bool PaintSheets(const SheetDocument& document, QPagedPaintDevice& device);

// Writes `document` as a PDF into a temporary file beside `path`, which replaces the file under
// the name only once it is whole: a failure leaves whatever was there before, or nothing. Returns
// QFileDevice::NoError, or where writing failed.
QFileDevice::FileError WriteSheetsPdf(const SheetDocument& document, const QString& path,
                                      const QString& title);

}  // namespace drobi
