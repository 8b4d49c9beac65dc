#pragma once

// SIGTERM and SIGINT ask the program to end: the game then finishes its
// frame, closes its recording and returns from its loop as when the window
// is closed. A second signal of either kind ends the program at once (the
// default action is back after the first), for a program stuck where it
// does not look.
void CatchQuitSignals();

// True once one of the signals has arrived.
bool QuitSignalled();
