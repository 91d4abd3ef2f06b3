// The form window's groups: the builders the parse calls, the end of the
// parse (FinishForm) and the initial states of the choice items.
#include <QToolButton>
#include <algorithm>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/deckparser.h"
#include "formdeck/formhost.h"
#include "formdeck/groupmarkup.h"
#include "formdeck/groupstate.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/groupbuilders.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

const ChoiceGroupNames* NamesOf(const QAbstractButton* item) {
  if (const auto* c = dynamic_cast<const TGCheckBox*>(item)) return c;
  return dynamic_cast<const TGRadioButton*>(item);
}

// The first item of the radio group an item belongs to.
TGRadioButton* FirstItemOf(const QAbstractButton* item) {
  const auto* box = dynamic_cast<const Tmygroupbox*>(item->parentWidget());
  return box && !box->Items.isEmpty() ? dynamic_cast<TGRadioButton*>(box->Items.front()) : nullptr;
}

}  // namespace

void TPlenzoForm::AddGroup(DeckParser& parser, const std::string& text, bool visible) {
  BuildVisualGroup(*this, parser, text, visible);
}

void TPlenzoForm::CloseGroup(DeckParser& /*parser*/, TFormElement* group) { CloseVisualGroup(*this, group); }

void TPlenzoForm::AddChoiceGroup(DeckParser& parser, const std::string& text, bool checkBoxes) {
  BuildChoiceGroup(*this, parser, text, checkBoxes);
}

void TPlenzoForm::StoreGroupCommand(TFormElement* group, bool before, const std::string& command) {
  auto* box = group ? dynamic_cast<Tmygroupbox*>(group->groupBox) : nullptr;
  if (!box) return;
  (before ? box->BeforeCommand : box->AfterCommand) = command;
}

void TPlenzoForm::SimulateModeChanged() {
  if (host_) host_->UpdateMenu();
}

void TPlenzoForm::FinishForm(DeckParser& parser) {
  FormModel& m = model_;
  const int M = 2 * WidthOf8;
  const std::vector<TFormElement*> main = m.Elements.OnPage(0);

  // The application buttons of the main page share a column at the right.
  const bool buttons =
      std::any_of(main.begin(), main.end(), [](const TFormElement* e) { return e->appButton; });
  if (buttons && myAppButton1_) m.ContentWidth += myAppButton1_->width() + 10;
  for (const TFormElement* e : main) {
    if (auto* list = dynamic_cast<TFileInput*>(e->listInput)) {
      m.ContentWidth = std::max(m.ContentWidth, list->x() + list->width());
    }
    if (e->fileInput && e->label) {
      m.ContentWidth =
          std::max(m.ContentWidth, e->label->x() + e->label->width() + M + e->fileInput->width());
    }
  }
  const bool column = buttons && myAppButton1_ && CanFitToContent(m.ContentWidth);
  ButtonColumn = column ? myAppButton1_->width() + 10 : 0;
  // Right-aligned inputs start clear of their labels: the content grows
  // until they do.
  if (CanFitToContent(m.ContentWidth)) {
    for (int page = 0; page < kPageCount; ++page) {
      if (HasPage(page))
        m.ContentWidth = std::max(m.ContentWidth, ContentWidthClearOfLabels(page) + (page == 0 ? ButtonColumn : 0));
    }
  }
  // Placed once the content is measured, so that they never land on the labels.
  if (column) {
    for (const TFormElement* e : main) {
      if (e->appButton) e->appButton->move(m.ContentWidth - myAppButton1_->width() - 5, e->appButton->y());
    }
  }

  const int shownPage = CurrentPage;
  for (int page = 0; page < kPageCount && G().ParseErrorState == 0; ++page) {
    if (!HasPage(page)) continue;
    CurrentPage = page;
    for (TFormElement* e = m.Elements.First(page); e && G().ParseErrorState == 0; e = e->nextOnPage) {
      if (!IsGroupKind(e->kind) || !e->groupBox) continue;
      e->groupBox->resize(e->group ? NestedBoxWidth(m.ContentWidth, M) : m.ContentWidth,
                          e->groupBox->height());
      auto* box = dynamic_cast<Tmygroupbox*>(e->groupBox);
      if (e->kind == ElementKind::VisualGroup || !box) continue;
      // The list may not change while the handlers run.
      const QList<QAbstractButton*> items = box->Items;
      for (QAbstractButton* item : items) {
        const ChoiceGroupNames* names = NamesOf(item);
        for (int i = 0; names && i < names->GroupCount() && G().ParseErrorState == 0; ++i) {
          const QString& name = names->GroupNames[i];
          if (ApplyGroupState(name, e->kind == ElementKind::CheckBoxGroup, item)) continue;
          parser.SetErrorLine(e->lineNumber);
          ShowMessageKind(QStringLiteral("Group ") + name + QStringLiteral(" is not defined."), 0, true);
          G().ParseErrorState = 100;
        }
      }
    }
    // The saved choice of every radio group wins, also inside a visual group.
    for (TFormElement* e = m.Elements.First(page); e && G().ParseErrorState == 0; e = e->nextOnPage) {
      auto* box = e->kind == ElementKind::RadioGroup ? dynamic_cast<Tmygroupbox*>(e->groupBox) : nullptr;
      if (!box) continue;
      const QList<QAbstractButton*> items = box->Items;
      for (QAbstractButton* item : items) {
        auto* radio = dynamic_cast<TGRadioButton*>(item);
        if (!radio || !radio->CheckedMark) continue;
        SetChoiceChecked(radio, false);
        SetChoiceChecked(radio, true);
      }
    }
  }
  CurrentPage = shownPage;
}

TFormElement* TPlenzoForm::GroupOnPage(int PageIndex, const std::string& key) const {
  for (TFormElement* e = model_.Elements.First(PageIndex); e; e = e->nextOnPage) {
    const auto* box = dynamic_cast<const Tmygroupbox*>(e->groupBox);
    if (IsGroupKind(e->kind) && box && GroupKey(ToCp1252(box->GroupName)) == key) return e;
  }
  return nullptr;
}

bool TPlenzoForm::ApplyGroupState(const QString& Name, bool CheckBoxes, QAbstractButton* Item) {
  const ChoiceGroupNames* names = NamesOf(Item);
  if (!names) return false;
  const std::string key = GroupKey(ToCp1252(Name));
  TFormElement* found = nullptr;
  for (int page = 0; page < kPageCount && !found; ++page) found = GroupOnPage(page, key);
  if (!found) return false;
  const auto* box = static_cast<Tmygroupbox*>(found->groupBox);
  const bool namesFirst = names->GroupCount() > 0 && GroupKey(ToCp1252(names->GroupNames[0])) == key;
  const bool f1 = names->GroupCount() > 0 && names->PlainName[0];
  auto* radio = CheckBoxes ? nullptr : dynamic_cast<TGRadioButton*>(Item);
  auto* check = CheckBoxes ? dynamic_cast<TGCheckBox*>(Item) : nullptr;
  const GroupStateCase c{box->Shown, found->kind == ElementKind::VisualGroup, radio != nullptr, namesFirst};
  for (const GroupStateStep step : GroupStateSteps(c)) {
    switch (step) {
      case GroupStateStep::RunHandlerAsFirstItem:
        if (TGRadioButton* first = FirstItemOf(Item)) radio->RadioButtonClicked(first);
        break;
      case GroupStateStep::CheckFirstItem:
        if (TGRadioButton* first = FirstItemOf(Item)) SetChoiceChecked(first, true);
        break;
      case GroupStateStep::SetF1:
        SetChoiceChecked(Item, f1);
        break;
      case GroupStateStep::SetNotF1:
        SetChoiceChecked(Item, !f1);
        break;
      case GroupStateStep::Toggle:
        SetChoiceChecked(Item, !Item->isChecked());
        break;
      case GroupStateStep::RunHandler:
        if (check) check->CheckBoxClicked();
        break;
    }
  }
  return true;
}

}  // namespace pm
