#include "ui/runtimeerror.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace ui {

namespace {
bool reported = false;
}

void reportRunTimeError(const QString &description)
{
    if (reported)
        return;
    reported = true;
    QMessageBox::critical(nullptr, QStringLiteral("実行時エラー"), description);
    QCoreApplication::exit(1);
}

bool runTimeErrorReported() { return reported; }

void guardAgainstRunTimeErrors(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        reportRunTimeError(QStringLiteral("実行時エラーが発生したため、終了します。\n%1")
                               .arg(QString::fromUtf8(error.what())));
    }
}

} // namespace ui
