#include "platform/WindowSystem.h"

#include <algorithm>

namespace kestal {

WindowSystem::~WindowSystem() = default;

void WindowSystem::Load(Form& form) {
  if (form.State() != FormState::NotLoaded) return;
  const auto hold = form.Hold();
  std::unique_ptr<FormSurface> surface = CreateSurface(form);
  if (!surface) return;
  form.Attach(std::move(surface));
  loaded_.push_back(&form);
  form.SetState(FormState::Loading);
  Loading(form);
  form.RaiseLoad();
  if (form.State() == FormState::Loading) form.SetState(FormState::Loaded);
}

void WindowSystem::Show(Form& form) {
  const auto hold = form.Hold();
  Load(form);
  if (form.State() == FormState::Loaded && form.Surface()) form.Surface()->Show();
}

void WindowSystem::Unload(Form& form) {
  const FormState state = form.State();
  if (state != FormState::Loaded && state != FormState::Loading) return;
  const auto hold = form.Hold();
  form.SetState(FormState::Unloading);
  Unloading(form);
  form.RaiseUnload();
  if (FormSurface* surface = form.Surface()) surface->Destroy();
  form.SetState(FormState::Released);
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
  if (loaded_.empty()) Quit(exitCode_);
}

void WindowSystem::Hide(Form& form) {
  if (form.Surface()) form.Surface()->Hide();
}

}  // namespace kestal
