#include "tests/driver/User.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "platform/headless/HeadlessSurface.h"
#include "text/Utf8.h"

namespace kestal::headless {
namespace {

std::string ControlName(std::string_view control, int index) {
  std::string name(control);
  if (index >= 0) name += "(" + std::to_string(index) + ")";
  return name;
}

// The access key of a caption: the character after a single "&" ("&&" is a plain "&").
char AccessKeyOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;
  }
  return 0;
}

// The user can only work a window that is on the screen.
HeadlessSurface& Shown(HeadlessSurface& surface, const Form& form) {
  if (!surface.Visible()) throw std::logic_error(form.Name() + " is not shown");
  return surface;
}

}  // namespace

std::string NameOf(const ControlDefinition& design) {
  return ControlName(design.name, design.index);
}

int User::Id(std::string_view control, int index) const {
  const int id = form_.FindControl(control, index);
  if (id < 0) {
    throw std::invalid_argument("no control " + ControlName(control, index) + " in " +
                                form_.Name());
  }
  return id;
}

HeadlessSurface& User::Surface() const {
  HeadlessSurface* surface = windows_.SurfaceOf(form_);
  if (!surface) throw std::logic_error(form_.Name() + " is not loaded");
  return *surface;
}

void User::Click(std::string_view control, int index) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  const int id = Id(control, index);
  HeadlessSurface& surface = Shown(Surface(), form_);
  if (!surface.Enabled(id)) return;
  const ControlDefinition& design = form_.Controls().at(static_cast<std::size_t>(id));
  // Drawn decoration takes no clicks.
  if (!IsRealControl(design)) return;
  surface.SetFocus(id);
  if (design.kind == ControlKind::TextBox) return;
  // The button (a link and a picture too) takes the focus as it is pressed and clicks as it is
  // released.
  HeadlessSurface* after = windows_.SurfaceOf(form_);
  if (!after || !after->Enabled(id)) return;
  if (design.kind == ControlKind::OptionButton) form_.SelectOption(id);
  if (design.kind == ControlKind::CheckBox) after->SetValue(id, !after->Value(id));
  windows_.Click(form_, id);
}

void User::Focus(std::string_view control, int index) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  const int id = Id(control, index);
  Shown(Surface(), form_).SetFocus(id);
}

void User::Type(std::string_view control, std::string_view text) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  Focus(control);
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char c = DecodeUtf8At(text, at);
    at += c.length;
    // Keys go to the box while it holds the focus; a handler that moves it away ends the typing.
    if (!windows_.SurfaceOf(form_)) return;
    PressKey(control, static_cast<int>(c.valid ? c.code : kReplacementChar));
    HeadlessSurface* surface = windows_.SurfaceOf(form_);
    if (!surface || surface->FocusedControl() != Id(control, -1)) return;
  }
}

void User::PressKey(std::string_view control, int keyAscii) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  const int id = Id(control, -1);
  if (form_.Controls().at(static_cast<std::size_t>(id)).kind != ControlKind::TextBox) {
    throw std::invalid_argument(std::string(control) + " is not a text box");
  }
  Shown(Surface(), form_).SetFocus(id);
  HeadlessSurface* surface = windows_.SurfaceOf(form_);
  if (!surface || surface->FocusedControl() != id) return;
  int key = keyAscii;
  form_.RaiseKeyPress(id, key);
  surface = windows_.SurfaceOf(form_);
  if (key == 0 || !surface || surface->FocusedControl() != id) return;
  if (surface->TypeCharacter(id, static_cast<char32_t>(key))) form_.RaiseChange(id);
}

void User::PressKey(int keyAscii) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  Shown(Surface(), form_);
  const ControlDefinition* focused = FocusedControl();
  if (!focused) return;
  if (focused->kind == ControlKind::TextBox) {
    PressKey(focused->name, keyAscii);
  } else if ((keyAscii == 13 && KeyClicks(*focused, Key::Enter)) ||
             (keyAscii == ' ' && KeyClicks(*focused, Key::Space))) {
    Click(focused->name, focused->index);
  } else if (keyAscii >= 0 && keyAscii < 128 && std::isalnum(keyAscii)) {
    AccessKey(static_cast<char>(keyAscii));
  }
}

void User::PressKey(Key key) {
  if (key != Key::Escape) return PressKey(key == Key::Enter ? 13 : ' ');
  const auto hold = form_.Hold();  // the form lives until the action ends
  Shown(Surface(), form_);
  // As Windows' dialog keys have it: Escape closes the window, as any other close does.
  if (!form_.Definition().topLevel) windows_.Unload(form_);
}

void User::ReplaceText(std::string_view control, std::string_view text) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  const int id = Id(control, -1);
  Shown(Surface(), form_).SetFocus(id);
  HeadlessSurface* surface = windows_.SurfaceOf(form_);
  if (!surface || surface->FocusedControl() != id) return;
  if (surface->ReplaceAll(id, text)) form_.RaiseChange(id);
}

void User::AccessKey(char key) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  HeadlessSurface& surface = Shown(Surface(), form_);
  const auto& definitions = form_.Controls();
  const auto wanted = std::tolower(static_cast<unsigned char>(key));
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    const ControlKind kind = definitions[i].kind;
    if (kind != ControlKind::Button && kind != ControlKind::OptionButton &&
        kind != ControlKind::CheckBox) {
      continue;
    }
    const char mark = AccessKeyOf(surface.Text(static_cast<int>(i)));
    if (mark == 0 || std::tolower(static_cast<unsigned char>(mark)) != wanted) continue;
    if (!surface.Enabled(static_cast<int>(i))) continue;
    Click(definitions[i].name, definitions[i].index);
    return;
  }
}

void User::Tab(bool backwards) {
  const auto hold = form_.Hold();  // the form lives until the action ends
  HeadlessSurface& surface = Shown(Surface(), form_);
  const int next =
      NextTabStop(form_.Controls(), surface.TabStops(), surface.FocusedControl(), backwards);
  if (next >= 0) surface.SetFocus(next);
}

std::vector<std::string> User::Tabs(int presses) {
  std::vector<std::string> focused;
  for (int i = 0; i < std::abs(presses); ++i) {
    Tab(presses < 0);
    focused.push_back(Focused());
  }
  return focused;
}

std::string User::Text(std::string_view control, int index) const {
  return Surface().Text(Id(control, index));
}

bool User::Value(std::string_view control, int index) const {
  return Surface().Value(Id(control, index));
}

bool User::Enabled(std::string_view control, int index) const {
  return Surface().Enabled(Id(control, index));
}

bool User::HasFocus(std::string_view control, int index) const {
  return Surface().FocusedControl() == Id(control, index);
}

const ControlDefinition* User::FocusedControl() const {
  const HeadlessSurface* surface = windows_.SurfaceOf(form_);
  const int id = surface ? surface->FocusedControl() : -1;
  return id < 0 ? nullptr : &form_.Controls().at(static_cast<std::size_t>(id));
}

std::string User::Focused() const {
  const ControlDefinition* focused = FocusedControl();
  return focused ? NameOf(*focused) : "";
}

int User::SelStart(std::string_view control) const {
  return Surface().SelStart(Id(control, -1));
}

int User::SelLength(std::string_view control) const {
  return Surface().SelLength(Id(control, -1));
}

Color User::BackColor(std::string_view control, int index) const {
  return Surface().ControlBackColor(Id(control, index));
}

Color User::ShownForeColor(std::string_view control, int index) const {
  const ControlDefinition& design =
      form_.Controls().at(static_cast<std::size_t>(Id(control, index)));
  return ShownFore(design, design.foreColor, windows_.Colors());
}

Color User::ShownBackColor(std::string_view control, int index) const {
  const int id = Id(control, index);
  return ShownBack(form_.Controls().at(static_cast<std::size_t>(id)),
                   Surface().ControlBackColor(id), windows_.Colors());
}

TwipRect User::Rect(std::string_view control, int index) const {
  return form_.Controls().at(static_cast<std::size_t>(Id(control, index))).rect;
}

bool User::Visible() const {
  HeadlessSurface* surface = windows_.SurfaceOf(form_);
  return surface && surface->Visible();
}

Color User::FormBackColor() const {
  return Surface().BackColor();
}

Color User::ShownFormBackColor() const {
  return ShownWindowBack(Surface().BackColor(), windows_.Colors());
}

TwipRect User::FormRect() const {
  const HeadlessSurface& surface = Surface();
  return {surface.Left(), surface.Top(), form_.DesignWidth(), form_.DesignHeight()};
}

}  // namespace kestal::headless
