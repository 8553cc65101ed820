#include "convert/fixed_text.h"

namespace convert {

std::string_view ClipBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

FixedText::FixedText(std::size_t capacity, std::string_view value) : chars_(capacity, ' ') {
  *this = value;
}

FixedText& FixedText::operator=(std::string_view value) {
  const std::size_t kept = value.size() < chars_.size() ? value.size() : chars_.size();
  chars_.replace(0, kept, value.substr(0, kept));
  chars_.replace(kept, chars_.size() - kept, chars_.size() - kept, ' ');
  return *this;
}

}  // namespace convert
