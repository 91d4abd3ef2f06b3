#pragma once

#include <QFont>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

#include "formdeck/formbuilder.h"
#include "formdeck/formmodel.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/elementform.h"
#include "formdeck/workingcopy.h"

class QAbstractButton;
class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;
class QWheelEvent;
class QStackedWidget;
class QToolButton;

namespace pm {

class FormHost;
class SourceHighlighter;
class TFindDialog;
class TReplaceDialog;
class TFormPage;
class TFormTabBar;
class TInput;
struct WriteBackItem;

// The window that shows one Plenzo deck as a form: a tab control whose tabs
// are the form pages and, when the opener asked for it, a first tab "Source"
// with the deck text. The shell places it in an MDI sub-window.
//
// Opening a deck (the shell):
//   auto* form = new TPlenzoForm(host);
//   mdiArea->addSubWindow(form);
//   form->ClearTabs();
//   if (withSource) form->AddSourceTab();
//   form->SetWorkingCopy(folderOfDeck + "/~temp.pzd");  // after making the copy
//   form->ReadDeck(path);
//   if (withSource) form->LoadEditor(path);
//   form->ShowTab(0);  // the Source tab, or the first form page
class TPlenzoForm : public QWidget, public FormBuilder, public ElementForm {
  Q_OBJECT
 public:
  explicit TPlenzoForm(FormHost* host, QWidget* parent = nullptr);
  ~TPlenzoForm() override;

  // The model of the form (slots, commands, elements).
  FormModel& Model() override { return model_; }
  const FormModel& Model() const { return model_; }
  const QString& FileName() const { return model_.FileName; }

  // Tabs as the opener sets them up before ReadDeck. The Source tab is fixed
  // for the window's life once added.
  void ClearTabs();
  void AddSourceTab();
  bool HasSourceTab() const override { return hasSourceTab_; }
  bool IsSourceTabCurrent() const;
  // Programmatic tab change: selects the tab and runs TabControlChange.
  void ShowTab(int index);
  // A tab change by the user: TabControlChanging may refuse it; the tab is
  // found again by name afterwards, since leaving the Source tab rebuilds
  // the tabs.
  void UserSelectsTab(int index);

  // The restore point made by the opener beside the deck.
  void SetWorkingCopy(const QString& path) { workingCopy_.Set(path); }
  QString WorkingCopyPath() const { return workingCopy_.Path(); }
  // After an explicit save: the restore point takes the deck as saved.
  int RefreshWorkingCopy();

  // Reads the deck into the form and shows it, or leaves it hidden when the
  // parse reported an error. The parse makes the deck's folder current, so
  // the opener passes an absolute path.
  void ReadDeck(const QString& fileName);

  void Show();
  void Hide();
  bool Shown() const { return shown_; }

  // Measures on the window's canvas.
  int GetHeight(const QFont& font) const;
  int GetWidth(const QFont& font, const QString& text) const;
  int aveCharWidth(const QFont& font) const;
  QFont CanvasFont() const { return canvasFont_; }

  void FormActivate();
  // The window sees every key first; true swallows the key.
  bool FormKeyDown(QKeyEvent* event);
  // True when the window may close.
  bool FormCloseQuery();
  // Closes without a second question: the command closing it asked already.
  // True when the window closed.
  bool CloseAnswered();
  // Deletes the restore point while it is still this window's, and forgets it.
  void RemoveWorkingCopy() { workingCopy_.Remove(); }
  void TabControlChange();
  // False refuses the change.
  bool TabControlChanging();
  void CheckactiveInput();
  // Before a save: the focused input, then every edited one. False after
  // the message of the first that fails, which keeps the focus; nothing may
  // be written then.
  bool CheckInputs();
  void SelectSourceLine(int line);

  // Write-back: writes the form's values into the deck NewName, rebuilt from
  // the lines the last parse read; saving under the deck's own name keeps
  // the previous file as its ".BAK". The result is SaveSucceeded.
  virtual void WriteDeck(const QString& NewName);
  // Anything changed since the last ClearModify; a change closes the
  // results report.
  virtual bool DCKChanged();
  void ClearModify() override;
  // Every numeric input from one unit system to the other (1 SI, 2
  // inch-pound). Untouched values keep their precision and every change
  // mark stays.
  void ConvertUnits(int From, int To);
  // Before a run: the files named by the file inputs exist, or the user
  // goes on anyway.
  bool CheckAssigns();
  // Each list input's value from its chosen row, and the list inputs that
  // follow the same list file.
  void RefreshListInputs();
  void SyncListInputs(int ValueColumn, const QString& Value, const QString& ListFile);

  // The Source editor.
  void LoadEditor(const QString& fileName);
  // 0 or an errno; asGiven writes a name chosen to save under exactly as
  // given (only its folders looked up), else the file the name resolves to.
  int SaveEditorLines(const QString& name, bool asGiven = false);
  // The message for a failed SaveEditorLines: "Error #" and the code with
  // the file and the system's reason, or the line that holds a character
  // Windows-1252 cannot hold.
  QString SourceWriteMessage(int error, const QString& name) const;
  void EditorChange();
  // The settings' Source font on the editor and the text coloured by line
  // kind; neither counts as an edit.
  void Colorize();
  // After the settings changed: the editor takes the Source font and
  // colours again while the Source tab shows.
  void FormPaint();
  // Writes the edited text to the deck and frees the form, which is built
  // again when the Source tab is left. False (after its message) when the
  // text could not be written: the modified mark then stays. asGiven as for
  // SaveEditorLines (a name just chosen in a dialog).
  bool Save(bool asGiven = false);
  // Prints the Source lines into the running print job.
  void SourcePrint();
  // Prints every page of the form (labels, values in boxes, marks of check
  // boxes and radio buttons, pictures) into the running print job.
  void Print();
  // Find Next of either dialog: searches forward from the caret, or one
  // past the start of the selection, and selects the match; none beeps.
  void Find(TFindDialog* dialog);
  // Replace and Replace All of the replace dialog.
  void Replace();
  TFindDialog* FindDialog = nullptr;
  TReplaceDialog* ReplaceDialog = nullptr;
  // 99 at creation; Edit/Find sets 0, a hit 1.
  int FindDialogTag = 99;
  // The pop-up menu of the editor and the Edit menu's Source commands.
  void Comment1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void Undo1Click();
  void SelectAll1Click();
  void PopupMenu1Popup();
  QMenu* PopupMenu1() const { return popupMenu1_; }
  // The hint names the line under the mouse (editor viewport coordinates).
  void Editor1MouseMove(const QPoint& pos);
  // A wheel turned over a form page scrolls it; true when it was taken.
  bool FormMouseWheel(QWheelEvent* event);

  // FormBuilder: pages and tabs.
  void DisposeContent() override;
  void RemoveTabWindows() override;
  int TabCount() const override;
  int FindTab(const QString& name) const override;
  int AddTab(const QString& name) override;
  bool HasPage(int index) const override;
  void CreatePage(int index) override;
  void UsePageAsContainer(int index) override;
  void SetScrollBar(int PageIndex) override;

  TFormTabBar* TabControl() const { return tabControl_; }
  QPlainTextEdit* Editor() const { return editor_; }
  QToolButton* AppButtonGlyph() const { return myAppButton1_; }  // myAppButton1
  TFormPage* Page(int index) const;
  QWidget* CurrentContainer() const { return currentContainer_; }
  void SetCurrentContainer(QWidget* container) { currentContainer_ = container; }
  QMdiSubWindow* SubWindow() const { return subWindow_; }

  // Fields of the window.
  int CurrentPage = 0;
  int SourceFirstLine = 0;
  int SourceCaret = 0;
  int ErrorLine = 0;
  bool SourceShown = false;
  bool SaveSucceeded = false;
  // The Source text is what is on disk: true at opening, false after an
  // edit of the text, true again when it is loaded or saved.
  bool SourceSaved = true;
  int LineHeight = 0;
  int WidthOf8 = 0;
  int InputWidth = 0;
  // The room kept at the right of the main page for its link buttons.
  int ButtonColumn = 0;

  // The element builders of the value inputs and text lines.
  void AddElement(DeckParser& parser) override;
  void AddTextLine(DeckParser& parser, const std::string& line) override;

  // Groups, the end of the parse and the layout of the pages.
  void AddGroup(DeckParser& parser, const std::string& text, bool visible) override;
  void CloseGroup(DeckParser& parser, TFormElement* group) override;
  void AddChoiceGroup(DeckParser& parser, const std::string& text, bool checkBoxes) override;
  void AddPicture(DeckParser& parser, const std::string& text, int linkIndex) override;
  void AddImage(DeckParser& parser, const std::string& line) override;
  void StoreGroupCommand(TFormElement* group, bool before, const std::string& command) override;
  void FinishForm(DeckParser& parser) override;
  void LayoutPage(DeckParser& parser, int pageIndex) override;
  void LayoutPage(int PageIndex);
  int FlowBottom(const TFormElement& element, int currentY) const override;
  // Brings the choice item Item into line with the group named Name; false
  // when no page holds a group of that name.
  bool ApplyGroupState(const QString& Name, bool CheckBoxes, QAbstractButton* Item);
  // Right-aligns the inputs of every page to the content width.
  void LayoutPages();
  void FitPageWidths(int PageIndex);
  // The least content width at which the right-aligned inputs of a page
  // start clear of their labels.
  int ContentWidthClearOfLabels(int PageIndex) const;
  // The width the window's client area opens with when it is not maximized.
  int ClientWidth() const;
  // The right edge of the widest shown control of all pages.
  int WidestShownRight() const;
  // The controls whose bottoms make a page's scroll range.
  std::vector<Extent> PageExtents(int PageIndex) const;

  // ElementForm: what the element controls ask of their form.
  bool SourceTabShown() const override;
  void SetChanged() override;
  void ShowGroups(const QString& Name, bool Show) override;
  bool ShowTabNamed(const QString& Name) override;
  void LabelRightClicked(TDescriptor* Label) override;
  int UnitSystem() const override;
  void CloseResultsReport() override;
  void SimulateModeChanged() override;
  // Shows or hides the first group named Name on one page and moves what
  // follows it; false when the page has no such group.
  bool FindGroupsByName(int PageIndex, const QString& Name, bool Show, int* Shift);
  // The first group of a page whose name has that GroupKey, or nullptr.
  TFormElement* GroupOnPage(int PageIndex, const std::string& key) const;
  // The help id of the focused input (kinds 21 and 22), else 0.
  int FocusedHelpId() const;
  // The focused widget of the window when it is a control of this form
  // whose tag is `tag` (21 value input, 22 list input), else null.
  QWidget* FocusedControl(int tag) const;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void SetKind(int kind);
  void AttachToSubWindow();
  void PlaceAfterParse();
  void PlaceForSource();
  // The text lines outside groups follow the window's client width, so the
  // pages hold nothing right of what they show: a line ends at the right
  // margin inside the scroll bar (never before its text does), and a centred one is centred on
  // the axis the centred pictures share when it fits there, else on the
  // window.
  void FollowClientWidth(int clientWidth);
  void ApplyBackground();
  void FocusControl(QWidget* control);
  // Moves the controls of an element that lies in no group; the units label
  // follows the label.
  static void MoveElementControls(TFormElement& e, int shift);
  FitMeasures PageFitMeasures(int PageIndex, int contentWidth) const;
  std::vector<QWidget*> TabOrderControls() const;
  void RestoreOwnWorkingCopy();
  std::vector<WriteBackItem> WriteBackItems();
  // False when the text could not be written: the tab change is refused.
  bool LeaveSourceTab();
  void CreatePopupMenu();
  TInput* FailingEditedInput() const;

  FormHost* host_;
  FormModel model_;
  WorkingCopy workingCopy_;
  TFormTabBar* tabControl_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  QPlainTextEdit* editor_ = nullptr;
  SourceHighlighter* highlighter_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QAction* comment1_ = nullptr;
  QAction* undo1_ = nullptr;
  QAction* cut1_ = nullptr;
  QAction* copy1_ = nullptr;
  QAction* paste1_ = nullptr;
  QToolButton* myAppButton1_ = nullptr;
  std::array<TFormPage*, kPageCount> pages_{};
  QWidget* currentContainer_ = nullptr;
  QPointer<QMdiSubWindow> subWindow_;
  QFont canvasFont_;
  bool hasSourceTab_ = false;
  bool closeAnswered_ = false;
  bool shown_ = false;
  bool parsing_ = false;
  bool loadingEditor_ = false;
  bool colouring_ = false;
  bool editorLoaded_ = false;
  bool sourceChanged_ = false;
  bool formBuilt_ = false;  // the pages hold the form of the deck's last read
  int builtUnits_ = 0;      // the unit system their values are shown in
  int unencodableLine_ = 0;  // the Source text differs from the file
  const QEvent* lastKey_ = nullptr;
  QPointer<QObject> lastKeyReceiver_;
};

// The form window last opened or made active for a run.
QPointer<TPlenzoForm>& PlenzoFormInstance();

}  // namespace pm
