// The settings file: its byte image, every refusal, and special files. (The command line's tests fill the disk
// during a save and find the old file whole.)
#include "PlatformFiles.h"
#include "TestSupport.h"
#include "files/SettingsFile.h"

#include <QtTest>

namespace {

const QByteArray kTitle("QUILMOX Parlowen\0", 17), kBody(kConfigBlockSize, '\x11');

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

    // What the system calls special is never read and never replaced by a save; what only looks special is a file
    // like any other (a symbolic link to a regular file is saved through). A missing file or folder is an error.
    void specialFiles()
    {
        TConfigBlock config = Block(DefaultImage());
        const QString kRefused = QStringLiteral("not a regular file");
        QString reason;
        for (const QString& path : SpecialPaths(dir.path())) {
            // Refused by what the path names, before any open could fail on it or block.
            QVERIFY2(LoadSettingsFile(path, config, &reason) == LoadOutcome::Error && reason == kRefused, qPrintable(path));
            QVERIFY2(!SaveSettingsFile(path, config, &reason) && reason == kRefused, qPrintable(path));
        }
        QVERIFY(LoadSettingsFile(dir.filePath("missing.dat"), config) == LoadOutcome::Error
            && !SaveSettingsFile(dir.filePath("no/such/x.dat"), config));
        for (const auto& [path, target] : OrdinaryPaths(dir.path())) {
            QVERIFY2(SaveSettingsFile(path, config), qPrintable(path));
            QCOMPARE(ReadFile(target).mid(36), DefaultImage());
            QVERIFY(LoadSettingsFile(path, config) == LoadOutcome::Loaded);
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_SettingsFile.moc"
