// Helpers for the main window tests: finding controls by name and reading blocks and the log as plain data.
#pragma once

#include "config/ConfigBlock.h"
#include "ui/MainForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

template <typename T> T* Control(const QWidget& form, const QString& name)
{
    T* control = form.findChild<T*>(name);
    if (!control)
        qWarning("no control named %s", qPrintable(name));
    return control;
}

// Sets what a control of the main window holds (text, check state or number) as the operator would leave it.
inline void SetControl(QWidget& form, const QString& name, const QVariant& value)
{
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY2(widget && widget->metaObject()->userProperty().write(widget, value), qPrintable(name));
}

inline QVariant ControlValue(QWidget& form, const QString& name)
{
    auto* widget = form.findChild<QWidget*>(name);
    return widget ? widget->metaObject()->userProperty().read(widget) : QVariant();
}

inline void Click(QWidget& form, const QString& name)
{
    QTest::mouseClick(Control<QPushButton>(form, name), Qt::LeftButton);
}

inline QStringList AskedTexts()
{
    QStringList texts;
    for (const auto& box : ToolkitScript::AskedBoxes())
        texts << box.Text;
    return texts;
}

inline QByteArray Bytes(const TConfigBlock& block)
{
    return QByteArray(reinterpret_cast<const char*>(BlockBytes(block)), kConfigBlockSize);
}

inline QStringList LogLines(const TMainForm& form)
{
    const QString text = form.findChild<QPlainTextEdit*>(QStringLiteral("LogMemo"))->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// The default block, written here from its literals rather than through SetDefaults.
inline QByteArray DefaultImage()
{
    QByteArray image(kConfigBlockSize, '\0');
    auto put = [&](int offset, const QByteArray& text) { image.replace(offset, text.size(), text); };
    const char* prefixes[] = { "IPOn", "IPOff", "IPTog", "IPPls" };
    for (int n = 1; n <= 16; ++n) {
        for (int c = 0; c < 4; ++c)
            put(656 + 256 * c + 16 * (n - 1), QByteArray(prefixes[c]) + QByteArray::number(n));
        put(1680 + 4 * (n - 1), QByteArray("\xE8\x03\x00\x00", 4));
    }
    put(112, "This is a text message");
    put(624, "QUILMOX");
    put(1808, "Tarnvale");
    put(1828, "Send");
    return image;
}
