#include "forms/WindowSystem.h"

#include <algorithm>
#include <exception>

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
  try {
    form.RaiseLoad();
  } catch (...) {
    // Half loaded, the window could never be shown nor loaded again: it goes at once.
    Unload(form);
    throw;
  }
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
  // A handler that fails still lets the window go: left half-unloaded, it would ignore every
  // later close and the program could never end. The failure goes on to the caller after.
  std::exception_ptr failure;
  try {
    form.RaiseUnload();
  } catch (...) {
    failure = std::current_exception();
  }
  if (FormSurface* surface = form.Surface()) surface->Destroy();
  form.SetState(FormState::Released);
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), &form), loaded_.end());
  std::function<void()> then;
  for (auto it = afterRelease_.begin(); it != afterRelease_.end(); ++it) {
    if (it->first != &form) continue;
    then = std::move(it->second);
    afterRelease_.erase(it);
    break;
  }
  if (then) then();
  if (loaded_.empty()) Quit(exitCode_);
  if (failure) std::rethrow_exception(failure);
}

void WindowSystem::AfterRelease(Form& form, std::function<void()> action) {
  if (form.State() != FormState::Unloading) {
    action();
    return;
  }
  for (auto& [waiting, then] : afterRelease_) {
    if (waiting == &form) {
      then = std::move(action);
      return;
    }
  }
  afterRelease_.emplace_back(&form, std::move(action));
}

void WindowSystem::UnloadAll() {
  // Each window once: one that is closing already finishes its own close.
  std::vector<std::shared_ptr<Form>> held;
  std::vector<Form*> tried;
  for (const bool topLevel : {false, true}) {
    for (;;) {
      const auto next = std::find_if(loaded_.begin(), loaded_.end(), [&](Form* form) {
        return form->Definition().topLevel == topLevel &&
               std::find(tried.begin(), tried.end(), form) == tried.end();
      });
      if (next == loaded_.end()) break;
      Form& form = **next;
      tried.push_back(&form);
      held.push_back(form.Hold());
      Unload(form);
    }
  }
}

void WindowSystem::Hide(Form& form) {
  if (form.Surface()) form.Surface()->Hide();
}

}  // namespace kestal
