// The reach-me collection in the data folder: read back as saved, a damaged
// file kept aside, a newer one never written over, and a second program that
// sees the collection but never writes it.
#include "records/collectionformat.h"
#include "records/store/collectionstore.h"
#include "safefile/writing.h"
#include "seededrun.h"

#include <QtTest>

using namespace records;
using safefile::Status;
Q_DECLARE_METATYPE(Status)

namespace {

// A session of play collected, a game a minute.
void play(CollectionStore &store, int games)
{
    const auto run = records_test::playSeeded(6, 9, games, machine::ControlOption::reachMeFirst);
    for (const machine::GameResult &game : run.games)
        store.record(rowOf(game), 1'700'000'000 + game.game * 60);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QByteArray fileOf(const ReachMeCollection &collection)
{
    return QByteArray::fromStdString(writeCollection(collection));
}

} // namespace

class TestRecordsCollectionStore : public QObject {
    Q_OBJECT

private slots:
    void savedAndReadBack()
    {
        QTemporaryDir dir;
        ReachMeCollection saved;
        {
            CollectionStore store(dir.path());
            QCOMPARE(store.status(), Status::freshStart);
            play(store, 3000);
            saved = store.collection();
            QVERIFY(saved.collected() > 20);
        } // the last save is written before the store goes
        const CollectionStore again(dir.path());
        QCOMPARE(again.status(), Status::loaded);
        QVERIFY(again.collection() == saved);
        QCOMPARE(contents(again.filePath()), fileOf(saved));
    }

    // What was found stays the player's: kept aside byte for byte, or left
    // as it is and never saved over.
    void fileFound_data()
    {
        QTest::addColumn<QByteArray>("found");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QString>("reason");
        const QByteArray good = fileOf(ReachMeCollection());
        QTest::newRow("cut short") << good.chopped(3) << Status::keptAside << "damaged";
        QTest::newRow("not a collection")
            << QByteArray("reachme drill progress\n") << Status::keptAside << "not a reach-me";
        QTest::newRow("newer") << QByteArray("reachme reach-me collection\nversion 2\n")
                               << Status::newerVersion << "newer version";
    }
    void fileFound()
    {
        QFETCH(QByteArray, found);
        QFETCH(Status, status);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(safefile::writeWhole(dir.filePath(CollectionStore::kFileName), found).ok);
        CollectionStore store(dir.path());
        QCOMPARE(store.status(), status);
        QVERIFY2(QString::fromStdString(store.reason()).contains(reason), store.reason().c_str());
        play(store, 2000);
        store.flush();
        if (status == Status::keptAside) {
            QCOMPARE(contents(store.asidePath()), found);
            QCOMPARE(contents(store.filePath()), fileOf(store.collection()));
        } else {
            QCOMPARE(contents(store.filePath()), found);
        }
    }

    // A second program at the same data folder reads the collection and says
    // so; what it collects is not written, and the first goes on saving.
    void twoPrograms()
    {
        QTemporaryDir dir;
        CollectionStore first(dir.path());
        play(first, 2000);
        first.flush();
        const QByteArray saved = contents(first.filePath());

        CollectionStore second(dir.path());
        QCOMPARE(second.status(), Status::lockedByOther);
        QVERIFY(second.collection() == first.collection());
        play(second, 6000);
        QVERIFY(second.collection().collected() > first.collection().collected());
        second.flush();
        QCOMPARE(contents(first.filePath()), saved);

        play(first, 6000);
        first.flush();
        QCOMPARE(contents(first.filePath()), fileOf(first.collection()));
        QVERIFY(contents(first.filePath()) != saved);
    }
};

QTEST_GUILESS_MAIN(TestRecordsCollectionStore)
#include "tst_records_collectionstore.moc"
