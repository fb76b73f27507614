#pragma once
// The conversion window (DataAstrale): a typed calendar date becomes a classic or Next
// Generation stardate, and a typed stardate of either kind becomes a long calendar date.
#include "effects/WindowSequence.h"
#include "forms/Controls.h"
#include "services/Platform.h"

namespace kestal {

class ConversionWindow : public Form {
 public:
  ConversionWindow(Platform& platform, WindowSequence& sequence);

 private:
  // The controls, in order of definition: later ones lie above earlier ones.
  Button Command3;
  Button Command2;
  Frame Frame3;
  TextBox VelornDate;
  Label Label4;
  Frame Frame2;
  OptionButton Option5;
  OptionButton Option4;
  Frame Frame1;
  TextBox DataSource;
  OptionButton Option3;
  OptionButton Option2;
  OptionButton Option1;
  Label Label3;
  Button Command1;
  Label Label1_2;
  Label Label2;
  Label Label1_0;
  Picture Image1;
  Label Label1_1;
  Label Label1_3;

  void Form_Load() override;
  void Form_Paint() override;
  void Form_Unload() override;
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void DataSource_Change();
  void DataSource_GotFocus();
  void DataSource_KeyPress(int& keyAscii);
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Option5_Click();
  void VelornDate_GotFocus();

  void Convert();
  // True when the input has the shape of the chosen source kind (a calendar date is rewritten
  // as "dd/mm/yyyy"); otherwise the fault is shown and the input selected.
  bool ValidateSourceDate();
  // Focus on the input with its whole text selected, ready to be typed over.
  void SelectWholeInput();

  Platform& platform_;
  WindowSequence& sequence_;
};

}  // namespace kestal
