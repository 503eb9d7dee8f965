<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2. Ausgabe</translation>
    </message>
</context>
</TS>