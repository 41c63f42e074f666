// Records message boxes and program ends instead of blocking or quitting, for window tests.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace velmora::testing {

struct RecordedMessage {
    QString text;
    int style = 0;
};

// Installs recording handlers for MsgBox and End while it lives; restores the real ones after.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    int EndCalls() const { return endCalls_; }
    void Clear() { messages_.clear(); }

    // Runs while a message box is up, after its text was recorded: what the user does meanwhile.
    std::function<void()> whileShown;

  private:
    std::vector<RecordedMessage> messages_;
    int endCalls_ = 0;
};

}  // namespace velmora::testing
