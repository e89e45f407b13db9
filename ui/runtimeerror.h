// A run-time error ends the program: the user is told what went wrong in a
// message box, then the program ends with a failure status.
#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace ui {

void reportRunTimeError(const QString &description);

// Once an error is reported, nothing of the program's own should run on.
bool runTimeErrorReported();

// Runs a handler of the program and turns what it throws into the report.
void guardAgainstRunTimeErrors(const std::function<void()> &handler);

} // namespace ui
