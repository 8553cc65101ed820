#include "window/key_in_template.h"

#include <gtest/gtest.h>

#include <string>

namespace window {
namespace {

// The cells written as one letter each: I input, S stop mark, L literal.
std::string Kinds(const KeyInTemplate& parsed) {
  std::string kinds;
  for (const TemplateCell& cell : parsed.Cells()) {
    kinds += cell.kind == CellKind::Input ? 'I' : cell.kind == CellKind::StopMark ? 'S' : 'L';
  }
  return kinds;
}

struct ParseCase {
  const char* text;
  const char* kinds;
  const char* full_text;  // of the fresh template
};

class TemplateParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(TemplateParse, GivesItsCells) {
  const std::optional<KeyInTemplate> parsed = KeyInTemplate::Parse(GetParam().text);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(Kinds(*parsed), GetParam().kinds);
  EXPECT_EQ(parsed->FullText(), GetParam().full_text);
  EXPECT_EQ(parsed->ShownLength(), static_cast<int>(std::string(GetParam().full_text).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplateParse,
    ::testing::Values(ParseCase{"K??|-??|-??K", "IISLIISLII", "  -  -  "},
                      ParseCase{"K???|-??|-??K", "IIISLIISLII", "   -  -  "},
                      ParseCase{"k??|-??k", "IISLII", "  -  "},   // lower-case pair
                      ParseCase{"K?? K  ", "IIL", "   "},         // a blank literal; blanks after
                      ParseCase{"K(?)k/?K", "LILLLI", "( )k/ "},  // the other letter is a literal
                      ParseCase{"KK", "", ""}));

class MalformedTemplate : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedTemplate, GivesNothing) {
  EXPECT_FALSE(KeyInTemplate::Parse(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Templates, MalformedTemplate,
                         ::testing::Values("", "K", "K??", "??", "X??X", "K??k", "k??K", " K??K",
                                           "K??K-", "K??K x", "K?K?K"));

// What loading a variable's text gives: the full text, the trimmed text with the end flags
// loading left, and with the end flags worked out from the cells.
struct LoadCase {
  const char* template_text;
  const char* variable;  // as stored, padded to the variable's capacity
  bool fits;
  const char* full;
  const char* trimmed_as_loaded;
  const char* trimmed_worked_out;
};

class TemplateLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(TemplateLoad, LaysTheTextIntoTheCells) {
  const LoadCase& c = GetParam();
  KeyInTemplate parsed = *KeyInTemplate::Parse(c.template_text);
  EXPECT_EQ(parsed.LoadText(c.variable), c.fits);
  EXPECT_EQ(parsed.FullText(), c.full);
  EXPECT_EQ(parsed.TrimmedText(), c.trimmed_as_loaded);
  parsed.WorkOutEndFlags();
  EXPECT_EQ(parsed.TrimmedText(), c.trimmed_worked_out);
  EXPECT_EQ(parsed.FullText(), c.full) << "working out end flags changes no character";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TemplateLoad,
    ::testing::Values(
        LoadCase{"K??|-??|-??K", "12-34-56  ", true, "12-34-56", "12-34-56", "12-34-56"},
        LoadCase{"K??|-??|-??K", "10-0      ", true, "10-0 -  ", "10-0 ", "10-0 "},
        LoadCase{"K??|-??|-??K", "5         ", true, "5 -  -  ", "5 ", "5 "},
        LoadCase{"K??|-??|-??K", "          ", true, "  -  -  ", "  ", "  "},
        // Completion's full text: loading sees the dashes, the cells see only blanks after.
        LoadCase{"K??|-??|-??K", "12-3 -    ", true, "12-3 -  ", "12-3 -  ", "12-3 "},
        LoadCase{"K??|-??|-??K", "  -  -    ", true, "  -  -  ", "  -  -  ", "  "},
        // A different character at a literal is consumed and lost.
        LoadCase{"K??|-??|-??K", "12345     ", false, "12-45-  ", "12-45", "12-45"},
        LoadCase{"K??|-??|-??K", "12x34x56  ", false, "12-34-56", "12-34-56", "12-34-56"},
        // Characters beyond the template are not read.
        LoadCase{"K??|-??|-??K", "12-34-5678", true, "12-34-56", "12-34-56", "12-34-56"},
        LoadCase{"K???|-??|-??K", "412-34-56  ", true, "412-34-56", "412-34-56", "412-34-56"},
        LoadCase{"K???|-??|-??K", "123        ", true, "123-  -  ", "123", "123"},
        LoadCase{"K???|-??|-??K", "12         ", true, "12 -  -  ", "12 ", "12 "},
        LoadCase{"K???|-??|-??K", "", true, "   -  -  ", "   ", "   "}));

TEST(TemplateCells, InputPositionsTakeCharactersAndLiteralsStay) {
  KeyInTemplate parsed = *KeyInTemplate::Parse("K??|-??|-??K");
  for (int position = 0; position < parsed.ShownLength(); ++position) {
    if (parsed.IsInput(position)) parsed.Put(position, static_cast<char>('a' + position));
  }
  EXPECT_EQ(parsed.FullText(), "ab-de-gh");
  EXPECT_FALSE(parsed.IsInput(2));
  EXPECT_EQ(parsed.CharacterAt(5), '-');
}

}  // namespace
}  // namespace window
