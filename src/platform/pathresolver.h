#pragma once

#include <QString>

namespace pm {

// Every name that goes to the file system passes through here: one pair of
// surrounding double quotes is stripped, "\" becomes "/", a drive letter is
// dropped, and when the exact path does not exist it is resolved one
// component at a time without regard to case (first match in sorted order).
// A missing "X.exe" is looked for as "X" too.
//
// The result names the existing file or folder when one was found, otherwise
// the cleaned name (so that a file about to be created lands where asked).
QString ResolvePath(const QString& name);

// A name the user chose for a file to write: cleaned, its folders resolved
// without regard to case, its last component kept exactly as given, so a
// case variant of an existing file names a new file.
QString ResolveNewFileName(const QString& name);

// The cleaning steps alone: quotes, separators, drive letter.
QString CleanPathText(const QString& name);

// True when the name resolves to an existing regular file (not a folder).
bool ResolvedFileExists(const QString& name);

// A bare program name (no separator) is looked for in the program folder,
// then the current folder, then PATH; a name with a folder is resolved.
// Returns the path of an existing file, or an empty string.
QString FindProgram(const QString& name, const QString& programFolder);

// True when both names are one existing file (same device and inode), so
// case variants, "./" spellings and links are all caught.
bool SameExistingFile(const QString& a, const QString& b);

// An extension compared the original's way: the first 4 characters of the
// extension, dot included, upper-cased (".PZD"); empty when there is none.
QString ExtensionKey(const QString& fileName);

}  // namespace pm
