// Optavin: ends an optimization with one engine run on the best values. It
// creates no application object: nothing here needs an event loop or a
// display.
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <iostream>
#include <string>

#include "optdriver/optavin.h"
#include "platform/programidentity.h"

int main(int /*argc*/, char** argv) {
  std::string quorvel = OPTAVIN_QUORVEL_DIR;
  if (quorvel.empty()) {
    // PATH only to find this program the way the shell found it.
    const char* path = std::getenv("PATH");
    const pm::ProgramIdentity self = pm::IdentifyProgram(QFile::decodeName(argv[0] ? argv[0] : ""),
                                                         QDir::currentPath(), QFile::decodeName(path ? path : ""));
    quorvel = QFile::encodeName(self.ProgramFolder + QStringLiteral("/Quorvel")).toStdString();
  }
  return pm::optavin::OptavinMain(quorvel, std::cout, std::cerr);
}
