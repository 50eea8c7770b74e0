#pragma once

#include "runtime/platform/Windows.h"

// The test peer's modes that act as a process of another user (POSIX only: they speak the
// socket protocol directly and need root to change their user).
namespace velmar::test::peer {

// A window endpoint of another user that answers every sent message with 77.
int foreignServer();

// As another user, sends one message to `target` and prints whether it was answered.
int foreignClient(platform::HWND target);

} // namespace velmar::test::peer
