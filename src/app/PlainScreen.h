#pragma once

#include "app/Game.h"

// A screen with nothing on it: the frame shows the grey clear colour. Lets
// the shell run (and be tested) on its own.
class PlainScreen : public Game {
public:
    void OnLostDevice() override {}
    void OnResetDevice() override {}
};
