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

namespace {

// The help of a deck comes as HTML in a folder named like its help file.
QDir Rendition(const QFileInfo& info) { return QDir(ResolvePath(info.dir().filePath(info.completeBaseName()))); }

QString RenditionIndex(const QFileInfo& info) {
  return ResolvePath(Rendition(info).filePath(QStringLiteral("index.html")));
}

bool IsHtmlPage(const QFileInfo& info) { return ExtensionKey(info.fileName()) == QLatin1String(".HTM"); }

}  // namespace

bool AreaHelpExists(const QString& file) {
  if (StripQuotes(file).isEmpty()) return false;
  const QFileInfo info(ResolveUnquoted(file));
  return info.isFile() || QFileInfo(RenditionIndex(info)).isFile();
}

bool OpenAreaHelp(const QString& file, int context) {
  const QFileInfo info(ResolveUnquoted(file));
  if (IsHtmlPage(info) && info.isFile()) return help().showPage(info.absoluteFilePath());
  const QDir rendition = Rendition(info);
  const QString index = RenditionIndex(info);
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
