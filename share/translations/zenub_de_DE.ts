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
        <source>Help document is missing.</source>
        <translation>Das Hilfedokument fehlt.</translation>
    </message>
    <message>
        <source>The project [%1] no longer exists.
Do you want to remove this entry from history?</source>
        <translation>Das Projekt [%1] existiert nicht mehr.
Möchten Sie diesen Eintrag aus dem Verlauf entfernen?</translation>
    </message>
    <message>
        <source>The project [%1] cannot be opened: you have no permission to open the folder [%2].</source>
        <translation>Das Projekt [%1] kann nicht geöffnet werden: Sie haben keine Berechtigung, den Ordner [%2] zu öffnen.</translation>
    </message>
    <message>
        <source>The folder [%1] of the project cannot be found. It may have been removed, or it is on a drive that is not connected.
Do you want to remove this entry from history?</source>
        <translation>Der Ordner [%1] des Projekts wurde nicht gefunden. Er wurde vielleicht entfernt oder liegt auf einem Laufwerk, das nicht verbunden ist.
Möchten Sie diesen Eintrag aus dem Verlauf entfernen?</translation>
    </message>
    <message>
        <source>Previews and temporary files cannot be written. %1</source>
        <translation>Vorschauen und temporäre Dateien können nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>%1 cannot be opened: only regular files can be projects.</source>
        <translation>%1 kann nicht geöffnet werden: Nur normale Dateien können Projekte sein.</translation>
    </message>
    <message>
        <source>the user guide</source>
        <translation>das Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Show the current scene in your web browser</source>
        <translation>Die aktuelle Szene im Webbrowser zeigen</translation>
    </message>
    <message>
        <source>Show the whole project in your web browser</source>
        <translation>Das ganze Projekt im Webbrowser zeigen</translation>
    </message>
    <message>
        <source>Write the project as a web page with its player</source>
        <translation>Das Projekt als Webseite mit seinem Player schreiben</translation>
    </message>
    <message>
        <source>Change the backup, the keys, the appearance and the breakpoints</source>
        <translation>Sicherung, Tastenkürzel, Darstellung und Umbruchpunkte ändern</translation>
    </message>
    <message>
        <source>Show the version, the build, Qt's version and the licences</source>
        <translation>Version, Build, Qt-Version und Lizenzen zeigen</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>Write a report of a problem for the developers</source>
        <translation>Einen Problembericht für die Entwickler schreiben</translation>
    </message>
    <message>
        <source>Write a suggestion for the developers</source>
        <translation>Einen Vorschlag für die Entwickler schreiben</translation>
    </message>
    <message>
        <source>Look for a newer version of Zenub Animate</source>
        <translation>Nach einer neueren Version von Zenub Animate suchen</translation>
    </message>
    <message>
        <source>Export to Video...</source>
        <translation>Als Video exportieren...</translation>
    </message>
    <message>
        <source>Write the project as an MP4 or WebM video, or an animated GIF, WebP or PNG</source>
        <translation>Das Projekt als MP4- oder WebM-Video oder als animiertes GIF, WebP oder PNG schreiben</translation>
    </message>
    <message>
        <source>Export to PNG Frames...</source>
        <translation>Als PNG-Einzelbilder exportieren...</translation>
    </message>
    <message>
        <source>Write every frame as a PNG picture into a folder</source>
        <translation>Jedes Bild als PNG-Datei in einen Ordner schreiben</translation>
    </message>
    <message>
        <source>Export to HTML5...</source>
        <translation>Als HTML5 exportieren...</translation>
    </message>
    <message>
        <source>Export to Lottie...</source>
        <translation>Als Lottie exportieren...</translation>
    </message>
    <message>
        <source>Write the project as a Lottie animation for web and mobile apps</source>
        <translation>Das Projekt als Lottie-Animation für Web- und Mobil-Apps schreiben</translation>
    </message>
</context>
<context>
    <name>StageTextEditor</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
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
    <message>
        <source>Export the project &lt;file&gt; as a web page into &lt;folder&gt; and quit, without a window. Takes the two as arguments: --export-html5 &lt;file&gt; &lt;folder&gt;.</source>
        <translation>Das Projekt &lt;Datei&gt; als Webseite in &lt;Ordner&gt; exportieren und beenden, ohne Fenster. Die beiden folgen als Argumente: --export-html5 &lt;Datei&gt; &lt;Ordner&gt;.</translation>
    </message>
    <message>
        <source>--export-html5 needs a project file and an output folder.</source>
        <translation>--export-html5 braucht eine Projektdatei und einen Zielordner.</translation>
    </message>
    <message>
        <source>--export-video needs a project file and a video file.</source>
        <translation>--export-video braucht eine Projektdatei und eine Videodatei.</translation>
    </message>
    <message>
        <source>Export the project &lt;file&gt; (every scene in order, or --scene) as a video (.mp4, .webm) or an animated picture (.gif, .webp, .apng) and quit, without a window. Takes the two as arguments: --export-video &lt;file&gt; &lt;video&gt;.</source>
        <translation>Das Projekt &lt;file&gt; (alle Szenen der Reihe nach, oder --scene) als Video (.mp4, .webm) oder animiertes Bild (.gif, .webp, .apng) exportieren und beenden, ohne Fenster. Nimmt beide als Argumente: --export-video &lt;file&gt; &lt;video&gt;.</translation>
    </message>
    <message>
        <source>Export the frames of the project &lt;file&gt; (every scene in order, or --scene) as PNG pictures frame-00000.png... into &lt;folder&gt; and quit, without a window. Takes the two as arguments: --export-frames &lt;file&gt; &lt;folder&gt;.</source>
        <translation>Die Bilder des Projekts &lt;file&gt; (alle Szenen der Reihe nach, oder --scene) als PNG-Dateien frame-00000.png... in &lt;folder&gt; exportieren und beenden, ohne Fenster. Nimmt beide als Argumente: --export-frames &lt;file&gt; &lt;folder&gt;.</translation>
    </message>
    <message>
        <source>Export only the scene &lt;name&gt;, not every scene.</source>
        <translation>Nur die Szene &lt;name&gt; exportieren, nicht alle Szenen.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Export at &lt;percent&gt; of the stage size (50 to 200).</source>
        <translation>Mit &lt;percent&gt; der Bühnengröße exportieren (50 bis 200).</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Quality of a video or WebP from 1 to 100 (default 80).</source>
        <translation>Qualität eines Videos oder WebP von 1 bis 100 (Vorgabe 80).</translation>
    </message>
    <message>
        <source>Export only the frames &lt;first&gt;-&lt;last&gt;, counted from 0 over the exported scenes; &lt;first&gt;- runs to the end.</source>
        <translation>Nur die Bilder &lt;first&gt;-&lt;last&gt; exportieren, von 0 an über die exportierten Szenen gezählt; &lt;first&gt;- läuft bis zum Ende.</translation>
    </message>
    <message>
        <source>range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Leave the stage background out of a GIF, WebP or APNG.</source>
        <translation>Den Bühnenhintergrund in einem GIF, WebP oder APNG weglassen.</translation>
    </message>
    <message>
        <source>--%1 applies only to an export.</source>
        <translation>--%1 gilt nur für einen Export.</translation>
    </message>
    <message>
        <source>--export-frames needs a project file and an output folder.</source>
        <translation>--export-frames braucht eine Projektdatei und einen Zielordner.</translation>
    </message>
    <message>
        <source>Play a page, GIF, WebP or APNG &lt;count&gt; times; 0 (the default) for ever.</source>
        <translation>Eine Seite, ein GIF, WebP oder APNG &lt;count&gt; Mal abspielen; 0 (die Vorgabe) endlos.</translation>
    </message>
    <message>
        <source>Open &lt;url&gt; in a new window when the exported page is clicked (as its clickTag).</source>
        <translation>&lt;url&gt; beim Klick auf die exportierte Seite in einem neuen Fenster öffnen (als ihr clickTag).</translation>
    </message>
    <message>
        <source>url</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Write frame &lt;frame&gt; as fallback.png beside the exported page, shown where the animation cannot play.</source>
        <translation>Bild &lt;frame&gt; als fallback.png neben die exportierte Seite schreiben, gezeigt, wo die Animation nicht abspielen kann.</translation>
    </message>
    <message>
        <source>frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>After the last of --plays, show the page&apos;s first frame, not its last.</source>
        <translation>Nach der letzten Wiedergabe von --plays das erste Bild der Seite zeigen, nicht das letzte.</translation>
    </message>
    <message>
        <source>Export the project &lt;file&gt; (every scene in order, or --scene) as one Lottie animation (.json) and quit, without a window; what Lottie cannot carry is listed. Takes the two as arguments: --export-lottie &lt;file&gt; &lt;json&gt;.</source>
        <translation>Das Projekt &lt;Datei&gt; (alle Szenen der Reihe nach oder --scene) als eine Lottie-Animation (.json) exportieren und beenden, ohne Fenster; was Lottie nicht tragen kann, wird aufgeführt. Die beiden folgen als Argumente: --export-lottie &lt;Datei&gt; &lt;json&gt;.</translation>
    </message>
    <message>
        <source>Only one of --export-html5, --export-video, --export-frames and --export-lottie can be given.</source>
        <translation>Nur eine der Optionen --export-html5, --export-video, --export-frames und --export-lottie ist möglich.</translation>
    </message>
    <message>
        <source>--export-lottie needs a project file and a Lottie file.</source>
        <translation>--export-lottie braucht eine Projektdatei und eine Lottie-Datei.</translation>
    </message>
</context>
<context>
    <name>PluginSpec</name>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a string</source>
        <translation>„%1“ ist keine Zeichenkette</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty</source>
        <translation>„%1“ ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a non-string</source>
        <translation>„%1“ enthält etwas anderes als Text</translation>
    </message>
    <message>
        <source>not a plugin library: %1</source>
        <translation>keine Plugin-Bibliothek: %1</translation>
    </message>
    <message>
        <source>unexpected interface &quot;%1&quot;</source>
        <translation>unerwartete Schnittstelle „%1“</translation>
    </message>
    <message>
        <source>the metadata is empty</source>
        <translation>die Metadaten sind leer</translation>
    </message>
    <message>
        <source>invalid version &quot;%1&quot;</source>
        <translation>ungültige Version „%1“</translation>
    </message>
    <message>
        <source>&quot;Required&quot; is not a boolean</source>
        <translation>„Required“ ist kein Wahrheitswert</translation>
    </message>
    <message>
        <source>&quot;Arguments&quot; is not a list</source>
        <translation>„Arguments“ ist keine Liste</translation>
    </message>
    <message>
        <source>&quot;Dependencies&quot; is not a list</source>
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
        <source>the plugin &quot;%1&quot; it depends on is missing</source>
        <translation>das benötigte Plugin „%1“ fehlt</translation>
    </message>
    <message>
        <source>it needs &quot;%1&quot; %2 but %3 was found</source>
        <translation>es benötigt „%1“ %2, gefunden wurde aber %3</translation>
    </message>
    <message>
        <source>the plugin &quot;%1&quot; it depends on failed</source>
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
        <source>The update download stalled: nothing arrived for %1 seconds. Please try again later.</source>
        <translation>Der Download des Updates ist ins Stocken geraten: %1 Sekunden lang kamen keine Daten an. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Cannot download the update from %1: only https addresses are allowed.</source>
        <translation>Das Update kann nicht von %1 geladen werden: Nur https-Adressen sind erlaubt.</translation>
    </message>
    <message>
        <source>The update was refused: no checksum was published for it, so it cannot be checked.</source>
        <translation>Das Update wurde abgelehnt: Für es wurde keine Prüfsumme veröffentlicht, daher kann es nicht geprüft werden.</translation>
    </message>
    <message>
        <source>The update download stalled: nothing arrived for %1 seconds. The %2 received so far are kept, and the next attempt continues from there.</source>
        <translation>Der Download des Updates stockt: %1 Sekunden lang kam nichts an. Die bisher empfangenen %2 bleiben erhalten, der nächste Versuch setzt dort fort.</translation>
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
        <source>The update address &quot;%1&quot; was refused because it is not an http or https address.</source>
        <translation>Die Update-Adresse „%1“ wurde abgelehnt, weil sie keine http- oder https-Adresse ist.</translation>
    </message>
    <message>
        <source>The update server sent the request elsewhere (%1).</source>
        <translation>Der Update-Server hat die Anfrage umgeleitet (%1).</translation>
    </message>
    <message>
        <source>The update information could not be read.</source>
        <translation>Die Update-Informationen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Could not check for updates.
%1</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen.
%1</translation>
    </message>
    <message>
        <source>The update information may only come from a secure (https) address, not from &quot;%1&quot;.</source>
        <translation>Update-Informationen dürfen nur von einer sicheren (https-)Adresse kommen, nicht von „%1“.</translation>
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
    <message>
        <source>The fallback picture: %1</source>
        <translation>Das Ersatzbild: %1</translation>
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
    <message>
        <source>The field &quot;%1&quot; names no image of the project.</source>
        <translation>Das Feld „%1“ nennt kein Bild des Projekts.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds more than %2 entries.</source>
        <translation>Das Feld „%1“ enthält mehr als %2 Einträge.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; nests groups more than %2 deep.</source>
        <translation>Das Feld „%1“ verschachtelt Gruppen tiefer als %2 Ebenen.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; names no property of a shape.</source>
        <translation>Das Feld „%1“ nennt keine Eigenschaft einer Form.</translation>
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
    <message>
        <source>The file %1 cannot be opened as a project: it is not a regular file.</source>
        <translation>Die Datei %1 kann nicht als Projekt geöffnet werden: Sie ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a project: projects are limited to %2.</source>
        <translation>Die Datei %1 ist zu groß für ein Projekt: Projekte dürfen höchstens %2 groß sein.</translation>
    </message>
    <message>
        <source>The project cannot be saved as %1: it would take %2, and a project of more than %3 could not be opened again.</source>
        <translation>Das Projekt kann nicht als %1 gespeichert werden: Es würde %2 belegen, und ein Projekt von mehr als %3 ließe sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>Its largest images are %1; remove some or use smaller ones.</source>
        <translation>Seine größten Bilder sind %1; entfernen Sie einige oder verwenden Sie kleinere.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; (%2) cannot be added: the project would then take %3, and a project of more than %4 could not be opened again.</source>
        <translation>Das Bild „%1“ (%2) kann nicht hinzugefügt werden: Das Projekt würde dann %3 belegen, und ein Projekt von mehr als %4 ließe sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>Its largest images are %1.</source>
        <translation>Seine größten Bilder sind %1.</translation>
    </message>
    <message>
        <source>The project file %1 cannot be read: it is a link that leads round in a loop.</source>
        <translation>Die Projektdatei %1 kann nicht gelesen werden: Sie ist eine Verknüpfung, die im Kreis führt.</translation>
    </message>
    <message>
        <source>The project file %1 is a link to %2, which does not exist.</source>
        <translation>Die Projektdatei %1 ist eine Verknüpfung auf %2, das nicht existiert.</translation>
    </message>
    <message>
        <source>the disk is full (%1 free, %2 needed)</source>
        <translation>der Datenträger ist voll (%1 frei, %2 nötig)</translation>
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
    <message>
        <source>the link</source>
        <translation>den Link</translation>
    </message>
    <message>
        <source>the file %1</source>
        <translation>die Datei %1</translation>
    </message>
    <message>
        <source>%1 was not opened: only projects can be opened from the welcome page.</source>
        <translation>%1 wurde nicht geöffnet: Von der Startseite aus lassen sich nur Projekte öffnen.</translation>
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
        <source>Untitled</source>
        <translation>Unbenannt</translation>
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
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Zenub projects (*.zenub)</source>
        <translation>Zenub-Projekte (*.zenub)</translation>
    </message>
    <message numerus="yes">
        <source>Move %n Shapes</source>
        <translation>
            <numerusform>%n Form verschieben</numerusform>
            <numerusform>%n Formen verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Shapes</source>
        <translation>
            <numerusform>%n Form löschen</numerusform>
            <numerusform>%n Formen löschen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewContent</name>
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
        <source>Image</source>
        <translation>Bild</translation>
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
        <source>Scene %1</source>
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Vieleck</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>ProjectBackup</name>
    <message>
        <source>%1 has unsaved changes from an earlier session. Do you want to recover them?</source>
        <translation>%1 hat ungespeicherte Änderungen aus einer früheren Sitzung. Möchten Sie sie wiederherstellen?</translation>
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
    <message>
        <source>Projects and Lottie animations (*.zenub *.zenubpack *.json)</source>
        <translation>Projekte und Lottie-Animationen (*.zenub *.zenubpack *.json)</translation>
    </message>
    <message>
        <source>Lottie animations (*.json)</source>
        <translation>Lottie-Animationen (*.json)</translation>
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
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>Time Line</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>the preview</source>
        <translation>die Vorschau</translation>
    </message>
    <message>
        <source>Export to Video...</source>
        <translation>Als Video exportieren...</translation>
    </message>
    <message>
        <source>Export to PNG Frames...</source>
        <translation>Als PNG-Einzelbilder exportieren...</translation>
    </message>
    <message>
        <source>Export to HTML5...</source>
        <translation>Als HTML5 exportieren...</translation>
    </message>
    <message>
        <source>Export to Lottie...</source>
        <translation>Als Lottie exportieren...</translation>
    </message>
</context>
<context>
    <name>DesignerEditorWidget</name>
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
    <message numerus="yes">
        <source> frame(s)</source>
        <translation>
            <numerusform> Bild</numerusform>
            <numerusform> Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete the selected shapes</source>
        <translation>Die ausgewählten Formen löschen</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>Show or hide the panels around the stage</source>
        <translation>Die Bereiche um die Bühne ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wiederherstellen</translation>
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
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Breakpoints</source>
        <translation>Umbruchpunkte</translation>
    </message>
    <message>
        <source>Pasting</source>
        <translation>Einfügen aus der Zwischenablage</translation>
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
    <message>
        <source>The project name is too long to be a file name. Please shorten it.</source>
        <translation>Der Projektname ist zu lang für einen Dateinamen. Bitte kürzen Sie ihn.</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>Grö&amp;ße:</translation>
    </message>
</context>
<context>
    <name>LoadedVideoEncoder</name>
    <message>
        <source>The video encoder cannot be loaded: %1</source>
        <translation>Der Video-Encoder kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>VideoEncoder</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The stage size or the frame rate is not valid for a video.</source>
        <translation>Die Bühnengröße oder die Bildrate ist für ein Video nicht gültig.</translation>
    </message>
    <message>
        <source>The video encoder &quot;%1&quot; is not available.</source>
        <translation>Der Video-Encoder „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The video container cannot be prepared.</source>
        <translation>Der Videocontainer kann nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder.</source>
        <translation>Nicht genug Speicher für den Video-Encoder.</translation>
    </message>
    <message>
        <source>The video encoder could not be started.</source>
        <translation>Der Video-Encoder konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The picture converter could not be started.</source>
        <translation>Der Bildkonverter konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The video file could not be started.</source>
        <translation>Die Videodatei konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The video could not be encoded.</source>
        <translation>Das Video konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The video file could not be written.</source>
        <translation>Die Videodatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>A frame has the wrong size for the video.</source>
        <translation>Ein Bild hat die falsche Größe für das Video.</translation>
    </message>
    <message>
        <source>The video file could not be completed.</source>
        <translation>Die Videodatei konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The picture filters could not be started.</source>
        <translation>Die Bildfilter konnten nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The picture&apos;s colours could not be chosen.</source>
        <translation>Die Farben des Bildes konnten nicht gewählt werden.</translation>
    </message>
    <message>
        <source>The picture could not be filtered.</source>
        <translation>Das Bild konnte nicht gefiltert werden.</translation>
    </message>
    <message>
        <source>The video file name must end in &quot;.mp4&quot;, &quot;.webm&quot;, &quot;.gif&quot;, &quot;.webp&quot; or &quot;.apng&quot;.</source>
        <translation>Der Name der Videodatei muss auf „.mp4“, „.webm“, „.gif“, „.webp“ oder „.apng“ enden.</translation>
    </message>
</context>
<context>
    <name>ProjectExporter</name>
    <message>
        <source>Writing %1</source>
        <translation>Schreibe %1</translation>
    </message>
    <message>
        <source>The page could not be written.</source>
        <translation>Die Seite konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Frame %1 of %2 (%3 %)</source>
        <translation>Bild %1 von %2 (%3 %)</translation>
    </message>
    <message>
        <source>--%1 does not apply to the HTML5 export.</source>
        <translation>--%1 gilt nicht für den HTML5-Export.</translation>
    </message>
    <message>
        <source>--%1 applies only to the HTML5 export.</source>
        <translation>--%1 gilt nur für den HTML5-Export.</translation>
    </message>
    <message>
        <source>The fallback frame must be a frame number from 0, not &quot;%1&quot;.</source>
        <translation>Das Ersatzbild muss eine Bildnummer ab 0 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>%1 written in all</source>
        <translation>Insgesamt %1 geschrieben</translation>
    </message>
    <message>
        <source>The Lottie file could not be written.</source>
        <translation>Die Lottie-Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>--%1 does not apply to the Lottie export.</source>
        <translation>--%1 gilt nicht für den Lottie-Export.</translation>
    </message>
</context>
<context>
    <name>CommandLineExport</name>
    <message>
        <source>No loaded plugin can export projects.</source>
        <translation>Kein geladenes Plugin kann Projekte exportieren.</translation>
    </message>
    <message>
        <source>Exporting %1</source>
        <translation>Exportiere %1</translation>
    </message>
    <message>
        <source>The project exporter does not offer this export.</source>
        <translation>Der Projektexport bietet diesen Export nicht an.</translation>
    </message>
    <message>
        <source>Export failed: %1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>KeyboardOptionPage</name>
    <message>
        <source>Filter by command or shortcut</source>
        <translation>Nach Befehl oder Tastenkürzel filtern</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Shortcut:</source>
        <translation>&amp;Tastenkürzel:</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Give the selected command its default shortcut</source>
        <translation>Dem gewählten Befehl sein Standardkürzel geben</translation>
    </message>
    <message>
        <source>Reset &amp;All</source>
        <translation>&amp;Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Give every command its default shortcut</source>
        <translation>Jedem Befehl sein Standardkürzel geben</translation>
    </message>
    <message>
        <source>Re&amp;assign</source>
        <translation>&amp;Neu zuweisen</translation>
    </message>
    <message>
        <source>Take the shortcut away from the other command</source>
        <translation>Das Tastenkürzel dem anderen Befehl wegnehmen</translation>
    </message>
    <message>
        <source>Also used by %1</source>
        <translation>Auch belegt von %1</translation>
    </message>
    <message>
        <source>%1 is already used by %2.</source>
        <translation>%1 ist bereits von %2 belegt.</translation>
    </message>
    <message>
        <source>%1 is assigned to both %2 and %3. Change one of them first.</source>
        <translation>%1 ist sowohl %2 als auch %3 zugewiesen. Ändern Sie zuerst eines davon.</translation>
    </message>
    <message>
        <source>%1 (tool bar)</source>
        <translation>%1 (Werkzeugleiste)</translation>
    </message>
    <message>
        <source>Shortcut schemes (*.json);;All files (*)</source>
        <translation>Tastenkürzel-Schemata (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Read shortcuts from a scheme file; they apply with the page</source>
        <translation>Tastenkürzel aus einer Schema-Datei lesen; sie gelten mit den übrigen Änderungen der Seite</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Write the shortcuts shown here to a scheme file</source>
        <translation>Die hier gezeigten Tastenkürzel in eine Schema-Datei schreiben</translation>
    </message>
    <message>
        <source>Import Shortcuts</source>
        <translation>Tastenkürzel importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcut(s) read from &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Tastenkürzel aus „%1“ gelesen.</numerusform>
            <numerusform>%n Tastenkürzel aus „%1“ gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, as no such command is known here:
%1</source>
        <translation>Übersprungen, da hier kein solcher Befehl bekannt ist:
%1</translation>
    </message>
    <message>
        <source>Skipped, as the text is not a key:
%1</source>
        <translation>Übersprungen, da der Text kein Tastenkürzel ist:
%1</translation>
    </message>
    <message>
        <source>Export Shortcuts</source>
        <translation>Tastenkürzel exportieren</translation>
    </message>
</context>
<context>
    <name>AppearanceOptionPage</name>
    <message>
        <source>&amp;Theme:</source>
        <translation>&amp;Design:</translation>
    </message>
    <message>
        <source>A new theme is applied as soon as you apply the change.</source>
        <translation>Ein neues Design gilt, sobald Sie die Änderung übernehmen.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The interface language changes the next time Zenub Animate starts.</source>
        <translation>Die Sprache der Oberfläche wechselt beim nächsten Start von Zenub Animate.</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
</context>
<context>
    <name>BreakpointListWidget</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>BreakpointsOptionPage</name>
    <message>
        <source>Breakpoints are the stage sizes a project is laid out for. Checked entries are in use.</source>
        <translation>Umbruchpunkte sind die Bühnengrößen, für die ein Projekt gestaltet wird. Angehakte Einträge sind in Gebrauch.</translation>
    </message>
    <message>
        <source>Width (px)</source>
        <translation>Breite (px)</translation>
    </message>
    <message>
        <source>Height (px)</source>
        <translation>Höhe (px)</translation>
    </message>
    <message>
        <source>Reset to &amp;Defaults</source>
        <translation>&amp;Standardwerte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>BackupRestoreDialog</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>Zenub Animate did not close properly last time. These projects have unsaved changes in an automatic backup. Restore a project to open it with those changes, or discard its backup.</source>
        <translation>Zenub Animate wurde beim letzten Mal nicht ordnungsgemäß beendet. Diese Projekte haben ungespeicherte Änderungen in einer automatischen Sicherung. Stellen Sie ein Projekt wieder her, um es mit diesen Änderungen zu öffnen, oder verwerfen Sie seine Sicherung.</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Backup from</source>
        <translation>Sicherung vom</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Decide &amp;Later</source>
        <translation>&amp;Später entscheiden</translation>
    </message>
    <message>
        <source>Keep the backups; you are asked again when you open the project</source>
        <translation>Die Sicherungen behalten; Sie werden beim Öffnen des Projekts erneut gefragt</translation>
    </message>
    <message>
        <source>Discard the unsaved changes of the selected projects? This cannot be undone.</source>
        <translation>Die ungespeicherten Änderungen der gewählten Projekte verwerfen? Dies lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; could not be removed.</source>
        <translation>Die Sicherung „%1“ konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>WorkspaceCommands</name>
    <message>
        <source>Save A&amp;ll</source>
        <translation>A&amp;lle speichern</translation>
    </message>
    <message>
        <source>Clear Recent Projects</source>
        <translation>Liste der letzten Projekte leeren</translation>
    </message>
    <message>
        <source>&amp;Welcome Page</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Remove all entries from the list of recent projects?
The projects themselves are not deleted.</source>
        <translation>Alle Einträge aus der Liste der letzten Projekte entfernen?
Die Projekte selbst werden nicht gelöscht.</translation>
    </message>
    <message>
        <source>Save every open project that has changes</source>
        <translation>Jedes geöffnete Projekt mit Änderungen speichern</translation>
    </message>
    <message>
        <source>Empty the list of recent projects</source>
        <translation>Die Liste der zuletzt geöffneten Projekte leeren</translation>
    </message>
    <message>
        <source>Show or hide the welcome page</source>
        <translation>Die Startseite zeigen oder ausblenden</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be found.</source>
        <translation>Der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is a link.</source>
        <translation>Der Ordner „%1“ ist eine Verknüpfung.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; belongs to another user.</source>
        <translation>Der Ordner „%1“ gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Other users can reach the folder &quot;%1&quot;.</source>
        <translation>Andere Benutzer haben Zugriff auf den Ordner „%1“.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsCheck</name>
    <message>
        <source>Your settings file &quot;%1&quot; could not be read. It was kept as &quot;%2&quot;, and Zenub Animate starts with default settings.</source>
        <translation>Ihre Einstellungsdatei „%1“ konnte nicht gelesen werden. Sie wurde als „%2“ aufbewahrt, und Zenub Animate startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Your settings file &quot;%1&quot; could not be read, nor kept aside as &quot;%2&quot;. Zenub Animate starts with default settings and leaves the file as it is; changed settings are not kept after this session.</source>
        <translation>Ihre Einstellungsdatei „%1“ konnte weder gelesen noch als „%2“ aufbewahrt werden. Zenub Animate startet mit den Standardeinstellungen und lässt die Datei unverändert; geänderte Einstellungen gehen nach dieser Sitzung verloren.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Something that is not Zenub Animate answers on &quot;%1&quot;.</source>
        <translation>Auf „%1“ antwortet etwas, das nicht Zenub Animate ist.</translation>
    </message>
</context>
<context>
    <name>ICore</name>
    <message>
        <source>Your settings could not be saved to &quot;%1&quot;.</source>
        <translation>Ihre Einstellungen konnten nicht in „%1“ gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>Die letzte Änderung zurücknehmen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Die zurückgenommene Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>Move the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage verschieben</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Die Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Insert what the clipboard holds</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Make a copy of the selection</source>
        <translation>Eine Kopie der Auswahl anlegen</translation>
    </message>
    <message>
        <source>Remove the selection</source>
        <translation>Die Auswahl entfernen</translation>
    </message>
    <message>
        <source>Select everything where you are working</source>
        <translation>Alles dort auswählen, wo Sie gerade arbeiten</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Built on Qt %1</source>
        <translation>Erstellt mit Qt %1</translation>
    </message>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the version and licence details</source>
        <translation>Version und Lizenzangaben kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>%1 (built with %2)</source>
        <translation>%1 (erstellt mit %2)</translation>
    </message>
    <message>
        <source>Zenub Animate: copyright 2026 KORVA Software. Free software under the MIT licence: you may use, copy, change and pass it on, keeping the copyright notice; it comes without any warranty.</source>
        <translation>Zenub Animate: Copyright 2026 KORVA Software. Freie Software unter der MIT-Lizenz: Sie dürfen sie nutzen, kopieren, ändern und weitergeben, sofern der Urheberrechtshinweis erhalten bleibt; sie wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Qt %1 (including Qt WebEngine): GNU Lesser General Public License version 3 (LGPLv3). Qt WebEngine contains Chromium, under BSD-style licences. Sources: https://download.qt.io/</source>
        <translation>Qt %1 (einschließlich Qt WebEngine): GNU Lesser General Public License Version 3 (LGPLv3). Qt WebEngine enthält Chromium unter BSD-artigen Lizenzen. Quelltexte: https://download.qt.io/</translation>
    </message>
    <message>
        <source>FFmpeg (libavcodec, libavformat, libavutil, libswscale): GNU Lesser General Public License version 2.1 or later (LGPL). Sources: https://ffmpeg.org/</source>
        <translation>FFmpeg (libavcodec, libavformat, libavutil, libswscale): GNU Lesser General Public License Version 2.1 oder später (LGPL). Quelltexte: https://ffmpeg.org/</translation>
    </message>
    <message>
        <source>The LGPL lets you replace these libraries with versions of your own; they are loaded as separate shared libraries.</source>
        <translation>Die LGPL erlaubt Ihnen, diese Bibliotheken durch eigene Fassungen zu ersetzen; sie werden als eigene gemeinsam genutzte Bibliotheken geladen.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Build: %1</source>
        <translation>Build: %1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt: %1</translation>
    </message>
    <message>
        <source>System: %1 (%2 %3, %4)</source>
        <translation>System: %1 (%2 %3, %4)</translation>
    </message>
    <message>
        <source>Screen scale: %1 %</source>
        <translation>Bildschirmskalierung: %1 %</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <source>Theme: %1</source>
        <translation>Design: %1</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Report a Problem</source>
        <translation>Problem melden</translation>
    </message>
    <message>
        <source>Provide a Suggestion</source>
        <translation>Vorschlag machen</translation>
    </message>
    <message>
        <source>What happened, and what did you expect instead?</source>
        <translation>Was ist passiert, und was hatten Sie stattdessen erwartet?</translation>
    </message>
    <message>
        <source>What would make Zenub Animate better for you?</source>
        <translation>Was würde Zenub Animate für Sie besser machen?</translation>
    </message>
    <message>
        <source>These details are added to help us understand it. Nothing is sent until you open the report address or save the report.</source>
        <translation>Diese Angaben werden angefügt, damit wir es besser verstehen. Nichts wird gesendet, bevor Sie die Meldeadresse öffnen oder den Bericht speichern.</translation>
    </message>
    <message>
        <source>&amp;Open in Mail or Browser</source>
        <translation>In E-Mail oder Browser ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens %1 with the report filled in</source>
        <translation>Öffnet %1 mit dem ausgefüllten Bericht</translation>
    </message>
    <message>
        <source>&amp;Save to File...</source>
        <translation>In Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>Warnings of this run: none</source>
        <translation>Warnungen dieser Sitzung: keine</translation>
    </message>
    <message>
        <source>Warnings of this run:</source>
        <translation>Warnungen dieser Sitzung:</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>The report address %1 could not be opened. Save the report to a file and send it yourself.</source>
        <translation>Die Meldeadresse %1 konnte nicht geöffnet werden. Speichern Sie den Bericht in eine Datei und senden Sie ihn selbst.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1:
%2</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>%1 %2 is available.</source>
        <translation>%1 %2 ist verfügbar.</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Aktualisieren...</translation>
    </message>
</context>
<context>
    <name>ShapeClipboard</name>
    <message>
        <source>The clipboard holds no shapes.</source>
        <translation>Die Zwischenablage enthält keine Formen.</translation>
    </message>
    <message>
        <source>The shapes on the clipboard cannot be read: %1</source>
        <translation>Die Formen in der Zwischenablage können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The shapes on the clipboard come from a newer version of Zenub Animate.</source>
        <translation>Die Formen in der Zwischenablage stammen aus einer neueren Version von Zenub Animate.</translation>
    </message>
    <message>
        <source>The clipboard holds too many shapes (%1).</source>
        <translation>Die Zwischenablage enthält zu viele Formen (%1).</translation>
    </message>
    <message>
        <source>Pasted Image</source>
        <translation>Eingefügtes Bild</translation>
    </message>
</context>
<context>
    <name>ShapeCommands</name>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
</context>
<context>
    <name>TimelineWidget</name>
    <message>
        <source>First Frame</source>
        <translation>Erstes Bild</translation>
    </message>
    <message>
        <source>First frame (Home)</source>
        <translation>Erstes Bild (Pos1)</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Previous frame (,)</source>
        <translation>Vorheriges Bild (,)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play or pause the current scene (Space in the time line)</source>
        <translation>Die aktuelle Szene abspielen oder anhalten (Leertaste in der Zeitleiste)</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Next frame (.)</source>
        <translation>Nächstes Bild (.)</translation>
    </message>
    <message>
        <source>Last Frame</source>
        <translation>Letztes Bild</translation>
    </message>
    <message>
        <source>Last frame (End)</source>
        <translation>Letztes Bild (Ende)</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Start again at the first frame after the last</source>
        <translation>Nach dem letzten Bild wieder beim ersten beginnen</translation>
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
        <source>Auto-Key</source>
        <translation>Auto-Key</translation>
    </message>
    <message>
        <source>When on, changing a static shape at another frame than its keyframe starts its animation there</source>
        <translation>Wenn eingeschaltet, beginnt eine Änderung einer statischen Form an einem anderen Bild als ihrem Schlüsselbild dort ihre Animation</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message numerus="yes">
        <source> frame(s)</source>
        <translation>
            <numerusform> Bild</numerusform>
            <numerusform> Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>Go to the first frame (Home in the time line)</source>
        <translation>Zum ersten Bild (Pos1 in der Zeitleiste)</translation>
    </message>
    <message>
        <source>Go one frame back (Left in the time line)</source>
        <translation>Ein Bild zurück (Links in der Zeitleiste)</translation>
    </message>
    <message>
        <source>Go one frame on (Right in the time line)</source>
        <translation>Ein Bild vor (Rechts in der Zeitleiste)</translation>
    </message>
    <message>
        <source>Go to the last frame (End in the time line)</source>
        <translation>Zum letzten Bild (Ende in der Zeitleiste)</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>%1 (hidden)</source>
        <translation>%1 (ausgeblendet)</translation>
    </message>
    <message>
        <source>%1 (locked)</source>
        <translation>%1 (gesperrt)</translation>
    </message>
    <message>
        <source>Static: its one keyframe holds for the whole scene</source>
        <translation>Statisch: ihr einziges Schlüsselbild gilt für die ganze Szene</translation>
    </message>
    <message>
        <source>Animated: %1</source>
        <translation>Animiert: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Frame %1: %2</source>
        <translation>Bild %1: %2</translation>
    </message>
</context>
<context>
    <name>KeyframeCommands</name>
    <message>
        <source>Cu&amp;t Keyframes</source>
        <translation>Schlüsselbilder &amp;ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy Keyframes</source>
        <translation>Schlüsselbilder &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Keyframes</source>
        <translation>Schlüsselbilder &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Keyframes</source>
        <translation>Schlüsselbilder &amp;löschen</translation>
    </message>
    <message>
        <source>Select &amp;All Keyframes</source>
        <translation>&amp;Alle Schlüsselbilder auswählen</translation>
    </message>
    <message>
        <source>Add &amp;Keyframe</source>
        <translation>Schlüssel&amp;bild hinzufügen</translation>
    </message>
    <message>
        <source>Store the selected shapes&apos; state at the current frame as keyframes</source>
        <translation>Den Zustand der ausgewählten Formen am aktuellen Bild als Schlüsselbilder speichern</translation>
    </message>
    <message>
        <source>Cut Keyframes</source>
        <translation>Schlüsselbilder ausschneiden</translation>
    </message>
    <message>
        <source>Paste Keyframes</source>
        <translation>Schlüsselbilder einfügen</translation>
    </message>
    <message>
        <source>Delete Keyframes</source>
        <translation>Schlüsselbilder löschen</translation>
    </message>
    <message>
        <source>Move Keyframes</source>
        <translation>Schlüsselbilder verschieben</translation>
    </message>
    <message>
        <source>Change Easing</source>
        <translation>Beschleunigung ändern</translation>
    </message>
    <message>
        <source>Add Keyframe</source>
        <translation>Schlüsselbild hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>%n keyframe(s) would lie outside the scene and were not pasted.</source>
        <translation>
            <numerusform>%n Schlüsselbild läge außerhalb der Szene und wurde nicht eingefügt.</numerusform>
            <numerusform>%n Schlüsselbilder lägen außerhalb der Szene und wurden nicht eingefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>They were copied at %1 frames per second; their times were kept at %2.</source>
        <translation>Sie wurden bei %1 Bildern pro Sekunde kopiert; ihre Zeiten blieben bei %2 erhalten.</translation>
    </message>
</context>
<context>
    <name>EasingMenu</name>
    <message>
        <source>&amp;Easing</source>
        <translation>&amp;Beschleunigung</translation>
    </message>
    <message>
        <source>&amp;Custom Curve...</source>
        <translation>&amp;Eigene Kurve...</translation>
    </message>
    <message>
        <source>&amp;Linear</source>
        <translation>&amp;Linear</translation>
    </message>
    <message>
        <source>Ease &amp;In</source>
        <translation>&amp;Langsam beginnen</translation>
    </message>
    <message>
        <source>Ease &amp;Out</source>
        <translation>Langsam &amp;enden</translation>
    </message>
    <message>
        <source>Ease In-O&amp;ut</source>
        <translation>Langsam beginnen und en&amp;den</translation>
    </message>
    <message>
        <source>Custom Curve</source>
        <translation>Eigene Kurve</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Halten</translation>
    </message>
</context>
<context>
    <name>BezierEasingDialog</name>
    <message>
        <source>Custom Easing Curve</source>
        <translation>Eigene Beschleunigungskurve</translation>
    </message>
    <message>
        <source>Drag the two control points. Time runs to the right, progress upwards.</source>
        <translation>Ziehen Sie die beiden Kontrollpunkte. Die Zeit läuft nach rechts, der Fortschritt nach oben.</translation>
    </message>
    <message>
        <source>First point, time:</source>
        <translation>Erster Punkt, Zeit:</translation>
    </message>
    <message>
        <source>First point, progress:</source>
        <translation>Erster Punkt, Fortschritt:</translation>
    </message>
    <message>
        <source>Second point, time:</source>
        <translation>Zweiter Punkt, Zeit:</translation>
    </message>
    <message>
        <source>Second point, progress:</source>
        <translation>Zweiter Punkt, Fortschritt:</translation>
    </message>
</context>
<context>
    <name>ShapeArranger</name>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Bring Forward</source>
        <translation>Eine Stufe nach vorne</translation>
    </message>
    <message>
        <source>Send Backward</source>
        <translation>Eine Stufe nach hinten</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
</context>
<context>
    <name>StageContextMenu</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>A&amp;rrange</source>
        <translation>A&amp;nordnen</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Bring F&amp;orward</source>
        <translation>Eine Stufe nach v&amp;orne</translation>
    </message>
    <message>
        <source>Send &amp;Backward</source>
        <translation>Eine Stufe nach &amp;hinten</translation>
    </message>
    <message>
        <source>Send to Bac&amp;k</source>
        <translation>In den Hinter&amp;grund</translation>
    </message>
    <message>
        <source>Put the selected shapes in front of all others of their layer</source>
        <translation>Die ausgewählten Formen vor alle anderen ihrer Ebene stellen</translation>
    </message>
    <message>
        <source>Put the selected shapes one step further to the front</source>
        <translation>Die ausgewählten Formen eine Stufe nach vorne stellen</translation>
    </message>
    <message>
        <source>Put the selected shapes one step further to the back</source>
        <translation>Die ausgewählten Formen eine Stufe nach hinten stellen</translation>
    </message>
    <message>
        <source>Put the selected shapes behind all others of their layer</source>
        <translation>Die ausgewählten Formen hinter alle anderen ihrer Ebene stellen</translation>
    </message>
</context>
<context>
    <name>StageViewCommands</name>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Show the stage smaller</source>
        <translation>Die Bühne kleiner zeigen</translation>
    </message>
    <message>
        <source>Zoom level</source>
        <translation>Zoomstufe</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Show the stage larger</source>
        <translation>Die Bühne größer zeigen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit the whole stage in view</source>
        <translation>Die ganze Bühne einpassen</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>Show one stage pixel as one screen pixel</source>
        <translation>Ein Bühnenpixel als ein Bildschirmpixel zeigen</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Show a grid on the stage; moved shapes snap to it</source>
        <translation>Ein Raster auf der Bühne zeigen; verschobene Formen rasten daran ein</translation>
    </message>
    <message>
        <source>Show rulers along the stage; drag from them to pull guides</source>
        <translation>Lineale an der Bühne zeigen; aus ihnen lassen sich Hilfslinien ziehen</translation>
    </message>
    <message>
        <source>Show the guide lines; shapes snap to them while they show</source>
        <translation>Die Hilfslinien zeigen; solange sie sichtbar sind, rasten Formen an ihnen ein</translation>
    </message>
    <message>
        <source>Remove every guide line</source>
        <translation>Alle Hilfslinien entfernen</translation>
    </message>
</context>
<context>
    <name>StageGesture</name>
    <message>
        <source>Resize %1</source>
        <translation>Größe von %1 ändern</translation>
    </message>
    <message>
        <source>Rotate %1</source>
        <translation>%1 drehen</translation>
    </message>
    <message numerus="yes">
        <source>Resize %n Shapes</source>
        <translation>
            <numerusform>Größe von %n Form ändern</numerusform>
            <numerusform>Größe von %n Formen ändern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rotate %n Shapes</source>
        <translation>
            <numerusform>%n Form drehen</numerusform>
            <numerusform>%n Formen drehen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageImport</name>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is %2; images of at most %3 can be inserted, since the project keeps a copy of each.</source>
        <translation>Das Bild „%1“ ist %2 groß; eingefügt werden können Bilder bis %3, da das Projekt von jedem eine Kopie enthält.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is damaged and cannot be shown.</source>
        <translation>Das Bild „%1“ ist beschädigt und kann nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>ImageInsertion</name>
    <message>
        <source>Insert Image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.svg);;All Files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.svg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>There is no scene to insert the image into.</source>
        <translation>Es gibt keine Szene, in die das Bild eingefügt werden kann.</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>Place a PNG, JPEG or SVG picture on the stage</source>
        <translation>Ein PNG-, JPEG- oder SVG-Bild auf die Bühne setzen</translation>
    </message>
</context>
<context>
    <name>SvgShapes</name>
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
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>PasteOptionPage</name>
    <message>
        <source>Paste SVG drawings from other programs as &amp;editable shapes</source>
        <translation>SVG-Zeichnungen aus anderen Programmen als &amp;bearbeitbare Formen einfügen</translation>
    </message>
    <message>
        <source>Rectangles, circles, ellipses and texts become shapes of their own. A drawing with anything else, and every drawing when this is off, is pasted whole as one image.</source>
        <translation>Rechtecke, Kreise, Ellipsen und Texte werden zu eigenen Formen. Eine Zeichnung mit anderen Elementen, und jede Zeichnung, wenn dies ausgeschaltet ist, wird als ein einziges Bild eingefügt.</translation>
    </message>
</context>
<context>
    <name>DockArea</name>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Time Line</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
<context>
    <name>LayersPanel</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a layer above the selected one</source>
        <translation>Über der gewählten Ebene eine Ebene hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected layer and its shapes</source>
        <translation>Die gewählte Ebene mit ihren Formen löschen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Keep the shapes of the selected layer from being picked</source>
        <translation>Die Formen der gewählten Ebene vor dem Auswählen schützen</translation>
    </message>
    <message>
        <source>Lock Layer</source>
        <translation>Ebene sperren</translation>
    </message>
    <message>
        <source>Unlock Layer</source>
        <translation>Ebene entsperren</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the selected layer up, in front of the one above</source>
        <translation>Die gewählte Ebene nach oben verschieben, vor die darüber</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the selected layer down, behind the one below</source>
        <translation>Die gewählte Ebene nach unten verschieben, hinter die darunter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Tick to show the layer, untick to hide it</source>
        <translation>Anhaken zeigt die Ebene, Abhaken blendet sie aus</translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation>Ebene hinzufügen</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Ebene %1</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Ebene löschen</translation>
    </message>
    <message>
        <source>Move Layer</source>
        <translation>Ebene verschieben</translation>
    </message>
    <message>
        <source>Show Layer</source>
        <translation>Ebene einblenden</translation>
    </message>
    <message>
        <source>Hide Layer</source>
        <translation>Ebene ausblenden</translation>
    </message>
    <message>
        <source>Rename Layer</source>
        <translation>Ebene umbenennen</translation>
    </message>
    <message>
        <source>Rename Shape</source>
        <translation>Form umbenennen</translation>
    </message>
    <message>
        <source>The layer &quot;%1&quot; holds shapes. Do you want to delete it with everything on it?</source>
        <translation>Die Ebene „%1“ enthält Formen. Möchten Sie sie mit allem darauf löschen?</translation>
    </message>
</context>
<context>
    <name>PropertiesPanel</name>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Change X</source>
        <translation>X ändern</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Change Y</source>
        <translation>Y ändern</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Change Width</source>
        <translation>Breite ändern</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Change Height</source>
        <translation>Höhe ändern</translation>
    </message>
    <message>
        <source>Rotation:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Change Opacity</source>
        <translation>Deckkraft ändern</translation>
    </message>
    <message>
        <source>Fill:</source>
        <translation>Füllung:</translation>
    </message>
    <message>
        <source>Change Fill</source>
        <translation>Füllung ändern</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Kontur:</translation>
    </message>
    <message>
        <source>Change Outline</source>
        <translation>Kontur ändern</translation>
    </message>
    <message>
        <source>Outline width:</source>
        <translation>Konturbreite:</translation>
    </message>
    <message>
        <source>Corner radius:</source>
        <translation>Eckenradius:</translation>
    </message>
    <message>
        <source>Change Corner Radius</source>
        <translation>Eckenradius ändern</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Fit to box</source>
        <translation>An Rahmen anpassen</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>No shape selected</source>
        <translation>Keine Form ausgewählt</translation>
    </message>
    <message numerus="yes">
        <source>%n shapes selected</source>
        <translation>
            <numerusform>%n Form ausgewählt</numerusform>
            <numerusform>%n Formen ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Rename Shape</source>
        <translation>Form umbenennen</translation>
    </message>
</context>
<context>
    <name>ScenesPanel</name>
    <message>
        <source>How long the selected scene plays</source>
        <translation>Wie lange die gewählte Szene läuft</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a scene at the end</source>
        <translation>Am Ende eine Szene hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Add a copy of the selected scene after it</source>
        <translation>Hinter der gewählten Szene eine Kopie von ihr einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the selected scene</source>
        <translation>Die gewählte Szene löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Play the selected scene earlier</source>
        <translation>Die gewählte Szene früher abspielen</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Play the selected scene later</source>
        <translation>Die gewählte Szene später abspielen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Change Scene Length</source>
        <translation>Szenenlänge ändern</translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation>Szene duplizieren</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation>Szene löschen</translation>
    </message>
    <message>
        <source>The scene &quot;%1&quot; holds shapes. Do you want to delete it with everything on it?</source>
        <translation>Die Szene „%1“ enthält Formen. Möchten Sie sie mit allem, was darauf ist, löschen?</translation>
    </message>
    <message>
        <source>Move Scene</source>
        <translation>Szene verschieben</translation>
    </message>
    <message numerus="yes">
        <source> frame(s)</source>
        <translation>
            <numerusform> Bild</numerusform>
            <numerusform> Bilder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PictureDecoder</name>
    <message>
        <source>&quot;%1&quot; is not a PNG, JPEG or SVG image; only these can be inserted.</source>
        <translation>„%1“ ist kein PNG-, JPEG- oder SVG-Bild; nur diese können eingefügt werden.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds a picture of %2 × %3 pixels; pictures of at most %4 pixels a side can be shown.</source>
        <translation>Das Bild „%1“ enthält ein Bild mit %2 × %3 Pixeln; angezeigt werden können Bilder mit höchstens %4 Pixeln je Seite.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is %2 × %3 pixels; images of at most %4 pixels a side can be inserted.</source>
        <translation>Das Bild „%1“ hat %2 × %3 Pixel; eingefügt werden können Bilder mit höchstens %4 Pixeln je Seite.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds a picture that is damaged or not a PNG or JPEG image; only these can be shown inside an SVG image.</source>
        <translation>Das Bild „%1“ enthält ein Bild, das beschädigt oder kein PNG- oder JPEG-Bild ist; nur diese können in einem SVG-Bild angezeigt werden.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; is damaged and cannot be shown.</source>
        <translation>Das Bild „%1“ ist beschädigt und kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; links to files or addresses outside it, which are never read: %2. Embed them in the SVG file to insert it.</source>
        <translation>Das Bild „%1“ verweist auf Dateien oder Adressen außerhalb seiner selbst, die nie gelesen werden: %2. Betten Sie sie in die SVG-Datei ein, um sie einzufügen.</translation>
    </message>
</context>
<context>
    <name>ShapeImages</name>
    <message>
        <source>Image too large to show: %1 × %2 pixels</source>
        <translation>Bild zu groß zum Anzeigen: %1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>AlignCommands</name>
    <message>
        <source>Line the left edges up</source>
        <translation>Die linken Kanten aneinander ausrichten</translation>
    </message>
    <message>
        <source>Line the centres up, one above the other</source>
        <translation>Die Mitten übereinander ausrichten</translation>
    </message>
    <message>
        <source>Line the right edges up</source>
        <translation>Die rechten Kanten aneinander ausrichten</translation>
    </message>
    <message>
        <source>Line the top edges up</source>
        <translation>Die oberen Kanten aneinander ausrichten</translation>
    </message>
    <message>
        <source>Line the middles up, side by side</source>
        <translation>Die Mitten nebeneinander ausrichten</translation>
    </message>
    <message>
        <source>Line the bottom edges up</source>
        <translation>Die unteren Kanten aneinander ausrichten</translation>
    </message>
    <message>
        <source>Leave equal gaps between the shapes from left to right</source>
        <translation>Gleiche Abstände zwischen den Formen von links nach rechts</translation>
    </message>
    <message>
        <source>Leave equal gaps between the shapes from top to bottom</source>
        <translation>Gleiche Abstände zwischen den Formen von oben nach unten</translation>
    </message>
    <message>
        <source>Align and distribute on the stage instead of the shapes&apos; box</source>
        <translation>Auf der Bühne statt im gemeinsamen Rahmen der Formen ausrichten und verteilen</translation>
    </message>
</context>
<context>
    <name>EditorCommandTable</name>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
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
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit Stage in Window</source>
        <translation>Bühne ins &amp;Fenster einpassen</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Layers</source>
        <translation>&amp;Ebenen</translation>
    </message>
    <message>
        <source>&amp;Scenes</source>
        <translation>&amp;Szenen</translation>
    </message>
    <message>
        <source>Align &amp;Left</source>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Centre</source>
        <translation>&amp;Zentriert ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Middle</source>
        <translation>&amp;Mittig ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Bottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Distribute &amp;Horizontally</source>
        <translation>&amp;Horizontal verteilen</translation>
    </message>
    <message>
        <source>Distribute &amp;Vertically</source>
        <translation>&amp;Vertikal verteilen</translation>
    </message>
    <message>
        <source>Relative to &amp;Stage</source>
        <translation>Relativ zur &amp;Bühne</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>&amp;Align</source>
        <translation>&amp;Ausrichten</translation>
    </message>
    <message>
        <source>&amp;Panels</source>
        <translation>&amp;Bereiche</translation>
    </message>
    <message>
        <source>&amp;Rulers</source>
        <translation>&amp;Lineale</translation>
    </message>
    <message>
        <source>G&amp;uides</source>
        <translation>&amp;Hilfslinien</translation>
    </message>
    <message>
        <source>&amp;Clear Guides</source>
        <translation>Hilfslinien &amp;entfernen</translation>
    </message>
    <message>
        <source>Fill &amp;Colour...</source>
        <translation>&amp;Füllfarbe...</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Bring F&amp;orward</source>
        <translation>Eine Stufe nach v&amp;orne</translation>
    </message>
    <message>
        <source>Send &amp;Backward</source>
        <translation>Eine Stufe nach &amp;hinten</translation>
    </message>
    <message>
        <source>Send to Bac&amp;k</source>
        <translation>In den Hinter&amp;grund</translation>
    </message>
    <message>
        <source>First Frame</source>
        <translation>Erstes Bild</translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Last Frame</source>
        <translation>Letztes Bild</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Add Keyframe</source>
        <translation>Schlüsselbild hinzufügen</translation>
    </message>
    <message>
        <source>Auto-Key</source>
        <translation>Auto-Key</translation>
    </message>
    <message>
        <source>Add Layer</source>
        <translation>Ebene hinzufügen</translation>
    </message>
    <message>
        <source>Delete Layer</source>
        <translation>Ebene löschen</translation>
    </message>
    <message>
        <source>Lock Layer</source>
        <translation>Ebene sperren</translation>
    </message>
    <message>
        <source>Move Layer Up</source>
        <translation>Ebene nach oben</translation>
    </message>
    <message>
        <source>Move Layer Down</source>
        <translation>Ebene nach unten</translation>
    </message>
    <message>
        <source>Add Scene</source>
        <translation>Szene hinzufügen</translation>
    </message>
    <message>
        <source>Duplicate Scene</source>
        <translation>Szene duplizieren</translation>
    </message>
    <message>
        <source>Delete Scene</source>
        <translation>Szene löschen</translation>
    </message>
    <message>
        <source>Move Scene Up</source>
        <translation>Szene nach oben</translation>
    </message>
    <message>
        <source>Move Scene Down</source>
        <translation>Szene nach unten</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Time Line</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>A&amp;rrange</source>
        <translation>A&amp;nordnen</translation>
    </message>
    <message>
        <source>Node</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Polygon and Star</source>
        <translation>Polygon und Stern</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Zeichenstift</translation>
    </message>
    <message>
        <source>Make Nodes &amp;Smooth</source>
        <translation>Knoten &amp;glätten</translation>
    </message>
    <message>
        <source>Make Nodes &amp;Corners</source>
        <translation>Knoten zu &amp;Ecken machen</translation>
    </message>
    <message>
        <source>C&amp;lose Path</source>
        <translation>Pfad sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Open Path at Node</source>
        <translation>Pfad am Knoten ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Align Text &amp;Left</source>
        <translation>Text &amp;links ausrichten</translation>
    </message>
    <message>
        <source>&amp;Centre Text</source>
        <translation>Text &amp;zentrieren</translation>
    </message>
    <message>
        <source>Align Text &amp;Right</source>
        <translation>Text &amp;rechts ausrichten</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <translation>&amp;Pfad</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Show or hide the drawing tools</source>
        <translation>Die Zeichenwerkzeuge zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the properties of the selected shapes</source>
        <translation>Die Eigenschaften der ausgewählten Formen zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the layers of the scene</source>
        <translation>Die Ebenen der Szene zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the list of scenes</source>
        <translation>Die Liste der Szenen zeigen oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Gruppieren</translation>
    </message>
    <message>
        <source>&amp;Ungroup</source>
        <translation>Gruppierung a&amp;ufheben</translation>
    </message>
    <message>
        <source>Con&amp;vert to Path</source>
        <translation>In Pfad u&amp;mwandeln</translation>
    </message>
    <message>
        <source>Graph Editor</source>
        <translation>Kurveneditor</translation>
    </message>
    <message>
        <source>Fit Curves</source>
        <translation>Kurven einpassen</translation>
    </message>
    <message>
        <source>&amp;Onion Skin</source>
        <translation>&amp;Zwiebelschicht</translation>
    </message>
    <message>
        <source>&amp;1 Frame Each Way</source>
        <translation>&amp;1 Bild je Richtung</translation>
    </message>
    <message>
        <source>&amp;2 Frames Each Way</source>
        <translation>&amp;2 Bilder je Richtung</translation>
    </message>
    <message>
        <source>&amp;3 Frames Each Way</source>
        <translation>&amp;3 Bilder je Richtung</translation>
    </message>
    <message>
        <source>&amp;4 Frames Each Way</source>
        <translation>&amp;4 Bilder je Richtung</translation>
    </message>
    <message>
        <source>&amp;5 Frames Each Way</source>
        <translation>&amp;5 Bilder je Richtung</translation>
    </message>
    <message>
        <source>&amp;Motion Paths</source>
        <translation>&amp;Bewegungspfade</translation>
    </message>
    <message>
        <source>Onion Skin &amp;Frames</source>
        <translation>Zwiebelschicht-&amp;Bilder</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>T&amp;ime Line</source>
        <translation>&amp;Zeitleiste</translation>
    </message>
    <message>
        <source>Show or hide the time line</source>
        <translation>Die Zeitleiste zeigen oder verbergen</translation>
    </message>
</context>
<context>
    <name>ShapeDrawTool</name>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
</context>
<context>
    <name>ToolPalette</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Select: pick, move, resize and turn shapes</source>
        <translation>Auswahl: Formen wählen, verschieben, skalieren und drehen</translation>
    </message>
    <message>
        <source>Rectangle: drag to draw, Shift for a square, Alt from the centre</source>
        <translation>Rechteck: ziehen zum Zeichnen, Umschalt für ein Quadrat, Alt von der Mitte aus</translation>
    </message>
    <message>
        <source>Ellipse: drag to draw, Shift for a circle, Alt from the centre</source>
        <translation>Ellipse: ziehen zum Zeichnen, Umschalt für einen Kreis, Alt von der Mitte aus</translation>
    </message>
    <message>
        <source>Text: click or drag to place a text</source>
        <translation>Text: klicken oder ziehen, um einen Text zu setzen</translation>
    </message>
    <message>
        <source>Hand: drag to move the view (also Space or the middle button)</source>
        <translation>Hand: ziehen, um die Ansicht zu verschieben (auch Leertaste oder mittlere Maustaste)</translation>
    </message>
    <message>
        <source>Node: move the nodes and handles of a path and the ends of gradients; double-click the path to add a node</source>
        <translation>Knoten: Knoten und Griffe eines Pfads und die Enden von Verläufen verschieben; Doppelklick auf den Pfad fügt einen Knoten hinzu</translation>
    </message>
    <message>
        <source>Polygon and star: drag to draw, Shift keeps it regular, Alt from the centre</source>
        <translation>Polygon und Stern: ziehen zum Zeichnen, Umschalt hält es regelmäßig, Alt von der Mitte aus</translation>
    </message>
    <message>
        <source>Pen: click for a corner, drag for a curve, click the first node to close, Enter to finish</source>
        <translation>Zeichenstift: klicken für eine Ecke, ziehen für eine Kurve, den ersten Knoten klicken zum Schließen, Eingabe zum Beenden</translation>
    </message>
    <message>
        <source>Text: click for a line that grows as you type, drag for a box that wraps</source>
        <translation>Text: klicken für eine Zeile, die beim Tippen wächst, ziehen für einen Rahmen, der umbricht</translation>
    </message>
</context>
<context>
    <name>GuideDrag</name>
    <message>
        <source>Add Guide</source>
        <translation>Hilfslinie hinzufügen</translation>
    </message>
    <message>
        <source>Move Guide</source>
        <translation>Hilfslinie verschieben</translation>
    </message>
    <message>
        <source>Remove Guide</source>
        <translation>Hilfslinie entfernen</translation>
    </message>
</context>
<context>
    <name>StageRuler</name>
    <message>
        <source>Drag down to pull a horizontal guide</source>
        <translation>Nach unten ziehen für eine waagerechte Hilfslinie</translation>
    </message>
    <message>
        <source>Drag right to pull a vertical guide</source>
        <translation>Nach rechts ziehen für eine senkrechte Hilfslinie</translation>
    </message>
</context>
<context>
    <name>StageWidget</name>
    <message>
        <source>Clear Guides</source>
        <translation>Hilfslinien entfernen</translation>
    </message>
</context>
<context>
    <name>NameEdits</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>%1 copy %2</source>
        <translation>%1 Kopie %2</translation>
    </message>
</context>
<context>
    <name>CommandPalette</name>
    <message>
        <source>Command &amp;Palette...</source>
        <translation>Befehls&amp;palette...</translation>
    </message>
    <message>
        <source>Find and run any command by typing part of its name</source>
        <translation>Einen Befehl finden und ausführen, indem Sie einen Teil seines Namens eingeben</translation>
    </message>
</context>
<context>
    <name>CommandPaletteView</name>
    <message>
        <source>No enabled command matches.</source>
        <translation>Kein verfügbarer Befehl passt.</translation>
    </message>
    <message>
        <source>Type the name of a command</source>
        <translation>Namen eines Befehls eingeben</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>%1 (tool bar)</source>
        <translation>%1 (Werkzeugleiste)</translation>
    </message>
</context>
<context>
    <name>ExtensionSystem::PrivateFolder</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be found.</source>
        <translation>Der Ordner „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is a link.</source>
        <translation>Der Ordner „%1“ ist eine Verknüpfung.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; belongs to another user.</source>
        <translation>Der Ordner „%1“ gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Other users can reach the folder &quot;%1&quot;.</source>
        <translation>Andere Benutzer haben Zugriff auf den Ordner „%1“.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ShortcutScheme</name>
    <message>
        <source>The file is not a shortcut scheme of Zenub Animate.</source>
        <translation>Die Datei ist kein Tastenkürzel-Schema von Zenub Animate.</translation>
    </message>
    <message>
        <source>The scheme was written by a newer version of Zenub Animate (format %1).</source>
        <translation>Das Schema wurde von einer neueren Version von Zenub Animate geschrieben (Format %1).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to be a shortcut scheme.</source>
        <translation>„%1“ ist zu groß für ein Tastenkürzel-Schema.</translation>
    </message>
</context>
<context>
    <name>BreakpointSizes</name>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>ExternalOpener</name>
    <message>
        <source>Zenub Animate could not open %1.</source>
        <translation>Zenub Animate konnte %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>No program is set up to show this file:
%1</source>
        <translation>Kein Programm ist eingerichtet, diese Datei zu zeigen:
%1</translation>
    </message>
    <message>
        <source>No browser is set up to show this address:
%1</source>
        <translation>Kein Browser ist eingerichtet, diese Adresse zu zeigen:
%1</translation>
    </message>
    <message>
        <source>&amp;Copy Address</source>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>the folder %1</source>
        <translation>den Ordner %1</translation>
    </message>
</context>
<context>
    <name>PreviewSizesMenu</name>
    <message>
        <source>Preview at Si&amp;ze</source>
        <translation>Vorschau in Grö&amp;ße</translation>
    </message>
    <message>
        <source>No breakpoints are checked in Preferences</source>
        <translation>In den Einstellungen ist kein Umbruchpunkt angehakt</translation>
    </message>
</context>
<context>
    <name>GradientStopsBar</name>
    <message>
        <source>Click to add a stop, drag a stop to move it, double-click it for its colour, Delete to remove it</source>
        <translation>Klicken fügt einen Farbpunkt hinzu, Ziehen verschiebt ihn, Doppelklick wählt seine Farbe, Entf entfernt ihn</translation>
    </message>
    <message>
        <source>Stop Colour</source>
        <translation>Farbe des Farbpunkts</translation>
    </message>
</context>
<context>
    <name>NodeCommands</name>
    <message>
        <source>Make the picked nodes smooth: their handles on one line</source>
        <translation>Die gewählten Knoten glätten: ihre Griffe auf einer Linie</translation>
    </message>
    <message>
        <source>Make the picked nodes corners: straight sides meet there</source>
        <translation>Die gewählten Knoten zu Ecken machen: gerade Seiten treffen dort aufeinander</translation>
    </message>
    <message>
        <source>Join the ends of the picked nodes&apos; lines</source>
        <translation>Die Enden der Linien der gewählten Knoten verbinden</translation>
    </message>
    <message>
        <source>Cut the picked nodes&apos; closed outlines open at the first picked node</source>
        <translation>Die geschlossenen Umrisse der gewählten Knoten am ersten gewählten Knoten auftrennen</translation>
    </message>
</context>
<context>
    <name>NodeTool</name>
    <message>
        <source>Move Handle</source>
        <translation>Griff verschieben</translation>
    </message>
    <message>
        <source>Move Node</source>
        <translation>Knoten verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Move %n Nodes</source>
        <translation>
            <numerusform>%n Knoten verschieben</numerusform>
            <numerusform>%n Knoten verschieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Node</source>
        <translation>Knoten löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Nodes</source>
        <translation>
            <numerusform>%n Knoten löschen</numerusform>
            <numerusform>%n Knoten löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Make Nodes Smooth</source>
        <translation>Knoten glätten</translation>
    </message>
    <message>
        <source>Make Corners</source>
        <translation>Ecken machen</translation>
    </message>
    <message>
        <source>Close Path</source>
        <translation>Pfad schließen</translation>
    </message>
    <message>
        <source>Open Path</source>
        <translation>Pfad öffnen</translation>
    </message>
    <message>
        <source>Add Node</source>
        <translation>Knoten hinzufügen</translation>
    </message>
</context>
<context>
    <name>PaintEditor</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Linear gradient</source>
        <translation>Linearer Verlauf</translation>
    </message>
    <message>
        <source>Radial gradient</source>
        <translation>Radialer Verlauf</translation>
    </message>
    <message>
        <source>One colour, or colours blending along a line or around a centre</source>
        <translation>Eine Farbe, oder Farben, die entlang einer Linie oder um einen Mittelpunkt ineinander übergehen</translation>
    </message>
    <message>
        <source>How much of the paint shows: 0 % none, 100 % all</source>
        <translation>Wie viel der Farbe sichtbar ist: 0 % nichts, 100 % alles</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>The colour of the picked stop</source>
        <translation>Die Farbe des gewählten Farbpunkts</translation>
    </message>
</context>
<context>
    <name>PenTool</name>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
</context>
<context>
    <name>StyleProperties</name>
    <message>
        <source>Fill:</source>
        <translation>Füllung:</translation>
    </message>
    <message>
        <source>Change Fill</source>
        <translation>Füllung ändern</translation>
    </message>
    <message>
        <source>Outline:</source>
        <translation>Kontur:</translation>
    </message>
    <message>
        <source>Change Outline</source>
        <translation>Kontur ändern</translation>
    </message>
    <message>
        <source>Outline width:</source>
        <translation>Konturbreite:</translation>
    </message>
    <message>
        <source>Line ends:</source>
        <translation>Linienenden:</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Change Line Ends</source>
        <translation>Linienenden ändern</translation>
    </message>
    <message>
        <source>Corners:</source>
        <translation>Ecken:</translation>
    </message>
    <message>
        <source>Mitred</source>
        <translation>Spitz</translation>
    </message>
    <message>
        <source>Bevelled</source>
        <translation>Abgeschrägt</translation>
    </message>
    <message>
        <source>Change Corners</source>
        <translation>Ecken ändern</translation>
    </message>
    <message>
        <source>Solid line</source>
        <translation>Durchgezogene Linie</translation>
    </message>
    <message>
        <source>Lengths in pixels, drawn and skipped in turn, such as &quot;8 4&quot;; empty for a solid line</source>
        <translation>Längen in Pixeln, abwechselnd gezeichnet und ausgelassen, etwa „8 4“; leer für eine durchgezogene Linie</translation>
    </message>
    <message>
        <source>Dashes:</source>
        <translation>Striche:</translation>
    </message>
    <message>
        <source>Change Dashes</source>
        <translation>Striche ändern</translation>
    </message>
    <message>
        <source>Fill rule:</source>
        <translation>Füllregel:</translation>
    </message>
    <message>
        <source>Non-zero</source>
        <translation>Nicht null</translation>
    </message>
    <message>
        <source>Even-odd</source>
        <translation>Gerade-ungerade</translation>
    </message>
    <message>
        <source>Change Fill Rule</source>
        <translation>Füllregel ändern</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Change Kind</source>
        <translation>Art ändern</translation>
    </message>
    <message>
        <source>Inner radius:</source>
        <translation>Innenradius:</translation>
    </message>
    <message>
        <source>Change Inner Radius</source>
        <translation>Innenradius ändern</translation>
    </message>
    <message>
        <source>Roundness:</source>
        <translation>Rundung:</translation>
    </message>
    <message>
        <source>Change Roundness</source>
        <translation>Rundung ändern</translation>
    </message>
</context>
<context>
    <name>TextCommands</name>
    <message>
        <source>Bold words</source>
        <translation>Fette Wörter</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Slanted words</source>
        <translation>Schräge Wörter</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underlined words</source>
        <translation>Unterstrichene Wörter</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstreichen</translation>
    </message>
    <message>
        <source>Lines start at the left edge of the box</source>
        <translation>Zeilen beginnen am linken Rand des Rahmens</translation>
    </message>
    <message>
        <source>Lines are centred in the box</source>
        <translation>Zeilen stehen mittig im Rahmen</translation>
    </message>
    <message>
        <source>Lines end at the right edge of the box</source>
        <translation>Zeilen enden am rechten Rand des Rahmens</translation>
    </message>
    <message>
        <source>Align Text</source>
        <translation>Text ausrichten</translation>
    </message>
</context>
<context>
    <name>TextProperties</name>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>The distance between lines, times the font&apos;s own</source>
        <translation>Der Zeilenabstand als Vielfaches des Abstands der Schrift</translation>
    </message>
    <message>
        <source>Line spacing:</source>
        <translation>Zeilenabstand:</translation>
    </message>
    <message>
        <source>Change Line Spacing</source>
        <translation>Zeilenabstand ändern</translation>
    </message>
    <message>
        <source>Grows with its lines</source>
        <translation>Wächst mit seinen Zeilen</translation>
    </message>
    <message>
        <source>Wraps its lines</source>
        <translation>Bricht seine Zeilen um</translation>
    </message>
    <message>
        <source>A text sized to its box (font size 0) neither wraps nor grows</source>
        <translation>Ein an seinen Rahmen angepasster Text (Schriftgröße 0) bricht weder um noch wächst er</translation>
    </message>
    <message>
        <source>Text box:</source>
        <translation>Textrahmen:</translation>
    </message>
    <message>
        <source>Change Text Box</source>
        <translation>Textrahmen ändern</translation>
    </message>
</context>
<context>
    <name>ExportProgressDialog</name>
    <message>
        <source>Exporting</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Exporting to %1</source>
        <translation>Exportieren nach %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Exporting to %1: frame %2 of %3</source>
        <translation>Exportieren nach %1: Bild %2 von %3</translation>
    </message>
</context>
<context>
    <name>ExportSettings</name>
    <message>
        <source>The project has no scene named &quot;%1&quot;.</source>
        <translation>Das Projekt hat keine Szene namens „%1“.</translation>
    </message>
    <message>
        <source>The scale must be from %1 to %2 %.</source>
        <translation>Die Skalierung muss zwischen %1 und %2 % liegen.</translation>
    </message>
    <message>
        <source>There is nothing to export: the scene has no frames.</source>
        <translation>Es gibt nichts zu exportieren: Die Szene hat keine Bilder.</translation>
    </message>
    <message>
        <source>The frames %1 to %2 are not among the %3 frames to export (0 to %4).</source>
        <translation>Die Bilder %1 bis %2 gehören nicht zu den %3 zu exportierenden Bildern (0 bis %4).</translation>
    </message>
    <message>
        <source>The %1 must be a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>Der Wert für %1 muss eine ganze Zahl von %2 bis %3 sein, nicht „%4“.</translation>
    </message>
    <message>
        <source>The frames must be given as FIRST-LAST, FIRST- or one number, not &quot;%1&quot;.</source>
        <translation>Die Bilder müssen als ERSTES-LETZTES, ERSTES- oder als eine Zahl angegeben werden, nicht „%1“.</translation>
    </message>
</context>
<context>
    <name>ExportSettingsDialog</name>
    <message>
        <source>Export to Video</source>
        <translation>Als Video exportieren</translation>
    </message>
    <message>
        <source>Export to PNG Frames</source>
        <translation>Als PNG-Einzelbilder exportieren</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>The format follows the file&apos;s extension: .mp4, .webm, .gif, .webp or .apng.</source>
        <translation>Das Format richtet sich nach der Dateiendung: .mp4, .webm, .gif, .webp oder .apng.</translation>
    </message>
    <message>
        <source>Whole project (every scene in order)</source>
        <translation>Ganzes Projekt (alle Szenen der Reihe nach)</translation>
    </message>
    <message>
        <source>Scene &quot;%1&quot;</source>
        <translation>Szene „%1“</translation>
    </message>
    <message>
        <source>&amp;Export:</source>
        <translation>&amp;Exportieren:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Skalierung:</translation>
    </message>
    <message>
        <source>Higher is a better picture in a larger file. A GIF uses fewer colours when it is lower; APNG and PNG are lossless.</source>
        <translation>Höher ergibt ein besseres Bild in einer größeren Datei. Ein GIF nutzt bei niedrigeren Werten weniger Farben; APNG und PNG sind verlustfrei.</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;Frames:</source>
        <translation>&amp;Bilder:</translation>
    </message>
    <message>
        <source>For ever</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source> times</source>
        <translation> Mal</translation>
    </message>
    <message>
        <source>Leave the stage background out</source>
        <translation>Bühnenhintergrund weglassen</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Abspielen:</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Transparenz:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>%1 frames of %2 × %3 pixels, %4 seconds.</source>
        <translation>%1 Bilder mit %2 × %3 Pixeln, %4 Sekunden.</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>WebM video (*.webm)</source>
        <translation>WebM-Video (*.webm)</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>Animiertes WebP (*.webp)</translation>
    </message>
    <message>
        <source>Animated PNG (*.apng *.png)</source>
        <translation>Animiertes PNG (*.apng *.png)</translation>
    </message>
</context>
<context>
    <name>FrameExports</name>
    <message>
        <source>The video was written to %1.</source>
        <translation>Das Video wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Could not export the video.</source>
        <translation>Das Video konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>The animated GIF was written to %1.</source>
        <translation>Das animierte GIF wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>The animated WebP picture was written to %1.</source>
        <translation>Das animierte WebP-Bild wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>The animated PNG was written to %1.</source>
        <translation>Das animierte PNG wurde nach %1 geschrieben.</translation>
    </message>
    <message>
        <source>Could not export the animated GIF.</source>
        <translation>Das animierte GIF konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Could not export the animated WebP picture.</source>
        <translation>Das animierte WebP-Bild konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Could not export the animated PNG.</source>
        <translation>Das animierte PNG konnte nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Could not export the frames.</source>
        <translation>Die Bilder konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>The frames were written to %1: %2 to %3.</source>
        <translation>Die Bilder wurden nach %1 geschrieben: %2 bis %3.</translation>
    </message>
</context>
<context>
    <name>FramesExportJob</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written: %2</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be written in &quot;%2&quot;.</source>
        <translation>Das Bild „%1“ kann nicht in „%2“ geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ObjectCommands</name>
    <message>
        <source>Put the selected shapes into one group that moves as one</source>
        <translation>Die gewählten Formen in eine Gruppe legen, die sich als Ganzes bewegt</translation>
    </message>
    <message>
        <source>Put the selected groups&apos; shapes back in their place</source>
        <translation>Die Formen der gewählten Gruppen wieder an ihren Platz legen</translation>
    </message>
    <message>
        <source>Turn the selected shapes into paths whose nodes can be edited</source>
        <translation>Die gewählten Formen in Pfade umwandeln, deren Knoten sich bearbeiten lassen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppieren</translation>
    </message>
    <message>
        <source>Ungroup</source>
        <translation>Gruppierung aufheben</translation>
    </message>
    <message>
        <source>Convert to Path</source>
        <translation>In Pfad umwandeln</translation>
    </message>
</context>
<context>
    <name>BannerOptions</name>
    <message>
        <source>The number of plays cannot be negative.</source>
        <translation>Die Zahl der Wiedergaben kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>The click-through link &quot;%1&quot; is not a web address starting with http:// or https://.</source>
        <translation>Der Klick-Link „%1“ ist keine Webadresse, die mit http:// oder https:// beginnt.</translation>
    </message>
</context>
<context>
    <name>Html5ExportDialog</name>
    <message>
        <source>Export to HTML5</source>
        <translation>Als HTML5 exportieren</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Whole project (every scene in order)</source>
        <translation>Ganzes Projekt (alle Szenen der Reihe nach)</translation>
    </message>
    <message>
        <source>Scene &quot;%1&quot;</source>
        <translation>Szene „%1“</translation>
    </message>
    <message>
        <source>&amp;Export:</source>
        <translation>&amp;Exportieren:</translation>
    </message>
    <message>
        <source>For ever</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source> times</source>
        <translation> Mal</translation>
    </message>
    <message>
        <source>&amp;Play:</source>
        <translation>&amp;Abspielen:</translation>
    </message>
    <message>
        <source>Stop on the last frame (else on the first)</source>
        <translation>Auf dem letzten Bild anhalten (sonst auf dem ersten)</translation>
    </message>
    <message>
        <source>https://... (none: a click pauses)</source>
        <translation>https://... (ohne: ein Klick hält an)</translation>
    </message>
    <message>
        <source>Opened in a new window when the animation is clicked. The page keeps it in the variable clickTag, which ad servers replace.</source>
        <translation>Wird beim Klick auf die Animation in einem neuen Fenster geöffnet. Die Seite hält ihn in der Variablen clickTag, die Ad-Server ersetzen.</translation>
    </message>
    <message>
        <source>&amp;Click-through link:</source>
        <translation>&amp;Klick-Link:</translation>
    </message>
    <message>
        <source>Write frame</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>as %1, shown where the animation cannot play</source>
        <translation>als %1 schreiben, gezeigt, wo die Animation nicht abspielen kann</translation>
    </message>
    <message>
        <source>&amp;Fallback picture:</source>
        <translation>&amp;Ersatzbild:</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Choose a folder for the page.</source>
        <translation>Wählen Sie einen Ordner für die Seite.</translation>
    </message>
    <message>
        <source>Could not export the project.
%1</source>
        <translation>Das Projekt konnte nicht exportiert werden.
%1</translation>
    </message>
    <message>
        <source>The project was exported to %1.
The output takes %2 in all.</source>
        <translation>Das Projekt wurde nach %1 exportiert.
Die Ausgabe belegt insgesamt %2.</translation>
    </message>
</context>
<context>
    <name>LottieExportDialog</name>
    <message>
        <source>Export to Lottie</source>
        <translation>Als Lottie exportieren</translation>
    </message>
    <message>
        <source>Whole project (every scene in order)</source>
        <translation>Ganzes Projekt (alle Szenen der Reihe nach)</translation>
    </message>
    <message>
        <source>Scene &quot;%1&quot;</source>
        <translation>Szene „%1“</translation>
    </message>
    <message>
        <source>The whole project is exported unless a scene is chosen. The current scene is scene %1.</source>
        <translation>Exportiert wird das ganze Projekt, sofern keine Szene gewählt ist. Die aktuelle Szene ist Szene %1.</translation>
    </message>
    <message>
        <source>Write texts as &amp;outlines (drawn the same in every player)</source>
        <translation>Texte als &amp;Umrisse schreiben (in jedem Player gleich gezeichnet)</translation>
    </message>
    <message>
        <source>&amp;Export:</source>
        <translation>&amp;Exportieren:</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Everything is carried over to the Lottie file.</source>
        <translation>Alles wird in die Lottie-Datei übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>Not carried over as drawn here (%n):</source>
        <translation>
            <numerusform>Nicht so übernommen, wie hier gezeichnet (%n):</numerusform>
            <numerusform>Nicht so übernommen, wie hier gezeichnet (%n):</numerusform>
        </translation>
    </message>
    <message>
        <source>Lottie animation (*.json)</source>
        <translation>Lottie-Animation (*.json)</translation>
    </message>
    <message>
        <source>Could not export to Lottie.
%1</source>
        <translation>Der Export als Lottie ist fehlgeschlagen.
%1</translation>
    </message>
    <message>
        <source>The animation was written to %1.</source>
        <translation>Die Animation wurde nach %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>LottieExporter</name>
    <message>
        <source>The image &quot;%1&quot; is inside a group; Lottie keeps images in layers of their own, so it is left out.</source>
        <translation>Das Bild „%1“ liegt in einer Gruppe; Lottie hält Bilder in eigenen Ebenen, daher wird es weggelassen.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read and is left out.</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden und wird weggelassen.</translation>
    </message>
    <message>
        <source>The SVG image &quot;%1&quot; is written as a PNG picture of %2 × %3 pixels: Lottie files embed bitmaps only.</source>
        <translation>Das SVG-Bild „%1“ wird als PNG-Bild mit %2 × %3 Pixeln geschrieben: Lottie-Dateien betten nur Rasterbilder ein.</translation>
    </message>
    <message>
        <source>The text &quot;%1&quot; is written as outlines: %2</source>
        <translation>Der Text „%1“ wird als Umrisse geschrieben: %2</translation>
    </message>
    <message>
        <source>it is inside a group.</source>
        <translation>er liegt in einer Gruppe.</translation>
    </message>
    <message>
        <source>The text &quot;%1&quot; is filled with a gradient; it is written in the gradient&apos;s first colour.</source>
        <translation>Der Text „%1“ ist mit einem Verlauf gefüllt; er wird in der ersten Farbe des Verlaufs geschrieben.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>LottieTextWriter</name>
    <message>
        <source>Lottie texts cannot be underlined.</source>
        <translation>Lottie-Texte können nicht unterstrichen werden.</translation>
    </message>
    <message>
        <source>its words have styles of their own, and a Lottie text has one.</source>
        <translation>seine Wörter haben eigene Stile, ein Lottie-Text hat nur einen.</translation>
    </message>
</context>
<context>
    <name>GradientDrag</name>
    <message>
        <source>Move Gradient Point</source>
        <translation>Verlaufspunkt verschieben</translation>
    </message>
</context>
<context>
    <name>DownloadPlacement</name>
    <message>
        <source>Cannot create the download folder %1.</source>
        <translation>Der Download-Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create a folder for the download in %1: %2</source>
        <translation>In %1 kann kein Ordner für den Download angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot save the update as %1: %2</source>
        <translation>Das Update kann nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot save the update in %1: every name from &quot;%2&quot; to &quot;%3&quot; is taken.</source>
        <translation>Das Update kann nicht in %1 gespeichert werden: Alle Namen von „%2“ bis „%3“ sind vergeben.</translation>
    </message>
</context>
<context>
    <name>ExportTarget</name>
    <message>
        <source>%1 was not written: it is, or links to, %2, which this export reads. Choose another file name.</source>
        <translation>%1 wurde nicht geschrieben: Es ist %2 oder verweist darauf, und diese Datei liest der Export. Bitte einen anderen Dateinamen wählen.</translation>
    </message>
</context>
<context>
    <name>UpdateFeedEntry</name>
    <message>
        <source>The update to version %1 was refused: its page address &quot;%2&quot; is not an http or https address.</source>
        <translation>Das Update auf Version %1 wurde abgelehnt: Seine Seitenadresse „%2“ ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>The update to version %1 was refused: the update information names neither a page nor a download.</source>
        <translation>Das Update auf Version %1 wurde abgelehnt: Die Update-Informationen nennen weder eine Seite noch einen Download.</translation>
    </message>
    <message>
        <source>The update to version %1 was refused: its download address &quot;%2&quot; is not a secure (https) address.</source>
        <translation>Das Update auf Version %1 wurde abgelehnt: Seine Download-Adresse „%2“ ist keine sichere (https-)Adresse.</translation>
    </message>
    <message>
        <source>The update to version %1 was refused: the update information gives no checksum (sha256) for its download, so the file could not be checked.</source>
        <translation>Das Update auf Version %1 wurde abgelehnt: Die Update-Informationen geben für den Download keine Prüfsumme (sha256) an, daher ließe sich die Datei nicht prüfen.</translation>
    </message>
</context>
<context>
    <name>LottieImporter</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Some parts of &quot;%1&quot; cannot be held by a project and were left out: %2.</source>
        <translation>Einige Teile von „%1“ kann ein Projekt nicht aufnehmen; sie wurden weggelassen: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Lottie file of at most %2 MiB.</source>
        <translation>„%1“ ist keine Lottie-Datei von höchstens %2 MiB.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened as a Lottie animation. %2</source>
        <translation>„%1“ kann nicht als Lottie-Animation geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The parents of layer &quot;%1&quot; lead round in a circle.</source>
        <translation>Die Eltern der Ebene „%1“ führen im Kreis.</translation>
    </message>
    <message>
        <source>layer &quot;%1&quot;</source>
        <translation>Ebene „%1“</translation>
    </message>
    <message>
        <source>It is too long and draws too much to be opened: more than %1 shapes times frames.</source>
        <translation>Sie ist zu lang und zeichnet zu viel, um geöffnet zu werden: mehr als %1 Formen mal Bilder.</translation>
    </message>
    <message>
        <source>a picture that cannot be shown (%1)</source>
        <translation>ein Bild, das nicht angezeigt werden kann (%1)</translation>
    </message>
</context>
<context>
    <name>LottiePropertyReader</name>
    <message>
        <source>&quot;%1&quot; must be a number.</source>
        <translation>„%1“ muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has too many numbers.</source>
        <translation>„%1“ hat zu viele Zahlen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold numbers.</source>
        <translation>„%1“ muss Zahlen enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number or a list of numbers.</source>
        <translation>„%1“ muss eine Zahl oder eine Liste von Zahlen sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must hold finite numbers.</source>
        <translation>„%1“ muss endliche Zahlen enthalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs the tangents &quot;o&quot; and &quot;i&quot; of its timing curve.</source>
        <translation>„%1“ braucht die Tangenten „o“ und „i“ seiner Zeitkurve.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a timing curve out of bounds.</source>
        <translation>„%1“ hat eine Zeitkurve außerhalb der Grenzen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an outline with its points &quot;v&quot;.</source>
        <translation>„%1“ muss ein Umriss mit seinen Punkten „v“ sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the outlines have more than %2 points.</source>
        <translation>„%1“: Die Umrisse haben mehr als %2 Punkte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a point that is not two numbers.</source>
        <translation>„%1“ hat einen Punkt, der nicht aus zwei Zahlen besteht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a property object.</source>
        <translation>„%1“ muss ein Eigenschaftsobjekt sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than %2 keys.</source>
        <translation>„%1“ hat mehr als %2 Schlüssel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value &quot;s&quot;.</source>
        <translation>„%1“ hat keinen Wert „s“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the key ahead of it.</source>
        <translation>„%1“ liegt vor dem Schlüssel davor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be an outline property.</source>
        <translation>„%1“ muss eine Umriss-Eigenschaft sein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no outline &quot;s&quot;.</source>
        <translation>„%1“ hat keinen Umriss „s“.</translation>
    </message>
</context>
<context>
    <name>LottieReader</name>
    <message>
        <source>&quot;%1.%2&quot; is not a layer number.</source>
        <translation>„%1.%2“ ist keine Ebenennummer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has more than %2 keys.</source>
        <translation>„%1“ hat mehr als %2 Schlüssel.</translation>
    </message>
    <message>
        <source>layer %1</source>
        <translation>Ebene %1</translation>
    </message>
    <message>
        <source>layer &quot;%1&quot;</source>
        <translation>Ebene „%1“</translation>
    </message>
    <message>
        <source>trim paths</source>
        <translation>Pfade trimmen</translation>
    </message>
    <message>
        <source>repeaters</source>
        <translation>Wiederholer</translation>
    </message>
    <message>
        <source>rounded corners</source>
        <translation>abgerundete Ecken</translation>
    </message>
    <message>
        <source>merged paths</source>
        <translation>zusammengeführte Pfade</translation>
    </message>
    <message>
        <source>offset paths</source>
        <translation>versetzte Pfade</translation>
    </message>
    <message>
        <source>pucker and bloat</source>
        <translation>Zusammenziehen und Aufblähen</translation>
    </message>
    <message>
        <source>twists</source>
        <translation>Verdrehungen</translation>
    </message>
    <message>
        <source>zig zags</source>
        <translation>Zickzacks</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>expressions</source>
        <translation>Ausdrücke</translation>
    </message>
    <message>
        <source>It is not JSON: %1 at byte %2.</source>
        <translation>Es ist kein JSON: %1 bei Byte %2.</translation>
    </message>
    <message>
        <source>It is not a Lottie animation: it needs &quot;layers&quot;, &quot;w&quot;, &quot;h&quot;, &quot;fr&quot;, &quot;ip&quot; and &quot;op&quot;.</source>
        <translation>Es ist keine Lottie-Animation: Sie braucht „layers“, „w“, „h“, „fr“, „ip“ und „op“.</translation>
    </message>
    <message>
        <source>The size %1 × %2 is outside 1 to %3 pixels.</source>
        <translation>Die Größe %1 × %2 liegt außerhalb von 1 bis %3 Pixeln.</translation>
    </message>
    <message>
        <source>The frame rate %1 is outside 1 to %2 frames a second.</source>
        <translation>Die Bildrate %1 liegt außerhalb von 1 bis %2 Bildern pro Sekunde.</translation>
    </message>
    <message>
        <source>The animation&apos;s frames &quot;ip&quot; %1 to &quot;op&quot; %2 are not 1 to %3 frames long.</source>
        <translation>Die Bilder der Animation „ip“ %1 bis „op“ %2 sind nicht 1 bis %3 Bilder lang.</translation>
    </message>
    <message>
        <source>a frame rate of %1 a second, played at %2</source>
        <translation>eine Bildrate von %1 pro Sekunde, abgespielt mit %2</translation>
    </message>
    <message>
        <source>the animation</source>
        <translation>die Animation</translation>
    </message>
    <message>
        <source>It has more than %1 layers.</source>
        <translation>Sie hat mehr als %1 Ebenen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a layer object.</source>
        <translation>„%1“ muss ein Ebenenobjekt sein.</translation>
    </message>
    <message>
        <source>skew</source>
        <translation>Scherung</translation>
    </message>
    <message>
        <source>3D rotation</source>
        <translation>3D-Drehung</translation>
    </message>
    <message>
        <source>pictures kept in files of their own</source>
        <translation>Bilder in eigenen Dateien</translation>
    </message>
    <message>
        <source>%1 shows the picture &quot;%2&quot;, which the file does not hold.</source>
        <translation>%1 zeigt das Bild „%2“, das die Datei nicht enthält.</translation>
    </message>
    <message>
        <source>Layer %1</source>
        <translation>Ebene %1</translation>
    </message>
    <message>
        <source>masks</source>
        <translation>Masken</translation>
    </message>
    <message>
        <source>track mattes</source>
        <translation>Spurmatten</translation>
    </message>
    <message>
        <source>effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>layer styles</source>
        <translation>Ebenenstile</translation>
    </message>
    <message>
        <source>3D layers</source>
        <translation>3D-Ebenen</translation>
    </message>
    <message>
        <source>time remapping</source>
        <translation>Zeitverzerrung</translation>
    </message>
    <message>
        <source>auto-orientation</source>
        <translation>automatische Ausrichtung</translation>
    </message>
    <message>
        <source>blend modes</source>
        <translation>Mischmodi</translation>
    </message>
    <message>
        <source>&quot;%1.sc&quot; must be a colour &quot;#rrggbb&quot;.</source>
        <translation>„%1.sc“ muss eine Farbe „#rrggbb“ sein.</translation>
    </message>
    <message>
        <source>precompositions</source>
        <translation>Vorkompositionen</translation>
    </message>
    <message>
        <source>layers of type %1</source>
        <translation>Ebenen vom Typ %1</translation>
    </message>
    <message>
        <source>&quot;%1.d&quot; must hold the text&apos;s words.</source>
        <translation>„%1.d“ muss die Wörter des Textes enthalten.</translation>
    </message>
    <message>
        <source>words that change (the first are kept)</source>
        <translation>sich ändernde Wörter (die ersten bleiben)</translation>
    </message>
    <message>
        <source>text animators</source>
        <translation>Textanimatoren</translation>
    </message>
    <message>
        <source>paragraph boxes (the lines are kept as written)</source>
        <translation>Absatzrahmen (die Zeilen bleiben wie geschrieben)</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>Zeichenabstand</translation>
    </message>
    <message>
        <source>&quot;%1.d.s&quot;: the font size %2 is not 1 to 10000 pixels.</source>
        <translation>„%1.d.s“: Die Schriftgröße %2 liegt nicht zwischen 1 und 10000 Pixeln.</translation>
    </message>
    <message>
        <source>&quot;%1.g.p&quot; must count 1 to %2 colours.</source>
        <translation>„%1.g.p“ muss 1 bis %2 Farben zählen.</translation>
    </message>
    <message>
        <source>&quot;%1.g.k&quot; holds fewer than %2 colours.</source>
        <translation>„%1.g.k“ enthält weniger als %2 Farben.</translation>
    </message>
    <message>
        <source>radial gradients&apos; highlights</source>
        <translation>Glanzpunkte radialer Verläufe</translation>
    </message>
    <message>
        <source>&quot;%1.d&quot; has more than %2 dashes.</source>
        <translation>„%1.d“ hat mehr als %2 Striche.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: groups are nested deeper than %2.</source>
        <translation>„%1“: Gruppen sind tiefer als %2 verschachtelt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a list of shapes.</source>
        <translation>„%1“ muss eine Liste von Formen sein.</translation>
    </message>
    <message>
        <source>It has more than %1 shape elements.</source>
        <translation>Sie hat mehr als %1 Formelemente.</translation>
    </message>
    <message>
        <source>%1, &quot;%2&quot;</source>
        <translation>%1, „%2“</translation>
    </message>
    <message>
        <source>rounded star corners (drawn sharp)</source>
        <translation>abgerundete Sternecken (spitz gezeichnet)</translation>
    </message>
    <message>
        <source>shape elements of type &quot;%1&quot;</source>
        <translation>Formelemente vom Typ „%1“</translation>
    </message>
</context>
<context>
    <name>LottieDrawn</name>
    <message>
        <source>%1, &quot;%2&quot;</source>
        <translation>%1, „%2“</translation>
    </message>
</context>
<context>
    <name>LottieShapeBuilder</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>mirrored or skewed pictures and texts (drawn unmirrored)</source>
        <translation>gespiegelte oder gescherte Bilder und Texte (ungespiegelt gezeichnet)</translation>
    </message>
    <message>
        <source>layer &quot;%1&quot;</source>
        <translation>Ebene „%1“</translation>
    </message>
    <message>
        <source>outlines that change their form (kept as at the start)</source>
        <translation>Umrisse, die ihre Form ändern (wie am Anfang belassen)</translation>
    </message>
    <message>
        <source>skewed or mirrored shapes that move (kept as at the start)</source>
        <translation>gescherte oder gespiegelte Formen, die sich bewegen (wie am Anfang belassen)</translation>
    </message>
    <message>
        <source>the opacity of groups, given to each of their shapes</source>
        <translation>die Deckkraft von Gruppen, auf jede ihrer Formen übertragen</translation>
    </message>
</context>
<context>
    <name>ZenubProperties</name>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Fill Opacity</source>
        <translation>Deckkraft der Füllung</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Outline Opacity</source>
        <translation>Deckkraft der Kontur</translation>
    </message>
    <message>
        <source>Outline Width</source>
        <translation>Konturbreite</translation>
    </message>
    <message>
        <source>Corner Radius</source>
        <translation>Eckenradius</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Inner Radius</source>
        <translation>Innenradius</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>GraphChannel</name>
    <message>
        <source>Position X</source>
        <translation>Position X</translation>
    </message>
    <message>
        <source>Position Y</source>
        <translation>Position Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>GraphEditorView</name>
    <message>
        <source>Select a shape with keyframes, or the rows of its properties, to see their values over time.</source>
        <translation>Wählen Sie eine Form mit Schlüsselbildern oder die Zeilen ihrer Eigenschaften, um ihre Werte im Lauf der Zeit zu sehen.</translation>
    </message>
    <message>
        <source>Move Keyframe</source>
        <translation>Schlüsselbild verschieben</translation>
    </message>
    <message>
        <source>Change Easing</source>
        <translation>Beschleunigung ändern</translation>
    </message>
    <message>
        <source>%1
%2 at %3</source>
        <translation>%1
%2 bei %3</translation>
    </message>
    <message>
        <source>Drag to shape the easing between these keyframes</source>
        <translation>Ziehen, um den Verlauf zwischen diesen Schlüsselbildern zu formen</translation>
    </message>
    <message>
        <source>%1
%2 at frame %3</source>
        <translation>%1
%2 bei Bild %3</translation>
    </message>
</context>
<context>
    <name>StageAnimationCommands</name>
    <message>
        <source>Show the frames before and after the current one faintly under it</source>
        <translation>Die Bilder vor und nach dem aktuellen blass darunter zeigen</translation>
    </message>
    <message numerus="yes">
        <source>Show %n frame(s) each way in the onion skin</source>
        <translation>
            <numerusform>In der Zwiebelschicht %n Bild je Richtung zeigen</numerusform>
            <numerusform>In der Zwiebelschicht %n Bilder je Richtung zeigen</numerusform>
        </translation>
    </message>
    <message>
        <source>Show the way the selected shapes travel, with their position keys to drag</source>
        <translation>Den Weg der ausgewählten Formen zeigen, mit ihren Positions-Schlüsselbildern zum Ziehen</translation>
    </message>
</context>
<context>
    <name>MotionKeyDrag</name>
    <message>
        <source>Move Motion Key</source>
        <translation>Schlüsselbild des Bewegungspfads verschieben</translation>
    </message>
</context>
<context>
    <name>TimelineViewOptions</name>
    <message>
        <source>Graph Editor</source>
        <translation>Kurveneditor</translation>
    </message>
    <message>
        <source>Show the values of the chosen properties as curves, with their keyframes and easing handles</source>
        <translation>Die Werte der gewählten Eigenschaften als Kurven zeigen, mit ihren Schlüsselbildern und Beschleunigungsanfassern</translation>
    </message>
    <message>
        <source>Fit Curves</source>
        <translation>Kurven einpassen</translation>
    </message>
    <message>
        <source>Show the whole of the curves in the graph editor</source>
        <translation>Die Kurven im Kurveneditor ganz zeigen</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Count the time line in seconds instead of frames</source>
        <translation>Die Zeitleiste in Sekunden statt in Bildern zählen</translation>
    </message>
    <message>
        <source>Zoom the frames of the time line (Ctrl+wheel over the rows)</source>
        <translation>Die Bilder der Zeitleiste zoomen (Strg+Mausrad über den Zeilen)</translation>
    </message>
</context>
<context>
    <name>TimeFormat</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
</TS>
