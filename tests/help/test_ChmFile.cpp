// The CHM reader against the help file that the build compiles: every link, image, contents and index entry of
// the help must resolve inside it, and damaged files must be refused without harm.
#include "help/ChmFile.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kHelpFile = QStringLiteral(PARLOWEN_HELP_CHM);
const QString kHelpSources = QStringLiteral(PARLOWEN_HELP_SOURCES);

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Topics(const TChmFile& chm)
{
    QStringList topics;
    for (const QString& path : chm.Objects()) {
        if (path.endsWith(QLatin1String(".htm")) || path.endsWith(QLatin1String(".html")))
            topics.append(path);
    }
    return topics;
}

// Resolves a link found in `topic` as a browser would, independently of the reader's own path handling.
QUrl Resolve(const QString& topic, const QString& link)
{
    return QUrl(QStringLiteral("chm:") + topic).resolved(QUrl(link));
}

bool HasAnchor(const QByteArray& html, const QString& anchor)
{
    const QRegularExpression target(
        QStringLiteral("\\b(?:id|name)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(anchor)));
    return target.match(QString::fromUtf8(html)).hasMatch();
}

void CheckTarget(const TChmFile& chm, const QString& from, const QUrl& url, QStringList& failures)
{
    const QString path = url.path();
    const auto target = chm.Read(path);
    if (!target) {
        failures << QStringLiteral("%1 -> %2: no such object").arg(from, path);
        return;
    }
    if (url.hasFragment() && !HasAnchor(*target, url.fragment()))
        failures << QStringLiteral("%1 -> %2#%3: no such anchor").arg(from, path, url.fragment());
}

void CollectEntries(const QList<TChmTopic>& topics, QList<TChmTopic>& flat)
{
    for (const TChmTopic& topic : topics) {
        flat.append(topic);
        CollectEntries(topic.Children, flat);
    }
}

// "Name(local){children}" for each entry, so that a whole tree compares as one string.
QString Describe(const QList<TChmTopic>& topics)
{
    QString text;
    for (const TChmTopic& topic : topics) {
        text += topic.Name + QLatin1Char('(') + topic.Local + QLatin1Char(')');
        if (!topic.Children.isEmpty())
            text += QLatin1Char('{') + Describe(topic.Children) + QLatin1Char('}');
    }
    return text;
}

} // namespace

class TestChmFile : public QObject
{
    Q_OBJECT

private slots:
    void builtHelpOpens();
    void everyLinkAndImageResolves();
    void contentsAndIndexReferenceExistingTopics();
    void parseSitemap_data();
    void parseSitemap();
    void damagedFileIsRefused_data();
    void damagedFileIsRefused();
};

void TestChmFile::builtHelpOpens()
{
    TChmFile chm;
    QVERIFY2(chm.Open(kHelpFile), qPrintable(kHelpFile));
    QCOMPARE(chm.DefaultTopic(), QStringLiteral("/index.htm"));
    QCOMPARE(chm.Title(), QStringLiteral("QUILMOX Parlowen Help"));
    QVERIFY(!chm.Contains(QStringLiteral("/no-such-topic.htm")));
    // Objects read back byte for byte as their sources, also when named the Windows way.
    const std::pair<const char*, const char*> objects[] = { { "/index.htm", "index.htm" },
        { "/images/parlowen.png", "images/parlowen.png" }, { "\\images\\parlowen.png", "images/parlowen.png" } };
    for (const auto& [object, source] : objects) {
        const auto data = chm.Read(QLatin1String(object));
        const QByteArray expected = FileBytes(kHelpSources + QLatin1Char('/') + QLatin1String(source));
        QVERIFY2(data.has_value() && !expected.isEmpty(), object);
        QVERIFY2(*data == expected, object);
    }
    chm.Close();
    QVERIFY(!chm.IsOpen());
    QVERIFY(!chm.Read(QStringLiteral("/index.htm")).has_value());
    QVERIFY(chm.Objects().isEmpty());
}

void TestChmFile::everyLinkAndImageResolves()
{
    TChmFile chm;
    QVERIFY(chm.Open(kHelpFile));
    const QRegularExpression reference(QStringLiteral("\\b(href|src)\\s*=\\s*\"([^\"]*)\""));
    QStringList failures;
    int links = 0;
    int images = 0;
    const QStringList topics = Topics(chm);
    QVERIFY(topics.size() >= 10);
    for (const QString& topic : topics) {
        const QString html = QString::fromUtf8(*chm.Read(topic));
        auto it = reference.globalMatch(html);
        while (it.hasNext()) {
            const auto match = it.next();
            const QUrl link(match.captured(2));
            if (!link.scheme().isEmpty()) {
                // Links out of the help are allowed only to the web and to mail.
                if (!QStringList { "http", "https", "mailto" }.contains(link.scheme()))
                    failures << QStringLiteral("%1: unexpected link %2").arg(topic, link.toString());
                continue;
            }
            (match.captured(1) == QLatin1String("src") ? images : links)++;
            CheckTarget(chm, topic, Resolve(topic, match.captured(2)), failures);
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    QVERIFY(links > 50);
    QVERIFY(images >= 1);
}

void TestChmFile::contentsAndIndexReferenceExistingTopics()
{
    TChmFile chm;
    QVERIFY(chm.Open(kHelpFile));
    for (const auto& [name, tree] : { std::pair { "contents", chm.Contents() }, std::pair { "index", chm.Index() } }) {
        QList<TChmTopic> entries;
        CollectEntries(tree, entries);
        QVERIFY2(entries.size() >= 10, name);
        QStringList failures;
        for (const TChmTopic& entry : entries) {
            if (entry.Name.isEmpty() || entry.Local.isEmpty())
                failures << QStringLiteral("%1: incomplete entry %2 (%3)").arg(name, entry.Name, entry.Local);
            else
                CheckTarget(chm, QString::fromLatin1(name), Resolve(QStringLiteral("/"), entry.Local), failures);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
}

void TestChmFile::parseSitemap_data()
{
    QTest::addColumn<QByteArray>("sitemap");
    QTest::addColumn<QString>("tree");
    const auto entry = [](const char* name, const char* local) {
        return QByteArray(R"(<LI><OBJECT type="text/sitemap"><param name="Name" value=")") + name
            + R"("><param name="Local" value=")" + local + R"("></OBJECT>)";
    };
    const QByteArray a = entry("A", "a.htm"), b = entry("B", "b.htm"), c = entry("C", "c.htm");
    QTest::newRow("nested, then back out") << "<UL>" + a + "<UL>" + b + "</UL>" + c + "</UL>"
                                           << "A(/a.htm){B(/b.htm)}C(/c.htm)";
    QTest::newRow("entities in values") << QByteArray(
        R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="I/O &amp; &quot;Outputs&quot; &#8211;">)"
        R"(<param name="Local" value="io.htm#x"></OBJECT></UL>)")
                                        << QStringLiteral("I/O & \"Outputs\" \u2013(/io.htm#x)");
    QTest::newRow("paths of the Windows viewer")
        << QByteArray(R"(<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="W">)"
                      R"(<param name="Local" value="ms-its:parlowen.chm::/sub\page.htm"></OBJECT></UL>)")
        << "W(/sub/page.htm)";
    QTest::newRow("cut off inside an entry")
        << "<UL>" + a + R"(<LI><OBJECT type="text/sitemap"><param name="Name" value="X")"
        << "A(/a.htm)";
    QTest::newRow("not a sitemap") << QByteArray("\x00\xff garbage <<<>>>", 16) << "";
}

void TestChmFile::parseSitemap()
{
    QFETCH(QByteArray, sitemap);
    QFETCH(QString, tree);
    QCOMPARE(Describe(TChmFile::ParseSitemap(sitemap)), tree);
}

void TestChmFile::damagedFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray real = FileBytes(kHelpFile);
    QVERIFY(real.size() > 4096);
    QByteArray random(real.size(), Qt::Uninitialized);
    QRandomGenerator generator(20240101);
    for (char& byte : random)
        byte = char(generator.generate());
    QByteArray badDirectory = real;
    badDirectory[72] = char(0x7f); // directory offset far past the end of the file
    QByteArray foreignMagic = real;
    foreignMagic[0] = 'X';

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("random bytes") << random;
    QTest::newRow("not a CHM: text") << QByteArray("<html><body>help</body></html>");
    QTest::newRow("foreign magic") << foreignMagic;
    QTest::newRow("directory offset past the end") << badDirectory;
    QTest::newRow("truncated in the header") << real.left(40);
    QTest::newRow("truncated to a half") << real.left(real.size() / 2);
    QTest::newRow("last 100 bytes missing") << real.left(real.size() - 100);
}

void TestChmFile::damagedFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("damaged.chm"));
    WriteBytes(path, bytes);
    TChmFile chm;
    QVERIFY(!chm.Open(path));
    QVERIFY(!chm.IsOpen());
    QVERIFY(!chm.Read(QStringLiteral("/index.htm")).has_value());
    QVERIFY(chm.DefaultTopic().isEmpty());
    QVERIFY(chm.Contents().isEmpty());
    // A refused file leaves the reader usable for a sound one.
    QVERIFY(chm.Open(kHelpFile));
}

QTEST_MAIN(TestChmFile)
#include "test_ChmFile.moc"
