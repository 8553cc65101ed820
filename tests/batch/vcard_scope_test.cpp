// vCard: only TEL values are renumbered, across folded lines, and every other byte is kept.
#include "batch/vcard_scope.h"

#include <gtest/gtest.h>

#include "tests/batch/memory_files.h"

namespace batch {
namespace {

std::string ConvertVCard(const std::string& input) {
  VCardScope scope;
  return testing::ConvertBytes(input, scope, FormSet::All()).output;
}

struct VCardCase {
  const char* name;
  const char* input;
  const char* expected;
};

class VCardCases : public ::testing::TestWithParam<VCardCase> {};

TEST_P(VCardCases, RenumbersTelValuesOnly) {
  EXPECT_EQ(ConvertVCard(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VCardCases,
    ::testing::Values(
        VCardCase{"AllFormsInTel", "TEL:234567\r\nTEL:23-45-67\r\nTEL:23 45 67\r\n",
                  "TEL:2234567\r\nTEL:223-45-67\r\nTEL:223 45 67\r\n"},
        VCardCase{"CodesInFront", "TEL;TYPE=work:+7 (812) 23-45-67\r\nTEL:8-812-234567\r\n",
                  "TEL;TYPE=work:+7 (812) 223-45-67\r\nTEL:8-812-2234567\r\n"},
        VCardCase{"PostalCodesAndOtherPropertiesKept",
                  "ADR;TYPE=home:;;ул. Мира 1;СПб;;190000;Россия\r\nNOTE:23-45-67\r\n"
                  "X-TEL:234567\r\nTELEX:234567\r\nTEL:234567\r\n",
                  "ADR;TYPE=home:;;ул. Мира 1;СПб;;190000;Россия\r\nNOTE:23-45-67\r\n"
                  "X-TEL:234567\r\nTELEX:234567\r\nTEL:2234567\r\n"},
        VCardCase{"NameInAnyCaseWithAGroup", "item1.tel:234567\r\nItem2.Tel;type=CELL:345678\r\n",
                  "item1.tel:2234567\r\nItem2.Tel;type=CELL:4345678\r\n"},
        VCardCase{"ColonInAQuotedParameter", "TEL;X-NOTE=\"a:234567\":345678\r\n",
                  "TEL;X-NOTE=\"a:234567\":4345678\r\n"},
        VCardCase{"FoldInsideANumber", "TEL:23-45-\r\n 67\r\nTEL:23\r\n\t4567\r\n",
                  "TEL:223-45-\r\n 67\r\nTEL:223\r\n\t4567\r\n"},
        VCardCase{"FoldInsideTheName", "TE\r\n L:234567\r\n", "TE\r\n L:2234567\r\n"},
        VCardCase{"FoldedNonTelValueStaysOut", "NOTE:x\r\n 234567\r\nTEL:1\r\n 234567\r\n",
                  "NOTE:x\r\n 234567\r\nTEL:1\r\n 234567\r\n"},
        VCardCase{"LineEndsTheNumber", "TEL:23-45-67\r\n89\r\nTEL:234567\n",
                  "TEL:223-45-67\r\n89\r\nTEL:2234567\n"},
        VCardCase{"NextLineIsNoContinuation", "TEL:23-45-\r\nTEL:67\r\n",
                  "TEL:23-45-\r\nTEL:67\r\n"},
        VCardCase{"ALoneCarriageReturnDoesNotEndTheLine", "TEL:234567\rTEL:345678\n",
                  "TEL:2234567\rTEL:4345678\n"},
        VCardCase{"UnterminatedLastLine", "TEL:234567", "TEL:2234567"},
        VCardCase{"LineWithoutColon", "TEL 234567\r\nTEL\r\n", "TEL 234567\r\nTEL\r\n"}),
    [](const ::testing::TestParamInfo<VCardCase>& info) { return std::string(info.param.name); });

TEST(VCardScope, AWholeCardKeepsEveryByteButTheNewDigits) {
  const std::string card =
      "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Иван Петров\r\nTEL;TYPE=\"voice,home\";VALUE=text:"
      "(812) 23-45-67\r\nTEL;TYPE=cell:8 921 123 45 67\r\nADR:;;Невский пр. 28;Санкт-Петербург;;"
      "191186;\r\nNOTE:звонить 34-56-78\r\nEND:VCARD\r\n";
  std::string expected = card;
  expected.insert(expected.find("23-45-67"), "2");
  EXPECT_EQ(ConvertVCard(card), expected);
}

}  // namespace
}  // namespace batch
