// Optavin: ends an optimization with one engine run on the best values.
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "optdriver/hostfiles.h"
#include "optdriver/optavin.h"

int main(int /*argc*/, char** argv) {
  std::string quorvel = OPTAVIN_QUORVEL_DIR;
  if (quorvel.empty()) {
    std::vector<char> cwd(4096);
    const std::string current = ::getcwd(cwd.data(), cwd.size()) ? cwd.data() : ".";
    // Only to find this program the way the shell found it.
    const char* path = std::getenv("PATH");
    quorvel = pm::optavin::ProgramFolderOf(argv[0] ? argv[0] : "", current, path ? path : "") + "/Quorvel";
  }
  return pm::optavin::OptavinMain(quorvel, std::cout, std::cerr);
}
