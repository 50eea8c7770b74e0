#include "monitor/dialogs/SnapCursorToDefaultButton.h"

#include <QCursor>
#include <QPushButton>

namespace velmar::monitor {

namespace {

enum class SnapSetting { NotAsked, On, Off };

// The desktops this runs on have no such setting.
bool systemSnapsToDefaultButton()
{
    return false;
}

} // namespace

void SnapCursorToDefaultButton(QWidget& form)
{
    static SnapSetting setting = SnapSetting::NotAsked;
    if (setting == SnapSetting::NotAsked)
        setting = systemSnapsToDefaultButton() ? SnapSetting::On : SnapSetting::Off;
    if (setting == SnapSetting::Off)
        return;
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        if (button->isDefault()) {
            QCursor::setPos(button->mapToGlobal(button->rect().center()));
            return;
        }
    }
}

} // namespace velmar::monitor
