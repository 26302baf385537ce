<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CsvReader</name>
    <message>
        <source>the line holds bytes that are not UTF-8</source>
        <translation>linia zawiera bajty, które nie są zapisane w UTF-8</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>cudzysłów wewnątrz pola, które nie zaczyna się cudzysłowem</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>tekst po cudzysłowie zamykającym pole</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>cudzysłów otwarty w tej linii nie zostaje zamknięty</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>QUILMOX is plugged in as %1, but this user may not open it.
Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug and plug in the controller, or log in again.</source>
        <translation>QUILMOX jest podłączony jako %1, ale ten użytkownik nie może go otworzyć.
Zainstaluj regułę udev 70-quilmox-parlowen.rules (instaluje ją pakiet parlowen), a następnie odłącz i ponownie podłącz sterownik albo zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>QUILMOX is plugged in, but another program is using it.
Close that program, then try again.</source>
        <translation>QUILMOX jest podłączony, ale używa go inny program.
Zamknij ten program i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>SettingCatalogue</name>
    <message>
        <source>must be a text</source>
        <translation>musi być tekstem</translation>
    </message>
    <message>
        <source>must not hold a zero character</source>
        <translation>nie może zawierać znaku o kodzie zero</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot represent</source>
        <translation>zawiera znak, którego nie można zapisać w Windows-1252</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>ma więcej bajtów niż %1</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>musi mieć wartość true lub false</translation>
    </message>
    <message>
        <source>must be an integer from -2147483648 to 2147483647</source>
        <translation>musi być liczbą całkowitą od -2147483648 do 2147483647</translation>
    </message>
    <message>
        <source>must be %1 hexadecimal digits</source>
        <translation>musi być ciągiem cyfr szesnastkowych o długości %1</translation>
    </message>
    <message>
        <source>is not a setting</source>
        <translation>nie jest ustawieniem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>„%1” %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Incompatible data file.</source>
        <translation>Niezgodny plik ustawień.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Plik używa nowszego formatu danych.<byte value="xd"/>
Nie można wczytać</translation>
    </message>
    <message>
        <source>Error Opening File.</source>
        <translation>Błąd otwierania pliku.</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Błąd zapisywania pliku.</translation>
    </message>
</context>
<context>
    <name>TBatchRun</name>
    <message>
        <source>the controller was unplugged</source>
        <translation>sterownik został odłączony</translation>
    </message>
    <message>
        <source>the controller stopped answering</source>
        <translation>sterownik przestał odpowiadać</translation>
    </message>
    <message>
        <source>A batch is running already.</source>
        <translation>Seria jest już w toku.</translation>
    </message>
    <message>
        <source>The units table has errors; nothing is written while any remains.</source>
        <translation>Tabela jednostek zawiera błędy; dopóki choć jeden pozostaje, nic nie zostanie zapisane.</translation>
    </message>
    <message>
        <source>%1: the backups folder cannot be made</source>
        <translation>%1: nie można utworzyć folderu kopii zapasowych</translation>
    </message>
    <message>
        <source>abandoned by the operator</source>
        <translation>przerwane przez operatora</translation>
    </message>
    <message>
        <source>Stopping once this step has ended (stop again to abandon the unit).</source>
        <translation>Zatrzymanie po zakończeniu tego kroku (zatrzymaj ponownie, aby porzucić jednostkę).</translation>
    </message>
    <message>
        <source>No controller came within the wait.</source>
        <translation>W czasie oczekiwania nie podłączono żadnego sterownika.</translation>
    </message>
    <message>
        <source>%1 controllers are plugged in: unplug all but one</source>
        <translation>Podłączone sterowniki: %1; odłącz wszystkie oprócz jednego</translation>
    </message>
    <message>
        <source>The controller at %1 is in program mode: left untouched; unplug it</source>
        <translation>Sterownik na %1 jest w trybie programowania: pozostawiono bez zmian; odłącz go</translation>
    </message>
    <message>
        <source>Identifying the controller at %1</source>
        <translation>Identyfikowanie sterownika na %1</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened: left untouched; unplug it</source>
        <translation>Nie można otworzyć sterownika na %1: pozostawiono bez zmian; odłącz go</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened (%2): left untouched; unplug it</source>
        <translation>Nie można otworzyć sterownika na %1 (%2): pozostawiono bez zmian; odłącz go</translation>
    </message>
    <message>
        <source>The controller at %1 refused (%2): left untouched; unplug it</source>
        <translation>Sterownik na %1 odmówił (%2): pozostawiono bez zmian; odłącz go</translation>
    </message>
    <message>
        <source>the backup could not be saved: </source>
        <translation>nie można zapisać kopii zapasowej: </translation>
    </message>
    <message>
        <source>Controller %1 backed up in %2</source>
        <translation>Kopia zapasowa sterownika %1 zapisana w %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Zapisywanie: %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>Weryfikowanie: %1</translation>
    </message>
    <message>
        <source>Row %1 verified: unplug it</source>
        <translation>Zweryfikowano wiersz %1: odłącz sterownik</translation>
    </message>
    <message>
        <source>Row %1 differs: %2: unplug it</source>
        <translation>Wiersz %1 różni się: %2: odłącz sterownik</translation>
    </message>
    <message>
        <source>Controller %1 is done already in this run: unplug it</source>
        <translation>Sterownik %1 został już obsłużony w tym przebiegu: odłącz go</translation>
    </message>
    <message>
        <source>Controller %1 is in no row of the table: left untouched; unplug it</source>
        <translation>Sterownika %1 nie ma w żadnym wierszu tabeli: pozostawiono bez zmian; odłącz go</translation>
    </message>
    <message>
        <source>Controller %1 is done already (row %2): unplug it</source>
        <translation>Sterownik %1 został już obsłużony (wiersz %2): odłącz go</translation>
    </message>
    <message>
        <source>Backing up controller %1 for %2</source>
        <translation>Tworzenie kopii zapasowej sterownika %1 dla: %2</translation>
    </message>
    <message>
        <source>The controller at %1: %2; unplug it and plug it in again</source>
        <translation>Sterownik na %1: %2; odłącz go i podłącz ponownie</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>kopia zapasowa</translation>
    </message>
    <message>
        <source>write</source>
        <translation>zapis</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>odczyt kontrolny</translation>
    </message>
    <message>
        <source>Row %1 not completed: %2 during the %3 (report %4 of %5)</source>
        <translation>Wiersza %1 nie ukończono: %2 (etap: %3, raport %4 z %5)</translation>
    </message>
    <message>
        <source>Row %1 not completed: unplug the controller and plug it in again to write it again</source>
        <translation>Wiersza %1 nie ukończono: odłącz sterownik i podłącz go ponownie, aby zapisać go jeszcze raz</translation>
    </message>
    <message>
        <source>The record cannot be written: %1</source>
        <translation>Nie można zapisać rejestru: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1</source>
        <translation>Podłącz sterownik dla: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1 or for another of the %2 pending rows</source>
        <translation>Podłącz sterownik dla: %1 lub dla innego z oczekujących wierszy (%2)</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Porównaj z QUILMOX</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Load Controller Settings</source>
        <translation>Wczytaj ustawienia sterownika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>One setting differs between the form and QUILMOX:</source>
        <translation>Jedno ustawienie różni się między formularzem a QUILMOX:</translation>
    </message>
    <message>
        <source>%1 settings differ between the form and QUILMOX:</source>
        <translation>Ustawienia różniące się między formularzem a QUILMOX (%1):</translation>
    </message>
</context>
<context>
    <name>TDeviceProtocol</name>
    <message>
        <source>Application is not a %1</source>
        <translation>Aplikacja nie jest typu %1</translation>
    </message>
    <message>
        <source>Dedudev Version:%1</source>
        <translation>Wersja urządzenia: %1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <translation>Numer seryjny: %1</translation>
    </message>
    <message>
        <source>Data downloaded</source>
        <translation>Przesłano dane</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Zapis zakończony</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Odczyt zakończony</translation>
    </message>
</context>
<context>
    <name>TDeviceSession</name>
    <message>
        <source>QUILMOX was disconnected.</source>
        <translation>QUILMOX został odłączony.</translation>
    </message>
    <message>
        <source>QUILMOX stopped answering.</source>
        <translation>QUILMOX przestał odpowiadać.</translation>
    </message>
    <message>
        <source>QUILMOX is in Program Mode</source>
        <translation>QUILMOX jest w trybie programowania</translation>
    </message>
    <message>
        <source>Cannot find QUILMOX</source>
        <translation>Nie można znaleźć QUILMOX</translation>
    </message>
    <message>
        <source>Write not completed.</source>
        <translation>Zapisu nie ukończono.</translation>
    </message>
    <message>
        <source>Read not completed.</source>
        <translation>Odczytu nie ukończono.</translation>
    </message>
    <message>
        <source>Compare not completed.</source>
        <translation>Porównania nie ukończono.</translation>
    </message>
    <message>
        <source>Signal strength not completed.</source>
        <translation>Odczytu siły sygnału nie ukończono.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Strona główna</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Stan pomocy</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Treść pomocy</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Nawigacja pomocy</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Temat pomocy</translation>
    </message>
    <message>
        <source>Not opened in the help window: %1</source>
        <translation>Nie otwarto w oknie pomocy: %1</translation>
    </message>
    <message>
        <source>This help file has no page %1</source>
        <translation>Ten plik pomocy nie zawiera strony %1</translation>
    </message>
    <message>
        <source>Index keyword</source>
        <translation>Słowo kluczowe indeksu</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Wpisz słowo kluczowe</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Hasła indeksu</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Szukane słowa</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Słowa do wyszukania</translation>
    </message>
    <message>
        <source>List Topics</source>
        <translation>Pokaż tematy</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Wyniki wyszukiwania</translation>
    </message>
    <message>
        <source>Topics found: %1</source>
        <translation>Znalezione tematy: %1</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>Nie można wyświetlić pomocy</translation>
    </message>
    <message>
        <source>The help file %1 is damaged: its pages cannot be read. Installing the tool again restores it.</source>
        <translation>Plik pomocy %1 jest uszkodzony: nie można odczytać jego stron. Ponowna instalacja narzędzia go przywróci.</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen Help</source>
        <translation>Pomoc QUILMOX Parlowen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Message Control</source>
        <translation>Sterowanie wiadomościami</translation>
    </message>
    <message>
        <source>I/O Control</source>
        <translation>Sterowanie we/wy</translation>
    </message>
    <message>
        <source>Outputs 1 - 8</source>
        <translation>Wyjścia 1 - 8</translation>
    </message>
    <message>
        <source>Outputs 9 - 16</source>
        <translation>Wyjścia 9 - 16</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Wiadomość:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Numer telefonu:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nazwa urządzenia:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Request Status</source>
        <translation>Żądanie stanu</translation>
    </message>
    <message>
        <source>Inhibit Input</source>
        <translation>Wej. blokady</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Invert Inputs</source>
        <translation>Odwracanie wejść</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Invert None</source>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>Invert input %1</source>
        <translation>Odwracanie wejścia %1</translation>
    </message>
    <message>
        <source>Invert all inputs</source>
        <translation>Odwróć wszystkie wejścia</translation>
    </message>
    <message>
        <source>Invert no inputs</source>
        <translation>Nie odwracaj żadnego wejścia</translation>
    </message>
    <message>
        <source>Invert Outputs</source>
        <translation>Odwracanie wyjść</translation>
    </message>
    <message>
        <source>Invert output %1</source>
        <translation>Odwracanie wyjścia %1</translation>
    </message>
    <message>
        <source>Invert all outputs</source>
        <translation>Odwróć wszystkie wyjścia</translation>
    </message>
    <message>
        <source>Invert no outputs</source>
        <translation>Nie odwracaj żadnego wyjścia</translation>
    </message>
    <message>
        <source>Output Start Status</source>
        <translation>Stan początkowy wyjść</translation>
    </message>
    <message>
        <source>All Active</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>None Active</source>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>Output start status %1</source>
        <translation>Stan początkowy wyjścia %1</translation>
    </message>
    <message>
        <source>All outputs active at start</source>
        <translation>Wszystkie wyjścia aktywne po uruchomieniu</translation>
    </message>
    <message>
        <source>No outputs active at start</source>
        <translation>Żadne wyjście nie jest aktywne po uruchomieniu</translation>
    </message>
    <message>
        <source>Send Message on Active Input</source>
        <translation>Wiadomość przy aktywnym wejściu</translation>
    </message>
    <message>
        <source>Send message on active input %1</source>
        <translation>Wiadomość przy aktywnym wejściu %1</translation>
    </message>
    <message>
        <source>Send message on all active inputs</source>
        <translation>Wysyłaj wiadomość przy każdym aktywnym wejściu</translation>
    </message>
    <message>
        <source>Send message on no active input</source>
        <translation>Nie wysyłaj wiadomości przy żadnym aktywnym wejściu</translation>
    </message>
    <message>
        <source>Send Message on Inactive Input</source>
        <translation>Wiadomość przy nieaktywnym wejściu</translation>
    </message>
    <message>
        <source>Send message on inactive input %1</source>
        <translation>Wiadomość przy nieaktywnym wejściu %1</translation>
    </message>
    <message>
        <source>Send message on all inactive inputs</source>
        <translation>Wysyłaj wiadomość przy każdym nieaktywnym wejściu</translation>
    </message>
    <message>
        <source>Send message on no inactive input</source>
        <translation>Nie wysyłaj wiadomości przy żadnym nieaktywnym wejściu</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Załącz</translation>
    </message>
    <message>
        <source>Output %1 on command word</source>
        <translation>Wyjście %1: słowo polecenia Załącz</translation>
    </message>
    <message>
        <source>Output %1 on command enabled</source>
        <translation>Wyjście %1: polecenie Załącz włączone</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Output %1 off command word</source>
        <translation>Wyjście %1: słowo polecenia Wyłącz</translation>
    </message>
    <message>
        <source>Output %1 off command enabled</source>
        <translation>Wyjście %1: polecenie Wyłącz włączone</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Output %1 toggle command word</source>
        <translation>Wyjście %1: słowo polecenia Zmień</translation>
    </message>
    <message>
        <source>Output %1 toggle command enabled</source>
        <translation>Wyjście %1: polecenie Zmień włączone</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <source>Output %1 pulse command word</source>
        <translation>Wyjście %1: słowo polecenia Impuls</translation>
    </message>
    <message>
        <source>Output %1 pulse command enabled</source>
        <translation>Wyjście %1: polecenie Impuls włączone</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Numer telefonu</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Request status keyword</source>
        <translation>Słowo kluczowe żądania stanu</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Pliki ustawień (*.dat);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 Vesion: %2</source>
        <translation>%1 Wersja: %2</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <translation>Dane zostały zmienione.
Zapisać teraz?</translation>
    </message>
    <message>
        <source>Compare complete: no differences</source>
        <translation>Porównanie zakończone: brak różnic</translation>
    </message>
    <message>
        <source>QUILMOX holds the settings shown.</source>
        <translation>QUILMOX zawiera wyświetlone ustawienia.</translation>
    </message>
    <message>
        <source>Compare complete: %1 differences</source>
        <translation>Porównanie zakończone: liczba różnic: %1</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Odczyt zakończony</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Load the file when the write has ended.</source>
        <translation>Trwa zapis do QUILMOX.
Wczytaj plik po zakończeniu zapisu.</translation>
    </message>
    <message>
        <source>QUILMOX is being read.
Load the file when the read has ended.</source>
        <translation>Trwa odczyt z QUILMOX.
Wczytaj plik po zakończeniu odczytu.</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Closing now leaves it with part of the new settings.
Close anyway?</source>
        <translation>Trwa zapis do QUILMOX.
Zamknięcie teraz pozostawi w nim tylko część nowych ustawień.
Zamknąć mimo to?</translation>
    </message>
    <message>
        <source>File Error:</source>
        <translation>Błąd pliku:</translation>
    </message>
    <message>
        <source>File Saved:</source>
        <translation>Zapisano plik:</translation>
    </message>
    <message>
        <source>File Loaded:</source>
        <translation>Wczytano plik:</translation>
    </message>
    <message>
        <source>The number of the controller&apos;s inhibit input, 0 to 16.</source>
        <translation>Numer wejścia blokady sterownika, od 0 do 16.</translation>
    </message>
    <message>
        <source>How long the Pulse command keeps the output switched, 10 to 65000.</source>
        <translation>Jak długo polecenie Impuls utrzymuje przełączone wyjście, od 10 do 65000.</translation>
    </message>
    <message>
        <source>The request-status keyword, at most 15 characters; the Request Status box enables it.</source>
        <translation>Słowo kluczowe żądania stanu, najwyżej 15 znaków; włącza je pole Żądanie stanu.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Wczytaj plik</translation>
    </message>
    <message>
        <source>Read From QUILMOX</source>
        <translation>Odczytaj z QUILMOX</translation>
    </message>
    <message>
        <source>Write To QUILMOX</source>
        <translation>Zapisz do QUILMOX</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Get Signal Strength</source>
        <translation>Sprawdź siłę sygnału</translation>
    </message>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Porównaj z QUILMOX</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Wyczyść dziennik</translation>
    </message>
    <message>
        <source>Inhibit input</source>
        <translation>Wejście blokady</translation>
    </message>
    <message>
        <source>Request status enabled</source>
        <translation>Żądanie stanu włączone</translation>
    </message>
    <message>
        <source>Pulse period</source>
        <translation>Czas imp.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Output %1 pulse period</source>
        <translation>Wyjście %1: czas impulsu</translation>
    </message>
    <message>
        <source>Site Work…</source>
        <translation>Praca w terenie…</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Praca w terenie</translation>
    </message>
    <message>
        <source>A batch of controllers from one template and a table of units, each verified and recorded.</source>
        <translation>Seria sterowników zapisywanych według jednego szablonu i tabeli jednostek, każdy zweryfikowany i zarejestrowany.</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 command</source>
        <translation>%1: %2, polecenie %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 enabled</source>
        <translation>%1: %2, polecenie %3 włączone</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 włączone</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Bajty zarezerwowane</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen speaks %1 from its next start.</source>
        <translation>Od następnego uruchomienia QUILMOX Parlowen będzie używać języka: %1.</translation>
    </message>
    <message>
        <source>System language (%1)</source>
        <translation>Język systemu (%1)</translation>
    </message>
</context>
<context>
    <name>TSignalHistoryStrip</name>
    <message>
        <source>Signal strength history</source>
        <translation>Historia siły sygnału</translation>
    </message>
    <message>
        <source>No values yet</source>
        <translation>Brak wartości</translation>
    </message>
    <message>
        <source>The last two minutes; latest value %1</source>
        <translation>Ostatnie dwie minuty; najnowsza wartość %1</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minuty</translation>
    </message>
</context>
<context>
    <name>TSignalStrengthForm</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Keep refreshing</source>
        <translation>Odświeżaj stale</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Siła sygnału</translation>
    </message>
    <message>
        <source>Refresh signal strength</source>
        <translation>Odśwież siłę sygnału</translation>
    </message>
    <message>
        <source>Close signal strength window</source>
        <translation>Zamknij okno siły sygnału</translation>
    </message>
    <message>
        <source>Asks the controller again every two seconds while this window is shown.</source>
        <translation>Odpytuje sterownik co dwie sekundy, dopóki to okno jest otwarte.</translation>
    </message>
</context>
<context>
    <name>TSiteWorkForm</name>
    <message>
        <source>writing</source>
        <translation>zapisywanie</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>różni się</translation>
    </message>
    <message>
        <source>not completed</source>
        <translation>nie ukończono</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>pominięto</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>oczekuje</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Pliki ustawień (*.dat);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Praca w terenie</translation>
    </message>
    <message>
        <source>The form as shown</source>
        <translation>Formularz w obecnej postaci</translation>
    </message>
    <message>
        <source>Template: the form as shown</source>
        <translation>Szablon: formularz w obecnej postaci</translation>
    </message>
    <message>
        <source>Every setting a row leaves out is the one the main window shows.</source>
        <translation>Każde ustawienie, którego wiersz nie podaje, ma wartość widoczną w oknie głównym.</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Plik ustawień:</translation>
    </message>
    <message>
        <source>Template: a settings file</source>
        <translation>Szablon: plik ustawień</translation>
    </message>
    <message>
        <source>Template settings file</source>
        <translation>Plik ustawień szablonu</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Choose the template settings file</source>
        <translation>Wybierz plik ustawień szablonu</translation>
    </message>
    <message>
        <source>Units table</source>
        <translation>Tabela jednostek</translation>
    </message>
    <message>
        <source>A CSV file: a header naming settings, then one row per controller.</source>
        <translation>Plik CSV: nagłówek z nazwami ustawień, a pod nim jeden wiersz na każdy sterownik.</translation>
    </message>
    <message>
        <source>Choose the units table</source>
        <translation>Wybierz tabelę jednostek</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>Plik rejestru</translation>
    </message>
    <message>
        <source>One line is added per unit: time, serial number and result.</source>
        <translation>Dla każdej jednostki dopisywana jest jedna linia: czas, numer seryjny i wynik.</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Wybierz plik rejestru</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Folder kopii zapasowych</translation>
    </message>
    <message>
        <source>What each controller held before it was written, as a settings file.</source>
        <translation>Zawartość każdego sterownika sprzed zapisu, jako plik ustawień.</translation>
    </message>
    <message>
        <source>Choose the backups folder</source>
        <translation>Wybierz folder kopii zapasowych</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Szablon:</translation>
    </message>
    <message>
        <source>&amp;Units table:</source>
        <translation>&amp;Tabela jednostek:</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Rejestr:</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Kopie zapasowe:</translation>
    </message>
    <message>
        <source>Problems of the units table</source>
        <translation>Problemy tabeli jednostek</translation>
    </message>
    <message>
        <source>Rows of the units table</source>
        <translation>Wiersze tabeli jednostek</translation>
    </message>
    <message>
        <source>Each row&apos;s settings that differ from the template, and how far it has come.</source>
        <translation>Ustawienia każdego wiersza różniące się od szablonu oraz postęp jego realizacji.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Differences from the template</source>
        <translation>Różnice względem szablonu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Następny krok</translation>
    </message>
    <message>
        <source>Progress of the unit under way</source>
        <translation>Postęp bieżącej jednostki</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v z %m</translation>
    </message>
    <message>
        <source>Site work log</source>
        <translation>Dziennik pracy w terenie</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Between units the batch ends at once; during one, after its step.</source>
        <translation>Między jednostkami seria kończy się od razu; w trakcie jednostki – po zakończeniu bieżącego kroku.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Open the folder of the record</source>
        <translation>Otwórz folder rejestru</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Choose the units table.</source>
        <translation>Wybierz tabelę jednostek.</translation>
    </message>
    <message>
        <source>Correct the units table: nothing is written while it has errors.</source>
        <translation>Popraw tabelę jednostek: dopóki zawiera błędy, nic nie zostanie zapisane.</translation>
    </message>
    <message>
        <source>Press Start, then plug in the first controller.</source>
        <translation>Naciśnij Start, a następnie podłącz pierwszy sterownik.</translation>
    </message>
    <message>
        <source>The template or the table has changed: check the rows, then press Start again.</source>
        <translation>Szablon lub tabela uległy zmianie: sprawdź wiersze, a następnie ponownie naciśnij Start.</translation>
    </message>
    <message>
        <source>Every row is verified.</source>
        <translation>Zweryfikowano wszystkie wiersze.</translation>
    </message>
    <message>
        <source>Every row is done; a unit differs from its row: see the record.</source>
        <translation>Wszystkie wiersze obsłużone; jednostka różni się od swojego wiersza: zobacz rejestr.</translation>
    </message>
    <message>
        <source>Stopped: the record or a backup could not be written.</source>
        <translation>Zatrzymano: nie można zapisać rejestru lub kopii zapasowej.</translation>
    </message>
    <message>
        <source>Stopped. Rows pending: %1. Press Start to go on.</source>
        <translation>Zatrzymano. Oczekujące wiersze: %1. Naciśnij Start, aby kontynuować.</translation>
    </message>
    <message>
        <source>A batch is running.
Stop it before closing.</source>
        <translation>Seria jest w toku.
Zatrzymaj ją przed zamknięciem.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>&quot;%1&quot; must be on or off, true or false, yes or no, 1 or 0</source>
        <translation>„%1” musi mieć wartość on lub off, true lub false, yes lub no, 1 lub 0</translation>
    </message>
    <message>
        <source>the table is empty: its first line names the settings of its columns</source>
        <translation>tabela jest pusta: jej pierwsza linia podaje nazwy ustawień w kolumnach</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>kolumna %1 nie ma nazwy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names columns %2 and %3</source>
        <translation>„%1” jest nazwą kolumn %2 i %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting</source>
        <translation>„%1” nie jest ustawieniem</translation>
    </message>
    <message>
        <source>the header names no setting, only the serial number</source>
        <translation>nagłówek nie podaje żadnego ustawienia, tylko numer seryjny</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>liczba komórek: w wierszu %1, w nagłówku %2</translation>
    </message>
    <message>
        <source>&quot;serial&quot; is empty: each row names its controller</source>
        <translation>„serial” jest puste: każdy wiersz musi wskazywać swój sterownik</translation>
    </message>
    <message>
        <source>&quot;serial&quot; must be a serial number as info reports it, from -2147483648 to 2147483647</source>
        <translation>„serial” musi być numerem seryjnym w postaci, jaką podaje info, od -2147483648 do 2147483647</translation>
    </message>
    <message>
        <source>&quot;serial&quot; %1 is on lines %2 and %3</source>
        <translation>„serial” %1 występuje w liniach %2 i %3</translation>
    </message>
    <message>
        <source>&quot;device_name&quot; %1 is on lines %2 and %3</source>
        <translation>„device_name” %1 występuje w liniach %2 i %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>column %1:</source>
        <translation>kolumna %1:</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>%1: %2 in the row, %3 in the template</source>
        <translation>%1: %2 w wierszu, %3 w szablonie</translation>
    </message>
    <message>
        <source>row %1 (device_name %2)</source>
        <translation>wiersz %1 (device_name %2)</translation>
    </message>
    <message>
        <source>row %1 (serial %2)</source>
        <translation>wiersz %1 (serial %2)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
</context>
</TS>
