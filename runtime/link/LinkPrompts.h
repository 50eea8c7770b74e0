#pragma once

#include <QString>

#include <optional>

namespace velmar {

// Why the user is asked for the host's program.
enum class HostProgramReason {
    NotFound,  // not running and could not be started: the dialog keeps its own texts
    LinkError, // an error message was shown: caption 4669, text 4670
};

// What the host link shows the user. The programs show message boxes and the
// HostProgramDialog; tests answer without a screen.
class LinkPrompts {
public:
    virtual ~LinkPrompts() = default;

    // A message box captioned with string 28 "Error" and one OK button.
    virtual void ShowLinkError(const QString& text) = 0;

    // The HostProgramDialog, run modally with `exeName` in its edit field: the field's
    // text when the user confirms, nothing when they cancel.
    [[nodiscard]] virtual std::optional<QString> ChooseHostProgram(const QString& exeName,
                                                                   HostProgramReason reason) = 0;
};

} // namespace velmar
