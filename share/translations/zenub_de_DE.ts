<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot open this file type.</source>
        <translation>Dieser Dateityp kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new project</source>
        <translation>Ein neues Projekt erstellen</translation>
    </message>
    <message>
        <source>&amp;Open Project</source>
        <translation>Projekt ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Ein vorhandenes Projekt öffnen</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the current project</source>
        <translation>Das aktuelle Projekt speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Other Project</source>
        <translation>Anderes Projekt</translation>
    </message>
    <message>
        <source>Save the current project as a new one</source>
        <translation>Das aktuelle Projekt als neues Projekt speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close the current project</source>
        <translation>Das aktuelle Projekt schließen</translation>
    </message>
    <message>
        <source>Preview Current Scene in Browser</source>
        <translation>Vorschau der aktuellen Szene im Browser</translation>
    </message>
    <message>
        <source>Preview Project in Browser</source>
        <translation>Vorschau des Projekts im Browser</translation>
    </message>
    <message>
        <source>Export to HTML5</source>
        <translation>Nach HTML5 exportieren</translation>
    </message>
    <message>
        <source>Export to Video</source>
        <translation>Als Video exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Report a Problem</source>
        <translation>Ein Problem melden</translation>
    </message>
    <message>
        <source>Provide a Suggestion</source>
        <translation>Einen Vorschlag machen</translation>
    </message>
    <message>
        <source>Check Updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language change will take effect from the next run.</source>
        <translation>Die Sprachänderung wird beim nächsten Start wirksam.</translation>
    </message>
    <message>
        <source>Failed to change language.</source>
        <translation>Die Sprache konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>Could not open help file.</source>
        <translation>Die Hilfedatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Help document is missing.</source>
        <translation>Das Hilfedokument fehlt.</translation>
    </message>
    <message>
        <source>The project [%1] no longer exists.
Do you want to remove this entry from history?</source>
        <translation>Das Projekt [%1] existiert nicht mehr.
Möchten Sie diesen Eintrag aus dem Verlauf entfernen?</translation>
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
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Updates werden heruntergeladen</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>About %1 hours</source>
        <translation>Etwa %1 Stunden</translation>
    </message>
    <message>
        <source>About 1 minute</source>
        <translation>Etwa 1 Minute</translation>
    </message>
    <message>
        <source>About %1 minutes</source>
        <translation>Etwa %1 Minuten</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Cannot download the update from %1: only http and https addresses are allowed.</source>
        <translation>Das Update kann nicht von %1 heruntergeladen werden: Nur http- und https-Adressen sind erlaubt.</translation>
    </message>
    <message>
        <source>Cannot create the download folder %1.</source>
        <translation>Der Download-Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Das heruntergeladene Update wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Download abgeschlossen!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Das Installationsprogramm wird separat geöffnet</translation>
    </message>
    <message>
        <source>In order to install the update, you need to quit the application.</source>
        <translation>Um das Update zu installieren, müssen Sie die Anwendung beenden.</translation>
    </message>
    <message>
        <source>Click OK to begin installing the update.</source>
        <translation>Klicken Sie auf OK, um mit der Installation des Updates zu beginnen.</translation>
    </message>
    <message>
        <source>Click Open to apply the update.</source>
        <translation>Klicken Sie auf Öffnen, um das Update anzuwenden.</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Möchten Sie den Download wirklich abbrechen?</translation>
    </message>
    <message>
        <source>of</source>
        <translation>von</translation>
    </message>
    <message>
        <source>Cannot write the update to %1.</source>
        <translation>Das Update kann nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot download update: %1.</source>
        <translation>Das Update kann nicht heruntergeladen werden: %1.</translation>
    </message>
    <message>
        <source>The downloaded update does not match its published checksum and has been deleted.</source>
        <translation>Das heruntergeladene Update stimmt nicht mit seiner veröffentlichten Prüfsumme überein und wurde gelöscht.</translation>
    </message>
    <message>
        <source>Cannot save the update as %1.</source>
        <translation>Das Update kann nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>&lt;b&gt;%1 %2 has been released!&lt;/b&gt;</source>
        <translation>&lt;b&gt;%1 %2 ist erschienen!&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No updates are available at the moment.</source>
        <translation>Zurzeit sind keine Updates verfügbar.</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Glückwunsch! Sie verwenden die neueste Version von %1</translation>
    </message>
    <message>
        <source>The update address "%1" was refused because it is not an http or https address.</source>
        <translation>Die Update-Adresse „%1“ wurde abgelehnt, weil sie keine http- oder https-Adresse ist.</translation>
    </message>
</context>
<context>
    <name>ZNReleaseNoteDlg</name>
    <message>
        <source>&lt;h2&gt;Failed to load release notes.&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Die Versionshinweise konnten nicht geladen werden.&lt;/h2&gt;</translation>
    </message>
</context>
<context>
    <name>ZNReleaseNoteUI</name>
    <message>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ContextManager</name>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
</context>
<context>
    <name>IMainMenuWidget</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>ZNNotificationBar</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
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
        <source>The field "%1" must be text.</source>
        <translation>Das Feld „%1“ muss Text enthalten.</translation>
    </message>
    <message>
        <source>The field "%1" must be a whole number.</source>
        <translation>Das Feld „%1“ muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The field "%1" must lie between %2 and %3.</source>
        <translation>Das Feld „%1“ muss zwischen %2 und %3 liegen.</translation>
    </message>
    <message>
        <source>The field "%1" must be a number.</source>
        <translation>Das Feld „%1“ muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>The field "%1" must be true or false.</source>
        <translation>Das Feld „%1“ muss true oder false sein.</translation>
    </message>
    <message>
        <source>The field "%1" must be a colour such as "#ff8800".</source>
        <translation>Das Feld „%1“ muss eine Farbe wie „#ff8800“ sein.</translation>
    </message>
    <message>
        <source>The field "%1" must be one of: %2.</source>
        <translation>Das Feld „%1“ muss einer der folgenden Werte sein: %2.</translation>
    </message>
    <message>
        <source>The field "%1" must be a list.</source>
        <translation>Das Feld „%1“ muss eine Liste sein.</translation>
    </message>
    <message>
        <source>The field "%1" must be an object.</source>
        <translation>Das Feld „%1“ muss ein Objekt sein.</translation>
    </message>
    <message>
        <source>The field "%1" repeats frame %2.</source>
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
<context>
    <name>IMainMdiArea</name>
    <message>
        <source>Could not open file %1.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The project [%1] no longer exists.
Do you want to remove this entry from history?</source>
        <translation>Das Projekt [%1] existiert nicht mehr.
Möchten Sie diesen Eintrag aus dem Verlauf entfernen?</translation>
    </message>
    <message>
        <source>Could not find the requested file.</source>
        <translation>Die angeforderte Datei wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>BackupOptionPage</name>
    <message>
        <source>Back up open projects &amp;automatically</source>
        <translation>Geöffnete Projekte &amp;automatisch sichern</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Back up &amp;every:</source>
        <translation>Sichern &amp;alle:</translation>
    </message>
    <message>
        <source>A backup copy is written next to the project file as long as it has unsaved changes, and removed when the project is saved or closed.</source>
        <translation>Solange ein Projekt ungespeicherte Änderungen hat, wird neben der Projektdatei eine Sicherungskopie geschrieben; sie wird entfernt, wenn das Projekt gespeichert oder geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>DesignerDocument</name>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Layer 1</source>
        <translation>Ebene 1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Set Keyframe</source>
        <translation>Schlüsselbild setzen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>Szene hinzufügen</translation>
    </message>
    <message>
        <source>Change Scene Length</source>
        <translation>Szenenlänge ändern</translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation>Szene umbenennen</translation>
    </message>
    <message>
        <source>Change Colour of %1</source>
        <translation>Farbe von %1 ändern</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>%1 has unsaved changes from an earlier session. Do you want to recover them?</source>
        <translation>%1 hat ungespeicherte Änderungen aus einer früheren Sitzung. Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Zenub projects (*.zenub)</source>
        <translation>Zenub-Projekte (*.zenub)</translation>
    </message>
</context>
<context>
    <name>DesignerDocumentFactory</name>
    <message>
        <source>Zenub projects (*.zenub *.zenubpack)</source>
        <translation>Zenub-Projekte (*.zenub *.zenubpack)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
</context>
<context>
    <name>DesignerEditor</name>
    <message>
        <source>Designer</source>
        <translation>Designer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Other Project</source>
        <translation>Anderes Projekt</translation>
    </message>
    <message>
        <source>Preview Current Scene in Browser</source>
        <translation>Aktuelle Szene im Browser anzeigen</translation>
    </message>
    <message>
        <source>Preview Project in Browser</source>
        <translation>Projekt im Browser anzeigen</translation>
    </message>
    <message>
        <source>Export to HTML5</source>
        <translation>Als HTML5 exportieren</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not prepare the preview.
%1</source>
        <translation>Die Vorschau konnte nicht vorbereitet werden.
%1</translation>
    </message>
    <message>
        <source>Could not export the project.
%1</source>
        <translation>Das Projekt konnte nicht exportiert werden.
%1</translation>
    </message>
    <message>
        <source>The project was exported to %1.</source>
        <translation>Das Projekt wurde nach %1 exportiert.</translation>
    </message>
</context>
<context>
    <name>DesignerEditorWidget</name>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Add a rectangle to the current scene</source>
        <translation>Der aktuellen Szene ein Rechteck hinzufügen</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Add an ellipse to the current scene</source>
        <translation>Der aktuellen Szene eine Ellipse hinzufügen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Add a line of text to the current scene</source>
        <translation>Der aktuellen Szene eine Textzeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected shape</source>
        <translation>Die ausgewählte Form löschen</translation>
    </message>
    <message>
        <source>Colour...</source>
        <translation>Farbe...</translation>
    </message>
    <message>
        <source>Choose the fill colour of the selected shape</source>
        <translation>Die Füllfarbe der ausgewählten Form wählen</translation>
    </message>
    <message>
        <source>Shape Colour</source>
        <translation>Farbe der Form</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>Szene hinzufügen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play the current scene</source>
        <translation>Die aktuelle Szene abspielen</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Scene length:</source>
        <translation>Szenenlänge:</translation>
    </message>
    <message>
        <source> frames</source>
        <translation> Bilder</translation>
    </message>
    <message>
        <source>Set Keyframe</source>
        <translation>Schlüsselbild setzen</translation>
    </message>
    <message>
        <source>Store the selected shape&apos;s position at this frame</source>
        <translation>Die Lage der ausgewählten Form in diesem Bild speichern</translation>
    </message>
    <message>
        <source>Rename Scene</source>
        <translation>Szene umbenennen</translation>
    </message>
    <message>
        <source>Scene name:</source>
        <translation>Szenenname:</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
</context>
<context>
    <name>DesignerOptionsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
</context>
<context>
    <name>NewProjectDialog</name>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>F&amp;rame rate:</source>
        <translation>Bild&amp;rate:</translation>
    </message>
    <message>
        <source> fps</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>Start with a &amp;title text</source>
        <translation>Mit einem &amp;Titeltext beginnen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Please enter a name for the project.</source>
        <translation>Bitte geben Sie einen Namen für das Projekt ein.</translation>
    </message>
    <message>
        <source>A project name cannot contain any of these characters: %1</source>
        <translation>Ein Projektname darf keines dieser Zeichen enthalten: %1</translation>
    </message>
    <message>
        <source>A project name cannot end with a dot.</source>
        <translation>Ein Projektname darf nicht auf einen Punkt enden.</translation>
    </message>
    <message>
        <source>Please choose a folder for the project.</source>
        <translation>Bitte wählen Sie einen Ordner für das Projekt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>A project named &quot;%1&quot; already exists in this folder.</source>
        <translation>In diesem Ordner gibt es bereits ein Projekt namens „%1“.</translation>
    </message>
    <message>
        <source>You have no permission to create files in &quot;%1&quot;.</source>
        <translation>Sie haben keine Berechtigung, in „%1“ Dateien anzulegen.</translation>
    </message>
    <message>
        <source>Choose a Folder</source>
        <translation>Ordner wählen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 cannot be opened: only regular files can be projects.</source>
        <translation>%1 kann nicht geöffnet werden: Nur normale Dateien können Projekte sein.</translation>
    </message>
</context>
<context>
    <name>ZenubProjectFile</name>
    <message>
        <source>The file %1 cannot be opened as a project: it is not a regular file.</source>
        <translation>Die Datei %1 kann nicht als Projekt geöffnet werden: Sie ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a project: projects are limited to %2 MiB.</source>
        <translation>Die Datei %1 ist zu groß für ein Projekt: Projekte dürfen höchstens %2 MiB groß sein.</translation>
    </message>
</context>
</TS>
