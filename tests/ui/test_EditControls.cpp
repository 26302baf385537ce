// The edit controls on their own: pasting into the edit and the memo, the memo's Enter key, values typed into the
// spin edit, and the real, modal message box dismissed without a choice.
#include "ui/controls/CSpinEdit.h"
#include "ui/controls/LimitedEdit.h"
#include "ui/controls/LimitedMemo.h"
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
    void editPasteKeepsWhatFits();
    void memoPasteAndEnter();
    void spinEditLeavingTheField_data();
    void spinEditLeavingTheField();
    void realMessageBoxDismissedGivesCancel();
};

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

    // A longer text from code shows whole, and typing into it adds nothing.
    const QString foreign(600, QLatin1Char('f'));
    memo.setPlainText(foreign);
    QCOMPARE(memo.toPlainText(), foreign);
    QTest::keyClicks(&memo, QStringLiteral("q"));
    QCOMPARE(memo.toPlainText(), foreign);
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

void TestEditControls::realMessageBoxDismissedGivesCancel()
{
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
