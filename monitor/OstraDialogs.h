#pragma once

#include "monitor/dialogs/TForm4.h"
#include "monitor/dialogs/TForm5.h"
#include "monitor/dialogs/TOstraFilter.h"
#include "monitor/dialogs/TOstraSettings.h"
#include "monitor/ui/TForm1.h"

namespace velmar::monitor {

// The monitor's dialogs, created once beside the main window and shown from its buttons.
class OstraDialogs {
public:
    explicit OstraDialogs(TForm1& form)
        : m_settings(form.Settings(), form, form.HelpFile())
        , m_filter(form.Settings(), form, form.HelpFile())
        , m_working(form.Settings(), form)
        , m_text(form.Grid(), form.Intake(), form.Settings(), m_working, form, form.HelpFile())
    {
        form.Dialogs = {[this] { m_settings.exec(); }, [this] { m_filter.exec(); },
                        [this] { m_text.SaveBufferToFile(); },
                        [this] {
                            m_text.BuildTextBlock();
                            m_text.exec();
                        }};
    }

private:
    TOstraSettings m_settings;
    TOstraFilter m_filter;
    TForm4 m_working;
    TForm5 m_text;
};

} // namespace velmar::monitor
