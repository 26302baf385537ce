// Every setting of the configuration block under one name, for showing, comparing and importing settings, in the
// window and on the command line alike. The names are the keys of the tool's JSON document: texts are JSON strings,
// flags booleans, numbers integers, and the three padding bytes a hexadecimal string, so that a settings file
// survives a trip through JSON byte for byte.
#pragma once

#include "config/ConfigBlock.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <vector>

enum class SettingKind { Text, Flag, Integer, Padding };

struct Setting
{
    QString name; // e.g. "output16.pulse.word"
    SettingKind kind;
    int offset; // in the block
    int width; // bytes in the block
    int maxTextBytes; // the longest text the field takes (texts only)
};

// All settings in the order an operator reads them: the single settings, inputs 1..16, outputs 1..16, padding.
const std::vector<Setting>& SettingCatalogue();
// The setting of that name, exactly as the catalogue spells it, or null.
const Setting* FindSetting(const QString& name);

QJsonValue SettingValue(const Setting& setting, const TConfigBlock& config);
// The value as one line of text: texts quoted, flags on or off.
QString DisplayValue(const Setting& setting, const QJsonValue& value);

QJsonObject BlockToJson(const TConfigBlock& config);
// Stores every key of `document` into `config`; the keys it does not name keep their value. Returns the refusals,
// each naming its key; `config` is only to be used when there are none.
QStringList BlockFromJson(const QJsonObject& document, TConfigBlock& config);

struct SettingDifference
{
    const Setting* setting;
    QJsonValue first;
    QJsonValue second;
};

// The settings whose values differ, in catalogue order. Bytes that belong to no value (after a text's zero byte)
// are not compared.
std::vector<SettingDifference> CompareSettings(const TConfigBlock& first, const TConfigBlock& second);
