<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>tabuleiro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>peça %1, linha %2, coluna %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>Um quebra-cabeça deslizante de imagens 3x3. Deslize as peças de volta à ordem
certa clicando nelas, com as teclas de seta ou inclinando o dispositivo.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>Lista os sensores de rotação e os acelerômetros, indica qual deles o controle por inclinação usa e por que os outros são ignorados, e sai.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>IMAGEM</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>Uma imagem para jogar no lugar da imagem padrão.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Opção do próprio Qt; veja a documentação do Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 Tente &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: Argumentos demais, apenas uma IMAGEM é aceita. Tente &apos;%1 --help&apos; para mais informações.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>&amp;Carregar imagem</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>nível de dificuldade</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>O objetivo é colocar o quebra-cabeça na ordem certa. A ordem está certa quando o espaço vazio está no canto superior esquerdo.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>Você completou o quebra-cabeça.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>Não foi possível salvar os melhores tempos em %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>Não foi possível salvar o nível de dificuldade em %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>tempo: %n segundo</numerusform>
            <numerusform>tempo: %n segundos</numerusform>
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
        <translation>ignorado: simulado</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>ignorado: %1 tem prioridade</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>um acelerômetro real</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>ignorado: calculado a partir de um acelerômetro, e nenhum acelerômetro real é oferecido</translation>
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
        <translation>  nenhum oferecido</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>Módulos de sensor de rotação:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>Módulos de acelerômetro:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>Acelerômetro IIO: %1 em %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>Acelerômetro IIO: nenhum encontrado em %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>Controle por inclinação: desligado, nenhum sensor mede este dispositivo</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>Controle por inclinação: lê %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  uma leitura: sem resposta em %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  uma leitura: %1 ms, x %2, y %3, z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  uma leitura: ocupado, outro programa lê o dispositivo continuamente (o serviço de rotação do sistema, por exemplo; bloquear a rotação da tela o libera)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  uma leitura: falhou após %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  uma leitura: nenhum valor plausível, após %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>outro programa mantém o arquivo bloqueado</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>não é possível criar o arquivo de bloqueio</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
</TS>
