#include "batch/vcard_scope.h"

namespace batch {
namespace {

constexpr std::size_t kLongestName = 64;

bool IsTelName(const std::string& name) {
  return name.size() == 3 && (name[0] | 0x20) == 't' && (name[1] | 0x20) == 'e' &&
         (name[2] | 0x20) == 'l';
}

}  // namespace

void VCardScope::EndLine(ContentBuffer& content) {
  if (InTelValue()) content.Boundary(pending_offset_);
  state_ = State::kName;
  name_.clear();
  tel_ = false;
}

void VCardScope::StartValue(std::uint64_t input_offset, ContentBuffer& content) {
  state_ = State::kValue;
  tel_ = IsTelName(name_);
  if (tel_) content.Boundary(input_offset);  // the ':' before the value
}

void VCardScope::Classify(std::string_view bytes, std::uint64_t input_offset,
                          ContentBuffer& content) {
  std::size_t span = std::string_view::npos;  // start of the TEL value bytes not yet handed on
  auto hand_on = [&](std::size_t end) {
    if (span != std::string_view::npos) {
      content.Content(input_offset + span, bytes.substr(span, end - span));
      span = std::string_view::npos;
    }
  };

  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    const std::uint64_t offset = input_offset + i;
    if (line_break_pending_) {
      line_break_pending_ = false;
      if (c == ' ' || c == '\t') continue;  // a fold: the line goes on after this byte
      EndLine(content);
    }
    if (carriage_return_pending_) {
      carriage_return_pending_ = false;
      if (c == '\n') {
        line_break_pending_ = true;  // CRLF, begun at the CR
        continue;
      }
      if (InTelValue()) content.Boundary(pending_offset_);  // a CR of its own
    }
    if (c == '\r' || c == '\n') {
      hand_on(i);
      pending_offset_ = offset;
      (c == '\r' ? carriage_return_pending_ : line_break_pending_) = true;
      continue;
    }

    switch (state_) {
      case State::kName:
        if (c == ':') {
          StartValue(offset, content);
        } else if (c == ';') {
          state_ = State::kParameters;
        } else if (c == '.') {
          name_.clear();  // what came before was the group
        } else if (name_.size() <= kLongestName) {
          name_ += c;
        }
        break;
      case State::kParameters:
        if (c == '"') state_ = State::kQuotedParameter;
        if (c == ':') StartValue(offset, content);
        break;
      case State::kQuotedParameter:
        if (c == '"') state_ = State::kParameters;
        break;
      case State::kValue:
        if (tel_ && span == std::string_view::npos) span = i;
        break;
    }
  }
  hand_on(bytes.size());
}

void VCardScope::Finish(std::uint64_t, ContentBuffer& content) {
  if (carriage_return_pending_ || line_break_pending_) EndLine(content);
  carriage_return_pending_ = line_break_pending_ = false;
}

}  // namespace batch
