// Records the message boxes a test provokes instead of showing them.
#pragma once

#include <string>
#include <vector>

#include "platform/test_seams.h"

struct ShownMessage {
  std::string text;
  std::string caption;
  UINT type;
};

class MessageRecorder {
 public:
  MessageRecorder() {
    shown().clear();
    platform::seams::setMessageBoxAnswer([](LPCSTR text, LPCSTR caption, UINT type) {
      shown().push_back({text ? text : "", caption ? caption : "", type});
      return IDOK;
    });
  }
  ~MessageRecorder() { platform::seams::setMessageBoxAnswer(nullptr); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<ShownMessage>& messages() const { return shown(); }

 private:
  static std::vector<ShownMessage>& shown() {
    static std::vector<ShownMessage> list;
    return list;
  }
};
