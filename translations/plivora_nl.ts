<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>speelbord</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>stukje %1, rij %2, kolom %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Een schuifpuzzel van 3x3 met een afbeelding. Zet de stukjes weer op hun plaats
door erop te klikken, met de pijltoetsen of door het apparaat te kantelen.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Toont de rotatiesensoren en versnellingsmeters, vertelt welke de kantelbesturing gebruikt en waarom de andere worden overgeslagen, en sluit dan af.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>AFBEELDING</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Een afbeelding om mee te spelen in plaats van de standaardafbeelding.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Eigen optie van Qt, zie de documentatie van Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Probeer &apos;%1 --help&apos; voor meer informatie.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Te veel argumenten, er wordt maar één AFBEELDING gebruikt. Probeer &apos;%1 --help&apos; voor meer informatie.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>Afbeelding &amp;laden</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Instructies</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>moeilijkheidsgraad</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Het doel is de puzzel in de juiste volgorde te krijgen. De volgorde is juist als het lege vakje in de linkerbovenhoek staat.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>U hebt de puzzel opgelost.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>De beste tijden konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>De moeilijkheidsgraad kon niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>tijd: %n seconde</numerusform>
            <numerusform>tijd: %n seconden</numerusform>
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
        <translation>overgeslagen: gesimuleerd</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>overgeslagen: %1 gaat voor</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>een echte versnellingsmeter</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>overgeslagen: berekend uit een versnellingsmeter, en er wordt geen echte aangeboden</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>gebruikt, berekend uit %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>gebruikt</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  geen aangeboden</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Stuurmodules voor rotatiesensoren:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Stuurmodules voor versnellingsmeters:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>IIO-versnellingsmeter: %1 op %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>IIO-versnellingsmeter: geen gevonden in %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Kantelbesturing: uit, geen sensor meet dit apparaat</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Kantelbesturing: leest %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  één meting: geen antwoord binnen %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  één meting: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  één meting: bezet, een ander programma leest het apparaat continu uit (bijvoorbeeld de rotatiedienst van het systeem; het vergrendelen van de schermrotatie maakt het vrij)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  één meting: mislukt na %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  één meting: geen aannemelijke waarden, na %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>een ander programma houdt het bestand vergrendeld</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>het vergrendelingsbestand kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
</context>
</TS>
