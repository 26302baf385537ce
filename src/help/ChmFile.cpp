// CHM access on chmlib. chmlib trusts the sizes and offsets in a file's headers, so Open checks them against the
// file before chmlib sees it; Load then reads every object once: a file that loads here can be shown in full.
#include "help/ChmFile.h"

#include "files/PlatformFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtEndian>
#include <chm_lib.h>

namespace {

// Limits well above any help file of ours; a header claiming more is damage, not content.
constexpr qint64 kMaxObjectSize = 64 * 1024 * 1024;
constexpr int kMaxObjectCount = 100000;

// Offsets inside the ITSF file header and the ITSP directory header.
constexpr int kItsfVersion = 4;
constexpr int kItsfHeaderLength = 8;
constexpr int kItsfDirOffset = 72;
constexpr int kItsfDirLength = 80;
constexpr int kItsfSectionOffset = 88; // version 3 only
constexpr int kItsfV2Size = 0x58;
constexpr int kItsfV3Size = 0x60;
constexpr int kItspBlockLength = 16;
constexpr int kItspBlockCount = 44; // the number of directory chunks
constexpr int kItspSize = 0x54;

// System record codes in the #SYSTEM object.
constexpr quint16 kSystemContents = 0;
constexpr quint16 kSystemIndex = 1;
constexpr quint16 kSystemDefaultTopic = 2;
constexpr quint16 kSystemTitle = 3;

QString DecodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Where the file's stored (uncompressed) section starts, and the file's size.
struct TLayout
{
    quint64 FileSize = 0;
    quint64 SectionOffset = 0;
};

// Checks that the two headers chmlib relies on are present and point inside the file.
std::optional<TLayout> ReadLayout(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    const QByteArray itsf = file.read(kItsfV3Size);
    if (itsf.size() < kItsfV2Size || !itsf.startsWith("ITSF"))
        return std::nullopt;
    const auto* raw = reinterpret_cast<const uchar*>(itsf.constData());
    const qint32 version = qFromLittleEndian<qint32>(raw + kItsfVersion);
    const qint32 headerLength = qFromLittleEndian<qint32>(raw + kItsfHeaderLength);
    const quint64 dirOffset = qFromLittleEndian<quint64>(raw + kItsfDirOffset);
    const quint64 dirLength = qFromLittleEndian<quint64>(raw + kItsfDirLength);
    const int needed = version == 3 ? kItsfV3Size : kItsfV2Size;
    if ((version != 2 && version != 3) || headerLength < needed || headerLength > size || itsf.size() < needed)
        return std::nullopt;
    if (dirLength < quint64(kItspSize) || dirOffset > quint64(size) || dirLength > quint64(size) - dirOffset)
        return std::nullopt;
    // Version 2 stores its section right after the directory; version 3 names where it starts.
    const quint64 section = version == 3 ? qFromLittleEndian<quint64>(raw + kItsfSectionOffset) : dirOffset + dirLength;
    if (section > quint64(size) || !file.seek(qint64(dirOffset)))
        return std::nullopt;
    const QByteArray itsp = file.read(kItspSize);
    if (itsp.size() < kItspSize || !itsp.startsWith("ITSP"))
        return std::nullopt;
    const auto* dir = reinterpret_cast<const uchar*>(itsp.constData());
    const quint32 blockLength = qFromLittleEndian<quint32>(dir + kItspBlockLength);
    const quint32 blockCount = qFromLittleEndian<quint32>(dir + kItspBlockCount);
    if (blockLength < 512 || blockLength > 1024 * 1024
        || quint64(blockLength) * blockCount > dirLength - quint64(kItspSize))
        return std::nullopt;
    return TLayout { quint64(size), section };
}

struct TEnumeration
{
    TLayout Layout;
    QStringList Paths;
    bool Sound = true;
};

int CollectObject(chmFile*, chmUnitInfo* unit, void* context)
{
    auto* enumeration = static_cast<TEnumeration*>(context);
    // Stored objects, the compressed stream among them, must lie inside the file: a truncated file shows here
    // without a byte of content being read.
    const quint64 room = enumeration->Layout.FileSize - enumeration->Layout.SectionOffset;
    if (enumeration->Paths.size() >= kMaxObjectCount
        || (unit->space == CHM_UNCOMPRESSED && (unit->start > room || unit->length > room - unit->start))) {
        enumeration->Sound = false;
        return CHM_ENUMERATOR_FAILURE;
    }
    const auto length = qstrnlen(unit->path, CHM_MAX_PATHLEN);
    enumeration->Paths.append(QString::fromUtf8(unit->path, qsizetype(length)));
    return CHM_ENUMERATOR_CONTINUE;
}

QString DecodeEntities(QString text)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
    QRegularExpressionMatch match;
    qsizetype from = 0;
    while ((match = numeric.match(text, from)).hasMatch()) {
        bool ok = false;
        const uint code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
        const QString replacement = ok && code > 0 && code < 0x110000
            ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1)
            : QString();
        text.replace(match.capturedStart(), match.capturedLength(), replacement);
        from = match.capturedStart() + replacement.size();
    }
    // &amp; last, so that "&amp;lt;" stays the text "&lt;".
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QHash<QString, QString> Attributes(const QString& tagBody)
{
    static const QRegularExpression attribute(
        QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
    QHash<QString, QString> attributes;
    auto it = attribute.globalMatch(tagBody);
    while (it.hasNext()) {
        const auto match = it.next();
        QString value = match.captured(2);
        if (match.capturedStart(3) >= 0)
            value = match.captured(3);
        else if (match.capturedStart(4) >= 0)
            value = match.captured(4);
        attributes.insert(match.captured(1).toLower(), DecodeEntities(value));
    }
    return attributes;
}

} // namespace

TChmFile::~TChmFile()
{
    Close();
}

bool TChmFile::Open(const QString& path)
{
    Close();
    const auto layout = ReadLayout(path);
    if (!layout)
        return false;
    m_handle = chm_open(NarrowFilePath(path).constData());
    if (m_handle == nullptr)
        return false;
    m_path = path;
    TEnumeration enumeration { *layout, {}, true };
    if (chm_enumerate(m_handle, CHM_ENUMERATE_ALL, CollectObject, &enumeration) == 0 || !enumeration.Sound) {
        Close();
        return false;
    }
    m_objects = enumeration.Paths;
    if (!ReadSystem()) {
        Close();
        return false;
    }
    return true;
}

bool TChmFile::Load()
{
    // Every file object must read back whole; a corrupted compressed section shows up here.
    for (const QString& path : std::as_const(m_objects)) {
        if (path.startsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('/')) && !Read(path))
            return false;
    }
    m_contents = ParseSitemap(Read(m_contentsPath).value_or(QByteArray()));
    m_index = ParseSitemap(Read(m_indexPath).value_or(QByteArray()));
    return true;
}

void TChmFile::Close()
{
    if (m_handle != nullptr)
        chm_close(m_handle);
    m_handle = nullptr;
    m_path.clear();
    m_objects.clear();
    m_defaultTopic.clear();
    m_title.clear();
    m_contentsPath.clear();
    m_indexPath.clear();
    m_contents.clear();
    m_index.clear();
}

QString TChmFile::NormalisePath(const QString& objectPath)
{
    QString path = objectPath;
    // Links written for the Windows viewer may name the file itself: "ms-its:parlowen.chm::/topic.htm".
    const qsizetype separator = path.indexOf(QLatin1String("::"));
    if (separator >= 0)
        path = path.mid(separator + 2);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // One leading slash only: QDir::cleanPath keeps a leading "//" on Windows, where it begins a network path.
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QLatin1Char('/') + path);
}

QString TChmFile::WithoutAnchor(const QString& topic)
{
    const qsizetype anchor = topic.indexOf(QLatin1Char('#'));
    return anchor >= 0 ? topic.left(anchor) : topic;
}

bool TChmFile::Contains(const QString& objectPath) const
{
    if (m_handle == nullptr)
        return false;
    const QString path = NormalisePath(objectPath);
    if (path.isEmpty())
        return false;
    chmUnitInfo unit {};
    return chm_resolve_object(m_handle, path.toUtf8().constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> TChmFile::Read(const QString& objectPath) const
{
    if (m_handle == nullptr)
        return std::nullopt;
    const QString path = NormalisePath(objectPath);
    chmUnitInfo unit {};
    if (path.isEmpty() || chm_resolve_object(m_handle, path.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > quint64(kMaxObjectSize))
        return std::nullopt;
    QByteArray data(qsizetype(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(
        m_handle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return data;
}

bool TChmFile::ReadSystem()
{
    const auto system = Read(QStringLiteral("/#SYSTEM"));
    if (system && system->size() >= 4) {
        const auto* raw = reinterpret_cast<const uchar*>(system->constData());
        qsizetype offset = 4;
        while (offset + 4 <= system->size()) {
            const quint16 code = qFromLittleEndian<quint16>(raw + offset);
            const quint16 length = qFromLittleEndian<quint16>(raw + offset + 2);
            offset += 4;
            if (offset + length > system->size())
                break;
            QByteArray value = system->mid(offset, length);
            value.truncate(qsizetype(qstrnlen(value.constData(), size_t(value.size()))));
            offset += length;
            if (code == kSystemContents)
                m_contentsPath = NormalisePath(DecodeText(value));
            else if (code == kSystemIndex)
                m_indexPath = NormalisePath(DecodeText(value));
            else if (code == kSystemDefaultTopic)
                m_defaultTopic = NormalisePath(DecodeText(value));
            else if (code == kSystemTitle)
                m_title = DecodeText(value);
        }
    }
    // A file compiled without the records still works: its sitemaps and start page are found by name.
    for (const QString& path : std::as_const(m_objects)) {
        if (m_contentsPath.isEmpty() && path.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive))
            m_contentsPath = path;
        if (m_indexPath.isEmpty() && path.endsWith(QLatin1String(".hhk"), Qt::CaseInsensitive))
            m_indexPath = path;
    }
    if (m_defaultTopic.isEmpty()) {
        const auto contents = ParseSitemap(Read(m_contentsPath).value_or(QByteArray()));
        if (!contents.isEmpty())
            m_defaultTopic = contents.first().Local;
    }
    for (const char* name : { "/index.htm", "/index.html", "/default.htm" }) {
        if (WithoutAnchor(m_defaultTopic).isEmpty() && Contains(QLatin1String(name)))
            m_defaultTopic = QLatin1String(name);
    }
    return Contains(WithoutAnchor(m_defaultTopic));
}

QList<TChmTopic> TChmFile::ParseSitemap(const QByteArray& html)
{
    static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*([A-Za-z]+)([^>]*)>"));
    const QString text = DecodeText(html);
    QList<TChmTopic> roots;
    // Pointers stay valid: a list only grows while it is the innermost one, after its children were closed.
    QList<QList<TChmTopic>*> stack { &roots };
    std::optional<TChmTopic> entry;
    bool sitemapObject = false;

    auto it = tag.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("ul")) {
            if (!closing) {
                QList<TChmTopic>* current = stack.last();
                stack.append(current->isEmpty() ? current : &current->last().Children);
            } else if (stack.size() > 1) {
                stack.removeLast();
            }
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                sitemapObject = Attributes(match.captured(3))
                                    .value(QStringLiteral("type"))
                                    .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive)
                    == 0;
                entry = TChmTopic {};
            } else if (entry && sitemapObject) {
                if (!entry->Name.isEmpty() || !entry->Local.isEmpty())
                    stack.last()->append(*entry);
                entry.reset();
            }
        } else if (name == QLatin1String("param") && entry && sitemapObject) {
            const auto attributes = Attributes(match.captured(3));
            const QString key = attributes.value(QStringLiteral("name")).toLower();
            if (key == QLatin1String("name") && entry->Name.isEmpty())
                entry->Name = attributes.value(QStringLiteral("value")).trimmed();
            else if (key == QLatin1String("local") && entry->Local.isEmpty())
                entry->Local = NormalisePath(attributes.value(QStringLiteral("value")).trimmed());
        }
    }
    return roots;
}
