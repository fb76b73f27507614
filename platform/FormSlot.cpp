#include "platform/FormSlot.h"

#include <algorithm>

namespace kestal {

bool FormSlot::IsLoaded() const {
  if (!current_) return false;
  const FormState state = current_->State();
  return state == FormState::Loading || state == FormState::Loaded ||
         state == FormState::Unloading;
}

Form& FormSlot::Get() {
  std::erase_if(retired_, [](const auto& form) { return !form->InHandler(); });
  if (current_ && (IsLoaded() || current_->State() == FormState::NotLoaded)) return *current_;
  if (current_) retired_.push_back(std::move(current_));
  current_ = make_();
  return *current_;
}

}  // namespace kestal
