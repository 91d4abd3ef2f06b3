// The document commands' shared parts: the running command's questions,
// closing windows by kind, the input deck, the end of the program in
// dedicated mode, and the output windows of a deck.
#include "shell/ui/documents.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "common/captions.h"
#include "common/childgeometry.h"
#include "common/filenames.h"
#include "common/globals.h"
#include "common/lib1.h"
#include "platform/pathresolver.h"
#include "common/ui/childplacement.h"
#include "shell/filedialogs.h"
#include "shell/menutable.h"
#include "shell/opendispatch.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/editform.h"
#include "shell/ui/menustate.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/viewform.h"
#include "shell/ui/windowhelpers.h"
#include "tables/tablefile.h"
#include "tables/ui/tableform.h"

namespace pm {

DocumentCommands::DocumentCommands(TOSTRELFORM& main)
    : QObject(&main), Quit([](int status) { QCoreApplication::exit(status); }), main_(main), host_(main) {
  openRequest_.filter = OpenDialogFilter();
  openRequest_.selectedFilter = OpenFilterEntry(2);
  SetPlotHost(this);
}

DocumentCommands::~DocumentCommands() {
  if (GetPlotHost() == this) SetPlotHost(nullptr);
}

bool DocumentCommands::Command::Ask(const std::vector<int>& kinds) {
  return owner_.questions_->AskKinds(owner_.main_.MdiArea(), kinds);
}

QMdiSubWindow* DocumentCommands::AddChild(QWidget* window) {
  QMdiSubWindow* sub = main_.MdiArea()->addSubWindow(window);
  SetChildKind(sub, ChildKindOf(window));
  sub->installEventFilter(this);
  return sub;
}

// While a program is waited for, the user's close requests of document
// windows (their close buttons) are refused, as the close commands are.
bool DocumentCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Close || !RunBusy(main_.Runs) || ClosingByCommand())
    return QObject::eventFilter(watched, event);
  auto* child = qobject_cast<QMdiSubWindow*>(watched);
  if (!child || !IsDocumentChild(child)) return QObject::eventFilter(watched, event);
  BeepWarning();
  event->ignore();
  return true;
}

void DocumentCommands::SetInput(const QString& path) {
  QAction* input = main_.Item(QStringLiteral("Input1"));
  input->setText(QStringLiteral("Input ") + ShownAsWritten(path));
  SetItemEnabled(input, true);
  main_.InputFileName = path;
}

void DocumentCommands::DisposeQuorvelWindows(int K) {
  bool closedAny = false;
  const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    if (!KindWithin(KindOfChild(child), K)) continue;
    const bool asked = questions_ && questions_->WasAsked(child);
    if (CloseChildNow(child, asked)) closedAny = true;
  }
  if (!closedAny) return;
  const auto reset = [this](const char* name, const char* caption) {
    QAction* item = main_.Item(QLatin1String(name));
    item->setText(QLatin1String(caption));
    SetItemEnabled(item, false);
  };
  switch (K) {
    case KindTextEditor:
    case KindFormPages:
      reset("Input1", "Input");
      main_.InputFileName.clear();
      break;
    case KindListing:
      reset("Listing1", "Listing");
      break;
    case KindLog:
      reset("Log1", "Log");
      break;
    case KindTable:
      reset("Table1", "Table");
      break;
    case KindDiagram:
      reset("Diagram1", "Diagram");
      break;
    default:
      break;
  }
}

// Dedicated mode: the message was shown.
void DocumentCommands::EndAfterRefusal() {
  if (!startupFinished_) {
    endRequested_ = true;
    exitStatus_ = 1;
    return;
  }
  ExitLikeFileExit();
}

void DocumentCommands::ExitLikeFileExit() {
  // From inside a modal dialog (the project index), end once it has closed.
  if (QApplication::activeModalWidget()) {
    QTimer::singleShot(100, this, &DocumentCommands::ExitLikeFileExit);
    return;
  }
  G().ShellClosing = true;
  exitStatus_ = 1;
  // A window this command asked already is not asked again by the exit.
  if (questions_) {
    const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
    for (QMdiSubWindow* child : children) {
      if (questions_->WasAsked(child)) CloseChildNow(child, true);
    }
  }
  if (main_.close()) {
    Quit(exitStatus_);
  } else {
    exitStatus_ = 0;
  }
}

// Output windows of the deck. The listing and the log take the deck's name
// without its last extension, the others its name up to its first ".".

TViewForm* DocumentCommands::ShowViewer(const QString& path, int kind) {
  auto* viewer = new TViewForm(&main_);
  if (viewer->Load(path) != 0) {
    delete viewer;
    return nullptr;
  }
  viewer->SetKind(kind);
  QMdiSubWindow* sub = AddChild(viewer);
  sub->resize(kDefaultChildSize);
  sub->show();
  PlaceChildInArea(sub);
  return viewer;
}

void DocumentCommands::SetOutputItem(const char* item, const QString& caption, const QString& name) {
  QAction* action = main_.Item(QLatin1String(item));
  action->setText(name.isEmpty() ? caption : caption + QLatin1Char(' ') + ShownAsWritten(name));
  SetItemEnabled(action, !name.isEmpty());
}

void DocumentCommands::GetDGMFile(const QString& deck) {
  DisposeQuorvelWindows(KindDiagram);
  if (!deck.contains(QLatin1Char('.'))) return;
  QString name = ChangeExt(deck, QStringLiteral(".BMP"));
  const bool bitmap = FileExistsUnquoted(name);
  if (!bitmap) name = ChangeExt(deck, QStringLiteral(".WMF"));
  auto* diagram = FileExistsUnquoted(name) ? new TDiagramForm : nullptr;
  if (!diagram || !diagram->Load(name)) {
    delete diagram;
    SetOutputItem("Diagram1", QStringLiteral("Diagram"), QString());
    return;
  }
  QMdiSubWindow* sub = AddChild(diagram);
  sub->resize(400, 300);  // the window's own size, which a metafile keeps
  if (bitmap) {
    // A picture that fits beside the window's origin sizes the window to it.
    const QSize area = main_.MdiArea()->viewport()->size();
    const QSize picture = diagram->Picture().size();
    const QSize frame = sub->size() - sub->contentsRect().size();
    QSize client = sub->contentsRect().size();
    if (sub->x() + picture.width() < area.width()) client.setWidth(picture.width() + 2);
    if (sub->y() + picture.height() < area.height()) client.setHeight(picture.height() + 2);
    sub->resize(client + frame);
  }
  sub->show();
  PlaceChildInArea(sub);
  SetOutputItem("Diagram1", QStringLiteral("Diagram"), ResolveUnquoted(name));
}

void DocumentCommands::GetListingOrLog(const QString& deck, bool show, bool log) {
  const int kind = log ? KindLog : KindListing;
  DisposeQuorvelWindows(kind);
  const QString name = WithoutLastExt(deck) + (log ? QStringLiteral(".log") : QStringLiteral(".LST"));
  const QString ownExt = deck.mid(WithoutLastExt(deck).size()).toUpper();
  const char* item = log ? "Log1" : "Listing1";
  const QString caption = log ? QStringLiteral("Log") : QStringLiteral("Listing");
  if (!FileExistsUnquoted(name) || ownExt == QLatin1String(".PZX")) {
    SetOutputItem(item, caption, QString());
    return;
  }
  if (show) ShowViewer(name, kind);
  SetOutputItem(item, caption, ResolveUnquoted(name));
}

void DocumentCommands::GetLSTFile(const QString& deck, bool show) { GetListingOrLog(deck, show, false); }

void DocumentCommands::GetLOGFile(const QString& deck, bool show) { GetListingOrLog(deck, show, true); }

void DocumentCommands::GetPLTFile(const QString& deck, bool show) {
  DisposeQuorvelWindows(KindPlot);
  const QString name = ChangeExt(deck, QStringLiteral(".PLT"));
  main_.PltFileName = FileExistsUnquoted(name) ? name : QString();
  if (show && !main_.PltFileName.isEmpty()) ShowViewer(name, KindListing);
}

void DocumentCommands::GetTBLFile(const QString& deck, bool show) {
  const bool given = show && ExtensionKey(deck) == QLatin1String(".TBL");
  const QString name = given ? deck : ChangeExt(deck, QStringLiteral(".TBL"));
  if (!show || !FileExistsUnquoted(name)) DisposeQuorvelWindows(KindTable);
  if (!FileExistsUnquoted(name)) {
    SetOutputItem("Table1", QStringLiteral("Table"), QString());
    return;
  }
  // A refused table file leaves the open table and its item as they were.
  if (show && main_.OpenTableWindow && !main_.OpenTableWindow(name)) return;
  SetOutputItem("Table1", QStringLiteral("Table"), name);
}

bool DocumentCommands::OpenTableFile(const QString& file) {
  TableModel table;
  QString message;
  if (!ReadTableFile(file, &table, &message)) {
    ShowMessageKind(message, 0, true);
    return false;
  }
  DisposeQuorvelWindows(KindTable);
  // A table that chose to stay open (Cancel) keeps its place.
  if (main_.TableForm) return false;
  table.TableFileName = file;
  const TableDeck deck = ReadTableDeck(table);
  if (!deck.found) ShowMessageKind(deck.message, 1, true);
  table.Changed = false;
  const QSize area = main_.MdiArea()->viewport()->size();
  const QSize client = TTableForm::RestoredClientSize(table, area);
  auto* window = new TTableForm(std::move(table));
  window->resize(client);
  ShowTableWindow(window);
  return true;
}

void DocumentCommands::ShowTableWindow(TTableForm* window) {
  const QList<QMdiSubWindow*> before = main_.MdiArea()->subWindowList(QMdiArea::CreationOrder);
  const QSize client = window->size();
  QMdiSubWindow* sub = AddChild(window);
  QPoint at(10, 20);
  if (!before.isEmpty()) at = before.first()->pos() + QPoint(24, 24);
  sub->move(at);
  sub->show();
  // The window stays inside the main window, its frame counted.
  const QMargins frame = sub->contentsMargins();
  const QSize area = main_.MdiArea()->viewport()->size();
  const QSize room(area.width() - at.x() - frame.left() - frame.right(),
                   area.height() - at.y() - frame.top() - frame.bottom());
  window->FormResize(client.boundedTo(room).expandedTo(QSize(100, 100)));
  main_.TableForm = window;
  SetOutputItem("Table1", QStringLiteral("Table"), window->Table().TableFileName);
}

void DocumentCommands::GetOUTFile(const QString&) const {}

}  // namespace pm
