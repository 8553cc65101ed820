// The icons a window and its image controls show: built-in icon files found by name, the
// default application icon, and an icon drawn in code for when neither loads.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/icon_file.h"

namespace toolkit {

// The platform's standard icon size, at which image controls show their icon.
inline constexpr int kStandardIconSize = 32;

// Every image of the built-in icon file `name`; nothing when there is no such file or it is
// not a well-formed icon file.
std::optional<std::vector<platform::IconImage>> IconResource(std::string_view name);

// The image of the built-in icon `name` closest to `size`.
std::optional<platform::IconImage> IconResourceImage(std::string_view name, int size);

// The images a window with icon `name` shows: its own; failing that, or when `name` is empty,
// the default application icon; failing that, BuiltInDefaultIcon().
std::vector<platform::IconImage> WindowIconImages(std::string_view name);

// A small application window drawn in code, at 16 and 32 pixels.
const std::vector<platform::IconImage>& BuiltInDefaultIcon();

}  // namespace toolkit
