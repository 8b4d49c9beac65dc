#pragma once

// What the player's keys (and a gamepad's buttons) ask the game to do.
enum class GameAction {
    Left,
    Right,
    Up,
    Down,
    Act,    // act on the map, confirm in a box or the menu
    Menu,   // open the menu, confirm a typed input
    Back,   // step back out of a menu screen
    Erase,  // erase the last typed character
    Count
};
