#pragma once

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace pm {

// The state of the print job that is running. Every window's print routine
// draws through Canvas at CurrentY and moves on with CheckPageBreak.
struct PrintState {
  bool Printing = false;
  int PrinterPPI = 0;       // the long side of the page / 11
  int PrintMargin = 0;      // one inch; the page ends at PageHeight - PrintMargin
  int PrintLeft = 0;        // the left edge of printed text
  int PrintLineHeight = 0;  // the line height of Arial 10 + 1
  int CurrentY = 0;         // where the next line is printed
  int PageWidth = 0;        // the printable area in printer pixels
  int PageHeight = 0;
  bool Landscape = false;   // the printer's orientation when the job began
  int PageNumber = 1;       // our own counter; plain new pages count too
  QPainter* Canvas = nullptr;
  QPagedPaintDevice* Device = nullptr;
  // Nothing has been drawn on the page since it began (header aside), so a
  // plain new page there would stay blank.
  bool PageEmpty = true;
  // A new page that was decided but begins only when something is drawn on
  // it, so that no page holds only its header.
  enum class Pending { None, HeaderPage, PlainPage };
  Pending PendingPage = Pending::None;
};

PrintState& PS();

// Printer pixels per inch from the printable area: the long side over 11.
int PrinterPpiFor(int pageWidth, int pageHeight, bool landscape);

// The date and time of page headers: PELMARK_NOW (ISO) when set, else now,
// in the system's short format.
QString PrintDateTimeText();

// Starts the job on a painter that is already active on `device`: the print
// state, the clip, the first page's header ("Pelmark Ver. " + version) and
// CurrentY below it.
void BeginPrintJob(QPainter* painter, QPagedPaintDevice* device, const QString& versionText,
                   bool landscape = false);
// Printing := false; the state keeps its values.
void EndPrintJob();

// Advances CurrentY by h and, past the page, goes on to a new page with its
// header; CurrentY := h + PrintMargin there.
void CheckPageBreak(int h);
// Goes on to a new page with the further-page header; CurrentY is left to
// the caller.
void NewHeaderPage();
// Goes on to a new page without header, at CurrentY := PrintMargin; skipped
// when the current page holds nothing yet.
void NewPlainPage();
// Ends the page at once: the next page has its header.
void ForcePageBreak();
// Print routines call this just before they draw: a new page that was
// decided begins here (with its header), and the page counts as used. A
// page is only ever begun by something drawn on it.
void DrawOnPage();

// Draws text with its top-left corner at (x, y) in the canvas font.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text);
// The line height of the canvas font on the printer.
int CanvasTextHeight(const QPainter& painter);

}  // namespace pm
