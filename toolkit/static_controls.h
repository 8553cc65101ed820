// The controls that only show something: a static text and an icon image. Neither takes the
// focus.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/icon_file.h"
#include "toolkit/control.h"

namespace toolkit {

class StaticText final : public Control {
 public:
  StaticText(ControlHost& host, const ControlSetup& setup, std::string_view text)
      : Control(host, setup), text_(text) {}
  const std::string& Text() const { return text_; }
  void Paint(Canvas& canvas) override;

 private:
  std::string text_;
};

class ImageControl final : public Control {
 public:
  // `image` is nothing when the icon could not be loaded; the control then shows only its
  // background.
  ImageControl(ControlHost& host, const ControlSetup& setup,
               std::optional<platform::IconImage> image)
      : Control(host, setup), image_(std::move(image)) {}
  void Paint(Canvas& canvas) override;

 private:
  std::optional<platform::IconImage> image_;
};

}  // namespace toolkit
