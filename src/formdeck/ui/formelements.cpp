// The form window's side of the element controls: what the controls ask of
// their form, the builders of the value inputs, and the showing and hiding of
// named groups.
#include "common/settings.h"
#include "formdeck/deckparser.h"
#include "formdeck/formhost.h"
#include "formdeck/groupmarkup.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/inputbuilders.h"
#include "formdeck/ui/picturebuilders.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"

namespace pm {

void TPlenzoForm::AddElement(DeckParser& parser) { BuildInputElement(*this, parser); }

void TPlenzoForm::AddTextLine(DeckParser& parser, const std::string& line) {
  BuildTextLine(*this, parser, line);
}

void TPlenzoForm::AddPicture(DeckParser& parser, const std::string& text, int linkIndex) {
  BuildPicture(*this, parser, text, linkIndex);
}

void TPlenzoForm::AddImage(DeckParser& parser, const std::string& line) { BuildImage(*this, parser, line); }

bool TPlenzoForm::SourceTabShown() const { return IsSourceTabCurrent(); }

void TPlenzoForm::SetChanged() { model_.Changed = true; }

bool TPlenzoForm::ShowTabNamed(const QString& Name) {
  const int index = FindTab(Name);
  if (index < 0) return false;
  ShowTab(index);
  return true;
}

void TPlenzoForm::LabelRightClicked(TDescriptor* Label) {
  if (hasSourceTab_ && Label && Label->Element) SelectSourceLine(Label->Element->lineNumber);
}

int TPlenzoForm::UnitSystem() const { return DefaultSettings().UnitSystem; }

void TPlenzoForm::CloseResultsReport() {
  if (host_) host_->CloseResultsReport();
}

void TPlenzoForm::ShowGroups(const QString& Name, bool Show) {
  // The page shown first, then the main page, then every other page, so a
  // choice item finds each group that the parse let it name.
  std::vector<int> order{CurrentPage};
  if (CurrentPage != 0) order.push_back(0);
  for (int page = 1; page < kPageCount; ++page)
    if (page != CurrentPage && HasPage(page)) order.push_back(page);
  for (const int page : order) {
    int shift = 0;
    if (!FindGroupsByName(page, Name, Show, &shift)) continue;
    // The page's range is measured again, as every other change of it is.
    if (!model_.LayingOut && shift != 0) SetScrollBar(page);
    return;
  }
}

bool TPlenzoForm::FindGroupsByName(int PageIndex, const QString& Name, bool Show, int* Shift) {
  *Shift = 0;
  TFormElement* e = GroupOnPage(PageIndex, GroupKey(ToCp1252(Name)));
  if (!e) return false;
  auto* box = static_cast<Tmygroupbox*>(e->groupBox);
  if (Show) {
    if (!box->isHidden()) return true;
    box->show();
    *Shift = box->height() + 12;
    if (box->BeforeCommand.size() > 4) model_.Before = box->BeforeCommand;
    if (box->AfterCommand.size() > 4) model_.After = box->AfterCommand;
  } else {
    // Only this group's own command goes; one that a shown group set stays.
    if (box->BeforeCommand.size() > 4 && model_.Before == box->BeforeCommand) model_.Before.clear();
    if (box->AfterCommand.size() > 4 && model_.After == box->AfterCommand) model_.After.clear();
    if (box->isHidden()) return true;
    box->hide();
    *Shift = -(box->height() + 12);
  }
  for (TFormElement* w = e; w; w = w->nextOnPage) {
    // A choice group inside a visual group moves with that group's box.
    if (IsGroupKind(w->kind) && w->group) continue;
    if (IsGroupKind(w->kind)) {
      auto* own = dynamic_cast<Tmygroupbox*>(w->groupBox);
      if (model_.LayingOut) {
        if (own) own->StoredTop += *Shift;
      } else {
        MoveBy(w->groupBox, *Shift);
      }
    } else if (!w->inGroup) {
      if (model_.LayingOut) {
        w->shift += *Shift;
      } else {
        MoveElementControls(*w, *Shift);
      }
    }
  }
  return true;
}

}  // namespace pm
