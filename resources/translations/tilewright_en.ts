<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>MainFrame</name>
    <message numerus="yes">
        <source>Solved with %n hint(s). Games with hints do not go on the scoreboard.</source>
        <translation>
            <numerusform>Solved with %n hint. Games with hints do not go on the scoreboard.</numerusform>
            <numerusform>Solved with %n hints. Games with hints do not go on the scoreboard.</numerusform>
        </translation>
    </message>
</context>
</TS>
