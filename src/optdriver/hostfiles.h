#pragma once

#include <string>
#include <vector>

// Optavin links the C++ library alone. These are its own small copies of the
// platform library's rules for files, names and programs, with the same
// results for the names and files it handles.
namespace pm::optavin {

// Lines as bytes: LF, CRLF and a lone CR all end a line, the line ends are
// not part of a line, and a last line without a terminator counts.
std::vector<std::string> SplitLines(const std::string& bytes);

// Reads a file's lines. Returns 0 or the errno of the failed step.
int ReadLines(const std::string& path, std::vector<std::string>* lines);

// Writes the lines with CRLF through a temporary file in the same folder that
// is renamed over the target, so a failure leaves the old file as it was.
// Returns 0 or an errno.
int WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

// One pair of surrounding double quotes stripped, "\" made "/", a drive letter
// dropped; when the exact path does not exist it is resolved one component at
// a time without regard to case (first match in sorted order). Gives the
// existing path when one was found, else the cleaned name.
std::string ResolveName(const std::string& name);

// The folder of the program: argv[0] made absolute against the current
// folder without resolving links, looked up in PATH when it holds no "/".
std::string ProgramFolderOf(const std::string& argv0, const std::string& currentFolder,
                            const std::string& pathVariable);

// Starts a program from its arguments (the first is the program) with the
// environment, the current folder and the standard streams inherited. Bit 0
// of mode set: waits for its end. Status 0: started (and waited for); 1: the
// program or a folder of its path was not found, or the path names a folder,
// or the wait failed; 2: any other start failure. error is the errno.
struct CallResult {
  int status = 0;
  int error = 0;
};
CallResult CALLPROGRAM(const std::vector<std::string>& arguments, int mode);

}  // namespace pm::optavin
