#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "common/lib1.h"
#include "formdeck/ui/myimage.h"
#include "platform/help.h"
#include "platform/openaction.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

bool OpenAreaHelp(const QString& file, int context) {
  const QFileInfo info(ResolveUnquoted(file));
  // The help of a deck comes as HTML in a folder named like its help file.
  const QDir rendition(ResolvePath(info.dir().filePath(info.completeBaseName())));
  const QString index = ResolvePath(rendition.filePath(QStringLiteral("index.html")));
  if (!QFileInfo(index).isFile()) return openAction().open(QUrl::fromLocalFile(info.absoluteFilePath()));
  QByteArray map;
  if (ReadFileBytes(ResolvePath(rendition.filePath(QStringLiteral("context.map"))), &map) == 0) {
    const QString page = ParseContextMap(map).value(context);
    const QString target = page.isEmpty() ? QString() : ResolvePath(rendition.filePath(page));
    if (!target.isEmpty() && QFileInfo(target).isFile() && help().showPage(target)) return true;
  }
  // No page for that context: the help file's main topic.
  return help().showPage(index);
}

}  // namespace pm
