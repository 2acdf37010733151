<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
    <context>
        <name>FitDialog</name>
        <message>
            <source>Подгонка моделей к измерениям</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Подбирать входные данные:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Подогнать</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Отмена</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Выберите строку модели и нажмите «Применить».</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Применить</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Отметьте хотя бы одну величину для подгонки.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Идёт подгонка…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Подгонка отменена; входные данные не изменились.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Ни одна модель не подогнана; входные данные не изменились.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Готово. Лучшая модель: %1.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Модель</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>СКО, м</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Итераций</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Re при броске → при падении</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source> ★ лучшая</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>не влияет</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>не сошлась: %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ImportDialog</name>
        <message>
            <source>Измерения: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Объект: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Столбец t:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Столбец x:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Столбец y:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>м</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>см</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>мм</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Единица длины:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>с</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>мс</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Единица времени:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>земля — самая низкая точка</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Открыть</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Отмена</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Будет прочитано точек: %1, пропущено строк: %2</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>Legend</name>
        <message>
            <source>сейчас:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>как сейчас</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>LessonCommands</name>
        <message>
            <source>Новый урок</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Открыть урок…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить урок</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить урок как…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Последние уроки</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить изменения в уроке «%1»?</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>На Выход</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Не сохранять</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Отмена</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Открыть урок</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Урок (*.ballflight)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Не удалось открыть урок «%1»: %2.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>урок</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить урок как</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Восстановить урок, не сохранённый при прошлом завершении?</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Восстановление урока</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Не удалось восстановить урок: %1.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Окно не помещается на экране: ему нужно %1 × %2 пикс., свободно %3 × %4 пикс.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>MeasureCommands</name>
        <message>
            <source>Измерения</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Открыть…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Вставить из буфера обмена</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Подогнать модели…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Убрать измерения</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Открыть измерения</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Таблицы измерений (*.txt *.csv *.tsv *.dat)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Все файлы (*)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Файл «%1» не прочитан: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>буфер обмена</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>«%1» не прочитан: %2</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>MeasurementsPanel</name>
        <message>
            <source>вакуум</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fc~v</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fc~v^2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Измерения</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Среднеквадратичное отклонение моделей от точек:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Подогнать модели…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Убрать измерения</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Источник: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Точек: %1, пропущено строк: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: %2 м</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>%1: —</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>Readout</name>
        <message>
            <source>точка %1:</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>Reynolds</name>
        <message>
            <source>Число Рейнольдса Re = ρo·v·d/η:</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>при броске: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>при падении в среде (Fc~v): %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>при падении в среде (Fc~v^2): %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Число Рейнольдса при броске</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Число Рейнольдса при падении в среде (Fc~v)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Число Рейнольдса при падении в среде (Fc~v^2)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>закон Стокса (Fc~v) применим</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>переходная область</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>сопротивление ~v²</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>при падении: %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>SaveFile</name>
        <message>
            <source>это не обычный файл</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>StudyWindow</name>
        <message>
            <source>Сохранить график…</source>
            <translation>Save graph…</translation>
        </message>
        <message>
            <source>Сохранить таблицу…</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Копировать таблицу</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Печать…</source>
            <translation>Print…</translation>
        </message>
        <message>
            <source>Копировать</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Выделить всё</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Исследование ещё не рассчитано: нажмите «Рассчитать».</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Рисунок PNG (*.png)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Векторный рисунок SVG (*.svg)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Таблица CSV (*.csv)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить график</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Сохранить таблицу</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Печать</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Не удалось начать печать: принтер недоступен.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Исходные данные исследования</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>следовать за главным окном</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Взять из главного окна</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>устарело</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>Texts</name>
        <message>
            <source>Сохранить график…</source>
            <translation>Save graph…</translation>
        </message>
        <message>
            <source>Копировать график</source>
            <translation>Copy graph</translation>
        </message>
        <message>
            <source>Сохранить данные…</source>
            <translation>Save data…</translation>
        </message>
        <message>
            <source>Копировать результаты</source>
            <translation>Copy results</translation>
        </message>
        <message>
            <source>Печать…</source>
            <translation>Print…</translation>
        </message>
        <message>
            <source>Сохранить отчёт (PDF)…</source>
            <translation>Save report (PDF)…</translation>
        </message>
        <message>
            <source>Сравнивать броски</source>
            <translation>Compare throws</translation>
        </message>
        <message>
            <source>Очистить сравнение</source>
            <translation>Clear comparison</translation>
        </message>
        <message>
            <source>Исследование зависимости…</source>
            <translation>Study a dependence…</translation>
        </message>
        <message>
            <source>Показ на экране</source>
            <translation>Presentation mode</translation>
        </message>
        <message>
            <source>&amp;Файл</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>Справка1</source>
            <translation>Reference 1</translation>
        </message>
        <message>
            <source>Справка2</source>
            <translation>Reference 2</translation>
        </message>
        <message>
            <source>История</source>
            <translation>History</translation>
        </message>
        <message>
            <source>Выход</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>&amp;Помощь</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>Инструкция</source>
            <translation>Instructions</translation>
        </message>
        <message>
            <source>Управление</source>
            <translation>Controls</translation>
        </message>
        <message>
            <source>Авторы</source>
            <translation>Authors</translation>
        </message>
        <message>
            <source>О программе</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Регистрация</source>
            <translation>Registration</translation>
        </message>
        <message>
            <source>&amp;Инструменты</source>
            <translation>&amp;Tools</translation>
        </message>
        <message>
            <source>— %1 из %2 —</source>
            <translation>— %1 of %2 —</translation>
        </message>
        <message>
            <source>Материал шара</source>
            <translation>Ball material</translation>
        </message>
        <message>
            <source>кг/м³</source>
            <translation>kg/m³</translation>
        </message>
        <message>
            <source>Источник</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Среда</source>
            <translation>Medium</translation>
        </message>
        <message>
            <source>Па·с</source>
            <translation>Pa·s</translation>
        </message>
    </context>
    <context>
        <name>ToolCommands</name>
        <message>
            <source>с подписями</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ViewCommands</name>
        <message>
            <source>Пауза</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>model::measure</name>
        <message>
            <source>число измеренных точек должно быть от 2 до 100000</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>измеренная точка — не три числа</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>измеренные точки не упорядочены по времени</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>номера столбцов измерений записаны неверно</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ui</name>
        <message>
            <source>файл не найден</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>это папка, а не файл</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>файл больше 10 МБ</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>файл не читается: %1</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>входные данные записаны не объектом</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>значение «%1» — не число</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>неизвестное значение поля «%1»</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>значение поля «%1» вне допустимых пределов</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>неизвестная изменяемая величина «%1»</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>неизвестный результат «%1»</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>это не файл урока (не JSON-объект)</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>в файле нет номера формата урока</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>формат %1 новее, чем понимает эта версия программы</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>сохранённый бросок %1: %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>исследование: %1</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ui::FitDialog</name>
        <message>
            <source>вакуум</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fc~v</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Fc~v^2</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>ui::Work</name>
        <message>
            <source>диск не ответил за %1 с</source>
            <translation type="unfinished" />
        </message>
    </context>
</TS>
