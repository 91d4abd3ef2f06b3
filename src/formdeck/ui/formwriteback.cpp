// The form's values back into its deck file.
#include <QDir>
#include <QFileInfo>

#include "common/lib1.h"
#include "formdeck/listfile.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formunits.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"
#include "formdeck/writeback.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

namespace {

// Two names of one file: by their canonical paths when both exist (quotes,
// case, relative names and links all fold), else by their absolute paths.
bool SameFile(const QString& a, const QString& b) {
  const QFileInfo fa(a);
  const QFileInfo fb(b);
  if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
  return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// A visual group's lines are shown while its box is. A box that held
// nothing was hidden at its close; it keeps the state its opener had, so
// the engine lines inside a shown empty group are not commented out.
bool GroupShown(const QWidget* widget) {
  const auto* box = dynamic_cast<const Tmygroupbox*>(widget);
  if (!box) return true;
  return !box->isHidden() || (box->height() == 0 && box->Shown);
}

void SetValueLine(WriteBackItem& item, const TFormElement& e, int unitSystem) {
  auto* input = dynamic_cast<TInput*>(e.valueInput);
  if (!input) return;
  if (input->IsNumeric) {
    // A text that is no number leaves the line as it was.
    if (!TakeTypedValue(*input, unitSystem)) return;
    item.line = NumericValueLine(e.name, input->Value);
  } else {
    // A value that is no number goes back as written until it is edited.
    if (!input->isModified()) return;
    item.line = ValueLine(e.name, ToCp1252(input->text()));
  }
  item.keepLine = false;
}

void SetTextLine(WriteBackItem& item, const TFormElement& e) {
  const auto* input = dynamic_cast<const TInput*>(e.valueInput);
  if (!input) {
    item.neverHidden = true;
    return;
  }
  if (!input->isModified()) return;
  item.line = FreeTextLine(e.text, ToCp1252(input->text()), e.hasHelpText, e.helpText);
  item.keepLine = false;
}

// The deck as it is on disk becomes its backup; false after the message
// of a failure.
bool KeepBackup(const QString& deckName, const QString& deck, const QString& backup) {
  if (const int error = RemoveFile(backup); error != 0) {
    ShowMessageKind(ErrorNumberText(error) + QStringLiteral(".  Could not erase ") + backup +
                        QStringLiteral(".  Please save with a different filename."),
                    0, true);
    return false;
  }
  if (CopyFileBytes(deck, backup) != 0) {
    ShowMessageKind(QStringLiteral("Unable to rename ") + deckName + QStringLiteral(" to ") + backup, 0,
                    true);
    return false;
  }
  return true;
}

}  // namespace

std::vector<WriteBackItem> TPlenzoForm::WriteBackItems() {
  std::vector<WriteBackItem> items;
  items.reserve(model_.Elements.Count());
  const int units = UnitSystem();
  for (TFormElement* e = model_.Elements.Oldest(); e; e = e->newer) {
    WriteBackItem item;
    item.lineNumber = e->lineNumber;
    item.kind = e->kind;
    const bool choice = e->kind == ElementKind::CheckBoxGroup || e->kind == ElementKind::RadioGroup;
    item.inGroup = e->inGroup || (choice && e->group);
    switch (e->kind) {
      case ElementKind::TextLine:
        SetTextLine(item, *e);
        break;
      case ElementKind::NumericInput:
        SetValueLine(item, *e, units);
        break;
      case ElementKind::ListInput:
        if (const auto* list = dynamic_cast<const TFileInput*>(e->listInput)) {
          const std::string value = ToCp1252(list->Value);
          item.line =
              list->IsAssign ? AssignLine(e->name, value, list->UnitNumber) : ValueLine(e->name, value);
          item.keepLine = false;
        }
        break;
      case ElementKind::FileInput:
        if (const auto* file = dynamic_cast<const TOpenFile*>(e->fileInput)) {
          item.line = AssignLine(e->name, ToCp1252(file->FileName), file->UnitNumber);
          item.keepLine = false;
        }
        break;
      case ElementKind::VisualGroup:
        item.groupShown = GroupShown(e->groupBox);
        break;
      case ElementKind::RadioGroup:
        if (const auto* box = dynamic_cast<const Tmygroupbox*>(e->groupBox)) {
          for (const QAbstractButton* radio : box->Items) item.itemsChecked.push_back(radio->isChecked());
        }
        break;
      default:
        break;
    }
    items.push_back(std::move(item));
  }
  return items;
}

void TPlenzoForm::RefreshListInputs() {
  for (TFormElement* e = model_.Elements.Oldest(); e; e = e->newer) {
    auto* list = dynamic_cast<TFileInput*>(e->listInput);
    if (!list || list->DisplayColumn < 1) continue;
    // The chosen row of the rows read at opening; with none chosen the
    // deck's value stays.
    list->Value = list->ChosenValue();
    SyncListInputs(list->ValueColumn, list->Value, list->ListFile);
  }
}

void TPlenzoForm::SyncListInputs(int ValueColumn, const QString& Value, const QString& ListFile) {
  if (Value.isEmpty()) return;
  const std::string key = ToCp1252(Value);
  const QString file = ListFile.toUpper();
  for (TFormElement* e = model_.Elements.Oldest(); e; e = e->newer) {
    auto* follower = dynamic_cast<TFileInput*>(e->listInput);
    if (!follower || follower->DisplayColumn != 0 || follower->ListFile.toUpper() != file) continue;
    const int row = FindListRow(follower->Rows, ValueColumn, key, 0);
    // A row that is not there, or holds no value in the follower's column,
    // leaves the follower's own value.
    if (row < 0) continue;
    const std::string value = ListColumnText(follower->Rows[static_cast<size_t>(row)], follower->ValueColumn);
    if (value.empty()) continue;
    follower->Value = FromCp1252(value);
  }
}

void TPlenzoForm::WriteDeck(const QString& NewName) {
  SaveSucceeded = false;
  // Typed text that fails its check is never replaced by the old value.
  if (FailingEditedInput() && !CheckInputs()) return;
  const QString source = ResolveUnquoted(model_.FileName);
  // The deck's own name is the file that was read; a name chosen to save
  // under is written as given, with only its folders looked up.
  QString target = NewName == model_.FileName ? ResolveUnquoted(NewName) : ResolveNewFileName(NewName);
  // A link is written through: the file it names takes the text.
  if (const QFileInfo info(target); info.isSymLink() && info.exists()) target = info.canonicalFilePath();
  const bool same = SameFile(source, target);
  const bool held = model_.DeckLinesHeld;
  std::vector<std::string> disk;
  const int diskError = same || !held ? ReadTextLines(source, &disk) : 0;
  if (!held && diskError != 0) {
    ShowMessageKind(SaveErrorMessage(diskError, source), 0, true);
    return;
  }
  const std::vector<std::string>& lines = held ? model_.DeckLines : disk;

  RefreshListInputs();
  const std::vector<WriteBackItem> items = WriteBackItems();
  std::vector<std::string> out = WriteBackLines(lines, items);
  // Written beside the deck first: a failure leaves the deck and its
  // backup as they were.
  PreparedFile file;
  if (const int error = file.Prepare(target, JoinLinesCrLf(out)); error != 0) {
    ShowMessageKind(SaveErrorMessage(error, target), 0, true);
    return;
  }

  if (same && QFileInfo::exists(source)) {
    const QString backup = BackupName(source);
    if (held) {
      std::vector<int> elementLines;
      for (const WriteBackItem& item : items) elementLines.push_back(item.lineNumber);
      if (const int n = diskError == 0 ? FirstChangedElementLine(lines, disk, elementLines) : 0; n > 0) {
        ShowMessageKind(model_.FileName + QStringLiteral(" was changed outside the form (line ") +
                            QString::number(n) +
                            QStringLiteral(").  The form's values are written into the text it read; the "
                                           "changed file is kept in ") +
                            backup + QLatin1Char('.'),
                        1, true);
      }
    }
    if (!KeepBackup(model_.FileName, source, backup)) return;
  } else if (same) {
    ShowMessageKind(
        model_.FileName +
            QStringLiteral(" no longer exists.  It is written again from the form and the text it "
                           "read."),
        1, true);
  }
  if (const int error = file.Commit(); error != 0) {
    ShowMessageKind(SaveErrorMessage(error, target), 0, true);
    return;
  }
  model_.FileName = NewName;
  setWindowFilePath(NewName);
  model_.DeckLines = std::move(out);
  model_.DeckLinesHeld = true;
  SaveSucceeded = true;
  ClearModify();
}

}  // namespace pm
