#include "platform/help.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

#include <string>
#include <vector>

namespace pm {

namespace {

class NoHelp final : public HelpService {
 public:
  bool showPage(const QString&) override { return false; }
};

NoHelp g_noHelp;
HelpService* g_help = &g_noHelp;
QString g_folder;

bool showFile(const QString& relative) {
  if (g_folder.isEmpty() || relative.isEmpty()) return false;
  const QString path = QDir(g_folder).filePath(relative);
  if (!QFileInfo(path).isFile()) return false;
  return g_help->showPage(path);
}

}  // namespace

HelpService& help() { return *g_help; }

HelpService* setHelp(HelpService* service) {
  HelpService* previous = g_help;
  g_help = service ? service : &g_noHelp;
  return previous;
}

void LoadHelpControl(const QString& programFolder) {
  if (!g_folder.isEmpty()) return;
  const QString folder = QDir(programFolder).filePath(QStringLiteral("help"));
  if (QFileInfo(folder).isDir()) g_folder = folder;
}

void UnloadHelpControl() {
  if (!g_folder.isEmpty()) g_help->closeViewer();
  g_folder.clear();
}

QString HelpFolder() { return g_folder; }

QHash<int, QString> ParseContextMap(const QByteArray& bytes) {
  QHash<int, QString> map;
  for (const std::string& line : SplitLines(bytes)) {
    const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    bool ok = false;
    const int id = text.left(eq).trimmed().toInt(&ok);
    const QString page = text.mid(eq + 1).trimmed();
    if (!ok || page.isEmpty() || map.contains(id)) continue;
    map.insert(id, page);
  }
  return map;
}

bool HtmlHelpTopic() { return showFile(QStringLiteral("index.html")); }

bool HtmlHelpContext(int id) {
  if (g_folder.isEmpty()) return false;
  QByteArray bytes;
  if (ReadFileBytes(QDir(g_folder).filePath(QStringLiteral("context.map")), &bytes) != 0) return false;
  return showFile(ParseContextMap(bytes).value(id));
}

void ShowContextHelp(int id, int upperBound) {
  if (id > 0 && id < upperBound && HtmlHelpContext(id)) return;
  HtmlHelpTopic();
}

}  // namespace pm
