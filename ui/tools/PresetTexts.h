#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// A preset's name or source (data/presets.tsv, written in Russian) in the chosen language.
QString presetText(const QString& russian);

// Every name and source that presetText() can translate: the table's texts as marked for
// translation. A row of the table missing here would stay Russian in another language.
QStringList markedPresetTexts();

} // namespace ui
