// The keyboard alone on a window: Tab reaches the links and pictures that act as well as the real
// controls, Space and Enter do what they do in Windows' dialogs, Escape closes the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Controls.h"
#include "tests/driver/User.h"

namespace kestal::headless {
namespace {

// One control of each kind that the keyboard may reach, and some that it must not. Every event
// is written down.
class Keys : public Form {
 public:
  Keys() : Form(FormDefinition{"Keys", "", 4000, 3000, 0, false}) {
    for (Control* control : std::initializer_list<Control*>{
             &command1, &option1, &option2, &check1, &link1, &image1, &link2, &image2, &label1}) {
      const std::string name = control->Definition().name;
      EventsOf(control->Id()).click = [this, name] { events.push_back(name + "_Click"); };
    }
    text1.OnKeyPress(
        [this](int& key) { events.push_back("Text1_KeyPress(" + std::to_string(key) + ")"); });
  }
  std::vector<std::string> events;

  TextBox text1{*this, Design("Text1", "", {}, 0)};
  Button command1{*this, Design("Command1", "", {}, 1)};
  Frame frame1{*this, Design("Frame1", "", {})};
  OptionButton option1{*this, Design("Option1", "", {}, 2).In(frame1).Selected()};
  OptionButton option2{*this, Design("Option2", "", {}, 3).In(frame1)};
  CheckBox check1{*this, Design("Check1", "", {}, 4)};
  Label link1{*this, Design("Link1", "", {}, 5).Link()};
  Picture image1{*this, Design("Image1", "", {}, 6).ReadAs("")};
  Label link2{*this, Design("Link2", "", {}).Link()};  // no tab index: never reached
  Picture image2{*this, Design("Image2", "", {}, 7)};  // a plain picture: never reached
  Label label1{*this, Design("Label1", "", {}, 8)};    // a plain label: never reached

 protected:
  void Form_Unload() override { events.push_back("Form_Unload"); }
};

// The window shown on a machine of its own, and the user in front of it.
struct KeysSession {
  KeysSession() { hp.windows.Show(keys); }
  HeadlessPlatform hp;
  Keys keys;
  User user{hp.windows, keys};
};

TEST(WindowKeys, TabReachesTheLinksAndPicturesThatAct) {
  KeysSession s;
  EXPECT_EQ(s.user.Focused(), "Text1");
  EXPECT_EQ(s.user.Tabs(6), (std::vector<std::string>{"Command1", "Option1", "Check1", "Link1",
                                                      "Image1", "Text1"}));
  EXPECT_EQ(s.user.Tabs(-1), std::vector<std::string>{"Image1"});

  // A disabled link is passed over; the focus never lands on a plain label or picture.
  s.keys.link1.SetEnabled(false);
  s.user.Focus("Check1");
  s.user.Tab();
  EXPECT_EQ(s.user.Focused(), "Image1");
  for (const char* never : {"Link1", "Link2", "Image2", "Label1"}) {
    s.user.Focus(never);
    EXPECT_EQ(s.user.Focused(), "Image1") << never;
  }
  EXPECT_TRUE(s.keys.events.empty());
}

TEST(WindowKeys, SpaceAndEnterDoWhatTheyDoInADialog) {
  const struct {
    const char* focus;
    Key key;
    std::vector<std::string> events;
  } cases[] = {
      {"Command1", Key::Space, {"Command1_Click"}},  {"Command1", Key::Enter, {"Command1_Click"}},
      {"Option2", Key::Space, {"Option2_Click"}},    {"Option2", Key::Enter, {}},
      {"Check1", Key::Space, {"Check1_Click"}},      {"Check1", Key::Enter, {}},
      {"Link1", Key::Space, {"Link1_Click"}},        {"Link1", Key::Enter, {"Link1_Click"}},
      {"Image1", Key::Space, {"Image1_Click"}},      {"Image1", Key::Enter, {"Image1_Click"}},
      {"Text1", Key::Space, {"Text1_KeyPress(32)"}}, {"Text1", Key::Enter, {"Text1_KeyPress(13)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.focus) + (c.key == Key::Space ? " Space" : " Enter"));
    KeysSession s;
    s.user.Focus(c.focus);
    s.keys.events.clear();
    s.user.PressKey(c.key);
    EXPECT_EQ(s.keys.events, c.events);
    EXPECT_EQ(s.user.Focused(), c.focus);  // the focus stays where it was
    EXPECT_TRUE(s.user.Visible());
  }
  // Space selects an option and ticks the check box, as a click does.
  KeysSession s;
  s.user.Focus("Option2");
  s.user.PressKey(Key::Space);
  s.user.Focus("Check1");
  s.user.PressKey(Key::Space);
  EXPECT_TRUE(s.user.Value("Option2"));
  EXPECT_FALSE(s.user.Value("Option1"));
  EXPECT_TRUE(s.user.Value("Check1"));
  // A disabled link that still has the focus does nothing.
  s.user.Focus("Link1");
  s.keys.link1.SetEnabled(false);
  s.keys.events.clear();
  s.user.PressKey(Key::Enter);
  EXPECT_TRUE(s.keys.events.empty());
}

TEST(WindowKeys, EscapeClosesTheWindowWhereverTheFocusIs) {
  for (const char* focus : {"Text1", "Command1", "Option1", "Check1", "Link1", "Image1"}) {
    SCOPED_TRACE(focus);
    KeysSession s;
    s.user.Focus(focus);
    s.keys.events.clear();
    s.user.PressKey(Key::Escape);
    EXPECT_EQ(s.keys.events, std::vector<std::string>{"Form_Unload"});  // nothing is clicked
    EXPECT_EQ(s.keys.State(), FormState::Released);
    EXPECT_EQ(s.hp.log.Matching("Form_Unload(Keys)").size(), 1u);
  }
}

}  // namespace
}  // namespace kestal::headless
