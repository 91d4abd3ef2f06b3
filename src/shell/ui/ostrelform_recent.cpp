// The recent-file items of the File menu.
#include "shell/ui/ostrelform.h"

#include "common/globals.h"

#include <QAction>
#include <QMenu>

namespace pm {

namespace {
constexpr char kTagProperty[] = "pelmarkTag";
}  // namespace

void TOSTRELFORM::FixFileNameList() {
  // The fixed items left after pruning; hidden ones count.
  const int base = G().RuntimeMode != 0 ? 8 : 11;
  while (File1->actions().size() > base + 1) {
    QAction* last = File1->actions().constLast();
    File1->removeAction(last);
    delete last;
  }
  if (File1->actions().size() == base) {
    QAction* separator = File1->addSeparator();
    separator->setObjectName(QStringLiteral("RecentSeparator"));
  }
  const int count = RecentFiles.Count();
  for (int k = 0; k < count; ++k) {
    const int index = count - 1 - k;
    const QString path = RecentFiles.At(index);
    auto* item = new QAction(RecentItemCaption(k + 1, path), File1);
    item->setObjectName(QStringLiteral("Recent") + QString::number(k + 1));
    item->setProperty(kTagProperty, index);
    item->setData(path);
    connect(item, &QAction::triggered, this, [this, item] { OpenFileItem(item->property(kTagProperty).toInt()); });
    File1->insertAction(File1->actions().value(base + 1 + k), item);
  }
}

}  // namespace pm
