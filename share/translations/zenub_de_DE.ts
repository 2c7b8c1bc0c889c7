<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot open this file type.</source>
        <translation>Dieser Dateityp kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Authoring of HTML5 animations.</source>
        <translation>Erstellung von HTML5-Animationen.</translation>
    </message>
    <message>
        <source>Keep user and global settings in &lt;folder&gt;.</source>
        <translation>Benutzer- und globale Einstellungen in &lt;Ordner&gt; ablegen.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Save a picture of the main window to &lt;file&gt; once it is shown, then quit.</source>
        <translation>Ein Bild des Hauptfensters in &lt;Datei&gt; speichern, sobald es angezeigt wird, und dann beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Also load plugins from &lt;folder&gt;.</source>
        <translation>Plugins zusätzlich aus &lt;Ordner&gt; laden.</translation>
    </message>
    <message>
        <source>Project files to open.</source>
        <translation>Zu öffnende Projektdateien.</translation>
    </message>
</context>
<context>
    <name>PluginSpec</name>
    <message>
        <source>"%1" is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>"%1" is not a string</source>
        <translation>„%1“ ist keine Zeichenkette</translation>
    </message>
    <message>
        <source>"%1" is empty</source>
        <translation>„%1“ ist leer</translation>
    </message>
    <message>
        <source>"%1" holds a non-string</source>
        <translation>„%1“ enthält etwas anderes als Text</translation>
    </message>
    <message>
        <source>not a plugin library: %1</source>
        <translation>keine Plugin-Bibliothek: %1</translation>
    </message>
    <message>
        <source>unexpected interface "%1"</source>
        <translation>unerwartete Schnittstelle „%1“</translation>
    </message>
    <message>
        <source>the metadata is empty</source>
        <translation>die Metadaten sind leer</translation>
    </message>
    <message>
        <source>invalid version "%1"</source>
        <translation>ungültige Version „%1“</translation>
    </message>
    <message>
        <source>"Required" is not a boolean</source>
        <translation>„Required“ ist kein Wahrheitswert</translation>
    </message>
    <message>
        <source>"Arguments" is not a list</source>
        <translation>„Arguments“ ist keine Liste</translation>
    </message>
    <message>
        <source>"Dependencies" is not a list</source>
        <translation>„Dependencies“ ist keine Liste</translation>
    </message>
    <message>
        <source>a dependency has no name</source>
        <translation>eine Abhängigkeit hat keinen Namen</translation>
    </message>
    <message>
        <source>cannot be loaded: %1</source>
        <translation>kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>its object is not an IPlugin</source>
        <translation>sein Objekt ist kein IPlugin</translation>
    </message>
    <message>
        <source>initialisation failed</source>
        <translation>Initialisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>initialisation failed: %1</source>
        <translation>Initialisierung fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>ExtensionSystem::PluginManager</name>
    <message>
        <source>another plugin of this name was found first</source>
        <translation>ein anderes Plugin dieses Namens wurde zuerst gefunden</translation>
    </message>
    <message>
        <source>its dependencies form a cycle</source>
        <translation>seine Abhängigkeiten bilden einen Kreis</translation>
    </message>
    <message>
        <source>the plugin "%1" it depends on is missing</source>
        <translation>das benötigte Plugin „%1“ fehlt</translation>
    </message>
    <message>
        <source>it needs "%1" %2 but %3 was found</source>
        <translation>es benötigt „%1“ %2, gefunden wurde aber %3</translation>
    </message>
    <message>
        <source>the plugin "%1" it depends on failed</source>
        <translation>das benötigte Plugin „%1“ ist fehlgeschlagen</translation>
    </message>
</context>
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
