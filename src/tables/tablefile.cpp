#include "tables/tablefile.h"

#include "common/binaryfields.h"
#include "common/deckconstants.h"
#include "common/filenames.h"
#include "platform/extended.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <QStringDecoder>

#include <cerrno>
#include <string>

namespace pm {

namespace {

constexpr int kDeckNameAt = 0;
constexpr int kColCountAt = 256;
constexpr int kRowCountAt = 260;
constexpr int kOriginAt = 264;
constexpr int kRunDecksAt = 276;
constexpr int kRunDeckSlot = kRunDeckNameCapacity + 1;
constexpr int kColumnRecordSize = 60;
constexpr int kValueSize = 10;
constexpr int kEndMarkSize = 2;

// Offsets inside a column record.
constexpr int kColumnNumberAt = 0;
constexpr int kVarNameAt = 6;
constexpr int kFormatKindAt = 44;
constexpr int kFormatDigitsAt = 46;

qint64 ColumnSize(int rowCount) { return kColumnRecordSize + qint64{kValueSize} * rowCount; }

// A path as the file keeps it: file-system bytes.
std::string PathBytes(const QString& path) { return path.toUtf8().toStdString(); }

// Paths are file-system bytes; one that is no UTF-8 came from Windows.
QString PathFromBytes(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return FromCp1252(bytes);
  return text;
}

void PutString(Writer& w, int at, const std::string& bytes) {
  w.byte(at, static_cast<std::uint8_t>(bytes.size()));
  for (size_t i = 0; i < bytes.size(); ++i) w.byte(at + 1 + static_cast<int>(i), static_cast<std::uint8_t>(bytes[i]));
}

// The bytes of a length-prefixed string; false when its length passes the
// capacity.
bool GetString(const QByteArray& bytes, qint64 at, int capacity, std::string* text) {
  const auto length = static_cast<unsigned char>(bytes[at]);
  if (length > capacity) return false;
  text->assign(bytes.constData() + at + 1, length);
  return true;
}

// A run-deck name too long for its slot is kept as its bare file name: run
// decks lie beside the deck.
std::string RunDeckBytes(const QString& name) {
  std::string bytes = PathBytes(name);
  if (static_cast<int>(bytes.size()) <= kRunDeckNameCapacity) return bytes;
  const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
  return PathBytes(name.mid(slash + 1));
}

}  // namespace

qint64 TableFileSize(int rowCount, int colCount) {
  return kRunDecksAt + qint64{kRunDeckSlot} * rowCount + qint64{colCount - 1} * ColumnSize(rowCount) +
         kEndMarkSize;
}

bool DeckNameFits(const QString& path) { return static_cast<int>(PathBytes(path).size()) <= kTableNameCapacity; }

int EncodeTable(const TableModel& table, QByteArray* bytes) {
  const int R = table.RowCount();
  const int C = table.ColCount();
  if (!DeckNameFits(table.DeckFileName)) return EINVAL;
  const std::string deck = PathBytes(table.DeckFileName);
  QByteArray out(static_cast<qsizetype>(TableFileSize(R, C)), '\0');
  Writer w(&out);
  PutString(w, kDeckNameAt, deck);
  w.int32(kColCountAt, C);
  w.int32(kRowCountAt, R);
  const std::int16_t client[6] = {table.OriginX,    table.OriginY,     table.ClientLeft,
                                  table.ClientTop,  table.ClientRight, table.ClientBottom};
  for (int i = 0; i < 6; ++i) w.int16(kOriginAt + 2 * i, client[i]);
  for (int r = 1; r <= R; ++r) {
    const std::string name = RunDeckBytes(table.RunDeckName(r));
    if (static_cast<int>(name.size()) > kRunDeckNameCapacity) return EINVAL;
    PutString(w, kRunDecksAt + (r - 1) * kRunDeckSlot, name);
  }
  qint64 at = kRunDecksAt + qint64{kRunDeckSlot} * R;
  for (const TTableColumn& column : table.TableColumns) {
    if (static_cast<int>(column.VarName.size()) > kVarNameCapacity) return EINVAL;
    const int record = static_cast<int>(at);
    w.int16(record + kColumnNumberAt, column.ColumnNumber);
    PutString(w, record + kVarNameAt, column.VarName);
    w.byte(record + kFormatKindAt, column.Format.Fixed);
    w.int16(record + kFormatDigitsAt, column.Format.Digits);
    // Entry 0 is never used; it is written as 0.
    for (int r = 1; r < R; ++r) {
      const long double v = r < static_cast<int>(column.Values.size()) ? column.Values[static_cast<size_t>(r)]
                                                                        : EnterValueMarker;
      w.raw(record + kColumnRecordSize + r * kValueSize, EncodeExtended(v));
    }
    at += ColumnSize(R);
  }
  *bytes = std::move(out);
  return 0;
}

bool DecodeTable(const QByteArray& bytes, TableModel* table) {
  const Reader in(bytes);
  if (!in.has(0, kRunDecksAt)) return false;
  std::int32_t C = 0;
  std::int32_t R = 0;
  in.integer(kColCountAt, &C);
  in.integer(kRowCountAt, &R);
  if (C < 1 || C > kMaxTableVars + 1 || R < 1 || R > kMaxTableRuns + 1) return false;
  if (bytes.size() < TableFileSize(R, C)) return false;

  TableModel read;
  read.SetRunCount(R - 1);
  std::string text;
  if (!GetString(bytes, kDeckNameAt, kTableNameCapacity, &text)) return false;
  read.DeckFileName = PathFromBytes(text);
  std::int16_t* client[6] = {&read.OriginX,   &read.OriginY,     &read.ClientLeft,
                             &read.ClientTop, &read.ClientRight, &read.ClientBottom};
  for (int i = 0; i < 6; ++i) in.integer(kOriginAt + 2 * i, client[i]);
  for (int r = 1; r <= R; ++r) {
    if (!GetString(bytes, kRunDecksAt + qint64{r - 1} * kRunDeckSlot, kRunDeckNameCapacity, &text)) return false;
    read.SetRunDeckName(r, PathFromBytes(text));
  }
  qint64 at = kRunDecksAt + qint64{kRunDeckSlot} * R;
  read.TableColumns.reserve(static_cast<size_t>(C - 1));
  for (int c = 1; c < C; ++c) {
    TTableColumn column;
    column.ColumnNumber = static_cast<std::int16_t>(c);
    if (!GetString(bytes, at + kVarNameAt, kVarNameCapacity, &column.VarName)) return false;
    column.Format.Fixed = static_cast<std::uint8_t>(bytes[at + kFormatKindAt]);
    in.integer(at + kFormatDigitsAt, &column.Format.Digits);
    column.Values.assign(static_cast<size_t>(R), 0.0L);
    const auto* values = reinterpret_cast<const std::uint8_t*>(bytes.constData() + at + kColumnRecordSize);
    for (int r = 1; r < R; ++r) column.Values[static_cast<size_t>(r)] = DecodeExtended(values + r * kValueSize);
    read.TableColumns.push_back(std::move(column));
    at += ColumnSize(R);
  }
  // The end mark's value is not checked; what follows it is ignored.
  read.TableFileName = table->TableFileName;
  read.Changed = table->Changed;
  *table = std::move(read);
  return true;
}

QString InvalidTableMessage(const QString& name) {
  return QStringLiteral("File ") + name + QStringLiteral(" is not a valid table file.");
}

bool ReadTableFile(const QString& fileName, TableModel* table, QString* message) {
  const QString path = ResolveUnquoted(fileName);
  QByteArray bytes;
  if (const int err = ReadFileBytes(path, &bytes); err != 0) {
    *message = OpenErrorMessage(err, fileName);
    return false;
  }
  if (!DecodeTable(bytes, table)) {
    *message = InvalidTableMessage(fileName);
    return false;
  }
  return true;
}

int WriteTableFile(const TableModel& table, const QString& fileName) {
  QByteArray bytes;
  if (const int err = EncodeTable(table, &bytes); err != 0) return err;
  return WriteFileAtomic(ResolveUnquoted(fileName), bytes);
}

QString TableDeckMissingMessage(const QString& deck) {
  return QStringLiteral("File ") + deck + QStringLiteral(" which is used by this table was not found.");
}

TableDeck ReadTableDeck(TableModel& table) {
  TableDeck deck;
  const QString stored = table.DeckFileName;
  ReadDeckConstants(stored);
  if (PEQList()) {
    deck.found = true;
    deck.usedName = stored;
    return deck;
  }
  // Only the stored name's extension counts, so a deck named on another
  // machine is found beside the table.
  const QString clean = CleanPathText(stored);
  const QString file = clean.mid(clean.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  const QString ext = dot < 0 ? QString() : file.mid(dot, 4);
  const QString second = ChangeExt(table.TableFileName, ext);
  ReadDeckConstants(second);
  if (PEQList()) {
    deck.found = true;
    deck.usedName = second;
    table.DeckFileName = second;
    return deck;
  }
  // The stored link stays: the deck may only be out of reach for now.
  deck.message = TableDeckMissingMessage(stored);
  return deck;
}

}  // namespace pm
