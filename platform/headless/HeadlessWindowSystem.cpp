#include <algorithm>

#include "platform/headless/Headless.h"
#include "platform/headless/HeadlessSurface.h"

namespace kestal::headless {

std::vector<std::string> CallLog::Matching(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const Call& call : calls_) {
    if (call.text.starts_with(prefix)) found.push_back(call.text);
  }
  return found;
}

std::unique_ptr<FormSurface> HeadlessWindowSystem::CreateSurface(Form& form) {
  if (refuseWindows) return nullptr;
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 0x10;
  ScreenMetrics density = screen;
  if (monitorTwipsPerPixel > 0) {
    density.twipsPerPixelX = density.twipsPerPixelY = monitorTwipsPerPixel;
  }
  auto surface = std::make_unique<HeadlessSurface>(*this, log_, form, handle, density);
  surfaces_.push_back(surface.get());
  objects_.push_back(surface.get());
  return surface;
}

void HeadlessWindowSystem::Loading(Form& form) {
  log_.Add("Form_Load(" + form.Name() + ")");
}

void HeadlessWindowSystem::Unloading(Form& form) {
  log_.Add("Form_Unload(" + form.Name() + ")");
}

HeadlessSurface* HeadlessWindowSystem::SurfaceOf(const Form& form) const {
  for (HeadlessSurface* surface : surfaces_) {
    if (&surface->Owner() == &form) return surface;
  }
  return nullptr;
}

Form* HeadlessWindowSystem::FormOf(WindowHandle handle) const {
  for (HeadlessSurface* surface : surfaces_) {
    if (surface->Handle() == handle) return &surface->Owner();
  }
  return nullptr;
}

void HeadlessWindowSystem::RunPending() {
  // Messages posted while one runs are handled in the same pass, as the queue is drained.
  while (!pending_.empty()) {
    std::function<void()> message = std::move(pending_.front());
    pending_.pop_front();
    message();
  }
}

void HeadlessWindowSystem::DoEvents() {
  log_.Add("DoEvents");
  RunPending();
}

void HeadlessWindowSystem::MsgBox(std::string_view text, MsgBoxIcon icon, std::string_view title) {
  const MessageBoxRecord box{std::string(text), icon, std::string(title)};
  log_.Add("MsgBox(" + box.title + ")", box);
  if (onMessageBox) onMessageBox(box);
}

int HeadlessWindowSystem::PopupMenu(Form& owner, const std::vector<MenuItem>& items,
                                    int defaultIndex, std::optional<PixelPoint> at) {
  const MenuRecord menu{owner.Name(), items, defaultIndex, at};
  log_.Add("PopupMenu", menu);
  if (onPopupMenu) onPopupMenu(menu);
  // The menu runs its own message loop while it is open.
  RunPending();
  if (menuChoices_.empty()) return -1;
  const int choice = menuChoices_.front();
  menuChoices_.pop_front();
  return choice;
}

void HeadlessWindowSystem::SetMousePointer(MousePointer pointer) {
  log_.Add(pointer == MousePointer::Hourglass ? "SetMousePointer(11)" : "SetMousePointer(0)");
  pointer_ = pointer;
}

bool HeadlessWindowSystem::FireTimer(Form& form, int timerId) {
  HeadlessSurface* surface = SurfaceOf(form);
  if (!surface || !surface->Timers().contains(timerId)) return false;
  form.RaiseTimer(timerId);
  return true;
}

long HeadlessWindowSystem::TimerInterval(const Form& form, int timerId) const {
  HeadlessSurface* surface = SurfaceOf(form);
  if (!surface) return 0;
  auto it = surface->Timers().find(timerId);
  return it == surface->Timers().end() ? 0 : it->second;
}

void HeadlessWindowSystem::NotifyTray(Form& form, int event, PixelPoint anchor) {
  if (SurfaceOf(form)) form.RaiseTrayEvent(event, anchor);
}

void HeadlessWindowSystem::Click(Form& form, int control) {
  const auto hold = form.Hold();
  if (onClick) onClick(form, control, false);
  form.RaiseClick(control);
  if (onClick) onClick(form, control, true);
}

void HeadlessWindowSystem::AcceptOtherPrograms(Form& form) {
  log_.Add("AcceptOtherPrograms(" + form.Name() + ")");
}

void HeadlessWindowSystem::Broadcast(SystemEvent event) {
  // A handler may unload windows: every loaded form is held, and one that went meanwhile is
  // passed over.
  std::vector<std::shared_ptr<Form>> held;
  std::vector<Form*> forms;
  for (HeadlessSurface* surface : surfaces_) {
    held.push_back(surface->Owner().Hold());
    forms.push_back(&surface->Owner());
  }
  for (Form* form : forms) {
    if (SurfaceOf(*form)) form->RaiseSystemEvent(event);
  }
}

HeadlessWindowSystem::Outstanding HeadlessWindowSystem::Held() const {
  Outstanding held;
  held.windows = surfaces_.size();
  held.objects = objects_.size();
  for (const HeadlessSurface* object : objects_) held.timers += object->Timers().size();
  return held;
}

}  // namespace kestal::headless
