#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

namespace pm {

class TableModel;

// The grid's view of a table: model row r - 1 is run r, model column c - 1
// is grid column c, so only cells with row and column 1 or more exist.
class TableGridModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TableGridModel(TableModel& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // After the table changed shape or was replaced.
  void Reshape();
  // After the values of grid cells (rows and columns from 1) changed.
  void CellsChanged(int top, int left, int bottom, int right);

 private:
  TableModel& table_;
};

// The header row (horizontal): the column number small and green, the
// variable name centred below it; a click beeps. Column 0 (vertical): the
// run numbers. Neither selects anything.
class TableHeader final : public QHeaderView {
  Q_OBJECT

 public:
  TableHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The cell editor opens with the cell's full text and stores only a text
// the user changed.
class TableCellDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The grid: Enter moves one run down, also out of the editor.
class TableGridView final : public QTableView {
  Q_OBJECT

 public:
  explicit TableGridView(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  void MoveDown();
};

// Arial (a metric-compatible sans) at a point size, as the header draws it.
QFont TableHeaderFont(int points);

// Pixel sizes of the grid, device-independent.
inline constexpr int kDefaultColWidth = 90;
inline constexpr int kDefaultRowHeight = 20;
inline constexpr int kHeaderRowHeight = 30;
inline constexpr int kRunColumnWidth = 45;

}  // namespace pm
