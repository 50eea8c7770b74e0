#pragma once

#include "runtime/platform/Windows.h"

#include <optional>

namespace velmar {

class HostLinkBlock;

// Requests a plug-in makes of the host's main window, and the one message the host sends
// to a plug-in's main window. Plain numbers above WM_USER (1024).
inline constexpr platform::UINT HostCmdRewind = 1237;
inline constexpr platform::UINT HostCmdPlay = 1238;
inline constexpr platform::UINT HostCmdStop = 1239;
inline constexpr platform::UINT HostCmdSignOff = 1265;
inline constexpr platform::UINT HostQueryRunning = 1270;
inline constexpr platform::UINT HostCmdRecord = 1273;
inline constexpr platform::UINT HostCmdRecordEvent = 1274;
inline constexpr platform::UINT HostQueryWindowMode = 1277;
inline constexpr platform::UINT HostQueryDrumDelay = 1278;
inline constexpr platform::UINT HostQueryRecording = 1281;
inline constexpr platform::UINT HostCmdSignIn = 1282;
inline constexpr platform::UINT HostQueryIdentify = 1283;
inline constexpr platform::UINT HostCmdPlayEvent = 1284;
inline constexpr platform::UINT HostMsgSetMark = 1324;

// The host's main window answers HostQueryIdentify with this.
inline constexpr platform::LRESULT HostIdentifyReply = 259;
// HostCmdSignIn answered with this means signed in; anything else, refused.
inline constexpr platform::LRESULT HostSignInAccepted = 1;
// HostQueryRecording answered with this means recording.
inline constexpr platform::LRESULT HostRecordingReply = 1;
// HostQueryWindowMode answered with this means a main window without border icons.
inline constexpr platform::LRESULT HostWindowModeBare = 2;

// Handles the messages every plug-in main window answers the same way: HostMsgSetMark
// stores its wParam into the block's HostMark and answers 1. Nothing for other messages.
[[nodiscard]] std::optional<platform::LRESULT>
HandlePlugInMessage(HostLinkBlock& block, platform::UINT message, platform::WPARAM wParam);

} // namespace velmar
