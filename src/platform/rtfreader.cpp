#include "platform/rtfreader.h"

#include "platform/cp1252.h"
#include "platform/rtfdocument.h"
#include "platform/textfile.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pm {

namespace {

using rtf::CharState;
using rtf::ParaState;

// Deeper groups are counted but share their parent's state: a damaged file
// of nothing but "{" must not hold a million copies of it.
constexpr size_t kMaxDepth = 1000;
constexpr size_t kMaxTabs = 256;
// 22 inches, the widest page RTF writers allow.
constexpr int kMaxTwips = 31680;

enum class Dest { Text, Skip, FontTable, ColorTable };

struct Group {
  CharState ch;
  ParaState para;
  Dest dest = Dest::Text;
  int uc = 1;
};

enum class Word {
  Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Super, Sub, NoSuperSub,
  FontSize, Font, Color, Background, Plain,
  Pard, Par, Page, Left, Right, Center, Justify, LeftIndent, RightIndent, FirstIndent,
  SpaceBefore, SpaceAfter, LineSpace, LineMultiple, TabStop, BarTab, TabRight, TabCenter,
  TabDecimal, InTable,
  DefaultFont, DefaultTab, Unicode, UnicodeSkip, Binary,
  Char,  // a special character, see kChars
  RowDefinition, CellBoundary, CellBorderTop, CellBorderBottom, CellBorderLeft, CellBorderRight,
  BorderNone, Cell, Row,
  FontTable, ColorTable, Red, Green, Blue, SkipDestination,
};

struct WordEntry {
  std::string_view name;
  Word word;
  char16_t ch = 0;
};

constexpr WordEntry kWords[] = {
    {"b", Word::Bold}, {"i", Word::Italic}, {"ul", Word::Underline}, {"uld", Word::Underline},
    {"uldb", Word::Underline}, {"ulw", Word::Underline}, {"uldash", Word::Underline},
    {"ulth", Word::Underline}, {"ulwave", Word::Underline}, {"ulnone", Word::UnderlineNone},
    {"strike", Word::Strike}, {"striked", Word::Strike}, {"v", Word::Hidden},
    {"super", Word::Super}, {"sub", Word::Sub}, {"nosupersub", Word::NoSuperSub},
    {"fs", Word::FontSize}, {"f", Word::Font}, {"cf", Word::Color},
    {"highlight", Word::Background}, {"cb", Word::Background}, {"plain", Word::Plain},
    {"pard", Word::Pard}, {"par", Word::Par}, {"sect", Word::Par}, {"page", Word::Page},
    {"ql", Word::Left}, {"qr", Word::Right}, {"qc", Word::Center}, {"qj", Word::Justify},
    {"li", Word::LeftIndent}, {"ri", Word::RightIndent}, {"fi", Word::FirstIndent},
    {"sb", Word::SpaceBefore}, {"sa", Word::SpaceAfter}, {"sl", Word::LineSpace},
    {"slmult", Word::LineMultiple}, {"tx", Word::TabStop}, {"tb", Word::BarTab},
    {"tqr", Word::TabRight}, {"tqc", Word::TabCenter}, {"tqdec", Word::TabDecimal},
    {"intbl", Word::InTable}, {"deff", Word::DefaultFont}, {"deftab", Word::DefaultTab},
    {"u", Word::Unicode}, {"uc", Word::UnicodeSkip}, {"bin", Word::Binary},
    {"tab", Word::Char, u'\t'}, {"line", Word::Char, 0x2028}, {"emdash", Word::Char, 0x2014},
    {"endash", Word::Char, 0x2013}, {"emspace", Word::Char, 0x2003},
    {"enspace", Word::Char, 0x2002}, {"qmspace", Word::Char, 0x2005},
    {"bullet", Word::Char, 0x2022}, {"lquote", Word::Char, 0x2018},
    {"rquote", Word::Char, 0x2019}, {"ldblquote", Word::Char, 0x201C},
    {"rdblquote", Word::Char, 0x201D}, {"zwj", Word::Char, 0x200D},
    {"zwnj", Word::Char, 0x200C}, {"nestcell", Word::Char, u'\t'},
    {"trowd", Word::RowDefinition}, {"cellx", Word::CellBoundary},
    {"clbrdrt", Word::CellBorderTop}, {"clbrdrb", Word::CellBorderBottom},
    {"clbrdrl", Word::CellBorderLeft}, {"clbrdrr", Word::CellBorderRight}, {"brdrnone", Word::BorderNone},
    {"cell", Word::Cell}, {"row", Word::Row},
    {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable}, {"red", Word::Red},
    {"green", Word::Green}, {"blue", Word::Blue},
    // Destinations that hold text we do not show. A field shows its result
    // (\fldrslt), never its instruction.
    {"stylesheet", Word::SkipDestination}, {"info", Word::SkipDestination},
    {"pict", Word::SkipDestination}, {"object", Word::SkipDestination},
    {"nonshppict", Word::SkipDestination}, {"header", Word::SkipDestination},
    {"headerl", Word::SkipDestination}, {"headerr", Word::SkipDestination},
    {"headerf", Word::SkipDestination}, {"footer", Word::SkipDestination},
    {"footerl", Word::SkipDestination}, {"footerr", Word::SkipDestination},
    {"footerf", Word::SkipDestination}, {"footnote", Word::SkipDestination},
    {"annotation", Word::SkipDestination}, {"listtable", Word::SkipDestination},
    {"listoverridetable", Word::SkipDestination}, {"revtbl", Word::SkipDestination},
    {"rsidtbl", Word::SkipDestination}, {"fldinst", Word::SkipDestination},
    {"themedata", Word::SkipDestination}, {"colorschememapping", Word::SkipDestination},
    {"datastore", Word::SkipDestination}, {"latentstyles", Word::SkipDestination},
    {"xmlnstbl", Word::SkipDestination}, {"filetbl", Word::SkipDestination},
    {"generator", Word::SkipDestination}, {"falt", Word::SkipDestination},
    {"pgdsctbl", Word::SkipDestination}, {"mmathPr", Word::SkipDestination},
    {"txe", Word::SkipDestination}, {"docvar", Word::SkipDestination},
};

const WordEntry* FindWord(std::string_view name) {
  static const auto* const table = [] {
    auto* map = new std::unordered_map<std::string_view, const WordEntry*>;
    for (const WordEntry& entry : kWords) map->emplace(entry.name, &entry);
    return map;
  }();
  const auto found = table->find(name);
  return found == table->end() ? nullptr : found->second;
}

QChar Cp1252Char(unsigned char byte) {
  static const auto table = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const char c = static_cast<char>(b);
      t[static_cast<size_t>(b)] = FromCp1252(std::string_view(&c, 1)).at(0).unicode();
    }
    return t;
  }();
  return QChar(table[byte]);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

int ClampTwips(int value) { return std::clamp(value, -kMaxTwips, kMaxTwips); }

class Reader {
 public:
  Reader(const QByteArray& bytes, QTextDocument* doc, double dpi)
      : p_(bytes.constData()), end_(bytes.constData() + bytes.size()), out_(doc, dpi) {
    out_.SetDefaultTab(720);
  }

  void Run() {
    while (p_ < end_) {
      switch (*p_) {
        case '{':
          ++p_;
          OpenGroup();
          break;
        case '}':
          ++p_;
          CloseGroup();
          break;
        case '\\':
          ++p_;
          Backslash();
          break;
        default:
          PlainText();
          break;
      }
    }
    Flush();
    // The last paragraph keeps the properties its text was written with,
    // not those left after the outermost group closed.
    out_.Finish(lastPara_);
  }

 private:
  void OpenGroup() {
    skipChars_ = 0;
    if (stack_.size() >= kMaxDepth) {
      ++extraDepth_;
      return;
    }
    stack_.push_back(g_);
  }

  void CloseGroup() {
    skipChars_ = 0;
    if (extraDepth_ > 0) {
      --extraDepth_;
      return;
    }
    if (stack_.empty()) return;  // an extra "}": read on at the top level
    if (g_.dest == Dest::FontTable) CommitFont();
    g_ = std::move(stack_.back());
    stack_.pop_back();
  }

  // Text between control words, up to the next brace, backslash or control
  // byte, in one piece when nothing has to be skipped.
  void PlainText() {
    const char* q = p_;
    while (q < end_ && *q != '{' && *q != '}' && *q != '\\' &&
           static_cast<unsigned char>(*q) >= 0x20)
      ++q;
    if (q == p_) {  // a control byte: a raw tab counts, line ends and the rest do not
      const char c = *p_++;
      if (c == '\t') Character(u'\t');
      return;
    }
    const std::string_view span(p_, static_cast<size_t>(q - p_));
    p_ = q;
    if (g_.dest == Dest::Skip) return;
    if (g_.dest == Dest::Text && skipChars_ == 0) {
      AppendBytes(span);
      return;
    }
    for (const char c : span) Character(Cp1252Char(static_cast<unsigned char>(c)).unicode());
  }

  // One character of text from any source, after \u's skip count.
  void Character(char16_t ch) {
    if (skipChars_ > 0) {
      --skipChars_;
      return;
    }
    switch (g_.dest) {
      case Dest::Text:
        Append(QString(QChar(ch)));
        break;
      case Dest::FontTable:
        if (ch == u';')
          CommitFont();
        else
          fontName_.append(QChar(ch));
        break;
      case Dest::ColorTable:
        if (ch == u';') CommitColor();
        break;
      case Dest::Skip:
        break;
    }
  }

  void Append(const QString& text) {
    if (g_.ch.hidden) return;
    if (!pending_.isEmpty() && !(g_.ch == pendingChar_)) Flush();
    if (pending_.isEmpty()) {
      pendingChar_ = g_.ch;
      pendingPara_ = g_.para;
    }
    pending_.append(text);
  }

  // Decodes straight into the pending run: most of a document is here.
  void AppendBytes(std::string_view bytes) {
    if (g_.ch.hidden) return;
    if (!pending_.isEmpty() && !(g_.ch == pendingChar_)) Flush();
    if (pending_.isEmpty()) {
      pendingChar_ = g_.ch;
      pendingPara_ = g_.para;
    }
    const qsizetype at = pending_.size();
    pending_.resize(at + static_cast<qsizetype>(bytes.size()));
    QChar* out = pending_.data() + at;
    for (const char c : bytes) *out++ = Cp1252Char(static_cast<unsigned char>(c));
  }

  void Flush() {
    if (pending_.isEmpty()) return;
    out_.Text(pending_, pendingChar_, pendingPara_);
    pending_.truncate(0);  // keeps its buffer for the next run
    lastPara_ = pendingPara_;
  }

  void CommitFont() {
    const QString name = fontName_.trimmed();
    if (!name.isEmpty()) out_.SetFont(fontIndex_, name);
    fontName_.clear();
  }

  void CommitColor() {
    if (red_ < 0 && green_ < 0 && blue_ < 0)
      out_.AddColor(QColor());
    else
      out_.AddColor(QColor(std::clamp(red_, 0, 255), std::clamp(green_, 0, 255),
                           std::clamp(blue_, 0, 255)));
    red_ = green_ = blue_ = -1;
  }

  void Backslash() {
    if (p_ >= end_) return;
    if (!IsLetter(*p_)) {
      Symbol(*p_++);
      return;
    }
    const char* start = p_;
    while (p_ < end_ && IsLetter(*p_)) ++p_;
    const std::string_view name(start, static_cast<size_t>(p_ - start));
    bool hasParam = false;
    bool negative = false;
    int64_t value = 0;
    if (p_ < end_ && *p_ == '-' && p_ + 1 < end_ && p_[1] >= '0' && p_[1] <= '9') {
      negative = true;
      ++p_;
    }
    while (p_ < end_ && *p_ >= '0' && *p_ <= '9') {
      hasParam = true;
      value = std::min<int64_t>(value * 10 + (*p_ - '0'), INT32_MAX);
      ++p_;
    }
    if (p_ < end_ && *p_ == ' ') ++p_;
    const int param = static_cast<int>(negative ? -value : value);
    if (skipChars_ > 0) {
      --skipChars_;
      return;
    }
    Control(name, hasParam, param);
  }

  void Symbol(char c) {
    switch (c) {
      case '\'': {
        const int high = p_ < end_ ? HexValue(*p_) : -1;
        const int low = high >= 0 && p_ + 1 < end_ ? HexValue(p_[1]) : -1;
        if (low < 0) {  // a cut escape: drop it, keep what follows
          if (high >= 0) ++p_;
          return;
        }
        p_ += 2;
        Character(Cp1252Char(static_cast<unsigned char>(high * 16 + low)).unicode());
        return;
      }
      case '\\':
      case '{':
      case '}':
        Character(static_cast<char16_t>(c));
        return;
      case '~':
        Character(0x00A0);
        return;
      case '-':
        Character(0x00AD);
        return;
      case '_':
        Character(0x2011);
        return;
      case '*':
        g_.dest = Dest::Skip;
        return;
      case '\r':
      case '\n':
        if (skipChars_ > 0) {
          --skipChars_;
          return;
        }
        Control("par", false, 0);
        return;
      default:
        return;
    }
  }

  void Control(std::string_view name, bool hasParam, int param) {
    const WordEntry* entry = FindWord(name);
    if (!entry) return;
    const bool on = !hasParam || param != 0;
    CharState& ch = g_.ch;
    ParaState& para = g_.para;
    const bool text = g_.dest == Dest::Text;
    switch (entry->word) {
      case Word::Bold: ch.bold = on; return;
      case Word::Italic: ch.italic = on; return;
      case Word::Underline: ch.underline = on; return;
      case Word::UnderlineNone: ch.underline = false; return;
      case Word::Strike: ch.strike = on; return;
      case Word::Hidden: ch.hidden = on; return;
      case Word::Super: ch.vertical = 1; return;
      case Word::Sub: ch.vertical = -1; return;
      case Word::NoSuperSub: ch.vertical = 0; return;
      case Word::FontSize: ch.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24; return;
      case Word::Font:
        if (g_.dest == Dest::FontTable) {
          CommitFont();
          fontIndex_ = param;
        } else {
          ch.font = param;
        }
        return;
      case Word::Color: ch.color = param; return;
      case Word::Background: ch.background = param; return;
      case Word::Plain:
        ch = CharState();
        ch.font = defaultFont_;
        return;
      case Word::Red: red_ = param; return;
      case Word::Green: green_ = param; return;
      case Word::Blue: blue_ = param; return;
      case Word::DefaultFont:
        defaultFont_ = param;
        ch.font = param;
        return;
      case Word::DefaultTab: out_.SetDefaultTab(param > 0 ? std::min(param, kMaxTwips) : 720); return;
      case Word::UnicodeSkip: g_.uc = std::clamp(param, 0, 16); return;
      case Word::Unicode: {
        const int code = param < 0 ? param + 65536 : param;
        if (code > 0 && code <= 0xFFFF) Character(static_cast<char16_t>(code));
        skipChars_ = g_.uc;
        return;
      }
      case Word::Binary: {
        const auto n = static_cast<size_t>(std::max(param, 0));
        p_ += std::min(n, static_cast<size_t>(end_ - p_));
        return;
      }
      case Word::Char: Character(entry->ch); return;
      case Word::FontTable:
        if (g_.dest != Dest::Skip) g_.dest = Dest::FontTable;
        return;
      case Word::ColorTable:
        if (g_.dest != Dest::Skip) g_.dest = Dest::ColorTable;
        red_ = green_ = blue_ = -1;
        return;
      case Word::SkipDestination: g_.dest = Dest::Skip; return;
      default: break;
    }
    // Paragraph and table words: what is pending belongs before them.
    if (text) Flush();
    switch (entry->word) {
      case Word::Pard: para = ParaState(); return;
      case Word::Left: para.align = Qt::AlignLeft; return;
      case Word::Right: para.align = Qt::AlignRight; return;
      case Word::Center: para.align = Qt::AlignHCenter; return;
      case Word::Justify: para.align = Qt::AlignJustify; return;
      case Word::LeftIndent: para.left = ClampTwips(param); return;
      case Word::RightIndent: para.right = ClampTwips(param); return;
      case Word::FirstIndent: para.first = ClampTwips(param); return;
      case Word::SpaceBefore: para.before = std::clamp(param, 0, kMaxTwips); return;
      case Word::SpaceAfter: para.after = std::clamp(param, 0, kMaxTwips); return;
      case Word::LineSpace: para.line = ClampTwips(param); return;
      case Word::LineMultiple: para.lineMultiple = on; return;
      case Word::TabRight: para.nextTabKind = QTextOption::RightTab; return;
      case Word::TabCenter: para.nextTabKind = QTextOption::CenterTab; return;
      case Word::TabDecimal: para.nextTabKind = QTextOption::DelimiterTab; return;
      case Word::TabStop:
      case Word::BarTab: AddTab(para, std::clamp(param, 0, kMaxTwips)); return;
      case Word::InTable: para.inTable = true; return;
      default: break;
    }
    if (!text) return;
    switch (entry->word) {
      case Word::Par: out_.EndParagraph(para); return;
      case Word::Page: out_.PageBreak(para); return;
      case Word::RowDefinition: out_.BeginRowDefinition(); return;
      case Word::CellBoundary: out_.AddCellBoundary(std::clamp(param, 0, kMaxTwips)); return;
      case Word::CellBorderTop: out_.SetCellBorder(rtf::DocumentBuilder::SideTop); return;
      case Word::CellBorderBottom: out_.SetCellBorder(rtf::DocumentBuilder::SideBottom); return;
      case Word::CellBorderLeft: out_.SetCellBorder(rtf::DocumentBuilder::SideLeft); return;
      case Word::CellBorderRight: out_.SetCellBorder(rtf::DocumentBuilder::SideRight); return;
      case Word::BorderNone: out_.ClearCellBorder(); return;
      case Word::Cell: out_.EndCell(para); return;
      case Word::Row: out_.EndRow(para); return;
      default: return;
    }
  }

  static void AddTab(ParaState& para, int twips) {
    const rtf::TabStop stop{twips, para.nextTabKind};
    para.nextTabKind = QTextOption::LeftTab;
    if (para.tabs.size() >= kMaxTabs) return;
    const auto at = std::lower_bound(
        para.tabs.begin(), para.tabs.end(), stop,
        [](const rtf::TabStop& a, const rtf::TabStop& b) { return a.twips < b.twips; });
    if (at != para.tabs.end() && at->twips == twips)
      *at = stop;
    else
      para.tabs.insert(at, stop);
  }

  const char* p_;
  const char* end_;
  rtf::DocumentBuilder out_;
  std::vector<Group> stack_;
  size_t extraDepth_ = 0;
  Group g_;
  int skipChars_ = 0;
  int defaultFont_ = -1;
  QString pending_;
  CharState pendingChar_;
  ParaState pendingPara_;
  ParaState lastPara_;
  int fontIndex_ = 0;
  QString fontName_;
  int red_ = -1;
  int green_ = -1;
  int blue_ = -1;
};

}  // namespace

bool IsRichText(const QByteArray& bytes) { return bytes.startsWith("{\\rtf"); }

bool ReadRichText(const QByteArray& bytes, QTextDocument* doc, double dotsPerInch) {
  const bool undo = doc->isUndoRedoEnabled();
  doc->setUndoRedoEnabled(false);
  doc->clear();
  const bool rich = IsRichText(bytes);
  if (rich) {
    QTextCursor block(doc);
    block.beginEditBlock();
    Reader(bytes, doc, dotsPerInch).Run();
    block.endEditBlock();
  } else {
    QString text;
    text.reserve(bytes.size());
    bool first = true;
    for (const std::string& line : SplitLines(bytes)) {
      if (!first) text.append(QLatin1Char('\n'));
      first = false;
      text.append(FromCp1252(line));
    }
    doc->setPlainText(text);
  }
  doc->setUndoRedoEnabled(undo);
  return rich;
}

}  // namespace pm
