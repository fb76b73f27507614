#pragma once
// Failures are seen: a line for the debugger's output ("KestalDate: what failed (error N)"),
// readable under Wine with WINEDEBUG=+debugstr. The program carries on where it can.
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// What failed, with the thread's last error code.
void TraceFailure(const wchar_t* what);
// What happened, without an error code (a failure caught in a handler).
void Trace(const wchar_t* what);

}  // namespace kestal::win32
