// The main window's buttons, each with its objectName and the controller's
// handler a click runs, in the order of reel::Button. The window names and
// wires its buttons by walking this table, and the tests name them from it.
#pragma once

#include "reel/controller.h"
#include "reel/mainview.h"

#include <cstddef>
#include <iterator>

namespace reel {

struct ButtonEntry {
    Button button;
    const char *objectName;
    void (MainController::*handler)();
};

inline constexpr ButtonEntry kButtons[] = {
    { Button::cmstart, "cmstart", &MainController::cmstart_Click },
    { Button::r1stop, "r1stop", &MainController::r1stop_Click },
    { Button::r2stop, "r2stop", &MainController::r2stop_Click },
    { Button::r3stop, "r3stop", &MainController::r3stop_Click },
    { Button::r1ue, "r1ue", &MainController::r1ue_Click },
    { Button::r1sita, "r1sita", &MainController::r1sita_Click },
    { Button::r2ue, "r2ue", &MainController::r2ue_Click },
    { Button::r2sita, "r2sita", &MainController::r2sita_Click },
    { Button::r3ue, "r3ue", &MainController::r3ue_Click },
    { Button::r3sita, "r3sita", &MainController::r3sita_Click },
    { Button::cmend, "cmend", &MainController::cmend_Click },
    { Button::autostart, "autostart", &MainController::autostart_Click },
    { Button::autostop, "autostop", &MainController::autostop_Click },
    { Button::Cmkaisetu, "Cmkaisetu", &MainController::Cmkaisetu_Click },
    { Button::Cmsousa, "Cmsousa", &MainController::Cmsousa_Click },
};

static_assert(std::size(kButtons) == kButtonCount, "one row for every reel::Button");

constexpr bool rowsInButtonOrder()
{
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        if (kButtons[i].button != static_cast<Button>(i))
            return false;
    }
    return true;
}
static_assert(rowsInButtonOrder(), "row i is reel::Button i");

constexpr const ButtonEntry &buttonEntry(Button button)
{
    return kButtons[static_cast<std::size_t>(button)];
}

constexpr const char *objectName(Button button) { return buttonEntry(button).objectName; }

} // namespace reel
