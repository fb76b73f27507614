// Every caption of every window shows whole at the screen's density, and the windows, their
// outlines and the tray icon have the sizes of that density. The test run plays this at 96, 120,
// 144 and 192 dpi, each in a prefix of its own.
#include <cmath>
#include <string>

#include "Automation.h"
#include "FormActions.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "Screenshot.h"
#include "platform/window/FormDesign.h"

namespace e2e {

namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::string Points(int twentieths) {
  char text[16];
  std::snprintf(text, sizeof(text), "%.4g", twentieths / 20.0);
  return text;
}

// A caption on one line of the report: line breaks as " | ", long texts cut short.
std::string OneLine(const std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += " | ";
    } else {
      line += text[i];
    }
  }
  return line.size() > 72 ? line.substr(0, 69) + "..." : line;
}

bool HasCaption(kestal::ControlKind kind) {
  using K = kestal::ControlKind;
  return kind == K::Button || kind == K::OptionButton || kind == K::CheckBox || kind == K::Frame ||
         kind == K::Label;
}

// Every captioned control of the window: whole in its box; the ones drawn smaller than designed
// are noted.
void CheckCaptions(Session& session, HWND form, const std::string& window) {
  int captions = 0;
  for (int index = 0;; ++index) {
    const auto state = ReadControl(form, index);
    if (!state) break;
    const auto kind = static_cast<kestal::ControlKind>(state->reply.kind);
    if (!HasCaption(kind)) continue;
    // Named as a reader reads it; a decorative copy (the second of a doubled title) is not read.
    const auto part = ReadControlPart(form, index);
    const std::string text = part ? part->name : "(decorative copy " + std::to_string(index) + ")";
    if (text.empty()) continue;
    ++captions;
    const std::string what = window + ": \"" + OneLine(text) + "\"";
    session.report.Check(state->Has(kestal::kAutoTextFits), what + " shows whole",
                         "drawn at " + Points(state->reply.drawnTwentiethsOfPoint) + " pt");
    const int designed = state->reply.designedTwentiethsOfPoint;
    const int drawn = state->reply.drawnTwentiethsOfPoint;
    if (drawn < designed) {
      session.report.Note("fitted: " + what + " at " + Points(drawn) + " pt (designed " +
                          Points(designed) + " pt)" +
                          (state->Has(kestal::kAutoSetSolid) ? ", lines set solid" : ""));
    }
  }
  session.report.Check(captions > 0, window + ": the captions were read");
}

// Twips become pixels rounded to the nearest, an exact half to the even neighbour.
long Pixels(int twips, int dpi) {
  return std::lround(std::nearbyint(twips * dpi / 1440.0));
}

// The window's size is its design in twips at this density (within a pixel); its rounded
// outline covers it (the region leaves out the right and bottom edge).
void CheckSize(Session& session, HWND form, const MenuWindow& window, int dpi) {
  const auto state = ReadControl(form, -1);
  const std::string name = window.name;
  if (!session.report.Check(state.has_value(), name + " answers")) return;
  session.report.Equal(name + " lays out at the screen's density", std::to_string(dpi),
                       std::to_string(state->reply.dpi));
  const long wantW = Pixels(window.widthTwips, dpi), wantH = Pixels(window.heightTwips, dpi);
  RECT r{};
  GetWindowRect(form, &r);
  const long width = r.right - r.left, height = r.bottom - r.top;
  const auto closeTo = [](long a, long b) { return std::labs(a - b) <= 1; };
  const auto size = [](long w, long h) { return std::to_string(w) + " x " + std::to_string(h); };
  session.report.Check(closeTo(width, wantW) && closeTo(height, wantH),
                       name + " is " + size(wantW, wantH) + " pixels", size(width, height));
  session.report.Check(
      closeTo(state->reply.outlineWidth, width) && closeTo(state->reply.outlineHeight, height),
      name + "'s rounded outline follows its size",
      size(state->reply.outlineWidth, state->reply.outlineHeight));
}

void TextFit(Session& session) {
  Report& report = session.report;
  const int dpi = ScreenDpi();
  const std::string density = std::to_string(dpi) + "dpi";
  report.Note("screen density " + density);
  PrepareSetting(session, std::nullopt);
  auto program = StartProgram(session);
  if (!program) return;

  const auto tray = ReadControl(program->Form1(), -1);
  if (report.Check(tray.has_value(), "the start-up window answers")) {
    report.Equal("the tray icon has the system's small-icon size",
                 std::to_string(GetSystemMetrics(SM_CXSMICON)),
                 std::to_string(tray->reply.smallIconSize));
  }

  for (const MenuWindow& window : kMenuWindows) {
    HWND form = OpenFromTrayMenu(session, *program, window.item, window.form);
    if (!form) continue;
    program->WaitForIdle(kWindowMs);
    CheckSize(session, form, window, dpi);
    CheckCaptions(session, form, window.name);
    SaveScreenshot(density + "-" + window.name, form);
    if (window.form == std::wstring(about::kForm)) {
      // The other convention's caption is longer: it must fit too.
      ClickWindowless(form, about::Image3);
      WaitForText(form, about::StarDate, "Next Generation", kWindowMs);
      program->WaitForIdle(kWindowMs);
      CheckCaptions(session, form, "About window with Next Generation chosen");
      SaveScreenshot(density + "-About-window-Next-Generation", form);
    }
    ClickControl(form, window.closeButton);
    report.Check(program->WaitForFormGone(window.form, kWindowMs),
                 window.name + std::string(" closes"));
  }
  CloseAndCheckExit(session, *program);
}

const Scenario kTextFit[] = {
    {"text-fit", "every caption shows whole; sizes follow the screen's density", TextFit},
};

}  // namespace

std::span<const Scenario> TextFitScenarios() {
  return kTextFit;
}

}  // namespace e2e
