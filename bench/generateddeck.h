#pragma once

#include <algorithm>
#include <string>

namespace pm {

// A deck of n numeric inputs: up to 20 tab windows (one per 250 inputs),
// each holding visual groups of 10 inputs.
inline std::string GeneratedDeck(int n) {
  const int pages = std::clamp(n / 250, 1, 20);
  const int perPage = n / pages;
  std::string deck = "*PLENZO\n*|*Generated deck\n";
  int made = 0;
  for (int p = 0; p < pages; ++p) {
    deck += "*|<TABWINDOW NAME=\"Page " + std::to_string(p + 1) + "\">\n";
    for (int i = 0; i < perPage && made < n; ++i, ++made) {
      if (i % 10 == 0)
        deck += "*|[G" + std::to_string(made / 10) + "|Group " + std::to_string(made / 10) + "\n";
      deck += "X" + std::to_string(made) + " = " + std::to_string(made % 97) + ".25\n";
      deck +=
          "*|Input " + std::to_string(made) + "|m|ft|0|3.28084|0|100.00|" + std::to_string(made % 50) + "\n";
      if (i % 10 == 9 || i + 1 == perPage) deck += "*|]\n";
    }
    deck += "*|</TABWINDOW>\n";
  }
  return deck;
}

}  // namespace pm
