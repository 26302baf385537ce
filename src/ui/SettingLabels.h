// How the window names a setting to the operator: by the captions it shows, page, group and label, translated as
// they are ("Send Message on Active Input: 9", "Outputs 1 - 8: Output 3 On command"). The catalogue's names
// (input9.message_on_active) stay for the command line, JSON and CSV.
#pragma once

#include "config/SettingCatalogue.h"

#include <QString>

QString SettingLabel(const Setting& setting);
