// Reading a deck into the window.
#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "common/childgeometry.h"
#include "common/globals.h"
#include "common/ui/childplacement.h"
#include "formdeck/deckparser.h"
#include "formdeck/formhost.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/ui/waitcursor.h"

namespace pm {

void TPlenzoForm::ReadDeck(const QString& fileName) {
  model_.ClearCommands();
  model_.FileName = fileName;
  formBuilt_ = false;
  Hide();
  // A window never shown (the form dump's) has no screen yet, and every
  // control made in it would look for one to resolve its font.
  if (isWindow() && !windowHandle()) setScreen(QGuiApplication::primaryScreen());
  {
    WaitCursor wait;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    setUpdatesEnabled(false);
    parsing_ = true;
    {
      DeckParser parser(*this, host_ ? host_->Progress() : nullptr);
      parser.ParseDeck(fileName);
      ErrorLine = parser.ErrorLine();
    }
    parsing_ = false;
    // Every new control asked to be polished; a parse lets no events through,
    // so thousands of requests wait, and each control that dies while the
    // queue still holds them, delivered or not, searches them all. All of
    // them go now, which also empties the queue; none is user input.
    QCoreApplication::sendPostedEvents();
    for (TFormPage* page : pages_)
      if (page) page->MarkControlsPaintedInPlace();
    ApplyBackground();
    setUpdatesEnabled(true);
  }
  // The window keeps the deck's name, also when only its Source tab shows.
  setWindowTitle(fileName);
  setWindowFilePath(fileName);
  if (G().ParseErrorState >= 1) {
    model_.ParseFailed = true;
    PlaceForSource();
    return;
  }
  formBuilt_ = true;
  builtUnits_ = UnitSystem();
  PlaceAfterParse();
  Show();
  if (host_) host_->ClearInputModified();
}

// Size and place the sub-window in the MDI area: maximized on a small area
// or when the deck asks for it, else as wide as the content.
void TPlenzoForm::PlaceAfterParse() {
  QMdiSubWindow* sub = subWindow_;
  if (!sub) {
    // Outside an MDI area (the form dump) the form is a normal window.
    if (!model_.MaximizeForm) {
      LayoutPages();
      const int width = ClientWidth();
      FollowClientWidth(width);
      resize(width, height());
    }
    return;
  }
  QMdiArea* area = sub->mdiArea();
  const QSize avail = area ? area->viewport()->size() : screen()->availableSize();
  if (avail.width() <= 640 || model_.MaximizeForm) {
    sub->showMaximized();
    FollowClientWidth(sub->contentsRect().width());
  } else {
    sub->showNormal();
    LayoutPages();
    const int width = ClientWidth();
    FollowClientWidth(width);
    // The frame from the sub-window's margins: its size is not settled
    // until the sub-window has laid out the form.
    const QMargins frame = sub->contentsMargins();
    sub->setGeometry(0, 0, width + frame.left() + frame.right(), std::max(avail.height() - 70, 100));
    // Never wider than the area: the pages scroll to the rest.
    PlaceChildInArea(sub);
  }
  if (model_.WindowSizeMaximize) sub->showMaximized();
}

// A form that did not parse shows only its Source tab, at the size of a
// text window.
void TPlenzoForm::PlaceForSource() {
  QMdiSubWindow* sub = subWindow_;
  if (!sub || sub->isMaximized()) return;
  sub->resize(kDefaultChildSize);
  PlaceChildInArea(sub);
}

}  // namespace pm
