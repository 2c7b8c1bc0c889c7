<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>IDocument</name>
    <message>
        <source>Save changes made to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Could not save project %1.</source>
        <translation>Projekt %1 konnte nicht gespeichert werden.</translation>
    </message>
</context>
</TS>
