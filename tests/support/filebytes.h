// A file's bytes read and written whole, for tests that look at or make the
// player's files by hand.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

// The file's bytes; empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the file hold exactly `bytes`.
inline void putFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
