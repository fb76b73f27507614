// Every caption of every window shows whole at the screen's density, and the windows, their
// outlines and the tray icon have the sizes of that density. The test run plays this at 96, 120,
// 144 and 192 dpi, each in a prefix of its own. Whether a caption shows whole is read from the
// screen afterwards: this scenario lists where each caption shows, and OCR reads it back.
#include <algorithm>
#include <cmath>
#include <string>

#include "Automation.h"
#include "CaptionCrops.h"
#include "FormActions.h"
#include "MessageBoxes.h"
#include "Scenarios.h"
#include "ScreenReader.h"
#include "Screenshot.h"
#include "forms/FormDesign.h"

namespace e2e {

namespace {

std::string Points(int twentieths) {
  char text[16];
  std::snprintf(text, sizeof(text), "%.4g", twentieths / 20.0);
  return text;
}

// A caption on one line of the report: line breaks as " | ", long texts cut short.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char c : AsShownLines(text))
    line += c == '\n' ? std::string(" | ") : std::string(1, c);
  return line.size() > 72 ? line.substr(0, 69) + "..." : line;
}

bool HasCaption(kestal::ControlKind kind) {
  using K = kestal::ControlKind;
  return kind == K::Button || kind == K::OptionButton || kind == K::CheckBox || kind == K::Frame ||
         kind == K::Label;
}

// The bottom of a frame's caption line: the top of the first thing inside the frame.
LONG CaptionLineBottom(const ReadNode& tree, const RECT& frame) {
  LONG bottom = frame.bottom;
  for (const ReadNode& node : tree.children) {
    if (!EqualRect(&node.part.location, &frame)) continue;
    for (const ReadNode& inside : node.children)
      bottom = std::min(bottom, inside.part.location.top);
  }
  return bottom;
}

// Every captioned control of the window is listed with the part of the window's picture that
// shows it, for the OCR pass to read its last words back (read-captions.sh). What the program
// says of its own captions is printed beside, for whoever reads a failure.
void ListCaptions(Session& session, HWND form, int dpi, const std::string& window,
                  const std::string& pictureName) {
  const Picture picture = TakePicture(form);
  session.report.Check(SavePicture(pictureName, picture), window + ": its picture is saved");
  RECT origin{};
  GetWindowRect(form, &origin);
  const auto tree = ReadWindowTree(form);
  if (!session.report.Check(tree.has_value(), window + " is read")) return;
  int captions = 0;
  for (int index = 0;; ++index) {
    const auto state = ReadControl(form, index);
    if (!state) break;
    const auto kind = static_cast<kestal::ControlKind>(state->reply.kind);
    if (!HasCaption(kind)) continue;
    // Named as a reader reads it; a decorative copy (the second of a doubled title) is not read.
    const auto part = ReadControlPart(form, index);
    if (!part || part->name.empty()) continue;
    ++captions;
    RECT box = part->location;
    if (kind == kestal::ControlKind::Frame) box.bottom = CaptionLineBottom(*tree, box);
    OffsetRect(&box, -origin.left, -origin.top);
    // Inside a button's raised edge and its focus rectangle, which OCR would take for letters.
    const int edge = MulDiv(3, dpi, 96) + 2;
    if (kind == kestal::ControlKind::Button) InflateRect(&box, -edge, -edge);
    if (kind == kestal::ControlKind::OptionButton || kind == kestal::ControlKind::CheckBox)
      box = AfterMark(picture, box);
    const RECT area = CaptionArea(picture, box, kind == kestal::ControlKind::Label);
    const std::string what = window + ": \"" + OneLine(part->name) + "\"";
    ListCaption(picture, area, LastWords(part->name, 2), what);
    const int designed = state->reply.designedTwentiethsOfPoint;
    const int drawn = state->reply.drawnTwentiethsOfPoint;
    const bool fits = state->Has(kestal::kAutoTextFits);
    if (!fits || drawn < designed) {
      session.report.Note("the program says: " + what + (fits ? " fits" : " does not fit") +
                          " at " + Points(drawn) + " pt (designed " + Points(designed) + " pt)" +
                          (state->Has(kestal::kAutoSetSolid) ? ", lines set solid" : ""));
    }
  }
  session.report.Check(captions > 0, window + ": the captions were listed");
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
  // Read from the window itself: the region that cuts it spans it whole.
  RECT outline{};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool cut = GetWindowRgn(form, region) != ERROR && GetRgnBox(region, &outline) != ERROR;
  DeleteObject(region);
  session.report.Check(cut && outline.left == 0 && outline.top == 0 && outline.right == width &&
                           outline.bottom == height,
                       name + "'s rounded outline spans the whole window",
                       size(outline.right - outline.left, outline.bottom - outline.top));
}

// The window's monitor changes density (it is dragged to another monitor, or the scale changes
// in Settings): told so, it lays itself out anew there, outline and captions with it; then back.
void FollowDensityChanges(Session& session, RunningProgram& program, HWND form,
                          const MenuWindow& window, int systemDpi) {
  // The conventions window is larger than a 1024 x 768 screen at 144 dpi.
  const int other = window.form == std::wstring(conventions::kForm) ? 120 : 144;
  for (const int dpi : {other, systemDpi}) {
    // No suggested rectangle: a pointer into this process would mean nothing to the program's
    // (the window keeps its place and takes its new size).
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0);
    program.WaitForIdle(kWindowMs);
    const std::string what =
        std::string(window.name) + " moved to a monitor at " + std::to_string(dpi) + " dpi";
    session.report.Note(what);
    CheckSize(session, form, window, dpi);
    if (dpi != systemDpi) {
      ListCaptions(
          session, form, dpi, what,
          std::to_string(systemDpi) + "dpi-" + window.name + "-at-" + std::to_string(dpi) + "dpi");
    }
  }
}

void TextFit(Session& session) {
  Report& report = session.report;
  const int dpi = ScreenDpi();
  const std::string density = std::to_string(dpi) + "dpi";
  report.Note("screen density " + density);
  WithProgram(session, std::nullopt, [&](RunningProgram& program) {
    const auto tray = ReadControl(program.Form1(), -1);
    if (report.Check(tray.has_value(), "the start-up window answers")) {
      report.Equal("the tray icon has the system's small-icon size",
                   std::to_string(GetSystemMetrics(SM_CXSMICON)),
                   std::to_string(tray->reply.smallIconSize));
    }

    ForEachMenuWindow(session, program, [&](const MenuWindow& window, HWND form) {
      CheckSize(session, form, window, dpi);
      ListCaptions(session, form, dpi, window.name, density + "-" + window.name);
      if (window.form == std::wstring(about::kForm)) {
        // The other convention's caption is longer: it must fit too.
        ClickControl(form, about::Image3);
        WaitForText(form, about::StarDate, "Next Generation", kWindowMs);
        program.WaitForIdle(kWindowMs);
        ListCaptions(session, form, dpi, "About window with Next Generation chosen",
                     density + "-About-window-Next-Generation");
      }
      // A window on a monitor of another density than the system's: played on a 96-dpi system.
      if (dpi == 96) FollowDensityChanges(session, program, form, window, dpi);
    });
  });
}

const RegisteredScenarios kTextFit{
    {"text-fit", "every caption listed for reading back; sizes follow the screen's density",
     TextFit},
};

}  // namespace

}  // namespace e2e
