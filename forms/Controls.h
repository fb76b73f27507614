#pragma once
// The controls a window defines as its members, in order of definition. Each is a handle to its
// entry in the form's design; reading and writing go through the loaded window.
#include <functional>
#include <string>
#include <string_view>

#include "forms/ControlDesign.h"
#include "forms/Form.h"

namespace kestal {

class Control {
 public:
  // Out of line: each window defines many controls, and their entries are made here.
  Control(Form& owner, ControlKind kind, const Design& design);
  int Id() const { return id_; }
  const ControlDefinition& Definition() const {
    return owner_.Controls().at(static_cast<size_t>(id_));
  }
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetFocus();
  void SetBackColor(Color color);
  int Top() const { return Definition().rect.top; }
  int Height() const { return Definition().rect.height; }
  void SetTop(int topTwips);

 protected:
  // A line's entry, made whole by its design.
  Control(Form& owner, ControlDefinition design);
  FormSurface* Surface() const { return owner_.Surface(); }
  Form::Events& Events() { return owner_.EventsOf(id_); }
  Form& owner_;
  int id_;
};

class Button : public Control {
 public:
  Button(Form& owner, const Design& design) : Control(owner, ControlKind::Button, design) {}
  void OnClick(std::function<void()> handler) { Events().click = std::move(handler); }
};

class TextBox : public Control {
 public:
  TextBox(Form& owner, const Design& design) : Control(owner, ControlKind::TextBox, design) {}
  std::string Text() const;
  void SetText(std::string_view text);
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start);
  void SetSelLength(int length);
  void OnChange(std::function<void()> handler) { Events().change = std::move(handler); }
  void OnGotFocus(std::function<void()> handler) { Events().gotFocus = std::move(handler); }
  void OnKeyPress(std::function<void(int&)> handler) { Events().keyPress = std::move(handler); }
};

class Label : public Control {
 public:
  Label(Form& owner, const Design& design) : Control(owner, ControlKind::Label, design) {}
  std::string Caption() const;
  void SetCaption(std::string_view caption);
  void OnClick(std::function<void()> handler) { Events().click = std::move(handler); }
};

class OptionButton : public Control {
 public:
  OptionButton(Form& owner, const Design& design)
      : Control(owner, ControlKind::OptionButton, design) {}
  bool Value() const;
  void SetValue(bool value);
  void OnClick(std::function<void()> handler) { Events().click = std::move(handler); }
};

class CheckBox : public Control {
 public:
  CheckBox(Form& owner, const Design& design) : Control(owner, ControlKind::CheckBox, design) {}
  bool Value() const;
  void SetValue(bool ticked);
  void OnClick(std::function<void()> handler) { Events().click = std::move(handler); }
};

class Frame : public Control {
 public:
  Frame(Form& owner, const Design& design) : Control(owner, ControlKind::Frame, design) {}
};

class Picture : public Control {
 public:
  Picture(Form& owner, const Design& design) : Control(owner, ControlKind::Picture, design) {}
  void OnClick(std::function<void()> handler) { Events().click = std::move(handler); }
};

class Line : public Control {
 public:
  Line(Form& owner, const LineDesign& design);
};

}  // namespace kestal
