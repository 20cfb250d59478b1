<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>griglia</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>casella vuota</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>tessera %1, riga %2, colonna %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Un puzzle scorrevole di immagini 3x3. Fai scorrere le tessere per rimetterle in
ordine facendoci clic sopra, con i tasti freccia o inclinando il dispositivo.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Elenca i sensori di rotazione e gli accelerometri, indica quale usa l&apos;inclinazione e perché gli altri vengono scartati, poi esce.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMMAGINE</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Un&apos;immagine con cui giocare al posto di quella predefinita.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Opzione propria di Qt, vedi la documentazione di Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Usa «%1 --help» per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Troppi argomenti, viene presa una sola IMMAGINE. Usa «%1 --help» per maggiori informazioni.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Tempi migliori</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>&amp;Carica immagine</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Istruzioni</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>Lo scopo è rimettere il puzzle nell&apos;ordine giusto. L&apos;ordine è giusto quando la casella vuota si trova nell&apos;angolo in alto a sinistra.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Hai completato il puzzle.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Tempi migliori</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Impossibile salvare i tempi migliori in %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Impossibile salvare il livello di difficoltà in %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>Tempo: %n secondo</numerusform>
            <numerusform>Tempo: %n secondi</numerusform>
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
        <translation>scartato: simulato</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>scartato: %1 ha la precedenza</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>un accelerometro reale</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>scartato: calcolato da un accelerometro, e non ne viene offerto nessuno reale</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>usato, calcolato da %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>usato</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  nessuno offerto</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Backend dei sensori di rotazione:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Backend degli accelerometri:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Accelerometro IIO: %1 in %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Accelerometro IIO: nessuno trovato in %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Controllo a inclinazione: disattivato, nessun sensore misura questo dispositivo</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Controllo a inclinazione: legge %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  una lettura: nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  una lettura: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  una lettura: occupato, un altro programma legge il dispositivo in continuo (per esempio il servizio di rotazione del sistema; bloccare la rotazione dello schermo lo libera)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  una lettura: non riuscita dopo %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  una lettura: nessun valore plausibile, dopo %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>un altro programma tiene bloccato il file</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>non è possibile crearne il file di blocco</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
</TS>
