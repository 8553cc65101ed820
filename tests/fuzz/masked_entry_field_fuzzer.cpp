// A masked entry field with a template, a variable and a stream of input, all from the fuzzer's
// bytes: a line with the template, a byte for the variable's capacity, a byte for the font's
// last character, a line with the variable's text, then one step after another (keys,
// characters, clicks, drags, pastes, focus changes, stores, refreshes, a conversion rewriting
// the variable). After every step the field's invariants must hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/locale_tables.h"
#include "app/startup_locale.h"
#include "convert/fixed_text.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/window/fake_field_host.h"
#include "toolkit/system_colors.h"
#include "window/key_in_template.h"
#include "window/masked_entry_field.h"

namespace {

using fuzz::Require;
using toolkit::Key;

constexpr Key kKeys[] = {Key::Other,  Key::Tab,    Key::Enter, Key::Escape, Key::Backspace,
                         Key::Delete, Key::Insert, Key::Home,  Key::End,    Key::Left,
                         Key::Right,  Key::Up,     Key::Down,  Key::Space,  Key::F4,
                         Key::A,      Key::C,      Key::V,     Key::X,      Key::Z};
constexpr toolkit::FocusCause kCauses[] = {
    toolkit::FocusCause::Tab,        toolkit::FocusCause::ShiftTab,
    toolkit::FocusCause::Click,      toolkit::FocusCause::Program,
    toolkit::FocusCause::Activation, toolkit::FocusCause::DefaultButton};
constexpr toolkit::Rect kBounds{100, 10, 120, 24};
constexpr std::size_t kLongestTemplate = 80;

class Input {
 public:
  explicit Input(std::string_view bytes) : bytes_(bytes) {}
  bool Empty() const { return bytes_.empty(); }
  unsigned char Byte() {
    if (bytes_.empty()) return 0;
    const auto byte = static_cast<unsigned char>(bytes_.front());
    bytes_.remove_prefix(1);
    return byte;
  }
  std::string_view Line() {
    const std::size_t end = bytes_.find('\n');
    const std::string_view line = bytes_.substr(0, end);
    bytes_.remove_prefix(end == std::string_view::npos ? bytes_.size() : end + 1);
    return line;
  }
  // A length byte, then that many bytes (at most 63).
  std::string_view Counted() {
    const std::size_t count = std::min<std::size_t>(Byte() % 64, bytes_.size());
    const std::string_view text = bytes_.substr(0, count);
    bytes_.remove_prefix(count);
    return text;
  }
  // A point on the field's row, or a little outside it either way.
  toolkit::Point Point() {
    return {kBounds.x - 20 + Byte() % (kBounds.width + 40), kBounds.y - 8 + Byte() % 40};
  }

 private:
  std::string_view bytes_;
};

struct Field {
  Field(std::string_view template_text, std::size_t capacity, std::string_view text,
        unsigned char last_char)
      : variable(capacity, text) {
    app::ApplyStartupLocaleSettings(locale);
    host.metrics.last_char = last_char;
    field.emplace(host, toolkit::ControlSetup{2, kBounds, 1, {255, 0, 0}, toolkit::kButtonFace},
                  template_text, variable, locale);
  }

  window::testing::FakeHost host;
  app::LocaleTables locale;
  convert::FixedText variable;
  std::optional<window::MaskedEntryField> field;
};

// The literals of the template, by shown position; '\0' for an input position.
std::string LiteralsOf(const window::KeyInTemplate& parsed) {
  std::string literals;
  for (const window::TemplateCell& cell : parsed.Cells()) {
    if (cell.kind == window::CellKind::Literal) literals += cell.character;
    if (cell.kind == window::CellKind::Input) literals += '\0';
  }
  return literals;
}

void CheckInvariants(const window::MaskedEntryField& field, const std::string& literals,
                     const convert::FixedText& variable, std::size_t capacity) {
  const std::string full = field.FullText();
  Require(full.size() == literals.size(), "the full text is as long as the template");
  for (std::size_t i = 0; i < literals.size(); ++i) {
    Require(literals[i] == '\0' || full[i] == literals[i], "literals are never overwritten");
  }
  const int length = static_cast<int>(literals.size());
  Require(field.Caret() >= 0 && field.Caret() <= length, "the caret stays in the text");
  Require(field.Anchor() >= 0 && field.Anchor() <= length, "the selection stays in the text");
  Require(full.starts_with(field.ShownText()), "the shown text starts the full text");
  Require(field.HasFocus() || !field.HasSelection(), "a field without the focus selects nothing");
  Require(variable.Capacity() == capacity, "the variable keeps its capacity");
  if (!field.Modified()) {
    window::KeyInTemplate loaded = field.Template();
    loaded.LoadText(variable.Stored());
    Require(loaded.FullText() == full, "an unmodified field shows its variable");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string_view template_text = input.Line();
  if (template_text.size() > kLongestTemplate) return 0;
  const std::optional<window::KeyInTemplate> parsed = window::KeyInTemplate::Parse(template_text);
  if (!parsed) return 0;
  const std::size_t capacity = 1 + input.Byte() % 40;
  const unsigned char last_char = std::max<unsigned char>(0x7E, input.Byte());
  const std::string_view text = input.Line();

  Field fixture(template_text, capacity, text, last_char);
  window::MaskedEntryField& field = *fixture.field;
  window::testing::FakeHost& host = fixture.host;
  const std::string literals = LiteralsOf(*parsed);
  CheckInvariants(field, literals, fixture.variable, capacity);

  for (int step = 0; step < 2000 && !input.Empty(); ++step) {
    const convert::FixedText variable_before = fixture.variable;
    const std::string full_before = field.FullText();
    const bool modified_before = field.Modified();
    const std::size_t posted_before = host.posted.size();
    const unsigned char op = input.Byte();
    const auto modifiers = static_cast<uint8_t>(op >> 5);
    bool may_store = false;  // the step may assign the variable
    bool completes = false;  // the step is the loss of the focus

    switch (op % 14) {
      case 0:
      case 1:
      case 2:
        field.Character(input.Byte());
        break;
      case 3:
        field.KeyDown(kKeys[input.Byte() % std::size(kKeys)], modifiers);
        break;
      case 4:
        host.clipboard = std::string(input.Counted());
        field.KeyDown(op & 0x20 ? Key::Insert : Key::V,
                      op & 0x20 ? toolkit::kShift : toolkit::kControl);
        break;
      case 5:
        field.MouseDown(input.Point(), modifiers);
        break;
      case 6:
        field.MouseMove(input.Point(), modifiers);
        break;
      case 7:
        field.MouseUp(input.Point(), modifiers);
        break;
      case 8:
        field.DoubleClick(input.Point(), modifiers);
        break;
      case 9:
        if (field.HasFocus()) {
          completes = true;
          field.FocusLost();
        } else {
          field.FocusReceived(kCauses[input.Byte() % std::size(kCauses)], input.Point());
        }
        break;
      case 10:
        field.SelectAll();
        break;
      case 11:
        may_store = true;
        field.StoreIfModified();
        break;
      case 12:
        field.CaptureLost();
        field.Refresh();
        break;
      default: {
        // What the window does after a conversion: the variable is rewritten, then shown.
        fixture.variable = input.Counted();
        field.Refresh();
        CheckInvariants(field, literals, fixture.variable, capacity);
        continue;
      }
    }

    CheckInvariants(field, literals, fixture.variable, capacity);
    if ((completes || may_store) && modified_before) {
      Require(fixture.variable == convert::FixedText(capacity, full_before),
              "completing assigns every shown position to the variable");
      Require(!field.Modified(), "a completed field is no longer modified");
    } else {
      Require(fixture.variable == variable_before, "the variable is written only on completion");
    }
    const std::size_t expected_posts = posted_before + (completes && modified_before ? 1 : 0);
    Require(host.posted.size() == expected_posts,
            "an accepted event is posted exactly when a modified field loses the focus");
    if (step % 64 == 0) {
      window::testing::RecordingBackend backend;
      toolkit::Canvas canvas(backend);
      field.Paint(canvas);
    }
  }
  return 0;
}
