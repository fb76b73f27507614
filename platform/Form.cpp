#include "platform/Form.h"

namespace kestal {

// Counts the handlers of this window that are running, so that the window object is never
// deleted under one of them.
class Form::HandlerScope {
 public:
  explicit HandlerScope(Form& form) : form_(form) { ++form_.handlerDepth_; }
  ~HandlerScope() { --form_.handlerDepth_; }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  Form& form_;
};

Form::Form(FormSpec design) : spec_(std::move(design)) {}

Form::~Form() = default;

int Form::FindControl(std::string_view name, int index) const {
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].name == name && controls_[i].index == index) return static_cast<int>(i);
  }
  return -1;
}

int Form::AddControl(ControlSpec design) {
  controls_.push_back(std::move(design));
  events_.emplace_back();
  return static_cast<int>(controls_.size() - 1);
}

WindowHandle Form::hWnd() const {
  return surface_ ? surface_->Handle() : 0;
}
bool Form::Visible() const {
  return surface_ && surface_->Visible();
}

void Form::Move(int leftTwips, int topTwips) {
  left_ = leftTwips;
  top_ = topTwips;
  if (surface_) surface_->Move(leftTwips, topTwips);
}

void Form::SetBackColor(Color color) {
  if (surface_) surface_->SetBackColor(color);
}

void Form::Refresh() {
  if (surface_) surface_->Refresh();
}

void Form::SetTimer(int timerId, long milliseconds) {
  if (surface_) surface_->SetTimer(timerId, milliseconds);
}

void Form::KillTimer(int timerId) {
  if (surface_) surface_->KillTimer(timerId);
}

void Form::RaiseLoad() {
  HandlerScope scope(*this);
  Form_Load();
}

void Form::RaiseUnload() {
  HandlerScope scope(*this);
  Form_Unload();
}

void Form::RaisePaint() {
  HandlerScope scope(*this);
  Form_Paint();
}

void Form::RaiseMouseMove(int button, int shift, double x, double y) {
  HandlerScope scope(*this);
  Form_MouseMove(button, shift, x, y);
}

void Form::RaiseTimer(int timerId) {
  HandlerScope scope(*this);
  Form_Timer(timerId);
}

void Form::RaiseSystemEvent(SystemEvent event) {
  HandlerScope scope(*this);
  Form_SystemEvent(event);
}

namespace {
template <typename Handler, typename... Args>
void Call(const Handler& handler, Args&... args) {
  if (handler) handler(args...);
}
}  // namespace

void Form::RaiseClick(int id) {
  HandlerScope scope(*this);
  Call(EventsOf(id).click);
}

void Form::RaiseChange(int id) {
  HandlerScope scope(*this);
  Call(EventsOf(id).change);
}

void Form::RaiseGotFocus(int id) {
  HandlerScope scope(*this);
  Call(EventsOf(id).gotFocus);
}

void Form::RaiseKeyPress(int id, int& keyAscii) {
  HandlerScope scope(*this);
  Call(EventsOf(id).keyPress, keyAscii);
}

}  // namespace kestal
