// Focus, selection, enabled states and the two texts after each step of a user's session.
#include <functional>
#include <optional>
#include <string>

#include "ConversionWindowSession.h"

namespace kestal::testing {
namespace {

struct Expected {
  std::string input;   // DataSource
  std::string result;  // VelornDate
  std::string source;  // the selected option of Option1..Option3
  std::string target;  // the selected option of Option4, Option5
  bool targetsEnabled;
  bool convertEnabled;
  std::string focus;               // the control that has the focus
  bool wholeSelected;              // its whole text is selected
  std::optional<std::string> box;  // the message shown by this step, if any
};

struct Step {
  const char* action;
  std::function<void(headless::User&)> act;
  Expected expected;
};

constexpr const char* kM1 = "Il valore immesso non è una data valida!";
constexpr const char* kM2 = "Il valore immesso non è una data Velorn valida!";
constexpr const char* kM6 = "Il valore immesso non è una data Velorn Next Generation valida!";

using WindowStates = ConversionWindowSession;

TEST_F(WindowStates, FollowEachAction) {
  const Step steps[] = {
      {"the window opens",
       [](headless::User&) {},
       {"15/06/2002", "", "Option1", "Option4", true, true, "DataSource", true, {}}},
      {"Converti converts today's date",
       [](headless::User& u) { u.Click("Command1"); },
       {"15/06/2002", "0/0206.15", "Option1", "Option4", true, true, "DataSource", true, {}}},
      {"choosing Next Generation changes neither text",
       [](headless::User& u) { u.Click("Option5"); },
       {"15/06/2002", "0/0206.15", "Option1", "Option5", true, true, "DataSource", true, {}}},
      {"Enter converts and types nothing",
       [](headless::User& u) { u.PressKey("DataSource", 13); },
       {"15/06/2002", "-320545.2", "Option1", "Option5", true, true, "DataSource", false, {}}},
      {"a classic source greys the targets, keeping their selection",
       [](headless::User& u) { u.Click("Option2"); },
       {"15/06/2002", "-320545.2", "Option2", "Option5", false, true, "DataSource", true, {}}},
      {"today's date is no classic stardate, and the old result goes",
       [](headless::User& u) { u.PressKey("DataSource", 13); },
       {"15/06/2002", "", "Option2", "Option5", false, true, "DataSource", true, kM2}},
      {"a disabled target ignores the click",
       [](headless::User& u) { u.Click("Option4"); },
       {"15/06/2002", "", "Option2", "Option5", false, true, "DataSource", true, {}}},
      {"a Next Generation source keeps the targets grey",
       [](headless::User& u) { u.Click("Option3"); },
       {"15/06/2002", "", "Option3", "Option5", false, true, "DataSource", true, {}}},
      {"today's date is no Next Generation stardate",
       [](headless::User& u) { u.Click("Command1"); },
       {"15/06/2002", "", "Option3", "Option5", false, true, "DataSource", true, kM6}},
      {"a calendar source enables the targets again",
       [](headless::User& u) { u.Click("Option1"); },
       {"15/06/2002", "", "Option1", "Option5", true, true, "DataSource", true, {}}},
      {"Alt+C converts",
       [](headless::User& u) { u.AccessKey('C'); },
       {"15/06/2002", "-320545.2", "Option1", "Option5", true, true, "DataSource", false, {}}},
      {"clicking into the result selects it and keeps it",
       [](headless::User& u) { u.Focus("VelornDate"); },
       {"15/06/2002", "-320545.2", "Option1", "Option5", true, true, "VelornDate", true, {}}},
      {"deleting the input disables Converti and empties the result",
       [](headless::User& u) {
         u.Focus("DataSource");
         u.ReplaceText("DataSource", "");
       },
       {"", "", "Option1", "Option5", true, false, "DataSource", true, {}}},
      {"a disabled Converti ignores the click",
       [](headless::User& u) { u.Click("Command1"); },
       {"", "", "Option1", "Option5", true, false, "DataSource", true, {}}},
      {"Enter in the empty box still converts",
       [](headless::User& u) { u.PressKey("DataSource", 13); },
       {"", "", "Option1", "Option5", true, false, "DataSource", true, kM1}},
      {"typing enables Converti",
       [](headless::User& u) { u.Type("DataSource", "1/2/2003"); },
       {"1/2/2003", "", "Option1", "Option5", true, true, "DataSource", false, {}}},
      {"Enter rewrites the date and converts",
       [](headless::User& u) { u.PressKey("DataSource", 13); },
       {"01/02/2003", "-319912.3", "Option1", "Option5", true, true, "DataSource", false, {}}},
      {"Converti leaves the whole input selected",
       [](headless::User& u) { u.Click("Command1"); },
       {"01/02/2003", "-319912.3", "Option1", "Option5", true, true, "DataSource", true, {}}},
      {"typing over the input empties the result",
       [](headless::User& u) { u.Type("DataSource", "2/2/2003"); },
       {"2/2/2003", "", "Option1", "Option5", true, true, "DataSource", false, {}}},
  };

  for (const Step& step : steps) {
    SCOPED_TRACE(step.action);
    const size_t before = Boxes().size();
    step.act(*user);
    const Expected& e = step.expected;
    EXPECT_EQ(user->Text("DataSource"), e.input);
    EXPECT_EQ(user->Text("VelornDate"), e.result);
    for (const char* option : {"Option1", "Option2", "Option3"}) {
      EXPECT_EQ(user->Value(option), e.source == option) << option;
    }
    for (const char* option : {"Option4", "Option5"}) {
      EXPECT_EQ(user->Value(option), e.target == option) << option;
      EXPECT_EQ(user->Enabled(option), e.targetsEnabled) << option;
    }
    EXPECT_EQ(user->Enabled("Command1"), e.convertEnabled);
    EXPECT_TRUE(user->HasFocus(e.focus));
    if (e.wholeSelected) {
      EXPECT_EQ(user->SelStart(e.focus), 0);
      EXPECT_EQ(user->SelLength(e.focus), CharactersIn(user->Text(e.focus)));
    }
    if (e.box) {
      ASSERT_EQ(Boxes().size(), before + 1);
      EXPECT_EQ(Boxes().back().text, *e.box);
      EXPECT_EQ(Boxes().back().title, "datasource.text");
    } else {
      EXPECT_EQ(Boxes().size(), before);
    }
  }
}

// The tray menu can close the window while one of its message boxes is open; when the box is
// answered the handler goes on against a released window, which must do nothing.
TEST_F(WindowStates, ClosingWhileAMessageIsOpenIsSafe) {
  const struct {
    const char* source;
    const char* input;
  } cases[] = {{"Option2", "15/06/2002"}, {"Option2", "x/0212.06"}, {"Option3", "56789"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    headless::User u = Open(program.conversionWindow);
    u.Click(c.source);
    u.ReplaceText("DataSource", c.input);
    hp.windows.onMessageBox = [&](const headless::MessageBoxRecord&) {
      program.platform.windows.Unload(program.conversionWindow);
    };
    const size_t before = Boxes().size();
    u.Click("Command1");
    hp.windows.onMessageBox = nullptr;
    EXPECT_EQ(Boxes().size(), before + 1);
    EXPECT_FALSE(program.conversionWindow.IsLoaded());
  }
}

}  // namespace
}  // namespace kestal::testing
