// The window's languages: which one is taken, what installing one brings (the tool's texts and Qt's own), the
// choice in the window's menu, the settings named as the window labels them, and every window in every language
// offscreen: each caption, label and button text fits its control, the main window's controls stand where they
// stand in English, and its labels, which size to their text, run into nothing.
// PARLOWEN_QM_DIR names a folder of .qm files to take instead of the built-in ones, for checking a translation
// while it is being written.
#include "WindowTest.h"
#include "help/HelpViewer.h"
#include "ui/CompareDialog.h"
#include "ui/Languages.h"
#include "ui/SettingLabels.h"
#include "ui/SiteWorkForm.h"

namespace {

void Install(const QString& code)
{
    static QTranslator override;
    QCoreApplication::removeTranslator(&override);
    const QString folder = qEnvironmentVariable("PARLOWEN_QM_DIR");
    QVERIFY(InstallTranslations(code));
    if (!folder.isEmpty() && code != "en") {
        QVERIFY(override.load("parlowen_" + code, folder));
        QCoreApplication::installTranslator(&override);
    }
}

// What of the control's text does not fit it, or an empty string.
QString Cut(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    // The style's room around a button's text, as a caption long enough to pass its minimum width shows it.
    QPushButton probe(QString(40, 'x'));
    probe.setFont(widget->font());
    const int margins = probe.sizeHint().width() - probe.fontMetrics().horizontalAdvance(probe.text());
    QString text;
    bool fits = true;
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
        text = label->text();
        const QRect room = label->contentsRect();
        const QRect needed = metrics.boundingRect(
            QRect(room.topLeft(), QSize(room.width(), 10000)), Qt::TextShowMnemonic | Qt::TextWordWrap, text);
        fits = label->wordWrap() ? needed.width() <= room.width() && needed.height() <= room.height()
                                 : label->sizeHint().width() <= label->width();
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        text = push->text();
        fits = metrics.horizontalAdvance(QString(text).remove('&')) + margins <= push->width();
    } else if (auto* check = qobject_cast<QAbstractButton*>(widget); check && !check->text().isEmpty()) {
        text = check->text();
        const QStyle* style = check->style();
        fits = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)
                + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check)
                + metrics.horizontalAdvance(QString(text).remove('&'))
            <= check->width();
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        text = box->title();
        fits = metrics.horizontalAdvance(text) + 12 <= box->width();
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (metrics.horizontalAdvance(tabs->tabText(i)) + margins > tabs->tabRect(i).width()
                || tabs->tabRect(i).right() >= tabs->width()) {
                fits = false;
                text = tabs->tabText(i);
            }
        }
    }
    return fits ? QString() : QString("%1 \"%2\"").arg(widget->objectName(), text);
}

void Show(QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

QStringList CutTexts(QWidget& window)
{
    window.show();
    QStringList cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&window) && !Cut(widget).isEmpty())
            cut << window.objectName() + ": " + Cut(widget);
    }
    return cut;
}

// The main window's controls with the places they have; a label, which sizes to its text, and Site Work, which
// is centred in the gap it has, must only stay inside their parent and clear of their siblings.
QStringList Misplaced(TMainForm& form, QHash<QString, QRect>& english)
{
    QStringList misplaced;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (qobject_cast<QLabel*>(widget) || name == "SiteWorkButton") {
            bool clear = widget->parentWidget()->rect().contains(widget->geometry());
            for (QObject* sibling : widget->parent()->children()) {
                auto* other = qobject_cast<QWidget*>(sibling);
                clear = clear && (!other || other == widget || !other->geometry().intersects(widget->geometry()));
            }
            if (!clear)
                misplaced
                    << QString("%1 \"%2\" runs into its neighbour").arg(name, widget->property("text").toString());
        } else if (!name.isEmpty() && !name.startsWith("qt_") && widget->parentWidget() != &form) {
            if (InstalledLanguage() == "en")
                english.insert(name, widget->geometry());
            else if (english.value(name) != widget->geometry())
                misplaced << name + " moved";
        }
    }
    return misplaced;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        StartStrict();
        Install("en");
        TMainForm english;
        Show(english);
        Misplaced(english, m_english);
        QVERIFY2(m_english.size() > 250, qPrintable(QString::number(m_english.size())));
    }
    void cleanupTestCase()
    {
        InstallTranslations("en");
        EndStrict();
    }

    void choice_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("taken");
        QTest::newRow("system") << ""
                                << "" << QStringList { "de-AT", "en-US" } << "de";
        QTest::newRow("first with one") << ""
                                        << "" << QStringList { "ja-JP", "fr-CA", "de" } << "fr";
        QTest::newRow("English first") << ""
                                       << "" << QStringList { "en-GB", "de-DE" } << "en";
        QTest::newRow("none known") << ""
                                    << "" << QStringList { "ja-JP" } << "en";
        QTest::newRow("Portuguese") << ""
                                    << "" << QStringList { "pt-PT" } << "pt_BR";
        QTest::newRow("chosen") << ""
                                << "pl" << QStringList { "de-DE" } << "pl";
        QTest::newRow("chosen unknown") << ""
                                        << "xx" << QStringList { "it" } << "it";
        QTest::newRow("command line") << "pt-br"
                                      << "pl" << QStringList { "de-DE" } << "pt_BR";
        QTest::newRow("English asked") << "en"
                                       << "pl" << QStringList { "de-DE" } << "en";
    }
    void choice()
    {
        QFETCH(QString, requested);
        QFETCH(QString, chosen);
        QFETCH(QStringList, system);
        QTEST(ChooseLanguage(requested, chosen, system), "taken");
    }

    // German brings the tool's texts and Qt's own (the boxes' buttons); English takes both away again.
    void install()
    {
        QVERIFY(InstallTranslations("de"));
        QVERIFY(QCoreApplication::translate("TMainForm", "Load File") != "Load File");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        // Values are data: a units table's words, and the batch's record, stay as they are.
        QCOMPARE(DisplayValue(*FindSetting("input1.invert"), true), "on");
        QVERIFY(InstallTranslations("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
        QVERIFY(!InstallTranslations("xx"));
        QCOMPARE(InstalledLanguage(), "en");
    }

    // The window's menu keeps the choice for the next start and says when it will change what the window speaks.
    void menu()
    {
        TMainForm form;
        const auto choose = [&](const QString& name) {
            auto* languages = form.LanguageMenu()->findChild<QMenu*>("LanguageMenu");
            for (QAction* action : languages->actions()) {
                if (action->text().startsWith(name))
                    action->trigger();
            }
        };
        ToolkitScript::SetNextAnswer(mrOk);
        choose("Deutsch");
        QCOMPARE(ChosenLanguage(), "de");
        QCOMPARE(Boxes(), QStringList { "QUILMOX Parlowen speaks Deutsch from its next start." });
        choose("System language");
        QCOMPARE(ChosenLanguage(), QString());
        QCOMPARE(Boxes().size(), 1);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("code");
        for (const TLanguage& language : kLanguages)
            QTest::newRow(language.Code) << QString(language.Code);
    }
    void layout()
    {
        QFETCH(QString, code);
        // Widths mean something only in a font the window asks for: Tahoma, or the wider DejaVu Sans Condensed
        // that stands in for it on Linux. Qt's offscreen platform under Wine offers neither.
        const QString family = QFontInfo(ToolkitFont()).family();
        if (family != "Tahoma" && family != "DejaVu Sans Condensed")
            QSKIP(qPrintable("no font to measure with: " + family));
        Install(code);
        QCOMPARE(InstalledLanguage(), code);
        TMainForm form;
        Show(form);
        QStringList faults = Misplaced(form, m_english);
        for (int page = 0; page < form.PageControl1->count(); ++page) {
            form.PageControl1->setCurrentIndex(page);
            faults << CutTexts(form);
        }
        TSignalStrengthForm signal;
        TCompareDialog compare(&form);
        TConfigBlock other = DefaultBlock();
        other.InvertOutputs[2] = 1;
        compare.ShowDifferences(CompareSettings(DefaultBlock(), other));
        TSiteWorkForm siteWork(
            form.Session(), [] { return DefaultBlock(); }, &form);
        THelpViewer help(nullptr);
        for (QWidget* window : std::initializer_list<QWidget*> { &signal, &compare, &siteWork, &help })
            faults << CutTexts(*window);
        // Each setting has a name of its own, made of the window's captions.
        QSet<QString> labels;
        for (const Setting& setting : SettingCatalogue()) {
            const QString label = SettingLabel(setting);
            if (label == setting.name || labels.contains(label))
                faults << "setting named alike: " + label;
            labels.insert(label);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        if (code == "en")
            QCOMPARE(SettingLabel(*FindSetting("output3.on.enabled")), "Outputs 1 - 8: Output 3 On enabled");
    }

private:
    QHash<QString, QRect> m_english;
};

QTEST_MAIN(TestLanguages)
#include "test_Languages.moc"
