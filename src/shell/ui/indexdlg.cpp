#include "shell/ui/indexdlg.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "common/ui/dialoglook.h"
#include "formdeck/picturemarkup.h"
#include "formdeck/ui/myimage.h"
#include "platform/help.h"
#include "platform/pathresolver.h"
#include "shell/ui/compiling.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace pm {

namespace {

constexpr int kPreviewWidth = 240;
constexpr int kPreviewHeight = 180;
// The list grows to show its entries whole, up to this width.
constexpr int kListMaxWidth = 720;

QPushButton* MakePush(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setMinimumWidth(77);
  return button;
}

QLabel* MakeTitle(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace

TIndexDlg::TIndexDlg(TOSTRELFORM& main) : QDialog(&main), main_(main) { FormCreate(); }

void TIndexDlg::FormCreate() {
  setObjectName(QStringLiteral("IndexDlg"));
  setWindowTitle(QStringLiteral("Select Project"));
  setFont(DialogFont(false));
  Label1 = MakeTitle(this, "Label1");
  Label2 = MakeTitle(this, "Label2");
  Label3 = MakeTitle(this, "Label3");
  Label1->setFont(DialogFont(true));
  theList = new QListWidget(this);
  theList->setObjectName(QStringLiteral("theList"));
  theList->setSelectionMode(QAbstractItemView::SingleSelection);
  theList->setMinimumSize(200, kPreviewHeight);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(kPreviewWidth + 4, kPreviewHeight + 4);
  Image1->setFrameShape(QFrame::Panel);
  Image1->setFrameShadow(QFrame::Sunken);
  Image1->setAlignment(Qt::AlignCenter);
  OKBtn = MakePush(this, "OKBtn", QStringLiteral("OK"));
  CancelBtn = MakePush(this, "CancelBtn", QStringLiteral("Cancel"));
  HelpBtn = MakePush(this, "HelpBtn", QStringLiteral("&Help"));
  OKBtn->setDefault(true);
  OKBtn->setEnabled(false);

  auto* top = new QVBoxLayout(this);
  top->addWidget(Label1);
  top->addWidget(Label2);
  top->addWidget(Label3);
  auto* middle = new QHBoxLayout;
  middle->addWidget(theList, 1);
  middle->addWidget(Image1, 0, Qt::AlignTop);
  top->addLayout(middle, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  buttons->addWidget(HelpBtn);
  top->addLayout(buttons);

  // Arrow keys select too, so the preview follows them as it follows clicks.
  connect(theList, &QListWidget::itemClicked, this, [this] { theListClick(); });
  connect(theList, &QListWidget::currentRowChanged, this, [this] { theListClick(); });
  connect(theList, &QListWidget::itemDoubleClicked, this, [this] { theListDblClick(); });
  connect(OKBtn, &QPushButton::clicked, this, &TIndexDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, &TIndexDlg::HelpBtnClick);
}

void TIndexDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Not on the way back from a minimized frame: that would clear the choice.
  if (!event->spontaneous()) FormActivate();
}

void TIndexDlg::FormActivate() {
  if (Busy != 0) return;
  const ProjectIndex index = ReadProjectIndex(IndexFile);
  Label1->setText(index.Titles[0]);
  Label2->setText(index.Titles[1]);
  Label3->setText(index.Titles[2]);
  {
    const QSignalBlocker quiet(theList);
    theList->clear();
    objects_.clear();
    for (const ProjectIndexEntry& entry : index.Entries) {
      theList->addItem(entry.Text);
      objects_.push_back(entry.Object);
    }
  }
  const int wanted = theList->sizeHintForColumn(0) + 2 * theList->frameWidth() +
                     theList->verticalScrollBar()->sizeHint().width() + 8;
  theList->setMinimumWidth(std::clamp(wanted, 200, kListMaxWidth));
  ShowPicture(QImage());
  OKBtn->setEnabled(false);
  HelpBtn->setEnabled(true);
}

const myObject* TIndexDlg::SelectedObject() const {
  const int row = theList->currentRow();
  if (row < 0 || row >= static_cast<int>(objects_.size())) return nullptr;
  if (!theList->item(row)->isSelected()) return nullptr;
  return &objects_[static_cast<size_t>(row)];
}

void TIndexDlg::ShowPicture(const QImage& image) {
  picture_ = image;
  if (image.isNull()) {
    Image1->clear();
    return;
  }
  const QSize area(kPreviewWidth, kPreviewHeight);
  Image1->setPixmap(QPixmap::fromImage(image.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TIndexDlg::theListClick() {
  const myObject* object = SelectedObject();
  if (!object) return;
  OKBtn->setEnabled(true);
  HelpBtn->setEnabled(true);
  if (!IsFile(ResolveIndexName(object->Deck, IndexFile))) {
    OKBtn->setEnabled(false);
    ShowPicture(QImage());
    return;
  }
  const QString picture = ResolveIndexName(object->Picture, IndexFile);
  ShowPicture(IsFile(picture) ? LoadPictureFile(picture) : QImage());
  HelpBtn->setEnabled(AreaHelpExists(ResolveIndexName(object->Help, IndexFile)));
}

bool TIndexDlg::OpenSelected(bool* missing) {
  *missing = false;
  const myObject* object = SelectedObject();
  if (!object || Busy != 0 || RunBusy(main_.Runs)) return false;
  const QString deck = ResolveIndexName(object->Deck, IndexFile);
  if (!IsFile(deck)) {
    ShowMessageKind(QStringLiteral("File ") + object->Deck + QStringLiteral(" was not found"), 0, true);
    *missing = true;
    return false;
  }
  Busy = 1;
  DocumentCommands& documents = main_.Documents();
  const OpenResult result = ExtensionKey(deck) == QLatin1String(".PZD") && G().RuntimeMode == 0
                                ? documents.EditPlenzo(deck, 0)
                                : documents.ReadaFile(deck);
  Busy = 0;
  // A refusal in dedicated mode ends the program once the dialog is gone.
  return result == OpenResult::Opened || result == OpenResult::Refused;
}

void TIndexDlg::OKBtnClick() {
  bool missing = false;
  if (OpenSelected(&missing)) {
    accept();
    return;
  }
  if (missing) FormActivate();
}

void TIndexDlg::theListDblClick() {
  if (!SelectedObject()) return;
  bool missing = false;
  if (OpenSelected(&missing) || missing) accept();
}

void TIndexDlg::HelpBtnClick() {
  const myObject* object = SelectedObject();
  const QString file = object ? ResolveIndexName(object->Help, IndexFile) : QString();
  if (AreaHelpExists(file)) {
    OpenAreaHelp(file, 0);
  } else {
    HtmlHelpTopic();
  }
}

}  // namespace pm
