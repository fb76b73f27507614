#include "forms/Form.h"

namespace kestal {

Form::Form(FormDefinition design) : definition_(std::move(design)) {}

Form::~Form() = default;

int Form::FindControl(std::string_view name, int index) const {
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].name == name && controls_[i].index == index) return static_cast<int>(i);
  }
  return -1;
}

int Form::AddControl(ControlDefinition design) {
  controls_.push_back(std::move(design));
  events_.emplace_back();
  return static_cast<int>(controls_.size() - 1);
}

WindowHandle Form::hWnd() const {
  return Surface() ? Surface()->Handle() : 0;
}
bool Form::Visible() const {
  return Surface() && Surface()->Visible();
}

void Form::Move(int leftTwips, int topTwips) {
  if (FormSurface* surface = Surface()) surface->Move(leftTwips, topTwips);
}

ScreenMetrics Form::Screen() const {
  return Surface() ? Surface()->Screen() : ScreenMetrics{};
}

void Form::SetBackColor(Color color) {
  if (FormSurface* surface = Surface()) surface->SetBackColor(color);
}

void Form::RoundCorners(int cornerTwips) {
  if (Surface()) Surface()->RoundCorners(cornerTwips);
}

void Form::Refresh() {
  if (FormSurface* surface = Surface()) surface->Refresh();
}

void Form::SelectOption(int id) {
  FormSurface* surface = Surface();
  if (!surface) return;
  const int container = controls_.at(static_cast<size_t>(id)).container;
  for (size_t other = 0; other < controls_.size(); ++other) {
    const ControlDefinition& design = controls_[other];
    if (static_cast<int>(other) != id && design.kind == ControlKind::OptionButton &&
        design.container == container) {
      surface->SetValue(static_cast<int>(other), false);
    }
  }
  surface->SetValue(id, true);
}

void Form::SetTimer(int timerId, long milliseconds) {
  if (FormSurface* surface = Surface()) surface->SetTimer(timerId, milliseconds);
}

void Form::KillTimer(int timerId) {
  if (FormSurface* surface = Surface()) surface->KillTimer(timerId);
}

void Form::RaiseLoad() {
  const auto hold = Hold();
  Form_Load();
}

void Form::RaiseUnload() {
  const auto hold = Hold();
  Form_Unload();
}

void Form::RaisePaint() {
  const auto hold = Hold();
  Form_Paint();
}

void Form::RaiseTrayEvent(int event, PixelPoint anchor) {
  const auto hold = Hold();
  Form_TrayEvent(event, anchor);
}

void Form::RaiseTimer(int timerId) {
  const auto hold = Hold();
  Form_Timer(timerId);
}

bool Form::RaiseSystemEvent(SystemEvent event) {
  const auto hold = Hold();
  return Form_SystemEvent(event);
}

namespace {
template <typename Handler, typename... Args>
void Call(const Handler& handler, Args&... args) {
  if (handler) handler(args...);
}
}  // namespace

void Form::RaiseClick(int id) {
  const auto hold = Hold();
  Call(EventsOf(id).click);
}

void Form::RaiseChange(int id) {
  const auto hold = Hold();
  Call(EventsOf(id).change);
}

void Form::RaiseGotFocus(int id) {
  const auto hold = Hold();
  Call(EventsOf(id).gotFocus);
}

void Form::RaiseKeyPress(int id, int& keyAscii) {
  const auto hold = Hold();
  Call(EventsOf(id).keyPress, keyAscii);
}

}  // namespace kestal
