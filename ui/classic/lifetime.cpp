#include "ui/classic/lifetime.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace ui {

Lifetime::Lifetime()
    : Lifetime([](int status) { QCoreApplication::exit(status); },
        [](const QString &description) {
            QMessageBox::critical(nullptr, QStringLiteral("実行時エラー"), description);
        })
{ }

Lifetime::Lifetime(Exit exit, Report report)
    : m_exit(std::move(exit))
    , m_report(std::move(report))
{ }

void Lifetime::end(int status)
{
    if (m_ending)
        return;
    m_ending = true;
    for (const auto &save : m_savers)
        save();
    m_exit(status);
}

void Lifetime::fail(const QString &description)
{
    if (m_ending)
        return;
    // Nothing of the program's own runs while the user reads the report.
    m_ending = true;
    m_report(description);
    m_ending = false;
    end(1);
}

void Lifetime::run(const std::function<void()> &handler)
{
    if (m_ending)
        return;
    try {
        handler();
    } catch (const std::exception &error) {
        fail(QStringLiteral("実行時エラーが発生したため、終了します。\n%1")
                 .arg(QString::fromUtf8(error.what())));
    }
}

void Lifetime::atEnd(std::function<void()> save) { m_savers.push_back(std::move(save)); }

} // namespace ui
