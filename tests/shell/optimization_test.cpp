#include "shell/optimization.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/testfiles.h"

namespace pm {
namespace {

TEST(ConfigurationWord, FirstWordOfTheListInTheNameAsTheDeckWritesIt) {
  struct Case {
    const char* fileText;
    const char* word;
  } cases[] = {
      {"Quorvel\\Pelmark_ghx1.dck", "GHX"},
      {"PELMARK_HYBRE1.DCK", "HYBRE"},
      {"plant_hybrid_ghx.dck", "GHX"},          // GHX is tested first
      {"conv_codfc1.dck", "CONV"},              // CONV before CODFC
      {"C:\\GHX_studies\\hybrid1.dck", "GHX"},  // folders the deck names count
      {"hybrid1.dck", "HYBRID"},
      {"hysol.dck", "HYSOL"},
      {"plain.dck", ""},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConfigurationWord(QString::fromUtf8(c.fileText), OptimizationWords()), QLatin1String(c.word))
        << c.fileText;
}

TEST(OptimizerCommandFile, OneFileAConfigurationHybreSharesHybrids) {
  const struct {
    const char* word;
    const char* file;
  } cases[] = {
      {"GHX", "Optimize_GHX.dat"},     {"HYBRID", "Optimize_Hybrid.dat"}, {"HYBRE", "Optimize_Hybrid.dat"},
      {"CONV", "Optimize_Conv.dat"},   {"CODFC", "Optimize_CODFC.dat"},   {"HYDFC", "Optimize_HYDFC.dat"},
      {"HYSOL", "Optimize_HYSOL.dat"}, {"HYBOI", "Optimize_HYBOI.dat"},   {"OTHER", ""}};
  for (const auto& c : cases) EXPECT_EQ(OptimizerCommandFile(QLatin1String(c.word)), QLatin1String(c.file));
}

TEST(OptimizerCommandLine, FirstLineOfTheFileFoundWithoutRegardToCase) {
  QTemporaryDir dir;
  const QString folder = dir.path();
  test::WriteBytes(folder + QStringLiteral("/OPTIMIZE_GHX.DAT"),
                   "Optimizer 4 Quorvel\\Pelmark_ghx1.dck\r\nsecond\r\n");
  test::WriteBytes(folder + QStringLiteral("/Optimize_Conv.dat"), "");
  test::WriteBytes(folder + QStringLiteral("/Optimize_HYSOL.dat"), "caf\xe9 /x");
  EXPECT_EQ(OptimizerCommandLine(folder, QStringLiteral("Optimize_GHX.dat")),
            QStringLiteral("Optimizer 4 Quorvel\\Pelmark_ghx1.dck"));
  EXPECT_EQ(OptimizerCommandLine(folder, QStringLiteral("Optimize_Conv.dat")), QString());
  EXPECT_EQ(OptimizerCommandLine(folder, QStringLiteral("Optimize_Hybrid.dat")), QString());
  EXPECT_EQ(OptimizerCommandLine(folder, QStringLiteral("Optimize_HYSOL.dat")),
            QStringLiteral("caf\u00e9 /x"));
}

TEST(OptimizationResultsFile, TheFinalRunsNameBesideTheRunDeck) {
  EXPECT_EQ(OptimizationResultsFile(QStringLiteral("Quorvel\\Pelmark_ghx1.dck")),
            QStringLiteral("Quorvel\\Pelmark_ghx2-RESULTS.TXT"));
  EXPECT_EQ(OptimizationResultsFile(QStringLiteral("/a/PELMARK_HYBRE1.DCK")),
            QStringLiteral("/a/PELMARK_HYBRE2-RESULTS.TXT"));
  EXPECT_EQ(OptimizationResultsFile(QStringLiteral("x.dck")), QStringLiteral("2-RESULTS.TXT"));
  EXPECT_EQ(OptimizationResultsFile(QStringLiteral(".dck")), QString());
}

TEST(OptavinFailureMessage, ExitStatusOrSignal) {
  EXPECT_EQ(OptavinFailureMessage(1, 0),
            QStringLiteral("Optavin ended with exit status 1; the optimization's report is not shown."));
  EXPECT_EQ(OptavinFailureMessage(-1, 11),
            QStringLiteral("Optavin ended with exit status 139; the optimization's report is not shown."));
}

}  // namespace
}  // namespace pm
