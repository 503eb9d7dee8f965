<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppTexts</name>
    <message>
        <source>2nd edition</source>
        <translation>2nd edition</translation>
    </message>
</context>
</TS>