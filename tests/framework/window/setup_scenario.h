// Runs a window set-up scenario in a fresh process of this test program.
//
// The class "GLWindow" can be registered once per process, and the fatal paths end the
// process, so every scenario that goes through CREATEOGLWINDOW runs in a child: gtest's
// "threadsafe" death-test style starts the test program again for just this one test.
// The child reports failed checks on standard error (which the parent prints when the
// exit code or output does not match) and ends with kScenarioPassed when all held.
// Message boxes are answered by a seam that writes their caption, text and style to
// standard error, with bytes above 127 written as \xHH.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/sdl/test_gl_context.h"
#include "platform/test_seams.h"

namespace window_test {

constexpr int kScenarioPassed = 77;

class Scenario {
 public:
  template <class A, class B>
  void expectEq(const A& actual, const B& expected, const char* what) {
    if (actual == expected) return;
    std::ostringstream out;
    out << what << ": got " << actual << ", expected " << expected;
    fail(out.str());
  }
  void expect(bool ok, const char* what) {
    if (!ok) fail(what);
  }
  [[noreturn]] void finish() {
    std::fflush(stderr);
    std::exit(failures_ == 0 ? kScenarioPassed : 1);
  }

 private:
  void fail(const std::string& what) {
    std::fprintf(stderr, "FAILED: %s\n", what.c_str());
    ++failures_;
  }
  int failures_ = 0;
};

inline std::string escapeHighBytes(const char* text) {
  std::string out;
  for (const char* p = text ? text : "(null)"; *p; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte < 128) {
      out += *p;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  return out;
}

inline int messageBoxCount = 0;

// Writes "box caption=<caption> type=<style> text=<text>" and answers OK.
inline int reportMessageBox(LPCSTR text, LPCSTR caption, UINT type) {
  ++messageBoxCount;
  std::fprintf(stderr, "box caption=%s type=%u text=%s\n", escapeHighBytes(caption).c_str(), type,
               escapeHighBytes(text).c_str());
  std::fflush(stderr);
  return IDOK;
}

inline void useReportingMessageBoxes() { platform::seams::setMessageBoxAnswer(reportMessageBox); }

// Keeps a hidden GL window for the whole run, so that the GL driver stays loaded when the
// scenario's own GL window goes: leaks inside a driver that was unloaded before exit have
// no module name, and the sanitizer run's suppressions for the driver could not match them.
inline void keepGlDriverLoaded() { platform::sdl::makeTestGlContext(); }

// The set-up every successful scenario starts from.
inline void startScenario() {
  keepGlDriverLoaded();
  useReportingMessageBoxes();
}

// Runs the scenario (which ends with Scenario::finish) in a fresh process and expects all
// its checks to hold.
inline void runInFreshProcess(void (*scenario)()) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(scenario(), ::testing::ExitedWithCode(kScenarioPassed), "");
}

// Runs the scenario in a fresh process and expects it to stop with exit code 0 after
// writing what matches the pattern (an extended regular expression) on standard error.
inline void expectFatalStop(void (*scenario)(), const char* pattern) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(scenario(), ::testing::ExitedWithCode(0), pattern);
}

}  // namespace window_test
