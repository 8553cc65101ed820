#include "platform/ini_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "platform/cp1251_literal.h"

namespace platform {
namespace {

IniDocument Parsed(std::string_view bytes) {
  std::optional<IniDocument> document = IniDocument::Parse(bytes);
  EXPECT_TRUE(document.has_value());
  return document ? *document : *IniDocument::Parse({});
}

TEST(IniDocument, LongValuesAreCutAsByA1024ByteBuffer) {
  const std::string long_value(5000, 'v');
  const IniDocument document = Parsed("[S]\nPlain=" + long_value + "\nQuoted=\"" + long_value +
                                      "\"\nHalfQuoted=\"" + long_value + "\n");
  EXPECT_EQ(document.Read("S", "Plain", ""), std::string(1023, 'v'));
  // The closing quote lies beyond the cut, but the pair is still removed.
  EXPECT_EQ(document.Read("S", "Quoted", ""), std::string(1023, 'v'));
  EXPECT_EQ(document.Read("S", "HalfQuoted", ""), "\"" + std::string(1022, 'v'));
  EXPECT_EQ(document.Read("S", "Missing", long_value), std::string(1023, 'v'));
  EXPECT_EQ(document.Read("S", "Exact", std::string(1023, 'e')), std::string(1023, 'e'));
}

TEST(IniDocument, LinesOf100000CharactersReadAndEdit) {
  const std::string junk(100000, 'j');
  const std::string huge_key(100000, 'k');
  const std::string bytes =
      "[S]\r\n" + junk + "\r\n" + huge_key + "=1\r\nX=" + std::string(100000, 'x') + "\r\n";
  IniDocument document = Parsed(bytes);
  EXPECT_EQ(document.Serialize(), bytes);
  EXPECT_EQ(document.Read("S", huge_key, ""), "1");
  EXPECT_EQ(document.Read("S", "X", "").size(), kProfileValueLimit);
  EXPECT_EQ(document.Write("S", "X", "short"), EditResult::kChanged);
  EXPECT_EQ(document.Serialize(), "[S]\r\n" + junk + "\r\n" + huge_key + "=1\r\nX=short\r\n");
}

TEST(IniDocument, Windows1251NamesCompareWithoutRegardToCase) {
  const IniDocument document = Parsed("[Главное Окно]\r\nЁлка Ґ Ї=1\r\n"_cp1251);
  EXPECT_EQ(document.Read("ГЛАВНОЕ ОКНО"_cp1251, "ёЛКА ґ ї"_cp1251, "-"), "1");
  EXPECT_EQ(document.Read("главное окно"_cp1251, "ЁЛКА Ґ Ї"_cp1251, "-"), "1");
  // Е and Ё are different letters, not case partners.
  EXPECT_EQ(document.Read("Главное Окно"_cp1251, "Елка Ґ Ї"_cp1251, "-"), "-");
}

TEST(IniDocument, Utf16FilesAreNotTakenForText) {
  EXPECT_FALSE(IniDocument::Parse(std::string_view("\xFF\xFE[\0S\0]\0", 8)));
  EXPECT_FALSE(IniDocument::Parse(std::string_view("\xFE\xFF\0[\0S\0]", 8)));
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Random documents made of the characters that matter to the format: the bytes must survive
// parsing unchanged, a written value must read back, and no other key may change.
TEST(IniDocument, RandomDocumentsRoundTripAndEditOnlyTheirKey) {
  static const std::string_view kPieces[] = {"[",
                                             "]",
                                             "=",
                                             "\r",
                                             "\n",
                                             "\r\n",
                                             ";",
                                             " ",
                                             "\t",
                                             "\"",
                                             "a",
                                             "A",
                                             "b",
                                             "S",
                                             "s",
                                             "[S]",
                                             "[s]\n",
                                             "[T]",
                                             "a=",
                                             "b=1",
                                             "A = 2",
                                             std::string_view("\0", 1),
                                             "\xEF\xBB\xBF",
                                             "\xFF",
                                             "\xC0\xE0"};
  static const std::string_view kNames[] = {"S", "T", "a", "b", "A", "s"};
  std::mt19937 random(20260211);
  auto pick = [&](auto& table) { return table[random() % std::size(table)]; };

  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (int n = random() % 40; n > 0; --n) bytes += pick(kPieces);
    std::optional<IniDocument> document = IniDocument::Parse(bytes);
    ASSERT_TRUE(document) << round;
    ASSERT_EQ(document->Serialize(), bytes) << round;

    const std::string section(pick(kNames)), key(pick(kNames));
    auto snapshot = [&] {
      std::vector<std::string> values;
      for (std::string_view s : kNames) {
        for (std::string_view k : kNames) {
          if (!(SameLetters(s, section) && SameLetters(k, key))) {
            values.push_back(document->Read(s, k, "<none>"));
          }
        }
      }
      return values;
    };
    const std::vector<std::string> others = snapshot();

    const std::string value = std::string("v").append(std::to_string(round));
    ASSERT_EQ(document->Write(section, key, value), EditResult::kChanged) << round;
    EXPECT_EQ(document->Read(section, key, ""), value) << round << " " << bytes;
    EXPECT_EQ(snapshot(), others) << round << " " << bytes;
    EXPECT_EQ(IniDocument::Parse(document->Serialize())->Read(section, key, ""), value);
    EXPECT_EQ(document->Write(section, key, value), EditResult::kUnchanged);

    EXPECT_EQ(document->Delete(section, key), EditResult::kChanged) << round;
    EXPECT_EQ(document->Read(section, key, "<gone>"), "<gone>") << round << " " << bytes;
    EXPECT_EQ(snapshot(), others) << round << " " << bytes;
  }
}

}  // namespace
}  // namespace platform
