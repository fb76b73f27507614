// Controls of a loaded window as the program and the user work them: option groups, enabled
// state, change, focus and key-press events, selection in characters, access keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Controls.h"
#include "tests/driver/User.h"

namespace kestal::headless {
namespace {

// A window with one control of each kind, two option groups in frames and two options of the
// window itself. Every event is written down as "<control>_<event>".
class Panel : public Form {
 public:
  Panel() : Form(FormDefinition{"Panel", "", 5220, 4860, 0, false}) {
    text1.OnChange([this] { events.push_back("Text1_Change"); });
    text1.OnGotFocus([this] { events.push_back("Text1_GotFocus"); });
    text1.OnKeyPress([this](int& key) {
      events.push_back("Text1_KeyPress(" + std::to_string(key) + ")");
      if (keyPress) keyPress(key);
    });
    text2.OnGotFocus([this] { events.push_back("Text2_GotFocus"); });
    for (Control* control :
         std::initializer_list<Control*>{&command1, &command2, &option1, &option2, &option3,
                                         &option4, &option5, &option6, &check1, &label1, &image1}) {
      const std::string name = control->Definition().name;
      EventsOf(control->Id()).click = [this, name] { events.push_back(name + "_Click"); };
    }
  }
  std::vector<std::string> events;
  std::function<void(int&)> keyPress;

  TextBox text1{*this, Design("Text1", "", {}, 0)};
  Button command1{*this, Design("Command1", "&Converti", {}, 1)};
  Frame frame1{*this, Design("Frame1", "Sorgente", {}, 2)};
  OptionButton option1{*this, Design("Option1", "", {}, 3).In(frame1).Selected()};
  OptionButton option2{*this, Design("Option2", "", {}, 4).In(frame1)};
  Frame frame2{*this, Design("Frame2", "Destinazione", {}, 5)};
  OptionButton option3{*this, Design("Option3", "", {}, 6).In(frame2).Selected()};
  OptionButton option4{*this, Design("Option4", "", {}, 7).In(frame2)};
  OptionButton option5{*this, Design("Option5", "", {}, 8)};
  OptionButton option6{*this, Design("Option6", "", {}, 9)};
  CheckBox check1{*this, Design("Check1", "&Avvio", {}, 10)};
  TextBox text2{*this, Design("Text2", "", {}, 11)};
  Button command2{*this, Design("Command2", "Pane && &Sale", {}, 12)};
  Label label1{*this, Design("Label1", "www.example.org", {}, 13).Link()};
  Picture image1{*this, Design("Image1", "", {}, 14).ReadAs("Immagine")};
  Line line1{*this, LineDesign("Line1", -1, {}, kWhite)};
};

// The panel shown on a machine of its own, and the user in front of it.
struct PanelSession {
  PanelSession() { headless.windows.Show(panel); }
  HeadlessPlatform headless;
  Panel panel;
  User user{headless.windows, panel};
};

class WindowControls : public ::testing::Test, protected PanelSession {
 protected:
  void SetUp() override { panel.events.clear(); }
};

std::vector<bool> OptionValues(const User& user) {
  std::vector<bool> values;
  for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"}) {
    values.push_back(user.Value(name));
  }
  return values;
}

TEST_F(WindowControls, OneSelectedOptionPerContainer) {
  const struct {
    const char* click;
    std::vector<bool> after;
  } steps[] = {
      {"Option2", {false, true, true, false, false, false}},
      {"Option4", {false, true, false, true, false, false}},
      {"Option5", {false, true, false, true, true, false}},
      {"Option6", {false, true, false, true, false, true}},
      {"Option1", {true, false, false, true, false, true}},
      {"Option1", {true, false, false, true, false, true}},  // clicking it again keeps it
  };
  EXPECT_EQ(OptionValues(user), (std::vector<bool>{true, false, true, false, false, false}));
  for (const auto& step : steps) {
    panel.events.clear();
    user.Click(step.click);
    EXPECT_EQ(OptionValues(user), step.after) << step.click;
    EXPECT_EQ(panel.events, std::vector<std::string>{std::string(step.click) + "_Click"});
    EXPECT_TRUE(user.HasFocus(step.click));
  }
}

TEST_F(WindowControls, TheProgramSelectsOptionsWithoutAClick) {
  panel.option4.SetValue(true);
  panel.option2.SetValue(true);
  EXPECT_EQ(OptionValues(user), (std::vector<bool>{false, true, false, true, false, false}));
  panel.option2.SetValue(false);
  EXPECT_EQ(OptionValues(user), (std::vector<bool>{false, false, false, true, false, false}));
  EXPECT_TRUE(panel.events.empty());
}

TEST_F(WindowControls, DisablingKeepsTheSelectionAndIgnoresClicks) {
  panel.option3.SetEnabled(false);
  panel.option4.SetEnabled(false);
  EXPECT_TRUE(user.Value("Option3"));
  EXPECT_FALSE(user.Enabled("Option3"));
  user.Click("Option4");
  EXPECT_FALSE(user.Value("Option4"));
  panel.command1.SetEnabled(false);
  user.Click("Command1");
  panel.check1.SetEnabled(false);
  user.Click("Check1");
  EXPECT_FALSE(user.Value("Check1"));
  EXPECT_TRUE(panel.events.empty());
  panel.option3.SetEnabled(true);
  panel.option4.SetEnabled(true);
  EXPECT_TRUE(user.Value("Option3"));
  EXPECT_FALSE(user.Value("Option4"));
}

TEST_F(WindowControls, ClicksOnEachKindOfControl) {
  const struct {
    const char* control;
    int index;
    std::vector<std::string> events;
  } cases[] = {
      {"Command1", -1, {"Command1_Click"}},
      {"Check1", -1, {"Check1_Click"}},
      {"Label1", -1, {"Label1_Click"}},
      {"Image1", -1, {"Image1_Click"}},
      {"Text1", -1, {"Text1_GotFocus"}},  // a click into a text box focuses it
      {"Frame1", -1, {}},
      {"Line1", -1, {}},
  };
  for (const auto& c : cases) {
    panel.text2.SetFocus();
    panel.events.clear();
    user.Click(c.control, c.index);
    EXPECT_EQ(panel.events, c.events) << c.control;
  }
  EXPECT_TRUE(user.Value("Check1"));
  user.Click("Check1");
  EXPECT_FALSE(user.Value("Check1"));
  // The link and the picture are pressed as buttons are; frames and lines don't take the focus.
  user.Click("Image1");
  EXPECT_TRUE(user.HasFocus("Image1"));
  user.Click("Check1");
  user.Click("Frame1");
  user.Click("Line1");
  EXPECT_TRUE(user.HasFocus("Check1"));
}

TEST_F(WindowControls, AButtonTakesTheFocusBeforeItClicks) {
  std::vector<std::string> order;
  panel.text1.OnGotFocus([&] { order.push_back("Text1_GotFocus"); });
  panel.command1.OnClick([&] {
    order.push_back("Command1_Click");
    EXPECT_TRUE(user.HasFocus("Command1"));
    panel.text1.SetFocus();
  });
  panel.text1.SetFocus();
  order.clear();
  user.Click("Command1");
  EXPECT_EQ(order, (std::vector<std::string>{"Command1_Click", "Text1_GotFocus"}));
  EXPECT_TRUE(user.HasFocus("Text1"));
}

TEST_F(WindowControls, GotFocusOnlyWhenTheFocusComesFromElsewhere) {
  const struct {
    const char* name;
    std::function<void(Panel&)> act;
    std::vector<std::string> events;
    const char* focused;
    std::function<void(Panel&)> before = [](Panel& p) { p.text2.SetFocus(); };
  } cases[] = {
      {"from another control",
       [](Panel& p) { p.text1.SetFocus(); },
       {"Text1_GotFocus"},
       "Text1",
       [](Panel& p) { p.command1.SetFocus(); }},
      {"already there",
       [](Panel& p) { p.text1.SetFocus(); },
       {},
       "Text1",
       [](Panel& p) { p.text1.SetFocus(); }},
      {"to a link", [](Panel& p) { p.label1.SetFocus(); }, {}, "Label1"},
      {"to a frame", [](Panel& p) { p.frame1.SetFocus(); }, {}, "Text2"},
      {"to a disabled box",
       [](Panel& p) { p.text1.SetFocus(); },
       {},
       "Text2",
       [](Panel& p) {
         p.text2.SetFocus();
         p.text1.SetEnabled(false);
       }},
      {"to an option button", [](Panel& p) { p.option2.SetFocus(); }, {}, "Option2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PanelSession s;
    c.before(s.panel);
    s.panel.events.clear();
    c.act(s.panel);
    EXPECT_EQ(s.panel.events, c.events);
    EXPECT_TRUE(s.user.HasFocus(c.focused));
  }
}

TEST_F(WindowControls, ShowingPutsTheFocusOnTheFirstControlInTabOrder) {
  HeadlessPlatform fresh;
  Panel window;
  std::vector<std::string> order;
  window.text1.OnGotFocus([&] { order.push_back("Text1_GotFocus"); });
  fresh.windows.Load(window);
  EXPECT_EQ(window.Surface()->FocusedControl(), -1);
  fresh.windows.Show(window);
  EXPECT_TRUE(User(fresh.windows, window).HasFocus("Text1"));
  EXPECT_EQ(order, std::vector<std::string>{"Text1_GotFocus"});

  // A disabled first control is passed over; an unselected option isn't a stop of its group.
  HeadlessPlatform other;
  Panel second;
  other.windows.Load(second);
  second.text1.SetEnabled(false);
  second.command1.SetEnabled(false);
  second.option1.SetEnabled(false);
  other.windows.Show(second);
  EXPECT_TRUE(User(other.windows, second).HasFocus("Option3"));
}

TEST_F(WindowControls, TabMovesThroughTheStopsInTabOrder) {
  // An option group is one stop: its selected button, or its first when none is selected.
  EXPECT_EQ(user.Tabs(10),
            (std::vector<std::string>{"Command1", "Option1", "Option3", "Option5", "Check1",
                                      "Text2", "Command2", "Label1", "Image1", "Text1"}));
  EXPECT_EQ(user.Tabs(-1), std::vector<std::string>{"Image1"});

  user.Click("Option6");
  panel.option1.SetEnabled(false);  // the selected button of its group: the group is skipped
  panel.check1.SetEnabled(false);
  panel.text1.SetFocus();
  EXPECT_EQ(user.Tabs(5),
            (std::vector<std::string>{"Command1", "Option3", "Option6", "Text2", "Command2"}));
}

TEST_F(WindowControls, ChangeEventsOnEveryRealChange) {
  const struct {
    const char* name;
    std::function<void(Panel&, User&)> act;
    const char* text;
    int changes;
    const char* start = "abc";
  } cases[] = {
      {"program sets another text", [](Panel& p, User&) { p.text1.SetText("abd"); }, "abd", 1},
      {"program sets the same text", [](Panel& p, User&) { p.text1.SetText("abc"); }, "abc", 0},
      {"user types over the selection", [](Panel&, User& u) { u.Type("Text1", "xy"); }, "xy", 2},
      {"user pastes", [](Panel&, User& u) { u.ReplaceText("Text1", "15/06/2002"); }, "15/06/2002",
       1},
      {"user pastes the same text", [](Panel&, User& u) { u.ReplaceText("Text1", "abc"); }, "abc",
       0},
      {"user deletes everything", [](Panel&, User& u) { u.ReplaceText("Text1", ""); }, "", 1},
      {"backspace on the selection", [](Panel&, User& u) { u.PressKey("Text1", 8); }, "", 1},
      {"backspace in an empty box", [](Panel&, User& u) { u.PressKey("Text1", 8); }, "", 0, ""},
      {"enter puts nothing in", [](Panel&, User& u) { u.PressKey("Text1", 13); }, "abc", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PanelSession s;
    int changes = 0;
    s.panel.text1.OnChange([&] { ++changes; });
    // Selecting the whole text when the box gets the focus, as the conversion window does.
    s.panel.text1.OnGotFocus([&] {
      s.panel.text1.SetSelStart(0);
      s.panel.text1.SetSelLength(static_cast<int>(s.panel.text1.Text().size()));
    });
    s.panel.command1.SetFocus();
    s.panel.text1.SetText(c.start);
    changes = 0;
    c.act(s.panel, s.user);
    EXPECT_EQ(s.user.Text("Text1"), c.text);
    EXPECT_EQ(changes, c.changes);
  }
}

TEST_F(WindowControls, TypingEditsAtTheCaretInCharacters) {
  // "è" and "à" take two bytes each; positions count them as one character.
  panel.text1.SetText("\u00e8 gi\u00e0");
  EXPECT_EQ(user.SelStart("Text1"), 0);  // setting the text puts the caret at the start
  const struct {
    int start, length;
    std::vector<int> keys;
    const char* text;
    int caret;
  } cases[] = {
      {5, 0, {'!'}, "\u00e8 gi\u00e0!", 6},
      {5, 0, {8}, "\u00e8 gi", 4},
      {1, 0, {8}, " gi\u00e0", 0},
      {0, 0, {8}, "\u00e8 gi\u00e0", 0},  // nothing before the caret
      {2, 3, {'s', 'u'}, "\u00e8 su", 4},
      {0, 1, {0xe9}, "\u00e9 gi\u00e0", 1},
      {4, 1, {8}, "\u00e8 gi", 4},
      {3, 99, {'X'}, "\u00e8 gX", 4},  // a length past the end is cut to the text
      {99, 0, {'X'}, "\u00e8 gi\u00e0X", 6},
  };
  for (const auto& c : cases) {
    panel.text1.SetText("\u00e8 gi\u00e0");
    panel.text1.SetFocus();
    panel.text1.SetSelStart(c.start);
    panel.text1.SetSelLength(c.length);
    for (int key : c.keys) user.PressKey("Text1", key);
    EXPECT_EQ(user.Text("Text1"), c.text) << c.start << "," << c.length;
    EXPECT_EQ(user.SelStart("Text1"), c.caret) << c.start << "," << c.length;
    EXPECT_EQ(user.SelLength("Text1"), 0);
  }
  panel.text1.SetText("\u00e8 gi\u00e0");
  panel.text1.SetSelStart(2);
  panel.text1.SetSelLength(2);
  EXPECT_EQ(panel.text1.SelStart(), 2);
  EXPECT_EQ(panel.text1.SelLength(), 2);
}

TEST_F(WindowControls, AKeyPressHandlerConsumesOrChangesKeys) {
  panel.keyPress = [](int& key) {
    if (key >= '0' && key <= '9') key = 0;           // digits are consumed
    if (key >= 'a' && key <= 'z') key += 'A' - 'a';  // letters go in upper case
  };
  user.Type("Text1", "a1b2/");
  EXPECT_EQ(user.Text("Text1"), "AB/");
  int changes = 0;
  for (const auto& event : panel.events) changes += event == "Text1_Change";
  EXPECT_EQ(changes, 3);
  // The box has the focus since the window was shown: typing starts with the first key press.
  EXPECT_EQ(panel.events.front(), "Text1_KeyPress(97)");
}

TEST_F(WindowControls, TypingStopsWhenAHandlerMovesTheFocus) {
  panel.keyPress = [this](int& key) {
    if (key == 13) {
      key = 0;
      panel.command1.SetFocus();
    }
  };
  user.Type("Text1", "ab\rcd");
  EXPECT_EQ(user.Text("Text1"), "ab");
  EXPECT_TRUE(user.HasFocus("Command1"));
}

TEST_F(WindowControls, AccessKeysClickTheirControl) {
  const struct {
    char key;
    std::vector<std::string> events;
  } cases[] = {
      {'c', {"Command1_Click"}},
      {'C', {"Command1_Click"}},
      {'a', {"Check1_Click"}},
      {'s', {"Command2_Click"}},  // "Pane && &Sale": the "&&" is a plain "&"
      {'p', {}},
      {'x', {}},
  };
  for (const auto& c : cases) {
    panel.events.clear();
    user.AccessKey(c.key);
    EXPECT_EQ(panel.events, c.events) << c.key;
  }
  EXPECT_TRUE(user.HasFocus("Command2"));
  panel.command1.SetEnabled(false);
  panel.events.clear();
  user.AccessKey('c');
  EXPECT_TRUE(panel.events.empty());
}

TEST_F(WindowControls, TheUserWorksOnlyAShownLoadedWindow) {
  EXPECT_THROW(user.Click("Command9"), std::invalid_argument);
  EXPECT_THROW(user.Type("Command1", "x"), std::invalid_argument);
  headless.windows.Hide(panel);
  EXPECT_THROW(user.Click("Command1"), std::logic_error);
  EXPECT_THROW(user.Type("Text1", "x"), std::logic_error);
  EXPECT_EQ(user.Text("Text1"), "");  // reading still works
  Panel keeper;                       // keeps the program running
  headless.windows.Load(keeper);
  headless.windows.Unload(panel);
  EXPECT_FALSE(user.Visible());
  EXPECT_THROW(user.Text("Text1"), std::logic_error);
}

TEST_F(WindowControls, PlaceColourAndTimers) {
  panel.Move(5070, 3330);
  panel.SetBackColor(kGreen);
  panel.command1.SetBackColor(kRed);
  panel.command1.SetTop(4000);
  EXPECT_EQ(user.FormRect(), (TwipRect{5070, 3330, 5220, 4860}));
  EXPECT_EQ(user.FormBackColor(), kGreen);
  EXPECT_EQ(user.BackColor("Command1"), kRed);
  EXPECT_EQ(user.Rect("Command1").top, 4000);
  EXPECT_EQ(panel.command1.Top(), 4000);
  EXPECT_EQ(headless.log.Matching("Move(").back(), "Move(Panel,5070,3330)");
  EXPECT_EQ(headless.log.Matching("SetBackColor(").back(), "SetBackColor(Panel)");

  int ticks = 0;
  class Ticking : public Form {
   public:
    explicit Ticking(int& ticks)
        : Form(FormDefinition{"Ticking", "", 100, 100, 0, false}), ticks_(ticks) {}

   protected:
    void Form_Timer(int timerId) override { ticks_ += timerId; }

   private:
    int& ticks_;
  } ticking(ticks);
  EXPECT_FALSE(headless.windows.FireTimer(ticking, 1));  // not loaded
  headless.windows.Load(ticking);
  ticking.SetTimer(5, 60000);
  EXPECT_EQ(headless.windows.TimerInterval(ticking, 5), 60000);
  EXPECT_FALSE(headless.windows.FireTimer(ticking, 4));
  EXPECT_TRUE(headless.windows.FireTimer(ticking, 5));
  EXPECT_TRUE(headless.windows.FireTimer(ticking, 5));
  ticking.KillTimer(5);
  EXPECT_FALSE(headless.windows.FireTimer(ticking, 5));
  EXPECT_EQ(ticks, 10);
  headless.windows.Unload(ticking);
}

}  // namespace
}  // namespace kestal::headless
