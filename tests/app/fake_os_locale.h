// An operating system whose locale services give whatever a test sets.
#pragma once

#include <functional>
#include <map>

#include "platform/os_locale.h"

namespace app::testing {

class FakeOsLocale : public platform::OsLocale {
 public:
  // Each capital with its small letter.
  std::map<unsigned char, unsigned char> capitals;
  std::function<int(unsigned char, unsigned char)> compare = [](unsigned char a, unsigned char b) {
    return int(a) - int(b);
  };
  platform::Designators designators{"AM", "PM"};

  bool IsUpperCaseLetter(unsigned char c) const override { return capitals.contains(c); }
  unsigned char ToLowerCase(unsigned char c) const override {
    const auto it = capitals.find(c);
    return it == capitals.end() ? c : it->second;
  }
  int CompareCharacters(unsigned char a, unsigned char b) const override { return compare(a, b); }
  platform::Designators UserDesignators() const override { return designators; }
};

}  // namespace app::testing
