#include "formdeck/ui/picturebuilders.h"

#include <algorithm>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/deckparser.h"
#include "formdeck/markuptext.h"
#include "formdeck/picturemarkup.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/inputbuilders.h"
#include "formdeck/ui/myimage.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"
#include "platform/ui/plainhint.h"

namespace pm {

namespace {

const QString kQuote = QStringLiteral("\"");

QString Text(std::string_view bytes) { return FromCp1252(bytes); }

// The element and its place in the flow: below the page's last element.
TFormElement* NewPictureElement(TPlenzoForm& form, DeckParser& parser, ElementKind kind) {
  ParseState& s = parser.State();
  TFormElement* E = nullptr;
  TFormElement* e = parser.NewElement(kind, s.DeckLineNumber, &E);
  e->markupLine = s.Line;
  if (!E) return e;
  const int L = form.LineHeight;
  const QWidget* N = E->label;
  const QWidget* B = E->groupBox;
  const bool inBox = E->inGroup && B && E->kind != ElementKind::VisualGroup;
  if (inBox) {
    s.CurrentY = s.GroupOpen ? s.CurrentY + B->y() + L / 2 : B->y() + (N ? N->y() : 0) + (3 * L) / 2;
  } else if (LabelCounts(N)) {
    const bool groupInBox = E->kind == ElementKind::VisualGroup && E->inGroup;
    s.CurrentY = (groupInBox ? s.CurrentY : N->y()) + L + L / 2;
  }
  return e;
}

// Stops the parse with a message that selects the element's line.
void StopAt(DeckParser& parser, const TFormElement* e, const QString& message) {
  parser.SetErrorLine(e->lineNumber);
  parser.Stop(message);
}

// The picture file decoded, or a message and a stopped parse.
bool LoadFigure(DeckParser& parser, const TFormElement* e, const QString& name, QImage* picture) {
  if (!FileExistsUnquoted(name)) {
    StopAt(parser, e, QStringLiteral("Figure file ") + name + QStringLiteral(" was not found"));
    return false;
  }
  *picture = LoadPictureFile(ResolveUnquoted(name));
  if (picture->isNull()) {
    StopAt(parser, e, QStringLiteral("Figure file ") + name + QStringLiteral(" could not be read"));
    return false;
  }
  return true;
}

TmyImage* MakeImage(TPlenzoForm& form, TFormElement* e, const QString& name, const QImage& picture, int linkIndex) {
  auto* image = new TmyImage(form.CurrentContainer());
  image->SetPicture(picture);
  image->FileName = name;
  image->Alignment = 1;
  image->LinkIndex = linkIndex;
  GeometryFromBuilder(image);
  image->show();
  e->image = image;
  return image;
}

// Left by alignment, top at the flow, stacked in the open group, and the
// invisible label that marks the picture's bottom.
void PlacePicture(TPlenzoForm& form, DeckParser& parser, TFormElement* e, TmyImage* image) {
  FormModel& m = form.Model();
  const int W8 = form.WidthOf8;
  const int M = 2 * W8;
  const int L = form.LineHeight;
  const int w = image->Picture.width();
  const int h = image->Picture.height();
  int left = image->Alignment == 0 ? 5 : image->Alignment == 2 ? 80 * W8 - w - 5 : (80 * W8 - w) / 2 + M;
  left = std::max(left, 0);
  image->setGeometry(left, parser.State().CurrentY, w, h);
  m.ContentWidth = std::max(m.ContentWidth, w);
  if (QWidget* box = e->inGroup ? e->groupBox : nullptr) {
    box->resize(box->width(), box->height() + h + L);
    image->move(left, box->height() - h - L / 2);
    const int right = image->x() + image->width();
    if (box->width() < right + 20) box->resize(right + 5, box->height());
  }
  // In a box the mark sits at the box's last row, as an input's label does,
  // so the element after the group clears the box's closing margin.
  const int markTop = image->y() + h - L + (e->inGroup && e->groupBox ? L / 2 : 0);
  auto* label = new TDescriptor(form.CurrentContainer());
  ApplyFontSlot(label, m.Slots.Font(2));
  e->fontSlot = 2;
  label->Element = e;
  // Only its top counts: it has no size, so it takes no room on the page.
  label->setGeometry(-10, markTop, 0, 0);
  GeometryFromBuilder(label);
  e->label = label;
}

bool ReadMap(DeckParser& parser, const TFormElement* e, const QString& mapName, const std::string& line,
             TmyImage* image, bool* singleWithoutCoords) {
  ImageMap map;
  if (!ReadImageMapFile(ResolveUnquoted(mapName), &map)) {
    StopAt(parser, e, QStringLiteral("UseMap file ") + mapName + QStringLiteral(" could not be read"));
    return false;
  }
  *singleWithoutCoords = map.areas.size() == 1 && !map.areas.front().hasCoords;
  for (const MapArea& area : map.areas) {
    image->AddArea(Text(area.href));
    image->Areas.back() = area.rect;
    image->Hints.back() = Text(area.hint);
  }
  // A bad COORDS leaves its area dead; the parse goes on.
  for (const auto& [number, text] : map.badCoords)
    ShowMessageKind(QStringLiteral("Syntax error in COORDS in ") + mapName + QStringLiteral(", line ") +
                        QString::number(number) + QStringLiteral(":  ") + Text(text),
                    0, true);
  if (map.unclosedLine > 0) {
    StopAt(parser, e, QStringLiteral("Missing ") + kQuote + QStringLiteral(":  ") + Text(line));
    return false;
  }
  return true;
}

}  // namespace

void BuildPicture(TPlenzoForm& form, DeckParser& parser, const std::string& text, int linkIndex) {
  TFormElement* e =
      NewPictureElement(form, parser, linkIndex == 0 ? ElementKind::Picture : ElementKind::LinkedPicture);
  // The picture dialog writes a blank after the command.
  const std::string markup = TrimLeft(text);
  e->text = Trimmed(markup);
  const PictureMarkup p = ReadPictureMarkup(markup, linkIndex > 0);
  if (p.unclosedQuote) {
    StopAt(parser, e, QStringLiteral("Missing quote character in ") + Text(p.error));
    return;
  }
  const QString name = Text(p.fileName);
  QImage picture;
  if (!LoadFigure(parser, e, name, &picture)) return;
  TmyImage* image = MakeImage(form, e, name, picture, linkIndex);
  image->Alignment = p.alignment;
  if (linkIndex > 0) {
    image->OnClick = TmyImage::Click::StartBrowser;
    image->AddArea(Text(p.arguments));
    image->PictureHint = image->HRefs.front();
    image->setToolTip(PlainHint(image->PictureHint));
    image->setCursor(Qt::PointingHandCursor);
  } else {
    image->AddArea(QString());
  }
  PlacePicture(form, parser, e, image);
}

void BuildImage(TPlenzoForm& form, DeckParser& parser, const std::string& line) {
  const int linkIndex = parser.State().AppLinkIndex;
  TFormElement* e =
      NewPictureElement(form, parser, linkIndex >= 1 ? ElementKind::LinkedPicture : ElementKind::Picture);
  e->markupLine = line;
  const QString missingQuote = QStringLiteral("Missing ") + kQuote + QStringLiteral(":  ") + Text(line);
  const std::vector<MarkupAttribute> attributes = ReadAttributes(line);
  const MarkupAttribute* src = FindAttribute(attributes, "SRC");
  if (!src) {
    StopAt(parser, e, QStringLiteral("Syntax error:  missing SRC=") + kQuote + QStringLiteral("  ") + Text(line));
    return;
  }
  if (!src->closed) {
    StopAt(parser, e, missingQuote);
    return;
  }
  bool opaque = false;
  const std::string file = StripOpaqueMarker(src->value, &opaque);
  e->text = file;
  const QString name = Text(file);
  QImage picture;
  if (!LoadFigure(parser, e, name, &picture)) return;
  TmyImage* image = MakeImage(form, e, name, picture, linkIndex);
  image->Transparent = !opaque;

  bool mapAreas = false;
  bool singleWithoutCoords = false;
  if (const MarkupAttribute* usemap = FindAttribute(attributes, "USEMAP")) {
    if (!usemap->closed) {
      StopAt(parser, e, missingQuote);
      return;
    }
    const QString mapName = Text(TrimLeft(usemap->value));
    if (!FileExistsUnquoted(mapName)) {
      StopAt(parser, e, QStringLiteral("UseMap file ") + mapName + QStringLiteral(" was not found"));
      return;
    }
    if (!ReadMap(parser, e, mapName, line, image, &singleWithoutCoords)) return;
    mapAreas = !image->HRefs.isEmpty();
    if (mapAreas) image->OnClick = TmyImage::Click::HandleHRef;
    image->setMouseTracking(true);
  }
  bool ownArea = false;
  if (const MarkupAttribute* href = FindAttribute(attributes, "HREF")) {
    if (!href->closed) {
      StopAt(parser, e, missingQuote);
      return;
    }
    const QString target = Text(Trimmed(href->value));
    const QString hint = target.startsWith(QLatin1Char('#')) ? target.mid(1) : target;
    image->AddArea(target);
    image->Hints.back() = hint;
    image->OnClick = TmyImage::Click::HandleHRef;
    image->PictureHint = hint;
    image->setToolTip(PlainHint(hint));
    image->setMouseTracking(true);
    ownArea = !mapAreas;
  }
  if (const MarkupAttribute* hint = FindAttribute(attributes, "HINT")) {
    if (!hint->closed) {
      StopAt(parser, e,
             QStringLiteral("Missing ") + kQuote + QStringLiteral(" in line ") + QString::number(e->lineNumber) +
                 QStringLiteral(":  ") + Text(line));
      return;
    }
    // The IMG's hint is the picture's; it names an area only when that area
    // is the IMG's own.
    const QString text = Text(hint->value);
    image->PictureHint = text;
    image->setToolTip(PlainHint(text));
    if (ownArea) image->Hints.front() = text;
  }
  image->Alignment = 0;
  if (const MarkupAttribute* align = FindAttribute(attributes, "ALIGN")) {
    if (!align->closed) {
      StopAt(parser, e, missingQuote);
      return;
    }
    image->Alignment = AlignmentOf(align->value);
  }
  PlacePicture(form, parser, e, image);
  // The IMG's own target, or a map's only area written without COORDS,
  // covers the whole picture.
  if (image->HRefs.size() == 1 && (ownArea || singleWithoutCoords))
    image->Areas.front() = QRect(0, 0, image->Picture.width(), image->Picture.height());
}

}  // namespace pm
