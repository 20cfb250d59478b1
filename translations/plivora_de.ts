<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeres Feld</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>Kachel %1, Zeile %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Ein Bilder-Schiebepuzzle mit 3x3 Feldern. Schieben Sie die Kacheln durch
Anklicken, mit den Pfeiltasten oder durch Neigen des Geräts wieder in die
richtige Reihenfolge.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Listet die Lage- und Beschleunigungssensoren auf, nennt den für das Neigen verwendeten und den Grund, warum die anderen übergangen werden, und beendet sich.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>BILD</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Ein Bild, mit dem statt des Standardbilds gespielt wird.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Eine Option von Qt selbst, siehe die Qt-Dokumentation.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 „%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Zu viele Argumente, nur ein BILD wird angenommen. „%1 --help“ liefert weitere Informationen.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>Bild &amp;laden</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Ziel ist es, das Puzzle in die richtige Reihenfolge zu bringen. Die Reihenfolge stimmt, wenn das leere Feld in der linken oberen Ecke liegt.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Sie haben das Puzzle gelöst.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Die Bestzeiten konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Der Schwierigkeitsgrad konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>Zeit: %n Sekunde</numerusform>
            <numerusform>Zeit: %n Sekunden</numerusform>
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
        <translation>übergangen: simuliert</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>übergangen: %1 hat Vorrang</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>ein echter Beschleunigungssensor</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>übergangen: aus einem Beschleunigungssensor berechnet, und kein echter wird angeboten</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>verwendet, berechnet aus %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>verwendet</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  keines angeboten</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Backends für Lagesensoren:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Backends für Beschleunigungssensoren:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>IIO-Beschleunigungssensor: %1 unter %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>IIO-Beschleunigungssensor: keiner gefunden in %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Neigungssteuerung: aus, kein Sensor misst dieses Gerät</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Neigungssteuerung: liest %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  eine Messung: keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  eine Messung: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  eine Messung: belegt, ein anderes Programm liest das Gerät fortlaufend aus (etwa der Drehdienst des Systems; das Sperren der Bildschirmdrehung gibt es frei)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  eine Messung: nach %1 ms fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  eine Messung: keine plausiblen Werte, nach %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>ein anderes Programm hält die Datei gesperrt</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>die zugehörige Sperrdatei lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
</context>
</TS>
