#include "plots/ui/modplot.h"

#include "common/lib1.h"
#include "common/ui/dialoglook.h"
#include "plots/ui/plotsamples.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pm {

namespace {

// Wide enough for "-1.234E+05".
constexpr int kNumberFieldWidth = 90;

QLineEdit* NewEdit(QWidget* parent, const char* name, int width = 0) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  if (width > 0) edit->setFixedWidth(width);
  return edit;
}

QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  box->addItems(items);
  return box;
}

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

void SetIndex(QComboBox* box, int index) { box->setCurrentIndex(std::clamp(index, 0, box->count() - 1)); }

}  // namespace

TModPlot::TModPlot(PlotModel* plot, QWidget* window) : QDialog(window), plot_(plot), window_(window) {
  setObjectName(QStringLiteral("ModPlot"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Modify Plot"));
  setFont(DialogFont(true));

  auto* grid = new QGridLayout(this);
  grid->addWidget(GroupBox1 = MakeAxis(true), 0, 0);
  grid->addWidget(GroupBox2 = MakeAxis(false), 0, 1);

  auto* lines = new QVBoxLayout;
  auto* choose = new QHBoxLayout;
  PlotLineBox = NewList(this, "PlotLineBox", {});
  PlotLineBox->setMinimumContentsLength(45);
  PlotLineBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  Delete = Named(new QPushButton(QStringLiteral("Delete"), this), "Delete");
  Delete->setAutoDefault(false);
  choose->addWidget(new QLabel(QStringLiteral("Plot"), this));
  choose->addWidget(PlotLineBox);
  choose->addWidget(Delete);
  choose->addStretch(1);
  lines->addLayout(choose);

  SpinLine = Named(new PlotSampleSpin(PlotSample::Kind::Line, this), "SpinLine");
  SpinSymbol = Named(new PlotSampleSpin(PlotSample::Kind::Symbol, this), "SpinSymbol");
  SpinColor = Named(new PlotSampleSpin(PlotSample::Kind::Color, this), "SpinColor");
  auto* looks = new QHBoxLayout;
  for (auto [caption, spin] : {std::pair{"Line", SpinLine}, std::pair{"Symbol", SpinSymbol},
                               std::pair{"Color", SpinColor}}) {
    looks->addWidget(new QLabel(QLatin1String(caption), this));
    looks->addWidget(spin);
    looks->addSpacing(16);
  }
  looks->addStretch(1);
  lines->addLayout(looks);
  SmoothingBox = Named(new QCheckBox(QStringLiteral("Smoothing"), this), "SmoothingBox");
  lines->addWidget(SmoothingBox);
  grid->addLayout(lines, 1, 0, 1, 2);

  auto* bottom = new QHBoxLayout;
  LegendBox = Named(new QCheckBox(QStringLiteral("Legend"), this), "LegendBox");
  OKBtn = Named(new QPushButton(QStringLiteral("OK"), this), "OKBtn");
  CancelBtn = Named(new QPushButton(QStringLiteral("Cancel"), this), "CancelBtn");
  OKBtn->setDefault(true);
  CancelBtn->setAutoDefault(false);
  bottom->addWidget(LegendBox);
  bottom->addStretch(1);
  bottom->addWidget(OKBtn);
  bottom->addWidget(CancelBtn);
  grid->addLayout(bottom, 2, 0, 1, 2);

  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
  connect(PlotLineBox, &QComboBox::activated, this, [this] { PlotLineBoxClick(); });
}

QGroupBox* TModPlot::MakeAxis(bool x) {
  auto* group = new QGroupBox(x ? QStringLiteral("X-Axis") : QStringLiteral("Y-Axis"), this);
  group->setObjectName(x ? QStringLiteral("GroupBox1") : QStringLiteral("GroupBox2"));
  QStringList digits;
  for (int d = 0; d <= 9; ++d) digits << QString::number(d);
  auto* label = NewEdit(group, x ? "XAxisLabel" : "YAxisLabel");
  label->setMaxLength(kPlotTitleLength);
  auto* style = NewList(group, x ? "XStyle" : "YStyle", {QStringLiteral("E"), QStringLiteral("F")});
  auto* digitBox = NewList(group, x ? "XDigits" : "YDigits", digits);
  auto* min = NewEdit(group, x ? "MinXV" : "MinYV", kNumberFieldWidth);
  auto* max = NewEdit(group, x ? "MaxXV" : "MaxYV", kNumberFieldWidth);
  auto* linear = Named(new QRadioButton(QStringLiteral("Linear"), group), x ? "LinearX" : "LinearY");
  auto* log = Named(new QRadioButton(QStringLiteral("Log"), group), x ? "LogX" : "LogY");
  auto* ticks = NewEdit(group, x ? "TicksVX" : "TicksVY", 50);
  ticks->setText(QStringLiteral("5"));
  auto* gridlines = Named(new QCheckBox(QStringLiteral("Gridlines"), group), x ? "XGridlines" : "YGridLines");

  auto* g = new QGridLayout(group);
  g->addWidget(new QLabel(QStringLiteral("Title"), group), 0, 0);
  g->addWidget(label, 0, 1, 1, 3);
  g->addWidget(new QLabel(QStringLiteral("Minimum"), group), 1, 0);
  g->addWidget(min, 1, 1);
  g->addWidget(new QLabel(QStringLiteral("Format"), group), 1, 2);
  auto* format = new QHBoxLayout;
  format->addWidget(style);
  format->addWidget(digitBox);
  g->addLayout(format, 1, 3);
  g->addWidget(new QLabel(QStringLiteral("Maximum"), group), 2, 0);
  g->addWidget(max, 2, 1);
  g->addWidget(linear, 2, 2);
  g->addWidget(log, 2, 3);
  g->addWidget(new QLabel(QStringLiteral("No. of Ticks"), group), 3, 0);
  g->addWidget(ticks, 3, 1, Qt::AlignLeft);
  g->addWidget(gridlines, 3, 2, 1, 2);

  (x ? XAxisLabel : YAxisLabel) = label;
  (x ? XStyle : YStyle) = style;
  (x ? XDigits : YDigits) = digitBox;
  (x ? MinXV : MinYV) = min;
  (x ? MaxXV : MaxYV) = max;
  (x ? LinearX : LinearY) = linear;
  (x ? LogX : LogY) = log;
  (x ? TicksVX : TicksVY) = ticks;
  (x ? XGridlines : YGridLines) = gridlines;
  return group;
}

void TModPlot::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
    adjustSize();
    CentreOnScreen(this);
  }
}

void TModPlot::FormActivate() {
  if (window_) {
    QString caption = window_->windowTitle();
    caption.remove(QStringLiteral("[*]"));
    setWindowTitle(QStringLiteral("Modify ") + caption);
  }
  const TPlotSettings& s = plot_->Settings;
  const ModPlotFields f = ModPlotFieldsOf(s);
  PlotLineBox->clear();
  PlotLineBox->addItems(PlotLineItems(s));
  PlotLineBox->setCurrentIndex(f.Line - 1);
  Delete->setEnabled(PlotLineBox->count() > 0);
  const struct {
    const ModPlotAxisFields& a;
    QLineEdit *title, *min, *max, *ticks;
    QRadioButton *linear, *log;
    QCheckBox* grid;
    QComboBox *style, *digits;
  } axes[] = {{f.Axis[0], XAxisLabel, MinXV, MaxXV, TicksVX, LinearX, LogX, XGridlines, XStyle, XDigits},
              {f.Axis[1], YAxisLabel, MinYV, MaxYV, TicksVY, LinearY, LogY, YGridLines, YStyle, YDigits}};
  for (const auto& c : axes) {
    c.title->setText(c.a.Title);
    (c.a.Log ? c.log : c.linear)->setChecked(true);
    c.min->setText(c.a.MinText);
    c.max->setText(c.a.MaxText);
    SetIndex(c.style, c.a.Style);
    SetIndex(c.digits, c.a.Digits);
    c.ticks->setText(c.a.TicksText);
    c.grid->setChecked(c.a.Gridlines);
  }
  LegendBox->setChecked(f.Legend);
  SetPlotLineInfo();
}

void TModPlot::SetPlotLineInfo() {
  ModPlotFields f;
  LoadPlotLine(plot_->Settings, PlotLineBox->currentIndex() + 1, &f);
  SpinLine->SetValue(f.LineStyle);
  SpinSymbol->SetValue(f.Symbol);
  SpinColor->SetValue(f.ColorIndex);
  SmoothingBox->setChecked(f.Smoothing);
}

void TModPlot::PlotLineBoxClick() { SetPlotLineInfo(); }

ModPlotFields TModPlot::ReadControls() const {
  ModPlotFields f;
  const struct {
    ModPlotAxisFields& a;
    const QLineEdit *title, *min, *max, *ticks;
    const QRadioButton* log;
    const QCheckBox* grid;
    const QComboBox *style, *digits;
  } axes[] = {{f.Axis[0], XAxisLabel, MinXV, MaxXV, TicksVX, LogX, XGridlines, XStyle, XDigits},
              {f.Axis[1], YAxisLabel, MinYV, MaxYV, TicksVY, LogY, YGridLines, YStyle, YDigits}};
  for (const auto& c : axes) {
    c.a.Title = c.title->text();
    c.a.MinText = c.min->text();
    c.a.MaxText = c.max->text();
    c.a.TicksText = c.ticks->text();
    c.a.Log = c.log->isChecked();
    c.a.Gridlines = c.grid->isChecked();
    c.a.Style = c.style->currentIndex();
    c.a.Digits = c.digits->currentIndex();
  }
  f.Legend = LegendBox->isChecked();
  f.Line = PlotLineBox->currentIndex() + 1;
  f.LineStyle = SpinLine->Value();
  f.Symbol = SpinSymbol->Value();
  f.ColorIndex = SpinColor->Value();
  f.Smoothing = SmoothingBox->isChecked();
  return f;
}

QWidget* TModPlot::FieldWidget(ModPlotField field) const {
  switch (field) {
    case ModPlotField::XTitle:
      return XAxisLabel;
    case ModPlotField::YTitle:
      return YAxisLabel;
    case ModPlotField::MinX:
      return MinXV;
    case ModPlotField::MaxX:
      return MaxXV;
    case ModPlotField::MinY:
      return MinYV;
    case ModPlotField::MaxY:
      return MaxYV;
    case ModPlotField::TicksX:
      return TicksVX;
    case ModPlotField::TicksY:
      return TicksVY;
    case ModPlotField::None:
      break;
  }
  return nullptr;
}

void TModPlot::OKBtnClick() {
  const ModPlotRefusal refusal = StoreModPlot(ReadControls(), &plot_->Settings);
  if (refusal.Field != ModPlotField::None) {
    auto* edit = static_cast<QLineEdit*>(FieldWidget(refusal.Field));
    if (refusal.Message.isEmpty()) {
      RejectField(edit);
    } else {
      ShowMessageKind(refusal.Message, 0, true);
      edit->setFocus();
      edit->selectAll();
    }
    return;
  }
  changed_ = true;
  if (window_) window_->update();
  accept();
}

void TModPlot::DeleteClick() {
  switch (DeletePlotLine(plot_, PlotLineBox->currentIndex() + 1)) {
    case DeleteLineResult::NoLine:
      return;
    case DeleteLineResult::DeletePlot:
      changed_ = true;
      done(DeletePlotResult);
      return;
    case DeleteLineResult::Deleted:
      changed_ = true;
      if (window_) window_->update();
      accept();
      return;
  }
}

void TModPlot::SpinLineUpClick() { SpinLine->UpClick(); }
void TModPlot::SpinLineDownClick() { SpinLine->DownClick(); }
void TModPlot::SpinSymbolUpClick() { SpinSymbol->UpClick(); }
void TModPlot::SpinSymbolDownClick() { SpinSymbol->DownClick(); }
void TModPlot::SpinColorUpClick() { SpinColor->UpClick(); }
void TModPlot::SpinColorDownClick() { SpinColor->DownClick(); }

bool ShowModifyPlotDlg(PlotModel* plot, QWidget* window, bool* modified) {
  TModPlot dialog(plot, window);
  const int result = dialog.exec();
  if (modified) *modified = dialog.Changed();
  return result == TModPlot::DeletePlotResult;
}

}  // namespace pm
