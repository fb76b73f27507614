#include "platform/win32/Win32Accessible.h"

#include <string>
#include <vector>

#include "forms/ReadableTree.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32Text.h"

namespace kestal::win32 {

namespace {

// What a question answers when the window it was about has closed.
constexpr HRESULT kGone = RPC_E_DISCONNECTED;

HRESULT Give(std::string_view text, BSTR* out) {
  const std::wstring wide = Wide(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Nothing(BSTR* out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

// Nothing thrown may cross into the reader's process or COM: a failure is an error code.
template <typename Answer>
HRESULT Guarded(Answer answer) noexcept {
  try {
    return answer();
  } catch (...) {
    return E_UNEXPECTED;
  }
}

VARIANT Number(LONG value) {
  VARIANT number;
  number.vt = VT_I4;
  number.lVal = value;
  return number;
}

bool IsSelf(const VARIANT& id) {
  return id.vt == VT_I4 && id.lVal == CHILDID_SELF;
}

bool Inside(const PixelRect& r, POINT at) {
  return at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom;
}

// The window's readable tree as it is now, and where one object stands in it.
struct Tree {
  Win32Surface* surface = nullptr;
  std::vector<ReadablePart> parts;
  const ReadablePart* self = nullptr;                   // a frame's part; null for the window
  const std::vector<ReadablePart>* children = nullptr;  // the object's own children
};

// The object of a part (-1: the window itself; `real`: a control with a window of its own),
// answering for that window, with a reference for the caller. Null when it cannot be made.
IAccessible* ObjectOf(HWND form, int control, bool real);

// COM objects are deleted through Release, never through the interfaces' destructors.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class Accessible final : public IAccessible {
 public:
  // `control` -1: the window itself; a frame: that frame; `real`: a control with a window of
  // its own, which the system's object answers for but its name and some roles and states.
  Accessible(int control, bool real) : control_(control), real_(real) {}
  ~Accessible() { Bind(nullptr); }
  Accessible(const Accessible&) = delete;
  Accessible& operator=(const Accessible&) = delete;

  // Makes the object answer for that window (null: for none; it then answers that it is gone).
  // False when a real control's system object cannot be made.
  bool Bind(HWND form) {
    if (form == form_ && (system_ || !real_ || !form)) return true;
    if (system_) system_->Release();
    system_ = nullptr;
    form_ = form;
    if (!real_ || !form_) return true;
    Win32Surface* surface = Win32Surface::FromWindow(form_);
    HWND window = surface ? surface->ControlWindow(control_) : nullptr;
    if (window &&
        SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&system_)))) {
      return system_ != nullptr;
    }
    system_ = nullptr;
    return false;
  }
  HWND Window() const { return form_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) ||
        riid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
    } else if (riid == __uuidof(IEnumVARIANT) && !real_) {
      // Each enumeration a reader asks for keeps its own place among the children.
      return NewEnumerator(0, reinterpret_cast<IEnumVARIANT**>(object));
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: readers use IAccessible's own methods.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible. A real control's questions go to the system's object; the others are answered
  // from the window's readable tree.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (system_) return system_->get_accParent(parent);
    return Answer(parent, [&](const Tree& tree) -> HRESULT {
      if (!tree.self) {
        return AccessibleObjectFromWindow(form_, static_cast<DWORD>(OBJID_WINDOW),
                                                __uuidof(IDispatch),
                                                reinterpret_cast<void**>(parent));
      }
      const auto& controls = tree.surface->OwnerForm().Controls();
      *parent = ObjectOf(form_, controls.at(static_cast<size_t>(control_)).container, false);
      return *parent ? S_OK : E_FAIL;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (system_) return system_->get_accChildCount(count);
    return Answer(count, [&](const Tree& tree) {
      *count = static_cast<LONG>(tree.children->size());
      return S_OK;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override {
    if (system_) return system_->get_accChild(id, child);
    return Answer(child, [&](const Tree& tree) -> HRESULT {
      const ReadablePart* part = Find(tree, id);
      if (!part) return E_INVALIDARG;
      if (!HasObject(*part)) return S_FALSE;  // a simple child: its parent answers for it
      *child = ObjectOf(form_, part->control, HasWindow(*part));
      return *child ? S_OK : E_FAIL;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override {
    return Answer(name, [&](const Tree& tree) -> HRESULT {
      if (system_) {
        const ReadablePart* box = FindPart(tree.parts, control_);
        if (IsSelf(id) && box && !box->name.empty()) return Give(box->name, name);
        return system_->get_accName(id, name);
      }
      if (IsSelf(id)) {
        // A frame by its caption, the window by its title, the first of its texts.
        if (tree.self) return Give(tree.self->name, name);
        return tree.parts.empty() ? S_FALSE : Give(tree.parts.front().name, name);
      }
      return OfPart(
          tree, id, [&](const ReadablePart& part) { return Give(part.name, name); },
          [&](IAccessible& object, VARIANT self) { return object.get_accName(self, name); });
    });
  }

  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override {
    if (system_) {
      // A link's value is where it leads.
      if (IsSelf(id) && SelfRole() == ReadableRole::Link) {
        return AboutSelf(value, [&](const ReadablePart& self) { return Give(self.name, value); });
      }
      return system_->get_accValue(id, value);
    }
    return Answer(value, [&](const Tree& tree) -> HRESULT {
      if (IsSelf(id)) return S_FALSE;
      return OfPart(
          tree, id, [](const ReadablePart&) { return S_FALSE; },
          [&](IAccessible& object, VARIANT self) { return object.get_accValue(self, value); });
    });
  }

  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override {
    return system_ ? system_->get_accDescription(id, description) : Nothing(description);
  }

  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override {
    if (system_) {
      const HRESULT answer = system_->get_accRole(id, role);
      // A link or a picture is a button to the system; and some systems' objects call every
      // control a plain client area: ours says what it is.
      if (answer == S_OK && IsSelf(id) && role && role->vt == VT_I4) {
        const ReadableRole self = SelfRole();
        if (self == ReadableRole::Link) role->lVal = ROLE_SYSTEM_LINK;
        if (self == ReadableRole::Button) role->lVal = ROLE_SYSTEM_PUSHBUTTON;
        if (role->lVal == ROLE_SYSTEM_CLIENT) role->lVal = RoleOfKind();
      }
      return answer;
    }
    return Answer(role, [&](const Tree& tree) -> HRESULT {
      if (IsSelf(id)) {
        *role = Number(tree.self ? ROLE_SYSTEM_GROUPING : ROLE_SYSTEM_CLIENT);
        return S_OK;
      }
      return OfPart(
          tree, id,
          [&](const ReadablePart& part) {
            *role = Number(part.role == ReadableRole::Grouping ? ROLE_SYSTEM_GROUPING
                                                               : ROLE_SYSTEM_STATICTEXT);
            return S_OK;
          },
          [&](IAccessible& object, VARIANT self) { return object.get_accRole(self, role); });
    });
  }

  HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override {
    if (system_) {
      const HRESULT answer = system_->get_accState(id, state);
      // A selected option or a ticked box says so, whatever the system's object knows of it.
      Win32Surface* surface = Win32Surface::FromWindow(form_);
      if (answer == S_OK && IsSelf(id) && state && state->vt == VT_I4 && surface) {
        if (surface->Value(control_)) state->lVal |= STATE_SYSTEM_CHECKED;
        if (SelfRole() == ReadableRole::Link) state->lVal |= STATE_SYSTEM_LINKED;
      }
      return answer;
    }
    return Answer(state, [&](const Tree& tree) -> HRESULT {
      const LONG hidden = IsWindowVisible(form_) ? 0 : STATE_SYSTEM_INVISIBLE;
      if (IsSelf(id)) {
        *state = Number(hidden | (tree.self && !tree.self->enabled ? STATE_SYSTEM_UNAVAILABLE : 0));
        return S_OK;
      }
      return OfPart(
          tree, id,
          [&](const ReadablePart& part) {
            *state = Number(hidden | (part.enabled ? 0 : STATE_SYSTEM_UNAVAILABLE));
            return S_OK;
          },
          [&](IAccessible& object, VARIANT self) { return object.get_accState(self, state); });
    });
  }

  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override {
    return system_ ? system_->get_accHelp(id, help) : Nothing(help);
  }

  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override {
    if (system_) return system_->get_accHelpTopic(file, id, topic);
    if (topic) *topic = 0;
    return Nothing(file);
  }

  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override {
    if (system_) return system_->get_accKeyboardShortcut(id, shortcut);
    return Answer(shortcut, [&](const Tree& tree) -> HRESULT {
      if (IsSelf(id)) return S_FALSE;
      return OfPart(
          tree, id, [](const ReadablePart&) { return S_FALSE; },
          [&](IAccessible& object, VARIANT self) {
            return object.get_accKeyboardShortcut(self, shortcut);
          },
          S_FALSE);
    });
  }

  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (system_) return system_->get_accFocus(focus);
    return Answer(focus, [&](const Tree& tree) -> HRESULT {
      // The child of this object that holds the focus, or holds the part that does.
      for (const ReadablePart& child : *tree.children) {
        if (Focused(child)) return ChildVariant(child, focus);
      }
      return S_FALSE;
    });
  }

  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (system_) return system_->get_accSelection(selection);
    if (!selection) return E_POINTER;
    selection->vt = VT_EMPTY;
    return S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override {
    if (system_) {
      // What a link or a picture does, in the program's language, on every system.
      const ReadableRole self = IsSelf(id) ? SelfRole() : ReadableRole::Control;
      if (self == ReadableRole::Link || self == ReadableRole::Button) {
        return Give(self == ReadableRole::Link ? "Apri" : "Premi", action);
      }
      return system_->get_accDefaultAction(id, action);
    }
    return Answer(action, [&](const Tree& tree) -> HRESULT {
      if (IsSelf(id)) return S_FALSE;
      return OfPart(
          tree, id, [](const ReadablePart&) { return S_FALSE; },
          [&](IAccessible& object, VARIANT self) {
            return object.get_accDefaultAction(self, action);
          },
          S_FALSE);
    });
  }

  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT id) override {
    return system_ ? system_->accSelect(flags, id) : DISP_E_MEMBERNOTFOUND;
  }

  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT id) override {
    if (system_) return system_->accLocation(left, top, width, height, id);
    if (!left || !top || !width || !height) return E_POINTER;
    return Answer(left, [&](const Tree& tree) -> HRESULT {
      const auto place = [&](PixelRect box) {
        POINT origin{box.left, box.top};
        ClientToScreen(form_, &origin);
        *left = origin.x;
        *top = origin.y;
        *width = box.right - box.left;
        *height = box.bottom - box.top;
        return S_OK;
      };
      if (IsSelf(id)) return place(tree.self ? tree.surface->PixelRectOf(control_) : ClientArea());
      return OfPart(
          tree, id,
          [&](const ReadablePart& part) { return place(tree.surface->PixelRectOf(part.control)); },
          [&](IAccessible& object, VARIANT self) {
            return object.accLocation(left, top, width, height, self);
          });
    });
  }

  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (system_) return system_->accNavigate(direction, start, end);
    return Answer(end, [&](const Tree& tree) -> HRESULT {
      const std::vector<ReadablePart>& children = *tree.children;
      if (children.empty()) return S_FALSE;
      if (IsSelf(start)) {
        if (direction == NAVDIR_FIRSTCHILD) return ChildVariant(children.front(), end);
        if (direction == NAVDIR_LASTCHILD) return ChildVariant(children.back(), end);
        return S_FALSE;  // the window's siblings are the system's to tell
      }
      if (start.vt != VT_I4) return E_INVALIDARG;
      const bool forward =
          direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT;
      const bool backward =
          direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT;
      for (size_t i = 0; i < children.size(); ++i) {
        if (children[i].control + 1 != start.lVal) continue;
        if (forward && i + 1 < children.size()) return ChildVariant(children[i + 1], end);
        if (backward && i > 0) return ChildVariant(children[i - 1], end);
        return S_FALSE;
      }
      return E_INVALIDARG;
    });
  }

  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (system_) return system_->accHitTest(x, y, hit);
    return Answer(hit, [&](const Tree& tree) -> HRESULT {
      POINT at{x, y};
      ScreenToClient(form_, &at);
      if (!Inside(tree.self ? tree.surface->PixelRectOf(control_) : ClientArea(), at))
        return S_FALSE;
      // The part defined last lies on top.
      const ReadablePart* found = nullptr;
      for (const ReadablePart& child : *tree.children) {
        if (Inside(tree.surface->PixelRectOf(child.control), at) &&
            (!found || child.control > found->control)) {
          found = &child;
        }
      }
      if (!found) {
        *hit = Number(CHILDID_SELF);
        return S_OK;
      }
      return ChildVariant(*found, hit);
    });
  }

  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override {
    if (system_) {
      const ReadableRole self = IsSelf(id) ? SelfRole() : ReadableRole::Control;
      if (self != ReadableRole::Link && self != ReadableRole::Button) {
        return system_->accDoDefaultAction(id);
      }
      // A click, posted: the reader is not kept waiting on what it does (a link opens another
      // program).
      Win32Surface* surface = Win32Surface::FromWindow(form_);
      HWND window = surface ? surface->ControlWindow(control_) : nullptr;
      if (!window || !IsWindowEnabled(window)) return DISP_E_MEMBERNOTFOUND;
      return PostMessageW(window, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }
    return Answer([&](const Tree& tree) -> HRESULT {
      if (IsSelf(id)) return DISP_E_MEMBERNOTFOUND;
      return OfPart(
          tree, id, [](const ReadablePart&) -> HRESULT { return DISP_E_MEMBERNOTFOUND; },
          [](IAccessible& object, VARIANT self) { return object.accDoDefaultAction(self); },
          DISP_E_MEMBERNOTFOUND);
    });
  }

  HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override {
    return system_ ? system_->put_accName(id, name) : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override {
    return system_ ? system_->put_accValue(id, value) : DISP_E_MEMBERNOTFOUND;
  }

  // The children in reading order from `next` on, at most `count`; `next` moves past them.
  HRESULT NextChildren(size_t& next, ULONG count, VARIANT* items, ULONG* fetched) {
    if (!items) return E_POINTER;
    return Answer([&](const Tree& tree) {
      ULONG given = 0;
      for (; given < count && next < tree.children->size(); ++given) {
        ChildVariant((*tree.children)[next++], &items[given]);
      }
      if (fetched) *fetched = given;
      return given == count ? S_OK : S_FALSE;
    });
  }
  HRESULT NewEnumerator(size_t next, IEnumVARIANT** made);

 private:
  // Asks about the window as it is now, nothing thrown getting out.
  template <typename Question>
  HRESULT Answer(Question question) {
    return Guarded([&]() -> HRESULT {
      Tree tree;
      return Look(tree) ? question(tree) : kGone;
    });
  }
  // The same, the answer's place checked and emptied first.
  template <typename Out, typename Question>
  HRESULT Answer(Out* out, Question question) {
    if (!out) return E_POINTER;
    *out = Out{};
    return Answer(question);
  }

  // A question about this real control's own part of the readable tree, nothing thrown getting
  // out; the part is always there while the control's window is.
  template <typename Out, typename Question>
  HRESULT AboutSelf(Out* out, Question question) {
    return Answer(out, [&](const Tree& tree) -> HRESULT {
      const ReadablePart* self = FindPart(tree.parts, control_);
      return self ? question(*self) : kGone;
    });
  }
  // How this real control is read: as a link, a button (a picture) or as the control it is.
  ReadableRole SelfRole() const noexcept {
    try {
      Tree tree;
      if (!Look(tree)) return ReadableRole::Control;
      const ReadablePart* self = FindPart(tree.parts, control_);
      return self ? self->role : ReadableRole::Control;
    } catch (...) {
      return ReadableRole::Control;
    }
  }

  // A question about the part a child id names: `simple` answers for a simple part, a part
  // with a window of its own is asked of its own object. `unknown` when the id names no part.
  template <typename Simple, typename Control>
  HRESULT OfPart(const Tree& tree, const VARIANT& id, Simple simple, Control control,
                 HRESULT unknown = E_INVALIDARG) {
    const ReadablePart* part = Find(tree, id);
    if (!part) return unknown;
    if (!HasWindow(*part)) return simple(*part);
    IAccessible* object = ObjectOf(form_, part->control, true);
    if (!object) return E_FAIL;
    const HRESULT answer = control(*object, Number(CHILDID_SELF));
    object->Release();
    return answer;
  }

  // The part a child id names (its control's id plus one), anywhere in the window.
  static const ReadablePart* Find(const Tree& tree, const VARIANT& id) {
    return id.vt == VT_I4 && id.lVal > 0 ? FindPart(tree.parts, id.lVal - 1) : nullptr;
  }

  bool Look(Tree& tree) const {
    tree.surface = Win32Surface::FromWindow(form_);
    if (!tree.surface) return false;
    tree.parts = ReadableParts(tree.surface->OwnerForm());
    tree.children = &tree.parts;
    if (control_ < 0 || real_) return true;
    tree.self = FindPart(tree.parts, control_);
    if (!tree.self) return false;
    tree.children = &tree.self->children;
    return true;
  }

  // A real control's role by its kind (the real kinds come first in ControlKind).
  LONG RoleOfKind() const {
    static constexpr LONG kRoles[] = {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_TEXT,
                                      ROLE_SYSTEM_RADIOBUTTON, ROLE_SYSTEM_CHECKBUTTON};
    Win32Surface* surface = Win32Surface::FromWindow(form_);
    if (!surface) return ROLE_SYSTEM_CLIENT;
    const auto kind =
        static_cast<size_t>(surface->OwnerForm().Controls().at(static_cast<size_t>(control_)).kind);
    return kind < std::size(kRoles) ? kRoles[kind] : ROLE_SYSTEM_CLIENT;
  }

  static bool Focused(const ReadablePart& part) {
    if (part.focused) return true;
    for (const ReadablePart& child : part.children) {
      if (Focused(child)) return true;
    }
    return false;
  }

  // Frames and the parts with windows are objects of their own; texts are simple children.
  static bool HasObject(const ReadablePart& part) {
    return part.role == ReadableRole::Grouping || HasWindow(part);
  }

  PixelRect ClientArea() const {
    RECT client{};
    GetClientRect(form_, &client);
    return {client.left, client.top, client.right, client.bottom};
  }

  // A simple child by its id; a frame or a real control as its object.
  HRESULT ChildVariant(const ReadablePart& part, VARIANT* out) const {
    IDispatch* object = HasObject(part) ? ObjectOf(form_, part.control, HasWindow(part)) : nullptr;
    if (object) {
      out->vt = VT_DISPATCH;
      out->pdispVal = object;
    } else {
      *out = Number(part.control + 1);
    }
    return S_OK;
  }

  HWND form_ = nullptr;
  const int control_;
  const bool real_;
  // A real control's system object while bound to a window; the questions go to it. Unbound,
  // the object finds no window and answers that it is gone.
  IAccessible* system_ = nullptr;
  ULONG references_ = 1;
};

// An enumeration of an object's children, with a place of its own. It answers for its object's
// identity (asked for another interface it gives the object's), and holds the object alive.
class ChildEnumerator final : public IEnumVARIANT {
 public:
  ChildEnumerator(Accessible& owner, size_t next) : owner_(owner), next_(next) { owner_.AddRef(); }
  ~ChildEnumerator() { owner_.Release(); }
  ChildEnumerator(const ChildEnumerator&) = delete;
  ChildEnumerator& operator=(const ChildEnumerator&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == __uuidof(IEnumVARIANT)) {
      *object = static_cast<IEnumVARIANT*>(this);
      AddRef();
      return S_OK;
    }
    return owner_.QueryInterface(riid, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    return owner_.NextChildren(next_, count, items, fetched);
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    next_ += count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    return owner_.NewEnumerator(next_, copy);
  }

 private:
  Accessible& owner_;
  size_t next_;  // the enumeration's place
  ULONG references_ = 1;
};

HRESULT Accessible::NewEnumerator(size_t next, IEnumVARIANT** made) {
  return Guarded([&]() -> HRESULT {
    if (!made) return E_POINTER;
    *made = new ChildEnumerator(*this, next);
    return S_OK;
  });
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// The objects readers were given, one for each part of each kind of window, kept for the
// program's life: Wine's COM keeps memory for every object it ever handed out, and never gives
// it back. When its window closes an object answers that it is gone; the next window of that
// kind takes it over.
struct KeptObject {
  ULONG_PTR kind;  // the window's class
  int control;
  Accessible* object;
};

std::vector<KeptObject>& KeptObjects() {
  static std::vector<KeptObject> kept;
  return kept;
}

IAccessible* ObjectOf(HWND form, int control, bool real) {
  Win32Surface* surface = Win32Surface::FromWindow(form);
  if (!surface) return nullptr;
  const ULONG_PTR kind = GetClassLongPtrW(form, GCW_ATOM);
  Accessible* object = nullptr;
  for (const KeptObject& kept : KeptObjects()) {
    if (kept.control == control && kept.kind == kind) object = kept.object;
  }
  if (!object) {
    object = new Accessible(control, real);  // its first reference is the list's
    // Locked for its readers too, so that COM keeps one stub for it, not one per question.
    CoLockObjectExternal(static_cast<IAccessible*>(object), TRUE, FALSE);
    KeptObjects().push_back({kind, control, object});
  }
  if (!object->Bind(form)) return nullptr;
  object->AddRef();
  return object;
}

LRESULT Hand(IAccessible* object, WPARAM wParam) {
  if (!object) return 0;
  const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, object);
  object->Release();  // the reader holds it now, or only our list does
  return answer;
}

}  // namespace

void ForgetReaderWindow(HWND form) {
  for (const KeptObject& kept : KeptObjects()) {
    if (kept.object->Window() == form) kept.object->Bind(nullptr);
  }
}

LRESULT AnswerReader(HWND form, WPARAM wParam) {
  if (!EnterComApartment()) return 0;
  return Hand(ObjectOf(form, -1, false), wParam);
}

LRESULT AnswerReaderForTextBox(HWND form, int control, WPARAM wParam) {
  if (!EnterComApartment()) return 0;
  return Hand(ObjectOf(form, control, true), wParam);
}

}  // namespace kestal::win32
