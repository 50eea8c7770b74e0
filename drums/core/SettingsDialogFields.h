#pragma once

#include "drums/core/KettraSettings.h"

#include <QString>

namespace velmar::drums {

// The help context the settings dialog's Help button opens.
inline constexpr int kSettingsHelpContext = 4;

// What the settings dialog's controls hold. The dialog widget only copies these to and
// from its controls; which record value goes where, and in what order, is decided here.
struct SettingsDialogFields {
    int HiVelocity = 0;
    int LoVelocity = 0;
    bool Randomize = false;
    int RandomRange = 0;
    bool ShowNoteName = false;
    bool ShowNoteNumber = false;
    bool ShowComputerKey = false;
    bool DisplayDrumKeys = false; // "Display QUERTY Chars On Drums"
    bool ShowAll = false;         // ShowAllRadio checked; otherwise ShowUsedRadio
    bool OnTop = false;
    int TransportKeys = 0; // item index of the radio group
    int DurationBoost = 0;
    int DrumPort = 0;
    int DrumChannel = 0;

    // The controls as the dialog shows the record; each spin edit brings its value into
    // its range.
    [[nodiscard]] static SettingsDialogFields FormShow(const KettraSettings& settings);

    // Stores the controls into the record, in the dialog's order, each spin value brought
    // into its range. A ticked QWERTY box also selects "Show All Instruments".
    void OKButtonClick(KettraSettings& settings) const;

    friend bool operator==(const SettingsDialogFields&, const SettingsDialogFields&) = default;
};

// The colour advice under the velocity group, for a display of `colorCount` colours.
[[nodiscard]] QString NumColorsText(int colorCount);

} // namespace velmar::drums
