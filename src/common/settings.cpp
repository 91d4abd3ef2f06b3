#include "common/settings.h"

#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <string>

namespace pm {

namespace {

constexpr int kPart2 = kSettingsPart1Size;
constexpr int kPart3 = kPart2 + kSettingsPart2Size;
constexpr int kStringSize = kSettingsStringCapacity + 1;
constexpr int kTailRecordSize = kStringSize;
constexpr int kMaxTailRecords = 5;

// Offsets inside part 3.
constexpr int kEngineFolderAt = 0;
constexpr int kToolPathsAt = 256;
constexpr int kReserved1536At = 1536;
constexpr int kAppLinkCountAt = 1792;
constexpr int kAppLinkPathsAt = 1796;
constexpr int kEditorColorsAt = 3076;
constexpr int kEditorStylesAt = 3092;
constexpr int kReserved3108At = 3108;
constexpr int kReserved3116At = 3116;
constexpr int kReserved3126At = 3126;

static_assert(kReserved3126At + 2 == kSettingsPart3Size);
static_assert(kSettingsFileSize == 5452);

QString JoinLinkEntry(const QString& path, const QString& bitmap) {
  if (bitmap.isEmpty()) return path;
  return path + QLatin1Char(kLinkBitmapSeparator) + bitmap;
}

// Path and bitmap name of an entry; the name is empty without a separator.
void SplitLinkEntry(const QString& entry, QString* path, QString* bitmap) {
  const qsizetype at = entry.indexOf(QLatin1Char(kLinkBitmapSeparator));
  if (at < 0) {
    *path = entry;
    bitmap->clear();
    return;
  }
  *path = entry.left(at);
  *bitmap = entry.mid(at + 1);
}

void ReadTail(const Reader& in, DefaultSettingsRecord* s, LinkBitmapNames* bitmaps) {
  qint64 at = kSettingsFileSize;
  if (!in.has(at, 4)) return;
  std::int32_t n = 0;
  in.integer(at, &n);
  at += 4;
  const int count = std::clamp<std::int32_t>(n, 0, kMaxTailRecords);
  for (int k = 1; k <= count; ++k) {
    const qint64 recordAt = at + qint64{k - 1} * kTailRecordSize;
    if (!in.has(recordAt, kTailRecordSize)) break;
    QString entry;
    in.string(recordAt, &entry);
    QString bitmap;
    SplitLinkEntry(entry, &s->AppLinkPaths[k], &bitmap);
    (*bitmaps)[k] = FileExistsUnquoted(bitmap) ? bitmap : QString();
  }
  // Records past the fifth are skipped; the reserved blocks follow all n.
  at += qint64{std::max<std::int32_t>(n, 0)} * kTailRecordSize;
  if (!in.has(at, 8)) return;
  in.raw(at, &s->Reserved3108);
  in.raw(at + 8, &s->Reserved3116);
}

}  // namespace

void FailSettingsIndex(int k, int n) { qFatal("settings index %d outside 1..%d", k, n); }

DefaultSettingsRecord& DefaultSettings() {
  static DefaultSettingsRecord settings;
  return settings;
}

LinkBitmapNames& LinkButtonBitmaps() {
  static LinkBitmapNames bitmaps;
  return bitmaps;
}

TextFit CheckSettingsText(const QString& text) {
  bool ok = true;
  const std::string bytes = ToCp1252(text, &ok);
  if (!ok) return TextFit::NotStorable;
  return bytes.size() > static_cast<size_t>(kSettingsStringCapacity) ? TextFit::TooLong : TextFit::Fits;
}

TextFit CheckLinkEntry(const QString& path, const QString& bitmap) {
  if (path.contains(QLatin1Char(kLinkBitmapSeparator))) return TextFit::NotStorable;
  return CheckSettingsText(JoinLinkEntry(path, bitmap));
}

QString FirstUnfitSettingsField(const DefaultSettingsRecord& s, const LinkBitmapNames& bitmaps) {
  const auto indexed = [](const char* name, int k) {
    return QLatin1String(name) + QLatin1Char('[') + QString::number(k) + QLatin1Char(']');
  };
  if (CheckSettingsText(s.CompileCommand) != TextFit::Fits) return QStringLiteral("CompileCommand");
  if (CheckSettingsText(s.RebuildCommand) != TextFit::Fits) return QStringLiteral("RebuildCommand");
  if (CheckSettingsText(s.EngineFolder) != TextFit::Fits) return QStringLiteral("EngineFolder");
  for (int k = 1; k <= s.ToolPaths.size(); ++k) {
    if (CheckSettingsText(s.ToolPaths[k]) != TextFit::Fits) return indexed("ToolPaths", k);
  }
  for (int k = 1; k <= s.AppLinkPaths.size(); ++k) {
    if (CheckLinkEntry(s.AppLinkPaths[k], bitmaps[k]) != TextFit::Fits) return indexed("AppLinkPaths", k);
  }
  return {};
}

bool EncodeSettings(const DefaultSettingsRecord& s, const LinkBitmapNames& bitmaps, QByteArray* bytes,
                    QString* unfitField) {
  const QString unfit = FirstUnfitSettingsField(s, bitmaps);
  if (unfitField) *unfitField = unfit;
  if (!unfit.isEmpty()) return false;

  QByteArray out(kSettingsFileSize, '\0');
  Writer w(&out);
  w.int32(0, s.UnitSystem);
  w.int32(4, s.IncludeHeader);
  w.int32(8, s.IncludeSimulationCard);
  w.raw(12, s.Reserved12);
  w.byte(15, s.SaveDeckNames);
  w.int16(16, s.SourceFontSize);
  w.int16(18, s.SourceFontIndex);

  w.string(kPart2, s.CompileCommand);
  w.string(kPart2 + kStringSize, s.RebuildCommand);
  for (size_t i = 0; i < s.ReservedCommands.size(); ++i)
    w.raw(kPart2 + static_cast<int>(2 + i) * kStringSize, s.ReservedCommands[i]);

  w.string(kPart3 + kEngineFolderAt, s.EngineFolder);
  for (int k = 1; k <= 5; ++k) w.string(kPart3 + kToolPathsAt + (k - 1) * kStringSize, s.ToolPaths[k]);
  w.raw(kPart3 + kReserved1536At, s.Reserved1536);
  w.int32(kPart3 + kAppLinkCountAt, 5);
  for (int k = 1; k <= 5; ++k) {
    w.string(kPart3 + kAppLinkPathsAt + (k - 1) * kStringSize, JoinLinkEntry(s.AppLinkPaths[k], bitmaps[k]));
  }
  for (int k = 1; k <= 4; ++k) {
    w.uint32(kPart3 + kEditorColorsAt + (k - 1) * 4, s.EditorColors[k]);
    w.int32(kPart3 + kEditorStylesAt + (k - 1) * 4, s.EditorStyles[k]);
  }
  w.raw(kPart3 + kReserved3108At, s.Reserved3108);
  w.raw(kPart3 + kReserved3116At, s.Reserved3116);
  w.raw(kPart3 + kReserved3126At, s.Reserved3126);
  *bytes = out;
  return true;
}

void DecodeSettings(const QByteArray& bytes, DefaultSettingsRecord* s, LinkBitmapNames* bitmaps) {
  *s = DefaultSettingsRecord{};
  *bitmaps = LinkBitmapNames{};
  const Reader in(bytes);
  in.integer(0, &s->UnitSystem);
  in.integer(4, &s->IncludeHeader);
  in.integer(8, &s->IncludeSimulationCard);
  in.raw(12, &s->Reserved12);
  in.integer(15, &s->SaveDeckNames);
  in.integer(16, &s->SourceFontSize);
  in.integer(18, &s->SourceFontIndex);

  in.string(kPart2, &s->CompileCommand);
  in.string(kPart2 + kStringSize, &s->RebuildCommand);
  for (size_t i = 0; i < s->ReservedCommands.size(); ++i)
    in.raw(kPart2 + static_cast<int>(2 + i) * kStringSize, &s->ReservedCommands[i]);

  in.string(kPart3 + kEngineFolderAt, &s->EngineFolder);
  for (int k = 1; k <= 5; ++k) in.string(kPart3 + kToolPathsAt + (k - 1) * kStringSize, &s->ToolPaths[k]);
  in.raw(kPart3 + kReserved1536At, &s->Reserved1536);
  for (int k = 1; k <= 5; ++k) {
    QString entry;
    in.string(kPart3 + kAppLinkPathsAt + (k - 1) * kStringSize, &entry);
    SplitLinkEntry(entry, &s->AppLinkPaths[k], &(*bitmaps)[k]);
  }
  for (int k = 1; k <= 4; ++k) {
    in.integer(kPart3 + kEditorColorsAt + (k - 1) * 4, &s->EditorColors[k]);
    in.integer(kPart3 + kEditorStylesAt + (k - 1) * 4, &s->EditorStyles[k]);
  }
  in.raw(kPart3 + kReserved3108At, &s->Reserved3108);
  in.raw(kPart3 + kReserved3116At, &s->Reserved3116);
  in.raw(kPart3 + kReserved3126At, &s->Reserved3126);

  ReadTail(in, s, bitmaps);
  s->AppLinkCount = 5;
}

bool EncodeSettingsTail(const SettingsTail& tail, QByteArray* bytes, QString* unfitField) {
  if (unfitField) unfitField->clear();
  for (size_t i = 0; i < tail.Records.size(); ++i) {
    if (CheckSettingsText(tail.Records[i]) != TextFit::Fits) {
      if (unfitField) *unfitField = QStringLiteral("tail record ") + QString::number(i + 1);
      return false;
    }
  }
  const int size = 4 + static_cast<int>(tail.Records.size()) * kTailRecordSize + 8 + 10;
  QByteArray out(size, '\0');
  Writer w(&out);
  w.int32(0, tail.Count);
  int at = 4;
  for (const QString& record : tail.Records) {
    w.string(at, record);
    at += kTailRecordSize;
  }
  w.raw(at, tail.Reserved3108);
  w.raw(at + 8, tail.Reserved3116);
  *bytes = out;
  return true;
}

QString SettingsFilePath(const QString& programFolder) {
  return ResolvePath(programFolder + QStringLiteral("/Mivaro.DFT"));
}

int WriteSettingsFile(const QString& path, const DefaultSettingsRecord& settings, const LinkBitmapNames& bitmaps) {
  QByteArray bytes;
  if (!EncodeSettings(settings, bitmaps, &bytes)) return EINVAL;
  return WriteFileAtomic(path, bytes);
}

int ReadSettingsFile(const QString& path, DefaultSettingsRecord* settings, LinkBitmapNames* bitmaps) {
  QByteArray bytes;
  const int err = ReadFileBytes(path, &bytes);
  if (err != 0) bytes.clear();
  DecodeSettings(bytes, settings, bitmaps);
  return err;
}

bool ReadDFT(const QString& programFolder, DefaultSettingsRecord* settings, LinkBitmapNames* bitmaps) {
  const QString path = SettingsFilePath(programFolder);
  if (!FileExistsUnquoted(path)) {
    ShowMessageKind(QStringLiteral("Please copy the Mivaro.DFT file into the ") + programFolder +
                        QStringLiteral(" directory."),
                    0, true);
    return false;
  }
  // A file that cannot be read counts as a short one: fields zero, no message.
  ReadSettingsFile(path, settings, bitmaps);
  settings->UnitSystem = 2;
  return true;
}

bool ReadDFT(const QString& programFolder) {
  return ReadDFT(programFolder, &DefaultSettings(), &LinkButtonBitmaps());
}

}  // namespace pm
