#include "convert/ConversionWindow.h"
#include "input/SourceShape.h"
#include "text/DateText.h"

namespace kestal {

bool ConversionWindow::ValidateSourceDate() {
  // No result of an earlier conversion may stay beside a new input.
  VelornDate.SetText("");

  SourceKind kind;
  if (Option1.Value()) {
    kind = SourceKind::CalendarDate;
  } else if (Option2.Value()) {
    kind = SourceKind::ClassicStardate;
  } else if (Option3.Value()) {
    kind = SourceKind::NextGenerationStardate;
  } else {
    return true;
  }

  const std::string text = DataSource.Text();
  if (const auto fault = SourceShapeFault(kind, text)) {
    platform_.windows.MsgBox(*fault, MsgBoxIcon::Exclamation, "datasource.text");
    SelectWholeInput();
    return false;
  }
  // The date reading accepts what the date test accepted; should it ever not, the text stays as
  // typed and the conversion reports the error.
  if (kind == SourceKind::CalendarDate) {
    if (const auto date = TryReadDate(text)) DataSource.SetText(ShortDateText(*date));
  }
  return true;
}

}  // namespace kestal
