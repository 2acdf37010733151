#include "ui/tools/PresetTexts.h"

#include "ui/platform/Language.h"

namespace ui {

namespace {

// The names of data/presets.tsv, then the sources they come from, for lupdate to find. A preset
// added to the table is added here too (a test finds one that is not).
const char* const marked[] = {
    QT_TRANSLATE_NOOP("Texts", "сталь"),
    QT_TRANSLATE_NOOP("Texts", "чугун"),
    QT_TRANSLATE_NOOP("Texts", "алюминий"),
    QT_TRANSLATE_NOOP("Texts", "медь"),
    QT_TRANSLATE_NOOP("Texts", "свинец"),
    QT_TRANSLATE_NOOP("Texts", "стекло"),
    QT_TRANSLATE_NOOP("Texts", "гранит"),
    QT_TRANSLATE_NOOP("Texts", "лёд"),
    QT_TRANSLATE_NOOP("Texts", "дуб"),
    QT_TRANSLATE_NOOP("Texts", "пробка"),
    QT_TRANSLATE_NOOP("Texts", "воздух 0 °C"),
    QT_TRANSLATE_NOOP("Texts", "воздух 20 °C"),
    QT_TRANSLATE_NOOP("Texts", "вода 4 °C"),
    QT_TRANSLATE_NOOP("Texts", "вода 20 °C"),
    QT_TRANSLATE_NOOP("Texts", "морская вода 20 °C"),
    QT_TRANSLATE_NOOP("Texts", "машинное масло 20 °C"),
    QT_TRANSLATE_NOOP("Texts", "касторовое масло 20 °C"),
    QT_TRANSLATE_NOOP("Texts", "глицерин 20 °C"),
    QT_TRANSLATE_NOOP(
        "Texts",
        "Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: углеродистая сталь"),
    QT_TRANSLATE_NOOP(
        "Texts", "Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: серый чугун"),
    QT_TRANSLATE_NOOP("Texts", "CRC Handbook of Chemistry and Physics: плотность элементов"),
    QT_TRANSLATE_NOOP(
        "Texts", "Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: оконное стекло"),
    QT_TRANSLATE_NOOP("Texts",
                      "Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: гранит"),
    QT_TRANSLATE_NOOP("Texts", "CRC Handbook of Chemistry and Physics: лёд при 0 °C"),
    QT_TRANSLATE_NOOP("Texts", "Пёрышкин А. В. Физика. 7 класс: таблица плотностей (сухой дуб)"),
    QT_TRANSLATE_NOOP("Texts", "Пёрышкин А. В. Физика. 7 класс: таблица плотностей"),
    QT_TRANSLATE_NOOP("Texts", "Варгафтик Н. Б. Справочник по теплофизическим свойствам газов и "
                               "жидкостей: сухой воздух, 101,3 кПа"),
    QT_TRANSLATE_NOOP("Texts", "CRC Handbook of Chemistry and Physics: вода"),
    QT_TRANSLATE_NOOP("Texts", "Плотность: уравнение состояния морской воды ЮНЕСКО (1980), "
                               "вязкость: Sharqawy M. H., Lienhard J. H., Zubair S. M. "
                               "Thermophysical properties of seawater (2010), солёность 35 ‰"),
    QT_TRANSLATE_NOOP(
        "Texts",
        "Типичные значения лёгкого машинного масла; у разных марок вязкость различается в разы"),
    QT_TRANSLATE_NOOP(
        "Texts",
        "Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: касторовое масло"),
    QT_TRANSLATE_NOOP("Texts", "CRC Handbook of Chemistry and Physics: безводный глицерин"),
};

} // namespace

QString presetText(const QString& russian) {
    return Texts::tr(russian.toUtf8().constData());
}

QStringList markedPresetTexts() {
    QStringList texts;
    for (const char* text : marked)
        texts << QString::fromUtf8(text);
    return texts;
}

} // namespace ui
