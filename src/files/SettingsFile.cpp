#include "files/SettingsFile.h"

#include "files/PlatformFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstring>

namespace {

constexpr int kTitleOffset = 4;
constexpr int kTitleWithZero = sizeof kSettingsTitle; // the title and its NUL: the bytes the title test reads

QByteArray Header()
{
    QByteArray header(kSettingsHeaderSize, '\0');
    qToLittleEndian<qint32>(kSettingsFormatVersion, header.data());
    std::memcpy(header.data() + kTitleOffset, kSettingsTitle, kTitleWithZero);
    return header;
}

// Refused before any open: opening a pipe no one writes to would block, and saving over a device or a folder
// would write to the device or put a file in its place.
bool RefuseSpecialFile(const QString& path, QString* errorText)
{
    if (!IsSpecialFile(path))
        return false;
    if (errorText)
        *errorText = QStringLiteral("not a regular file");
    return true;
}

bool WriteAll(QSaveFile& file, const char* data, qint64 size)
{
    // QSaveFile commits after a short write without noticing, so every count is checked here. The file is
    // unbuffered, so the count is what the file system took, not what a buffer did.
    return file.write(data, size) == size;
}

} // namespace

QString LoadOutcomeText(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::IncompatibleTitle:
        return QCoreApplication::translate("SettingsFile", "Incompatible data file.");
    case LoadOutcome::LaterFormat:
        return QCoreApplication::translate("SettingsFile", "The file uses a later data format.\r\nCannot load");
    case LoadOutcome::Error:
        return QCoreApplication::translate("SettingsFile", "Error Opening File.");
    case LoadOutcome::Loaded:
        break;
    }
    return QString();
}

QString SaveErrorText()
{
    return QCoreApplication::translate("SettingsFile", "Error Saving File.");
}

QByteArray SettingsFileImage(const TConfigBlock& config)
{
    QByteArray image = Header();
    image.append(reinterpret_cast<const char*>(BlockBytes(config)), kConfigBlockSize);
    return image;
}

LoadOutcome ParseSettingsImage(const QByteArray& image, TConfigBlock& config)
{
    // The title is compared on the bytes the file delivered, up to and including the title's NUL; the rest of
    // the title field carries no meaning.
    const int titleBytes = std::min<int>(kTitleWithZero, std::max<int>(0, image.size() - kTitleOffset));
    if (titleBytes < kTitleWithZero || std::memcmp(image.constData() + kTitleOffset, kSettingsTitle, kTitleWithZero))
        return LoadOutcome::IncompatibleTitle;

    // The version precedes the title, so a file that holds the title holds the version too.
    if (qFromLittleEndian<qint32>(image.constData()) >= 2)
        return LoadOutcome::LaterFormat;

    // A body cut short would leave the old block's tail behind a half-loaded file: refuse it whole.
    if (image.size() < kSettingsFileSize)
        return LoadOutcome::Error;

    std::memcpy(BlockBytes(config), image.constData() + kSettingsHeaderSize, kConfigBlockSize);
    return LoadOutcome::Loaded;
}

LoadOutcome LoadSettingsFile(const QString& path, TConfigBlock& config, QString* errorText)
{
    if (RefuseSpecialFile(path, errorText))
        return LoadOutcome::Error;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return LoadOutcome::Error;
    }
    const QByteArray image = file.read(kSettingsFileSize);
    if (file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = file.errorString();
        return LoadOutcome::Error;
    }
    const LoadOutcome outcome = ParseSettingsImage(image, config);
    if (outcome == LoadOutcome::Error && errorText)
        *errorText = QStringLiteral("the file ends before the end of its configuration block");
    return outcome;
}

bool SaveSettingsFile(const QString& path, const TConfigBlock& config, QString* errorText)
{
    // QSaveFile itself writes through a symbolic link to a regular file.
    if (RefuseSpecialFile(path, errorText))
        return false;
    QSaveFile file(path);
    const QByteArray header = Header();
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && WriteAll(file, header.constData(), header.size())
        && WriteAll(file, reinterpret_cast<const char*>(BlockBytes(config)), kConfigBlockSize);
    if (!written) {
        if (errorText)
            *errorText = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}
