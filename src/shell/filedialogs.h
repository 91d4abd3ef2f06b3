#pragma once

#include <QString>
#include <vector>

namespace pm {

// One row of the save-as table: the filter index of the save dialog, the
// extension saved under (empty: a name without extension) and the window
// kind it stands for (0: none).
struct SaveAsEntry {
  int index;
  QString ext;
  int kind;
};

const std::vector<SaveAsEntry>& SaveAsTable();
// The first row, from index 1, whose extension is ext; null when none.
const SaveAsEntry* FindSaveAsEntry(const QString& ext);

// The kind of a text editor holding this file: 1000 for an engine deck by
// the table (".DCK", ".DEK"), 7000 for any other file. A text editor never
// takes the kind of another window class.
int EditorKindForSavedName(const QString& name);
// The kind a text editor takes when it opens a file: 1000 for ".DCK" only.
int EditorKindForOpenedName(const QString& name);

// The save dialog's default extension for a window without a file, by
// kind: "DCK" for text editors, "PZD" for a form's Source, "KPL" for plots.
QString DefaultSaveExtension(int kind);

// Dialog filters in Qt's syntax, each pattern in both cases.
QString OpenDialogFilter();
QString OpenFilterEntry(int index);  // 1-based
QString RuntimeOpenFilter();
QString SaveDialogFilter();
// The filter entry of a save-as row; index 10 (".TXT") has none of its own
// and selects "All files".
QString SaveFilterEntry(int index);

}  // namespace pm
