// The results report's logic: template by configuration word, results file
// name and reading, unit conversion, value slots and placeholders.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cmath>
#include <limits>

#include "platform/rtfreader.h"
#include "shell/resultsreport.h"
#include "shell/runconfiguration.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

TEST(ReportTemplate, FirstConfigurationWordInTableOrder) {
  const struct {
    const char* name;
    const char* file;
  } cases[] = {
      {"GHX_RUN.DCK", "Output_GHX.rtf"},
      {"quorvel/pelmark_ghx1.dck", "Output_GHX.rtf"},  // any case
      {"HYBRID_GHX.DCK", "Output_GHX.rtf"},            // GHX is tested first
      {"HYBRID1.DCK", "Output_Hybrid.rtf"},
      {"HYBRE1.DCK", "Output_Hybre.rtf"},
      {"HYDFC.DCK", "Output_Hybrid_DFC.rtf"},
      {"CONV_CODFC.DCK", "Output_Conv_DFC.rtf"},
      {"HYBOI.DCK", "Output_HyBoi.rtf"},
      {"HYSOL.DCK", "Output_Conv.rtf"},
      {"CONV.DCK", "Output_Conv.rtf"},
      {"", "Output_Conv.rtf"},  // before any run
      {"ghx/run.dck", "Output_GHX.rtf"},  // a folder the deck wrote counts
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReportTemplateFor(QLatin1String(c.name)).toStdString(), c.file) << c.name;
}

TEST(ReportTemplate, FoldersAddedToMakeThePathAbsoluteDoNotCount) {
  EXPECT_EQ(RunDeckAsWritten(QStringLiteral("/home/u/ghx-tests/run/plant.dck"),
                             QStringLiteral("/home/u/ghx-tests")),
            QStringLiteral("run/plant.dck"));
  EXPECT_EQ(ReportTemplateFor(RunDeckAsWritten(QStringLiteral("/home/u/ghx-tests/plant.dck"),
                                               QStringLiteral("/home/u/ghx-tests/"))),
            QStringLiteral("Output_Conv.rtf"));
  // A name the deck gave as absolute stays whole.
  EXPECT_EQ(RunDeckAsWritten(QStringLiteral("/data/GHX/plant.dck"), QStringLiteral("/home/u")),
            QStringLiteral("/data/GHX/plant.dck"));
  EXPECT_EQ(RunDeckAsWritten(QString(), QStringLiteral("/home/u")), QString());
}

TEST(ConfigurationWord, FirstOfTheListGiven) {
  EXPECT_EQ(ConfigurationWord(QStringLiteral("conv_codfc.dck"), {"CONV", "CODFC"}), QStringLiteral("CONV"));
  EXPECT_EQ(ConfigurationWord(QStringLiteral("conv_codfc.dck"), {"CODFC", "CONV"}), QStringLiteral("CODFC"));
  EXPECT_EQ(ConfigurationWord(QStringLiteral("plant.dck"), {"GHX"}), QString());
}

TEST(ResultsFile, NameAfterASingleRunAndAnOptimization) {
  EXPECT_EQ(ResultsFileOf(QStringLiteral("/d/GHX_RUN.DCK"), false), QStringLiteral("/d/GHX_RUN-RESULTS.TXT"));
  EXPECT_EQ(ResultsFileOf(QStringLiteral("/d/GHX_RUN.DCK"), true), QStringLiteral("/d/GHX_RU2-RESULTS.TXT"));
  EXPECT_EQ(ResultsFileOf(QString(), false), QStringLiteral("-RESULTS.TXT"));
  EXPECT_EQ(ResultsFileOf(QString(), true), QStringLiteral("-RESULTS.TXT"));
}

TEST(UnitConversion, EachConversionInBothSystems) {
  EXPECT_DOUBLE_EQ(static_cast<double>(ToEnergyUnits(3.6e9L, true)), 3600.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(ToEnergyUnits(3.6e9L, false)), 1e6);
  EXPECT_DOUBLE_EQ(static_cast<double>(ToTemperatureUnits(20, true)), 20.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(ToTemperatureUnits(20, false)), 68.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(ToTemperatureDifferenceUnits(10, false)), 18.0);
  EXPECT_NEAR(static_cast<double>(ToPressureUnits(101.3L, false)), 14.697, 1e-12);
  EXPECT_NEAR(static_cast<double>(ToLengthUnits(0.3048L, false)), 1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(ToCoolingCapacityUnits(100, false)), 28.43, 1e-12);
  EXPECT_NEAR(static_cast<double>(ToHeatRateUnits(100, false)), 341.2, 1e-12);
  EXPECT_NEAR(static_cast<double>(ToFlowUnits(2, false)), 31.7, 1e-12);
  for (auto f : {ToTemperatureDifferenceUnits, ToPressureUnits, ToLengthUnits, ToCoolingCapacityUnits,
                 ToHeatRateUnits, ToFlowUnits})
    EXPECT_EQ(f(12.5L, true), 12.5L);
}

class ResultsFileRead : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("RUN-RESULTS.TXT"));
    WriteBytes(path, bytes);
    return path;
  }
  QTemporaryDir dir_;
  std::array<long double, 100> v{};
};

TEST_F(ResultsFileRead, LastLineGivesTheNumbersShortLinesReadAsZero) {
  ASSERT_TRUE(ReadResultsValues(Write("header line\r\n9 9 9\r\n  1.5 -2\t3E2 x 7\r\n"), &v));
  EXPECT_EQ(v[0], 1.5L);
  EXPECT_EQ(v[1], -2.0L);
  EXPECT_EQ(v[2], 300.0L);
  EXPECT_EQ(v[3], 0.0L);  // a token that is no number reads as 0 on its own
  EXPECT_EQ(v[4], 7.0L);
  EXPECT_EQ(v[5], 0.0L);
  EXPECT_EQ(v[99], 0.0L);
}

TEST_F(ResultsFileRead, HundredNumbersExtraOnesIgnored) {
  std::string line;
  for (int i = 0; i < 105; ++i) line += std::to_string(i) + " ";
  ASSERT_TRUE(ReadResultsValues(Write(QByteArray::fromStdString(line)), &v));
  EXPECT_EQ(v[0], 0.0L);
  EXPECT_EQ(v[99], 99.0L);
}

TEST_F(ResultsFileRead, MissingEmptyOrNotANumberLineGivesNoValues) {
  EXPECT_FALSE(ReadResultsValues(dir_.filePath(QStringLiteral("none.txt")), &v));
  EXPECT_FALSE(ReadResultsValues(Write(""), &v));
  EXPECT_FALSE(ReadResultsValues(Write("1 2 3\r\n\r\n"), &v));  // the last line is empty
  EXPECT_FALSE(ReadResultsValues(Write("Results 1 2"), &v));
  EXPECT_FALSE(ReadResultsValues(Write(".5 1"), &v));
  EXPECT_TRUE(ReadResultsValues(Write("+.5 1"), &v));
}

std::array<long double, 100> Values() {
  std::array<long double, 100> v{};
  v[3] = 12345.678L;   // slot 1, / 1000
  v[4] = 20;           // slot 60, temperature
  v[6] = 3.6e9L;       // slot 45, energy
  v[37] = 0.1L;        // slot 73; not above 0.1
  v[41] = 101.3L;      // slot 70, pressure
  v[44] = 30.48L;      // slot 75, length, 0 decimals
  v[47] = 10;          // slots 90 (difference) and 91 (temperature)
  return v;
}

TEST(ReportSlots, FormattedConvertedAndRightAligned) {
  const ReportSlots si = FillSlots(Values(), true);
  EXPECT_EQ(si[1], "   12.35");
  EXPECT_EQ(si[60], "    20.0");
  EXPECT_EQ(si[45], "  3600.0");
  EXPECT_EQ(si[70], "   101.3");
  EXPECT_EQ(si[73], "       0");
  EXPECT_EQ(si[75], "      30");
  EXPECT_EQ(si[90], "    10.0");
  EXPECT_EQ(si[91], "    10.0");
  EXPECT_EQ(si[2], "");  // slots outside the table stay empty
  const ReportSlots ip = FillSlots(Values(), false);
  EXPECT_EQ(ip[1], "   12.35");
  EXPECT_EQ(ip[60], "    68.0");
  EXPECT_EQ(ip[45], "1000000.0");
  EXPECT_EQ(ip[70], "    14.7");
  EXPECT_EQ(ip[75], "     100");
  EXPECT_EQ(ip[90], "    18.0");
  EXPECT_EQ(ip[91], "    50.0");
}

TEST(ReportSlots, StarsAboveOneTenthAndNoDigitEverCut) {
  auto v = Values();
  v[37] = 0.2L;
  v[4] = 1e25L;
  v[5] = std::numeric_limits<long double>::quiet_NaN();
  v[49] = 1e99L;
  const ReportSlots s = FillSlots(v, true);
  EXPECT_EQ(s[1], "***");
  EXPECT_EQ(s[60], "1.0000E+25");  // fixed would need 28 characters
  EXPECT_EQ(s[65], "     nan");
  EXPECT_EQ(s[80], "     inf");
}

ReportFill Fill(bool si, bool optimization) {
  ReportFill fill;
  fill.Slots = FillSlots(Values(), si);
  fill.SI = si;
  fill.Optimization = optimization;
  fill.Warnings = {"Loop too cold", "", "3 wells {short} at 50% \\ load"};
  return fill;
}

TEST(ReportPlaceholders, EveryKindInBothUnitSystems) {
  const std::string tpl =
      "{\\rtf1 %%O%%99 Results\\par %%W\\par T %%60 %%T, dT %%90 %%D, p %%70 %%P, "
      "q %%71 %%F, L %%75 %%L, E %%45 %%E, C %%96 %%C, M %%98 %%M\\par}";
  std::string si = tpl;
  FillReportPlaceholders(si, Fill(true, false));
  EXPECT_EQ(si,
            "{\\rtf1 Specific Case  Results\\par "
            "Loop too cold\\par }{\\f1\\fs22\\insrsid8151840\\charrsid8151840 "
            "3 wells \\{short\\} at 50\\'25 \\\\ load\\par }{\\f1\\fs22\\insrsid8151840\\charrsid8151840 "
            "\\par T 20.0 \xB0" "C, dT 10.0 \xB0" "C, p 101.3 kPa, q 0.0 l/s, L 30 m, E 3600.0 GJ, "
            "C 0.0 kW, M 0 kW\\par}");
  std::string ip = tpl;
  FillReportPlaceholders(ip, Fill(false, true));
  EXPECT_EQ(ip,
            "{\\rtf1 Optimization Optimal Results\\par "
            "Loop too cold\\par }{\\f1\\fs22\\insrsid8151840\\charrsid8151840 "
            "3 wells \\{short\\} at 50\\'25 \\\\ load\\par }{\\f1\\fs22\\insrsid8151840\\charrsid8151840 "
            "\\par T 68.0 \xB0" "F, dT 18.0 \xB0" "F, p 14.7 psia, q 0.0 gpm, L 100 ft, E 1000000.0 kWh, "
            "C 0.0 tons, M 0 MBtu/hr\\par}");
}

TEST(ReportPlaceholders, RepeatedUnitsOutOfRangeSlotsAndTextRightAfter) {
  std::string text = "%%P %%P %%O%%O %%200|%%0|%%7abc|%%%60|%%";
  ReportFill fill = Fill(true, false);
  fill.Slots[7] = "   -1.50";
  FillReportPlaceholders(text, fill);
  EXPECT_EQ(text, "kPa kPa Specific Case Specific Case  ||-1.50abc|%60|");  // "%%%60": the first "%%" has no digits
}

TEST(ReportPlaceholders, NoPassLimitAndNoResults) {
  std::string text;
  for (int i = 0; i < 150; ++i) text += "[%%60]";
  ReportFill fill;  // no results: every slot empty
  FillReportPlaceholders(text, fill);
  std::string expected;
  for (int i = 0; i < 150; ++i) expected += "[]";
  EXPECT_EQ(text, expected);
}

TEST(ReportPlaceholders, NoWarningsFileRemovesThePlaceholder) {
  std::string text = "a%%Wb";
  FillReportPlaceholders(text, ReportFill{});
  EXPECT_EQ(text, "ab");
}

TEST(ReportPlaceholders, WarningsAreReadAsWritten) {
  QTemporaryDir dir;
  WriteBytes(dir.filePath(QStringLiteral("warnings.dat")), "first\r\n\r\nsecond\r\n");
  EXPECT_EQ(ReadWarnings(dir.filePath(QStringLiteral("warnings.dat"))),
            (std::vector<std::string>{"first", "", "second"}));
  EXPECT_TRUE(ReadWarnings(dir.filePath(QStringLiteral("none.dat"))).empty());
}

// The demo's templates: every placeholder is filled and the result reads
// as rich text.
TEST(ReportPlaceholders, DemoTemplatesFillCompletely) {
  const QDir demo(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo"));
  const QStringList templates = demo.entryList({QStringLiteral("Output_*.rtf")}, QDir::Files);
  EXPECT_EQ(templates.size(), 7);
  for (const QString& name : templates) {
    SCOPED_TRACE(name.toStdString());
    std::string text = ReadBytes(demo.filePath(name)).toStdString();
    ReportFill fill = Fill(false, true);
    FillReportPlaceholders(text, fill);
    EXPECT_EQ(text.find("%%"), std::string::npos);
    QTextDocument doc;
    ASSERT_TRUE(ReadRichText(QByteArray::fromStdString(text), &doc));
    const QString plain = doc.toPlainText();
    EXPECT_TRUE(plain.startsWith(QStringLiteral("Optimization Results"))) << plain.toStdString();
    EXPECT_TRUE(plain.contains(QStringLiteral("Lowest fluid temperature entering the heat pump\t68.0\t\u00b0F")));
    EXPECT_TRUE(plain.contains(QStringLiteral("3 wells {short} at 50% \\ load")));
  }
  // The report's help page is mapped.
  EXPECT_TRUE(ReadBytes(demo.filePath(QStringLiteral("help/context.map"))).contains("9500=report.html"));
}

}  // namespace
}  // namespace pm::test
