#include "platform/win32/Dpi.h"

#include "platform/win32/LateBoundApi.h"
#include "platform/win32/Owned.h"

namespace kestal::win32 {

int SystemDpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
  return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
  const UINT dpi = late::GetDpiForWindow(window);
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int SmallIconSize(int dpi) {
  const int size = late::GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi));
  return size > 0 ? size : MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
}

ScreenMetrics ScreenInTwips(double twipsPerPixel) {
  return {static_cast<int>(RoundHalfEven(GetSystemMetrics(SM_CXSCREEN) * twipsPerPixel)),
          static_cast<int>(RoundHalfEven(GetSystemMetrics(SM_CYSCREEN) * twipsPerPixel)),
          twipsPerPixel, twipsPerPixel};
}

}  // namespace kestal::win32
