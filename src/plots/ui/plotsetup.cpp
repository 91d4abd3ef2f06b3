#include "plots/ui/plotsetup.h"

#include "common/filenames.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/ui/waitcursor.h"
#include "plots/plotdrawing.h"
#include "plots/ui/plotform.h"
#include "plots/ui/plothost.h"
#include "plots/ui/plotsamples.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace pm {

struct TPlotSetup::AxisControls {
  QListWidget* List;
  QLineEdit* Min;
  QLineEdit* Max;
  QLineEdit* Ticks;
  QRadioButton* Linear;
  QRadioButton* Log;
  QComboBox* Style;
  QComboBox* Digits;
};

namespace {

QString Text(const std::string& bytes) { return FromCp1252(bytes); }

// The rows of a list in list order.
std::vector<int> SelectedRows(const QListWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) rows.push_back(i);
  return rows;
}

QLineEdit* NumberField(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  // Room for "-1.234E+05" and the frame.
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-1.234E+05")) + 14);
  return edit;
}

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace

TPlotSetup::TPlotSetup(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Plot Setup"));
  PlotFileList = new QComboBox(this);
  PlotFileList->setEditable(false);
  PlotFileList->setMinimumContentsLength(24);
  PlotFileList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  const auto makeAxis = [this](const QString& title, bool multiple, AxisControls* c) {
    auto* group = new QGroupBox(title, this);
    c->List = new QListWidget(group);
    c->List->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    c->List->setMinimumWidth(c->List->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('W'))) / 2 +
                             c->List->fontMetrics().horizontalAdvance(QString(10, QLatin1Char('n'))) + 24);
    c->List->setMinimumHeight(150);
    c->Min = NumberField(group);
    c->Max = NumberField(group);
    c->Ticks = NumberField(group);
    c->Ticks->setText(QStringLiteral("5"));
    c->Linear = new QRadioButton(QStringLiteral("Linear"), group);
    c->Log = new QRadioButton(QStringLiteral("Log"), group);
    c->Linear->setChecked(true);
    c->Style = new QComboBox(group);
    c->Style->addItems({QStringLiteral("F"), QStringLiteral("E")});
    c->Digits = new QComboBox(group);
    for (int d = 0; d <= 9; ++d) c->Digits->addItem(QString::number(d));
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Min"), group), 0, 0);
    fields->addWidget(c->Min, 0, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Max"), group), 1, 0);
    fields->addWidget(c->Max, 1, 1, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("No. of Ticks"), group), 2, 0);
    fields->addWidget(c->Ticks, 2, 1, 1, 2);
    fields->addWidget(c->Linear, 3, 1);
    fields->addWidget(c->Log, 3, 2);
    fields->addWidget(new QLabel(QStringLiteral("Format"), group), 4, 0);
    fields->addWidget(c->Style, 4, 1);
    fields->addWidget(c->Digits, 4, 2);
    fields->setRowStretch(5, 1);
    auto* row = new QHBoxLayout(group);
    row->addWidget(c->List, 1);
    row->addLayout(fields);
    return group;
  };
  AxisControls x{};
  AxisControls y{};
  QGroupBox* xGroup = makeAxis(QStringLiteral("X-Axis"), false, &x);
  QGroupBox* yGroup = makeAxis(QStringLiteral("Y-Axis"), true, &y);
  ListBoxX = x.List, MinXV = x.Min, MaxXV = x.Max, TicksVX = x.Ticks, LinearX = x.Linear, LogX = x.Log;
  XStyle = x.Style, XDigits = x.Digits;
  ListBoxY = y.List, MinYV = y.Min, MaxYV = y.Max, TicksVY = y.Ticks, LinearY = y.Linear, LogY = y.Log;
  YStyle = y.Style, YDigits = y.Digits;

  FromRowV = new QLineEdit(QStringLiteral("1"), this);
  ToRowV = new QLineEdit(QStringLiteral("20"), this);
  for (QLineEdit* e : {FromRowV, ToRowV})
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("10000000")) + 14);
  SpinLine = new PlotSampleSpin(PlotSample::Kind::Line, this);
  SpinSymbol = new PlotSampleSpin(PlotSample::Kind::Symbol, this);
  SpinColor = new PlotSampleSpin(PlotSample::Kind::Color, this);
  SpinLine->SetValue(1);
  SmoothingBox = new QCheckBox(QStringLiteral("Smoothing"), this);
  LegendBox = new QCheckBox(QStringLiteral("Legend"), this);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  OKBtn->setDefault(true);

  auto* lines = new QGridLayout;
  lines->addWidget(new QLabel(QStringLiteral("From Row"), this), 0, 0);
  lines->addWidget(FromRowV, 0, 1);
  lines->addWidget(new QLabel(QStringLiteral("To Row"), this), 1, 0);
  lines->addWidget(ToRowV, 1, 1);
  lines->setColumnMinimumWidth(2, 16);
  lines->addWidget(new QLabel(QStringLiteral("Line"), this), 0, 3);
  lines->addWidget(SpinLine, 1, 3);
  lines->addWidget(new QLabel(QStringLiteral("Symbol"), this), 0, 4);
  lines->addWidget(SpinSymbol, 1, 4);
  lines->addWidget(new QLabel(QStringLiteral("Color"), this), 0, 5);
  lines->addWidget(SpinColor, 1, 5);
  lines->setColumnMinimumWidth(6, 16);
  lines->addWidget(SmoothingBox, 0, 7);
  lines->addWidget(LegendBox, 1, 7);
  lines->setColumnStretch(8, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);

  auto* axes = new QHBoxLayout;
  axes->addWidget(xGroup);
  axes->addWidget(yGroup);
  auto* top = new QVBoxLayout(this);
  top->addWidget(PlotFileList);
  top->addLayout(axes);
  top->addLayout(lines);
  top->addLayout(buttons);

  CreatePlotWindow = [](PlotModel&& plot, const QString& caption) { NewPlotWindow(std::move(plot), caption); };

  connect(PlotFileList, &QComboBox::activated, this, [this] { PlotFileListChange(); });
  connect(ListBoxX, &QListWidget::itemSelectionChanged, this, [this] { ListBoxXClick(); });
  connect(ListBoxY, &QListWidget::itemSelectionChanged, this, [this] { ListBoxYClick(); });
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

TPlotSetup::AxisControls TPlotSetup::Axis(int axis) const {
  if (axis == 1) return {ListBoxX, MinXV, MaxXV, TicksVX, LinearX, LogX, XStyle, XDigits};
  return {ListBoxY, MinYV, MaxYV, TicksVY, LinearY, LogY, YStyle, YDigits};
}

void TPlotSetup::SetNewPlot(const QString& inputFileName, const QString& pltFileName) {
  DataFileName = inputFileName;
  Overlay = false;
  OverlayPlot = nullptr;
  preselect_ = {pltFileName, ChangeExt(inputFileName, QStringLiteral(".PLT"))};
}

void TPlotSetup::SetOverlay(const QString& pltFileName, TPlotForm* window) {
  DataFileName = pltFileName;
  Overlay = true;
  OverlayPlot = window;
  preselect_ = {pltFileName};
}

void TPlotSetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TPlotSetup::done(int result) {
  // However it closes, the columns go and the caller's file comes back.
  Data = PlotData();
  DataFileName = SavedFileName;
  QDialog::done(result);
}

// The first entry of the list that is the same file as one of the
// preselections, in their order.
QString TPlotSetup::Preselect() const {
  for (const QString& name : preselect_) {
    if (name.isEmpty()) continue;
    const QFileInfo wanted(StripQuotes(name));
    for (int i = 0; i < PlotFileList->count(); ++i) {
      const QString path = PlotFileList->itemData(i).toString();
      if (path == wanted.absoluteFilePath() || (wanted.exists() && QFileInfo(path) == wanted)) return path;
    }
  }
  return QString();
}

void TPlotSetup::FormActivate() {
  SavedFileName = DataFileName;
  if (!Overlay) {
    EnableAxes(true);
    SpinLine->SetValue(1);
    SpinSymbol->SetValue(0);
    SpinColor->SetValue(0);
    SmoothingBox->setChecked(false);
    TicksVX->setText(QStringLiteral("5"));
    TicksVY->setText(QStringLiteral("5"));
    LinearX->setChecked(true);
    LinearY->setChecked(true);
    LogX->setEnabled(false);
    LogY->setEnabled(false);
    XStyle->setCurrentIndex(0);
    YStyle->setCurrentIndex(0);
  }
  FillPlotFileList();
  if (Overlay && OverlayPlot) {
    const TPlotSettings& s = OverlayPlot->Plot().Settings;
    const int last = std::clamp(s.LineCount, 1, kPlotMaxLines);
    const TPlotLine& line = s.Lines[last];
    const auto select = [](QListWidget* list, int row) {
      list->clearSelection();
      list->setCurrentRow(-1);
      if (row >= 0 && row < list->count()) list->item(row)->setSelected(true);
    };
    select(ListBoxX, s.LineCount > 0 ? line.XColumn : -1);
    select(ListBoxY, s.LineCount > 0 ? line.YColumn : -1);
    (s.XLog ? LogX : LinearX)->setChecked(true);
    (s.YLog ? LogY : LinearY)->setChecked(true);
    EnableAxes(false);
    XStyle->setCurrentIndex(s.XFormat.Fixed == 1 ? 0 : 1);
    YStyle->setCurrentIndex(s.YFormat.Fixed == 1 ? 0 : 1);
    XDigits->setCurrentIndex(std::clamp<int>(s.XFormat.Digits, 0, 9));
    YDigits->setCurrentIndex(std::clamp<int>(s.YFormat.Digits, 0, 9));
    TicksVX->setText(QString::number(s.XTicks));
    TicksVY->setText(QString::number(s.YTicks));
    MinMax(1);
    MinMax(2);
  }
  UpdateOk();
}

void TPlotSetup::EnableAxes(bool enabled) {
  for (int axis = 1; axis <= 2; ++axis) {
    const AxisControls c = Axis(axis);
    for (QWidget* w : std::initializer_list<QWidget*>{c.Min, c.Max, c.Ticks, c.Linear, c.Log, c.Style, c.Digits})
      w->setEnabled(enabled);
  }
}

void TPlotSetup::FillPlotFileList() {
  PlotFileList->clear();
  const QString folder = QFileInfo(StripQuotes(DataFileName)).absolutePath();
  for (const QString& path : PlotFilesIn(DataFileName.isEmpty() ? QString() : folder, false))
    PlotFileList->addItem(QFileInfo(path).fileName(), path);
  if (PlotFileList->count() == 0) {
    // Nothing to plot: no columns, empty fields, no OK.
    Data = PlotData();
    ListBoxX->clear();
    ListBoxY->clear();
    for (QLineEdit* e : {MinXV, MaxXV, MinYV, MaxYV, FromRowV, ToRowV}) e->clear();
    UpdateOk();
    return;
  }
  const QString chosen = Preselect();
  PlotFileList->setCurrentIndex(std::max(0, PlotFileList->findData(chosen)));
  PlotFileListChange();
}

void TPlotSetup::PlotFileListChange() {
  DataFileName = PlotFileList->currentData().toString();
  {
    WaitCursor wait;
    ReadPlt(DataFileName, &Data);
  }
  SetXList();
  SetYList();
  SetRows();
}

void TPlotSetup::SetXList() {
  const QSignalBlocker block(ListBoxX);
  ListBoxX->clear();
  for (const PlotDataColumn& c : Data.Columns) ListBoxX->addItem(Text(c.Name));
  if (ListBoxX->count() > 0) ListBoxX->setCurrentRow(0);
  ListBoxXClick();
}

void TPlotSetup::SetYList() {
  const QSignalBlocker block(ListBoxY);
  ListBoxY->clear();
  for (const PlotDataColumn& c : Data.Columns) ListBoxY->addItem(Text(c.Name));
  if (ListBoxY->count() > 1) ListBoxY->item(1)->setSelected(true);
  ListBoxYClick();
}

void TPlotSetup::SetRows() {
  FromRowV->setText(QStringLiteral("1"));
  ToRowV->setText(QString::number(Data.RowCount));
}

void TPlotSetup::ListBoxXClick() {
  MinMax(1);
  UpdateOk();
}

void TPlotSetup::ListBoxYClick() {
  if (!SelectedRows(ListBoxY).empty()) MinMax(2);
  UpdateOk();
}

void TPlotSetup::UpdateOk() {
  OKBtn->setEnabled(Data.RowCount > 0 && !SelectedRows(ListBoxX).empty() && !SelectedRows(ListBoxY).empty());
}

void TPlotSetup::MinMax(int axis) {
  const AxisControls c = Axis(axis);
  if (Overlay && OverlayPlot) {
    const TPlotSettings& s = OverlayPlot->Plot().Settings;
    const TNumberFormat f = axis == 1 ? s.XFormat : s.YFormat;
    c.Min->setText(QString::fromStdString(FormatNumber(f, axis == 1 ? s.XMin : s.YMin)));
    c.Max->setText(QString::fromStdString(FormatNumber(f, axis == 1 ? s.XMax : s.YMax)));
    return;
  }
  const std::vector<int> columns = SelectedRows(c.List);
  if (Data.RowCount == 0 || columns.empty()) {
    // No column, or a column without rows: nothing to propose.
    if (axis == 1 || Data.RowCount == 0) {
      c.Min->clear();
      c.Max->clear();
    }
    return;
  }
  long double lo = 0;
  long double hi = 0;
  GetAxisDataRange(Data, columns, &lo, &hi);
  int ticks = 5;
  ReadInteger(Latin1(c.Ticks->text()), &ticks);
  const AxisProposal p = ScaleMinMax(lo, hi, ticks, c.Digits->currentIndex());
  c.Digits->setCurrentIndex(std::clamp(p.Digits, 0, 9));
  c.Min->setText(QString::fromStdString(FormatNumber(ChooseNumberFormat(p.Digits + 1, p.Min), p.Min)));
  c.Max->setText(QString::fromStdString(FormatNumber(ChooseNumberFormat(p.Digits + 1, p.Max), p.Max)));
  c.Ticks->setText(QString::number(p.Ticks));
}

bool TPlotSetup::ReadTicks(QLineEdit* edit, int* ticks) {
  if (!ReadInteger(Latin1(edit->text()), ticks)) {
    ShowMessageKind(NotIntegerMessage(edit->text()), 0, false);
    edit->setFocus();
    edit->selectAll();
    return false;
  }
  if (*ticks < 1 || *ticks > kPlotTickLimit) {
    RejectField(edit);
    return false;
  }
  return true;
}

void TPlotSetup::OKBtnClick() {
  const std::vector<int> xs = SelectedRows(ListBoxX);
  const std::vector<int> ys = SelectedRows(ListBoxY);
  if (Data.RowCount == 0 || xs.empty() || ys.empty()) return;
  if (Overlay && !OverlayPlot) return;
  const int first = Overlay ? std::max(0, OverlayPlot->Plot().Settings.LineCount) + 1 : 1;
  if (first - 1 + static_cast<int>(ys.size()) > kPlotMaxLines) {
    ShowMessageKind(QStringLiteral("A plot can hold at most 50 lines."), 0, true);
    return;
  }
  // Every field is read before anything changes.
  TPlotSettings s = Overlay ? OverlayPlot->Plot().Settings : TPlotSettings{};
  if (!Overlay) {
    bool ok = false;
    s.XMin = ReadNumberEdit(MinXV, 0, 0, 0, &ok);
    if (!ok) return;
    s.XMax = ReadNumberEdit(MaxXV, 1, s.XMin, 0, &ok);
    if (!ok) return;
    s.YMin = ReadNumberEdit(MinYV, 0, 0, 0, &ok);
    if (!ok) return;
    s.YMax = ReadNumberEdit(MaxYV, 1, s.YMin, 0, &ok);
    if (!ok) return;
    int xTicks = 0;
    int yTicks = 0;
    if (!ReadTicks(TicksVX, &xTicks) || !ReadTicks(TicksVY, &yTicks)) return;
    s.XTicks = xTicks;
    s.YTicks = yTicks;
    s.XGridlines = 0;
    s.YGridlines = 0;
    s.XMinorTicks = 1;
    s.YMinorTicks = 1;
    s.XLog = LogX->isChecked() ? 1 : 0;
    s.YLog = LogY->isChecked() ? 1 : 0;
    s.XFormat = TNumberFormat{static_cast<std::uint8_t>(XStyle->currentText() == QLatin1String("F") ? 1 : 0),
                              static_cast<std::int16_t>(XDigits->currentIndex())};
    s.YFormat = TNumberFormat{static_cast<std::uint8_t>(YStyle->currentText() == QLatin1String("F") ? 1 : 0),
                              static_cast<std::int16_t>(YDigits->currentIndex())};
  }
  int fromRow = 1;
  if (!ReadInteger(Latin1(FromRowV->text()), &fromRow) || fromRow < 1) fromRow = 1;
  if (fromRow > Data.RowCount) {
    RejectField(FromRowV);
    return;
  }
  int toRow = 0;
  if (!ReadInteger(Latin1(ToRowV->text()), &toRow)) {
    RejectField(ToRowV);
    return;
  }
  if (toRow > Data.RowCount || toRow <= fromRow) toRow = Data.RowCount;

  // Everything read: build the block and the points.
  if (!Overlay) LastPlotNumber = GetPlotHost() ? GetPlotHost()->NextPlotNumber() : LastPlotNumber + 1;
  PlotBuffer() = s;
  TPlotSettings& b = PlotBuffer();
  b.LineCount = first - 1 + static_cast<int>(ys.size());
  b.ShowLegend = LegendBox->isChecked() ? 1 : 0;
  const int x = xs.front();
  const PlotDataColumn& xc = Data.Columns[static_cast<size_t>(x)];
  PlotModel model;
  PlotModel& target = Overlay ? OverlayPlot->Plot() : model;
  int k = first;
  for (int y : ys) {
    const PlotDataColumn& yc = Data.Columns[static_cast<size_t>(y)];
    TPlotLine line;
    line.LineNumber = k;
    line.RowCount = Data.RowCount;
    line.XColumn = x;
    line.YColumn = y;
    line.XName.Set(std::string_view(xc.Name).substr(0, kPlotNameLength));
    line.XUnit.Set(std::string_view(xc.Unit).substr(0, kPlotNameLength));
    line.YName.Set(std::string_view(yc.Name).substr(0, kPlotNameLength));
    line.YUnit.Set(std::string_view(yc.Unit).substr(0, kPlotNameLength));
    if (k == 1) {
      b.XTitle.Set(std::string_view(xc.Name + " " + xc.Unit).substr(0, 30));
      b.YTitle.Set(std::string_view(yc.Name + " " + yc.Unit).substr(0, 30));
    }
    line.FromRow = fromRow;
    line.ToRow = toRow;
    line.LineStyle = SpinLine->Value();
    line.Symbol = SpinSymbol->Value() == 0 ? 0 : SpinSymbol->Value() + (k - first);
    line.ColorIndex = SpinColor->Value() + (k - first);
    line.Smoothing = SmoothingBox->isChecked() ? 1 : 0;
    line.PointCount = toRow - fromRow + 1;
    PlotLinePoints& points = target.Points[k];
    points.X.assign(xc.Data.begin() + (fromRow - 1), xc.Data.begin() + toRow);
    points.Y.assign(yc.Data.begin() + (fromRow - 1), yc.Data.begin() + toRow);
    b.Lines[k] = line;
    ++k;
  }
  target.Settings = b;
  const QString caption = QStringLiteral("Plot %1: from %2").arg(LastPlotNumber).arg(QFileInfo(DataFileName).fileName());
  accept();
  if (Overlay) {
    OverlayPlot->MarkChanged();
    OverlayPlot->PlotChanged();
  } else if (CreatePlotWindow) {
    CreatePlotWindow(std::move(model), caption);
  }
}

void TPlotSetup::CancelBtnClick() { reject(); }

}  // namespace pm
