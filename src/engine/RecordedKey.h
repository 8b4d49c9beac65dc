#pragma once

// One key event of a recorded session, as the engine handled it.
struct RecordedKey {
    bool down = false;
    int sym = 0;
    // The typed character SDL translated the key-down into (0 for none).
    int unicode = 0;
};
