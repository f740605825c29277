// Messages to the user, recorded in order instead of shown in boxes.
#pragma once

#include <string>
#include <vector>

#include "framework/message_port.h"

namespace testing_support {

class RecordedMessages : public framework::MessagePort {
public:
    // Plain boxes as "box: <text>", the system-error box as "error box: <text>".
    std::vector<std::string> shown;

    void Show(const std::string& text) override { shown.push_back("box: " + text); }
    void ShowSystemError(const std::string& text) override {
        shown.push_back("error box: " + text);
    }
};

}  // namespace testing_support
