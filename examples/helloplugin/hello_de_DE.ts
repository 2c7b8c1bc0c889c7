<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelloPlugin</name>
    <message>
        <source>Open &amp;Note...</source>
        <translation>&amp;Notiz öffnen...</translation>
    </message>
</context>
<context>
    <name>NoteDocument</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text; it was left unopened so that nothing in it is changed.</source>
        <translation>%1 ist kein UTF-8-Text; die Datei wurde nicht geöffnet, damit nichts an ihr verändert wird.</translation>
    </message>
    <message>
        <source>%1 has unsaved changes from an earlier session. Save the note to keep them.</source>
        <translation>%1 hat ungespeicherte Änderungen aus einer früheren Sitzung. Speichern Sie die Notiz, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Discard Them</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save Note As</source>
        <translation>Notiz speichern unter</translation>
    </message>
    <message>
        <source>Notes (*.txt)</source>
        <translation>Notizen (*.txt)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>NoteDocumentFactory</name>
    <message>
        <source>Open Note</source>
        <translation>Notiz öffnen</translation>
    </message>
    <message>
        <source>Notes (*.txt)</source>
        <translation>Notizen (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Insert Date and Time</source>
        <translation>Datum und Uhrzeit einfügen</translation>
    </message>
    <message>
        <source>Insert the current date and time into the note</source>
        <translation>Fügt das aktuelle Datum und die Uhrzeit in die Notiz ein</translation>
    </message>
</context>
<context>
    <name>NoteOptionPage</name>
    <message>
        <source>Date and time format:</source>
        <translation>Format für Datum und Uhrzeit:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
</context>
<context>
    <name>NoteOptionPageFactory</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
</TS>
