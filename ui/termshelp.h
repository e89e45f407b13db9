// The terms help window "解説用語の説明": one sample of each kind of judgement
// message beside what that kind means.
#pragma once

#include "ui/helpwindow.h"

namespace ui {

class TermsHelp : public HelpWindow {
    Q_OBJECT
public:
    TermsHelp();
};

} // namespace ui
