<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>plansza</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste pole</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>element %1, wiersz %2, kolumna %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Obrazkowa układanka przesuwna 3x3. Przesuń elementy z powrotem na właściwe
miejsca, klikając je, klawiszami strzałek lub przechylając urządzenie.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Wyświetla czujniki obrotu i akcelerometry, podaje, którego z nich używa sterowanie przechylaniem i dlaczego pozostałe są pomijane, po czym kończy działanie.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>OBRAZEK</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Obrazek do gry zamiast domyślnego.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Własna opcja Qt, zobacz dokumentację Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Aby uzyskać więcej informacji, użyj &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Za dużo argumentów, uwzględniany jest tylko jeden OBRAZEK. Aby uzyskać więcej informacji, użyj &apos;%1 --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>&amp;Wczytaj obrazek</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Instrukcja</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>poziom trudności</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Celem jest ułożenie układanki we właściwej kolejności. Kolejność jest właściwa, gdy puste pole znajduje się w lewym górnym rogu.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Układanka została ułożona.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Nie można zapisać najlepszych czasów w %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Nie można zapisać poziomu trudności w %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>czas: %n sekunda</numerusform>
            <numerusform>czas: %n sekundy</numerusform>
            <numerusform>czas: %n sekund</numerusform>
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
        <translation>pominięty: symulowany</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>pominięty: %1 ma pierwszeństwo</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>prawdziwy akcelerometr</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>pominięty: obliczany z akcelerometru, a żaden prawdziwy nie jest dostępny</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>używany, obliczany z %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>używany</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  brak dostępnych</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Moduły obsługi czujników obrotu:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Moduły obsługi akcelerometrów:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Akcelerometr IIO: %1 w %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Akcelerometr IIO: nie znaleziono żadnego w %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Sterowanie przechylaniem: wyłączone, żaden czujnik nie mierzy tego urządzenia</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Sterowanie przechylaniem: odczytuje %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  jeden odczyt: brak odpowiedzi w ciągu %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  jeden odczyt: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  jeden odczyt: zajęte, inny program stale odczytuje urządzenie (na przykład systemowa usługa obracania ekranu; zablokowanie obracania ekranu je zwalnia)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  jeden odczyt: niepowodzenie po %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  jeden odczyt: brak wiarygodnych wartości, po %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>inny program blokuje plik</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>nie można utworzyć pliku blokady</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>nie jest to zwykły plik</translation>
    </message>
</context>
</TS>
