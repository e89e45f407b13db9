#include "ui/common/settings.h"

#include <QSettings>
#include <QStandardPaths>

namespace ui::settings {

namespace {

QString keyOf(const char *key) { return QString::fromLatin1(key); }

} // namespace

int NumberEntry::read() const
{
    bool ok = false;
    const int value = QSettings().value(keyOf(key)).toInt(&ok);
    return ok && value >= least && value <= most ? value : fallback;
}

void NumberEntry::write(int value) const { QSettings().setValue(keyOf(key), value); }

bool ChoiceEntry::readOther() const
{
    return QSettings().value(keyOf(key)).toString() == QString::fromLatin1(other);
}

void ChoiceEntry::writeOther(bool chooseOther) const
{
    QSettings().setValue(keyOf(key), QString::fromLatin1(chooseOther ? other : fallback));
}

QString TextEntry::read() const { return QSettings().value(keyOf(key)).toString(); }

void TextEntry::write(const QString &value) const { QSettings().setValue(keyOf(key), value); }

QByteArray BytesEntry::read() const { return QSettings().value(key).toByteArray(); }

void BytesEntry::write(const QByteArray &value) const { QSettings().setValue(key, value); }

BytesEntry windowPlace(const char *window)
{
    return { QStringLiteral("windows/%1/geometry").arg(QString::fromLatin1(window)) };
}

QString dataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

} // namespace ui::settings
