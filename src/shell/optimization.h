#pragma once

#include <QString>
#include <QStringList>

#include "shell/rundeck.h"

namespace pm {

// The optimization's run deck: the copy of the deck that comments out the
// "*#1" to "*#2" block, named by its "**FILE" line.
RunDeckResult MakeOptimizationDeck(const QString& deck);

// The run deck's name as the deck's "**FILE" line gives it (trimmed), or an
// empty text when the deck has none or cannot be read.
QString RunDeckNameOf(const QString& deck);

// The first of words (upper case, tested in their order) that occurs in the
// upper case of a run deck's name, or an empty text. The name is the
// "**FILE" text as the deck writes it, never with the folders our code adds
// when it makes the name absolute. The optimization and the results report
// each test their own list.
QString ConfigurationWord(const QString& fileText, const QStringList& words);

// The configuration words of the optimization, in the order they are tested.
const QStringList& OptimizationWords();

// The optimizer command file of a configuration word ("Optimize_GHX.dat";
// HYBRE shares HYBRID's), or an empty text for another word.
QString OptimizerCommandFile(const QString& word);

// The path of a command file in the program folder.
QString OptimizerCommandPath(const QString& programFolder, const QString& commandFile);
// The first line of a command file in the program folder, found without
// regard to case; an empty text when the file is missing or empty.
QString OptimizerCommandLine(const QString& programFolder, const QString& commandFile);

// The results file of an optimization's final run: the run deck's name less
// its last 4 characters, with the last remaining character replaced by "2",
// then "-RESULTS.TXT". Empty when the name is too short for that.
QString OptimizationResultsFile(const QString& runTarget);

// The message shown instead of the report when Optavin ended badly, with
// the last line of its error output (which names the file and line at
// fault) on a line of its own.
QString OptavinFailureMessage(int exitCode, int signal, const QByteArray& errorOutput = QByteArray());

}  // namespace pm
