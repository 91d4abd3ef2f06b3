// The geometry of the form as formdump prints it, for a table of decks: no
// control starts inside its label or overlaps another row, none lies left of
// the page, every value control shows its text whole, and the window is as
// wide as its content. The dump is the only source of the places checked.
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "formdeck/ui/formdump.h"
#include "formdeck/ui/formfonts.h"
#include "formtestsupport.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

struct Control {
  QString kind;  // input, units, list, file, link, item, picture
  QRect at;
  bool shown = false;
  QString text;       // an input's text or a file input's name
  QStringList items;  // a drop-down's items
};

struct Element {
  QString kind;
  QString text;
  int slot = 0;
  bool visible = false;
  QRect at;
  std::vector<Control> controls;
};

struct Dump {
  int contentWidth = 0;
  int clientWidth = 0;
  FontSlot fonts[3];
  std::vector<std::vector<Element>> pages;
};

const QString kQuoted = QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re");
const QString kPlace = QStringLiteral(R"((-?\d+),(-?\d+) (\d+)x(\d+))");

QString Unquoted(QString s) {
  s.replace(QStringLiteral("\\\""), QStringLiteral("\""));
  s.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
  return s;
}

QRect PlaceOf(const QRegularExpressionMatch& m, int first) {
  return QRect(m.captured(first).toInt(), m.captured(first + 1).toInt(), m.captured(first + 2).toInt(),
               m.captured(first + 3).toInt());
}

Dump Parse(const QString& text) {
  Dump d;
  const QRegularExpression font(QStringLiteral(R"(^font(\d) )") + kQuoted + QStringLiteral(R"( (\d+) (\S+) )"));
  const QRegularExpression widths(QStringLiteral(R"(contentwidth (-?\d+) clientwidth (\d+)$)"));
  const QRegularExpression element(QStringLiteral(R"(^  \d+ (\w+) line \d+ no \d+ name )") + kQuoted +
                                   QStringLiteral(" text ") + kQuoted +
                                   QStringLiteral(R"( .* slot (\d) group .* visible (yes|no) at )") + kPlace +
                                   QLatin1Char('$'));
  const QRegularExpression control(QStringLiteral(R"(^    (input|units|list|file|link|item|picture)\b.*? at )") + kPlace +
                                   QStringLiteral(R"( (shown|hidden))"));
  const QRegularExpression inputText(QStringLiteral(R"( (?:shown|hidden) text )") + kQuoted);
  const QRegularExpression fileName(QStringLiteral(R"( (?:shown|hidden) name )") + kQuoted);
  const QRegularExpression quoted(kQuoted);
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    QRegularExpressionMatch m;
    if ((m = font.match(line)).hasMatch()) {
      FontSlot& f = d.fonts[m.captured(1).toInt() - 1];
      f.name = Unquoted(m.captured(2)).toStdString();
      f.size = m.captured(3).toInt();
      const QString style = m.captured(4);
      f.style = (style.contains(QLatin1String("bold")) ? StyleBold : 0) |
                (style.contains(QLatin1String("italic")) ? StyleItalic : 0) |
                (style.contains(QLatin1String("underline")) ? StyleUnderline : 0);
    } else if ((m = widths.match(line)).hasMatch()) {
      d.contentWidth = m.captured(1).toInt();
      d.clientWidth = m.captured(2).toInt();
    } else if (line.startsWith(QLatin1String("page "))) {
      d.pages.emplace_back();
    } else if ((m = element.match(line)).hasMatch()) {
      Element e;
      e.kind = m.captured(1);
      e.text = Unquoted(m.captured(3));
      e.slot = m.captured(4).toInt();
      e.visible = m.captured(5) == QLatin1String("yes");
      e.at = PlaceOf(m, 6);
      d.pages.back().push_back(e);
    } else if ((m = control.match(line)).hasMatch()) {
      Control c;
      c.kind = m.captured(1);
      c.at = PlaceOf(m, 2);
      c.shown = m.captured(6) == QLatin1String("shown");
      if (const auto t = inputText.match(line); t.hasMatch()) c.text = Unquoted(t.captured(1));
      if (const auto t = fileName.match(line); t.hasMatch()) c.text = Unquoted(t.captured(1));
      d.pages.back().back().controls.push_back(c);
    } else if (line.startsWith(QLatin1String("    choice "))) {
      const int items = static_cast<int>(line.indexOf(QLatin1String(" items ")));
      for (auto it = quoted.globalMatch(line.mid(items)); it.hasNext();) {
        d.pages.back().back().controls.back().items << Unquoted(it.next().captured(1));
      }
    }
  }
  return d;
}

// True when a line edit of that size shows the whole text: with the cursor
// at the end it does not scroll, as one far wider does not.
bool ShowsWhole(const QFont& font, const QString& text, const QSize& size, bool readOnly) {
  auto endCursor = [&](const QSize& s) {
    QLineEdit edit;
    edit.setFont(font);
    edit.setReadOnly(readOnly);
    edit.setText(text);
    edit.resize(s);
    edit.setCursorPosition(static_cast<int>(text.size()));
    (void)edit.grab();  // the paint settles the scroll
    return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
  };
  return endCursor(size) == endCursor(QSize(4000, size.height()));
}

QSize DropDownNeeds(const QFont& font, const QStringList& items) {
  QComboBox list;
  list.setFont(font);
  list.setSizeAdjustPolicy(QComboBox::AdjustToContents);
  list.addItems(items);
  return list.sizeHint();
}

// What a control takes on its page; a label as far as its text reaches.
struct Piece {
  int element;
  QRect at;
};

int TextWidthIn(const FontSlot& slot, const QString& text) {
  return QFontMetrics(SlotFont(slot)).horizontalAdvance(text);
}

std::vector<Piece> Pieces(const Dump& d, const std::vector<Element>& page) {
  std::vector<Piece> pieces;
  for (size_t i = 0; i < page.size(); ++i) {
    const Element& e = page[i];
    if (!e.visible) continue;
    const bool box = e.kind == QLatin1String("group") || e.kind == QLatin1String("radios") ||
                     e.kind == QLatin1String("checkboxes");
    if (!box && e.at.height() > 0) {
      QRect label = e.at;
      if (e.kind == QLatin1String("text")) label.setWidth(TextWidthIn(d.fonts[e.slot - 1], e.text));
      pieces.push_back({static_cast<int>(i), label});
    }
    for (const Control& c : e.controls) {
      if (!c.shown || c.at.width() <= 0 || c.at.height() <= 0) continue;
      QRect at = c.at;
      if (c.kind == QLatin1String("units")) {
        // A units label may be higher than its row: its text is centred in it.
        const int h = QFontMetrics(SlotFont(d.fonts[2])).height();
        if (h < at.height()) at = QRect(at.x(), at.y() + (at.height() - h) / 2, at.width(), h);
      }
      pieces.push_back({static_cast<int>(i), at});
    }
  }
  return pieces;
}

void CheckGeometry(const QString& deck) {
  SCOPED_TRACE(deck.toStdString());
  const QString text = DumpDeck(deck);
  ASSERT_TRUE(text.contains(QLatin1String("\nparse ok\n"))) << text.toStdString();
  const Dump d = Parse(text);
  ASSERT_FALSE(d.pages.empty());
  TPlenzoForm canvas(nullptr);
  const int W8 = canvas.WidthOf8;
  int widest = 0;
  for (const std::vector<Element>& page : d.pages) {
    const std::vector<Piece> pieces = Pieces(d, page);
    for (const Piece& p : pieces) {
      EXPECT_GE(p.at.x(), 0) << "element " << p.element + 1;
      widest = std::max(widest, p.at.x() + p.at.width());
      for (const Piece& q : pieces) {
        if (p.element < q.element) {
          EXPECT_FALSE(p.at.intersects(q.at)) << "elements " << p.element + 1 << " and " << q.element + 1 << " at " << p.at.x() << ","
                                                << p.at.y() << " " << p.at.width() << "x" << p.at.height() << " and "
                                                << q.at.x() << "," << q.at.y() << " " << q.at.width() << "x"
                                                << q.at.height();
        }
      }
    }
    for (const Element& e : page) {
      if (!e.visible) continue;
      const int labelRight =
          e.at.x() + (e.kind == QLatin1String("text") ? TextWidthIn(d.fonts[e.slot - 1], e.text) : e.at.width());
      const QFont font = SlotFont(d.fonts[e.slot - 1]);
      for (const Control& c : e.controls) {
        if (!c.shown || c.kind == QLatin1String("units") || c.kind == QLatin1String("link") ||
            c.kind == QLatin1String("item") || c.kind == QLatin1String("picture"))
          continue;
        EXPECT_GT(c.at.x(), labelRight) << e.text.toStdString();
        if (c.kind == QLatin1String("list")) {
          const QSize needs = DropDownNeeds(font, c.items);
          EXPECT_GE(c.at.width(), needs.width()) << e.text.toStdString();
          EXPECT_GE(c.at.height(), needs.height()) << e.text.toStdString();
        } else {
          EXPECT_TRUE(ShowsWhole(font, c.text, c.at.size(), c.kind == QLatin1String("file")))
              << c.text.toStdString() << " in " << c.at.width();
        }
      }
    }
  }
  // Nothing lies right of the window: no value needs scrolling sideways.
  EXPECT_LE(widest, d.clientWidth);
  // Nor does any control reach further than the widest shown one or the
  // right margin: the pages have no empty range to scroll sideways.
  for (const std::vector<Element>& page : d.pages) {
    for (const Element& e : page) {
      if (!e.visible || e.at.height() <= 0) continue;
      EXPECT_LE(e.at.x() + e.at.width(), std::max(widest, d.clientWidth - 2 * W8)) << e.text.toStdString();
    }
  }
  if (d.contentWidth > 100) {
    EXPECT_EQ(d.clientWidth, std::max(d.contentWidth + 2 * W8 + 40, widest + 2 * W8));
  } else {
    EXPECT_EQ(d.clientWidth, widest + 2 * W8 + 40);
  }
}

QString Geometry(const char* deck) {
  return QStringLiteral(PELMARK_FIXTURES_DIR "/decks/geometry/") + QLatin1String(deck);
}

TEST(FormGeometry, EveryControlStandsWholeOnItsRowInsideTheWindow) {
  CheckGeometry(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo/Demo.pzd"));
  CheckGeometry(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo/Tower.pzd"));
  for (const char* deck : {"onelist.pzd", "onefile.pzd", "nogroups.pzd", "tabstops.pzd", "longlabel.pzd",
                           "longitems.pzd"}) {
    CheckGeometry(Geometry(deck));
  }
  // Every kind of value input, a right-aligned text line among them.
  CheckGeometry(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/valueinputs/deck.pzd"));
}

TEST(FormGeometry, TheDemosTitleAndPictureShareTheirAxis) {
  const Dump d = Parse(DumpDeck(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo/Demo.pzd")));
  ASSERT_FALSE(d.pages.empty());
  const std::vector<Element>& main = d.pages[0];
  ASSERT_GE(main.size(), 2u);
  ASSERT_EQ(main[0].kind, QStringLiteral("text"));
  ASSERT_EQ(main[1].controls.at(0).kind, QStringLiteral("picture"));
  const QRect title = main[0].at;
  const QRect picture = main[1].controls[0].at;
  EXPECT_LE(std::abs(title.center().x() - picture.center().x()), 1);
}

TEST(FormGeometry, TheWindowIsAsWideAsItsContent) {
  // One drop-down: the content width, at least its right edge, gives the
  // window, which opens that much wider.
  TPlenzoForm canvas(nullptr);
  Dump d = Parse(DumpDeck(Geometry("onelist.pzd")));
  ASSERT_EQ(d.pages.size(), 1u);
  const QRect list = d.pages[0][0].controls[0].at;
  EXPECT_GE(d.contentWidth, list.x() + list.width());
  EXPECT_GT(d.contentWidth, 100);
  EXPECT_EQ(d.clientWidth, d.contentWidth + 2 * canvas.WidthOf8 + 40);
  // No groups, lists or files: the widest control gives it, here a units label.
  d = Parse(DumpDeck(Geometry("nogroups.pzd")));
  EXPECT_LE(d.contentWidth, 100);
  const QRect units = d.pages[0][2].controls[1].at;
  EXPECT_EQ(d.clientWidth, units.x() + units.width() + 2 * canvas.WidthOf8 + 40);
}

}  // namespace
}  // namespace pm::test
