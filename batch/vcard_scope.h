// vCard files: only the values of TEL properties are searched. Folded lines (a line break
// followed by a blank or a tab) are read as one, so a number split by a fold is still found,
// and the fold itself is copied as it was.
#pragma once

#include <string>

#include "batch/scope.h"

namespace batch {

class VCardScope final : public Scope {
 public:
  void Classify(std::string_view bytes, std::uint64_t input_offset,
                ContentBuffer& content) override;
  void Finish(std::uint64_t input_offset, ContentBuffer& content) override;

 private:
  enum class State { kName, kParameters, kQuotedParameter, kValue };

  void EndLine(ContentBuffer& content);
  void StartValue(std::uint64_t input_offset, ContentBuffer& content);
  bool InTelValue() const { return state_ == State::kValue && tel_; }

  State state_ = State::kName;
  std::string name_;  // of the property, without its group; cut short past any real name
  bool tel_ = false;
  bool carriage_return_pending_ = false;  // a CR whose meaning the next byte decides
  bool line_break_pending_ = false;       // a line break that may turn out to be a fold
  std::uint64_t pending_offset_ = 0;      // where that CR or line break began
};

}  // namespace batch
