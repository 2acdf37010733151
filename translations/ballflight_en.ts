<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
        <message>
            <source>Y, м</source>
            <translation>Y, m</translation>
        </message>
        <message>
            <source>Х, м</source>
            <translation>X, m</translation>
        </message>
        <message>
            <source>Vx, м/c</source>
            <translation>Vx, m/s</translation>
        </message>
        <message>
            <source>t, c</source>
            <translation>t, s</translation>
        </message>
        <message>
            <source>Vy, м/c</source>
            <translation>Vy, m/s</translation>
        </message>
        <message>
            <source>Ошибка</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Для вакуума всё и так известно!</source>
            <translation>A medium of density 0 (or less) is no medium at all: that is the vacuum, which the first column already shows. The density of the medium must be greater than 0 kg/m³ and less than the ball's; the window puts that of air, about 1.2 kg/m³, in the field.</translation>
        </message>
        <message>
            <source>Уже упало!!!</source>
            <translation>A starting height of 0 puts the ball on the ground before the throw. The height must be greater than 0 m; the window puts 0.5 m in the field.</translation>
        </message>
        <message>
            <source>тело под Землей?! такой расчёт не предусмотрен!</source>
            <translation>A negative height would start the ball below the ground, which the models do not cover. The height must be greater than 0 m; the window puts 0.5 m in the field.</translation>
        </message>
        <message>
            <source>Для падения есть отдельная программа!</source>
            <translation>A speed of 0 is a drop, not a throw, and this program models throws. The speed must be greater than 0 m/s; the window puts 3 m/s in the field.</translation>
        </message>
        <message>
            <source>Совет</source>
            <translation>Tip</translation>
        </message>
        <message>
            <source>Это величина скорости! Vo&gt;0</source>
            <translation>Vo is the speed, the size of the velocity, so it cannot be negative; the angle gives the direction (a negative angle throws downwards). The speed must be greater than 0 m/s; the window puts 3 m/s in the field.</translation>
        </message>
        <message>
            <source>Это коэффициент сопротивления! Cd&gt;0</source>
            <translation>That is a drag coefficient! Cd&gt;0</translation>
        </message>
        <message>
            <source>Угол в диапазоне -90&lt;a&lt;90. А Для вертикального движения есть отдельная программа!</source>
            <translation>The angle must lie between -90° and 90°, the ends excluded: at ±90° the throw is vertical, and this program models throws at an angle to the horizontal. The window puts 30° in the field.</translation>
        </message>
        <message>
            <source>Предупреждение</source>
            <translation>Warning</translation>
        </message>
        <message>
            <source>Это не материальная точка!</source>
            <translation>The ball needs a size: its drag and its buoyancy depend on its diameter. The diameter must be greater than 0 m; the window puts 0.001 m (1 mm) in the field.</translation>
        </message>
        <message>
            <source>Шарик из чего-то сделан!</source>
            <translation>A ball is made of some material, so its density must be greater than 0 kg/m³, and greater than the medium's. The window puts 7800 kg/m³ (steel) in the field.</translation>
        </message>
        <message>
            <source>Всплывание не моделируется!</source>
            <translation>A ball no denser than the medium does not sink: it floats or rises, and rising is not modelled. The density of the ball must be greater than that of the medium; the window puts twice the medium's density in the field.</translation>
        </message>
        <message>
            <source>Всплывание не моделируется</source>
            <translation>A medium as dense as the ball or denser keeps it from sinking: the ball would float or rise, and rising is not modelled. The density of the medium must be less than the ball's; the window puts half the ball's density in the field.</translation>
        </message>
        <message>
            <source>допустимо h &gt; 0 м</source>
            <translation>the field accepts h &gt; 0 m</translation>
        </message>
        <message>
            <source>допустимо Vo &gt; 0 м/с</source>
            <translation>the field accepts Vo &gt; 0 m/s</translation>
        </message>
        <message>
            <source>допустимо -90 &lt; α &lt; 90 град</source>
            <translation>the field accepts -90° &lt; α &lt; 90°</translation>
        </message>
        <message>
            <source>допустимо d &gt; 0 м</source>
            <translation>the field accepts d &gt; 0 m</translation>
        </message>
        <message>
            <source>допустимо ρ &gt; ρo = %1 кг/м3</source>
            <translation>the field accepts ρ &gt; ρo = %1 kg/m³</translation>
        </message>
        <message>
            <source>допустимо 0 &lt; ρo &lt; ρ = %1 кг/м3</source>
            <translation>the field accepts 0 &lt; ρo &lt; ρ = %1 kg/m³</translation>
        </message>
        <message>
            <source>допустимо η &gt; 0 Па·с</source>
            <translation>the field accepts η &gt; 0 Pa·s</translation>
        </message>
        <message>
            <source> град</source>
            <translation>°</translation>
        </message>
        <message>
            <source> c</source>
            <translation> s</translation>
        </message>
        <message>
            <source> м</source>
            <translation> m</translation>
        </message>
        <message>
            <source> м/c</source>
            <translation> m/s</translation>
        </message>
        <message>
            <source> м/с</source>
            <translation> m/s</translation>
        </message>
        <message>
            <source> кг</source>
            <translation> kg</translation>
        </message>
        <message>
            <source>угол, при котором достигается максимальная дальность полета в вакууме</source>
            <translation>launch angle that gives the greatest range in vacuum</translation>
        </message>
        <message>
            <source>Угол наибольшей дальности в вакууме</source>
            <translation>Angle of maximum range in vacuum</translation>
        </message>
        <message>
            <source>tg a_max = 1/√(1 + 2g·h/Vo²)</source>
            <translation>tan a_max = 1/√(1 + 2g·h/Vo²)</translation>
        </message>
        <message>
            <source>время подъема до максимальной высоты в вакууме</source>
            <translation>time to reach maximum height in vacuum</translation>
        </message>
        <message>
            <source>Время подъёма в вакууме</source>
            <translation>Time to the apex in vacuum</translation>
        </message>
        <message>
            <source>координата Х при максимальной высоте в вакууме</source>
            <translation>X coordinate at maximum height in vacuum</translation>
        </message>
        <message>
            <source>Координата X вершины в вакууме</source>
            <translation>X coordinate of the apex in vacuum</translation>
        </message>
        <message>
            <source>максимальная высота подъема в вакууме</source>
            <translation>maximum height in vacuum</translation>
        </message>
        <message>
            <source>Наибольшая высота в вакууме</source>
            <translation>Maximum height in vacuum</translation>
        </message>
        <message>
            <source>время всего полета в вакууме</source>
            <translation>time of flight in vacuum</translation>
        </message>
        <message>
            <source>Время полёта в вакууме</source>
            <translation>Time of flight in vacuum</translation>
        </message>
        <message>
            <source>максимальная дальность полета в вакууме</source>
            <translation>range in vacuum</translation>
        </message>
        <message>
            <source>Дальность полёта в вакууме</source>
            <translation>Range in vacuum</translation>
        </message>
        <message>
            <source>проекция скорости Vx в конце полета в вакууме (не меняется)</source>
            <translation>velocity component Vx at landing in vacuum (constant)</translation>
        </message>
        <message>
            <source>Скорость Vx при падении в вакууме</source>
            <translation>Vx at landing in vacuum</translation>
        </message>
        <message>
            <source>проекция скорости Vy в конце полета в вакууме</source>
            <translation>velocity component Vy at landing in vacuum</translation>
        </message>
        <message>
            <source>Скорость Vy при падении в вакууме</source>
            <translation>Vy at landing in vacuum</translation>
        </message>
        <message>
            <source>масса шара</source>
            <translation>mass of the ball</translation>
        </message>
        <message>
            <source>Масса шара</source>
            <translation>Mass of the ball</translation>
        </message>
        <message>
            <source>характерное время</source>
            <translation>characteristic time</translation>
        </message>
        <message>
            <source>Характерное время (Fc~v)</source>
            <translation>Characteristic time (Fc~v)</translation>
        </message>
        <message>
            <source>предельная вертикальная скорость</source>
            <translation>terminal vertical velocity</translation>
        </message>
        <message>
            <source>Предельная скорость (Fc~v)</source>
            <translation>Terminal velocity (Fc~v)</translation>
        </message>
        <message>
            <source>время подъема до максимальной высоты в среде</source>
            <translation>time to reach maximum height in fluid</translation>
        </message>
        <message>
            <source>Время подъёма в среде (Fc~v)</source>
            <translation>Time to the apex in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>координата Х при максимальной высоте в среде</source>
            <translation>X coordinate at maximum height in fluid</translation>
        </message>
        <message>
            <source>Координата X вершины в среде (Fc~v)</source>
            <translation>X coordinate of the apex in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>максимальная высота подъема в среде</source>
            <translation>maximum height in fluid</translation>
        </message>
        <message>
            <source>Наибольшая высота в среде (Fc~v)</source>
            <translation>Maximum height in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>Предельная скорость (Fc~v^2)</source>
            <translation>Terminal velocity (Fc~v^2)</translation>
        </message>
        <message>
            <source>величина R</source>
            <translation>characteristic length R of the quadratic drag</translation>
        </message>
        <message>
            <source>Характерная длина (Fc~v^2)</source>
            <translation>Characteristic length (Fc~v^2)</translation>
        </message>
        <message>
            <source>время всего полета в среде (численно)</source>
            <translation>time of flight in fluid (numerically)</translation>
        </message>
        <message>
            <source>Время полёта в среде (Fc~v)</source>
            <translation>Time of flight in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>дальность полета в среде (численно)</source>
            <translation>range in fluid (numerically)</translation>
        </message>
        <message>
            <source>Дальность полёта в среде (Fc~v)</source>
            <translation>Range in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>x = τ·Vo·cosα·(1 − e^(−t/τ)) в первой точке с y &lt; 0</source>
            <translation>x = τ·Vo·cosα·(1 − e^(−t/τ)) at the first point with y &lt; 0</translation>
        </message>
        <message>
            <source>проекция скорости Vx в конце полета в среде (численно)</source>
            <translation>velocity component Vx at landing in fluid (numerically)</translation>
        </message>
        <message>
            <source>Скорость Vx при падении в среде (Fc~v)</source>
            <translation>Vx at landing in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>проекция скорости Vy в конце полета в среде (численно)</source>
            <translation>velocity component Vy at landing in fluid (numerically)</translation>
        </message>
        <message>
            <source>Скорость Vy при падении в среде (Fc~v)</source>
            <translation>Vy at landing in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>время подъема до максимальной высоты в среде (численно)</source>
            <translation>time to reach maximum height in fluid (numerically)</translation>
        </message>
        <message>
            <source>Время подъёма в среде (Fc~v^2)</source>
            <translation>Time to the apex in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>время шага, на котором высота впервые убывает</source>
            <translation>time of the step at which the height first decreases</translation>
        </message>
        <message>
            <source>координата Х при максимальной высоте в среде (численно)</source>
            <translation>X coordinate at maximum height in fluid (numerically)</translation>
        </message>
        <message>
            <source>Координата X вершины в среде (Fc~v^2)</source>
            <translation>X coordinate of the apex in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>x на шаге, где высота впервые убывает</source>
            <translation>x at the step at which the height first decreases</translation>
        </message>
        <message>
            <source>Хp2= </source>
            <translation>Xp2= </translation>
        </message>
        <message>
            <source>максимальная высота подъема в среде (численно)</source>
            <translation>maximum height in fluid (numerically)</translation>
        </message>
        <message>
            <source>Наибольшая высота в среде (Fc~v^2)</source>
            <translation>Maximum height in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>высота шага перед тем, как она убывает</source>
            <translation>height at the step before it decreases</translation>
        </message>
        <message>
            <source>Время полёта в среде (Fc~v^2)</source>
            <translation>Time of flight in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>середина шага, на котором y &lt; 0 (метод Рунге — Кутты)</source>
            <translation>middle of the step that ends below the ground, y &lt; 0 (Runge–Kutta method)</translation>
        </message>
        <message>
            <source>Дальность полёта в среде (Fc~v^2)</source>
            <translation>Range in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>x в первой точке с y &lt; 0</source>
            <translation>x at the first point with y &lt; 0</translation>
        </message>
        <message>
            <source>Скорость Vx при падении в среде (Fc~v^2)</source>
            <translation>Vx at landing in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>Vx в первой точке с y &lt; 0</source>
            <translation>Vx at the first point with y &lt; 0</translation>
        </message>
        <message>
            <source>Скорость Vy при падении в среде (Fc~v^2)</source>
            <translation>Vy at landing in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>Vy в первой точке с y &lt; 0</source>
            <translation>Vy at the first point with y &lt; 0</translation>
        </message>
        <message>
            <source>м</source>
            <translation>m</translation>
        </message>
        <message>
            <source>начальная высота</source>
            <translation>initial height</translation>
        </message>
        <message>
            <source>h, м</source>
            <translation>h, m</translation>
        </message>
        <message>
            <source>Начальная высота</source>
            <translation>Initial height</translation>
        </message>
        <message>
            <source>м/с</source>
            <translation>m/s</translation>
        </message>
        <message>
            <source>начальная скорость </source>
            <translation>initial speed </translation>
        </message>
        <message>
            <source>Vo, м/с</source>
            <translation>Vo, m/s</translation>
        </message>
        <message>
            <source>Начальная скорость</source>
            <translation>Initial speed</translation>
        </message>
        <message>
            <source>число бросков</source>
            <translation>launch angle α to the horizontal</translation>
        </message>
        <message>
            <source>град</source>
            <translation>°</translation>
        </message>
        <message>
            <source>угол бросания</source>
            <translation>launch angle</translation>
        </message>
        <message>
            <source>α, град</source>
            <translation>α, °</translation>
        </message>
        <message>
            <source>Угол бросания</source>
            <translation>Launch angle</translation>
        </message>
        <message>
            <source>диаметр шара</source>
            <translation>diameter of the ball</translation>
        </message>
        <message>
            <source>диаметр шара. На экране не отображается!</source>
            <translation>diameter of the ball (the ball on the screen is not drawn to scale)</translation>
        </message>
        <message>
            <source>d, м</source>
            <translation>d, m</translation>
        </message>
        <message>
            <source>Диаметр шара</source>
            <translation>Ball diameter</translation>
        </message>
        <message>
            <source> кг/м3</source>
            <translation> kg/m³</translation>
        </message>
        <message>
            <source>кг/м3</source>
            <translation>kg/m³</translation>
        </message>
        <message>
            <source>плотность материала шара</source>
            <translation>density of the ball's material</translation>
        </message>
        <message>
            <source>ρ, кг/м3</source>
            <translation>ρ, kg/m³</translation>
        </message>
        <message>
            <source>Плотность шара</source>
            <translation>Ball density</translation>
        </message>
        <message>
            <source>плотность среды</source>
            <translation>density of the medium</translation>
        </message>
        <message>
            <source>ρo, кг/м3</source>
            <translation>ρo, kg/m³</translation>
        </message>
        <message>
            <source>Плотность среды</source>
            <translation>Medium density</translation>
        </message>
        <message>
            <source> Па с</source>
            <translation> Pa·s</translation>
        </message>
        <message>
            <source>вязкость среды</source>
            <translation>viscosity of the medium</translation>
        </message>
        <message>
            <source>η, Па·с</source>
            <translation>η, Pa·s</translation>
        </message>
        <message>
            <source>Вязкость среды</source>
            <translation>Medium viscosity</translation>
        </message>
        <message>
            <source>параметры</source>
            <translation>parameters</translation>
        </message>
        <message>
            <source>__ в вакууме</source>
            <translation>__ in vacuum</translation>
        </message>
        <message>
            <source>__ в среде (Fc~v)</source>
            <translation>__ in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>__ в среде (Fc~v^2)</source>
            <translation>__ in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>Дальность полёта</source>
            <translation>Range</translation>
        </message>
        <message>
            <source>наибольшая дальность</source>
            <translation>greatest range</translation>
        </message>
        <message>
            <source>наименьшая дальность</source>
            <translation>least range</translation>
        </message>
        <message>
            <source>Время полёта</source>
            <translation>Time of flight</translation>
        </message>
        <message>
            <source>наибольшее время полёта</source>
            <translation>longest time of flight</translation>
        </message>
        <message>
            <source>наименьшее время полёта</source>
            <translation>shortest time of flight</translation>
        </message>
        <message>
            <source>Наибольшая высота</source>
            <translation>Maximum height</translation>
        </message>
        <message>
            <source>наибольшая высота подъёма</source>
            <translation>greatest height reached</translation>
        </message>
        <message>
            <source>наименьшая высота подъёма</source>
            <translation>least height reached</translation>
        </message>
        <message>
            <source>Время подъёма</source>
            <translation>Time to the apex</translation>
        </message>
        <message>
            <source>наибольшее время подъёма</source>
            <translation>longest time to the apex</translation>
        </message>
        <message>
            <source>наименьшее время подъёма</source>
            <translation>shortest time to the apex</translation>
        </message>
        <message>
            <source>Координата X вершины</source>
            <translation>X coordinate of the apex</translation>
        </message>
        <message>
            <source>наибольшая координата X вершины</source>
            <translation>greatest X coordinate of the apex</translation>
        </message>
        <message>
            <source>наименьшая координата X вершины</source>
            <translation>least X coordinate of the apex</translation>
        </message>
        <message>
            <source>Скорость Vx при падении</source>
            <translation>Vx at landing</translation>
        </message>
        <message>
            <source>наибольшая скорость Vx при падении</source>
            <translation>greatest Vx at landing</translation>
        </message>
        <message>
            <source>наименьшая скорость Vx при падении</source>
            <translation>least Vx at landing</translation>
        </message>
        <message>
            <source>Скорость Vy при падении</source>
            <translation>Vy at landing</translation>
        </message>
        <message>
            <source>наибольшая скорость Vy при падении</source>
            <translation>greatest Vy at landing</translation>
        </message>
        <message>
            <source>наименьшая скорость Vy при падении</source>
            <translation>least Vy at landing</translation>
        </message>
        <message>
            <source>Угол наибольшей дальности</source>
            <translation>Angle of maximum range</translation>
        </message>
        <message>
            <source>наибольший угол наибольшей дальности</source>
            <translation>greatest angle of maximum range</translation>
        </message>
        <message>
            <source>наименьший угол наибольшей дальности</source>
            <translation>least angle of maximum range</translation>
        </message>
        <message>
            <source>Предельная скорость</source>
            <translation>Terminal velocity</translation>
        </message>
        <message>
            <source>наибольшая предельная скорость</source>
            <translation>greatest terminal velocity</translation>
        </message>
        <message>
            <source>наименьшая предельная скорость</source>
            <translation>least terminal velocity</translation>
        </message>
        <message>
            <source>Характерное время</source>
            <translation>Characteristic time</translation>
        </message>
        <message>
            <source>наибольшее характерное время</source>
            <translation>longest characteristic time</translation>
        </message>
        <message>
            <source>наименьшее характерное время</source>
            <translation>shortest characteristic time</translation>
        </message>
        <message>
            <source>Характерная длина</source>
            <translation>Characteristic length</translation>
        </message>
        <message>
            <source>наибольшая характерная длина</source>
            <translation>greatest characteristic length</translation>
        </message>
        <message>
            <source>наименьшая характерная длина</source>
            <translation>least characteristic length</translation>
        </message>
        <message>
            <source>наибольшая масса</source>
            <translation>greatest mass</translation>
        </message>
        <message>
            <source>наименьшая масса</source>
            <translation>least mass</translation>
        </message>
        <message>
            <source>Число Рейнольдса</source>
            <translation>Reynolds number</translation>
        </message>
        <message>
            <source>наибольшее число Рейнольдса</source>
            <translation>greatest Reynolds number</translation>
        </message>
        <message>
            <source>наименьшее число Рейнольдса</source>
            <translation>least Reynolds number</translation>
        </message>
        <message>
            <source>число Рейнольдса при броске</source>
            <translation>Reynolds number at launch</translation>
        </message>
        <message>
            <source>Число Рейнольдса при броске</source>
            <translation>Reynolds number at launch</translation>
        </message>
        <message>
            <source>число Рейнольдса при падении в среде (Fc~v)</source>
            <translation>Reynolds number at landing in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>Число Рейнольдса при падении в среде (Fc~v)</source>
            <translation>Reynolds number at landing in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>Re = ρo·v·d/η с точной скоростью падения</source>
            <translation>Re = ρo·v·d/η with the exact landing speed</translation>
        </message>
        <message>
            <source>число Рейнольдса при падении в среде (Fc~v^2)</source>
            <translation>Reynolds number at landing in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>Число Рейнольдса при падении в среде (Fc~v^2)</source>
            <translation>Reynolds number at landing in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>Подгонка прервана.</source>
            <translation>Fitting cancelled.</translation>
        </message>
        <message>
            <source>Эта модель не зависит от выбранных величин: подбирать нечего.</source>
            <translation>This model does not depend on the chosen quantities: there is nothing to fit.</translation>
        </message>
        <message>
            <source>Точек в полёте слишком мало, чтобы подобрать столько величин.</source>
            <translation>Too few points in the air to fit so many quantities.</translation>
        </message>
        <message>
            <source>Подгонку не с чего начать: начальные значения вне допустимых.</source>
            <translation>The fit cannot start: a starting value is one the fields do not accept.</translation>
        </message>
        <message>
            <source>Величина «%1» уходит к границе допустимого: точки её не задают.</source>
            <translation>%1 runs to the edge of its allowed values: the points do not determine it.</translation>
        </message>
        <message>
            <source>Коэффициент сопротивления</source>
            <translation>Drag coefficient</translation>
        </message>
        <message>
            <source>Подгонка не сошлась за %1 итераций.</source>
            <translation>The fit did not converge in %1 iterations.</translation>
        </message>
        <message>
            <source>Точки не могут быть полётом по этой модели: подгонка к ним не подходит.</source>
            <translation>The points cannot be a flight of this model: the fit does not come close to them.</translation>
        </message>
        <message>
            <source>Таблица пуста.</source>
            <translation>The table is empty.</translation>
        </message>
        <message>
            <source>Это не текстовая таблица: в данных есть двоичные символы.</source>
            <translation>This is not a text table: the data contain binary characters.</translation>
        </message>
        <message>
            <source>В таблице нет строк с числами: нужны столбцы t, x и y.</source>
            <translation>The table has no rows with numbers: columns t, x and y are needed.</translation>
        </message>
        <message>
            <source>В таблице меньше трёх столбцов с числами: нужны t, x и y.</source>
            <translation>The table has fewer than three columns with numbers: t, x and y are needed.</translation>
        </message>
        <message>
            <source>Файл проекта видеоанализа не читается: в нём нет правильного XML.</source>
            <translation>The video-analysis project file cannot be read: it holds no valid XML.</translation>
        </message>
        <message>
            <source>В файле проекта видеоанализа нет трека материальной точки.</source>
            <translation>The video-analysis project file has no point-mass track.</translation>
        </message>
        <message>
            <source>В файле проекта видеоанализа нет длительности кадра: время точек не узнать.</source>
            <translation>The video-analysis project file gives no frame duration: the points' times cannot be known.</translation>
        </message>
        <message>
            <source>В строке таблицы больше 1000 столбцов: это не похоже на таблицу измерений.</source>
            <translation>A row of the table has more than 1000 columns: this does not look like a table of measurements.</translation>
        </message>
        <message>
            <source>В таблице меньше двух точек с числами в столбцах t, x и y и с разным временем.</source>
            <translation>The table has fewer than two points with numbers in columns t, x and y and with different times.</translation>
        </message>
        <message>
            <source>В таблице больше 100 000 точек: столько точек не показать.</source>
            <translation>The table has more than 100 000 points: that many points cannot be shown.</translation>
        </message>
        <message>
            <source>Для t, x и y нужно выбрать три разных столбца.</source>
            <translation>Choose three different columns for t, x and y.</translation>
        </message>
        <message>
            <source>Выбранного столбца нет в таблице.</source>
            <translation>The chosen column is not in the table.</translation>
        </message>
        <message>
            <source>Файла «%1» нет.</source>
            <translation>There is no file “%1”.</translation>
        </message>
        <message>
            <source>«%1» — не файл.</source>
            <translation>“%1” is not a file.</translation>
        </message>
        <message>
            <source>Не удалось прочитать файл «%1».</source>
            <translation>Could not read the file “%1”.</translation>
        </message>
        <message>
            <source>Файл «%1» больше 64 МБ: это не похоже на таблицу измерений.</source>
            <translation>The file “%1” is larger than 64 MB: this does not look like a table of measurements.</translation>
        </message>
        <message>
            <source>формул</source>
            <translation>closed forms</translation>
        </message>
        <message>
            <source>в среде (Fc~v)</source>
            <translation>in fluid (Fc~v)</translation>
        </message>
        <message>
            <source>в среде (Fc~v^2)</source>
            <translation>in fluid (Fc~v^2)</translation>
        </message>
        <message>
            <source>полёт требует больше 10 000 000 шагов</source>
            <translation>the flight needs more than 10 000 000 steps</translation>
        </message>
        <message>
            <source>числа выходят за пределы представимых</source>
            <translation>the numbers go beyond the representable range</translation>
        </message>
        <message>
            <source>не рассчитано (%1): %2</source>
            <translation>not computed (%1): %2</translation>
        </message>
        <message>
            <source>не рассчитано: не конечные значения %1</source>
            <translation>not computed: non-finite values of %1</translation>
        </message>
        <message>
            <source>вакуум</source>
            <translation>vacuum</translation>
        </message>
        <message>
            <source>Подгонка моделей к измерениям</source>
            <translation>Fitting the models to the measurements</translation>
        </message>
        <message>
            <source>Подбирать входные данные:</source>
            <translation>Inputs to fit:</translation>
        </message>
        <message>
            <source>Подогнать</source>
            <translation>Fit</translation>
        </message>
        <message>
            <source>Отмена</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Выберите строку модели и нажмите «Применить».</source>
            <translation>Choose a model's row and press “Apply”.</translation>
        </message>
        <message>
            <source>Применить</source>
            <translation>Apply</translation>
        </message>
        <message>
            <source>Отметьте хотя бы одну величину для подгонки.</source>
            <translation>Tick at least one quantity to fit.</translation>
        </message>
        <message>
            <source>Идёт подгонка…</source>
            <translation>Fitting…</translation>
        </message>
        <message>
            <source>Подгонка отменена; входные данные не изменились.</source>
            <translation>Fit cancelled; the inputs are unchanged.</translation>
        </message>
        <message>
            <source>Ни одна модель не подогнана; входные данные не изменились.</source>
            <translation>No model could be fitted; the inputs are unchanged.</translation>
        </message>
        <message>
            <source>Готово. Лучшая модель: %1.</source>
            <translation>Done. Best model: %1.</translation>
        </message>
        <message>
            <source>Модель</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>СКО, м</source>
            <translation>RMS, m</translation>
        </message>
        <message>
            <source>Итераций</source>
            <translation>Iterations</translation>
        </message>
        <message>
            <source>Re при броске → при падении</source>
            <translation>Re at launch → at landing</translation>
        </message>
        <message>
            <source> ★ лучшая</source>
            <translation> ★ best</translation>
        </message>
        <message>
            <source>не влияет</source>
            <translation>no effect</translation>
        </message>
        <message>
            <source>не сошлась: %1</source>
            <translation>did not converge: %1</translation>
        </message>
        <message>
            <source>Измерения: %1</source>
            <translation>Measurements: %1</translation>
        </message>
        <message>
            <source>Объект: %1</source>
            <translation>Object: %1</translation>
        </message>
        <message>
            <source>Столбец t:</source>
            <translation>Column t:</translation>
        </message>
        <message>
            <source>Столбец x:</source>
            <translation>Column x:</translation>
        </message>
        <message>
            <source>Столбец y:</source>
            <translation>Column y:</translation>
        </message>
        <message>
            <source>см</source>
            <translation>cm</translation>
        </message>
        <message>
            <source>мм</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>Единица длины:</source>
            <translation>Length unit:</translation>
        </message>
        <message>
            <source>с</source>
            <translation>s</translation>
        </message>
        <message>
            <source>мс</source>
            <translation>ms</translation>
        </message>
        <message>
            <source>Единица времени:</source>
            <translation>Time unit:</translation>
        </message>
        <message>
            <source>земля — самая низкая точка</source>
            <translation>ground is the lowest point</translation>
        </message>
        <message>
            <source>Открыть</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>Будет прочитано точек: %1, пропущено строк: %2</source>
            <translation>Points to be read: %1, lines skipped: %2</translation>
        </message>
        <message>
            <source>Трек:</source>
            <translation>Track:</translation>
        </message>
        <message>
            <source>Подсчёт точек…</source>
            <translation>Counting the points…</translation>
        </message>
        <message>
            <source>до броска: %1 (№ %2)</source>
            <translation>before the launch: %1 (no. %2)</translation>
        </message>
        <message>
            <source>после приземления: %1 (№ %2)</source>
            <translation>after the landing: %1 (no. %2)</translation>
        </message>
        <message>
            <source>Точки вне полёта модели (сравниваются с точкой броска или приземления):</source>
            <translation>Points outside a model's flight (compared with its launch or landing point):</translation>
        </message>
        <message>
            <source>Измерения</source>
            <translation>Measurements</translation>
        </message>
        <message>
            <source>Открыть…</source>
            <translation>Open…</translation>
        </message>
        <message>
            <source>Вставить из буфера обмена</source>
            <translation>Paste from clipboard</translation>
        </message>
        <message>
            <source>Подогнать модели…</source>
            <translation>Fit models…</translation>
        </message>
        <message>
            <source>Убрать измерения</source>
            <translation>Remove measurements</translation>
        </message>
        <message>
            <source>Открыть измерения</source>
            <translation>Open measurements</translation>
        </message>
        <message>
            <source>Таблицы измерений (*.txt *.csv *.tsv *.dat *.trk)</source>
            <translation>Measurement tables (*.txt *.csv *.tsv *.dat *.trk)</translation>
        </message>
        <message>
            <source>Все файлы (*)</source>
            <translation>All files (*)</translation>
        </message>
        <message>
            <source>Файл «%1» не прочитан: %2</source>
            <translation>The file “%1” was not read: %2</translation>
        </message>
        <message>
            <source>буфер обмена</source>
            <translation>clipboard</translation>
        </message>
        <message>
            <source>«%1» не прочитан: %2</source>
            <translation>“%1” was not read: %2</translation>
        </message>
        <message>
            <source>Среднеквадратичное отклонение моделей от точек:</source>
            <translation>RMS deviation of the models from the points:</translation>
        </message>
        <message>
            <source>Источник: %1</source>
            <translation>Source: %1</translation>
        </message>
        <message>
            <source>Точек: %1, пропущено строк: %2</source>
            <translation>Points: %1, lines skipped: %2</translation>
        </message>
        <message>
            <source>%1: %2 м</source>
            <translation>%1: %2 m</translation>
        </message>
        <message>
            <source>без анимации</source>
            <translation>no animation</translation>
        </message>
        <message>
            <source>Полёт слишком долгий: расчёт остановлен. Шар почти не падает в такой среде. Уменьшите вязкость среды или увеличьте диаметр шара или его плотность.</source>
            <translation>The flight is too long: the calculation was stopped. The ball hardly falls in such a medium. Reduce the viscosity of the medium or increase the diameter or the density of the ball.</translation>
        </message>
        <message>
            <source>Полёт слишком долгий: расчёт остановлен</source>
            <translation>The flight is too long: calculation stopped</translation>
        </message>
        <message>
            <source>Числа вышли за пределы расчёта: при таких данных результат не может быть вычислен. Уменьшите начальную скорость или высоту.</source>
            <translation>The numbers went beyond what can be calculated: with these data the result cannot be computed. Reduce the initial speed or height.</translation>
        </message>
        <message>
            <source>Числа вышли за пределы расчёта</source>
            <translation>The numbers went beyond what can be calculated</translation>
        </message>
        <message>
            <source>Значение ещё не принято: </source>
            <translation>Value not accepted yet: </translation>
        </message>
        <message>
            <source>Сохранить таблицу…</source>
            <translation>Save table…</translation>
        </message>
        <message>
            <source>Копировать таблицу</source>
            <translation>Copy table</translation>
        </message>
        <message>
            <source>Копировать</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>Выделить всё</source>
            <translation>Select all</translation>
        </message>
        <message>
            <source>Исследование ещё не рассчитано: нажмите «Рассчитать».</source>
            <translation>The study has not been computed yet: press “Compute”.</translation>
        </message>
        <message>
            <source>Рисунок PNG (*.png)</source>
            <translation>PNG image (*.png)</translation>
        </message>
        <message>
            <source>Векторный рисунок SVG (*.svg)</source>
            <translation>SVG vector image (*.svg)</translation>
        </message>
        <message>
            <source>Таблица CSV (*.csv)</source>
            <translation>CSV table (*.csv)</translation>
        </message>
        <message>
            <source>Сохранить график</source>
            <translation>Save graph</translation>
        </message>
        <message>
            <source>Сохранить таблицу</source>
            <translation>Save table</translation>
        </message>
        <message>
            <source>Печать</source>
            <translation>Print</translation>
        </message>
        <message>
            <source>Не удалось начать печать: принтер недоступен.</source>
            <translation>Could not start printing: the printer is not available.</translation>
        </message>
        <message>
            <source>Сохранение файла «%1»…</source>
            <translation>Saving the file “%1”…</translation>
        </message>
        <message>
            <source>Исходные данные исследования</source>
            <translation>Inputs of the study</translation>
        </message>
        <message>
            <source>следовать за главным окном</source>
            <translation>follow the main window</translation>
        </message>
        <message>
            <source>Взять из главного окна</source>
            <translation>Take from main window</translation>
        </message>
        <message>
            <source>устарело</source>
            <translation>out of date</translation>
        </message>
        <message>
            <source>Примечание</source>
            <translation>Note</translation>
        </message>
        <message>
            <source>Число точек должно быть от 2 до %1.</source>
            <translation>The number of points must be from 2 to %1.</translation>
        </message>
        <message>
            <source>Диапазон слишком велик.</source>
            <translation>The range is too large.</translation>
        </message>
        <message>
            <source>Начало и конец диапазона совпадают: изменять нечего.</source>
            <translation>The start and the end of the range are the same: there is nothing to vary.</translation>
        </message>
        <message>
            <source>Исследование зависимости</source>
            <translation>Study a dependence</translation>
        </message>
        <message>
            <source>Изменяемая величина</source>
            <translation>Varied quantity</translation>
        </message>
        <message>
            <source>от</source>
            <translation>from</translation>
        </message>
        <message>
            <source>до</source>
            <translation>to</translation>
        </message>
        <message>
            <source>Число точек</source>
            <translation>Number of points</translation>
        </message>
        <message>
            <source>Результат</source>
            <translation>Result</translation>
        </message>
        <message>
            <source>Рассчитать</source>
            <translation>Compute</translation>
        </message>
        <message>
            <source>Ход расчёта</source>
            <translation>Progress of the calculation</translation>
        </message>
        <message>
            <source>%v из %m</source>
            <translation>%v of %m</translation>
        </message>
        <message>
            <source>Состояние</source>
            <translation>Status</translation>
        </message>
        <message>
            <source>&amp;Величина:</source>
            <translation>&amp;Quantity:</translation>
        </message>
        <message>
            <source>о&amp;т</source>
            <translation>&amp;from</translation>
        </message>
        <message>
            <source>&amp;до</source>
            <translation>&amp;to</translation>
        </message>
        <message>
            <source>&amp;точек</source>
            <translation>&amp;points</translation>
        </message>
        <message>
            <source>&amp;Результат:</source>
            <translation>&amp;Result:</translation>
        </message>
        <message>
            <source>График зависимости</source>
            <translation>Graph of the dependence</translation>
        </message>
        <message>
            <source>Точки</source>
            <translation>Points</translation>
        </message>
        <message>
            <source>Конец диапазона — не число.</source>
            <translation>The end of the range is not a number.</translation>
        </message>
        <message>
            <source>Начало диапазона — не число.</source>
            <translation>The start of the range is not a number.</translation>
        </message>
        <message>
            <source>Идёт расчёт…</source>
            <translation>Computing…</translation>
        </message>
        <message>
            <source>Расчёт отменён; показан прежний результат.</source>
            <translation>Calculation cancelled; the previous result is shown.</translation>
        </message>
        <message>
            <source>Расчёт отменён.</source>
            <translation>Calculation cancelled.</translation>
        </message>
        <message>
            <source>Рассчитано точек: %1 из %2.</source>
            <translation>Points computed: %1 of %2.</translation>
        </message>
        <message>
            <source> Значений, которые поле не принимает: %1.</source>
            <translation> Values the field does not accept: %1.</translation>
        </message>
        <message>
            <source> Бросков, расчёт которых не закончен: %1.</source>
            <translation> Throws whose calculation did not finish: %1.</translation>
        </message>
        <message>
            <source>Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде</source>
            <translation>Trajectory of a ball thrown from a height at an angle to the horizontal in a viscous medium</translation>
        </message>
        <message>
            <source>ещё не вычислено</source>
            <translation>not computed yet</translation>
        </message>
        <message>
            <source>Вы абсолютно уверены?</source>
            <translation>Are you sure you want to exit?</translation>
        </message>
        <message>
            <source>На Выход</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>График траекторий Y(X)</source>
            <translation>Trajectory graph Y(X)</translation>
        </message>
        <message>
            <source>График проекции скорости Vx(t)</source>
            <translation>Graph of the velocity component Vx(t)</translation>
        </message>
        <message>
            <source>График проекции скорости Vy(t)</source>
            <translation>Graph of the velocity component Vy(t)</translation>
        </message>
        <message>
            <source>Масштаб графика траекторий по горизонтали</source>
            <translation>Horizontal scale of the trajectory graph</translation>
        </message>
        <message>
            <source>Масштаб графика траекторий по вертикали</source>
            <translation>Vertical scale of the trajectory graph</translation>
        </message>
        <message>
            <source>Графики</source>
            <translation>Graphs</translation>
        </message>
        <message>
            <source>траектории</source>
            <translation>trajectories</translation>
        </message>
        <message>
            <source>проекции Vx</source>
            <translation>velocity Vx</translation>
        </message>
        <message>
            <source>проекции Vy</source>
            <translation>velocity Vy</translation>
        </message>
        <message>
            <source>ПУСК</source>
            <translation>START</translation>
        </message>
        <message>
            <source>для квадратичной зависимости</source>
            <translation>runs the throw with linear + quadratic drag</translation>
        </message>
        <message>
            <source>расчёт 1</source>
            <translation>calculation 1</translation>
        </message>
        <message>
            <source>для линейной зависимости</source>
            <translation>linear drag only</translation>
        </message>
        <message>
            <source>Окно не помещается на экране: ему нужно %1 × %2 пикс., свободно %3 × %4 пикс.</source>
            <translation>The window does not fit on the screen: it needs %1 × %2 px, %3 × %4 px are free.</translation>
        </message>
        <message>
            <source>О ПРОГРАММЕ</source>
            <translation>ABOUT</translation>
        </message>
        <message>
            <source>Программа моделирует движение шара в среде вблизи поверхности Земли</source>
            <translation>The program models the motion of a ball in a medium near the Earth's surface,</translation>
        </message>
        <message>
            <source>с учётом силы Архимеда и сил сопротивления, линейно и квадратично зависящих от скорости.</source>
            <translation>taking into account buoyancy and drag forces linear and quadratic in the speed.</translation>
        </message>
        <message>
            <source>История версий:</source>
            <translation>Version history:</translation>
        </message>
        <message>
            <source>Версия 0.1 — Windows; дата и среда разработки не сохранились.</source>
            <translation>Version 0.1 — Windows; its date and development tools were not recorded.</translation>
        </message>
        <message>
            <source>Кафедра физики (автор не указан): движение шара только в вакууме.</source>
            <translation>Physics Department (author not named): motion of the ball in a vacuum only.</translation>
        </message>
        <message>
            <source>Версия 1.0 — Windows; дата и среда разработки не сохранились.</source>
            <translation>Version 1.0 — Windows; its date and development tools were not recorded.</translation>
        </message>
        <message>
            <source>Кафедра физики (автор не указан): добавлено сопротивление, линейное по скорости.</source>
            <translation>Physics Department (author not named): drag linear in the speed added.</translation>
        </message>
        <message>
            <source>Версия 2.0 — Windows; дата и среда разработки не сохранились.</source>
            <translation>Version 2.0 — Windows; its date and development tools were not recorded.</translation>
        </message>
        <message>
            <source>Кафедра физики (автор не указан): линейное и квадратичное сопротивление вместе.</source>
            <translation>Physics Department (author not named): linear and quadratic drag together.</translation>
        </message>
        <message>
            <source>Версия 2.1 — Linux и Windows, декабрь 2026 г.: интерфейс переписан на Qt 6, ошибки исправлены.</source>
            <translation>Version 2.1 — Linux and Windows, December 2026: interface rewritten in Qt 6, bugs fixed.</translation>
        </message>
        <message>
            <source>РЕГИСТРАЦИЯ</source>
            <translation>REGISTRATION</translation>
        </message>
        <message>
            <source>Ранее зарегистрированная версия: нет.</source>
            <translation>Previously registered version: none.</translation>
        </message>
        <message>
            <source>Свидетельство о государственной регистрации: не зарегистрирована.</source>
            <translation>Certificate of state registration: none, not registered.</translation>
        </message>
        <message>
            <source>Дата внесения в Реестр программ для ЭВМ: нет.</source>
            <translation>Date of entry in the Register of Computer Programs: none.</translation>
        </message>
        <message>
            <source>Официальный бюллетень: публикации не было.</source>
            <translation>Official bulletin: never published in it.</translation>
        </message>
        <message>
            <source>Адрес бюллетеня: https://bulletin.example.org/</source>
            <translation>Bulletin address: https://bulletin.example.org/</translation>
        </message>
        <message>
            <source>Текущая версия пока не зарегистрирована.</source>
            <translation>The current version is not registered yet.</translation>
        </message>
        <message>
            <source>Кафедра физики, дек. 2026 г.</source>
            <translation>Physics Department, Dec. 2026</translation>
        </message>
        <message>
            <source>Учёная степень: не указана</source>
            <translation>Academic degree: not given</translation>
        </message>
        <message>
            <source>Должность: не указана</source>
            <translation>Position: not given</translation>
        </message>
        <message>
            <source>Университет: не указан</source>
            <translation>University: not given</translation>
        </message>
        <message>
            <source>Город, страна: не указаны</source>
            <translation>City, country: not given</translation>
        </message>
        <message>
            <source>Новый урок</source>
            <translation>New lesson</translation>
        </message>
        <message>
            <source>Открыть урок…</source>
            <translation>Open lesson…</translation>
        </message>
        <message>
            <source>Сохранить урок</source>
            <translation>Save lesson</translation>
        </message>
        <message>
            <source>Отменить</source>
            <translation>Undo</translation>
        </message>
        <message>
            <source>Вернуть</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>Сохранить урок как…</source>
            <translation>Save lesson as…</translation>
        </message>
        <message>
            <source>Последние уроки</source>
            <translation>Recent lessons</translation>
        </message>
        <message>
            <source>Сохранить изменения в уроке «%1»?</source>
            <translation>Do you want to save the changes to the lesson “%1”?</translation>
        </message>
        <message>
            <source>Сохранить</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Не сохранять</source>
            <translation>Don't Save</translation>
        </message>
        <message>
            <source>Открыть урок</source>
            <translation>Open lesson</translation>
        </message>
        <message>
            <source>Урок (*.ballflight)</source>
            <translation>Lesson (*.ballflight)</translation>
        </message>
        <message>
            <source>Не удалось открыть урок «%1»: %2.</source>
            <translation>Could not open the lesson “%1”: %2.</translation>
        </message>
        <message>
            <source>урок</source>
            <translation>lesson</translation>
        </message>
        <message>
            <source>Сохранить урок как</source>
            <translation>Save lesson as</translation>
        </message>
        <message>
            <source>Восстановить урок, не сохранённый при прошлом завершении?</source>
            <translation>The program did not end normally last time. Restore the lesson that was not saved?</translation>
        </message>
        <message>
            <source>Восстановление урока</source>
            <translation>Lesson recovery</translation>
        </message>
        <message>
            <source>Не удалось восстановить урок: %1.</source>
            <translation>Could not restore the lesson: %1.</translation>
        </message>
        <message>
            <source>диск не ответил за %1 с</source>
            <translation>the disk did not respond within %1 s</translation>
        </message>
        <message>
            <source>файл не найден</source>
            <translation>the file was not found</translation>
        </message>
        <message>
            <source>это папка, а не файл</source>
            <translation>it is a folder, not a file</translation>
        </message>
        <message>
            <source>файл больше 10 МБ</source>
            <translation>the file is larger than 10 MB</translation>
        </message>
        <message>
            <source>файл не читается: %1</source>
            <translation>the file cannot be read: %1</translation>
        </message>
        <message>
            <source>входные данные записаны не объектом</source>
            <translation>the inputs are not written as an object</translation>
        </message>
        <message>
            <source>значение «%1» — не число</source>
            <translation>the value “%1” is not a number</translation>
        </message>
        <message>
            <source>неизвестное значение поля «%1»</source>
            <translation>unknown value of the field “%1”</translation>
        </message>
        <message>
            <source>значение поля «%1» вне допустимых пределов</source>
            <translation>the value of the field “%1” is out of range</translation>
        </message>
        <message>
            <source>число измеренных точек должно быть от 2 до 100000</source>
            <translation>the number of measured points must be from 2 to 100000</translation>
        </message>
        <message>
            <source>измеренная точка — не три числа</source>
            <translation>a measured point is not three numbers</translation>
        </message>
        <message>
            <source>измеренные точки не упорядочены по времени</source>
            <translation>the measured points are not in order of time</translation>
        </message>
        <message>
            <source>номера столбцов измерений записаны неверно</source>
            <translation>the column numbers of the measurements are wrong</translation>
        </message>
        <message>
            <source>неизвестная изменяемая величина «%1»</source>
            <translation>unknown varied quantity “%1”</translation>
        </message>
        <message>
            <source>неизвестный результат «%1»</source>
            <translation>unknown result “%1”</translation>
        </message>
        <message>
            <source>это не файл урока (не JSON-объект)</source>
            <translation>this is not a lesson file (not a JSON object)</translation>
        </message>
        <message>
            <source>в файле нет номера формата урока</source>
            <translation>the file has no lesson format number</translation>
        </message>
        <message>
            <source>формат %1 новее, чем понимает эта версия программы</source>
            <translation>format %1 is newer than this version of the program understands</translation>
        </message>
        <message>
            <source>сохранённый бросок %1: %2</source>
            <translation>kept throw %1: %2</translation>
        </message>
        <message>
            <source>исследование: %1</source>
            <translation>study: %1</translation>
        </message>
        <message>
            <source>файл повреждён или это не PDF</source>
            <translation>the file is damaged or is not a PDF</translation>
        </message>
        <message>
            <source>документ защищён паролем</source>
            <translation>the document is protected by a password</translation>
        </message>
        <message>
            <source>неизвестная ошибка</source>
            <translation>unknown error</translation>
        </message>
        <message>
            <source>Не удалось открыть документ %1: %2.</source>
            <translation>Could not open the document %1: %2.</translation>
        </message>
        <message>
            <source>в документе нет страниц</source>
            <translation>the document has no pages</translation>
        </message>
        <message>
            <source>файл не читается</source>
            <translation>the file cannot be read</translation>
        </message>
        <message>
            <source>файл слишком велик</source>
            <translation>the file is too large</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Документ</source>
            <translation>Document</translation>
        </message>
        <message>
            <source>Предыдущая</source>
            <translation>Previous</translation>
        </message>
        <message>
            <source>Страница</source>
            <translation>Page</translation>
        </message>
        <message>
            <source>Страница </source>
            <translation>Page </translation>
        </message>
        <message>
            <source> из %1 </source>
            <translation> of %1 </translation>
        </message>
        <message>
            <source>Следующая</source>
            <translation>Next</translation>
        </message>
        <message>
            <source>Уменьшить</source>
            <translation>Zoom out</translation>
        </message>
        <message>
            <source>Увеличить</source>
            <translation>Zoom in</translation>
        </message>
        <message>
            <source>По ширине</source>
            <translation>Fit width</translation>
        </message>
        <message>
            <source>Страница целиком</source>
            <translation>Whole page</translation>
        </message>
        <message>
            <source>Печать документа %1</source>
            <translation>Print document %1</translation>
        </message>
        <message>
            <source>Не удалось напечатать документ %1.</source>
            <translation>Could not print the document %1.</translation>
        </message>
        <message>
            <source>Да</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>Нет</source>
            <translation>No</translation>
        </message>
        <message>
            <source>папка %1 не существует</source>
            <translation>the folder %1 does not exist</translation>
        </message>
        <message>
            <source>%1 — не папка</source>
            <translation>%1 is not a folder</translation>
        </message>
        <message>
            <source>это имя занято папкой</source>
            <translation>a folder already has this name</translation>
        </message>
        <message>
            <source>нет права на запись в папку %1</source>
            <translation>no permission to write to the folder %1</translation>
        </message>
        <message>
            <source>файл защищён от записи</source>
            <translation>the file is write-protected</translation>
        </message>
        <message>
            <source>это не обычный файл</source>
            <translation>this is not a regular file</translation>
        </message>
        <message>
            <source>на диске не хватает места</source>
            <translation>there is not enough space on the disk</translation>
        </message>
        <message>
            <source>диск доступен только для чтения</source>
            <translation>the disk is read-only</translation>
        </message>
        <message>
            <source>не удалось записать данные на диск (%1)</source>
            <translation>could not write the data to the disk (%1)</translation>
        </message>
        <message>
            <source>Не удалось сохранить файл «%1»: %2.</source>
            <translation>Could not save the file “%1”: %2.</translation>
        </message>
        <message>
            <source>сейчас:</source>
            <translation>now:</translation>
        </message>
        <message>
            <source>как сейчас</source>
            <translation>same as now</translation>
        </message>
        <message>
            <source>сталь</source>
            <translation>steel</translation>
        </message>
        <message>
            <source>чугун</source>
            <translation>cast iron</translation>
        </message>
        <message>
            <source>алюминий</source>
            <translation>aluminium</translation>
        </message>
        <message>
            <source>медь</source>
            <translation>copper</translation>
        </message>
        <message>
            <source>свинец</source>
            <translation>lead</translation>
        </message>
        <message>
            <source>стекло</source>
            <translation>glass</translation>
        </message>
        <message>
            <source>гранит</source>
            <translation>granite</translation>
        </message>
        <message>
            <source>лёд</source>
            <translation>ice</translation>
        </message>
        <message>
            <source>дуб</source>
            <translation>oak</translation>
        </message>
        <message>
            <source>пробка</source>
            <translation>cork</translation>
        </message>
        <message>
            <source>воздух 0 °C</source>
            <translation>air 0 °C</translation>
        </message>
        <message>
            <source>воздух 20 °C</source>
            <translation>air 20 °C</translation>
        </message>
        <message>
            <source>вода 4 °C</source>
            <translation>water 4 °C</translation>
        </message>
        <message>
            <source>вода 20 °C</source>
            <translation>water 20 °C</translation>
        </message>
        <message>
            <source>морская вода 20 °C</source>
            <translation>sea water 20 °C</translation>
        </message>
        <message>
            <source>машинное масло 20 °C</source>
            <translation>machine oil 20 °C</translation>
        </message>
        <message>
            <source>касторовое масло 20 °C</source>
            <translation>castor oil 20 °C</translation>
        </message>
        <message>
            <source>глицерин 20 °C</source>
            <translation>glycerol 20 °C</translation>
        </message>
        <message>
            <source>Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: углеродистая сталь</source>
            <translation>Koshkin N. I., Shirkevich M. G. Handbook of Elementary Physics: carbon steel</translation>
        </message>
        <message>
            <source>Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: серый чугун</source>
            <translation>Koshkin N. I., Shirkevich M. G. Handbook of Elementary Physics: grey cast iron</translation>
        </message>
        <message>
            <source>CRC Handbook of Chemistry and Physics: плотность элементов</source>
            <translation>CRC Handbook of Chemistry and Physics: density of the elements</translation>
        </message>
        <message>
            <source>Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: оконное стекло</source>
            <translation>Koshkin N. I., Shirkevich M. G. Handbook of Elementary Physics: window glass</translation>
        </message>
        <message>
            <source>Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: гранит</source>
            <translation>Koshkin N. I., Shirkevich M. G. Handbook of Elementary Physics: granite</translation>
        </message>
        <message>
            <source>CRC Handbook of Chemistry and Physics: лёд при 0 °C</source>
            <translation>CRC Handbook of Chemistry and Physics: ice at 0 °C</translation>
        </message>
        <message>
            <source>Пёрышкин А. В. Физика. 7 класс: таблица плотностей (сухой дуб)</source>
            <translation>Peryshkin A. V. Physics, grade 7: table of densities (dry oak)</translation>
        </message>
        <message>
            <source>Пёрышкин А. В. Физика. 7 класс: таблица плотностей</source>
            <translation>Peryshkin A. V. Physics, grade 7: table of densities</translation>
        </message>
        <message>
            <source>Варгафтик Н. Б. Справочник по теплофизическим свойствам газов и жидкостей: сухой воздух, 101,3 кПа</source>
            <translation>Vargaftik N. B. Handbook of the Thermophysical Properties of Gases and Liquids: dry air, 101.3 kPa</translation>
        </message>
        <message>
            <source>CRC Handbook of Chemistry and Physics: вода</source>
            <translation>CRC Handbook of Chemistry and Physics: water</translation>
        </message>
        <message>
            <source>Плотность: уравнение состояния морской воды ЮНЕСКО (1980), вязкость: Sharqawy M. H., Lienhard J. H., Zubair S. M. Thermophysical properties of seawater (2010), солёность 35 ‰</source>
            <translation>Density: UNESCO equation of state of seawater (1980); viscosity: Sharqawy M. H., Lienhard J. H., Zubair S. M. Thermophysical properties of seawater (2010); salinity 35 ‰</translation>
        </message>
        <message>
            <source>Типичные значения лёгкого машинного масла; у разных марок вязкость различается в разы</source>
            <translation>Typical values of a light machine oil; the viscosity differs several-fold between brands</translation>
        </message>
        <message>
            <source>Кошкин Н. И., Ширкевич М. Г. Справочник по элементарной физике: касторовое масло</source>
            <translation>Koshkin N. I., Shirkevich M. G. Handbook of Elementary Physics: castor oil</translation>
        </message>
        <message>
            <source>CRC Handbook of Chemistry and Physics: безводный глицерин</source>
            <translation>CRC Handbook of Chemistry and Physics: anhydrous glycerol</translation>
        </message>
        <message>
            <source>точка %1:</source>
            <translation>point %1:</translation>
        </message>
        <message>
            <source>Нет графика: он строится после «ПУСК»</source>
            <translation>No graph: it is drawn after “START”</translation>
        </message>
        <message>
            <source>Число Рейнольдса Re = ρo·v·d/η:</source>
            <translation>Reynolds number Re = ρo·v·d/η:</translation>
        </message>
        <message>
            <source>при броске: %1</source>
            <translation>at launch: %1</translation>
        </message>
        <message>
            <source>при падении в среде (Fc~v): %1</source>
            <translation>at landing in fluid (Fc~v): %1</translation>
        </message>
        <message>
            <source>при падении в среде (Fc~v^2): %1</source>
            <translation>at landing in fluid (Fc~v^2): %1</translation>
        </message>
        <message>
            <source>Величина</source>
            <translation>Quantity</translation>
        </message>
        <message>
            <source>Значение</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>Единица</source>
            <translation>Unit</translation>
        </message>
        <message>
            <source>Описание</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>%1 — исходное данное</source>
            <translation>%1 — input</translation>
        </message>
        <message>
            <source>закон Стокса (Fc~v) применим</source>
            <translation>Stokes' law (Fc~v) applies</translation>
        </message>
        <message>
            <source>при падении: %1</source>
            <translation>at landing: %1</translation>
        </message>
        <message>
            <source>Документ PDF (*.pdf)</source>
            <translation>PDF document (*.pdf)</translation>
        </message>
        <message>
            <source>На графике ещё ничего нет: графики скоростей строятся после нажатия «ПУСК».</source>
            <translation>The graph is still empty: the velocity graphs are drawn after “START” is pressed.</translation>
        </message>
        <message>
            <source>с подписями</source>
            <translation>with captions</translation>
        </message>
        <message>
            <source>Сохранить данные</source>
            <translation>Save data</translation>
        </message>
        <message>
            <source>На графике ещё нет кривых: графики скоростей строятся после нажатия «ПУСК».</source>
            <translation>The graph has no curves yet: the velocity graphs are drawn after “START” is pressed.</translation>
        </message>
        <message>
            <source>Сохранить отчёт</source>
            <translation>Save report</translation>
        </message>
        <message>
            <source>Скорость анимации</source>
            <translation>Animation speed</translation>
        </message>
        <message>
            <source>Пауза</source>
            <translation>Paused</translation>
        </message>
        <message>
            <source>Масштаб интерфейса</source>
            <translation>Interface scale</translation>
        </message>
        <message>
            <source>Крупнее</source>
            <translation>Larger</translation>
        </message>
        <message>
            <source>Мельче</source>
            <translation>Smaller</translation>
        </message>
        <message>
            <source>время первой точки с y &lt; 0 плюс полшага</source>
            <translation>time of the first point with y &lt; 0 plus half a step</translation>
        </message>
        <message>
            <source>переходная область: τ и Vp1 верны лишь при Re ≲ 1</source>
            <translation>transitional regime: τ and Vp1 hold only for Re ≲ 1</translation>
        </message>
        <message>
            <source>сопротивление ~v²; τ и Vp1 верны лишь при Re ≲ 1</source>
            <translation>drag ~v²; τ and Vp1 hold only for Re ≲ 1</translation>
        </message>
        <message>
            <source>за кризисом сопротивления: постоянный Cd = 0,5 завышает сопротивление в разы</source>
            <translation>past the drag crisis: the constant Cd = 0.5 overstates the drag several times</translation>
        </message>
        <message>
            <source>Для вакуума всё и так известно!</source>
            <comment>η ≤ 0</comment>
            <translation>A viscosity of 0 would describe an inviscid fluid, not a vacuum: the buoyancy and the quadratic drag would remain, only the Stokes drag would vanish; a negative one has no meaning. The program's formulas divide by the viscosity, so it must be greater than 0 Pa·s; the window puts that of air, 0.0000182 Pa·s, in the field and computes with it.</translation>
        </message>
        <message>
            <source>На Выход</source>
            <comment>unsaved lesson</comment>
            <translation>Unsaved changes</translation>
        </message>
        <message>
            <source>коэффициент сопротивления (Cd, только Fc~v^2)</source>
            <translation>drag coefficient (Cd, Fc~v^2 only)</translation>
        </message>
        <message>
            <source>гладкий шар</source>
            <translation>smooth sphere</translation>
        </message>
        <message>
            <source>Hoerner S. F. Fluid-Dynamic Drag (1965): гладкая сфера до кризиса сопротивления, Re от 10⁴ до 2·10⁵</source>
            <translation>Hoerner S. F. Fluid-Dynamic Drag (1965): a smooth sphere below the drag crisis, Re from 10⁴ to 2·10⁵</translation>
        </message>
        <message>
            <source>мяч для настольного тенниса</source>
            <translation>table-tennis ball</translation>
        </message>
        <message>
            <source>Гладкий полый шар 40 мм: при 8–25 м/с в воздухе Re от 2·10⁴ до 6·10⁴, докритическая часть кривой сопротивления шара (Schlichting H. Boundary-Layer Theory, опыты Визельсбергера)</source>
            <translation>A smooth hollow ball of 40 mm: at 8–25 m/s in air Re is 2·10⁴ to 6·10⁴, the part of the sphere's drag curve below the crisis (Schlichting H. Boundary-Layer Theory, Wieselsberger's measurements)</translation>
        </message>
        <message>
            <source>теннисный мяч</source>
            <translation>tennis ball</translation>
        </message>
        <message>
            <source>Cross R., Lindsey C. Measurements of drag and lift on tennis balls in flight. Sports Engineering 17 (2014): новые мячи в полёте при 15–30 м/с, Cd = 0,507 ± 0,024; в аэродинамической трубе — 0,6–0,7</source>
            <translation>Cross R., Lindsey C. Measurements of drag and lift on tennis balls in flight. Sports Engineering 17 (2014): new balls in flight at 15–30 m/s, Cd = 0.507 ± 0.024; in a wind tunnel 0.6–0.7</translation>
        </message>
        <message>
            <source>мяч для гольфа</source>
            <translation>golf ball</translation>
        </message>
        <message>
            <source>Bearman P. W., Harvey J. K. Golf ball aerodynamics. Aeronautical Quarterly 27 (1976): мяч с лунками без вращения, Re около 10⁵</source>
            <translation>Bearman P. W., Harvey J. K. Golf ball aerodynamics. Aeronautical Quarterly 27 (1976): a dimpled ball without spin, Re about 10⁵</translation>
        </message>
        <message>
            <source>футбольный мяч</source>
            <translation>football</translation>
        </message>
        <message>
            <source>Goff J. E., Carré M. J. Trajectory analysis of a soccer ball. American Journal of Physics 77 (2009): полёт без вращения, Cd около 0,2 по его дальности, за кризисом сопротивления</source>
            <translation>Goff J. E., Carré M. J. Trajectory analysis of a soccer ball. American Journal of Physics 77 (2009): a flight without spin, Cd about 0.2 from its range, past the drag crisis</translation>
        </message>
        <message>
            <source>Коэффициент сопротивления Cd</source>
            <translation>Drag coefficient Cd</translation>
        </message>
        <message>
            <source>Cd входит только в квадратичное сопротивление Cd·ρo·S·v²/2 (модель Fc~v^2). Табличное значение относится к мячу без вращения; подогнанное по опыту может отличаться.</source>
            <translation>Cd enters only the quadratic drag Cd·ρo·S·v²/2 (the Fc~v^2 model). A table's value is for a ball without spin; one fitted to an experiment may differ.</translation>
        </message>
        <message>
            <source>Шар:</source>
            <translation>Ball:</translation>
        </message>
        <message>
            <source>своё значение</source>
            <translation>a value of your own</translation>
        </message>
        <message>
            <source>По умолчанию Cd = 0.5: гладкий шар до кризиса сопротивления.</source>
            <translation>By default Cd = 0.5: a smooth sphere below the drag crisis.</translation>
        </message>
        <message>
            <source>Коэффициент сопротивления Cd…</source>
            <translation>Drag coefficient Cd…</translation>
        </message>
        <message>
            <source>Cd — исходное данное (Fc~v^2)</source>
            <translation>Cd — input (Fc~v^2)</translation>
        </message>
        <message>
            <source>Закон сопротивления гладкого шара (Morrison F. A. An Introduction to Fluid Mechanics, 2013; Re от 0,1 до 10⁶): при броске Re = %1, Cd = %2; при падении (Fc~v^2) Re = %3, Cd = %4.</source>
            <translation>The drag law of a smooth sphere (Morrison F. A. An Introduction to Fluid Mechanics, 2013; Re from 0.1 to 10⁶): at the launch Re = %1, Cd = %2; at the landing (Fc~v^2) Re = %3, Cd = %4.</translation>
        </message>
        <message>
            <source>Полёт проходит через кризис сопротивления: постоянный Cd описывает его плохо.</source>
            <translation>The flight passes through the drag crisis: a constant Cd describes it poorly.</translation>
        </message>
        <message>
            <source>t, с</source>
            <translation>t, s</translation>
        </message>
        <message>
            <source>модель − точка, мм</source>
            <translation>model − point, mm</translation>
        </message>
        <message>
            <source>Δx: по горизонтали</source>
            <translation>Δx: horizontal</translation>
        </message>
        <message>
            <source>Δy: по вертикали</source>
            <translation>Δy: vertical</translation>
        </message>
        <message>
            <source>Отклонения модели от точек</source>
            <translation>Deviations of the model from the points</translation>
        </message>
        <message>
            <source>Корреляции</source>
            <translation>Correlations</translation>
        </message>
        <message>
            <source>Для t и положения нужно выбрать два разных столбца.</source>
            <translation>Choose two different columns for t and the position.</translation>
        </message>
        <message>
            <source>Для x и y нужно выбрать два разных столбца.</source>
            <translation>Choose two different columns for x and y.</translation>
        </message>
        <message>
            <source>Угол %1° не записан: поле угла принимает -90 &lt; α &lt; 90, а модели вертикального движения считались при α = %1°.</source>
            <translation>The angle %1° is not written: the angle field accepts -90 &lt; α &lt; 90, and the models of the vertical motion were computed at α = %1°.</translation>
        </message>
        <message>
            <source>бросок (t, x, y)</source>
            <translation>throw (t, x, y)</translation>
        </message>
        <message>
            <source>вертикальное движение (t и y)</source>
            <translation>vertical motion (t and y)</translation>
        </message>
        <message>
            <source>траектория без времени (x, y)</source>
            <translation>path without times (x, y)</translation>
        </message>
        <message>
            <source>Что измерено:</source>
            <translation>What was measured:</translation>
        </message>
        <message>
            <source>вверх (высота)</source>
            <translation>up (a height)</translation>
        </message>
        <message>
            <source>вниз (растёт при падении)</source>
            <translation>down (grows as the ball falls)</translation>
        </message>
        <message>
            <source>Столбец положения направлен:</source>
            <translation>The position column points:</translation>
        </message>
        <message>
            <source>Среднеквадратичное расстояние от точек до траекторий моделей:</source>
            <translation>RMS distance from the points to the models' paths:</translation>
        </message>
    </context>
</TS>
