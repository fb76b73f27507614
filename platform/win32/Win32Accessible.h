#pragma once
// A window of the program as a screen reader reads it: the readable tree (ReadableTree.h) handed
// over as IAccessible objects. The window itself and each of its frames is an object; labels,
// links and the pictures that act are simple children of theirs, known by their control's id
// in the design plus one; the real controls are the objects the system makes for them (a text
// box's named by its label). The tree is read afresh at every question, so the reader always
// hears the window as it is; a closed window answers that it is gone.
#include <utility>
#include <vector>

#include "platform/win32/Win32Api.h"

namespace kestal::win32 {

// The objects readers were given for one window, kept while the window lives: the same object
// answers every question about its part, and the window's going cuts it from its readers.
// (An object made afresh for each question costs memory that Wine's COM never gives back.)
class ReaderObjects {
 public:
  ReaderObjects() = default;
  ~ReaderObjects() { Clear(); }
  ReaderObjects(const ReaderObjects&) = delete;
  ReaderObjects& operator=(const ReaderObjects&) = delete;

  // The object of a part (-1: the window itself), or null.
  IAccessible* Find(int control) const;
  // Holds the object for its readers until Clear.
  void Keep(int control, IAccessible* object);
  // Disconnects every object from its readers and lets it go.
  void Clear();

 private:
  std::vector<std::pair<int, IAccessible*>> objects_;
};

// Answers WM_GETOBJECT for OBJID_CLIENT of a form window (the object of the window itself).
LRESULT AnswerReader(HWND form, WPARAM wParam);
// Answers it for a text box of the form: the system's object, named by its label.
LRESULT AnswerReaderForTextBox(HWND form, int control, WPARAM wParam);

}  // namespace kestal::win32
