// The form on paper: every page in deck order, labels where they are on
// screen, values in thin boxes, marks for check boxes and radio items,
// pictures centred.
#include "common/printstate.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formfonts.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/myimage.h"
#include "formdeck/ui/plenzoform.h"

#include <QAbstractButton>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace pm {

namespace {

constexpr double kScreenPpi = 96.0;

// Form fonts are set in pixels at 96 per inch; the printer needs points.
QFont PrinterFont(QFont font) {
  if (font.pointSizeF() <= 0 && font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / kScreenPpi);
  return font;
}

// A control's left edge on its page, through any group box it sits in and
// whatever the page's scroll position.
int LeftOnPage(const QWidget* control) {
  for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
    if (const auto* page = qobject_cast<const TFormPage*>(w)) return control->mapTo(page->Content(), QPoint()).x();
  }
  return control->x();
}

// A group box hidden itself or inside a hidden one. Hidden pages do not
// count: every page prints.
bool HiddenGroup(const QWidget* box) {
  for (const QWidget* w = box; w; w = w->parentWidget()) {
    if (qobject_cast<const TFormPage*>(w)) return false;
    if (w->isHidden()) return true;
  }
  return box->isHidden();
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

class FormPrinter {
 public:
  explicit FormPrinter(const FontSlot& slot) : s_(PS()), p_(*s_.Canvas), scale_(s_.PrinterPPI / kScreenPpi) {
    QFont font = SlotFont(slot);
    font.setPointSize(slot.size);
    p_.setFont(font);
    widthOf8_ = Width(QStringLiteral("8"));
  }

  void Element(TFormElement& e) {
    labelEnd_ = std::numeric_limits<int>::min();
    switch (e.kind) {
      case ElementKind::TextLine:
      case ElementKind::NumericInput:
        UseLabelFont(e, false);
        PrintText(1, e);
        if (auto* input = dynamic_cast<TInput*>(e.valueInput); input && input->Tracked) {
          PrintBoxedValue(input->text(), LeftOnPage(input));
        }
        if (e.unitsLabel) PrintText(2, e);
        break;
      case ElementKind::ListInput:
        UseLabelFont(e, false);
        if (auto* list = dynamic_cast<TFileInput*>(e.listInput); list && list->HasList) {
          PrintText(1, e);
          PrintBoxedValue(list->currentText(), LeftOnPage(list));
          PrintText(2, e);
        }
        break;
      case ElementKind::FileInput:
        UseLabelFont(e, false);
        PrintText(1, e);
        if (auto* file = dynamic_cast<TOpenFile*>(e.fileInput)) PrintBoxedValue(file->text(), LeftOnPage(file));
        break;
      case ElementKind::VisualGroup:
        UseCaptionFont(e);
        PrintText(0, e);
        break;
      case ElementKind::CheckBoxGroup:
      case ElementKind::RadioGroup:
        UseCaptionFont(e);
        PrintText(0, e);
        UseLabelFont(e, false);
        if (auto* box = dynamic_cast<Tmygroupbox*>(e.groupBox)) {
          const int which = e.kind == ElementKind::CheckBoxGroup ? -2 : -1;
          for (QAbstractButton* item : box->Items) PrintText(which, e, item);
        }
        break;
      case ElementKind::Picture:
      case ElementKind::LinkedPicture:
        if (auto* image = dynamic_cast<TmyImage*>(e.image); image && !image->Picture.isNull()) {
          PrintPicture(image->Picture);
        }
        break;
    }
  }

 private:
  int Width(const QString& text) const { return p_.fontMetrics().horizontalAdvance(text); }
  int Height() const { return CanvasTextHeight(p_); }

  void UseLabelFont(const TFormElement& e, bool underline) {
    if (!e.label) return;
    QFont font = PrinterFont(e.label->font());
    if (underline) font.setUnderline(true);
    p_.setFont(font);
  }

  // A group's caption in its box's font, bold as the style shows it on
  // screen, and underlined.
  void UseCaptionFont(const TFormElement& e) {
    if (!e.groupBox) return;
    QFont font = PrinterFont(e.groupBox->font());
    font.setBold(true);
    font.setUnderline(true);
    p_.setFont(font);
  }

  void PrintText(int which, const TFormElement& e, QAbstractButton* control = nullptr) {
    QString text;
    const QLabel* placed = dynamic_cast<const QLabel*>(e.label);
    if (which < 0) {
      if (!control) return;
      text = control->text();
    } else if (which == 0) {
      const auto* box = dynamic_cast<const Tmygroupbox*>(e.groupBox);
      if (!box) return;
      text = box->title();
    } else {
      const auto* label = dynamic_cast<const TDescriptor*>(which == 1 ? e.label : e.unitsLabel);
      if (!label || !label->Printable) return;
      text = label->text();
      placed = label;
    }
    // Captions carry every "&" doubled so that Qt shows it as written.
    if (which <= 0) text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    text.remove(QLatin1Char('\t'));
    const int h = Height();
    if (which < 2) CheckPageBreak(h + s_.PrintLineHeight / 3);
    const int width = Width(text);
    const int right = s_.PageWidth - (3 * s_.PrintLeft) / 2;
    int x = s_.PrintLeft;
    if (placed) {
      const Qt::Alignment align = placed->alignment();
      if (align & Qt::AlignRight) {
        x = right - width;
      } else if (align & Qt::AlignHCenter) {
        x = (right - width) / 2 + s_.PrintLeft;
      } else {
        x = s_.PrintLeft + Round(LeftOnPage(placed) * scale_);
      }
    }
    x = std::max(x, s_.PrintLeft);
    DrawOnPage();
    const int y = s_.CurrentY;
    if (which == -2) {
      const int r = Round(5 * scale_);
      DrawSquare(2 * x, y + h / 2, r, control->isChecked());
      DrawTextAt(p_, 2 * x + 2 * r, y, text);
    } else if (which == -1) {
      const int r = Round(4 * scale_);
      DrawCircle(2 * x, y + h / 2, r, control->isChecked() ? Round(2 * scale_) : 0);
      DrawTextAt(p_, 2 * x + 2 * r + Round(2 * scale_), y, text);
    } else {
      DrawTextAt(p_, x, y, text);
      // Printer fonts may run a little wider than the screen's: the value's
      // box keeps a blank's width clear of its label.
      if (which == 1) labelEnd_ = x + width + Width(QStringLiteral(" "));
    }
  }

  void PrintBoxedValue(const QString& text, int left) {
    const int x = std::max(s_.PrintLeft + Round(left * scale_), labelEnd_ + widthOf8_);
    const int y = s_.CurrentY;
    DrawOnPage();
    DrawTextAt(p_, x, y, text);
    p_.save();
    p_.setPen(QPen(Qt::black, 0));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRect(QPoint(x - widthOf8_, y), QPoint(x + Width(text) + widthOf8_, y + Height())));
    p_.restore();
  }

  void DrawSquare(int x, int y, int r, bool crossed) {
    p_.save();
    p_.setPen(QPen(Qt::black, 0));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRect(QPoint(x - r, y - r), QPoint(x + r, y + r)));
    if (crossed) {
      p_.drawLine(x - r, y - r, x + r, y + r);
      p_.drawLine(x - r, y + r, x + r, y - r);
    }
    p_.restore();
  }

  // An empty circle, with a filled disc inside when dot is above 0.
  void DrawCircle(int x, int y, int r, int dot) {
    p_.save();
    p_.setPen(QPen(Qt::black, 0));
    p_.setBrush(Qt::NoBrush);
    p_.drawEllipse(QPoint(x, y), r, r);
    if (dot > 0) {
      p_.setBrush(Qt::black);
      p_.drawEllipse(QPoint(x, y), dot, dot);
    }
    p_.restore();
  }

  void PrintPicture(const QImage& picture) {
    QSize size(Round(picture.width() * scale_), Round(picture.height() * scale_));
    // A picture larger than the page is made to fit, keeping its shape.
    const QSize box(s_.PageWidth - (3 * s_.PrintLeft) / 2,
                    s_.PageHeight - 2 * s_.PrintMargin - 2 * s_.PrintLineHeight);
    if (box.isValid() && (size.width() > box.width() || size.height() > box.height())) {
      size = size.scaled(box, Qt::KeepAspectRatio);
    }
    // The line above may be in a font taller than a print line: the picture
    // starts below it.
    const int above = std::max(s_.PrintLineHeight, Height());
    CheckPageBreak(size.height() + above + s_.PrintLineHeight);
    const int left = s_.PrintLeft + Round((s_.PageWidth - (3 * s_.PrintLeft) / 2 - size.width()) / 2.0);
    const int bottom = s_.CurrentY - s_.PrintLineHeight;
    const QRect target(left, bottom - size.height(), size.width(), size.height());
    DrawOnPage();
    p_.save();
    p_.fillRect(target, Qt::white);
    p_.setCompositionMode(QPainter::CompositionMode_Source);
    p_.setRenderHint(QPainter::SmoothPixmapTransform);
    p_.drawImage(target, picture);
    p_.restore();
  }

  PrintState& s_;
  QPainter& p_;
  double scale_;
  int widthOf8_ = 0;
  int labelEnd_ = std::numeric_limits<int>::min();  // right of the element's label and a blank
};

}  // namespace

void TPlenzoForm::Print() {
  if (!PS().Printing || !PS().Canvas) return;
  FormPrinter printer(model_.Slots.Font(2));
  TFormElement* e = model_.Elements.First(0);
  if (!e) e = model_.Elements.Oldest();
  for (; e; e = e->newer) {
    // Pages not shown print too; only hidden groups are left out.
    if (e->groupBox && HiddenGroup(e->groupBox)) continue;
    printer.Element(*e);
  }
}

}  // namespace pm
