#pragma once
// COM as a single-threaded apartment on the window thread, for the shell's links and the screen
// readers' objects: entered once the icon shows (nothing uses COM before, and its libraries
// would delay the icon), left at exit.

namespace kestal::win32 {

// Enters the apartment on this thread, once; false when COM can't be had.
bool EnterComApartment();
// Leaves what EnterComApartment entered, on the same thread.
void LeaveComApartment();

}  // namespace kestal::win32
