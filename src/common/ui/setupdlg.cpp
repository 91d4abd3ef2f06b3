#include "common/ui/setupdlg.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "common/ui/dialoglook.h"
#include "common/ui/linkglyphs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace pm {

namespace {

constexpr char kTag[] = "Tag";

int TagOf(const QObject* control) { return control ? control->property(kTag).toInt() : 0; }

QString Number(int n) { return IntToShortText(n, 255); }

}  // namespace

TSetupDlg::TSetupDlg(QWidget* parent) : QDialog(parent) { FormCreate(); }

void TSetupDlg::FormCreate() {
  setObjectName(QStringLiteral("SetupDlg"));
  setWindowTitle(QStringLiteral("Mivaro Setup"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(DialogFont(true));

  TabSet = new QTabWidget(this);
  TabSet->setObjectName(QStringLiteral("TabSet"));
  TabSet->setTabPosition(QTabWidget::South);
  TabSet->addTab(MakePlenzoPage(), QStringLiteral("Plenzo"));
  TabSet->addTab(MakeLinksPage(), QStringLiteral("Links"));
  TabSet->addTab(MakeFontPage(), QStringLiteral("Font"));

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  Store = new QPushButton(QStringLiteral("Store"), this);
  Store->setObjectName(QStringLiteral("Store"));
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  // Only a holder of the default glyph; it has no click handler.
  SpeedButton[0] = new QToolButton(this);
  SpeedButton[0]->setObjectName(QStringLiteral("SpeedButton0"));
  SpeedButton[0]->setProperty(kTag, 2);
  SpeedButton[0]->setIcon(LinkGlyphStore().icon(0));
  SpeedButton[0]->hide();
  connect(OKBtn, &QPushButton::clicked, this, &TSetupDlg::OKBtnClick);
  connect(Store, &QPushButton::clicked, this, &TSetupDlg::StoreClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TSetupDlg::CancelBtnClick);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(OKBtn);
  buttons->addWidget(Store);
  buttons->addWidget(CancelBtn);
  buttons->addStretch();
  buttons->addWidget(SpeedButton[0]);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(TabSet, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  HelpAction = AddHelpAction(this, [this] {
    if (helpRoutine_) helpRoutine_(kSetupHelpContext);
  });
}

QWidget* TSetupDlg::MakePlenzoPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("PlenzoPage"));
  PlenzoGroup = new QGroupBox(QStringLiteral("Plenzo"), page);
  PlenzoGroup->setObjectName(QStringLiteral("PlenzoGroup"));

  UnitBox = new QGroupBox(QStringLiteral("Units"), PlenzoGroup);
  UnitBox->setObjectName(QStringLiteral("UnitBox"));
  SIB = new QRadioButton(QStringLiteral("Primary units"), UnitBox);
  SIB->setObjectName(QStringLiteral("SIB"));
  English = new QRadioButton(QStringLiteral("Secondary units"), UnitBox);
  English->setObjectName(QStringLiteral("English"));
  auto* units = new QVBoxLayout(UnitBox);
  units->addWidget(SIB);
  units->addWidget(English);

  IncludeBox = MakeIncludeBox(QStringLiteral("Include Defaults"), PlenzoGroup, &Header, &Simulationcard);

  SaveDeckNamesCB = new QCheckBox(QStringLiteral("Save file names after running table"), PlenzoGroup);
  SaveDeckNamesCB->setObjectName(QStringLiteral("SaveDeckNamesCB"));

  auto* group = new QGridLayout(PlenzoGroup);
  group->addWidget(UnitBox, 0, 0);
  group->addWidget(IncludeBox, 0, 1);
  group->addWidget(SaveDeckNamesCB, 1, 0, 1, 2);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(PlenzoGroup);
  layout->addStretch();
  return page;
}

QWidget* TSetupDlg::MakeLinksPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("LinksPage"));
  GroupBox2 = new QGroupBox(QStringLiteral("Link File Application Names"), page);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  auto* grid = new QGridLayout(GroupBox2);
  auto* hint = new QLabel(QStringLiteral("Leave field blank to automatically search for application."), GroupBox2);
  hint->setObjectName(QStringLiteral("LinkHint"));
  QPalette navy = hint->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  hint->setPalette(navy);
  grid->addWidget(hint, 0, 0, 1, 3);
  for (int k = 1; k <= 4; ++k) {
    grid->addWidget(new QLabel(Number(k) + QLatin1Char('.'), GroupBox2), k, 0);
    QLineEdit*& edit = LinkFileE[static_cast<size_t>(k)];
    edit = new QLineEdit(QStringLiteral(" "), GroupBox2);
    edit->setObjectName(QStringLiteral("LinkFile") + Number(k) + QLatin1Char('E'));
    edit->setMinimumWidth(300);
    grid->addWidget(edit, k, 1);
    QToolButton*& button = SpeedButton[static_cast<size_t>(k)];
    button = new QToolButton(GroupBox2);
    button->setObjectName(QStringLiteral("SpeedButton") + Number(k));
    button->setProperty(kTag, k);
    button->setFixedSize(25, 25);
    button->setIconSize(QSize(16, 16));
    connect(button, &QToolButton::clicked, this, [this, button] { SpeedButton1Click(button); });
    grid->addWidget(button, k, 2);
  }
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(GroupBox2);
  layout->addStretch();
  return page;
}

QWidget* TSetupDlg::MakeFontPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("FontPage"));
  FontBox = new QComboBox(page);
  FontBox->setObjectName(QStringLiteral("FontBox"));
  SizeSpin = new QSpinBox(page);
  SizeSpin->setObjectName(QStringLiteral("SizeSpin"));
  SizeSpin->setRange(6, 50);
  auto* top = new QGridLayout;
  top->addWidget(new QLabel(QStringLiteral("Font Name"), page), 0, 0);
  top->addWidget(FontBox, 1, 0);
  top->addWidget(new QLabel(QStringLiteral("Font Size"), page), 0, 1);
  top->addWidget(SizeSpin, 1, 1);

  GroupBox1 = new QGroupBox(QStringLiteral("Plenzo Editor Text"), page);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* grid = new QGridLayout(GroupBox1);
  const char* const rows[] = {"Ostrel commands", "Disabled commands", "Quorvel comments", "Quorvel keywords"};
  for (int k = 1; k <= 4; ++k) {
    grid->addWidget(new QLabel(QLatin1String(rows[k - 1]), GroupBox1), k - 1, 0);
    QFrame*& box = ColorBox[static_cast<size_t>(k)];
    box = new QFrame(GroupBox1);
    box->setObjectName(QStringLiteral("Color") + Number(k) + QStringLiteral("Box"));
    box->setProperty(kTag, k);
    box->setFrameShape(QFrame::Box);
    box->setFixedSize(40, 17);
    box->setAutoFillBackground(true);
    box->setCursor(Qt::PointingHandCursor);
    box->installEventFilter(this);
    grid->addWidget(box, k - 1, 1);
    QComboBox*& combo = ComboBox[static_cast<size_t>(k)];
    combo = new QComboBox(GroupBox1);
    combo->setObjectName(QStringLiteral("ComboBox") + Number(k));
    combo->setProperty(kTag, k);
    combo->addItems({QStringLiteral("Normal"), QStringLiteral("Bold"), QStringLiteral("Italic"),
                     QStringLiteral("Underline")});
    connect(combo, &QComboBox::activated, this, [this, combo] { ComboBox1Click(combo); });
    grid->addWidget(combo, k - 1, 2);
  }
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addWidget(GroupBox1);
  layout->addStretch();
  return page;
}

void TSetupDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

bool TSetupDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int k = 1; k <= 4; ++k) {
      if (watched == ColorBox[static_cast<size_t>(k)]) {
        Color1BoxMouseDown(ColorBox[static_cast<size_t>(k)]);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSetupDlg::FormActivate() {
  const DefaultSettingsRecord& s = DefaultSettings();
  (s.UnitSystem == 1 ? SIB : English)->setChecked(true);
  Header->setChecked(s.IncludeHeader == 1);
  Simulationcard->setChecked(s.IncludeSimulationCard == 1);
  SaveDeckNamesCB->setChecked(s.SaveDeckNames != 0);

  bitmaps_ = LinkButtonBitmaps();
  for (int k = 1; k <= 4; ++k) {
    LinkFileE[static_cast<size_t>(k)]->setText(s.AppLinkPaths[k]);
    SpeedButton[static_cast<size_t>(k)]->setIcon(LinkGlyphStore().icon(k));
  }

  SizeSpin->setValue(s.SourceFontSize < 1 ? 10 : s.SourceFontSize);
  FontBox->clear();
  for (int i = 0; i <= 4; ++i) FontBox->addItem(FontNameByIndex(i));
  // An index the list does not hold shows the font FontNameByIndex gives it.
  FontBox->setCurrentIndex(FontBox->findText(FontNameByIndex(s.SourceFontIndex)));

  for (int k = 1; k <= 4; ++k) {
    colors_[static_cast<size_t>(k)] = s.EditorColors[k];
    PaintColorBox(k);
    // A style the list does not hold shows "Normal" and is kept unless chosen.
    const int style = s.EditorStyles[k];
    ComboBox[static_cast<size_t>(k)]->setCurrentIndex(style >= 0 && style <= 3 ? style : 0);
    styleChosen_[static_cast<size_t>(k)] = false;
  }
}

void TSetupDlg::PaintColorBox(int k) {
  QFrame* box = ColorBox[static_cast<size_t>(k)];
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, ToQColor(colors_[static_cast<size_t>(k)]));
  box->setPalette(palette);
}

void TSetupDlg::SpeedButton1Click(QToolButton* button) {
  const int k = TagOf(button);
  FileDialogRequest request;
  request.title = QStringLiteral("Select a bitmap for the button (16 x 16 or 32 x 16 pixels)");
  request.filter = QStringLiteral("Bitmaps (*.bmp)");
  request.defaultSuffix = QStringLiteral("bmp");
  const QString file = ui().openFileName(this, request);
  if (file.isEmpty() || k < 1 || k > 4) return;
  LinkGlyph glyph;
  if (!LoadLinkGlyph(file, &glyph)) {
    ShowMessageKind(QStringLiteral("The file ") + file + QStringLiteral(" could not be read as a bitmap."), 0, true);
    return;
  }
  // Shown on the dialog's own button only; the shared glyphs change at OK.
  bitmaps_[k] = file;
  button->setIcon(glyph.icon);
}

void TSetupDlg::Color1BoxMouseDown(QFrame* box) {
  const int k = TagOf(box);
  if (k < 1 || k > 4) return;
  const std::optional<QColor> chosen =
      ui().color(this, ToQColor(colors_[static_cast<size_t>(k)]), ColorDialogCustomColors());
  if (!chosen) return;
  colors_[static_cast<size_t>(k)] = FromQColor(*chosen);
  PaintColorBox(k);
}

void TSetupDlg::ComboBox1Click(QComboBox* box) {
  const int k = TagOf(box);
  if (k >= 1 && k <= 4) styleChosen_[static_cast<size_t>(k)] = true;
}

bool TSetupDlg::ReadControls(Values* values) {
  values->settings = DefaultSettings();
  values->bitmaps = bitmaps_;
  DefaultSettingsRecord& s = values->settings;
  s.UnitSystem = SIB->isChecked() ? 1 : 2;
  s.Reserved12 = {1, 0, 0};
  s.IncludeHeader = Header->isChecked() ? 1 : 0;
  s.IncludeSimulationCard = Simulationcard->isChecked() ? 1 : 0;
  s.SaveDeckNames = SaveDeckNamesCB->isChecked() ? 1 : 0;
  s.SourceFontSize = static_cast<std::int16_t>(SizeSpin->value());
  s.SourceFontIndex = static_cast<std::int16_t>(FontBox->currentIndex());

  for (int k = 1; k <= 4; ++k) {
    QLineEdit* edit = LinkFileE[static_cast<size_t>(k)];
    QString path = edit->text();
    const qsizetype cut = path.indexOf(QLatin1Char(kLinkBitmapSeparator));
    if (cut >= 0) path.truncate(cut);
    const TextFit fit = CheckLinkEntry(path, values->bitmaps[k]);
    if (fit != TextFit::Fits) {
      const QString text =
          fit == TextFit::TooLong
              ? QStringLiteral("The entry of link ") + Number(k) +
                    QStringLiteral(" is too long: the program name, together with its bitmap file name, "
                                   "must fit in 255 characters.")
              : QStringLiteral("The entry of link ") + Number(k) +
                    QStringLiteral(" holds characters that cannot be stored in the settings file.");
      ShowMessageKind(text, 0, true);
      TabSet->setCurrentIndex(1);
      edit->setFocus();
      edit->selectAll();
      return false;
    }
    s.AppLinkPaths[k] = path;
  }
  s.AppLinkPaths[5].clear();
  values->bitmaps[5].clear();

  for (int k = 1; k <= 4; ++k) {
    s.EditorColors[k] = colors_[static_cast<size_t>(k)];
    if (styleChosen_[static_cast<size_t>(k)]) s.EditorStyles[k] = ComboBox[static_cast<size_t>(k)]->currentIndex();
  }
  return true;
}

void TSetupDlg::ApplyUnitSystem(int unitSystem) {
  if (unitSystemRoutine_)
    unitSystemRoutine_(unitSystem);
  else
    DefaultSettings().UnitSystem = unitSystem;
}

void TSetupDlg::Commit(const Values& values) {
  ApplyUnitSystem(values.settings.UnitSystem);
  DefaultSettings() = values.settings;
  LinkButtonBitmaps() = values.bitmaps;
  LinkGlyphStore().Load(LinkButtonBitmaps());
}

void TSetupDlg::OKBtnClick() {
  Values values;
  if (!ReadControls(&values)) return;
  Commit(values);
  accept();
}

void TSetupDlg::CancelBtnClick() { reject(); }

void TSetupDlg::StoreClick() {
  Values values;
  if (!ReadControls(&values)) return;
  const QString path = SettingsFilePath(G().ProgramFolder);
  const int err = WriteSettingsFile(path, values.settings, values.bitmaps);
  if (err != 0) {
    ShowMessageKind(WriteErrorMessage(err, path), 0, true);
    return;
  }
  Commit(values);
  accept();
}

}  // namespace pm
