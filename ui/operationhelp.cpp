#include "ui/operationhelp.h"

#include "ui/forms/form.h"

namespace ui {

// The imitations do nothing when pressed, and nothing reads their boxes.
OperationHelp::OperationHelp()
    : HelpWindow(kOperationHelpForm)
{ }

} // namespace ui
