#include "app/CreditsScreen.h"

namespace {
const char* const roles[] = {"Project Leader", "Model Engine", "Sound Engine",   "Models",
                             "Sound & Music",  "Game Engine",  "Graphics Engine"};
const char* const people[] = {"Mira Castellan", "Tobias Reinholt", "Ines Okafor"};
// Who did which role, by person, in the order of the roles.
const int creditedPerson[] = {0, 1, 2, 1, 2, 0, 0};
}  // namespace

std::string CreditsScreen::creditsText()
{
    std::string text;
    for (int role = 0; role < 7; ++role) {
        if (role > 0) text += "\n\n";
        text += std::string(roles[role]) + ":\n        " + people[creditedPerson[role]];
    }
    return text;
}

void CreditsScreen::show()
{
    title_ = std::make_unique<ScreenTextField>("arial", 0.0, 0.8, 1.0, 0.2, "Credits");
    title_->setSize(0.1);
    title_->setAlignment(ScreenTextPoint::Center);
    title_->setColor(Color(0, 0, 1, 0.7));
    text_ = std::make_unique<ScreenTextGlider>("arial", 0.2, 0.0, 1.0, 0.8, creditsText());
    text_->setSize(0.075);
    text_->setAlignment(ScreenTextPoint::TopLeft);
    text_->setColor(Color(0, 0, 1, 1));
}

void CreditsScreen::hide()
{
    title_.reset();
    text_.reset();
}
