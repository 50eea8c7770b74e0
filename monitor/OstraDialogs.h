#pragma once

#include "monitor/dialogs/EventTextWindow.h"
#include "monitor/dialogs/FilterDialog.h"
#include "monitor/dialogs/MonitorSettingsDialog.h"
#include "monitor/dialogs/WorkingWindow.h"
#include "monitor/ui/MonitorWindow.h"

namespace velmar::monitor {

// The monitor's dialogs, created once beside the main window and shown from its buttons.
class OstraDialogs {
public:
    explicit OstraDialogs(MonitorWindow& form)
        : m_settings(form.Settings(), form, form.HelpFile())
        , m_filter(form.Settings(), form, form.HelpFile())
        , m_working(form.Settings(), form)
        , m_text(form.Grid(), form.Intake(), form.Settings(), m_working, form, form.HelpFile(),
                 [&form] { return form.ColumnWidths(); })
    {
        form.Dialogs = {[this] { m_settings.exec(); }, [this] { m_filter.exec(); },
                        [this] { m_text.SaveBufferToFile(); },
                        [this] {
                            m_text.BuildTextBlock();
                            m_text.exec();
                        }};
    }

private:
    MonitorSettingsDialog m_settings;
    FilterDialog m_filter;
    WorkingWindow m_working;
    EventTextWindow m_text;
};

} // namespace velmar::monitor
