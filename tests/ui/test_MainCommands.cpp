// The window's commands through its buttons: the close question with each answer, save and load with their
// dialogs, boxes and log lines, and the refusals that must leave everything as it was.
#include "FormProbe.h"
#include "ui/ToolkitServices.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

const QString kCloseQuestion = QStringLiteral("Data has changed\nSave now?");

QByteArray Header(qint32 version, const QByteArray& title)
{
    QByteArray header(36, '\0');
    qToLittleEndian(version, header.data());
    header.replace(4, title.size(), title);
    return header;
}

} // namespace

class TestMainCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init() { ToolkitScript::Reset(); }
    void cleanup() { ToolkitScript::Reset(); }

    void closeQuestion_data();
    void closeQuestion();
    void yesSavesStaysOpenThenClosesWithoutAsking();
    void saveThenLoad();
    void loadRefusals_data();
    void loadRefusals();
    void failedSaveReportsAndKeepsAsking();
};

void TestMainCommands::closeQuestion_data()
{
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");

    const QStringList name { "DeviceNameEdit" };
    QTest::newRow("unchanged closes without asking") << QStringList() << QVariantList() << 0 << true;
    QTest::newRow("changed back closes without asking") << QStringList { "OutputStartStatusJvCheckBox16",
        "OutputOnEdit1", "OutputStartStatusJvCheckBox16", "OutputOnEdit1" }
                                                        << QVariantList { true, "Other", false, "IPOn1" } << 0 << true;
    QTest::newRow("changed, No closes") << name << QVariantList { "Changed" } << mrNo << true;
    QTest::newRow("changed, Cancel stays") << name << QVariantList { "Changed" } << mrCancel << false;
}

void TestMainCommands::closeQuestion()
{
    QFETCH(QStringList, controls);
    QFETCH(QVariantList, values);
    QFETCH(int, answer);
    QFETCH(bool, closes);

    TMainForm form;
    form.show();
    for (int i = 0; i < controls.size(); ++i)
        SetControl(form, controls[i], values[i]);
    if (answer)
        ToolkitScript::SetNextAnswer(answer);
    Click(form, "ExitButton");
    QCOMPARE(form.isVisible(), !closes);
    QVERIFY(ToolkitScript::AskedDialogs().isEmpty());
    if (!answer) {
        QVERIFY(ToolkitScript::AskedBoxes().isEmpty());
        return;
    }
    QCOMPARE(AskedTexts(), QStringList { kCloseQuestion });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtConfirmation);
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Buttons, TMsgDlgButtons::mbYesNoCancel);
}

void TestMainCommands::yesSavesStaysOpenThenClosesWithoutAsking()
{
    TMainForm form;
    form.show();
    Control<QLineEdit>(form, QStringLiteral("PasswordEdit"))->setText(QStringLiteral("secret"));
    const QString path = dir.filePath(QStringLiteral("yes.dat"));
    ToolkitScript::SetNextAnswer(mrYes);
    ToolkitScript::SetNextFileName(path);
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    QCOMPARE(ToolkitScript::AskedDialogs().size(), 1);
    QCOMPARE(ToolkitScript::AskedDialogs().constFirst().Kind, TFileDialogKind::Save);
    QCOMPARE(LogLines(form), (QStringList { "File Saved:", path }));
    QCOMPARE(QFileInfo(path).size(), 1884);

    QVERIFY(form.close());
    QCOMPARE(AskedTexts(), QStringList { kCloseQuestion }); // asked once, not twice
}

void TestMainCommands::saveThenLoad()
{
    TMainForm form;
    Control<QLineEdit>(form, QStringLiteral("PhoneNumberEdit"))->setText(QStringLiteral("0123456789"));
    Control<QCheckBox>(form, QStringLiteral("InvertOutputsJvCheckBox1"))->setChecked(true);
    const QString path = dir.filePath(QStringLiteral("round.dat"));
    ToolkitScript::SetNextFileName(path);
    Click(form, "SaveButton");
    const QByteArray saved = Bytes(form.Config);
    QCOMPARE(Bytes(form.ConfigSnapshot), saved);

    Control<QLineEdit>(form, QStringLiteral("PhoneNumberEdit"))->setText(QStringLiteral("999"));
    Control<QCheckBox>(form, QStringLiteral("InvertOutputsJvCheckBox1"))->setChecked(false);
    ToolkitScript::SetNextFileName(path);
    Click(form, "LoadButton");
    QCOMPARE(Bytes(form.Config), saved);
    QCOMPARE(Bytes(form.ConfigSnapshot), saved);
    QCOMPARE(Control<QLineEdit>(form, QStringLiteral("PhoneNumberEdit"))->text(), QStringLiteral("0123456789"));
    QVERIFY(Control<QCheckBox>(form, QStringLiteral("InvertOutputsJvCheckBox1"))->isChecked());
    QCOMPARE(LogLines(form), (QStringList { "File Saved:", path, "File Loaded:", path }));
    QCOMPARE(ToolkitScript::AskedDialogs().at(1).Kind, TFileDialogKind::Open);
    QVERIFY(ToolkitScript::AskedBoxes().isEmpty());
}

void TestMainCommands::loadRefusals_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("logged");

    const QByteArray title("QUILMOX Parlowen\0", 17);
    const QByteArray body(1848, '\x01');
    QTest::newRow("title in other case") << Header(1, QByteArray("QUILMOX PARLOWEN\0", 17)) + body
                                         << "Incompatible data file." << false;
    QTest::newRow("version 2") << Header(2, title) + body << "The file uses a later data format.\r\nCannot load"
                               << false;
    QTest::newRow("header only") << Header(1, title) << "Error Opening File." << true;
    QTest::newRow("body one byte short") << Header(1, title) + body.left(1847) << "Error Opening File." << true;
}

void TestMainCommands::loadRefusals()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, box);
    QFETCH(bool, logged);

    TMainForm form;
    form.Log(QStringLiteral("earlier line"));
    auto* name = Control<QLineEdit>(form, QStringLiteral("DeviceNameEdit"));
    name->setText(QStringLiteral("Not yet collected"));
    const QByteArray config = Bytes(form.Config);
    const QByteArray snapshot = Bytes(form.ConfigSnapshot);

    const QString path = dir.filePath(QStringLiteral("refused.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();

    ToolkitScript::SetNextAnswer(mrOk);
    ToolkitScript::SetNextFileName(path);
    Click(form, "LoadButton");

    QCOMPARE(AskedTexts(), QStringList { box });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtError);
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Buttons, TMsgDlgButtons::mbOK);
    QCOMPARE(Bytes(form.Config), config);
    QCOMPARE(Bytes(form.ConfigSnapshot), snapshot);
    QCOMPARE(name->text(), QStringLiteral("Not yet collected"));
    QStringList expectedLog { "earlier line" };
    if (logged)
        expectedLog << "File Error:" << path;
    QCOMPARE(LogLines(form), expectedLog);
}

void TestMainCommands::failedSaveReportsAndKeepsAsking()
{
    TMainForm form;
    form.show();
    Control<QLineEdit>(form, QStringLiteral("DeviceNameEdit"))->setText(QStringLiteral("Unsaved"));
    const QString path = dir.filePath(QStringLiteral("missing-folder/settings.dat"));
    ToolkitScript::SetNextFileName(path);
    ToolkitScript::SetNextAnswer(mrOk);
    Click(form, "SaveButton");
    QCOMPARE(AskedTexts(), QStringList { "Error Saving File." });
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtError);
    QCOMPARE(LogLines(form), (QStringList { "File Error:", path }));
    QCOMPARE(Bytes(form.ConfigSnapshot), DefaultImage());

    ToolkitScript::SetNextAnswer(mrCancel);
    QVERIFY(!form.close());
    QCOMPARE(AskedTexts().last(), kCloseQuestion);
}

QTEST_MAIN(TestMainCommands)
#include "test_MainCommands.moc"
