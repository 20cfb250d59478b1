<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>tablero</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>casilla vacía</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>pieza %1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Un rompecabezas deslizante de imágenes de 3x3. Deslice las piezas para volver a
ordenarlas haciendo clic en ellas, con las teclas de flecha o inclinando el
dispositivo.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Lista los sensores de rotación y los acelerómetros, indica cuál usa la inclinación y por qué se descartan los demás, y sale.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMAGEN</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Una imagen con la que jugar en lugar de la predeterminada.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Opción propia de Qt; consulte la documentación de Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Pruebe «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Demasiados argumentos, solo se admite una IMAGEN. Pruebe «%1 --help» para más información.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Mejores tiempos</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>&amp;Cargar imagen</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>El objetivo es poner el rompecabezas en el orden correcto. El orden es correcto cuando la casilla vacía está en la esquina superior izquierda.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Ha completado el rompecabezas.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>No se pudieron guardar los mejores tiempos en %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>No se pudo guardar el nivel de dificultad en %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>Tiempo: %n segundo</numerusform>
            <numerusform>Tiempo: %n segundos</numerusform>
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
        <translation>descartado: simulado</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>descartado: %1 va primero</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>un acelerómetro real</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>descartado: se calcula a partir de un acelerómetro, y no se ofrece ninguno real</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>usado, calculado a partir de %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>usado</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  no se ofrece ninguno</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Motores de sensor de rotación:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Motores de acelerómetro:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Acelerómetro IIO: %1 en %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Acelerómetro IIO: no se encontró ninguno en %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Control por inclinación: desactivado, ningún sensor mide este dispositivo</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Control por inclinación: lee %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  una lectura: sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  una lectura: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  una lectura: ocupado, otro programa lee el dispositivo de forma continua (por ejemplo, el servicio de rotación del sistema; bloquear la rotación de la pantalla lo libera)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  una lectura: falló tras %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  una lectura: ningún valor plausible, tras %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>otro programa mantiene el archivo bloqueado</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
</TS>
