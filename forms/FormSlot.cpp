#include "forms/FormSlot.h"

namespace kestal {

bool FormSlot::IsLoaded() const {
  if (!current_) return false;
  const FormState state = current_->State();
  return state == FormState::Loading || state == FormState::Loaded || state == FormState::Unloading;
}

Form& FormSlot::Get() {
  if (current_ && (IsLoaded() || current_->State() == FormState::NotLoaded)) return *current_;
  // A handler still running in the released window holds it until it returns.
  current_ = make_();
  return *current_;
}

}  // namespace kestal
