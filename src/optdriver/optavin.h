#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace pm::optavin {

// The final deck of a configuration code ("Pelmark_ghx2.pzd" for 4), or an
// empty text for a code without one (3 and unknown codes).
std::string FinalDeckFor(int optavinKindCode);

// The engine's final run: the engine "Zantor" of the engine folder, then the
// configuration's final deck there with the engine's switches "/h" and "/n",
// or the engine folder alone for a code without a final deck. Names are
// looked up without regard to case.
std::vector<std::string> EngineArguments(const std::string& quorvelFolder, int optavinKindCode);

// The arguments as one line, for messages.
std::string OptavinEngineCommand(const std::vector<std::string>& arguments);

// Exit statuses of the program.
inline constexpr int kExitDone = 0;
inline constexpr int kExitInput = 1;   // the variable file or the listing could not be used
inline constexpr int kExitEngine = 2;  // the engine could not be started

// The whole program in the current folder: prints the banner to out, reads
// the variable file and the optimizer's listing, rewrites the variable file
// with the best values and runs the engine once on the final deck, waiting
// for its end. Problems go to err, one line each, and give a status that is
// not 0; then the variable file is left as it was and no engine runs.
int OptavinMain(const std::string& quorvelFolder, std::ostream& out, std::ostream& err);

}  // namespace pm::optavin
