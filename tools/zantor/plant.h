#pragma once

// The stand-in's plant: a year of hourly loop temperatures worked out from
// a few constants of the deck. Believable numbers, not a simulation.

#include <istream>
#include <map>
#include <string>
#include <vector>

namespace zantor {

// The lines of a deck, without their CR.
std::vector<std::string> ReadLines(std::istream& in);

// "NAME = number" lines of the deck, names upper-cased, in deck order.
struct DeckConstants {
  std::vector<std::string> names;
  std::map<std::string, double> values;
  double get(const std::string& name, double fallback) const;
};
DeckConstants ReadConstants(const std::vector<std::string>& lines);

// One hour of the year.
struct Hour {
  double time;     // h
  double ambient;  // C
  double load;     // kW, heating positive
  double tin;      // C, fluid entering the heat pump
  double tout;     // C, fluid leaving it
};
std::vector<Hour> SimulateYear(const DeckConstants& constants);

// The 100 numbers of the results file: the yearly figures each where the
// report's slot table reads it, the deck's constants in deck order from
// number 60 on, zeros elsewhere.
std::vector<double> ResultNumbers(const std::vector<Hour>& hours, const DeckConstants& constants);
// Warnings of the run, one per line of "warnings.dat".
std::vector<std::string> Warnings(const std::vector<Hour>& hours);

// A number as text with up to 6 significant digits, "." as the point.
std::string NumberText(double value);

}  // namespace zantor
