#include "common/ui/draglist.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace pm {

DragList::DragList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
}

void DragList::dragEnterEvent(QDragEnterEvent* event) { event->acceptProposedAction(); }

void DragList::dragMoveEvent(QDragMoveEvent* event) { event->acceptProposedAction(); }

void DragList::dropEvent(QDropEvent* event) {
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (OnDrop) OnDrop();
}

int GetFirstSelection(const QListWidget* List) {
  for (int i = 0; i < List->count(); ++i) {
    if (List->item(i)->isSelected()) return i;
  }
  return -1;
}

void MoveSelected(QListWidget* List, QListWidget* Destination) {
  for (int i = List->count() - 1; i >= 0; --i) {
    if (!List->item(i)->isSelected()) continue;
    QListWidgetItem* item = List->takeItem(i);
    item->setSelected(false);
    Destination->addItem(item);
  }
}

void MoveAll(QListWidget* List, QListWidget* Destination) {
  while (List->count() > 0) {
    QListWidgetItem* item = List->takeItem(0);
    item->setSelected(false);
    Destination->addItem(item);
  }
}

}  // namespace pm
