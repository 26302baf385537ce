// The signal strength window: the bar and its text for values in and above the range, showing and hiding,
// and the Refresh request that the main window answers.
#include "EmulatedController.h"
#include "FormProbe.h"
#include "ui/Signalstrengthunit.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

class TestSignalstrength : public QObject
{
    Q_OBJECT

private slots:
    void startsHiddenAndEmpty();
    void value_data();
    void value();
    void showingAgainKeepsTheValue();
    void refreshAsksTheMainWindow();
    void mainWindowButtonShowsIt();
};

void TestSignalstrength::startsHiddenAndEmpty()
{
    TSignalStrengthForm form;
    QVERIFY(!form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("SignalStrengthForm"));
    QCOMPARE(form.size(), QSize(355, 146));
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->geometry(), QRect(16, 32, 315, 17));
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->maximum(), 30);
    QCOMPARE(form.RefreshButton->text(), QStringLiteral("Refresh"));
    QCOMPARE(form.CloseButton->text(), QStringLiteral("Close"));
}

void TestSignalstrength::value_data()
{
    QTest::addColumn<int>("reply");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << 0 << 0 << "0";
    QTest::newRow("half") << 15 << 15 << "15";
    QTest::newRow("full") << 30 << 30 << "30";
    QTest::newRow("above fills, text shows the value") << 31 << 30 << "31";
    QTest::newRow("largest reply byte") << 255 << 30 << "255";
}

void TestSignalstrength::value()
{
    QFETCH(int, reply);
    QFETCH(int, position);
    QFETCH(QString, text);

    TSignalStrengthForm form;
    form.ShowSignalStrength(7); // an earlier value must not linger
    form.ShowSignalStrength(reply);
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->value(), position);
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->text(), text);
    QVERIFY(!form.isVisible()); // setting the value does not show the window
}

void TestSignalstrength::showingAgainKeepsTheValue()
{
    TSignalStrengthForm form;
    form.show();
    form.ShowSignalStrength(12);
    QTest::mouseClick(form.CloseButton, Qt::LeftButton);
    QVERIFY(form.isHidden());
    form.show();
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->value(), 12);
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->text(), QStringLiteral("12"));
}

void TestSignalstrength::refreshAsksTheMainWindow()
{
    TSignalStrengthForm form;
    QSignalSpy spy(&form, &TSignalStrengthForm::refreshRequested);
    QTest::mouseClick(form.RefreshButton, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestSignalstrength::mainWindowButtonShowsIt()
{
    // No controller attached: the window comes up first, keeps its last value, and the request reports the
    // missing controller.
    EmulatedController noController;
    TMainForm main(nullptr, &noController);
    TSignalStrengthForm form;
    form.ShowSignalStrength(9);
    main.SetSignalStrengthForm(&form);
    ToolkitScript::Reset();
    ToolkitScript::SetNextAnswer(mrOk);
    QTest::mouseClick(Control<QPushButton>(main, QStringLiteral("SignalStrengthButton")), Qt::LeftButton);
    QVERIFY(form.isVisible());
    QCOMPARE(form.SignalStrenthAdvSmoothProgressBar->text(), QStringLiteral("9"));
    QCOMPARE(ToolkitScript::AskedBoxes().size(), 1);
    QCOMPARE(ToolkitScript::AskedBoxes().first().Text, QStringLiteral("Cannot find QUILMOX"));
}

QTEST_MAIN(TestSignalstrength)
#include "test_Signalstrength.moc"
