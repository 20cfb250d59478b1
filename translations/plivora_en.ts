<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PuzzleUI</name>
    <message numerus="yes">
        <source>time: %n seconds</source>
        <translation>
            <numerusform>time: %n second</numerusform>
            <numerusform>time: %n seconds</numerusform>
        </translation>
    </message>
</context>
</TS>
