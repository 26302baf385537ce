// The settings file: its byte image, every refusal, and special files. (The command line's tests fill the disk
// during a save and find the old file whole.)
#include "TestSupport.h"
#include "files/SettingsFile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

const QByteArray kTitle("QUILMOX Parlowen\0", 17);
const QByteArray kBody(kConfigBlockSize, '\x11');

QByteArray Header(qint32 version, const QByteArray& title)
{
    QByteArray header(36, '\0');
    qToLittleEndian(version, header.data());
    return header.replace(4, title.size(), title);
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void imageAndRoundTrip()
    {
        QRandomGenerator random(7);
        TConfigBlock written = RandomToolBlock(random);
        written.Padding[1] = 0xA5; // Padding travels with the file
        const QString path = dir.filePath("saved.dat");
        QVERIFY(SaveSettingsFile(path, written));
        QCOMPARE(ReadFile(path).toHex(' '), (Header(1, kTitle) + Bytes(written)).toHex(' '));
        TConfigBlock read = Block(DefaultImage());
        QCOMPARE(LoadSettingsFile(path, read), LoadOutcome::Loaded);
        QCOMPARE(Bytes(read), Bytes(written));
    }

    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<LoadOutcome>("outcome");
        QTest::newRow("version 0") << Header(0, kTitle) + kBody << LoadOutcome::Loaded;
        QTest::newRow("version -1") << Header(-1, kTitle) + kBody << LoadOutcome::Loaded;
        QTest::newRow("bytes after the body, junk after the title")
            << Header(1, kTitle + "junk") + kBody + "trailer" << LoadOutcome::Loaded;
        QTest::newRow("empty") << QByteArray() << LoadOutcome::IncompatibleTitle;
        QTest::newRow("title in other case") << Header(1, "QUILMOX PARLOWEN") + kBody << LoadOutcome::IncompatibleTitle;
        QTest::newRow("title without its NUL")
            << Header(1, "QUILMOX Parlowen!") + kBody << LoadOutcome::IncompatibleTitle;
        QTest::newRow("ends inside the title") << Header(1, kTitle).left(20) << LoadOutcome::IncompatibleTitle;
        QTest::newRow("version 2") << Header(2, kTitle) + kBody << LoadOutcome::LaterFormat;
        QTest::newRow("version 2, wrong title") << Header(2, "Another Tool") + kBody << LoadOutcome::IncompatibleTitle;
        QTest::newRow("header only") << Header(1, kTitle) << LoadOutcome::Error;
        QTest::newRow("body one byte short") << Header(1, kTitle) + kBody.chopped(1) << LoadOutcome::Error;
    }
    void outcomes()
    {
        QFETCH(QByteArray, file);
        QFETCH(LoadOutcome, outcome);
        const QString path = dir.filePath("case.dat");
        QVERIFY(WriteFile(path, file));
        TConfigBlock config = Block(DefaultImage());
        QCOMPARE(LoadSettingsFile(path, config), outcome);
        QCOMPARE(Bytes(config), outcome == LoadOutcome::Loaded ? kBody : DefaultImage()); // a refusal changes nothing
    }

    // A pipe is never opened (it would block until someone writes), and a save never puts a file in place of a
    // pipe or a device, also through a symbolic link; a link to a regular file is saved through.
    void specialFiles()
    {
        const QString fifo = dir.filePath("fifo.dat"), toFifo = dir.filePath("to-fifo.dat");
        const QString target = dir.filePath("target.dat"), toTarget = dir.filePath("to-target.dat");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, toFifo) && QFile::link(target, toTarget));
        TConfigBlock config = Block(DefaultImage());
        QString reason;
        for (const QString& path : { fifo, toFifo, dir.path(), dir.filePath("missing.dat") }) {
            QCOMPARE(LoadSettingsFile(path, config, &reason), LoadOutcome::Error);
            QVERIFY(!reason.isEmpty());
        }
        QVERIFY(!SaveSettingsFile(fifo, config, &reason) && !SaveSettingsFile(toFifo, config));
        QVERIFY(!SaveSettingsFile(dir.path(), config) && !SaveSettingsFile(dir.filePath("no/such/x.dat"), config));
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile() && QFileInfo(toFifo).isSymLink());
        QVERIFY(SaveSettingsFile(toTarget, config));
        QVERIFY(QFileInfo(toTarget).isSymLink());
        QCOMPARE(ReadFile(target).mid(36), DefaultImage());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_SettingsFile.moc"
