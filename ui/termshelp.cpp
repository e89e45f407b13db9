#include "ui/termshelp.h"

#include "ui/forms/form.h"

namespace ui {

TermsHelp::TermsHelp()
    : HelpWindow(kTermsHelpForm)
{ }

} // namespace ui
