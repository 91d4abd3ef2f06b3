#include "plant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace zantor {

namespace {

std::string Trimmed(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  const std::size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

}  // namespace

std::vector<std::string> ReadLines(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

double DeckConstants::get(const std::string& name, double fallback) const {
  const auto it = values.find(name);
  return it == values.end() ? fallback : it->second;
}

DeckConstants ReadConstants(const std::vector<std::string>& lines) {
  DeckConstants c;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] == '*') continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string name = Trimmed(line.substr(0, eq));
    const std::string text = Trimmed(line.substr(eq + 1));
    if (name.empty() || name.find(' ') != std::string::npos) continue;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) continue;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::toupper(ch); });
    if (!c.values.contains(name)) c.names.push_back(name);
    c.values[name] = value;
  }
  return c;
}

std::vector<Hour> SimulateYear(const DeckConstants& c) {
  const double capacity = std::max(1.0, c.get("CAPH", 35));             // kW
  const double setPoint = c.get("TSET", 21);                            // C
  const double flow = std::max(0.05, c.get("FLOW", 1.2));               // kg/s
  const double length = std::max(10.0, c.get("BORES", 12) * c.get("DEPTH", 120));  // m of bore
  const double ground = 10;                                             // C
  constexpr double twoPi = 2 * std::numbers::pi;
  std::vector<Hour> hours;
  hours.reserve(8760);
  for (int h = 0; h < 8760; ++h) {
    Hour r{};
    r.time = h + 1;
    r.ambient = 8 - 14 * std::cos(twoPi * (h - 480) / 8760.0) - 4 * std::cos(twoPi * (h - 3) / 24.0);
    r.load = std::clamp(capacity * (setPoint - 3 - r.ambient) / 28, -capacity, capacity);
    r.tin = ground - r.load * 1000 / (length * 3.5);
    r.tout = r.tin - r.load / (flow * 4.186);
    hours.push_back(r);
  }
  return hours;
}

// Where the report looks for each figure of the line (its slot table), in
// the units it converts from: kJ, C, kPa, l/s, m, kW and dollars.
namespace at {
constexpr int firstCost = 3, lowestIn = 4, highestIn = 5, heatPumpEnergy = 6, auxEnergy = 7, pumpEnergy = 9,
              groundHeatOut = 11, groundHeatIn = 13, heatRemoved = 15, auxCost = 26, loopCost = 30,
              operatingCost = 35, lifeCycleCost = 36, failedChecks = 37, operatingPresentValue = 38,
              maintenanceCost = 39, energyCost = 40, pressure = 41, heatDelivered = 42, flow = 43, length = 44,
              coolingCapacity = 45, heatingCapacity = 46, swing = 47, auxReturn = 48, heatingDesign = 49,
              coolingDesign = 50, auxApproach = 51, peakCooling = 52, auxSupply = 53, constants = 60;
}  // namespace at

std::vector<double> ResultNumbers(const std::vector<Hour>& hours, const DeckConstants& c) {
  double heating = 0, cooling = 0, peakHeat = 0, peakCool = 0, minIn = 1e9, maxIn = -1e9;
  double tinPeakHeat = 0, tinPeakCool = 0;
  for (const Hour& r : hours) {
    if (r.load > 0) heating += r.load;
    else cooling -= r.load;
    if (r.load >= peakHeat) {
      peakHeat = r.load;
      tinPeakHeat = r.tin;
    }
    if (-r.load >= peakCool) {
      peakCool = -r.load;
      tinPeakCool = r.tin;
    }
    minIn = std::min(minIn, r.tin);
    maxIn = std::max(maxIn, r.tin);
  }
  if (hours.empty()) minIn = maxIn = 0;
  constexpr double kJ = 3600;  // per kWh
  const double cop = std::max(1.0, c.get("COP", 3.5));
  const double length = std::max(10.0, c.get("BORES", 12) * c.get("DEPTH", 120));
  const double flow = std::max(0.05, c.get("FLOW", 1.2));
  const double heatPumps = heating / cop + cooling / (cop + 1);  // kWh
  const double pumps = std::max(0.1, c.get("PUMPPOWER", 0.9)) * static_cast<double>(hours.size());
  const double aux = 0.02 * heatPumps;
  const double loopCost = 45 * length;
  const double auxCost = 4000 + 120 * peakCool;
  const double firstCost = loopCost + auxCost + 900 * std::max(1.0, c.get("CAPH", 35));
  const double energyCost = 0.12 * (heatPumps + pumps + aux);
  const double maintenance = 0.015 * firstCost;
  const double operating = energyCost + maintenance;
  const double presentValue = 12.46 * operating;  // 20 years at 5 %

  std::vector<double> out(100, 0.0);
  out[at::firstCost] = firstCost;
  out[at::lowestIn] = minIn;
  out[at::highestIn] = maxIn;
  out[at::heatPumpEnergy] = heatPumps * kJ;
  out[at::auxEnergy] = aux * kJ;
  out[at::pumpEnergy] = pumps * kJ;
  out[at::groundHeatOut] = (heating - heating / cop) * kJ;
  out[at::groundHeatIn] = (cooling + cooling / (cop + 1)) * kJ;
  out[at::heatRemoved] = cooling * kJ;
  out[at::auxCost] = auxCost;
  out[at::loopCost] = loopCost;
  out[at::operatingCost] = operating;
  out[at::lifeCycleCost] = firstCost + presentValue;
  // Above 0.1 the report marks the first cost: the loop would freeze.
  out[at::failedChecks] = minIn < 0 ? 1 : 0;
  out[at::operatingPresentValue] = presentValue;
  out[at::maintenanceCost] = maintenance;
  out[at::energyCost] = energyCost;
  out[at::pressure] = 101.3 + 9.81 * c.get("HEAD", 15);
  out[at::heatDelivered] = heating * kJ;
  out[at::flow] = flow;  // kg/s of water, about l/s
  out[at::length] = length;
  out[at::coolingCapacity] = std::ceil(1.1 * peakCool);
  out[at::heatingCapacity] = std::ceil(1.1 * peakHeat);
  out[at::swing] = maxIn - minIn;
  out[at::auxSupply] = maxIn + 5;
  out[at::auxApproach] = 3.5;
  out[at::auxReturn] = maxIn + 10;
  out[at::heatingDesign] = tinPeakHeat;
  out[at::coolingDesign] = tinPeakCool;
  out[at::peakCooling] = peakCool;
  // The deck's constants after the figures, as far as there is room.
  std::size_t next = at::constants;
  for (const std::string& name : c.names) {
    if (next >= out.size()) break;
    out[next++] = c.values.at(name);
  }
  return out;
}

std::vector<std::string> Warnings(const std::vector<Hour>& hours) {
  double minIn = 1e9;
  int below = 0;
  for (const Hour& r : hours) {
    minIn = std::min(minIn, r.tin);
    if (r.tin < 5) ++below;
  }
  std::vector<std::string> w;
  if (below > 0) {
    w.push_back("Entering fluid temperature below 5 C in " + std::to_string(below) + " hours (lowest " +
                NumberText(minIn) + " C).");
  }
  return w;
}

std::string NumberText(double value) {
  if (std::abs(value) < 5e-7) value = 0;
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
  return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

}  // namespace zantor
