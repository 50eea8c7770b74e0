#pragma once

#include "runtime/link/LinkPrompts.h"
#include "runtime/ui/HostProgramDialog.h"

namespace velmar {

// The host link's messages and questions as the programs show them: message boxes and the
// HostProgramDialog, each run modally.
class WidgetLinkPrompts : public LinkPrompts {
public:
    explicit WidgetLinkPrompts(HostProgramDialogFrame frame)
        : m_frame(frame)
    {}

    void ShowLinkError(const QString& text) override;
    [[nodiscard]] std::optional<QString> ChooseHostProgram(const QString& exeName,
                                                           HostProgramReason reason) override;

private:
    HostProgramDialogFrame m_frame;
};

} // namespace velmar
