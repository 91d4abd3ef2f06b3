#include "shell/optimization.h"

#include <string>
#include <vector>

#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

RunDeckResult MakeOptimizationDeck(const QString& deck) { return MakeRunDeck(deck, "*#1", "*#2"); }

QString RunDeckNameOf(const QString& deck) {
  std::vector<std::string> lines;
  if (ReadTextLines(ResolveUnquoted(deck), &lines) != 0) return {};
  return FromCp1252(RunDeckName(lines));
}

QString ConfigurationWord(const QString& fileText, const QStringList& words) {
  const QString upper = fileText.toUpper();
  for (const QString& word : words)
    if (upper.contains(word)) return word;
  return {};
}

const QStringList& OptimizationWords() {
  static const QStringList words = {
      QStringLiteral("GHX"),   QStringLiteral("HYBRID"), QStringLiteral("HYBRE"), QStringLiteral("CONV"),
      QStringLiteral("CODFC"), QStringLiteral("HYDFC"),  QStringLiteral("HYSOL"), QStringLiteral("HYBOI")};
  return words;
}

QString OptimizerCommandFile(const QString& word) {
  if (word == QLatin1String("GHX")) return QStringLiteral("Optimize_GHX.dat");
  if (word == QLatin1String("HYBRID") || word == QLatin1String("HYBRE"))
    return QStringLiteral("Optimize_Hybrid.dat");
  if (word == QLatin1String("CONV")) return QStringLiteral("Optimize_Conv.dat");
  if (word == QLatin1String("CODFC")) return QStringLiteral("Optimize_CODFC.dat");
  if (word == QLatin1String("HYDFC")) return QStringLiteral("Optimize_HYDFC.dat");
  if (word == QLatin1String("HYSOL")) return QStringLiteral("Optimize_HYSOL.dat");
  if (word == QLatin1String("HYBOI")) return QStringLiteral("Optimize_HYBOI.dat");
  return {};
}

QString OptimizerCommandPath(const QString& programFolder, const QString& commandFile) {
  return programFolder + QLatin1Char('/') + commandFile;
}

QString OptimizerCommandLine(const QString& programFolder, const QString& commandFile) {
  std::vector<std::string> lines;
  if (ReadTextLines(ResolvePath(OptimizerCommandPath(programFolder, commandFile)), &lines) != 0 ||
      lines.empty())
    return {};
  return FromCp1252(lines.front());
}

QString OptimizationResultsFile(const QString& runTarget) {
  if (runTarget.size() < 5) return {};
  QString base = runTarget.left(runTarget.size() - 4);
  base[base.size() - 1] = QLatin1Char('2');
  return base + QStringLiteral("-RESULTS.TXT");
}

QString OptavinFailureMessage(int exitCode, int signal, const QByteArray& errorOutput) {
  // A death by a signal is counted as the shells count it.
  const int status = signal != 0 ? 128 + signal : exitCode;
  QString text = QStringLiteral("Optavin ended with exit status ") + QString::number(status) +
                 QStringLiteral("; the optimization's report is not shown.");
  const QList<QByteArray> lines = errorOutput.split('\n');
  for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
    const QByteArray why = line->trimmed();
    if (why.isEmpty()) continue;
    text += QLatin1Char('\n') + QString::fromLocal8Bit(why);
    break;
  }
  return text;
}

}  // namespace pm
