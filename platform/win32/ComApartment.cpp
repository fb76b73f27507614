#include "platform/win32/ComApartment.h"

#include "platform/win32/Trace.h"
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

namespace {
bool entered = false;
}  // namespace

bool EnterComApartment() {
  static const bool done = [] {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(result)) Trace(L"COM could not be initialised");
    entered = SUCCEEDED(result);
    return SUCCEEDED(result);
  }();
  return done;
}

void LeaveComApartment() {
  if (!entered) return;
  entered = false;
  CoUninitialize();
}

}  // namespace kestal::win32
