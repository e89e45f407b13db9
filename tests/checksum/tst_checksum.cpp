// The checksums against check values of each algorithm (zlib's crc32 and the
// published FNV-1a), so that files sealed before read as ours.
#include "checksum/checksum.h"

#include <QtTest>

class TestChecksum : public QObject {
    Q_OBJECT

private slots:
    void checkValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("crc32");
        QTest::addColumn<QString>("fnv1a64");
        QTest::newRow("nothing") << QByteArray() << "00000000"
                                 << "cbf29ce484222325";
        QTest::newRow("one byte") << QByteArray("a") << "e8b7be43"
                                  << "af63dc4c8601ec8c";
        QTest::newRow("the check string") << QByteArray("123456789") << "cbf43926"
                                          << "06d5573923c6cdfc";
        QTest::newRow("bytes above 127") << QByteArray("\xff\x80\x00", 3) << "7a5a75b4"
                                         << "fad4091be587d31e";
        QByteArray kilobyte; // eight bytes at a time, then the rest
        for (int i = 0; i < 1000; ++i)
            kilobyte += char(i * 31 % 256);
        QTest::newRow("a kilobyte") << kilobyte << "91f43dec"
                                    << "09706979cfee9f35";
    }
    void checkValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, crc32);
        QFETCH(QString, fnv1a64);
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        QCOMPARE(QString::fromStdString(checksum::crc32Hex(view)), crc32);
        QCOMPARE(checksum::crc32(view), crc32.toUInt(nullptr, 16));
        QCOMPARE(QString::fromStdString(checksum::fnv1a64Hex(view)), fnv1a64);
    }
};

QTEST_GUILESS_MAIN(TestChecksum)
#include "tst_checksum.moc"
