// Icon handles made from the toolkit's decoded ARGB icon images.
//
// Supports: 32-bit colour with its alpha channel, and a monochrome mask made from the alpha,
// for the systems and drawing paths that still look at the mask. Images without pixels, or
// whose pixel count does not match their size, give no handle.
#pragma once

#include <vector>

#include "platform/icon_file.h"
#include "toolkit/win32/winapi.h"

namespace toolkit::win32 {

// nullptr when the image cannot be turned into an icon. The caller destroys it (DestroyIcon).
HICON IconHandleOf(const platform::IconImage& image);

// The image of `images` closest to `size` as an icon handle; nullptr for none.
HICON BestIconHandle(const std::vector<platform::IconImage>& images, int size);

}  // namespace toolkit::win32
