<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空きマス</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>タイル %1、%2 行目、%3 列目</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>3x3 の絵のスライドパズルです。タイルをクリックするか、矢印キーを使うか、
デバイスを傾けて、タイルを元の並びに戻してください。</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>回転センサーと加速度センサーを一覧表示し、傾き操作にどれを使うか、ほかを使わない理由を示して終了します。</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>既定の絵の代わりに遊ぶ画像。</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>Qt 自体のオプションです。Qt のドキュメントを参照してください。</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 詳しくは「%1 --help」を実行してください。
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: 引数が多すぎます。画像は 1 つしか受け付けません。詳しくは「%1 --help」を実行してください。
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>ベストタイム(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>画像を開く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>遊び方(&amp;I)</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>簡単</translation>
    </message>
    <message>
        <source>average</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>難しい</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>難易度</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>パズルを正しい並びに戻すのが目的です。空きマスが左上の角にあるとき、正しい並びになります。</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>パズルが完成しました。</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>ベストタイムを %1 に保存できませんでした: %2。</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>難易度を %1 に保存できませんでした: %2。</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>時間: %n 秒</numerusform>
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
        <translation>不使用: シミュレーション</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>不使用: %1 が優先</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>実機の加速度センサー</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>不使用: 加速度センサーから計算するが、実機の加速度センサーがない</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>使用、%1 から計算</translation>
    </message>
    <message>
        <source>used</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  提供されているものはありません</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>回転センサーのバックエンド:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>加速度センサーのバックエンド:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>IIO 加速度センサー: %1 (%2)</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>IIO 加速度センサー: %1 に見つかりません</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>傾き操作: オフ、このデバイスの傾きを測るセンサーがありません</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>傾き操作: %1 を読み取ります</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  1 回の読み取り: %1 s 以内に応答がありません</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  1 回の読み取り: %1 ms、x %2、y %3、z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  1 回の読み取り: ビジー、ほかのプログラムがデバイスを読み取り続けています (システムの画面回転サービスなど。画面の回転をロックすると解放されます)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  1 回の読み取り: %1 ms 後に失敗しました: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  1 回の読み取り: %1 ms 後、妥当な数値が得られませんでした</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>ほかのプログラムがファイルをロックしています</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>ロックファイルを作成できません</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
</TS>
