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

std::vector<double> ResultNumbers(const std::vector<Hour>& hours, const DeckConstants& c) {
  double heating = 0, cooling = 0, peakHeat = 0, peakCool = 0, minIn = 1e9, maxIn = -1e9, sumIn = 0;
  int below = 0;
  for (const Hour& r : hours) {
    if (r.load > 0) heating += r.load;
    else cooling -= r.load;
    peakHeat = std::max(peakHeat, r.load);
    peakCool = std::max(peakCool, -r.load);
    minIn = std::min(minIn, r.tin);
    maxIn = std::max(maxIn, r.tin);
    sumIn += r.tin;
    if (r.tin < 5) ++below;
  }
  const double n = hours.empty() ? 1 : static_cast<double>(hours.size());
  std::vector<double> out = {heating,     cooling,           peakHeat, peakCool, minIn, maxIn, sumIn / n,
                             double(below), heating / 3.5, cooling / 4.5};
  for (const std::string& name : c.names) {
    if (out.size() >= 100) break;
    out.push_back(c.values.at(name));
  }
  out.resize(100, 0.0);
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
