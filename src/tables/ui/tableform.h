#pragma once

#include "tables/tablemodel.h"

#include <QWidget>

class QCloseEvent;
class QMdiSubWindow;

namespace pm {

class TableGridModel;
class TableGridView;

// The one table window (kind 5000): a grid of runs by variables over a
// TableModel it owns. Its caption and window file are TableFileName.
class TTableForm final : public QWidget {
  Q_OBJECT

 public:
  // Takes the table read or made by the caller.
  explicit TTableForm(TableModel table, QWidget* parent = nullptr);
  ~TTableForm() override;

  TableModel& Table() { return table_; }
  const TableModel& Table() const { return table_; }
  TableGridView* Grid() const { return grid_; }
  TableGridModel* GridModel() const { return model_; }
  QMdiSubWindow* SubWindow() const;

  QString GetS(int c, int r) const { return table_.GetS(c, r); }
  // The grid's selection as grid rows and columns (from 1); empty when none.
  CellRange Selection() const;

  // Edit commands: Copy is CopytoClip, Cut CopytoClip then Clear.
  void CopytoClip();
  void Paste();
  void Clear();
  // Prints into the running print job at CurrentY.
  void Print();

  // Writes the table under fileName; it then is TableFileName and the
  // caption. A failure shows its message and keeps Changed; false then.
  bool SaveTable(const QString& fileName);
  // The caption and window file follow TableFileName.
  void SetTableFileName(const QString& name);

  // Fits the window to whole columns and runs, as large as the client size
  // it has (or `client` when given), with scroll bars only where needed.
  void FormResize(QSize client = {});
  // The client size the file stored, clamped to 100 px and to `area`.
  static QSize RestoredClientSize(const TableModel& table, const QSize& area);

  // True when the window may close; Yes saves first.
  bool FormCloseQuery();
  // Closes without a second question. True when the window closed.
  bool CloseAnswered();

  // Writes the per-run decks of the table (WriteTableDecks); a refusal shows
  // its message and sets Failed.
  void WriteTableDeck(bool& Failed);

  // After the table changed shape or was replaced as a whole.
  void TableReshaped();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitColumnsToNames();

  TableModel table_;
  TableGridModel* model_ = nullptr;
  TableGridView* grid_ = nullptr;
  bool answered_ = false;
  bool fitting_ = false;
};

}  // namespace pm
