<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CsvReader</name>
    <message>
        <source>the line holds bytes that are not UTF-8</source>
        <translation>die Zeile enthält Bytes, die kein UTF-8 sind</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>ein in dieser Zeile geöffnetes Anführungszeichen wird nie geschlossen</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>QUILMOX is plugged in as %1, but this user may not open it.
Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug and plug in the controller, or log in again.</source>
        <translation>QUILMOX ist als %1 angeschlossen, aber dieser Benutzer darf es nicht öffnen.
Installieren Sie die udev-Regel 70-quilmox-parlowen.rules (das Paket parlowen tut das), ziehen Sie dann die Steuerung ab und schließen Sie sie wieder an, oder melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>QUILMOX is plugged in, but another program is using it.
Close that program, then try again.</source>
        <translation>QUILMOX ist angeschlossen, wird aber von einem anderen Programm verwendet.
Schließen Sie dieses Programm und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>SettingCatalogue</name>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must not hold a zero character</source>
        <translation>darf kein Nullzeichen enthalten</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot represent</source>
        <translation>enthält ein Zeichen, das Windows-1252 nicht darstellen kann</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>must be an integer from -2147483648 to 2147483647</source>
        <translation>muss eine ganze Zahl von -2147483648 bis 2147483647 sein</translation>
    </message>
    <message>
        <source>must be %1 hexadecimal digits</source>
        <translation>muss aus %1 Hexadezimalziffern bestehen</translation>
    </message>
    <message>
        <source>is not a setting</source>
        <translation>ist keine Einstellung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>„%1“ %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Incompatible data file.</source>
        <translation>Inkompatible Einstellungsdatei.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Die Datei verwendet ein neueres Datenformat.<byte value="xd"/>
Laden nicht möglich</translation>
    </message>
    <message>
        <source>Error Opening File.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Fehler beim Speichern der Datei.</translation>
    </message>
</context>
<context>
    <name>TBatchRun</name>
    <message>
        <source>the controller was unplugged</source>
        <translation>die Steuerung wurde abgezogen</translation>
    </message>
    <message>
        <source>the controller stopped answering</source>
        <translation>die Steuerung antwortet nicht mehr</translation>
    </message>
    <message>
        <source>A batch is running already.</source>
        <translation>Eine Serie läuft bereits.</translation>
    </message>
    <message>
        <source>The units table has errors; nothing is written while any remains.</source>
        <translation>Die Gerätetabelle enthält Fehler; solange einer davon besteht, wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the backups folder cannot be made</source>
        <translation>%1: Der Sicherungsordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>abandoned by the operator</source>
        <translation>vom Bediener abgebrochen</translation>
    </message>
    <message>
        <source>Stopping once this step has ended (stop again to abandon the unit).</source>
        <translation>Die Serie stoppt, sobald dieser Schritt beendet ist (erneut stoppen, um das Gerät abzubrechen).</translation>
    </message>
    <message>
        <source>No controller came within the wait.</source>
        <translation>Innerhalb der Wartezeit wurde keine Steuerung angeschlossen.</translation>
    </message>
    <message>
        <source>%1 controllers are plugged in: unplug all but one</source>
        <translation>%1 Steuerungen sind angeschlossen: Ziehen Sie alle bis auf eine ab</translation>
    </message>
    <message>
        <source>The controller at %1 is in program mode: left untouched; unplug it</source>
        <translation>Die Steuerung an %1 ist im Programmiermodus: nicht verändert; ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>Identifying the controller at %1</source>
        <translation>Die Steuerung an %1 wird identifiziert</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened: left untouched; unplug it</source>
        <translation>Die Steuerung an %1 kann nicht geöffnet werden: nicht verändert; ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened (%2): left untouched; unplug it</source>
        <translation>Die Steuerung an %1 kann nicht geöffnet werden (%2): nicht verändert; ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>The controller at %1 refused (%2): left untouched; unplug it</source>
        <translation>Die Steuerung an %1 hat abgelehnt (%2): nicht verändert; ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>the backup could not be saved: </source>
        <translation>die Sicherung konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>Controller %1 backed up in %2</source>
        <translation>Steuerung %1 gesichert in %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wird geschrieben</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>%1 wird geprüft</translation>
    </message>
    <message>
        <source>Row %1 verified: unplug it</source>
        <translation>Zeile %1 geprüft: Ziehen Sie die Steuerung ab</translation>
    </message>
    <message>
        <source>Row %1 differs: %2: unplug it</source>
        <translation>Zeile %1 weicht ab: %2: Ziehen Sie die Steuerung ab</translation>
    </message>
    <message>
        <source>Controller %1 is done already in this run: unplug it</source>
        <translation>Steuerung %1 ist in diesem Lauf bereits erledigt: Ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>Controller %1 is in no row of the table: left untouched; unplug it</source>
        <translation>Steuerung %1 steht in keiner Zeile der Tabelle: nicht verändert; ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>Controller %1 is done already (row %2): unplug it</source>
        <translation>Steuerung %1 ist bereits erledigt (Zeile %2): Ziehen Sie sie ab</translation>
    </message>
    <message>
        <source>Backing up controller %1 for %2</source>
        <translation>Steuerung %1 wird für %2 gesichert</translation>
    </message>
    <message>
        <source>The controller at %1: %2; unplug it and plug it in again</source>
        <translation>Die Steuerung an %1: %2; ziehen Sie sie ab und schließen Sie sie wieder an</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>Rücklesen</translation>
    </message>
    <message>
        <source>Row %1 not completed: %2 during the %3 (report %4 of %5)</source>
        <translation>Zeile %1 nicht abgeschlossen: %2 beim %3 (Report %4 von %5)</translation>
    </message>
    <message>
        <source>Row %1 not completed: unplug the controller and plug it in again to write it again</source>
        <translation>Zeile %1 nicht abgeschlossen: Ziehen Sie die Steuerung ab und schließen Sie sie wieder an, um die Zeile erneut zu schreiben</translation>
    </message>
    <message>
        <source>The record cannot be written: %1</source>
        <translation>Der Nachweis kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1</source>
        <translation>Schließen Sie die Steuerung für %1 an</translation>
    </message>
    <message>
        <source>Plug in the controller for %1 or for another of the %2 pending rows</source>
        <translation>Schließen Sie die Steuerung für %1 oder für eine andere der %2 ausstehenden Zeilen an</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>QUILMOX vergleichen</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Abweichungen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Load Controller Settings</source>
        <translation>Einstellungen der Steuerung laden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>One setting differs between the form and QUILMOX:</source>
        <translation>Eine Einstellung weicht zwischen Formular und QUILMOX ab:</translation>
    </message>
    <message>
        <source>%1 settings differ between the form and QUILMOX:</source>
        <translation>%1 Einstellungen weichen zwischen Formular und QUILMOX ab:</translation>
    </message>
</context>
<context>
    <name>TDeviceProtocol</name>
    <message>
        <source>Application is not a %1</source>
        <translation>Die Anwendung ist kein %1</translation>
    </message>
    <message>
        <source>Dedudev Version:%1</source>
        <translation>Geräteversion: %1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>Data downloaded</source>
        <translation>Daten geschrieben</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Schreiben abgeschlossen</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lesen abgeschlossen</translation>
    </message>
</context>
<context>
    <name>TDeviceSession</name>
    <message>
        <source>QUILMOX was disconnected.</source>
        <translation>QUILMOX wurde getrennt.</translation>
    </message>
    <message>
        <source>QUILMOX stopped answering.</source>
        <translation>QUILMOX antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>QUILMOX is in Program Mode</source>
        <translation>QUILMOX ist im Programmiermodus</translation>
    </message>
    <message>
        <source>Cannot find QUILMOX</source>
        <translation>QUILMOX nicht gefunden</translation>
    </message>
    <message>
        <source>Write not completed.</source>
        <translation>Schreiben nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Read not completed.</source>
        <translation>Lesen nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Compare not completed.</source>
        <translation>Vergleich nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Signal strength not completed.</source>
        <translation>Abfrage der Signalstärke nicht abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Hilfestatus</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Inhalt der Hilfe</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navigation der Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Not opened in the help window: %1</source>
        <translation>Nicht im Hilfefenster geöffnet: %1</translation>
    </message>
    <message>
        <source>This help file has no page %1</source>
        <translation>Diese Hilfedatei hat keine Seite %1</translation>
    </message>
    <message>
        <source>Index keyword</source>
        <translation>Stichwort im Index</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Indexeinträge</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Suchbegriffe</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Zu suchende Wörter</translation>
    </message>
    <message>
        <source>List Topics</source>
        <translation>Themen auflisten</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Topics found: %1</source>
        <translation>Gefundene Themen: %1</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>Die Hilfe kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>The help file %1 is damaged: its pages cannot be read. Installing the tool again restores it.</source>
        <translation>Die Hilfedatei %1 ist beschädigt: Ihre Seiten können nicht gelesen werden. Eine erneute Installation des Programms stellt sie wieder her.</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen Help</source>
        <translation>QUILMOX Parlowen Hilfe</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Message Control</source>
        <translation>Nachrichtensteuerung</translation>
    </message>
    <message>
        <source>I/O Control</source>
        <translation>E/A-Steuerung</translation>
    </message>
    <message>
        <source>Outputs 1 - 8</source>
        <translation>Ausgänge 1 - 8</translation>
    </message>
    <message>
        <source>Outputs 9 - 16</source>
        <translation>Ausgänge 9 - 16</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Request Status</source>
        <translation>Statusabfrage</translation>
    </message>
    <message>
        <source>Inhibit Input</source>
        <translation>Sperreingang</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Invert Inputs</source>
        <translation>Eingänge invertieren</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Invert None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Invert input %1</source>
        <translation>Eingang %1 invertieren</translation>
    </message>
    <message>
        <source>Invert all inputs</source>
        <translation>Alle Eingänge invertieren</translation>
    </message>
    <message>
        <source>Invert no inputs</source>
        <translation>Keinen Eingang invertieren</translation>
    </message>
    <message>
        <source>Invert Outputs</source>
        <translation>Ausgänge invertieren</translation>
    </message>
    <message>
        <source>Invert output %1</source>
        <translation>Ausgang %1 invertieren</translation>
    </message>
    <message>
        <source>Invert all outputs</source>
        <translation>Alle Ausgänge invertieren</translation>
    </message>
    <message>
        <source>Invert no outputs</source>
        <translation>Keinen Ausgang invertieren</translation>
    </message>
    <message>
        <source>Output Start Status</source>
        <translation>Startzustand der Ausgänge</translation>
    </message>
    <message>
        <source>All Active</source>
        <translation>Alle aktiv</translation>
    </message>
    <message>
        <source>None Active</source>
        <translation>Keine aktiv</translation>
    </message>
    <message>
        <source>Output start status %1</source>
        <translation>Startzustand von Ausgang %1</translation>
    </message>
    <message>
        <source>All outputs active at start</source>
        <translation>Alle Ausgänge beim Start aktiv</translation>
    </message>
    <message>
        <source>No outputs active at start</source>
        <translation>Kein Ausgang beim Start aktiv</translation>
    </message>
    <message>
        <source>Send Message on Active Input</source>
        <translation>Nachricht bei aktivem Eingang senden</translation>
    </message>
    <message>
        <source>Send message on active input %1</source>
        <translation>Nachricht bei aktivem Eingang %1 senden</translation>
    </message>
    <message>
        <source>Send message on all active inputs</source>
        <translation>Nachricht bei allen aktiven Eingängen senden</translation>
    </message>
    <message>
        <source>Send message on no active input</source>
        <translation>Bei keinem aktiven Eingang Nachricht senden</translation>
    </message>
    <message>
        <source>Send Message on Inactive Input</source>
        <translation>Nachricht bei inaktivem Eingang senden</translation>
    </message>
    <message>
        <source>Send message on inactive input %1</source>
        <translation>Nachricht bei inaktivem Eingang %1 senden</translation>
    </message>
    <message>
        <source>Send message on all inactive inputs</source>
        <translation>Nachricht bei allen inaktiven Eingängen senden</translation>
    </message>
    <message>
        <source>Send message on no inactive input</source>
        <translation>Bei keinem inaktiven Eingang Nachricht senden</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Output %1 on command word</source>
        <translation>Ausgang %1: Befehlswort für Ein</translation>
    </message>
    <message>
        <source>Output %1 on command enabled</source>
        <translation>Ausgang %1: Befehl Ein aktiviert</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Output %1 off command word</source>
        <translation>Ausgang %1: Befehlswort für Aus</translation>
    </message>
    <message>
        <source>Output %1 off command enabled</source>
        <translation>Ausgang %1: Befehl Aus aktiviert</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umsch.</translation>
    </message>
    <message>
        <source>Output %1 toggle command word</source>
        <translation>Ausgang %1: Befehlswort für Umschalten</translation>
    </message>
    <message>
        <source>Output %1 toggle command enabled</source>
        <translation>Ausgang %1: Befehl Umschalten aktiviert</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>Output %1 pulse command word</source>
        <translation>Ausgang %1: Befehlswort für Impuls</translation>
    </message>
    <message>
        <source>Output %1 pulse command enabled</source>
        <translation>Ausgang %1: Befehl Impuls aktiviert</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Request status keyword</source>
        <translation>Schlüsselwort für die Statusabfrage</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Einstellungsdateien (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 Vesion: %2</source>
        <translation>%1 Version: %2</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <translation>Die Daten wurden geändert.
Jetzt speichern?</translation>
    </message>
    <message>
        <source>Compare complete: no differences</source>
        <translation>Vergleich abgeschlossen: keine Abweichungen</translation>
    </message>
    <message>
        <source>QUILMOX holds the settings shown.</source>
        <translation>QUILMOX enthält die angezeigten Einstellungen.</translation>
    </message>
    <message>
        <source>Compare complete: %1 differences</source>
        <translation>Vergleich abgeschlossen: %1 Abweichungen</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lesen abgeschlossen</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Load the file when the write has ended.</source>
        <translation>QUILMOX wird beschrieben.
Laden Sie die Datei, wenn das Schreiben beendet ist.</translation>
    </message>
    <message>
        <source>QUILMOX is being read.
Load the file when the read has ended.</source>
        <translation>QUILMOX wird gelesen.
Laden Sie die Datei, wenn das Lesen beendet ist.</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Closing now leaves it with part of the new settings.
Close anyway?</source>
        <translation>QUILMOX wird beschrieben.
Wenn Sie jetzt schließen, enthält es nur einen Teil der neuen Einstellungen.
Trotzdem schließen?</translation>
    </message>
    <message>
        <source>File Error:</source>
        <translation>Dateifehler:</translation>
    </message>
    <message>
        <source>File Saved:</source>
        <translation>Datei gespeichert:</translation>
    </message>
    <message>
        <source>File Loaded:</source>
        <translation>Datei geladen:</translation>
    </message>
    <message>
        <source>The number of the controller&apos;s inhibit input, 0 to 16.</source>
        <translation>Die Nummer des Sperreingangs der Steuerung, 0 bis 16.</translation>
    </message>
    <message>
        <source>How long the Pulse command keeps the output switched, 10 to 65000.</source>
        <translation>Wie lange der Befehl Impuls den Ausgang geschaltet hält, 10 bis 65000.</translation>
    </message>
    <message>
        <source>The request-status keyword, at most 15 characters; the Request Status box enables it.</source>
        <translation>Das Schlüsselwort für die Statusabfrage, höchstens 15 Zeichen; das Kästchen „Statusabfrage“ aktiviert es.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Read From QUILMOX</source>
        <translation>QUILMOX lesen</translation>
    </message>
    <message>
        <source>Write To QUILMOX</source>
        <translation>QUILMOX schreiben</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Get Signal Strength</source>
        <translation>Signalstärke abfragen</translation>
    </message>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>QUILMOX vergleichen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Inhibit input</source>
        <translation>Sperreingang</translation>
    </message>
    <message>
        <source>Request status enabled</source>
        <translation>Statusabfrage aktiviert</translation>
    </message>
    <message>
        <source>Pulse period</source>
        <translation>Imp.-Dauer</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Output %1 pulse period</source>
        <translation>Ausgang %1: Imp.-Dauer</translation>
    </message>
    <message>
        <source>Site Work…</source>
        <translation>Vor-Ort-Einsatz…</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Vor-Ort-Einsatz</translation>
    </message>
    <message>
        <source>A batch of controllers from one template and a table of units, each verified and recorded.</source>
        <translation>Eine Serie von Steuerungen aus einer Vorlage und einer Gerätetabelle, jede geprüft und im Nachweis festgehalten.</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 command</source>
        <translation>%1: %2, Befehl %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 enabled</source>
        <translation>%1: %2, Befehl %3 aktiviert</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 aktiviert</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Reservierte Bytes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen speaks %1 from its next start.</source>
        <translation>Ab dem nächsten Start spricht QUILMOX Parlowen %1.</translation>
    </message>
    <message>
        <source>System language (%1)</source>
        <translation>Systemsprache (%1)</translation>
    </message>
</context>
<context>
    <name>TSignalHistoryStrip</name>
    <message>
        <source>Signal strength history</source>
        <translation>Verlauf der Signalstärke</translation>
    </message>
    <message>
        <source>No values yet</source>
        <translation>Noch keine Werte</translation>
    </message>
    <message>
        <source>The last two minutes; latest value %1</source>
        <translation>Die letzten zwei Minuten; letzter Wert %1</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 Minuten</translation>
    </message>
</context>
<context>
    <name>TSignalStrengthForm</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Keep refreshing</source>
        <translation>Laufend aktualisieren</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>Refresh signal strength</source>
        <translation>Signalstärke aktualisieren</translation>
    </message>
    <message>
        <source>Close signal strength window</source>
        <translation>Fenster „Signalstärke“ schließen</translation>
    </message>
    <message>
        <source>Asks the controller again every two seconds while this window is shown.</source>
        <translation>Fragt die Steuerung alle zwei Sekunden erneut ab, solange dieses Fenster angezeigt wird.</translation>
    </message>
</context>
<context>
    <name>TSiteWorkForm</name>
    <message>
        <source>writing</source>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>not completed</source>
        <translation>nicht abgeschlossen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>ausstehend</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Einstellungsdateien (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Vor-Ort-Einsatz</translation>
    </message>
    <message>
        <source>The form as shown</source>
        <translation>Das angezeigte Formular</translation>
    </message>
    <message>
        <source>Template: the form as shown</source>
        <translation>Vorlage: das angezeigte Formular</translation>
    </message>
    <message>
        <source>Every setting a row leaves out is the one the main window shows.</source>
        <translation>Jede Einstellung, die eine Zeile auslässt, wird so übernommen, wie das Hauptfenster sie zeigt.</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Einstellungsdatei:</translation>
    </message>
    <message>
        <source>Template: a settings file</source>
        <translation>Vorlage: eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>Template settings file</source>
        <translation>Einstellungsdatei der Vorlage</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Choose the template settings file</source>
        <translation>Einstellungsdatei der Vorlage auswählen</translation>
    </message>
    <message>
        <source>Units table</source>
        <translation>Gerätetabelle</translation>
    </message>
    <message>
        <source>A CSV file: a header naming settings, then one row per controller.</source>
        <translation>Eine CSV-Datei: eine Kopfzeile, die Einstellungen benennt, dann eine Zeile pro Steuerung.</translation>
    </message>
    <message>
        <source>Choose the units table</source>
        <translation>Gerätetabelle auswählen</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>Nachweisdatei</translation>
    </message>
    <message>
        <source>One line is added per unit: time, serial number and result.</source>
        <translation>Pro Gerät wird eine Zeile angefügt: Zeit, Seriennummer und Ergebnis.</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Nachweisdatei auswählen</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>What each controller held before it was written, as a settings file.</source>
        <translation>Was jede Steuerung vor dem Schreiben enthielt, als Einstellungsdatei.</translation>
    </message>
    <message>
        <source>Choose the backups folder</source>
        <translation>Sicherungsordner auswählen</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>&amp;Units table:</source>
        <translation>&amp;Gerätetabelle:</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Nachweis:</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Sicherungen:</translation>
    </message>
    <message>
        <source>Problems of the units table</source>
        <translation>Probleme der Gerätetabelle</translation>
    </message>
    <message>
        <source>Rows of the units table</source>
        <translation>Zeilen der Gerätetabelle</translation>
    </message>
    <message>
        <source>Each row&apos;s settings that differ from the template, and how far it has come.</source>
        <translation>Die Einstellungen jeder Zeile, die von der Vorlage abweichen, und wie weit die Zeile gekommen ist.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Differences from the template</source>
        <translation>Abweichungen von der Vorlage</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Progress of the unit under way</source>
        <translation>Fortschritt des aktuellen Geräts</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>Site work log</source>
        <translation>Protokoll des Vor-Ort-Einsatzes</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Between units the batch ends at once; during one, after its step.</source>
        <translation>Zwischen zwei Geräten endet die Serie sofort, während eines Geräts nach dessen aktuellem Schritt.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open the folder of the record</source>
        <translation>Ordner des Nachweises öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Choose the units table.</source>
        <translation>Wählen Sie die Gerätetabelle aus.</translation>
    </message>
    <message>
        <source>Correct the units table: nothing is written while it has errors.</source>
        <translation>Korrigieren Sie die Gerätetabelle: Solange sie Fehler enthält, wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Press Start, then plug in the first controller.</source>
        <translation>Klicken Sie auf „Starten“ und schließen Sie dann die erste Steuerung an.</translation>
    </message>
    <message>
        <source>The template or the table has changed: check the rows, then press Start again.</source>
        <translation>Die Vorlage oder die Tabelle wurde geändert: Sehen Sie die Zeilen durch und klicken Sie dann erneut auf „Starten“.</translation>
    </message>
    <message>
        <source>Every row is verified.</source>
        <translation>Alle Zeilen sind geprüft.</translation>
    </message>
    <message>
        <source>Every row is done; a unit differs from its row: see the record.</source>
        <translation>Alle Zeilen sind erledigt; ein Gerät weicht von seiner Zeile ab: siehe Nachweis.</translation>
    </message>
    <message>
        <source>Stopped: the record or a backup could not be written.</source>
        <translation>Gestoppt: Der Nachweis oder eine Sicherung konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Stopped. Rows pending: %1. Press Start to go on.</source>
        <translation>Gestoppt. Ausstehende Zeilen: %1. Klicken Sie auf „Starten“, um fortzufahren.</translation>
    </message>
    <message>
        <source>A batch is running.
Stop it before closing.</source>
        <translation>Eine Serie läuft.
Stoppen Sie sie vor dem Schließen.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>&quot;%1&quot; must be on or off, true or false, yes or no, 1 or 0</source>
        <translation>„%1“ muss on oder off, true oder false, yes oder no, 1 oder 0 sein</translation>
    </message>
    <message>
        <source>the table is empty: its first line names the settings of its columns</source>
        <translation>die Tabelle ist leer: Ihre erste Zeile benennt die Einstellungen ihrer Spalten</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>Spalte %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names columns %2 and %3</source>
        <translation>„%1“ benennt die Spalten %2 und %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting</source>
        <translation>„%1“ ist keine Einstellung</translation>
    </message>
    <message>
        <source>the header names no setting, only the serial number</source>
        <translation>die Kopfzeile benennt keine Einstellung, nur die Seriennummer</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>die Zeile hat %1 Zellen, die Kopfzeile %2</translation>
    </message>
    <message>
        <source>&quot;serial&quot; is empty: each row names its controller</source>
        <translation>„serial“ ist leer: Jede Zeile benennt ihre Steuerung</translation>
    </message>
    <message>
        <source>&quot;serial&quot; must be a serial number as info reports it, from -2147483648 to 2147483647</source>
        <translation>„serial“ muss eine Seriennummer sein, wie info sie meldet, von -2147483648 bis 2147483647</translation>
    </message>
    <message>
        <source>&quot;serial&quot; %1 is on lines %2 and %3</source>
        <translation>„serial“ %1 steht in den Zeilen %2 und %3</translation>
    </message>
    <message>
        <source>&quot;device_name&quot; %1 is on lines %2 and %3</source>
        <translation>„device_name“ %1 steht in den Zeilen %2 und %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>column %1:</source>
        <translation>Spalte %1:</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>%1: %2 in the row, %3 in the template</source>
        <translation>%1: %2 in der Zeile, %3 in der Vorlage</translation>
    </message>
    <message>
        <source>row %1 (device_name %2)</source>
        <translation>Zeile %1 (device_name %2)</translation>
    </message>
    <message>
        <source>row %1 (serial %2)</source>
        <translation>Zeile %1 (serial %2)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
</context>
</TS>
