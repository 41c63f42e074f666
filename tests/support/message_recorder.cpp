// Recording seams for message boxes and program ends.
#include "support/message_recorder.h"

#include "toolkit/message_box.h"
#include "toolkit/program.h"

namespace velmora::testing {

MessageRecorder::MessageRecorder() {
    SetMessageBoxHandler([this](const QString& text, int style) {
        messages_.push_back({text, style});
        if (whileShown)
            whileShown();
    });
    SetEndHandler([this] { ++endCalls_; });
}

MessageRecorder::~MessageRecorder() {
    SetMessageBoxHandler({});
    SetEndHandler({});
}

}  // namespace velmora::testing
