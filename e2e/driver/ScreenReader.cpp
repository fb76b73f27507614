#include "ScreenReader.h"

#include <oleacc.h>

#include "Text.h"

namespace e2e {

namespace {

// COM for this thread, once: a reader must have it.
bool ComReady() {
  static const bool ready = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  return ready;
}

VARIANT Child(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string Take(BSTR text) {
  if (!text) return {};
  std::string read = ToUtf8(std::wstring_view(text, SysStringLen(text)));
  SysFreeString(text);
  return read;
}

// An object's window client object; null when the window does not answer.
IAccessible* ClientObject(HWND form) {
  if (!ComReady()) return nullptr;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

ReadPart Read(IAccessible& object, long id) {
  ReadPart part;
  const VARIANT child = Child(id);
  BSTR text = nullptr;
  if (object.get_accName(child, &text) == S_OK) part.name = Take(text);
  text = nullptr;
  if (object.get_accValue(child, &text) == S_OK) part.value = Take(text);
  VARIANT answer;
  VariantInit(&answer);
  if (object.get_accRole(child, &answer) == S_OK && answer.vt == VT_I4) part.role = answer.lVal;
  VariantClear(&answer);
  if (object.get_accState(child, &answer) == S_OK && answer.vt == VT_I4) part.state = answer.lVal;
  VariantClear(&answer);
  LONG left = 0, top = 0, width = 0, height = 0;
  if (object.accLocation(&left, &top, &width, &height, child) == S_OK) {
    part.location = {left, top, left + width, top + height};
  }
  return part;
}

ReadNode ReadObject(IAccessible& object, int depth) {
  ReadNode node;
  node.object = true;
  node.part = Read(object, CHILDID_SELF);
  LONG count = 0;
  if (depth > 4 || object.get_accChildCount(&count) != S_OK || count <= 0) return node;
  std::vector<VARIANT> children(static_cast<size_t>(count));
  LONG obtained = 0;
  if (FAILED(AccessibleChildren(&object, 0, count, children.data(), &obtained))) return node;
  for (LONG i = 0; i < obtained; ++i) {
    VARIANT& child = children[static_cast<size_t>(i)];
    if (child.vt == VT_DISPATCH && child.pdispVal) {
      IAccessible* inner = nullptr;
      if (SUCCEEDED(child.pdispVal->QueryInterface(IID_IAccessible,
                                                   reinterpret_cast<void**>(&inner)))) {
        node.children.push_back(ReadObject(*inner, depth + 1));
        inner->Release();
      }
    } else if (child.vt == VT_I4) {
      ReadNode simple;
      simple.part = Read(object, child.lVal);
      node.children.push_back(std::move(simple));
    }
    VariantClear(&child);
  }
  return node;
}

}  // namespace

std::optional<ReadPart> ReadControlPart(HWND form, int control) {
  IAccessible* object = ClientObject(form);
  if (!object) return std::nullopt;
  IDispatch* ownObject = nullptr;
  std::optional<ReadPart> part;
  // A real control or a frame is an object of its own; a label is answered by the window.
  const HRESULT child = object->get_accChild(Child(control + 1), &ownObject);
  if (child == S_OK && ownObject) {
    IAccessible* inner = nullptr;
    if (SUCCEEDED(ownObject->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&inner)))) {
      part = Read(*inner, CHILDID_SELF);
      inner->Release();
    }
    ownObject->Release();
  } else if (child == S_FALSE) {
    part = Read(*object, control + 1);
  }
  object->Release();
  return part;
}

std::optional<ReadNode> ReadWindowTree(HWND form) {
  IAccessible* object = ClientObject(form);
  if (!object) return std::nullopt;
  ReadNode tree = ReadObject(*object, 0);
  object->Release();
  return tree;
}

bool DoDefaultAction(HWND form, int control) {
  IAccessible* object = ClientObject(form);
  if (!object) return false;
  const bool done = SUCCEEDED(object->accDoDefaultAction(Child(control + 1)));
  object->Release();
  return done;
}

long HitTest(HWND form, POINT at) {
  IAccessible* object = ClientObject(form);
  if (!object) return -1;
  VARIANT hit;
  VariantInit(&hit);
  long id = -1;
  if (object->accHitTest(at.x, at.y, &hit) == S_OK && hit.vt == VT_I4) id = hit.lVal;
  VariantClear(&hit);
  object->Release();
  return id;
}

HeldWindowObject::HeldWindowObject(HWND form) : object_(ClientObject(form)) {}

HeldWindowObject::~HeldWindowObject() {
  if (object_) object_->Release();
}

long HeldWindowObject::AskName(std::string& name) const {
  if (!object_) return E_POINTER;
  BSTR text = nullptr;
  const HRESULT answer = object_->get_accName(Child(CHILDID_SELF), &text);
  name = answer == S_OK ? Take(text) : std::string();
  return answer;
}

std::string AsRead(std::string_view text) {
  // The words joined by single blanks, as a reader says them.
  constexpr std::string_view kBlanks = " \t\r\n";
  std::string read;
  for (size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
    const size_t end = text.find_first_of(kBlanks, start);
    if (!read.empty()) read += ' ';
    read.append(text.substr(start, end == std::string_view::npos ? end : end - start));
    start = text.find_first_not_of(kBlanks, end);
  }
  return read;
}

}  // namespace e2e
