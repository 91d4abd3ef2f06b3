#include "tables/ui/tableform.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "tables/tableclip.h"
#include "tables/tabledeck.h"
#include "tables/tablefile.h"
#include "tables/tableprint.h"
#include "tables/ui/tablegrid.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace pm {

namespace {

std::int16_t Saturated(int v) {
  return static_cast<std::int16_t>(
      std::clamp<int>(v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

constexpr int kMinClient = 100;

}  // namespace

TTableForm::TTableForm(TableModel table, QWidget* parent) : QWidget(parent), table_(std::move(table)) {
  SetChildKind(this, KindTable);
  table_.FirstRun = 1;
  table_.LastRun = table_.RunCount();
  setAttribute(Qt::WA_DeleteOnClose);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);
  model_ = new TableGridModel(table_, this);
  grid_ = new TableGridView(this);
  grid_->setObjectName(QStringLiteral("Grid"));
  grid_->setModel(model_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_);
  FitColumnsToNames();
  SetTableFileName(table_.TableFileName);
}

TTableForm::~TTableForm() = default;

QMdiSubWindow* TTableForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void TTableForm::SetTableFileName(const QString& name) {
  table_.TableFileName = name;
  setWindowTitle(name);
  setWindowFilePath(name);
}

// A name wider than the default column widens its column; nothing else is
// measured, so a big table opens as fast as a small one.
void TTableForm::FitColumnsToNames() {
  const QFontMetrics metrics(TableHeaderFont(10));
  for (int c = 1; c <= table_.VarCount(); ++c) {
    const int need = metrics.horizontalAdvance(table_.GetS(c, 0)) + 8;
    grid_->setColumnWidth(c - 1, std::max(kDefaultColWidth, need));
  }
}

void TTableForm::TableReshaped() {
  model_->Reshape();
  FitColumnsToNames();
  FormResize();
}

CellRange TTableForm::Selection() const {
  const QItemSelection selection = grid_->selectionModel()->selection();
  CellRange range;
  for (const QItemSelectionRange& r : selection) {
    const CellRange part{r.top() + 1, r.left() + 1, r.bottom() + 1, r.right() + 1};
    if (range.isEmpty()) {
      range = part;
      continue;
    }
    range.top = std::min(range.top, part.top);
    range.left = std::min(range.left, part.left);
    range.bottom = std::max(range.bottom, part.bottom);
    range.right = std::max(range.right, part.right);
  }
  if (range.isEmpty()) {
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) range = {current.row() + 1, current.column() + 1, current.row() + 1, current.column() + 1};
  }
  return range;
}

void TTableForm::CopytoClip() {
  const CellRange selection = Selection();
  if (selection.isEmpty()) return;
  QGuiApplication::clipboard()->setText(CopyText(table_, selection));
}

void TTableForm::Paste() {
  const QModelIndex current = grid_->currentIndex();
  const int col = current.isValid() ? current.column() + 1 : 1;
  const int row = current.isValid() ? current.row() + 1 : 1;
  const QString text = QGuiApplication::clipboard()->text();
  if (text.isEmpty()) return;
  const PasteResult result = PasteText(table_, text, col, row);
  // Repainted also after a bad field, so the grid shows what is stored.
  const CellRange& c = result.changed;
  model_->CellsChanged(c.top, c.left, c.bottom, c.right);
  if (!result.message.isEmpty()) ShowMessageKind(result.message, 0, true);
  grid_->setFocus();
}

void TTableForm::Clear() {
  const CellRange done = table_.Clear(Selection());
  model_->CellsChanged(done.top, done.left, done.bottom, done.right);
}

void TTableForm::Print() { PrintTable(table_, windowTitle()); }

bool TTableForm::SaveTable(const QString& fileName) {
  const QPoint origin = grid_->mapToGlobal(QPoint(0, 0));
  table_.OriginX = Saturated(origin.x());
  table_.OriginY = Saturated(origin.y());
  table_.ClientLeft = 0;
  table_.ClientTop = 0;
  table_.ClientRight = Saturated(width());
  table_.ClientBottom = Saturated(height());
  if (const int err = WriteTableFile(table_, fileName); err != 0) {
    ShowMessageKind(WriteErrorMessage(err, StripQuotes(fileName)), 0, true);
    return false;
  }
  SetTableFileName(fileName);
  table_.Changed = false;
  return true;
}

QSize TTableForm::RestoredClientSize(const TableModel& table, const QSize& area) {
  const int w = int{table.ClientRight} - int{table.ClientLeft};
  const int h = int{table.ClientBottom} - int{table.ClientTop};
  return {std::clamp(w, kMinClient, std::max(kMinClient, area.width())),
          std::clamp(h, kMinClient, std::max(kMinClient, area.height()))};
}

void TTableForm::FormResize(QSize client) {
  if (!client.isValid()) client = size();
  QMdiSubWindow* sub = SubWindow();
  if (sub && (sub->isMaximized() || sub->isMinimized())) return;
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
  const QHeaderView* top = grid_->horizontalHeader();
  const QHeaderView* left = grid_->verticalHeader();
  const int totalW = left->width() + top->length();
  const int totalH = top->height() + left->length();
  bool needV = totalH > client.height();
  const bool needH = totalW > client.width() - (needV ? bar : 0);
  if (needH && !needV) needV = totalH > client.height() - bar;
  const int availW = client.width() - (needV ? bar : 0);
  const int availH = client.height() - (needH ? bar : 0);
  int w = totalW;
  if (needH) {
    // Whole columns, by their real widths, at least one.
    w = left->width();
    for (int c = 0; c < table_.VarCount(); ++c) {
      const int next = w + top->sectionSize(c);
      if (c > 0 && next > availW) break;
      w = next;
    }
  }
  int h = totalH;
  if (needV) h = top->height() + std::max(1, (availH - top->height()) / kDefaultRowHeight) * kDefaultRowHeight;
  grid_->setHorizontalScrollBarPolicy(needH ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(needV ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  const QSize fitted(w + (needV ? bar : 0), h + (needH ? bar : 0));
  fitting_ = true;
  if (sub) {
    const QMargins frame = sub->contentsMargins();
    sub->resize(fitted.width() + frame.left() + frame.right(), fitted.height() + frame.top() + frame.bottom());
  } else {
    resize(fitted);
  }
  fitting_ = false;
}

void TTableForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (fitting_ || !isVisible()) return;
  // Fitted once the user's resize has been laid out.
  QTimer::singleShot(0, this, [this] { FormResize(); });
}

bool TTableForm::FormCloseQuery() {
  if (table_.TableFileName.isEmpty() || !table_.Changed) return true;
  switch (ShowMessageKind(table_.TableFileName + QStringLiteral(" has been changed.  Save it?"), 7, false)) {
    case ModalResult::Yes:
      return SaveTable(table_.TableFileName);
    case ModalResult::No:
      return true;
    default:
      return false;
  }
}

bool TTableForm::CloseAnswered() {
  answered_ = true;
  QMdiSubWindow* sub = SubWindow();
  const bool closed = sub ? sub->close() : close();
  answered_ = false;
  return closed;
}

void TTableForm::closeEvent(QCloseEvent* event) {
  if (!answered_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TTableForm::WriteTableDeck(bool& Failed) {
  TableDeckFailure failure;
  Failed = !WriteTableDecks(table_, &failure);
  if (Failed) ShowMessageKind(failure.Message, failure.Kind, true);
}

}  // namespace pm
