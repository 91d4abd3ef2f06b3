#pragma once

#include "common/binaryfields.h"
#include "common/colors.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace pm {

// The program-wide settings. Strings hold at most 255 Windows-1252 bytes in
// the file; CheckSettingsText tells whether a text fits.
struct DefaultSettingsRecord {
  // Part 1
  std::int32_t UnitSystem = 0;  // 1 primary (SI) units, 2 secondary (inch-pound)
  std::int32_t IncludeHeader = 0;
  std::int32_t IncludeSimulationCard = 0;
  RawBytes<3> Reserved12{};     // OK stores 1, 0, 0
  std::uint8_t SaveDeckNames = 0;  // non-zero: keep the per-run decks of a table run
  std::int16_t SourceFontSize = 0;  // below 1 means 10
  std::int16_t SourceFontIndex = 0;  // FontNameByIndex
  // Part 2
  QString CompileCommand;
  QString RebuildCommand;
  std::array<RawBytes<256>, 7> ReservedCommands{};
  // Part 3
  QString EngineFolder;  // no trailing separator
  Array1<QString, 5> ToolPaths;  // folders of the five outside tools
  RawBytes<256> Reserved1536{};
  std::int32_t AppLinkCount = 5;
  Array1<QString, 5> AppLinkPaths;  // the program only; its bitmap is in LinkButtonBitmaps
  Array1<ColorValue, 4> EditorColors;
  Array1<std::int32_t, 4> EditorStyles;  // 0 Normal, 1 Bold, 2 Italic, 3 Underline
  RawBytes<8> Reserved3108{};
  RawBytes<10> Reserved3116{};
  RawBytes<2> Reserved3126{};

  friend bool operator==(const DefaultSettingsRecord&, const DefaultSettingsRecord&) = default;
};

// The bitmap file chosen for the button of application link k. Kept beside
// the record; in the file it rides on the link entry after a character 1.
using LinkBitmapNames = Array1<QString, 5>;

// The program's settings and link bitmaps; they live for the whole run.
DefaultSettingsRecord& DefaultSettings();
LinkBitmapNames& LinkButtonBitmaps();

// Sizes of the file "Mivaro.DFT": three parts, then an optional tail.
inline constexpr int kSettingsPart1Size = 20;
inline constexpr int kSettingsPart2Size = 2304;
inline constexpr int kSettingsPart3Size = 3128;
inline constexpr int kSettingsFileSize = kSettingsPart1Size + kSettingsPart2Size + kSettingsPart3Size;
inline constexpr int kSettingsStringCapacity = 255;
inline constexpr char kLinkBitmapSeparator = '\x01';

enum class TextFit {
  Fits,
  TooLong,      // more than 255 bytes
  NotStorable,  // a character without a Windows-1252 byte
};

// Whether a text fits a settings string field.
TextFit CheckSettingsText(const QString& text);
// Whether link entry path (+ character 1 + bitmap when a bitmap is named)
// fits. A path that holds a character 1 itself cannot be told apart from
// its bitmap and is NotStorable.
TextFit CheckLinkEntry(const QString& path, const QString& bitmap);
// The name of the first field that does not fit ("AppLinkPaths[2]"), or
// an empty text when everything fits.
QString FirstUnfitSettingsField(const DefaultSettingsRecord& settings, const LinkBitmapNames& bitmaps);

// The file's bytes (exactly kSettingsFileSize, no tail). Returns false and
// names the field in *unfitField when a value does not fit; nothing is cut.
bool EncodeSettings(const DefaultSettingsRecord& settings, const LinkBitmapNames& bitmaps,
                    QByteArray* bytes, QString* unfitField = nullptr);

// Reads as far as the bytes go: a field that is not wholly present stays
// zero or empty. Link entries are split into path and bitmap name (the name
// is kept even when its file is missing). A tail after the three parts
// replaces links 1..n; there a bitmap is kept only when its file exists.
// AppLinkCount is 5 afterwards. Starts from a zeroed record.
void DecodeSettings(const QByteArray& bytes, DefaultSettingsRecord* settings, LinkBitmapNames* bitmaps);

// The optional tail that may follow the three parts. This program never
// writes one; the settings-file maker does, for tests. Count is written as
// given, whatever the number of records.
struct SettingsTail {
  std::int32_t Count = 0;
  std::vector<QString> Records;  // path, optionally character 1 and a bitmap name
  RawBytes<8> Reserved3108{};
  RawBytes<10> Reserved3116{};
};
bool EncodeSettingsTail(const SettingsTail& tail, QByteArray* bytes, QString* unfitField = nullptr);

// ProgramFolder + "/Mivaro.DFT", resolved without regard to case when such a
// file exists.
QString SettingsFilePath(const QString& programFolder);

// Writes atomically. Returns 0, an errno, or EINVAL when a value does not fit.
int WriteSettingsFile(const QString& path, const DefaultSettingsRecord& settings,
                      const LinkBitmapNames& bitmaps);

// Reads a settings file leniently (see DecodeSettings). Returns 0 or the
// errno of the failed step; on failure the record is zeroed.
int ReadSettingsFile(const QString& path, DefaultSettingsRecord* settings, LinkBitmapNames* bitmaps);

// Start-up reading of the settings. When the file is missing it shows "Please
// copy the Mivaro.DFT file into the <folder> directory." (error, with beep)
// and returns false: the program must end without showing a window. An
// unreadable or short file is read as far as it goes, without a message.
// UnitSystem is 2 afterwards, whatever the file held.
bool ReadDFT(const QString& programFolder, DefaultSettingsRecord* settings, LinkBitmapNames* bitmaps);
// The same into DefaultSettings() and LinkButtonBitmaps().
bool ReadDFT(const QString& programFolder);

}  // namespace pm
