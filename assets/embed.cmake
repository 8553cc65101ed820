# Writes OUTPUT, a C++ source that defines toolkit::FindResource over the files in INPUTS
# (a ;-list of paths), each found by its file name.
set(body "")
set(table "")
set(index 0)
foreach(path IN LISTS INPUTS)
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char kData${index}[] = {${bytes}};\n")
  string(APPEND table "    {\"${name}\", kData${index}, sizeof kData${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from the files in assets/; do not edit.
#include <cstddef>
#include <string_view>

#include \"toolkit/resources.h\"

namespace {
${body}
struct Entry {
  std::string_view name;
  const unsigned char* data;
  std::size_t size;
};
const Entry kEntries[] = {
${table}    {{}, nullptr, 0},
};
}  // namespace

namespace toolkit {
std::span<const unsigned char> FindResource(std::string_view name) {
  for (const Entry& entry : kEntries) {
    if (entry.data != nullptr && entry.name == name) return {entry.data, entry.size};
  }
  return {};
}
}  // namespace toolkit
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
