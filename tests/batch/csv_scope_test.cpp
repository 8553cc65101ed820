// CSV: only the chosen columns are renumbered; quoting, delimiters and line ends are followed
// and kept byte for byte.
#include "batch/csv_scope.h"

#include <gtest/gtest.h>

#include "tests/batch/memory_files.h"

namespace batch {
namespace {

struct CsvCase {
  const char* name;
  std::vector<const char*> columns;
  std::optional<char> delimiter;
  const char* input;
  const char* expected;
};

class CsvCases : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvCases, RenumbersTheChosenColumnsOnly) {
  const CsvCase& c = GetParam();
  std::vector<CsvColumn> columns;
  for (const char* column : c.columns) columns.push_back({column});
  CsvScope scope(columns, c.delimiter);
  const testing::Converted converted = testing::ConvertBytes(c.input, scope, FormSet::All());
  EXPECT_EQ(converted.outcome.status, RenumberOutcome::Status::kDone) << converted.outcome.reason;
  EXPECT_EQ(converted.output, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvCases,
    ::testing::Values(
        CsvCase{"SemicolonDetected",
                {"tel"},
                {},
                "name;tel;zip\r\nA;23-45-67;190000\r\nB;234567;23 45 67\r\n",
                "name;tel;zip\r\nA;223-45-67;190000\r\nB;2234567;23 45 67\r\n"},
        CsvCase{"CommaDetected", {"tel"}, {}, "name,tel\nA,234567\n", "name,tel\nA,2234567\n"},
        CsvCase{"MoreSemicolonsThanCommasInTheHeader",
                {"2"},
                {},
                "a, b;c;d\n1,2;234567;x\n",
                "a, b;c;d\n1,2;2234567;x\n"},
        CsvCase{"DelimitersInQuotesDoNotCount",
                {"2"},
                {},
                "\"a;b;c\",d\nx,234567\n",
                "\"a;b;c\",d\nx,2234567\n"},
        CsvCase{"DelimiterGiven", {"2"}, '\t', "a\t234567\t345678\n", "a\t2234567\t345678\n"},
        CsvCase{"ColumnByNumberConvertsTheFirstRecordToo",
                {"1"},
                ',',
                "234567,345678\n",
                "2234567,345678\n"},
        CsvCase{"HeaderNameIsNeverConverted",
                {"23-45-67"},
                {},
                "23-45-67,x\n23-45-67,x\n",
                "23-45-67,x\n223-45-67,x\n"},
        CsvCase{"SeveralColumns",
                {"a", "3"},
                {},
                "a;b;c\n234567;234567;234567\n",
                "a;b;c\n2234567;234567;2234567\n"},
        CsvCase{"QuotedFieldsAndDoubledQuotes",
                {"tel"},
                {},
                "tel;n\n\"23-45-67\";\"x\"\"234567\"\"\"\n\"\"\"234567\"\"\";x\n",
                "tel;n\n\"223-45-67\";\"x\"\"234567\"\"\"\n\"\"\"2234567\"\"\";x\n"},
        CsvCase{"LineBreaksInsideQuotes",
                {"tel"},
                {},
                "n;tel\r\n\"a\r\nb;234567\";\"23 45 67\r\n34-56-78\"\r\n",
                "n;tel\r\n\"a\r\nb;234567\";\"223 45 67\r\n434-56-78\"\r\n"},
        CsvCase{"FieldEdgesEndNumbers",
                {"tel"},
                {},
                "tel;x\n12;34-56-78\n23-45-67;89\n",
                "tel;x\n12;34-56-78\n223-45-67;89\n"},
        CsvCase{"ShortRecordsAndEmptyFields",
                {"3"},
                {},
                "a;b;c\n;;\n;\n\n;;234567\n",
                "a;b;c\n;;\n;\n\n;;2234567\n"},
        CsvCase{"TextAfterAClosingQuoteKept", {"1"}, ',', "\"23\"4567,x\n", "\"23\"4567,x\n"},
        CsvCase{"UnterminatedQuoteRunsToTheEnd", {"1"}, ',', "\"234567\n", "\"2234567\n"},
        CsvCase{"Utf8MarkBeforeTheHeader",
                {"tel"},
                {},
                "\xEF\xBB\xBFtel\n234567\n",
                "\xEF\xBB\xBFtel\n2234567\n"},
        CsvCase{"Windows1251HeaderMatchesAUtf8Name",
                {"Телефон"},
                {},
                "\xC8\xEC\xFF;\xD2\xE5\xEB\xE5\xF4\xEE\xED\r\n\xC8\xE2\xE0\xED;23-45-67\r\n",
                "\xC8\xEC\xFF;\xD2\xE5\xEB\xE5\xF4\xEE\xED\r\n\xC8\xE2\xE0\xED;223-45-67\r\n"},
        CsvCase{"HeaderNameWithBlanksAround",
                {"tel"},
                {},
                "n; tel \nx;234567\n",
                "n; tel \nx;2234567\n"},
        CsvCase{"HeaderOnly", {"tel"}, {}, "tel", "tel"}),
    [](const ::testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

// A column number far past any record's fields selects nothing and costs no memory by its size.
TEST(CsvScope, AHugeColumnNumberSelectsNothingAndAllocatesNothingByItsSize) {
  CsvScope scope({{"23452345673"}, {"2"}}, ',');
  const testing::Converted converted =
      testing::ConvertBytes("1,234567,234567\n", scope, FormSet::All());
  EXPECT_EQ(converted.outcome.status, RenumberOutcome::Status::kDone);
  EXPECT_EQ(converted.output, "1,2234567,234567\n");
}

TEST(CsvScope, AColumnTheHeaderLacksRefusesTheFileAndWritesNothing) {
  CsvScope scope({{"tel"}, {"phone"}}, {});
  const testing::Converted converted =
      testing::ConvertBytes("name;tel\nA;234567\n", scope, FormSet::All());
  EXPECT_EQ(converted.outcome.status, RenumberOutcome::Status::kRefused);
  EXPECT_EQ(converted.outcome.reason, "the header has no column \"phone\"");
  EXPECT_EQ(converted.output, "");
}

TEST(CsvScope, AHeaderPastTheLimitIsJudgedByItsFirstPart) {
  std::string header = "tel;" + std::string(CsvScope::kLongestHeader + 10, 'h') + "\n";
  CsvScope scope({{"tel"}}, {});
  const testing::Converted converted =
      testing::ConvertBytes(header + "234567;x\n", scope, FormSet::All(), {65536});
  EXPECT_EQ(converted.outcome.status, RenumberOutcome::Status::kDone);
  EXPECT_EQ(converted.output, header + "2234567;x\n");
}

}  // namespace
}  // namespace batch
