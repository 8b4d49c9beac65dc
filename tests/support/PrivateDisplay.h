#pragma once

// An X server of this test process's own, started on first use (and stopped
// when the process ends), with DISPLAY pointing at it. Windows of tests that
// run side by side then never take the keyboard focus from each other: SDL
// re-reads the keyboard from the X server when its window gets the focus
// back, which would let go of keys that a test holds.
namespace PrivateDisplay {
// False (and DISPLAY left as it was) when no server could be started.
bool Use();
}
