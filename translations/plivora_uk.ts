<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>ігрове поле</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожня клітинка</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>фішка %1, рядок %2, стовпчик %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>П&apos;ятнашки 3x3 з малюнком. Пересувайте фішки на свої місця, клацаючи на них,
натискаючи клавіші зі стрілками або нахиляючи пристрій.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Показує список датчиків обертання та акселерометрів, повідомляє, який із них використовується для керування нахилом і чому інші пропущено, і завершує роботу.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>МАЛЮНОК</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Малюнок для гри замість типового.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Власний параметр Qt, див. документацію до Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Докладніше про це можна дізнатися за допомогою команди «%1 --help».
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Забагато аргументів, використовується лише один МАЛЮНОК. Докладніше про це можна дізнатися за допомогою команди «%1 --help».
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Рекорди</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>Відкрити &amp;малюнок</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Правила гри</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Складний</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>рівень складності</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Відкрити файл</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Мета гри — розставити фішки головоломки в правильному порядку. Порядок правильний, коли порожня клітинка опиняється в лівому верхньому куті.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Ви склали головоломку.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Не вдалося зберегти рекорди у %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Не вдалося зберегти рівень складності у %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>час: %n секунда</numerusform>
            <numerusform>час: %n секунди</numerusform>
            <numerusform>час: %n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SensorChoice</name>
    <message>
        <source>passed over: simulated</source>
        <translation>пропущено: імітація</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>пропущено: перевагу має %1</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>справжній акселерометр</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>пропущено: обчислюється за даними акселерометра, а справжнього акселерометра немає</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>використовується, обчислюється за даними %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>використовується</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  немає жодного</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Модулі датчиків обертання:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Модулі акселерометрів:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Акселерометр IIO: %1, шлях %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Акселерометр IIO: у %1 не знайдено жодного</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Керування нахилом: вимкнено, жоден датчик не вимірює положення цього пристрою</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Керування нахилом: дані з %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  одне зчитування: немає відповіді протягом %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  одне зчитування: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  одне зчитування: пристрій зайнятий, його дані безперервно читає інша програма (наприклад, системна служба обертання екрана; блокування обертання екрана звільняє пристрій)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  одне зчитування: помилка через %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  одне зчитування: немає правдоподібних значень, через %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>файл заблоковано іншою програмою</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>не вдається створити файл блокування</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>це не звичайний файл</translation>
    </message>
</context>
</TS>
