#pragma once
// COM as a single-threaded apartment on the window thread, for the shell's links and the screen
// readers' objects: entered the first time one of them is needed (most runs never need COM, and
// its libraries would weigh on the program in the tray), left at exit.

namespace kestal::win32 {

// Enters the apartment on this thread, once; false when COM can't be had.
bool EnterComApartment();
// Leaves what EnterComApartment entered, on the same thread.
void LeaveComApartment();

}  // namespace kestal::win32
