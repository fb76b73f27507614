#pragma once
// A window of the program as a screen reader reads it: the readable tree (ReadableTree.h) handed
// over as IAccessible objects. The window itself and each of its frames is an object; labels
// are simple children of theirs, known by their control's id in the design plus one; the real
// controls are the objects the system makes for them, named and described as the tree says (a
// text box named by its label, a link read as a link with its address, a picture as a button
// with its name; both act as their click). The tree is read afresh at every question, so the reader
// always hears the window as it is; a closed window answers that it is gone.
#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// The window has closed: its objects answer the readers that still hold them that it is gone.
void ForgetReaderWindow(HWND form);

// Answers WM_GETOBJECT for OBJID_CLIENT of a form window (the object of the window itself).
LRESULT AnswerReader(HWND form, WPARAM wParam);
// Answers it for a text box of the form: the system's object, named by its label.
LRESULT AnswerReaderForTextBox(HWND form, int control, WPARAM wParam);

}  // namespace kestal::win32
