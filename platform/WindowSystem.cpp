#include "platform/WindowSystem.h"

#include <algorithm>

namespace kestal {

WindowSystem::~WindowSystem() = default;

void WindowSystem::DeleteDestroyedSurfaces() {
  destroyed_.clear();
}

void WindowSystem::Load(Form& form) {
  if (form.State() != FormState::NotLoaded) return;
  DeleteDestroyedSurfaces();
  auto surface = CreateSurface(form);
  form.Attach(surface.get());
  surfaces_.emplace_back(&form, std::move(surface));
  loaded_.push_back(&form);
  form.SetState(FormState::Loading);
  Loading(form);
  form.RaiseLoad();
  if (form.State() == FormState::Loading) form.SetState(FormState::Loaded);
}

void WindowSystem::Show(Form& form) {
  Load(form);
  if (form.State() == FormState::Loaded && form.Surface()) form.Surface()->Show();
}

void WindowSystem::Unload(Form& form) {
  const FormState state = form.State();
  if (state != FormState::Loaded && state != FormState::Loading) return;
  form.SetState(FormState::Unloading);
  Unloading(form);
  form.RaiseUnload();
  form.SetState(FormState::Released);

  auto it = std::find_if(surfaces_.begin(), surfaces_.end(),
                         [&](const auto& entry) { return entry.first == &form; });
  if (it != surfaces_.end()) {
    it->second->Destroy();
    // The surface may be running the handler that asked for this unload: delete it later.
    destroyed_.push_back(std::move(it->second));
    surfaces_.erase(it);
  }
  form.Attach(nullptr);
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
  if (loaded_.empty()) Quit();
}

void WindowSystem::Hide(Form& form) {
  if (form.Surface()) form.Surface()->Hide();
}

}  // namespace kestal
