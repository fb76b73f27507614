#pragma once
// Which controls the keyboard reaches and in which order, and how a frame's option buttons share
// one stop: the same rules for every platform. Portable, so tested natively.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "platform/window/FormDesign.h"

namespace kestal {

// Buttons, text boxes, option buttons and the check box; frames, labels, pictures and lines
// never take the focus.
inline bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::Button || kind == ControlKind::TextBox ||
         kind == ControlKind::OptionButton || kind == ControlKind::CheckBox;
}

// The controls that can take the focus, in the order Tab walks them: by tab index, those without
// one last, ties in order of definition. (On Windows they are made in this order.)
inline std::vector<int> TabOrder(const std::vector<ControlDefinition>& controls) {
  std::vector<int> order;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (TakesFocus(controls[i].kind)) order.push_back(static_cast<int>(i));
  }
  const auto key = [&](int id) {
    const int tab = controls[static_cast<std::size_t>(id)].tabIndex;
    return tab < 0 ? 1 << 30 : tab;
  };
  // A stable insertion sort: a window has a handful of controls, and the library's stable sort
  // costs the exe a kilobyte.
  for (std::size_t i = 1; i < order.size(); ++i) {
    for (std::size_t j = i; j > 0 && key(order[j]) < key(order[j - 1]); --j) {
      std::swap(order[j], order[j - 1]);
    }
  }
  return order;
}

// The option buttons of one frame, in tab order, that pass `usable`.
inline std::vector<int> OptionGroup(const std::vector<ControlDefinition>& controls,
                                    const std::vector<int>& order, int container,
                                    const std::function<bool(int)>& usable) {
  std::vector<int> group;
  for (int id : order) {
    const ControlDefinition& design = controls[static_cast<std::size_t>(id)];
    if (design.kind == ControlKind::OptionButton && design.container == container && usable(id)) {
      group.push_back(id);
    }
  }
  return group;
}

// Where an arrow key in the option `id` leads: the next (or, going back, the previous) option
// of its group, round the end; `id` itself when the group holds no other, -1 when it isn't in it.
inline int NextOption(const std::vector<int>& group, int id, bool back) {
  const auto at = std::find(group.begin(), group.end(), id);
  if (at == group.end()) return -1;
  const std::size_t index = static_cast<std::size_t>(at - group.begin());
  return group[(index + (back ? group.size() - 1 : 1)) % group.size()];
}

// The one option of a group that Tab stops at: the selected one, or the first when none is;
// -1 for an empty group.
inline int OptionTabStop(const std::vector<int>& group, const std::function<bool(int)>& selected) {
  for (int id : group) {
    if (selected(id)) return id;
  }
  return group.empty() ? -1 : group.front();
}

}  // namespace kestal
