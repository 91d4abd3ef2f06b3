// The main window's document commands; the work lives in DocumentCommands.
#include "common/globals.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/documents.h"
#include "shell/ui/indexdlg.h"
#include "shell/ui/ostrelform.h"

namespace pm {

DocumentCommands& TOSTRELFORM::Documents() {
  auto* documents = findChild<DocumentCommands*>(QString(), Qt::FindDirectChildrenOnly);
  return documents ? *documents : *new DocumentCommands(*this);
}

void TOSTRELFORM::New1Click() { Documents().New1Click(); }
void TOSTRELFORM::Open1Click() { Documents().Open1Click(); }
void TOSTRELFORM::Save1Click() { Documents().Save1Click(); }
void TOSTRELFORM::Saveas1Click() { Documents().Saveas1Click(); }
void TOSTRELFORM::ReadaFile(const QString& path, int flag) { Documents().ReadaFile(path, flag); }
void TOSTRELFORM::OpenFileItem(int tag) { Documents().OpenFileItem(tag); }
void TOSTRELFORM::EditPlenzo(const QString& path, int force) { Documents().EditPlenzo(path, force); }

void TOSTRELFORM::OpenProjectIndex(const QString& indexFile) {
  TIndexDlg dialog(*this);
  dialog.IndexFile = indexFile;
  dialog.exec();
  UpdateMenu();
}

void TOSTRELFORM::LoadCommandLineSource(const QString& path) {
  TPlenzoForm* form = PlenzoFormInstance();
  if (G().SourceMode != 0 && form && form->HasSourceTab()) form->LoadEditor(path);
}

}  // namespace pm
