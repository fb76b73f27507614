#include "forms/Controls.h"

namespace kestal {

Control::Control(Form& owner, ControlKind kind, const Design& design)
    : owner_(owner), id_(owner.AddControl(design.Definition(kind))) {}

Control::Control(Form& owner, ControlDefinition design)
    : owner_(owner), id_(owner.AddControl(std::move(design))) {}

Line::Line(Form& owner, const LineDesign& design) : Control(owner, design.Definition()) {}

bool Control::Enabled() const {
  return Surface() ? Surface()->Enabled(id_) : Definition().enabled;
}
void Control::SetEnabled(bool enabled) {
  if (Surface()) Surface()->SetEnabled(id_, enabled);
}
void Control::SetFocus() {
  if (Surface()) Surface()->SetFocus(id_);
}
void Control::SetBackColor(Color color) {
  if (Surface()) Surface()->SetControlBackColor(id_, color);
}
void Control::SetTop(int topTwips) {
  owner_.SetDesignTop(id_, topTwips);
  if (Surface()) Surface()->ControlMoved(id_);
}

std::string TextBox::Text() const {
  return Surface() ? Surface()->Text(id_) : std::string();
}
void TextBox::SetText(std::string_view text) {
  if (Surface()) Surface()->SetText(id_, text);
}
int TextBox::SelStart() const {
  return Surface() ? Surface()->SelStart(id_) : 0;
}
int TextBox::SelLength() const {
  return Surface() ? Surface()->SelLength(id_) : 0;
}
void TextBox::SetSelStart(int start) {
  if (Surface()) Surface()->SetSelection(id_, start, 0);
}
void TextBox::SetSelLength(int length) {
  if (Surface()) Surface()->SetSelection(id_, Surface()->SelStart(id_), length);
}

std::string Label::Caption() const {
  return Surface() ? Surface()->Text(id_) : Definition().caption;
}
void Label::SetCaption(std::string_view caption) {
  if (Surface()) Surface()->SetText(id_, caption);
}

bool OptionButton::Value() const {
  return Surface() ? Surface()->Value(id_) : Definition().value;
}
void OptionButton::SetValue(bool value) {
  if (value) {
    owner_.SelectOption(id_);
  } else if (Surface()) {
    Surface()->SetValue(id_, false);
  }
}

bool CheckBox::Value() const {
  return Surface() ? Surface()->Value(id_) : Definition().value;
}
void CheckBox::SetValue(bool ticked) {
  if (Surface()) Surface()->SetValue(id_, ticked);
}

}  // namespace kestal
