// The settings file: its byte image, every refusal, and special files. (The command line's tests fill the disk
// during a save and find the old file whole.)
#include "TestSupport.h"
#include "files/SettingsFile.h"

#include <QtTest>

namespace {

const QByteArray kTitle("QUILMOX Parlowen\0", 17);
const QByteArray kBody(kConfigBlockSize, '\x11');

QByteArray Header(qint32 version, const QByteArray& title)
{
    const qint32 littleEndian = qToLittleEndian(version);
    return QByteArray(reinterpret_cast<const char*>(&littleEndian), 4) + title.leftJustified(32, '\0');
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
        const TConfigBlock written = RandomToolBlock(random, true); // Padding travels with the file
        const QString path = dir.filePath("saved.dat");
        QVERIFY(SaveSettingsFile(path, written));
        QCOMPARE(ReadFile(path).toHex(' '), (Header(1, kTitle) + Bytes(written)).toHex(' '));
        TConfigBlock read = Block(DefaultImage());
        QCOMPARE(LoadSettingsFile(path, read), LoadOutcome::Loaded);
        QCOMPARE(Bytes(read), Bytes(written));
    }

    // Each row: the file's bytes and the outcome; a refused file changes nothing.
    void outcomes()
    {
        const std::pair<QByteArray, LoadOutcome> rows[] = { { Header(0, kTitle) + kBody, LoadOutcome::Loaded },
            { Header(-1, kTitle) + kBody, LoadOutcome::Loaded },
            { Header(1, kTitle + "junk") + kBody + "trailer", LoadOutcome::Loaded }, // bytes nobody reads
            { QByteArray(), LoadOutcome::IncompatibleTitle },
            { Header(1, "QUILMOX PARLOWEN") + kBody, LoadOutcome::IncompatibleTitle },
            { Header(1, "QUILMOX Parlowen!") + kBody, LoadOutcome::IncompatibleTitle }, // no zero after the title
            { Header(1, kTitle).left(20), LoadOutcome::IncompatibleTitle }, // ends inside the title
            { Header(2, kTitle) + kBody, LoadOutcome::LaterFormat },
            { Header(2, "Another Tool") + kBody, LoadOutcome::IncompatibleTitle }, // the title is judged first
            { Header(1, kTitle), LoadOutcome::Error }, { Header(1, kTitle) + kBody.chopped(1), LoadOutcome::Error } };
        for (const auto& [file, outcome] : rows) {
            QVERIFY(WriteFile(dir.filePath("case.dat"), file));
            TConfigBlock config = Block(DefaultImage());
            QCOMPARE(LoadSettingsFile(dir.filePath("case.dat"), config), outcome);
            QCOMPARE(Bytes(config), outcome == LoadOutcome::Loaded ? kBody : DefaultImage());
        }
    }

    // A folder or a missing file is never read, and a save never puts a file in place of a folder; a symbolic link
    // to a regular file is saved through. (The window's tests give pipes, and links to them, to Load and Save.)
    void specialFiles()
    {
        const QString target = dir.filePath("target.dat"), link = dir.filePath("link.dat");
        QVERIFY(QFile::link(target, link));
        TConfigBlock config = Block(DefaultImage());
        QString reason;
        QVERIFY(LoadSettingsFile(dir.path(), config, &reason) == LoadOutcome::Error && !reason.isEmpty());
        QVERIFY(LoadSettingsFile(dir.filePath("missing.dat"), config) == LoadOutcome::Error);
        QVERIFY(!SaveSettingsFile(dir.path(), config, &reason) && !reason.isEmpty());
        QVERIFY(!SaveSettingsFile(dir.filePath("no/such/x.dat"), config));
        QVERIFY(SaveSettingsFile(link, config) && QFileInfo(link).isSymLink());
        QCOMPARE(ReadFile(target).mid(36), DefaultImage());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_SettingsFile.moc"
