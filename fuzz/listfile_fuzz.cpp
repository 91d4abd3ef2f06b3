#include "fuzzsupport.h"

#include "formdeck/listfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>

// A list file of any content: read, every column of every row, a lookup.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString path = pm::fuzz::ScratchFolder() + QStringLiteral("/pumps.lst");
  if (!pm::fuzz::WriteInput(path, data, size)) return 0;
  const pm::ListFileRows list = pm::ReadListFile(path);
  (void)pm::ListFileMessage(path, list);
  for (const std::string& row : list.rows) {
    for (int k = 1; k <= 4; ++k) (void)pm::GetListColumn(row, k);
  }
  (void)pm::FindListRow(list.rows, 1, "B", 0);
  (void)pm::FindListRow(list.rows, 2, "", 2.0L);
  std::string result;
  std::string key = "SMALL";
  int row = -1;
  (void)pm::LookupListFile(path, 2, 1, &result, &row, &key, 0);
  return 0;
}
