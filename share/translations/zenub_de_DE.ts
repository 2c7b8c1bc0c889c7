<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <source>The update address &quot;%1&quot; was refused because it is not an http or https address.</source>
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
</TS>
