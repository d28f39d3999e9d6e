// SETGLMSG: one queued message per call, none when the queue is empty, never a wait.
#include <vector>

#include "tests/framework/window/pump_fixture.h"

namespace {

std::vector<WPARAM> commands;

LRESULT recordCommand(HWND, UINT, WPARAM wParam, LPARAM) {
  commands.push_back(wParam);
  return 0;
}

class MessagePump : public GlWindowProcTest {
 protected:
  void SetUp() override {
    GlWindowProcTest::SetUp();
    commands.clear();
    SHOWMENUBAR = true;
    GETINPUTCOMMAND = recordCommand;
  }
};

TEST_F(MessagePump, EmptyQueueReturnsWithoutDispatching) {
  MSG_.message = WM_USER + 99;
  MSG_.wParam = 12345;
  SETGLMSG();
  EXPECT_EQ(MSG_.message, WM_USER + 99u) << "MSG_ is only overwritten when a message is found";
  EXPECT_EQ(MSG_.wParam, 12345u);
  EXPECT_TRUE(commands.empty());
  EXPECT_TRUE(ACTIVE);
}

TEST_F(MessagePump, ThreeQueuedMessagesTakeThreeCallsInOrder) {
  for (WPARAM id : {11, 22, 33}) ASSERT_TRUE(PostMessageA(HWINDOW, WM_COMMAND, id, 0));
  SETGLMSG();
  EXPECT_EQ(commands, (std::vector<WPARAM>{11}));
  EXPECT_EQ(MSG_.message, WM_COMMAND);
  EXPECT_EQ(MSG_.hwnd, HWINDOW);
  SETGLMSG();
  EXPECT_EQ(commands, (std::vector<WPARAM>{11, 22}));
  SETGLMSG();
  EXPECT_EQ(commands, (std::vector<WPARAM>{11, 22, 33}));
  EXPECT_EQ(MSG_.wParam, 33u);
  SETGLMSG();
  EXPECT_EQ(commands.size(), 3u) << "nothing left to dispatch";
}

// The character message that translating a key-down posts is only fetched by the next call.
TEST_F(MessagePump, KeyPressThenItsCharacterOnALaterCall) {
  ASSERT_TRUE(PostMessageA(HWINDOW, WM_KEYDOWN, 'A', 0x001E0001));
  SETGLMSG();
  EXPECT_EQ(MSG_.message, WM_KEYDOWN);
  EXPECT_TRUE(SETGLKEY('A'));
  EXPECT_TRUE(messageQueued(WM_CHAR));
  SETGLMSG();
  EXPECT_EQ(MSG_.message, WM_CHAR);
  EXPECT_EQ(MSG_.hwnd, HWINDOW);
  EXPECT_FALSE(messageQueued(WM_CHAR));
}

// The quit message posted on destruction is dispatched like any other, to no window.
TEST_F(MessagePump, QuitMessageIsDispatchedToNoWindow) {
  PostQuitMessage(0);
  SETGLMSG();
  EXPECT_EQ(MSG_.message, WM_QUIT);
  EXPECT_EQ(MSG_.hwnd, 0u);
  EXPECT_TRUE(ACTIVE) << "the quit message ends nothing";
  EXPECT_TRUE(IsWindow(HWINDOW));
}

// Escape through the pump: the pass still sees the window, and the destroy message it
// sent itself posted the quit message for a later call.
TEST_F(MessagePump, EscapeThroughThePump) {
  ASSERT_TRUE(PostMessageA(HWINDOW, WM_KEYDOWN, VK_ESCAPE, 0x00010001));
  SETGLMSG();
  EXPECT_FALSE(ACTIVE);
  EXPECT_TRUE(IsWindow(HWINDOW));
  EXPECT_FALSE(SETGLKEY(static_cast<char>(VK_ESCAPE)));
  EXPECT_TRUE(messageQueued(WM_QUIT));
}

}  // namespace
