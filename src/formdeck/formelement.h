#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace pm {

enum class ElementKind : std::uint8_t {
  TextLine = 0,
  NumericInput = 1,
  ListInput = 2,
  FileInput = 3,
  Picture = 4,
  VisualGroup = 5,
  CheckBoxGroup = 6,
  RadioGroup = 7,
  LinkedPicture = 8,
  // 9, the tab marker, is tested by some walks but no command makes one.
};

// Visual, check-box and radio groups: the kinds that own a group box.
inline bool IsGroupKind(ElementKind kind) {
  return kind == ElementKind::VisualGroup || kind == ElementKind::CheckBoxGroup ||
         kind == ElementKind::RadioGroup;
}

// Page 0 is the main page; pages 1 to 20 belong to tab windows.
inline constexpr int kPageCount = 21;

// One form element: ties the controls built for it to the deck lines it came
// from. Owned by the form; the controls are owned by the page they sit on,
// so the pointers here never own anything.
struct TFormElement {
  int number = 0;  // element counter after this element was counted
  int helpId = 0;
  int lineNumber = 0;  // inputs: the deck line's own number; others: the mark-up line's
  ElementKind kind = ElementKind::TextLine;
  std::string deckLine;    // bytes, never cut
  std::string markupLine;  // bytes, never cut
  std::string name;        // inputs: the deck line before "=" as written; groups: the box name
  std::string text;        // label text, group caption or picture file as written in the mark-up
  std::string valueText;   // inputs: the value as written in the deck line
  bool hasHelpText = false;  // text lines: a help id follows the input's text
  std::string helpText;      // text lines: that help id as written, for the write-back
  std::string siUnit;
  std::string englishUnit;

  QWidget* label = nullptr;       // TDescriptor; for pictures and groups an invisible placeholder
  QWidget* unitsLabel = nullptr;  // TDescriptor
  int unitsWidth = 0;
  QWidget* valueInput = nullptr;  // TInput
  QWidget* listInput = nullptr;   // TFileInput
  QWidget* fileInput = nullptr;   // TOpenFile
  QWidget* image = nullptr;       // TmyImage
  QWidget* groupBox = nullptr;    // kinds 5-7: own box; others: the enclosing visual group's box
  QWidget* appButton = nullptr;   // TAppButton
  bool inGroup = false;
  TFormElement* group = nullptr;  // the enclosing visual group's element, while in one
  int fontSlot = 0;               // font slot of the label (0: none)

  std::array<int, 4> tabStops{};  // the form's tab stops when the element was made
  int shift = 0;
  int page = 0;
  TFormElement* nextOnPage = nullptr;
  TFormElement* older = nullptr;  // the all-elements chain
  TFormElement* newer = nullptr;
};

// The element records of one form: their ownership, the chain of each page
// in deck order and the all-elements chain.
class ElementStore {
 public:
  // A new record put at the head of the all-elements chain (InitElement).
  TFormElement* Create(int page, const std::array<int, 4>& tabStops);
  // Links a new record after last (without one, after the page's last
  // element), or makes it the page's first element when the page has none.
  void LinkOnPage(TFormElement* element, TFormElement* last);

  TFormElement* First(int page) const;  // ElementChains[page]
  TFormElement* Last(int page) const;
  TFormElement* Newest() const { return newest_; }
  TFormElement* Oldest() const;
  size_t Count() const { return owned_.size(); }
  // Every record of a page in deck order.
  std::vector<TFormElement*> OnPage(int page) const;

  // Frees every record and clears the chains.
  void Clear();

 private:
  std::vector<std::unique_ptr<TFormElement>> owned_;
  std::array<TFormElement*, kPageCount> first_{};
  TFormElement* newest_ = nullptr;
};

const char* ElementKindName(ElementKind kind);

}  // namespace pm
