#pragma once

#include <QString>
#include <string>

#include "formdeck/formelement.h"
#include "formdeck/formmodel.h"

namespace pm {

class DeckParser;

// The form as the deck parse fills it: its pages and tabs, and the builders
// of the elements. The form window implements it; tests use a headless one.
// The element builders make placeholder records (kind, line, name, texts)
// until the element kinds get their controls.
class FormBuilder {
 public:
  virtual ~FormBuilder() = default;

  virtual FormModel& Model() = 0;

  // Pages and tabs.
  virtual void DisposeContent() = 0;
  // Every tab except "Source" and every page of a tab window go.
  virtual void RemoveTabWindows() = 0;
  virtual bool HasSourceTab() const = 0;
  virtual int TabCount() const = 0;
  // The index of the tab of that name (compared without regard to case), or -1.
  virtual int FindTab(const QString& name) const = 0;
  virtual int AddTab(const QString& name) = 0;
  virtual bool HasPage(int index) const = 0;
  virtual void CreatePage(int index) = 0;
  // The page receives the controls made from now on (CurrentContainer).
  virtual void UsePageAsContainer(int index) = 0;
  virtual void SetScrollBar(int pageIndex) = 0;
  virtual void ClearModify();

  // Element builders, called by the dispatch with the text they receive.
  virtual void AddElement(DeckParser& parser);
  virtual void AddTextLine(DeckParser& parser, const std::string& line);
  // A builder of a visual group sets the parse's OpenGroup to its element.
  virtual void AddGroup(DeckParser& parser, const std::string& text, bool visible);
  virtual void CloseGroup(DeckParser& parser, TFormElement* group);
  virtual void AddChoiceGroup(DeckParser& parser, const std::string& text, bool checkBoxes);
  virtual void AddPicture(DeckParser& parser, const std::string& text, int linkIndex);
  virtual void AddImage(DeckParser& parser, const std::string& line);
  // "<BEFORE>"/"<BEFORE1>" (before) or "<AFTER>"/"<AFTER1>" read inside a group.
  virtual void StoreGroupCommand(TFormElement* group, bool before, const std::string& command);
  virtual void FinishForm(DeckParser& parser);
  virtual void LayoutPage(DeckParser& parser, int pageIndex);
  // CurrentY below an element when the flow of its page continues after it.
  virtual int FlowBottom(const TFormElement& element, int currentY) const;
};

}  // namespace pm
