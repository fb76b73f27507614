#include "forms/ReadableTree.h"

#include <algorithm>
#include <utility>

#include "forms/ControlPlace.h"
#include "forms/TabOrder.h"

namespace kestal {

namespace {

// Two parts lie on one line when their middles are nearer than half the lower one's height;
// otherwise the higher comes first.
bool ReadBefore(const ReadablePart& a, const ReadablePart& b) {
  const int middleA = a.rect.top + a.rect.height / 2, middleB = b.rect.top + b.rect.height / 2;
  const int tolerance = std::min(a.rect.height, b.rect.height) / 2;
  if (middleA < middleB - tolerance) return true;
  if (middleB < middleA - tolerance) return false;
  return a.rect.left < b.rect.left;
}

// In reading order; an insertion sort, since "on one line" is not transitive.
void SortForReading(std::vector<ReadablePart>& parts) {
  for (std::size_t i = 1; i < parts.size(); ++i) {
    for (std::size_t j = i; j > 0 && ReadBefore(parts[j], parts[j - 1]); --j) {
      std::swap(parts[j], parts[j - 1]);
    }
  }
}

std::string CurrentText(const Form& form, int id) {
  const FormSurface* surface = form.Surface();
  return surface ? surface->Text(id) : form.Controls().at(static_cast<std::size_t>(id)).caption;
}

// The part of one control, without its children; false when the control is not read.
bool PartOf(const Form& form, int id, ReadablePart& part) {
  const ControlDefinition& design = form.Controls().at(static_cast<std::size_t>(id));
  if (design.readable == Readable::Not) return false;
  part.control = id;
  part.rect = WindowRectTwips(form.Controls(), id);
  const FormSurface* surface = form.Surface();
  part.enabled = !surface || surface->Enabled(id);
  part.focused = surface && surface->FocusedControl() == id;
  switch (design.kind) {
    case ControlKind::Label:
      part.role = design.readable == Readable::Link ? ReadableRole::Link : ReadableRole::StaticText;
      part.name = ReadableText(CurrentText(form, id));
      return !part.name.empty();
    case ControlKind::Frame:
      part.role = ReadableRole::Grouping;
      part.name = ReadableText(CurrentText(form, id));
      return true;
    case ControlKind::Picture:
      if (design.readable != Readable::Button) return false;
      part.role = ReadableRole::Button;
      part.name = design.readName;
      return true;
    case ControlKind::Line:
      return false;
    default:
      part.role = ReadableRole::Control;
      if (!design.readName.empty()) {
        const int label = form.FindControl(design.readName);
        if (label >= 0) part.name = ReadableText(CurrentText(form, label));
      }
      return true;
  }
}

std::vector<ReadablePart> PartsIn(const Form& form, int container) {
  std::vector<ReadablePart> parts;
  const auto& controls = form.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].container != container) continue;
    ReadablePart part;
    if (!PartOf(form, static_cast<int>(i), part)) continue;
    if (part.role == ReadableRole::Grouping) part.children = PartsIn(form, part.control);
    parts.push_back(std::move(part));
  }
  SortForReading(parts);
  return parts;
}

}  // namespace

std::vector<ReadablePart> ReadableParts(const Form& form) {
  if (!form.Surface()) return {};
  return PartsIn(form, -1);
}

const ReadablePart* FindPart(const std::vector<ReadablePart>& parts, int control) {
  for (const ReadablePart& part : parts) {
    if (part.control == control) return &part;
    if (const ReadablePart* inside = FindPart(part.children, control)) return inside;
  }
  return nullptr;
}

std::string ReadableText(std::string_view caption) {
  std::string text;
  bool blank = false;
  for (const char c : caption) {
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
      blank = !text.empty();
      continue;
    }
    if (blank) text += ' ';
    blank = false;
    text += c;
  }
  return text;
}

}  // namespace kestal
