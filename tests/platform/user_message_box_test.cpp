// Message boxes: the seam that answers them, and the fall-back to standard error when no
// box can be shown at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/test_seams.h"
#include "platform/win32.h"

namespace {

std::string gText, gCaption;
UINT gType = 0;

int answerNo(LPCSTR text, LPCSTR caption, UINT type) {
  gText = text;
  gCaption = caption;
  gType = type;
  return IDNO;
}

TEST(UserMessageBox, SeamGetsTheCallAsMadeAndGivesTheAnswer) {
  platform::seams::setMessageBoxAnswer(answerNo);
  EXPECT_EQ(MessageBoxA(0, "Settare lo schermo intero?  ", "Video!", MB_YESNO | MB_ICONQUESTION), IDNO);
  platform::seams::setMessageBoxAnswer(nullptr);
  EXPECT_EQ(gText, "Settare lo schermo intero?  ");
  EXPECT_EQ(gCaption, "Video!");
  EXPECT_EQ(gType, 0x24u);
}

// Without any display the real box cannot appear: the call returns 0 and the caption and
// the text (converted from Windows-1252) reach standard error.
TEST(UserMessageBox, WithoutADisplayCaptionAndTextGoToStandardError) {
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  std::string savedDisplay = display ? display : "", savedWayland = wayland ? wayland : "";
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  testing::internal::CaptureStderr();
  int result = MessageBoxA(0, "la rispettiva applicazione non \xE8 stata inizilizata!", "Error", MB_OK);
  std::string err = testing::internal::GetCapturedStderr();
  if (display) setenv("DISPLAY", savedDisplay.c_str(), 1);
  if (wayland) setenv("WAYLAND_DISPLAY", savedWayland.c_str(), 1);
  EXPECT_EQ(result, 0);
  EXPECT_NE(err.find("Error"), std::string::npos);
  EXPECT_NE(err.find("la rispettiva applicazione non \xC3\xA8 stata inizilizata!"), std::string::npos) << err;
}

}  // namespace
