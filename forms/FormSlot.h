#pragma once
// Where a window object lives: created when the window is shown, and replaced by a fresh one
// when it is shown again after its release, so every opening starts from the design. The slot
// is one holder of its window (see Form.h).
#include <functional>
#include <memory>
#include <vector>

#include "forms/Form.h"

namespace kestal {

class FormSlot {
 public:
  using Factory = std::function<std::unique_ptr<Form>()>;
  explicit FormSlot(Factory make) : make_(std::move(make)) {}

  // The current window when it is loading, loaded or unloading; otherwise a fresh one.
  Form& Get();
  // The current window object, or null when there has been none.
  Form* Current() const { return current_.get(); }
  bool IsLoaded() const;

 private:
  Factory make_;
  std::shared_ptr<Form> current_;
};

}  // namespace kestal
