#pragma once
// Which controls the keyboard reaches and in which order, how a frame's option buttons share
// one stop, and what Space, Enter and Escape do: the same rules for every platform. Portable,
// so tested natively.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "forms/FormDesign.h"

namespace kestal {

// A link, or a picture read as a button: it acts when clicked, as a button does, and is drawn
// by its window in the window's own look.
inline bool IsOwnerDrawn(const ControlDefinition& design) {
  return (design.kind == ControlKind::Label && design.readable == Readable::Link) ||
         (design.kind == ControlKind::Picture && design.readable == Readable::Button);
}

// What a user acts on: buttons, text boxes, option buttons, the check box, the links and the
// captains' pictures, each a real window of its own (a child window on Windows). Frames, the
// other labels and pictures, and lines are drawn by the window.
inline bool IsRealControl(const ControlDefinition& design) {
  return design.kind == ControlKind::Button || design.kind == ControlKind::TextBox ||
         design.kind == ControlKind::OptionButton || design.kind == ControlKind::CheckBox ||
         IsOwnerDrawn(design);
}

// The controls that can take the focus, in the order Tab walks them: by tab index, those without
// one last, ties in order of definition. (On Windows their windows are made in this order.)
inline std::vector<int> TabOrder(const std::vector<ControlDefinition>& controls) {
  std::vector<int> order;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (IsRealControl(controls[i])) order.push_back(static_cast<int>(i));
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

// The controls that Tab stops at, in tab order: those with a tab index that `canFocus` lets take
// the focus now (enabled, and shown), a frame's options once: at its selected one, or its first
// when none is selected (a group whose stop cannot take the focus is passed over).
inline std::vector<int> TabStops(const std::vector<ControlDefinition>& controls,
                                 const std::function<bool(int)>& canFocus,
                                 const std::function<bool(int)>& selected) {
  const std::vector<int> order = TabOrder(controls);
  const auto tabbed = [&](int id) { return controls[static_cast<std::size_t>(id)].tabIndex >= 0; };
  std::vector<int> stops;
  for (int id : order) {
    if (!tabbed(id)) continue;
    const ControlDefinition& design = controls[static_cast<std::size_t>(id)];
    if (design.kind == ControlKind::OptionButton &&
        OptionTabStop(OptionGroup(controls, order, design.container, tabbed), selected) != id) {
      continue;
    }
    if (canFocus(id)) stops.push_back(id);
  }
  return stops;
}

// The stop Tab leads to from the focused control (-1: none has the focus): the next one in tab
// order, or with Shift the one before, round the end; -1 when there is no stop at all. The
// focused control need not be a stop itself (an option that is not its group's stop).
inline int NextTabStop(const std::vector<ControlDefinition>& controls,
                       const std::vector<int>& stops, int focused, bool backwards) {
  if (stops.empty()) return -1;
  const std::vector<int> order = TabOrder(controls);
  const auto place = [&](int id) {
    return static_cast<std::size_t>(std::find(order.begin(), order.end(), id) - order.begin());
  };
  if (focused < 0 || place(focused) == order.size()) {
    return backwards ? stops.back() : stops.front();
  }
  const std::size_t here = place(focused);
  if (!backwards) {
    for (int id : stops) {
      if (place(id) > here) return id;
    }
    return stops.front();
  }
  for (auto it = stops.rbegin(); it != stops.rend(); ++it) {
    if (place(*it) < here) return *it;
  }
  return stops.back();
}

// The keys a window's focused control answers besides typing.
enum class Key { Space, Enter, Escape };

// Whether Space or Enter on the focused control clicks it, as Windows' dialogs do: Space presses
// a button, option, check box, link or picture; Enter a button, link or picture (in a text box
// Enter is a key press of its own; on an option or check box it does nothing). Escape clicks
// nothing: it closes the window.
inline bool KeyClicks(const ControlDefinition& design, Key key) {
  if (IsOwnerDrawn(design)) return key != Key::Escape;
  switch (design.kind) {
    case ControlKind::Button:
      return key != Key::Escape;
    case ControlKind::OptionButton:
    case ControlKind::CheckBox:
      return key == Key::Space;
    default:
      return false;
  }
}

}  // namespace kestal
