<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>игровое поле</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>фишка %1, ряд %2, столбец %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Пятнашки 3x3 с картинкой. Расставьте фишки по местам, щёлкая по ним, клавишами
со стрелками или наклоняя устройство.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Выводит список датчиков поворота и акселерометров, сообщает, какой из них использует управление наклоном и почему остальные пропущены, и завершает работу.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>КАРТИНКА</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Картинка для игры вместо стандартной.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Собственный параметр Qt, см. документацию Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Подробнее: &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Слишком много аргументов, принимается только одна КАРТИНКА. Подробнее: &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>&amp;Открыть картинку</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Правила</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>уровень сложности</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Цель игры — расставить фишки в правильном порядке. Порядок правильный, когда пустая клетка находится в левом верхнем углу.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Головоломка собрана.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Не удалось сохранить лучшие результаты в %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Не удалось сохранить уровень сложности в %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>время: %n секунда</numerusform>
            <numerusform>время: %n секунды</numerusform>
            <numerusform>время: %n секунд</numerusform>
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
        <translation>пропущен: имитация</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>пропущен: приоритет у %1</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>настоящий акселерометр</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>пропущен: вычисляется по акселерометру, а настоящего акселерометра нет</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>используется, вычисляется по %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>используется</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  нет ни одного</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Модули датчиков поворота:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Модули акселерометров:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Акселерометр IIO: %1 в %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Акселерометр IIO: не найден в %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Управление наклоном: выключено, ни один датчик не измеряет положение этого устройства</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Управление наклоном: считывает %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  одно считывание: нет ответа в течение %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  одно считывание: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  одно считывание: занято, другая программа непрерывно читает устройство (например, системная служба поворота экрана; блокировка поворота экрана освобождает его)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  одно считывание: сбой через %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  одно считывание: нет правдоподобных значений, через %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>другая программа держит файл заблокированным</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>не удаётся создать файл блокировки</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>это не обычный файл</translation>
    </message>
</context>
</TS>
