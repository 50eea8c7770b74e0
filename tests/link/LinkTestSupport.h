#pragma once

#include "runtime/link/LinkPrompts.h"
#include "runtime/platform/Windows.h"
#include "tests/support/ChildProcess.h"

#include <deque>
#include <string>
#include <vector>

namespace velmar::test {

// Answers the host link's questions with the names of a script, then cancels, and keeps
// everything it was shown.
class ScriptedPrompts : public LinkPrompts {
public:
    struct Question {
        QString exeName;
        HostProgramReason reason;
        friend bool operator==(const Question&, const Question&) = default;
    };

    void ShowLinkError(const QString& text) override { errors.push_back(text); }
    std::optional<QString> ChooseHostProgram(const QString& exeName,
                                             HostProgramReason reason) override
    {
        questions.push_back({exeName, reason});
        if (answers.empty())
            return std::nullopt;
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<QString> answers;
    std::vector<QString> errors;
    std::vector<Question> questions;
};

// A fakehost started by the test, with `program` a copy under another name when given.
struct FakeHost {
    explicit FakeHost(const std::vector<std::string>& options,
                      const std::string& program = VELMAR_FAKE_HOST);
    [[nodiscard]] platform::LRESULT ask(platform::UINT query) const;

    ChildProcess process;
    platform::HWND hwnd = 0;
};

// The session's windows whose process runs a program of that file name.
[[nodiscard]] std::vector<platform::HWND> windowsOfProgram(const std::string& fileName);

// Waits up to five seconds for such a window; 0 when none came.
[[nodiscard]] platform::HWND awaitWindowOfProgram(const std::string& fileName);

// Asks every window of another process of the session to quit.
void quitOtherWindows();

} // namespace velmar::test
