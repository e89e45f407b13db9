// The operation help window "操作法の説明": imitations of the main window's
// controls, each with a sentence on what the real one does.
#pragma once

#include "ui/helpwindow.h"

namespace ui {

class OperationHelp : public HelpWindow {
    Q_OBJECT
public:
    OperationHelp();
};

} // namespace ui
