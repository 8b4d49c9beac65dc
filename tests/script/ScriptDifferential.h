#pragma once

#include <string>

// Runs `script` the way the game runs scripts and returns a transcript of
// everything that can be observed: the Console output and the queued world
// commands frame by frame, the front run's variables after every frame, and
// the globals at the end. Three runs are queued (two of the same compiled
// script, which share what it remembers); between frames the host creates
// and sets local variables as world commands do. Random numbers and the
// clock are fixed, and each Execute runs at most a bounded number of
// statements, so the transcript depends on the script and `memoising` only.
std::string RunTranscript(const std::string& script, bool memoising);
