#include "shell/runconfiguration.h"

namespace pm {

QString RunDeckAsWritten(const QString& runTarget, const QString& runFolder) {
  if (runFolder.isEmpty()) return runTarget;
  QString folder = runFolder;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return runTarget.startsWith(folder) ? runTarget.mid(folder.size()) : runTarget;
}

QString ConfigurationWord(const QString& name, std::initializer_list<const char*> words) {
  const QString upper = name.toUpper();
  for (const char* word : words) {
    const QString w = QLatin1String(word);
    if (upper.contains(w)) return w;
  }
  return QString();
}

}  // namespace pm
