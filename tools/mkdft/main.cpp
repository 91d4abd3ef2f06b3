// Writes a settings file from options, so that tests and the demo program
// folder get one without the Setup dialog. Also writes the optional tail
// that only older files carry, for reader tests.

#include "common/colors.h"
#include "common/settings.h"
#include "platform/textfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

using namespace pm;

void Fail(const QString& text) {
  std::fprintf(stderr, "mkdft: %s\n", qPrintable(text));
  std::exit(1);
}

int ToInt(const QString& text, const QString& option) {
  bool ok = false;
  const int v = text.toInt(&ok, 0);
  if (!ok) Fail(QStringLiteral("--") + option + QStringLiteral(": not an integer: ") + text);
  return v;
}

// "K=VALUE" with K in 1..n.
int SplitIndexed(const QString& text, const QString& option, int n, QString* value) {
  const qsizetype eq = text.indexOf(QLatin1Char('='));
  if (eq < 1) Fail(QStringLiteral("--") + option + QStringLiteral(" wants K=VALUE: ") + text);
  const int k = ToInt(text.left(eq), option);
  if (k < 1 || k > n) Fail(QStringLiteral("--") + option + QStringLiteral(": index out of 1..") + QString::number(n));
  *value = text.mid(eq + 1);
  return k;
}

ColorValue ToColor(const QString& text) {
  ColorValue colour = 0;
  const std::string s = text.toStdString();
  const RgbResult r = ParseColorText(s, &colour);
  if (r == RgbResult::Ok) return colour;
  if (r == RgbResult::Malformed) Fail(QStringLiteral("--color: malformed colour ") + text);
  bool ok = false;
  const uint v = text.toUInt(&ok, 0);
  if (!ok) Fail(QStringLiteral("--color: not a colour: ") + text);
  return v;
}

// A new file's values where no option names them.
DefaultSettingsRecord Defaults() {
  DefaultSettingsRecord s;
  s.UnitSystem = 2;
  s.IncludeHeader = 1;
  s.IncludeSimulationCard = 1;
  s.Reserved12 = {1, 0, 0};
  s.SourceFontSize = 10;
  s.SourceFontIndex = 1;
  s.EditorColors[1] = 0x800000;  // navy
  s.EditorColors[2] = 0x808080;  // gray
  s.EditorColors[3] = 0x008000;  // green
  s.EditorColors[4] = 0xFF0000;  // blue
  s.EditorStyles[4] = 1;
  return s;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Writes a Pelmark settings file (Mivaro.DFT)."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the settings file to write"));
  const auto value = [&](const char* name, const char* help, const char* arg = "value") {
    QCommandLineOption option{QString(QLatin1String(name)), QString(QLatin1String(help)), QString(QLatin1String(arg))};
    parser.addOption(option);
    return option;
  };
  const auto oEngine = value("engine-folder", "folder of the engine", "dir");
  const auto oTool = value("tool", "folder of outside tool K (1..5)", "K=dir");
  const auto oUnits = value("units", "unit system: 1 primary, 2 secondary (default 2)", "n");
  const auto oCompile = value("compile", "compile command line", "cmd");
  const auto oRebuild = value("rebuild", "rebuild command line", "cmd");
  const auto oHeader = value("include-header", "deck maker includes the header file: 0 or 1 (default 1)", "n");
  const auto oSimCard = value("include-simulation-card", "deck maker writes its simulation card: 0 or 1 (default 1)", "n");
  const auto oSaveNames = value("save-deck-names", "keep the per-run decks of a table run: 0 or 1 (default 0)", "n");
  const auto oFontSize = value("font-size", "Source view font size (default 10)", "n");
  const auto oFontIndex = value("font-index", "Source view font 0..4 (default 1, Courier New)", "n");
  const auto oLink = value("link", "program of application link K (1..5)", "K=path");
  const auto oBitmap = value("link-bitmap", "button bitmap of application link K (1..5)", "K=file");
  const auto oColor = value("color", "Source view colour K (1..4): a colour word, RGB(r,g,b) or a number", "K=colour");
  const auto oStyle = value("style", "Source view style K (1..4): 0 Normal, 1 Bold, 2 Italic, 3 Underline", "K=n");
  const auto oTailLink = value("tail-link", "a tail record after the file: path, optionally |bitmap", "text");
  const auto oTailCount = value("tail-count", "the tail's count (default: the number of --tail-link)", "n");
  const QCommandLineOption oIfMissing(QStringLiteral("if-missing"), QStringLiteral("write only when the file does not exist"));
  parser.addOption(oIfMissing);
  const QCommandLineOption oIfEngineMissing(
      QStringLiteral("if-engine-missing"),
      QStringLiteral("with an existing file whose engine folder exists, write nothing; with one whose engine "
                     "folder is missing, set only its engine folder (from --engine-folder)"));
  parser.addOption(oIfEngineMissing);
  parser.process(app);

  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) Fail(QStringLiteral("give exactly one file to write"));
  const QString path = files.front();
  if (parser.isSet(oIfMissing) && QFileInfo::exists(path)) return 0;
  if (parser.isSet(oIfEngineMissing) && QFileInfo::exists(path)) {
    DefaultSettingsRecord kept;
    LinkBitmapNames keptBitmaps;
    if (ReadSettingsFile(path, &kept, &keptBitmaps) == 0 && QFileInfo(kept.EngineFolder).isDir()) return 0;
    kept.EngineFolder = parser.value(oEngine);
    const int err = WriteSettingsFile(path, kept, keptBitmaps);
    if (err != 0) {
      std::fprintf(stderr, "mkdft: error %d writing %s\n", err, qPrintable(path));
      return 2;
    }
    return 0;
  }

  DefaultSettingsRecord s = Defaults();
  LinkBitmapNames bitmaps;
  QString text;
  if (parser.isSet(oEngine)) s.EngineFolder = parser.value(oEngine);
  for (const QString& v : parser.values(oTool)) {
    const int k = SplitIndexed(v, QStringLiteral("tool"), 5, &text);
    s.ToolPaths[k] = text;
  }
  if (parser.isSet(oUnits)) s.UnitSystem = ToInt(parser.value(oUnits), QStringLiteral("units"));
  if (parser.isSet(oCompile)) s.CompileCommand = parser.value(oCompile);
  if (parser.isSet(oRebuild)) s.RebuildCommand = parser.value(oRebuild);
  if (parser.isSet(oHeader)) s.IncludeHeader = ToInt(parser.value(oHeader), QStringLiteral("include-header"));
  if (parser.isSet(oSimCard))
    s.IncludeSimulationCard = ToInt(parser.value(oSimCard), QStringLiteral("include-simulation-card"));
  if (parser.isSet(oSaveNames))
    s.SaveDeckNames = static_cast<std::uint8_t>(ToInt(parser.value(oSaveNames), QStringLiteral("save-deck-names")));
  if (parser.isSet(oFontSize))
    s.SourceFontSize = static_cast<std::int16_t>(ToInt(parser.value(oFontSize), QStringLiteral("font-size")));
  if (parser.isSet(oFontIndex))
    s.SourceFontIndex = static_cast<std::int16_t>(ToInt(parser.value(oFontIndex), QStringLiteral("font-index")));
  for (const QString& v : parser.values(oLink)) {
    const int k = SplitIndexed(v, QStringLiteral("link"), 5, &text);
    s.AppLinkPaths[k] = text;
  }
  for (const QString& v : parser.values(oBitmap)) {
    const int k = SplitIndexed(v, QStringLiteral("link-bitmap"), 5, &text);
    bitmaps[k] = text;
  }
  for (const QString& v : parser.values(oColor)) {
    const int k = SplitIndexed(v, QStringLiteral("color"), 4, &text);
    s.EditorColors[k] = ToColor(text);
  }
  for (const QString& v : parser.values(oStyle)) {
    const int k = SplitIndexed(v, QStringLiteral("style"), 4, &text);
    s.EditorStyles[k] = ToInt(text, QStringLiteral("style"));
  }

  QByteArray bytes;
  QString unfit;
  if (!EncodeSettings(s, bitmaps, &bytes, &unfit)) Fail(unfit + QStringLiteral(" does not fit the settings file"));

  const QStringList tailLinks = parser.values(oTailLink);
  if (!tailLinks.isEmpty() || parser.isSet(oTailCount)) {
    SettingsTail tail;
    for (const QString& v : tailLinks) {
      QString record = v;
      const qsizetype bar = record.indexOf(QLatin1Char('|'));
      if (bar >= 0) record[bar] = QLatin1Char(kLinkBitmapSeparator);
      tail.Records.push_back(record);
    }
    tail.Count = parser.isSet(oTailCount) ? ToInt(parser.value(oTailCount), QStringLiteral("tail-count"))
                                          : static_cast<std::int32_t>(tail.Records.size());
    QByteArray tailBytes;
    if (!EncodeSettingsTail(tail, &tailBytes, &unfit)) Fail(unfit + QStringLiteral(" does not fit the settings file"));
    bytes.append(tailBytes);
  }

  const int err = WriteFileAtomic(path, bytes);
  if (err != 0) {
    std::fprintf(stderr, "mkdft: error %d writing %s\n", err, qPrintable(path));
    return 2;
  }
  return 0;
}
