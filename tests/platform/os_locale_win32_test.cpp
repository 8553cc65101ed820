// The system's locale services for Windows-1251 text, and the designators as the system
// reports them from the user's international settings.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/cp1251_literal.h"
#include "platform/dynamic_library.h"
#include "platform/os_locale.h"
#include "platform/win32/user_designators.h"

namespace platform {
namespace {

TEST(Win32OsLocale, CharacterClassesAndCaseOfWindows1251) {
  const OsLocale& locale = SystemLocale();
  const struct {
    unsigned char c;
    bool upper;
    unsigned char lower;
  } cases[] = {
      {'A', true, 'a'},    {'z', false, 'z'},   {'5', false, '5'},   {' ', false, ' '},
      {0xC0, true, 0xE0},  {0xDF, true, 0xFF},  {0xE0, false, 0xE0}, {0xA8, true, 0xB8},
      {0xB8, false, 0xB8}, {0xAA, true, 0xBA},  {0xA1, true, 0xA2},  {0x80, true, 0x90},
      {0xB9, false, 0xB9}, {0xAB, false, 0xAB},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(locale.IsUpperCaseLetter(c.c), c.upper) << std::hex << int(c.c);
    EXPECT_EQ(locale.ToLowerCase(c.c), c.lower) << std::hex << int(c.c);
  }
}

TEST(Win32OsLocale, ComparisonRanksCyrillicInAlphabeticalOrder) {
  const OsLocale& locale = SystemLocale();
  const std::string alphabet = std::string("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"_cp1251);
  for (std::size_t i = 0; i + 1 < alphabet.size(); ++i) {
    EXPECT_LT(locale.CompareCharacters(alphabet[i], alphabet[i + 1]), 0) << i;
    EXPECT_GT(locale.CompareCharacters(alphabet[i + 1], alphabet[i]), 0) << i;
  }
  EXPECT_EQ(locale.CompareCharacters('a', 'a'), 0);
  EXPECT_LT(locale.CompareCharacters('a', 'b'), 0);
}

TEST(Win32Designators, ConversionToWindows1251) {
  EXPECT_EQ(win32::DesignatorInWindows1251(L"AM"), "AM");
  EXPECT_EQ(win32::DesignatorInWindows1251(L"\u0434\u043f"), std::string("дп"_cp1251));
  EXPECT_EQ(win32::DesignatorInWindows1251(L""), std::nullopt);
  EXPECT_EQ(win32::DesignatorInWindows1251(L"\u5348\u524d"), std::nullopt);
  EXPECT_EQ(win32::DesignatorInWindows1251(L"\xD83D\xDE00"), std::nullopt) << "surrogates";
}

// The system keeps the designators in HKCU\Control Panel\International, which the "intl"
// section of win.ini maps to. Each case sets them there and puts the old values back.
class Win32UserDesignators : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kKey = L"Control Panel\\International";

  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                              &key_, nullptr),
              ERROR_SUCCESS);
    saved_morning_ = Get(L"s1159");
    saved_afternoon_ = Get(L"s2359");
  }
  void TearDown() override {
    Put(L"s1159", saved_morning_);
    Put(L"s2359", saved_afternoon_);
    RegCloseKey(key_);
  }

  std::optional<std::wstring> Get(const wchar_t* name) const {
    wchar_t value[80];
    DWORD size = sizeof value;
    if (RegGetValueW(key_, nullptr, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::wstring(value);
  }
  void Put(const wchar_t* name, const std::optional<std::wstring>& value) const {
    if (!value) {
      RegDeleteValueW(key_, name);
      return;
    }
    RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                   static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
  }

  HKEY key_ = nullptr;
  std::optional<std::wstring> saved_morning_;
  std::optional<std::wstring> saved_afternoon_;
};

TEST_F(Win32UserDesignators, AsTheUsersSettingsGiveThem) {
  const struct {
    std::wstring morning;
    std::wstring afternoon;
    std::string expected_morning;
    std::string expected_afternoon;
  } cases[] = {
      {L"AM", L"PM", "AM", "PM"},
      {L"\u0434\u043f", L"\u043f\u043f", std::string("дп"_cp1251), std::string("пп"_cp1251)},
      {L"vorm.", L"", "vorm.", "PM"},
      {L"\u5348\u524d", L"\u5348\u5f8c", "AM", "PM"},
  };
  for (const auto& c : cases) {
    Put(L"s1159", c.morning);
    Put(L"s2359", c.afternoon);
    const Designators designators = SystemLocale().UserDesignators();
    EXPECT_EQ(designators.morning, c.expected_morning) << c.expected_morning;
    EXPECT_EQ(designators.afternoon, c.expected_afternoon) << c.expected_afternoon;
  }
}

TEST(Win32DynamicLibrary, FindsExportsAndExplainsAMissingLibrary) {
  auto kernel = LoadDynamicLibrary("kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  EXPECT_NE(kernel->Function("GetTickCount"), nullptr);
  EXPECT_EQ(kernel->Function("NoSuchFunctionHere"), nullptr);

  std::string error;
  EXPECT_EQ(LoadDynamicLibrary("renumera-no-such-library.dll", &error), nullptr);
  EXPECT_NE(error.find("renumera-no-such-library.dll"), std::string::npos) << error;
  EXPECT_EQ(LoadDynamicLibrary(std::string_view("kernel32.dll\0x", 14), &error), nullptr);
}

}  // namespace
}  // namespace platform
