#pragma once

#include "runtime/link/LinkPrompts.h"
#include "runtime/ui/TChooseEXEName.h"

namespace velmar {

// The host link's messages and questions as the programs show them: message boxes and the
// TChooseEXEName dialog, each run modally.
class WidgetLinkPrompts : public LinkPrompts {
public:
    explicit WidgetLinkPrompts(ChooseExeFrame frame)
        : m_frame(frame)
    {}

    void ShowLinkError(const QString& text) override;
    [[nodiscard]] std::optional<QString> ChooseEXEName(const QString& exeName,
                                                       ChooseExeReason reason) override;

private:
    ChooseExeFrame m_frame;
};

} // namespace velmar
