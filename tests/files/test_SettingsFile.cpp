// The settings file: its byte image, the refusals, and saves that fail without harm.
#include "../config/BlockImage.h"
#include "files/SettingsFile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

// A header built here from its parts: version, title bytes, zero fill to 36.
QByteArray MakeHeader(qint32 version, const QByteArray& title)
{
    QByteArray header(36, '\0');
    qToLittleEndian(version, header.data());
    std::memcpy(header.data() + 4, title.constData(), std::min<qsizetype>(title.size(), 32));
    return header;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kTitle("QUILMOX Parlowen\0", 17);
const QByteArray kBody(kConfigBlockSize, '\x11');

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void savedDefaultFileImage()
    {
        const QString path = dir.filePath("default.dat");
        QVERIFY(SaveSettingsFile(path, DefaultBlock()));
        const QByteArray file = ReadFile(path);
        QCOMPARE(file.size(), 1884);
        QCOMPARE(file.left(4), QByteArray("\x01\x00\x00\x00", 4));
        QCOMPARE(file.mid(4, 17), kTitle);
        QCOMPARE(file.mid(21, 15), QByteArray(15, '\0'));
        QCOMPARE(file.mid(36), Bytes(DefaultBlock()));
    }

    void saveThenLoadRestoresEveryByte()
    {
        TConfigBlock written {};
        for (int i = 0; i < kConfigBlockSize; ++i)
            BlockBytes(written)[i] = static_cast<uint8_t>(i * 7 + 3);
        const QString path = dir.filePath("all-bytes.dat");
        QVERIFY(SaveSettingsFile(path, written));

        TConfigBlock read = DefaultBlock();
        QCOMPARE(LoadSettingsFile(path, read), LoadOutcome::Loaded);
        QCOMPARE(Bytes(read), Bytes(written));
    }

    void outcomes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<LoadOutcome>("outcome");
        QTest::newRow("version 1") << MakeHeader(1, kTitle) + kBody << LoadOutcome::Loaded;
        QTest::newRow("version 0") << MakeHeader(0, kTitle) + kBody << LoadOutcome::Loaded;
        QTest::newRow("version -1") << MakeHeader(-1, kTitle) + kBody << LoadOutcome::Loaded;
        QTest::newRow("bytes after the body") << MakeHeader(1, kTitle) + kBody + "trailer" << LoadOutcome::Loaded;
        QTest::newRow("junk after the title's NUL") << MakeHeader(1, kTitle + "junk") + kBody << LoadOutcome::Loaded;
        QTest::newRow("empty file") << QByteArray() << LoadOutcome::IncompatibleTitle;
        QTest::newRow("title in other case")
            << MakeHeader(1, QByteArray("QUILMOX PARLOWEN\0", 17)) + kBody << LoadOutcome::IncompatibleTitle;
        QTest::newRow("title without its NUL")
            << MakeHeader(1, "QUILMOX Parlowen!") + kBody << LoadOutcome::IncompatibleTitle;
        QTest::newRow("file ends inside the title") << MakeHeader(1, kTitle).left(12) << LoadOutcome::IncompatibleTitle;
        QTest::newRow("version 2") << MakeHeader(2, kTitle) + kBody << LoadOutcome::LaterFormat;
        QTest::newRow("version 2, wrong title")
            << MakeHeader(2, "Another Tool\0") + kBody << LoadOutcome::IncompatibleTitle;
        QTest::newRow("header of 36 bytes only") << MakeHeader(1, kTitle) << LoadOutcome::Error;
        QTest::newRow("title, no full header") << MakeHeader(1, kTitle).left(25) << LoadOutcome::Error;
        QTest::newRow("body of 1000 bytes") << MakeHeader(1, kTitle) + kBody.left(1000) << LoadOutcome::Error;
        QTest::newRow("body one byte short") << MakeHeader(1, kTitle) + kBody.chopped(1) << LoadOutcome::Error;
    }

    void outcomes()
    {
        QFETCH(QByteArray, file);
        QFETCH(LoadOutcome, outcome);
        const QString path = dir.filePath("case.dat");
        WriteFile(path, file);

        const TConfigBlock before = DefaultBlock();
        TConfigBlock config = before;
        QCOMPARE(LoadSettingsFile(path, config), outcome);
        if (outcome == LoadOutcome::Loaded)
            QCOMPARE(Bytes(config), kBody);
        else
            QCOMPARE(Bytes(config), Bytes(before)); // a refused file changes nothing
    }

    void missingFileIsAnError()
    {
        TConfigBlock config = DefaultBlock();
        QString reason;
        QCOMPARE(LoadSettingsFile(dir.filePath("no-such.dat"), config, &reason), LoadOutcome::Error);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(Bytes(config), Bytes(DefaultBlock()));
    }

    void failedSaveKeepsTheOldFile()
    {
        // The file system refuses every byte past the 1000th (a full disk or a quota, as root sees it too):
        // the save fails and the file already there keeps its bytes.
        const QString path = dir.filePath("kept.dat");
        const QByteArray old = MakeHeader(1, kTitle) + kBody;
        WriteFile(path, old);

        rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString reason;
        const bool saved1 = SaveSettingsFile(path, DefaultBlock(), &reason);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved1);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList({ "kept.dat*" }, QDir::Files), QStringList { "kept.dat" });
    }

    void saveWhereNoFileCanBeFails()
    {
        QString reason;
        QVERIFY(!SaveSettingsFile(dir.filePath("missing/folder/x.dat"), DefaultBlock(), &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("missing/folder/x.dat")));

        const QString folder = dir.filePath("a-folder.dat");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!SaveSettingsFile(folder, DefaultBlock()));
        QVERIFY(QFileInfo(folder).isDir());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_SettingsFile.moc"
