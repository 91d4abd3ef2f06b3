// The check before a run that the files the form names exist.
#include "common/lib1.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/pathresolver.h"
#include "platform/uiservice.h"

namespace pm {

namespace {

// Lines of a hidden group are comments for the engine: their files do not
// matter.
bool InHiddenGroup(const TFormElement& e) { return e.inGroup && e.groupBox && e.groupBox->isHidden(); }

QString LabelText(const TFormElement& e) {
  return e.label ? e.label->property("text").toString() : QString();
}

}  // namespace

bool TPlenzoForm::CheckAssigns() {
  for (int page = 0; page < kPageCount; ++page) {
    for (const TFormElement* e = model_.Elements.First(page); e; e = e->nextOnPage) {
      const auto* file = dynamic_cast<const TOpenFile*>(e->fileInput);
      if (e->kind != ElementKind::FileInput || !file || InHiddenGroup(*e)) continue;
      QString name = file->FileName;
      if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
      // The engine writes its listing.
      if (ExtensionKey(name) == QLatin1String(".LST")) continue;
      if (name.isEmpty()) {
        ShowMessageKind(QStringLiteral("The name of the file for ") + LabelText(*e) +
                            QStringLiteral(" is blank.  Calculations can not proceed."),
                        0, true);
        return false;
      }
      if (FileExistsUnquoted(name)) continue;
      // Output files are named here too, so one question is enough.
      MessageRequest question;
      question.icon = MessageIcon::Warning;
      question.buttons = MessageButtons::YesNo;
      question.text = QStringLiteral("File ") + name + QStringLiteral(" for ") + LabelText(*e) +
                      QStringLiteral(" was not found. Continue anyway?");
      return ui().message(question) == ModalResult::Yes;
    }
  }
  return true;
}

}  // namespace pm
