// Golden INI cases, each run on the document in memory and on the file through the
// private-profile service. A case is <name>.ini, with <name>.reads (section, key, default,
// expected value), <name>.writes (expected result, set or delete, section, key, value) and
// <name>.after.ini (the file after the writes; without it the file must stay byte-identical).
// Fields are TAB-separated and take the escapes \t \r \n \0 \\ and \xHH.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <tuple>
#include <vector>

#include "platform/ini_document.h"
#include "platform/private_profile.h"
#include "tests/support/temp_config_home.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;

const fs::path kCases = RENUMERA_INI_CASES;

std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case '0':
        out += '\0';
        break;
      case 'x':
        out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
        i += 2;
        break;
      default:
        out += text[i];
    }
  }
  return out;
}

// Rows of unescaped fields; blank lines and lines starting with '#' are notes.
std::vector<std::vector<std::string>> ReadTable(const fs::path& path) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(ReadBytes(path));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string>& row = rows.emplace_back();
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      row.push_back(Unescape(line.substr(start, tab - start)));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
  }
  return rows;
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kCases)) {
    const std::string file = entry.path().filename().string();
    if (file.ends_with(".ini") && !file.ends_with(".after.ini")) {
      names.push_back(file.substr(0, file.size() - 4));
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

class IniUnderTest {
 public:
  virtual ~IniUnderTest() = default;
  virtual std::string Read(const std::string& section, const std::string& key,
                           const std::string& default_value) = 0;
  virtual EditResult Set(const std::string& section, const std::string& key,
                         const std::string& value) = 0;
  virtual EditResult Delete(const std::string& section, const std::string& key) = 0;
  virtual std::string Bytes() = 0;
};

class DocumentUnderTest : public IniUnderTest {
 public:
  explicit DocumentUnderTest(const std::string& bytes) : document_(*IniDocument::Parse(bytes)) {}
  std::string Read(const std::string& section, const std::string& key,
                   const std::string& default_value) override {
    return document_.Read(section, key, default_value);
  }
  EditResult Set(const std::string& section, const std::string& key,
                 const std::string& value) override {
    return document_.Write(section, key, value);
  }
  EditResult Delete(const std::string& section, const std::string& key) override {
    return document_.Delete(section, key);
  }
  std::string Bytes() override { return document_.Serialize(); }

 private:
  IniDocument document_;
};

// The file side reports only success, so a change is told by comparing the bytes.
class FileUnderTest : public IniUnderTest {
 public:
  FileUnderTest(const std::string& name, const std::string& bytes) : name_(name + ".ini") {
    testing_support::WriteBytes(Path(), bytes);
  }
  std::string Read(const std::string& section, const std::string& key,
                   const std::string& default_value) override {
    return ReadProfileString(section, key, default_value, name_);
  }
  EditResult Set(const std::string& section, const std::string& key,
                 const std::string& value) override {
    return Observe([&] { return WriteProfileString(section, key, value, name_); });
  }
  EditResult Delete(const std::string& section, const std::string& key) override {
    return Observe([&] { return DeleteProfileKey(section, key, name_); });
  }
  std::string Bytes() override { return ReadBytes(Path()); }

 private:
  fs::path Path() const { return home_.SettingsDir() / name_; }
  template <typename Write>
  EditResult Observe(Write write) {
    const std::string before = Bytes();
    if (!write()) return EditResult::kRefused;
    return Bytes() == before ? EditResult::kUnchanged : EditResult::kChanged;
  }

  testing_support::TempConfigHome home_;
  std::string name_;
};

enum class Layer { kDocument, kFile };

void PrintTo(Layer layer, std::ostream* out) {
  *out << (layer == Layer::kDocument ? "document" : "file");
}

EditResult ParseResult(const std::string& word) {
  if (word == "changed") return EditResult::kChanged;
  if (word == "unchanged") return EditResult::kUnchanged;
  EXPECT_EQ(word, "refused");
  return EditResult::kRefused;
}

class IniGolden : public ::testing::TestWithParam<std::tuple<std::string, Layer>> {};

TEST_P(IniGolden, ReadsAndWritesAsExpected) {
  const auto& [name, layer] = GetParam();
  const std::string input = ReadBytes(kCases / (name + ".ini"));
  std::unique_ptr<IniUnderTest> ini;
  if (layer == Layer::kDocument) {
    ini = std::make_unique<DocumentUnderTest>(input);
  } else {
    ini = std::make_unique<FileUnderTest>(name, input);
  }

  for (const auto& row : ReadTable(kCases / (name + ".reads"))) {
    ASSERT_EQ(row.size(), 4u);
    EXPECT_EQ(ini->Read(row[0], row[1], row[2]), row[3])
        << "[" << row[0] << "] " << row[1] << " default '" << row[2] << "'";
  }

  for (const auto& row : ReadTable(kCases / (name + ".writes"))) {
    ASSERT_GE(row.size(), 4u);
    const std::string before = ini->Bytes();
    EditResult result;
    if (row[1] == "set") {
      ASSERT_EQ(row.size(), 5u);
      result = ini->Set(row[2], row[3], row[4]);
    } else {
      ASSERT_EQ(row[1], "delete");
      result = ini->Delete(row[2], row[3]);
    }
    const EditResult expected = ParseResult(row[0]);
    EXPECT_EQ(result, expected) << row[1] << " [" << row[2] << "] " << row[3];
    if (expected != EditResult::kChanged) {
      EXPECT_EQ(ini->Bytes(), before);
    }
    if (row[1] == "set" && expected == EditResult::kChanged) {
      EXPECT_EQ(ini->Read(row[2], row[3], "--"), row[4]) << "read back [" << row[2] << "]";
    }
    if (row[1] == "delete") {
      EXPECT_EQ(ini->Read(row[2], row[3], "--"), "--");
    }
  }

  const fs::path after = kCases / (name + ".after.ini");
  EXPECT_EQ(ini->Bytes(), fs::exists(after) ? ReadBytes(after) : input);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniGolden,
                         ::testing::Combine(::testing::ValuesIn(CaseNames()),
                                            ::testing::Values(Layer::kDocument, Layer::kFile)),
                         [](const auto& info) {
                           return std::get<0>(info.param) +
                                  (std::get<1>(info.param) == Layer::kDocument ? "_Document"
                                                                               : "_File");
                         });

}  // namespace
}  // namespace platform
