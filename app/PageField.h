#pragma once

#include <memory>
#include <string>

#include "overlay/ScreenTextField.h"

// A text field of the help and highscore pages: the game's font in the pages' blue, placed in
// fractions of the window like every overlay.
std::unique_ptr<ScreenTextField> pageField(double left, double bottom, double width, double height, double size,
                                           int alignment, const std::string& text);
