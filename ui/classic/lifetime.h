// How the program ends. Every way out comes here — 終了, the main window's
// close box, a strip picture that cannot be read, a run-time error — and this
// object decides the exit status and saves, on the way out, what the newer
// windows keep (their places). The classic windows save nothing.
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace ui {

class Lifetime {
public:
    using Exit = std::function<void(int status)>;
    using Report = std::function<void(const QString &description)>;

    // Ends the application's event loop and reports in a message box.
    Lifetime();
    // For tests: where the end and the report go instead.
    Lifetime(Exit exit, Report report);

    Lifetime(const Lifetime &) = delete;
    Lifetime &operator=(const Lifetime &) = delete;

    // Runs what is to be saved, then ends the program with `status`. Only
    // the first end counts.
    void end(int status);

    // Tells the user what went wrong, then ends the program with status 1.
    void fail(const QString &description);

    // Runs one of the program's handlers. Once the program is ending nothing
    // of its own runs on; an exception the handler throws is a run-time error
    // the program cannot go on from.
    void run(const std::function<void()> &handler);

    bool ending() const { return m_ending; }

    // Called once on the way out, in the order given.
    void atEnd(std::function<void()> save);

private:
    Exit m_exit;
    Report m_report;
    std::vector<std::function<void()>> m_savers;
    bool m_ending = false;
};

} // namespace ui
