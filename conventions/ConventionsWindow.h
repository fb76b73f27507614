#pragma once
// The conventions window (News): how the two stardate conventions are read, and the Next
// Generation formula with the values that follow from it.
#include "effects/WindowSequence.h"
#include "forms/Controls.h"
#include "services/Platform.h"

namespace kestal {

class ConventionsWindow : public Form {
 public:
  ConventionsWindow(Platform& platform, WindowSequence& sequence);

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void FillClassicText();
  void FillFormulaText();
  void FillValuesText();
  void StackTexts();
  void Command1_Click();

  Button Command1;
  Picture Image2;
  Label msgDate2;
  Label msgDate1;
  Label msgDate;
  Label Label2_0;
  Label Label1_0;
  Picture Image1;
  Label Label1_1;

  Platform& platform_;
  WindowSequence& sequence_;
};

}  // namespace kestal
