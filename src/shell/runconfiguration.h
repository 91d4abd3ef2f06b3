#pragma once

#include <QString>

#include <initializer_list>

namespace pm {

// The run deck's name as its deck wrote it ("**FILE" text), from RunTarget
// made absolute and the folder that was current at the run: the folders
// our own code put in front never take part in a configuration match.
// A run target outside that folder (the deck gave an absolute name) stays
// whole.
QString RunDeckAsWritten(const QString& runTarget, const QString& runFolder);

// The first of words (tested in the order given) that the upper case of
// name holds anywhere; empty when none does. The single run's report and
// the optimization each test their own list of configuration words.
QString ConfigurationWord(const QString& name, std::initializer_list<const char*> words);

}  // namespace pm
