#pragma once

#include <QListWidget>

#include <functional>

namespace pm {

// One list of a two-list chooser: a drop moves the dragged items over by
// the chooser's own rule (OnDrop); the list never takes the drag's data.
class DragList final : public QListWidget {
  Q_OBJECT

 public:
  explicit DragList(QWidget* parent = nullptr);
  std::function<void()> OnDrop;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

// Index of the first selected item, or -1.
int GetFirstSelection(const QListWidget* List);
// Walks from the last item to the first; each selected item goes, with
// its data, to the end of Destination (which sorts it in when sorted).
void MoveSelected(QListWidget* List, QListWidget* Destination);
// Every item, in list order, to the end of Destination.
void MoveAll(QListWidget* List, QListWidget* Destination);

}  // namespace pm
