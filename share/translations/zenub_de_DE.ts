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
    <name>ZenubHtmlExporter</name>
    <message>
        <source>No folder was given for the exported animation.</source>
        <translation>Für die exportierte Animation wurde kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The animation player is missing from this installation.</source>
        <translation>Der Animations-Player fehlt in dieser Installation.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ZenubJsonReader</name>
    <message>
        <source>The field &quot;%1&quot; must be text.</source>
        <translation>Das Feld „%1“ muss Text enthalten.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a whole number.</source>
        <translation>Das Feld „%1“ muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must lie between %2 and %3.</source>
        <translation>Das Feld „%1“ muss zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a number.</source>
        <translation>Das Feld „%1“ muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be true or false.</source>
        <translation>Das Feld „%1“ muss true oder false sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a colour such as &quot;#ff8800&quot;.</source>
        <translation>Das Feld „%1“ muss eine Farbe wie „#ff8800“ sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be one of: %2.</source>
        <translation>Das Feld „%1“ muss einer der folgenden Werte sein: %2.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be a list.</source>
        <translation>Das Feld „%1“ muss eine Liste sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; must be an object.</source>
        <translation>Das Feld „%1“ muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; repeats frame %2.</source>
        <translation>Das Feld „%1“ wiederholt Bild %2.</translation>
    </message>
</context>
<context>
    <name>ZenubProject</name>
    <message>
        <source>Scene 1</source>
        <translation>Szene 1</translation>
    </message>
    <message>
        <source>Layer 1</source>
        <translation>Ebene 1</translation>
    </message>
</context>
<context>
    <name>ZenubProjectFile</name>
    <message>
        <source>The project file %1 does not exist.</source>
        <translation>Die Projektdatei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: it is a folder.</source>
        <translation>Die Projektdatei %1 kann nicht gelesen werden: Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: %2</source>
        <translation>Die Projektdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a Zenub Animate project: it holds no valid JSON (%2 at character %3).</source>
        <translation>Die Datei %1 ist kein Zenub-Animate-Projekt: Sie enthält kein gültiges JSON (%2 bei Zeichen %3).</translation>
    </message>
    <message>
        <source>The file %1 is not a Zenub Animate project.</source>
        <translation>Die Datei %1 ist kein Zenub-Animate-Projekt.</translation>
    </message>
    <message>
        <source>The project file %1 is damaged: its format version is missing or not a positive whole number.</source>
        <translation>Die Projektdatei %1 ist beschädigt: Ihre Formatversion fehlt oder ist keine positive ganze Zahl.</translation>
    </message>
    <message>
        <source>The project file %1 was saved by a newer version of Zenub Animate (format version %2). Please update Zenub Animate to open it.</source>
        <translation>Die Projektdatei %1 wurde mit einer neueren Version von Zenub Animate gespeichert (Formatversion %2). Bitte aktualisieren Sie Zenub Animate, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>The project file %1 is damaged: %2</source>
        <translation>Die Projektdatei %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The project cannot be saved: the folder %1 cannot be created.</source>
        <translation>Das Projekt kann nicht gespeichert werden: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The project cannot be saved as %1: a folder of that name exists.</source>
        <translation>Das Projekt kann nicht als %1 gespeichert werden: Es gibt bereits einen Ordner dieses Namens.</translation>
    </message>
    <message>
        <source>The project cannot be saved as %1: %2</source>
        <translation>Das Projekt kann nicht als %1 gespeichert werden: %2</translation>
    </message>
</context>
</TS>
