// The Help menu.
#include "shell/ui/ostrelform.h"

#include "common/globals.h"
#include "platform/help.h"
#include "shell/browser.h"
#include "shell/ui/about.h"

namespace pm {

void TOSTRELFORM::MivaroHelpClick() { HtmlHelpTopic(); }

void TOSTRELFORM::QuorvelHelpClick() {
  const int id = FocusedHelpId ? FocusedHelpId() : 0;
  ShowContextHelp(id, 9999);
}

void TOSTRELFORM::AboutOstrel1Click() {
  if (AboutBox) AboutBox->exec();
}

void TOSTRELFORM::WebSiteClick() { OpenURLInBrowser(WebsiteAddress(G().ProgramFolder)); }

}  // namespace pm
