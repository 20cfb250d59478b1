<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>拼图板</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>方块 %1，第 %2 行，第 %3 列</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>3x3 滑块拼图游戏。点击方块、按方向键或倾斜设备，
将方块滑回原来的顺序。</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>列出旋转传感器和加速度计，说明倾斜操作使用哪一个以及其他传感器为何被跳过，然后退出。</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>代替默认图片用来游戏的图片。</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Qt 自身的选项，请参阅 Qt 文档。</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 请尝试执行“%1 --help”以获取更多信息。
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: 参数过多，只接受一个图片。请尝试执行“%1 --help”以获取更多信息。
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>最佳用时(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>载入图片(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>游戏说明(&amp;I)</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>average</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>游戏说明</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>游戏的目标是把拼图恢复到正确的顺序。空格位于左上角时，顺序才算正确。</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>您已完成拼图。</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>最佳用时</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>无法将最佳用时保存到 %1：%2。</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>无法将难度保存到 %1：%2。</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>用时：%n 秒</numerusform>
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
        <translation>已跳过：模拟传感器</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>已跳过：%1 优先</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>真实的加速度计</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>已跳过：由加速度计数据计算得出，但没有可用的真实加速度计</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>已使用，由 %1 的数据计算得出</translation>
    </message>
    <message>
        <source>used</source>
        <translation>已使用</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  没有可用的后端</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>旋转传感器后端：</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>加速度计后端：</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>IIO 加速度计：%1，位于 %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>IIO 加速度计：在 %1 中未找到</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>倾斜操作：已关闭，没有传感器能测量本设备的姿态</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>倾斜操作：读取 %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  单次读取：%1 s 内无响应</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  单次读取：%1 ms，x %2，y %3，z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  单次读取：设备忙，另一个程序正在持续读取该设备（例如系统的屏幕旋转服务；锁定屏幕旋转即可释放设备）</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  单次读取：%1 ms 后失败：%2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  单次读取：%1 ms 后未得到合理的数值</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>另一个程序锁定了该文件</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>无法创建其锁文件</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>它不是普通文件</translation>
    </message>
</context>
</TS>
