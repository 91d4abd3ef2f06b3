#include "tables/ui/tablegrid.h"

#include "common/lib1.h"
#include "platform/ui/fonts.h"
#include "tables/tablemodel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace pm {

namespace {

constexpr char kOpenedWith[] = "pelmarkOpenedWith";

}  // namespace

QFont TableHeaderFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  SetPointSizeAt96Dpi(font, points);
  return font;
}

TableGridModel::TableGridModel(TableModel& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int TableGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.RunCount(); }

int TableGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.VarCount();
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return table_.GetS(index.column() + 1, index.row() + 1);
  if (role == Qt::EditRole) return table_.EditText(index.column() + 1, index.row() + 1);
  return {};
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  if (!table_.SetCellText(index.column() + 1, index.row() + 1, value.toString())) return false;
  Q_EMIT dataChanged(index, index);
  return true;
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return table_.GetS(section + 1, 0);
}

void TableGridModel::Reshape() {
  beginResetModel();
  endResetModel();
}

void TableGridModel::CellsChanged(int top, int left, int bottom, int right) {
  if (bottom < top || right < left) return;
  Q_EMIT dataChanged(index(top - 1, left - 1), index(bottom - 1, right - 1), {Qt::DisplayRole});
}

TableHeader::TableHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
  setSectionsClickable(false);
  setHighlightSections(false);
  if (orientation == Qt::Horizontal) {
    setSectionResizeMode(QHeaderView::Interactive);
    setDefaultSectionSize(kDefaultColWidth);
    setFixedHeight(kHeaderRowHeight);
  } else {
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(kDefaultRowHeight);
    setDefaultSectionSize(kDefaultRowHeight);
    setFixedWidth(kRunColumnWidth);
  }
}

void TableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->save();
  painter->fillRect(rect, palette().button());
  painter->setPen(palette().mid().color());
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  const QString number = QString::number(logicalIndex + 1);
  if (orientation() == Qt::Vertical) {
    painter->setPen(Qt::black);
    painter->drawText(rect.x() + 10, rect.y() + 2 + painter->fontMetrics().ascent(), number);
    painter->restore();
    return;
  }
  painter->setFont(TableHeaderFont(6));
  painter->setPen(QColor(0x00, 0x80, 0x00));
  painter->drawText(rect.x() + 2, rect.y() + 2 + painter->fontMetrics().ascent(), number);
  painter->setFont(TableHeaderFont(10));
  painter->setPen(Qt::black);
  const QString name = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
  const int x = std::max((rect.width() - painter->fontMetrics().horizontalAdvance(name)) / 2, 1);
  painter->drawText(rect.x() + x, rect.y() + 10 + painter->fontMetrics().ascent(), name);
  painter->restore();
}

// A click in the header row beeps and does nothing else.
void TableHeader::mousePressEvent(QMouseEvent* event) {
  if (orientation() == Qt::Horizontal) BeepWarning();
  event->accept();
}
void TableHeader::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void TableHeader::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

QWidget* TableCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
  auto* edit = new QLineEdit(parent);
  // A frame would not leave room for the text in a 20-pixel row.
  edit->setFrame(false);
  edit->setTextMargins(1, 0, 0, 0);
  return edit;
}

void TableCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (!edit) return;
  const QString text = index.data(Qt::EditRole).toString();
  edit->setText(text);
  edit->setProperty(kOpenedWith, text);
}

void TableCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (!edit) return;
  // Leaving a cell unchanged stores nothing, so no precision is lost.
  if (edit->text() == edit->property(kOpenedWith).toString()) return;
  model->setData(index, edit->text(), Qt::EditRole);
}

void TableCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const {
  editor->setGeometry(option.rect);
}

void TableCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  if (selected) painter->fillRect(option.rect, option.palette.highlight());
  painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
  const QString text = index.data(Qt::DisplayRole).toString();
  painter->drawText(option.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

TableGridView::TableGridView(QWidget* parent) : QTableView(parent) {
  setHorizontalHeader(new TableHeader(Qt::Horizontal, this));
  setVerticalHeader(new TableHeader(Qt::Vertical, this));
  setItemDelegate(new TableCellDelegate(this));
  setCornerButtonEnabled(false);
  setFrameShape(QFrame::NoFrame);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  QPalette p = palette();
  p.setColor(QPalette::Base, Qt::white);
  setPalette(p);
}

void TableGridView::MoveDown() {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || current.row() + 1 >= model()->rowCount()) return;
  setCurrentIndex(model()->index(current.row() + 1, current.column()));
}

void TableGridView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
    MoveDown();
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void TableGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  QTableView::closeEditor(editor, hint);
  if (hint == QAbstractItemDelegate::SubmitModelCache) MoveDown();
}

}  // namespace pm
