<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CsvReader</name>
    <message>
        <source>the line holds bytes that are not UTF-8</source>
        <translation>la riga contiene byte non UTF-8</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>virgolette all&apos;interno di un campo che non inizia con virgolette</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>testo dopo le virgolette di chiusura di un campo</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>virgolette aperte su questa riga e mai chiuse</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>QUILMOX is plugged in as %1, but this user may not open it.
Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug and plug in the controller, or log in again.</source>
        <translation>QUILMOX è collegato come %1, ma questo utente non può aprirlo.
Installa la regola udev 70-quilmox-parlowen.rules (lo fa il pacchetto parlowen), poi scollega e ricollega il controller, oppure accedi di nuovo.</translation>
    </message>
    <message>
        <source>QUILMOX is plugged in, but another program is using it.
Close that program, then try again.</source>
        <translation>QUILMOX è collegato, ma un altro programma lo sta usando.
Chiudi quel programma, poi riprova.</translation>
    </message>
</context>
<context>
    <name>SettingCatalogue</name>
    <message>
        <source>must be a text</source>
        <translation>deve essere un testo</translation>
    </message>
    <message>
        <source>must not hold a zero character</source>
        <translation>non deve contenere un carattere zero</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot represent</source>
        <translation>contiene un carattere che Windows-1252 non può rappresentare</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>è più lungo di %1 byte</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>deve essere true o false</translation>
    </message>
    <message>
        <source>must be an integer from -2147483648 to 2147483647</source>
        <translation>deve essere un numero intero da -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>must be %1 hexadecimal digits</source>
        <translation>deve essere di %1 cifre esadecimali</translation>
    </message>
    <message>
        <source>is not a setting</source>
        <translation>non è un&apos;impostazione</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>&quot;%1&quot; %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Incompatible data file.</source>
        <translation>File di dati incompatibile.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Il file usa un formato di dati più recente.<byte value="xd"/>
Impossibile caricarlo</translation>
    </message>
    <message>
        <source>Error Opening File.</source>
        <translation>Errore nell&apos;apertura del file.</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Errore nel salvataggio del file.</translation>
    </message>
</context>
<context>
    <name>TBatchRun</name>
    <message>
        <source>the controller was unplugged</source>
        <translation>il controller è stato scollegato</translation>
    </message>
    <message>
        <source>the controller stopped answering</source>
        <translation>il controller ha smesso di rispondere</translation>
    </message>
    <message>
        <source>A batch is running already.</source>
        <translation>Una serie è già in corso.</translation>
    </message>
    <message>
        <source>The units table has errors; nothing is written while any remains.</source>
        <translation>La tabella delle unità contiene errori; non viene scritto nulla finché ne rimane anche uno.</translation>
    </message>
    <message>
        <source>%1: the backups folder cannot be made</source>
        <translation>%1: impossibile creare la cartella dei backup</translation>
    </message>
    <message>
        <source>abandoned by the operator</source>
        <translation>abbandonata dall&apos;operatore</translation>
    </message>
    <message>
        <source>Stopping once this step has ended (stop again to abandon the unit).</source>
        <translation>Arresto al termine di questo passo (premi di nuovo Ferma per abbandonare l&apos;unità).</translation>
    </message>
    <message>
        <source>No controller came within the wait.</source>
        <translation>Nessun controller collegato entro il tempo di attesa.</translation>
    </message>
    <message>
        <source>%1 controllers are plugged in: unplug all but one</source>
        <translation>Sono collegati %1 controller: scollegali tutti tranne uno</translation>
    </message>
    <message>
        <source>The controller at %1 is in program mode: left untouched; unplug it</source>
        <translation>Il controller su %1 è in modalità programmazione: lasciato invariato; scollegalo</translation>
    </message>
    <message>
        <source>Identifying the controller at %1</source>
        <translation>Identificazione del controller su %1</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened: left untouched; unplug it</source>
        <translation>Impossibile aprire il controller su %1: lasciato invariato; scollegalo</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened (%2): left untouched; unplug it</source>
        <translation>Impossibile aprire il controller su %1 (%2): lasciato invariato; scollegalo</translation>
    </message>
    <message>
        <source>The controller at %1 refused (%2): left untouched; unplug it</source>
        <translation>Il controller su %1 ha rifiutato (%2): lasciato invariato; scollegalo</translation>
    </message>
    <message>
        <source>the backup could not be saved: </source>
        <translation>impossibile salvare il backup: </translation>
    </message>
    <message>
        <source>Controller %1 backed up in %2</source>
        <translation>Backup del controller %1 salvato in %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Scrittura della %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>Verifica della %1</translation>
    </message>
    <message>
        <source>Row %1 verified: unplug it</source>
        <translation>Riga %1 verificata: scollega il controller</translation>
    </message>
    <message>
        <source>Row %1 differs: %2: unplug it</source>
        <translation>La riga %1 differisce: %2; scollega il controller</translation>
    </message>
    <message>
        <source>Controller %1 is done already in this run: unplug it</source>
        <translation>Il controller %1 è già stato elaborato in questa sessione: scollegalo</translation>
    </message>
    <message>
        <source>Controller %1 is in no row of the table: left untouched; unplug it</source>
        <translation>Il controller %1 non è in nessuna riga della tabella: lasciato invariato; scollegalo</translation>
    </message>
    <message>
        <source>Controller %1 is done already (row %2): unplug it</source>
        <translation>Il controller %1 è già stato elaborato (riga %2): scollegalo</translation>
    </message>
    <message>
        <source>Backing up controller %1 for %2</source>
        <translation>Backup del controller %1 per la %2</translation>
    </message>
    <message>
        <source>The controller at %1: %2; unplug it and plug it in again</source>
        <translation>Il controller su %1: %2; scollegalo e ricollegalo</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>il backup</translation>
    </message>
    <message>
        <source>write</source>
        <translation>la scrittura</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>la rilettura</translation>
    </message>
    <message>
        <source>Row %1 not completed: %2 during the %3 (report %4 of %5)</source>
        <translation>Riga %1 non completata: %2 durante %3 (report %4 di %5)</translation>
    </message>
    <message>
        <source>Row %1 not completed: unplug the controller and plug it in again to write it again</source>
        <translation>Riga %1 non completata: scollega e ricollega il controller per scriverlo di nuovo</translation>
    </message>
    <message>
        <source>The record cannot be written: %1</source>
        <translation>Impossibile scrivere il registro: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1</source>
        <translation>Collega il controller per la %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1 or for another of the %2 pending rows</source>
        <translation>Collega il controller per la %1 o per un&apos;altra delle %2 righe in sospeso</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Confronta con QUILMOX</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazione</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Load Controller Settings</source>
        <translation>Carica impostazioni del controller</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>One setting differs between the form and QUILMOX:</source>
        <translation>Un&apos;impostazione differisce tra il modulo e QUILMOX:</translation>
    </message>
    <message>
        <source>%1 settings differ between the form and QUILMOX:</source>
        <translation>%1 impostazioni differiscono tra il modulo e QUILMOX:</translation>
    </message>
</context>
<context>
    <name>TDeviceProtocol</name>
    <message>
        <source>Application is not a %1</source>
        <translation>L&apos;applicazione non è un %1</translation>
    </message>
    <message>
        <source>Dedudev Version:%1</source>
        <translation>Versione Dedudev: %1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <translation>Numero di serie: %1</translation>
    </message>
    <message>
        <source>Data downloaded</source>
        <translation>Dati trasferiti</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Trasferimento completato</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lettura completata</translation>
    </message>
</context>
<context>
    <name>TDeviceSession</name>
    <message>
        <source>QUILMOX was disconnected.</source>
        <translation>QUILMOX è stato scollegato.</translation>
    </message>
    <message>
        <source>QUILMOX stopped answering.</source>
        <translation>QUILMOX ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>QUILMOX is in Program Mode</source>
        <translation>QUILMOX è in modalità programmazione</translation>
    </message>
    <message>
        <source>Cannot find QUILMOX</source>
        <translation>Impossibile trovare QUILMOX</translation>
    </message>
    <message>
        <source>Write not completed.</source>
        <translation>Scrittura non completata.</translation>
    </message>
    <message>
        <source>Read not completed.</source>
        <translation>Lettura non completata.</translation>
    </message>
    <message>
        <source>Compare not completed.</source>
        <translation>Confronto non completato.</translation>
    </message>
    <message>
        <source>Signal strength not completed.</source>
        <translation>Lettura dell&apos;intensità del segnale non completata.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Stato della guida</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Contenuto della guida</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navigazione della guida</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Argomento della guida</translation>
    </message>
    <message>
        <source>Not opened in the help window: %1</source>
        <translation>Non aperto nella finestra della guida: %1</translation>
    </message>
    <message>
        <source>This help file has no page %1</source>
        <translation>Questo file della guida non ha la pagina %1</translation>
    </message>
    <message>
        <source>Index keyword</source>
        <translation>Parola chiave dell&apos;indice</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Digita una parola chiave</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Voci dell&apos;indice</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Parole di ricerca</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Parole da cercare</translation>
    </message>
    <message>
        <source>List Topics</source>
        <translation>Elenca argomenti</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Risultati della ricerca</translation>
    </message>
    <message>
        <source>Topics found: %1</source>
        <translation>Argomenti trovati: %1</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>Impossibile mostrare la guida</translation>
    </message>
    <message>
        <source>The help file %1 is damaged: its pages cannot be read. Installing the tool again restores it.</source>
        <translation>Il file della guida %1 è danneggiato: le sue pagine non sono leggibili. Per ripristinarlo, reinstalla il programma.</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen Help</source>
        <translation>Guida di QUILMOX Parlowen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Message Control</source>
        <translation>Controllo messaggi</translation>
    </message>
    <message>
        <source>I/O Control</source>
        <translation>Controllo I/O</translation>
    </message>
    <message>
        <source>Outputs 1 - 8</source>
        <translation>Uscite 1 - 8</translation>
    </message>
    <message>
        <source>Outputs 9 - 16</source>
        <translation>Uscite 9 - 16</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Messaggio:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Numero di telefono:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nome dispositivo:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Request Status</source>
        <translation>Richiesta stato</translation>
    </message>
    <message>
        <source>Inhibit Input</source>
        <translation>Ingr. inibizione</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>Invert Inputs</source>
        <translation>Inverti ingressi</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Invert None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Invert input %1</source>
        <translation>Inverti ingresso %1</translation>
    </message>
    <message>
        <source>Invert all inputs</source>
        <translation>Inverti tutti gli ingressi</translation>
    </message>
    <message>
        <source>Invert no inputs</source>
        <translation>Non invertire nessun ingresso</translation>
    </message>
    <message>
        <source>Invert Outputs</source>
        <translation>Inverti uscite</translation>
    </message>
    <message>
        <source>Invert output %1</source>
        <translation>Inverti uscita %1</translation>
    </message>
    <message>
        <source>Invert all outputs</source>
        <translation>Inverti tutte le uscite</translation>
    </message>
    <message>
        <source>Invert no outputs</source>
        <translation>Non invertire nessuna uscita</translation>
    </message>
    <message>
        <source>Output Start Status</source>
        <translation>Stato iniziale uscite</translation>
    </message>
    <message>
        <source>All Active</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>None Active</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Output start status %1</source>
        <translation>Stato iniziale uscita %1</translation>
    </message>
    <message>
        <source>All outputs active at start</source>
        <translation>Tutte le uscite attive all&apos;avvio</translation>
    </message>
    <message>
        <source>No outputs active at start</source>
        <translation>Nessuna uscita attiva all&apos;avvio</translation>
    </message>
    <message>
        <source>Send Message on Active Input</source>
        <translation>Invia messaggio su ingresso attivo</translation>
    </message>
    <message>
        <source>Send message on active input %1</source>
        <translation>Invia messaggio su ingresso %1 attivo</translation>
    </message>
    <message>
        <source>Send message on all active inputs</source>
        <translation>Invia messaggio su tutti gli ingressi attivi</translation>
    </message>
    <message>
        <source>Send message on no active input</source>
        <translation>Non inviare messaggi su nessun ingresso attivo</translation>
    </message>
    <message>
        <source>Send Message on Inactive Input</source>
        <translation>Invia messaggio su ingresso inattivo</translation>
    </message>
    <message>
        <source>Send message on inactive input %1</source>
        <translation>Invia messaggio su ingresso %1 inattivo</translation>
    </message>
    <message>
        <source>Send message on all inactive inputs</source>
        <translation>Invia messaggio su tutti gli ingressi inattivi</translation>
    </message>
    <message>
        <source>Send message on no inactive input</source>
        <translation>Non inviare messaggi su nessun ingresso inattivo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Accendi</translation>
    </message>
    <message>
        <source>Output %1 on command word</source>
        <translation>Uscita %1: parola di comando Accendi</translation>
    </message>
    <message>
        <source>Output %1 on command enabled</source>
        <translation>Uscita %1: comando Accendi abilitato</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>Output %1 off command word</source>
        <translation>Uscita %1: parola di comando Spegni</translation>
    </message>
    <message>
        <source>Output %1 off command enabled</source>
        <translation>Uscita %1: comando Spegni abilitato</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alterna</translation>
    </message>
    <message>
        <source>Output %1 toggle command word</source>
        <translation>Uscita %1: parola di comando Alterna</translation>
    </message>
    <message>
        <source>Output %1 toggle command enabled</source>
        <translation>Uscita %1: comando Alterna abilitato</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impulso</translation>
    </message>
    <message>
        <source>Output %1 pulse command word</source>
        <translation>Uscita %1: parola di comando Impulso</translation>
    </message>
    <message>
        <source>Output %1 pulse command enabled</source>
        <translation>Uscita %1: comando Impulso abilitato</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome dispositivo</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Request status keyword</source>
        <translation>Parola chiave di richiesta stato</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>File di dati (*.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 Vesion: %2</source>
        <translation>%1 Versione: %2</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <translation>I dati sono stati modificati.
Salvarli ora?</translation>
    </message>
    <message>
        <source>Compare complete: no differences</source>
        <translation>Confronto completato: nessuna differenza</translation>
    </message>
    <message>
        <source>QUILMOX holds the settings shown.</source>
        <translation>QUILMOX contiene le impostazioni visualizzate.</translation>
    </message>
    <message>
        <source>Compare complete: %1 differences</source>
        <translation>Confronto completato: %1 differenze</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lettura completata</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Load the file when the write has ended.</source>
        <translation>Scrittura di QUILMOX in corso.
Carica il file al termine della scrittura.</translation>
    </message>
    <message>
        <source>QUILMOX is being read.
Load the file when the read has ended.</source>
        <translation>Lettura di QUILMOX in corso.
Carica il file al termine della lettura.</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Closing now leaves it with part of the new settings.
Close anyway?</source>
        <translation>Scrittura di QUILMOX in corso.
Chiudendo ora, conterrà solo una parte delle nuove impostazioni.
Chiudere comunque?</translation>
    </message>
    <message>
        <source>File Error:</source>
        <translation>Errore file:</translation>
    </message>
    <message>
        <source>File Saved:</source>
        <translation>File salvato:</translation>
    </message>
    <message>
        <source>File Loaded:</source>
        <translation>File caricato:</translation>
    </message>
    <message>
        <source>The number of the controller&apos;s inhibit input, 0 to 16.</source>
        <translation>Il numero dell&apos;ingresso di inibizione del controller, da 0 a 16.</translation>
    </message>
    <message>
        <source>How long the Pulse command keeps the output switched, 10 to 65000.</source>
        <translation>Per quanto tempo il comando Impulso mantiene commutata l&apos;uscita, da 10 a 65000.</translation>
    </message>
    <message>
        <source>The request-status keyword, at most 15 characters; the Request Status box enables it.</source>
        <translation>La parola chiave di richiesta stato, al massimo 15 caratteri; la casella Richiesta stato la abilita.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <source>Read From QUILMOX</source>
        <translation>Leggi da QUILMOX</translation>
    </message>
    <message>
        <source>Write To QUILMOX</source>
        <translation>Scrivi su QUILMOX</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Get Signal Strength</source>
        <translation>Intensità segnale</translation>
    </message>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Confronta con QUILMOX</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Cancella il log</translation>
    </message>
    <message>
        <source>Inhibit input</source>
        <translation>Ingresso di inibizione</translation>
    </message>
    <message>
        <source>Request status enabled</source>
        <translation>Richiesta stato abilitata</translation>
    </message>
    <message>
        <source>Pulse period</source>
        <translation>Durata imp.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Abilit.</translation>
    </message>
    <message>
        <source>Output %1 pulse period</source>
        <translation>Uscita %1: durata dell&apos;impulso</translation>
    </message>
    <message>
        <source>Site Work…</source>
        <translation>Lavoro in sito…</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Lavoro in sito</translation>
    </message>
    <message>
        <source>A batch of controllers from one template and a table of units, each verified and recorded.</source>
        <translation>Una serie di controller da un modello e una tabella delle unità, ciascuno verificato e registrato.</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 command</source>
        <translation>%1: %2, comando %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 enabled</source>
        <translation>%1: %2, comando %3 abilitato</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>Abilitazione %1</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Byte riservati</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen speaks %1 from its next start.</source>
        <translation>QUILMOX Parlowen userà %1 dal prossimo avvio.</translation>
    </message>
    <message>
        <source>System language (%1)</source>
        <translation>Lingua di sistema (%1)</translation>
    </message>
</context>
<context>
    <name>TSignalHistoryStrip</name>
    <message>
        <source>Signal strength history</source>
        <translation>Cronologia dell&apos;intensità del segnale</translation>
    </message>
    <message>
        <source>No values yet</source>
        <translation>Ancora nessun valore</translation>
    </message>
    <message>
        <source>The last two minutes; latest value %1</source>
        <translation>Gli ultimi due minuti; ultimo valore %1</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuti</translation>
    </message>
</context>
<context>
    <name>TSignalStrengthForm</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Keep refreshing</source>
        <translation>Aggiorna di continuo</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensità del segnale</translation>
    </message>
    <message>
        <source>Refresh signal strength</source>
        <translation>Aggiorna l&apos;intensità del segnale</translation>
    </message>
    <message>
        <source>Close signal strength window</source>
        <translation>Chiudi la finestra dell&apos;intensità del segnale</translation>
    </message>
    <message>
        <source>Asks the controller again every two seconds while this window is shown.</source>
        <translation>Interroga di nuovo il controller ogni due secondi finché questa finestra è aperta.</translation>
    </message>
</context>
<context>
    <name>TSiteWorkForm</name>
    <message>
        <source>writing</source>
        <translation>in scrittura</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificata</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>differisce</translation>
    </message>
    <message>
        <source>not completed</source>
        <translation>non completata</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltata</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>in sospeso</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>File di dati (*.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Lavoro in sito</translation>
    </message>
    <message>
        <source>The form as shown</source>
        <translation>Il modulo visualizzato</translation>
    </message>
    <message>
        <source>Template: the form as shown</source>
        <translation>Modello: il modulo visualizzato</translation>
    </message>
    <message>
        <source>Every setting a row leaves out is the one the main window shows.</source>
        <translation>Ogni impostazione che una riga omette è quella mostrata nella finestra principale.</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>File di impostazioni:</translation>
    </message>
    <message>
        <source>Template: a settings file</source>
        <translation>Modello: un file di impostazioni</translation>
    </message>
    <message>
        <source>Template settings file</source>
        <translation>File di impostazioni del modello</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose the template settings file</source>
        <translation>Scegli il file di impostazioni del modello</translation>
    </message>
    <message>
        <source>Units table</source>
        <translation>Tabella delle unità</translation>
    </message>
    <message>
        <source>A CSV file: a header naming settings, then one row per controller.</source>
        <translation>Un file CSV: un&apos;intestazione con i nomi delle impostazioni, poi una riga per controller.</translation>
    </message>
    <message>
        <source>Choose the units table</source>
        <translation>Scegli la tabella delle unità</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>File di registro</translation>
    </message>
    <message>
        <source>One line is added per unit: time, serial number and result.</source>
        <translation>Per ogni unità viene aggiunta una riga: ora, numero di serie e risultato.</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Scegli il file di registro</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Cartella dei backup</translation>
    </message>
    <message>
        <source>What each controller held before it was written, as a settings file.</source>
        <translation>Ciò che ogni controller conteneva prima della scrittura, come file di impostazioni.</translation>
    </message>
    <message>
        <source>Choose the backups folder</source>
        <translation>Scegli la cartella dei backup</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>&amp;Units table:</source>
        <translation>&amp;Tabella delle unità:</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Registro:</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Backup:</translation>
    </message>
    <message>
        <source>Problems of the units table</source>
        <translation>Problemi della tabella delle unità</translation>
    </message>
    <message>
        <source>Rows of the units table</source>
        <translation>Righe della tabella delle unità</translation>
    </message>
    <message>
        <source>Each row&apos;s settings that differ from the template, and how far it has come.</source>
        <translation>Le impostazioni di ogni riga che differiscono dal modello, e il punto a cui è arrivata.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Differences from the template</source>
        <translation>Differenze dal modello</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Passo successivo</translation>
    </message>
    <message>
        <source>Progress of the unit under way</source>
        <translation>Avanzamento dell&apos;unità in corso</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v di %m</translation>
    </message>
    <message>
        <source>Site work log</source>
        <translation>Log del lavoro in sito</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Between units the batch ends at once; during one, after its step.</source>
        <translation>Tra un&apos;unità e l&apos;altra la serie termina subito; durante un&apos;unità, al termine del passo in corso.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Open the folder of the record</source>
        <translation>Apri la cartella del registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Choose the units table.</source>
        <translation>Scegli la tabella delle unità.</translation>
    </message>
    <message>
        <source>Correct the units table: nothing is written while it has errors.</source>
        <translation>Correggi la tabella delle unità: non viene scritto nulla finché contiene errori.</translation>
    </message>
    <message>
        <source>Press Start, then plug in the first controller.</source>
        <translation>Premi Avvia, poi collega il primo controller.</translation>
    </message>
    <message>
        <source>The template or the table has changed: check the rows, then press Start again.</source>
        <translation>Il modello o la tabella sono cambiati: controlla le righe, poi premi di nuovo Avvia.</translation>
    </message>
    <message>
        <source>Every row is verified.</source>
        <translation>Tutte le righe sono verificate.</translation>
    </message>
    <message>
        <source>Every row is done; a unit differs from its row: see the record.</source>
        <translation>Tutte le righe sono state elaborate; un&apos;unità differisce dalla sua riga: vedi il registro.</translation>
    </message>
    <message>
        <source>Stopped: the record or a backup could not be written.</source>
        <translation>Interrotto: impossibile scrivere il registro o un backup.</translation>
    </message>
    <message>
        <source>Stopped. Rows pending: %1. Press Start to go on.</source>
        <translation>Interrotto. Righe in sospeso: %1. Premi Avvia per continuare.</translation>
    </message>
    <message>
        <source>A batch is running.
Stop it before closing.</source>
        <translation>Una serie è in corso.
Fermala prima di chiudere.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>&quot;%1&quot; must be on or off, true or false, yes or no, 1 or 0</source>
        <translation>&quot;%1&quot; deve essere on o off, true o false, yes o no, 1 o 0</translation>
    </message>
    <message>
        <source>the table is empty: its first line names the settings of its columns</source>
        <translation>la tabella è vuota: la sua prima riga indica le impostazioni delle colonne</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>la colonna %1 non ha un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names columns %2 and %3</source>
        <translation>&quot;%1&quot; è il nome delle colonne %2 e %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting</source>
        <translation>&quot;%1&quot; non è un&apos;impostazione</translation>
    </message>
    <message>
        <source>the header names no setting, only the serial number</source>
        <translation>l&apos;intestazione non indica nessuna impostazione, solo il numero di serie</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>la riga ha %1 celle, l&apos;intestazione %2</translation>
    </message>
    <message>
        <source>&quot;serial&quot; is empty: each row names its controller</source>
        <translation>&quot;serial&quot; è vuoto: ogni riga indica il proprio controller</translation>
    </message>
    <message>
        <source>&quot;serial&quot; must be a serial number as info reports it, from -2147483648 to 2147483647</source>
        <translation>&quot;serial&quot; deve essere un numero di serie come lo riporta info, da -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>&quot;serial&quot; %1 is on lines %2 and %3</source>
        <translation>&quot;serial&quot; %1 è nelle righe %2 e %3</translation>
    </message>
    <message>
        <source>&quot;device_name&quot; %1 is on lines %2 and %3</source>
        <translation>&quot;device_name&quot; %1 è nelle righe %2 e %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>column %1:</source>
        <translation>colonna %1:</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avviso: %1</translation>
    </message>
    <message>
        <source>%1: %2 in the row, %3 in the template</source>
        <translation>%1: %2 nella riga, %3 nel modello</translation>
    </message>
    <message>
        <source>row %1 (device_name %2)</source>
        <translation>riga %1 (device_name %2)</translation>
    </message>
    <message>
        <source>row %1 (serial %2)</source>
        <translation>riga %1 (serial %2)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
</context>
</TS>
