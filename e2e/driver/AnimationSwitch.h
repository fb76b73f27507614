#pragma once
// Windows' animation effects switch (SPI_GETCLIENTAREAANIMATION), which the program's zoom
// follows, as the driver reads and sets it.
#include <windows.h>

namespace e2e {

inline bool AnimationsOn() {
  BOOL on = FALSE;
  return SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &on, 0) && on;
}

// Turns the system's animation effects on or off for this and later processes; the switch is
// on again when the scenario ends, whatever happened.
class AnimationSwitch {
 public:
  explicit AnimationSwitch(bool on) { Set(on); }
  ~AnimationSwitch() { Set(true); }
  AnimationSwitch(const AnimationSwitch&) = delete;
  AnimationSwitch& operator=(const AnimationSwitch&) = delete;

 private:
  static void Set(bool on) {
    SystemParametersInfoW(SPI_SETCLIENTAREAANIMATION, 0,
                          reinterpret_cast<void*>(static_cast<UINT_PTR>(on ? TRUE : FALSE)),
                          SPIF_UPDATEINIFILE);
  }
};

}  // namespace e2e
