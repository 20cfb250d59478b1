<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Board</name>
    <message>
        <source>board</source>
        <translation>اللوحة</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>مربع فارغ</translation>
    </message>
    <message>
        <source>tile %1, row %2, column %3</source>
        <translation>القطعة %1، الصف %2، العمود %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A 3x3 sliding-tile picture puzzle. Slide the tiles back into order by clicking them,
with the arrow keys, or by tilting the device.</source>
        <translation>أحجية صور منزلقة من 3x3 مربعات. أزِح القطع لتعيدها إلى ترتيبها بالنقر عليها،
أو بمفاتيح الأسهم، أو بإمالة الجهاز.</translation>
    </message>
    <message>
        <source>Lists the rotation and accelerometer sensors, tells which one tilting uses and why the others are passed over, and exits.</source>
        <translation>يسرد مستشعرات الدوران ومقاييس التسارع، ويبيّن أيّها تستخدمه الإمالة ولماذا تُتجاوَز البقية، ثم يخرج.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>A picture to play with instead of the default one.</source>
        <translation>صورة للعب بها بدلًا من الصورة المبدئية.</translation>
    </message>
    <message>
        <source>Qt&apos;s own option, see the Qt documentation.</source>
        <translation>خيار خاص بـ Qt، انظر توثيق Qt.</translation>
    </message>
    <message>
        <source>%1: %2 Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2 جرّب «%1 --help» لمزيد من المعلومات.
</translation>
    </message>
    <message>
        <source>%1: Too many arguments, only one PICTURE is taken. Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: وسائط كثيرة جدًا، لا تُؤخذ إلا صورة واحدة. جرّب «%1 --help» لمزيد من المعلومات.
</translation>
    </message>
</context>
<context>
    <name>PuzzleUI</name>
    <message>
        <source>&amp;new game</source>
        <translation>لعبة جديدة (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;highscores</source>
        <translation>أفضل الأوقات (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;exit</source>
        <translation>خروج (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Load image</source>
        <translation>حمّل صورة (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;instructions</source>
        <translation>تعليمات (&amp;I)</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>average</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>difficulty</source>
        <translation>مستوى الصعوبة</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>افتح ملفًا</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>The idea is to get puzzle in the correct order. The correct order is when empty tile is in left upper corner.</source>
        <translation>الهدف هو إعادة قطع الأحجية إلى ترتيبها الصحيح. يكون الترتيب صحيحًا عندما يكون المربع الفارغ في الزاوية العلوية اليسرى.</translation>
    </message>
    <message>
        <source>you have finished the puzzle.</source>
        <translation>لقد أكملت الأحجية.</translation>
    </message>
    <message>
        <source>Highscores</source>
        <translation>أفضل الأوقات</translation>
    </message>
    <message>
        <source>The best times could not be saved in %1: %2.</source>
        <translation>تعذّر حفظ أفضل الأوقات في %1: %2.</translation>
    </message>
    <message>
        <source>The difficulty could not be saved in %1: %2.</source>
        <translation>تعذّر حفظ مستوى الصعوبة في %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>الوقت: %n ثانية</numerusform>
            <numerusform>الوقت: %n ثانية</numerusform>
            <numerusform>الوقت: %n ثانيتان</numerusform>
            <numerusform>الوقت: %n ثوانٍ</numerusform>
            <numerusform>الوقت: %n ثانية</numerusform>
            <numerusform>الوقت: %n ثانية</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SensorChoice</name>
    <message>
        <source>passed over: simulated</source>
        <translation>متجاوَز: مُحاكى</translation>
    </message>
    <message>
        <source>passed over: %1 comes first</source>
        <translation>متجاوَز: الأولوية لـ %1</translation>
    </message>
    <message>
        <source>a real accelerometer</source>
        <translation>مقياس تسارع حقيقي</translation>
    </message>
    <message>
        <source>passed over: computed from an accelerometer, and no real one is offered</source>
        <translation>متجاوَز: يُحسب من مقياس تسارع، ولا يتوفر مقياس حقيقي</translation>
    </message>
    <message>
        <source>used, computed from %1</source>
        <translation>مُستخدَم، يُحسب من %1</translation>
    </message>
    <message>
        <source>used</source>
        <translation>مُستخدَم</translation>
    </message>
    <message>
        <source>  none offered</source>
        <translation>  لا يتوفر أيّ منها</translation>
    </message>
    <message>
        <source>Rotation sensor backends:</source>
        <translation>الواجهات الخلفية لمستشعر الدوران:</translation>
    </message>
    <message>
        <source>Accelerometer backends:</source>
        <translation>الواجهات الخلفية لمقياس التسارع:</translation>
    </message>
    <message>
        <source>IIO accelerometer: %1 at %2</source>
        <translation>مقياس تسارع IIO: %1 في %2</translation>
    </message>
    <message>
        <source>IIO accelerometer: none found in %1</source>
        <translation>مقياس تسارع IIO: لم يُعثر على أيّ منها في %1</translation>
    </message>
    <message>
        <source>Tilt input: off, no sensor measures this device</source>
        <translation>الإدخال بالإمالة: معطّل، لا يوجد مستشعر يقيس ميل هذا الجهاز</translation>
    </message>
    <message>
        <source>Tilt input: reads %1</source>
        <translation>الإدخال بالإمالة: يقرأ %1</translation>
    </message>
    <message>
        <source>  one reading: no answer within %1 s</source>
        <translation>  قراءة واحدة: لا إجابة خلال %1 s</translation>
    </message>
    <message>
        <source>  one reading: %1 ms, x %2, y %3, z %4 m/s²</source>
        <translation>  قراءة واحدة: %1 ms، x %2، y %3، z %4 m/s²</translation>
    </message>
    <message>
        <source>  one reading: busy, another program streams the device (the system&apos;s rotation service, for one; locking the screen rotation frees it)</source>
        <translation>  قراءة واحدة: الجهاز مشغول، برنامج آخر يقرأ بياناته باستمرار (مثل خدمة تدوير الشاشة في النظام؛ قفل تدوير الشاشة يحرّره)</translation>
    </message>
    <message>
        <source>  one reading: failed after %1 ms: %2</source>
        <translation>  قراءة واحدة: فشلت بعد %1 ms: %2</translation>
    </message>
    <message>
        <source>  one reading: no plausible numbers, after %1 ms</source>
        <translation>  قراءة واحدة: لا أرقام معقولة، بعد %1 ms</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>another program keeps the file locked</source>
        <translation>برنامج آخر يُبقي الملف مقفلًا</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>يتعذّر إنشاء ملف القفل الخاص به</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>إنه ليس ملفًا عاديًا</translation>
    </message>
</context>
</TS>
