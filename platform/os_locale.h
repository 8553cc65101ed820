// The operating system's locale services, asked only where a locale setting has the value
// "WINDOWS". Every character and text is Windows-1251.
#pragma once

#include <string>

namespace platform {

struct Designators {
  std::string morning;
  std::string afternoon;
};

class OsLocale {
 public:
  virtual ~OsLocale() = default;

  // Whether the system calls `c` both alphabetic and upper-case.
  virtual bool IsUpperCaseLetter(unsigned char c) const = 0;
  // The system's lower-case form of `c`; `c` itself when it has none.
  virtual unsigned char ToLowerCase(unsigned char c) const = 0;
  // How the system's string comparison ranks the one-character texts `a` and `b`: below
  // zero when `a` comes first, zero when they rank equal, above zero when `b` comes first.
  virtual int CompareCharacters(unsigned char a, unsigned char b) const = 0;
  // The user's morning and afternoon designators, "AM" and "PM" where the user's settings
  // give none or one the code page cannot hold.
  virtual Designators UserDesignators() const = 0;
};

// The services of the system the program runs on.
const OsLocale& SystemLocale();

}  // namespace platform
