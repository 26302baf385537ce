// The edit controls on their own: typing limits of the edit and the memo, the linked check box, the spin edit,
// and the message box with its scripted and its real, modal form.
#include "ui/CSpinEdit.h"
#include "ui/JvCheckBox.h"
#include "ui/LimitedEdit.h"
#include "ui/LimitedMemo.h"
#include "ui/ToolkitServices.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

void LeaveField(QWidget* widget)
{
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &leave);
}

} // namespace

class TestEditControls : public QObject
{
    Q_OBJECT

private slots:
    void editTyping_data();
    void editTyping();
    void editPasteKeepsWhatFits();
    void memoTypingStopsAtLimit();
    void memoPasteAndEnter();
    void linkedControlsFollowTheBox();
    void spinEditLeavingTheField_data();
    void spinEditLeavingTheField();
    void spinEditArrowsAndCodeValues();
    void scriptedMessageBox();
    void realMessageBoxDismissedGivesCancel();
};

void TestEditControls::editTyping_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fits") << 8 << QString() << "Tarnvale"
                          << "Tarnvale";
    QTest::newRow("ninth refused") << 8 << QString() << "Tarnvale9"
                                   << "Tarnvale";
    QTest::newRow("sixteenth refused") << 15 << QString() << "abcdefghijklmnopq"
                                       << "abcdefghijklmno";
    QTest::newRow("longer text from code stays, typing adds nothing")
        << 30 << QString(32, QLatin1Char('N')) << "xy" << QString(32, QLatin1Char('N'));
}

void TestEditControls::editTyping()
{
    QFETCH(int, limit);
    QFETCH(QString, preset);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    TLimitedEdit edit(limit);
    edit.setText(preset);
    QCOMPARE(edit.text(), preset); // code is never cut
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.maxLength(), 32767);
}

void TestEditControls::editPasteKeepsWhatFits()
{
    TLimitedEdit edit(8);
    edit.setText(QStringLiteral("abcdef"));
    edit.setCursorPosition(3);
    QGuiApplication::clipboard()->setText(QStringLiteral("XYZW"));
    edit.paste();
    QCOMPARE(edit.text(), QStringLiteral("abcXYdef"));
    QCOMPARE(edit.cursorPosition(), 5);

    // Deleting from a text longer than the limit is allowed: it only shrinks.
    edit.setText(QString(12, QLatin1Char('a')));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString(11, QLatin1Char('a')));
}

void TestEditControls::memoTypingStopsAtLimit()
{
    TLimitedMemo memo(509);
    memo.setPlainText(QString(508, QLatin1Char('m')));
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QStringLiteral("xyz"));
    QCOMPARE(memo.toPlainText(), QString(508, QLatin1Char('m')) + QLatin1Char('x'));

    // A longer text from code shows whole, and typing into it adds nothing.
    const QString foreign(600, QLatin1Char('f'));
    memo.setPlainText(foreign);
    QCOMPARE(memo.toPlainText(), foreign);
    QTest::keyClicks(&memo, QStringLiteral("q"));
    QCOMPARE(memo.toPlainText(), foreign);
}

void TestEditControls::memoPasteAndEnter()
{
    TLimitedMemo memo(10);
    QTest::keyClicks(&memo, QStringLiteral("ab"));
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClick(&memo, Qt::Key_Enter);
    QCOMPARE(memo.Lines(), QStringList { QStringLiteral("ab") });

    // Line breaks do not count against the limit: eight more characters fit after "ab".
    QGuiApplication::clipboard()->setText(QStringLiteral("cd\nefghijklm"));
    memo.paste();
    QCOMPARE(memo.Lines(), (QStringList { QStringLiteral("abcd"), QStringLiteral("efghij") }));
}

void TestEditControls::linkedControlsFollowTheBox()
{
    QWidget edit;
    QWidget spin;
    TJvCheckBox box;
    box.AddLinkedControl(&edit);
    box.AddLinkedControl(&spin);
    QVERIFY(!edit.isEnabled());
    QVERIFY(!spin.isEnabled());

    box.setGeometry(0, 0, 13, 17);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(box.isChecked());
    QVERIFY(edit.isEnabled());
    QVERIFY(spin.isEnabled());

    box.setChecked(false);
    QVERIFY(!edit.isEnabled());
    QVERIFY(!spin.isEnabled());

    // A control linked to a box that is already checked starts enabled.
    TJvCheckBox checked;
    checked.setChecked(true);
    QWidget late;
    late.setEnabled(false);
    checked.AddLinkedControl(&late);
    QVERIFY(late.isEnabled());
}

void TestEditControls::spinEditLeavingTheField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");

    QTest::newRow("within") << "4711" << 4711;
    QTest::newRow("above max") << "70000" << 65000;
    QTest::newRow("far above max") << "99999999999" << 65000;
    QTest::newRow("below min") << "3" << 10;
    QTest::newRow("negative") << "-5" << 10;
    QTest::newRow("not a number") << "abc" << 1000;
    QTest::newRow("empty") << "" << 1000;
}

void TestEditControls::spinEditLeavingTheField()
{
    QFETCH(QString, typed);
    QFETCH(int, expected);

    TCSpinEdit spin(10, 65000);
    spin.SetValue(1000);
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Delete);
    QTest::keyClicks(&spin, typed);
    LeaveField(&spin);
    QCOMPARE(spin.value(), expected);
    QCOMPARE(spin.text(), QString::number(expected));

    // Reading the value judges text that was typed but not yet left.
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Delete);
    QTest::keyClicks(&spin, typed);
    QCOMPARE(spin.Value(), expected);
}

void TestEditControls::spinEditArrowsAndCodeValues()
{
    TCSpinEdit spin(0, 16);
    spin.SetValue(15);
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.Value(), 16);
    QTest::keyClick(&spin, Qt::Key_Up);
    QCOMPARE(spin.Value(), 16);
    QTest::keyClick(&spin, Qt::Key_Down);
    QCOMPARE(spin.Value(), 15);

    spin.SetValue(200);
    QCOMPARE(spin.Value(), 16);
    spin.SetValue(-7);
    QCOMPARE(spin.Value(), 0);
}

void TestEditControls::scriptedMessageBox()
{
    ToolkitScript::Reset();
    ToolkitScript::SetNextAnswer(mrNo);
    QCOMPARE(
        MessageDlg(QStringLiteral("Question?"), TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel, 0), mrNo);
    QCOMPARE(ToolkitScript::AskedBoxes().size(), 1);
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Text, QStringLiteral("Question?"));
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Kind, TMsgDlgType::mtConfirmation);
    QCOMPARE(ToolkitScript::AskedBoxes().constFirst().Buttons, TMsgDlgButtons::mbYesNoCancel);
    ToolkitScript::Reset();
}

void TestEditControls::realMessageBoxDismissedGivesCancel()
{
    ToolkitScript::Reset();
    bool sawBox = false;
    QString text;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        sawBox = box->icon() == QMessageBox::Question;
        text = box->text();
        box->reject(); // dismissed without a choice
    });
    const int result = MessageDlg(
        QStringLiteral("Data has changed\nSave now?"), TMsgDlgType::mtConfirmation, TMsgDlgButtons::mbYesNoCancel, 0);
    QVERIFY(sawBox);
    QCOMPARE(text, QStringLiteral("Data has changed\nSave now?"));
    QCOMPARE(result, mrCancel);
}

QTEST_MAIN(TestEditControls)
#include "test_EditControls.moc"
