#include "formdeck/ui/plenzoform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/globals.h"
#include "formdeck/formhost.h"
#include "formdeck/sourcecolors.h"
#include "formdeck/ui/formfonts.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "platform/ui/fonts.h"

namespace pm {

QPointer<TPlenzoForm>& PlenzoFormInstance() {
  static QPointer<TPlenzoForm> instance;
  return instance;
}

TPlenzoForm::TPlenzoForm(FormHost* host, QWidget* parent) : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("PlenzoForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  tabControl_ = new TFormTabBar(this, this);
  stack_ = new QStackedWidget(this);
  stack_->setObjectName(QStringLiteral("TabPages"));
  layout->addWidget(tabControl_);
  layout->addWidget(stack_, 1);

  editor_ = new QPlainTextEdit(stack_);
  editor_->setObjectName(QStringLiteral("Editor"));
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setTabChangesFocus(false);
  stack_->addWidget(editor_);
  // Attached while the text is empty, so that no delayed colouring runs
  // later outside the guard of EditorChange.
  highlighter_ = new SourceHighlighter(editor_->document());
  highlighter_->SetStyles(SourceStylesFromSettings());
  connect(editor_, &QPlainTextEdit::textChanged, this, &TPlenzoForm::EditorChange);
  connect(editor_, &QPlainTextEdit::undoAvailable, this, [this](bool available) {
    if (host_ && IsSourceTabCurrent()) host_->SetUndoEnabled(available);
  });
  editor_->viewport()->setMouseTracking(true);
  CreatePopupMenu();

  pages_[0] = new TFormPage(0, stack_);
  stack_->addWidget(pages_[0]);
  stack_->setCurrentWidget(pages_[0]);

  // The glyph of every application-link button; never shown itself.
  myAppButton1_ = new QToolButton(this);
  myAppButton1_->setObjectName(QStringLiteral("myAppButton1"));
  myAppButton1_->resize(myAppButton1_->sizeHint());  // the size of every link button
  myAppButton1_->hide();

  tabControl_->AddNamedTab(QStringLiteral("Plenzo"));
  FormCreate();
  qApp->installEventFilter(this);
}

TPlenzoForm::~TPlenzoForm() {
  qApp->removeEventFilter(this);
  DisposeContent();
}

void TPlenzoForm::FormCreate() {
  setFont(PixelFont(QStringLiteral("MS LineDraw"), 13));
  SetKind(KindFormPages);
  canvasFont_ = QFont(QStringLiteral("Arial"));
  SetPointSizeAt96Dpi(canvasFont_, 11);
  model_.Slots = FormSlots::Defaults();
  WidthOf8 = QFontMetrics(canvasFont_).horizontalAdvance(QLatin1Char('8'));
  LineHeight = GetHeight(canvasFont_) + 4;
  InputWidth = 10 * aveCharWidth(font());
  currentContainer_ = pages_[0]->Content();
  model_.Changed = false;
  SourceFirstLine = 0;
  model_.HighestPage = 0;
  CurrentPage = 0;
  ApplyBackground();
  Hide();
}

void TPlenzoForm::Show() {
  shown_ = true;
  QWidget::show();
  if (subWindow_) subWindow_->show();
  update();
}

void TPlenzoForm::Hide() {
  shown_ = false;
  if (subWindow_) subWindow_->hide();
  QWidget::hide();
}

int TPlenzoForm::GetHeight(const QFont& f) const { return pm::GetHeight(f); }
int TPlenzoForm::GetWidth(const QFont& f, const QString& text) const { return pm::GetWidth(f, text); }
int TPlenzoForm::aveCharWidth(const QFont& f) const { return pm::aveCharWidth(f); }

void TPlenzoForm::SetKind(int kind) {
  SetChildKind(this, kind);
  if (subWindow_) SetChildKind(subWindow_, kind);
}

bool TPlenzoForm::event(QEvent* e) {
  if (e->type() == QEvent::ParentChange) AttachToSubWindow();
  return QWidget::event(e);
}

// Activation of the MDI sub-window is the window's FormActivate.
void TPlenzoForm::AttachToSubWindow() {
  QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (sub == subWindow_) return;
  if (subWindow_) disconnect(subWindow_, nullptr, this, nullptr);
  subWindow_ = sub;
  if (!sub) return;
  sub->setAttribute(Qt::WA_ShowWithoutActivating);
  SetChildKind(sub, ChildKindOf(this));
  connect(sub, &QMdiSubWindow::windowStateChanged, this,
          [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
            if (!(oldState & Qt::WindowActive) && (newState & Qt::WindowActive)) FormActivate();
          });
  if (!shown_) sub->hide();
}

void TPlenzoForm::FormActivate() {
  if (parsing_) return;
  if (host_) host_->SetActiveChild(this);
  if (IsSourceTabCurrent()) {
    stack_->setCurrentWidget(editor_);
    SetKind(KindFormSource);
  } else {
    TFormPage* page = Page(CurrentPage);
    (page ? page : pages_[0])->ShowIn(stack_);
    SetKind(KindFormPages);
  }
  if (host_) host_->UpdateMenu();
}

TFormPage* TPlenzoForm::Page(int index) const {
  return index >= 0 && index < kPageCount ? pages_[static_cast<size_t>(index)] : nullptr;
}

void TPlenzoForm::ClearTabs() {
  while (tabControl_->count() > 0) tabControl_->removeTab(tabControl_->count() - 1);
  tabControl_->hide();
  hasSourceTab_ = false;
}

void TPlenzoForm::AddSourceTab() {
  if (hasSourceTab_) return;
  ClearTabs();
  AddTab(QStringLiteral("Source"));
  hasSourceTab_ = true;
}

bool TPlenzoForm::IsSourceTabCurrent() const { return hasSourceTab_ && tabControl_->currentIndex() == 0; }

int TPlenzoForm::TabCount() const { return tabControl_->count(); }

int TPlenzoForm::FindTab(const QString& name) const { return tabControl_->FindTab(name); }

int TPlenzoForm::AddTab(const QString& name) {
  const int index = tabControl_->AddNamedTab(name);
  tabControl_->show();
  return index;
}

bool TPlenzoForm::HasPage(int index) const { return Page(index) != nullptr; }

void TPlenzoForm::CreatePage(int index) {
  if (index <= 0 || index >= kPageCount || pages_[static_cast<size_t>(index)]) return;
  auto* page = new TFormPage(index, stack_);
  pages_[static_cast<size_t>(index)] = page;
  stack_->addWidget(page);
  page->SetBackground(ToQColor(model_.Background));
}

void TPlenzoForm::UsePageAsContainer(int index) {
  TFormPage* page = Page(index);
  currentContainer_ = page ? page->Content() : pages_[0]->Content();
}

void TPlenzoForm::ApplyBackground() {
  for (TFormPage* page : pages_) {
    if (page) page->SetBackground(ToQColor(model_.Background));
  }
}

}  // namespace pm
