// The settings file: its byte image, every refusal, special files, and saves that fail without harm.
#include "TestSupport.h"
#include "files/SettingsFile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
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
        QCOMPARE(LoadOutcomeText(LoadOutcome::LaterFormat),
            QStringLiteral("The file uses a later data format.\r\nCannot load"));
    }

    // The file system takes only 1000 bytes (a full disk or a quota, as root sees it too): the save fails and
    // the file already there keeps its bytes; no temporary file is left.
    void failedSaveKeepsTheOldFile()
    {
        const QString path = dir.filePath("kept.dat");
        QVERIFY(SaveSettingsFile(path, Block(kBody)));
        rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString reason;
        const bool written = SaveSettingsFile(path, Block(DefaultImage()), &reason);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written && !reason.isEmpty());
        QCOMPARE(ReadFile(path).mid(36), kBody);
        QCOMPARE(QDir(dir.path()).entryList({ "kept.dat*" }, QDir::Files), QStringList { "kept.dat" });
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_SettingsFile.moc"
