#include "formdeck/inputmarkup.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(NumericMarkup, ReadsEveryField) {
  NumericMarkup m;
  ASSERT_TRUE(ReadNumericMarkup("*|Tank volume|m3|gal|0|264.172|0.1|100.0|12", &m));
  EXPECT_EQ(m.label, "Tank volume");
  EXPECT_EQ(m.siUnit, "m3");
  EXPECT_EQ(m.ipUnit, "gal");
  EXPECT_EQ(m.offset, 0);
  EXPECT_EQ(m.factor, 264.172L);
  EXPECT_EQ(m.min, 0.1L);
  EXPECT_EQ(m.max, 100.0L);
  EXPECT_EQ(m.format, (TNumberFormat{1, 1}));
  EXPECT_EQ(m.helpId, 12);
  EXPECT_TRUE(m.appLink.empty());
}

TEST(NumericMarkup, HelpIdAndLinkAreOptional) {
  NumericMarkup m;
  ASSERT_TRUE(ReadNumericMarkup("*|Flow|kg/s|lb/h|0|7936.6|0|10|3|APPLINK2|-run flow.dat", &m));
  EXPECT_EQ(m.helpId, 3);
  EXPECT_EQ(m.appLink, "APPLINK2|-run flow.dat");
  ASSERT_TRUE(ReadNumericMarkup("*|Flow|kg/s|lb/h|0|1|0|10", &m));
  EXPECT_EQ(m.format, (TNumberFormat{1, 0}));
  ASSERT_TRUE(ReadNumericMarkup("*|Flow|kg/s|lb/h|0|1|0|1E6||", &m));
  EXPECT_EQ(m.format, (TNumberFormat{0, 4}));
  EXPECT_EQ(m.helpId, 0);
}

TEST(NumericMarkup, MalformedFieldsAreErrors) {
  for (const char* line : {
           "*|Tank volume",                          // no fields
           "*|Tank|m3|gal|0|264.172|0.1",            // no maximum
           "*|Tank|m3|gal|zero|1|0|10|1",            // offset
           "*|Tank|m3|gal|0|0|0|10|1",               // a factor of 0 would divide by zero
           "*|Tank|m3|gal|0|1E5000|0|10|1",          // not finite
           "*|Tank|m3|gal|0|1|0|10 m3|1",            // maximum
           "*|Tank|m3|gal|0|1|0|10|twelve",          // help id
       }) {
    NumericMarkup m;
    EXPECT_FALSE(ReadNumericMarkup(line, &m)) << line;
  }
  NumericMarkup m;
  EXPECT_TRUE(ReadNumericMarkup("*|Tank|m3|gal|0|1|10|0|1", &m)) << "minimum above maximum is kept";
}

TEST(ValueLines, NameKeepsItsSpacingAndValueIsTrimmed) {
  std::string name, value;
  ASSERT_TRUE(SplitValueLine("FLOW  =  12.5 ", &name, &value));
  EXPECT_EQ(name, "FLOW  ");
  EXPECT_EQ(value, "12.5");
  ASSERT_TRUE(SplitValueLine("X = 2*Y = 3", &name, &value));
  EXPECT_EQ(value, "2*Y = 3");
  EXPECT_FALSE(SplitValueLine("TANK 2.5", &name, &value));
}

TEST(AssignLines, FileKeepsQuotesAndNeedsAUnit) {
  AssignValue a;
  ASSERT_TRUE(ReadAssignLine("ASSIGN \"C:\\my data\\in.dat\" 12", &a));
  EXPECT_EQ(a.name, "ASSIGN");
  EXPECT_EQ(a.file, "\"C:\\my data\\in.dat\"");
  EXPECT_EQ(a.unit, 12);
  ASSERT_TRUE(ReadAssignLine("assign   in.dat   7  ", &a));
  EXPECT_EQ(a.name, "assign");
  EXPECT_EQ(a.file, "in.dat");
  EXPECT_EQ(a.unit, 7);
  for (const char* line : {"ASSIGN in.dat", "ASSIGN in.dat x", "TANK = 25", "ASSIGN"}) {
    AssignValue bad;
    EXPECT_FALSE(ReadAssignLine(line, &bad)) << line;
  }
}

TEST(ListMarkup, ReadsColumnsHelpAndLink) {
  ListMarkup m;
  ASSERT_TRUE(ReadListMarkup("*|<Pump|pumps.lst|2|1|0", &m));
  EXPECT_EQ(m.label, "Pump");
  EXPECT_EQ(m.listFile, "pumps.lst");
  EXPECT_EQ(m.displayColumn, 2);
  EXPECT_EQ(m.keyColumn, 1);
  ASSERT_TRUE(ReadListMarkup("*|<Pump|pumps.lst|2|1|44|APPLINK1|pumps.lst", &m));
  EXPECT_EQ(m.helpId, 44);
  EXPECT_EQ(m.appLink, "APPLINK1|pumps.lst");
  for (const char* line : {"*|<Pump|pumps.lst|two|1|0", "*|<Pump|pumps.lst|2", "*|<Pump|pumps.lst|2|1|x"}) {
    ListMarkup bad;
    EXPECT_FALSE(ReadListMarkup(line, &bad)) << line;
  }
}

TEST(ListDeckLines, ValueOrAssignLine) {
  ListDeckValue v;
  ASSERT_TRUE(ReadListDeckLine("PUMP = 2", &v));
  EXPECT_EQ(v.name, "PUMP ");
  EXPECT_EQ(v.value, "2");
  EXPECT_FALSE(v.isAssign);
  ListDeckValue a;
  ASSERT_TRUE(ReadListDeckLine("ASSIGN \"my pumps.dat\" 7", &a));
  EXPECT_TRUE(a.isAssign);
  EXPECT_EQ(a.value, "\"my pumps.dat\"");
  EXPECT_EQ(a.unit, 7);
  ListDeckValue bad;
  EXPECT_FALSE(ReadListDeckLine("PUMP 2", &bad));
  EXPECT_FALSE(ReadListDeckLine("ASSIGN pumps.dat", &bad));
}

TEST(FileMarkup, LabelAndHelpId) {
  FileMarkup m;
  ASSERT_TRUE(ReadFileMarkup("*|?Weather file|5", &m));
  EXPECT_EQ(m.label, "Weather file");
  EXPECT_EQ(m.helpId, 5);
  ASSERT_TRUE(ReadFileMarkup("*|?Weather file", &m));
  FileMarkup bad;
  EXPECT_FALSE(ReadFileMarkup("*|?Weather file|five", &bad));
}

TEST(TextLineMarkup, KeepsTheHelpTextAsWritten) {
  TextLineMarkup plain = ReadTextLineMarkup("*|*Heading");
  EXPECT_EQ(plain.label, "Heading");
  EXPECT_FALSE(plain.hasInput);
  TextLineMarkup input = ReadTextLineMarkup("*|*Results|see manual");
  EXPECT_TRUE(input.hasInput);
  EXPECT_EQ(input.inputText, "see manual");
  EXPECT_FALSE(input.hasHelp);
  TextLineMarkup help = ReadTextLineMarkup("*|*Results|see manual| 42 ");
  EXPECT_EQ(help.helpText, " 42 ");
  EXPECT_EQ(help.helpId, 42);
  TextLineMarkup words = ReadTextLineMarkup("*|*Results||chapter 3|x");
  EXPECT_EQ(words.inputText, "");
  EXPECT_EQ(words.helpText, "chapter 3|x");
  EXPECT_EQ(words.helpId, 0);
}

TEST(AppLink, LinkIndexArgumentsAndBitmap) {
  AppLinkMarkup a;
  ASSERT_TRUE(ReadAppLink("APPLINK2|-run flow.dat", &a));
  EXPECT_EQ(a.linkIndex, 2);
  EXPECT_EQ(a.arguments, "-run flow.dat");
  AppLinkMarkup b;
  ASSERT_TRUE(ReadAppLink("applink\\Pump.bmp|edit Pumps.lst", &b));
  EXPECT_EQ(b.linkIndex, 0);
  EXPECT_EQ(b.bitmap, "Pump.bmp");
  EXPECT_EQ(b.arguments, "edit Pumps.lst");
  AppLinkMarkup c;
  ASSERT_TRUE(ReadAppLink("APPLINK9", &c));
  EXPECT_EQ(c.linkIndex, 0);
  EXPECT_EQ(c.arguments, "");
  AppLinkMarkup d;
  EXPECT_FALSE(ReadAppLink("-run flow.dat", &d));
}

TEST(DisplayUnits, SiIsShownAsItIsAndInchPoundConverted) {
  EXPECT_EQ(ToDisplayUnits(2.5L, 0, 264.172L, 1), 2.5L);
  EXPECT_EQ(ToDisplayUnits(100, 10, 2, 2), 220);
}

}  // namespace
}  // namespace pm
