<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Der angewählte Pfad existiert</source>
        <translation>The selected path exists</translation>
    </message>
    <message>
        <source>Der angewählte Pfad existiert nicht</source>
        <translation>The selected path does not exist</translation>
    </message>
    <message>
        <source>Verzeichnisliste</source>
        <translation>Directory list</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Startposition</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>Einzelner Pfad</source>
        <translation>Single path</translation>
    </message>
    <message>
        <source>Pfad hinzufügen</source>
        <translation>Add path</translation>
    </message>
    <message>
        <source>Ausgewählte Pfade löschen</source>
        <translation>Delete selected paths</translation>
    </message>
    <message>
        <source>Anführungszeichen setzen oder entfernen</source>
        <translation>Add or remove quotes</translation>
    </message>
    <message>
        <source>UNC: Laufwerksbuchstaben in Netzwerkpfade umwandeln</source>
        <translation>UNC: convert drive letters to network paths</translation>
    </message>
    <message>
        <source>no UNC: Netzwerkpfade in Laufwerksbuchstaben umwandeln</source>
        <translation>no UNC: convert network paths to drive letters</translation>
    </message>
    <message>
        <source>select: Suche einblenden</source>
        <translation>select: show the search</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Statuszeile</source>
        <translation>Status line</translation>
    </message>
    <message>
        <source>Nummer des angewählten Eintrags</source>
        <translation>Number of the selected entry</translation>
    </message>
    <message>
        <source>Speicherort der dirnal.lst</source>
        <translation>Location of dirnal.lst</translation>
    </message>
    <message>
        <source>selection: Pfade auswählen, die den Suchtext enthalten</source>
        <translation>selection: select paths that contain the search text</translation>
    </message>
    <message>
        <source>Laufwerk der Startposition</source>
        <translation>Drive of the start position</translation>
    </message>
    <message>
        <source>Verzeichnisse der Startposition</source>
        <translation>Directories of the start position</translation>
    </message>
    <message>
        <source>ok: als Startposition übernehmen</source>
        <translation>ok: take as start position</translation>
    </message>
    <message>
        <source>Startposition schließen</source>
        <translation>Close start position</translation>
    </message>
    <message>
        <source>Dateiauswahl schließen</source>
        <translation>Close file selection</translation>
    </message>
    <message>
        <source>Laufwerk der dirnal.lst</source>
        <translation>Drive of dirnal.lst</translation>
    </message>
    <message>
        <source>Verzeichnisse der dirnal.lst</source>
        <translation>Directories of dirnal.lst</translation>
    </message>
    <message>
        <source>Datei dirnal.lst</source>
        <translation>File dirnal.lst</translation>
    </message>
    <message>
        <source>DOS: Pfade in kurze 8.3-Namen umwandeln</source>
        <translation>DOS: convert paths to short 8.3 names</translation>
    </message>
    <message>
        <source>WIN: Pfade in lange Namen umwandeln</source>
        <translation>WIN: convert paths to long names</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>speichern</source>
        <translation>save</translation>
    </message>
    <message>
        <source>relativ zur Startposition</source>
        <translation>relative to start position</translation>
    </message>
    <message>
        <source>Der angewählte Pfad existiert nicht !</source>
        <translation>The selected path does not exist !</translation>
    </message>
    <message>
        <source>Startposition</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>Dateiauswahl</source>
        <translation>File selection</translation>
    </message>
    <message>
        <source>1. Startposition einstellen</source>
        <translation>1. Set start position</translation>
    </message>
    <message>
        <source>2. Liste erstellen</source>
        <translation>2. Create list</translation>
    </message>
    <message>
        <source>Listenerstellung starten</source>
        <translation>Start creating the list</translation>
    </message>
    <message>
        <source>Einzeln hinzufügen / bearbeiten</source>
        <translation>Add / edit single path</translation>
    </message>
    <message>
        <source>dirnal.lst Speicherort</source>
        <translation>dirnal.lst location</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Pfade die diesen Namen enthalten selektieren:</source>
        <translation>Select paths that contain this name:</translation>
    </message>
    <message>
        <source>Startposition für Generierung</source>
        <translation>Start position for the list</translation>
    </message>
    <message>
        <source>Wählen Sie hier das Haupt-Verzeichnis deren Unterverzeichnisse in die Datei dirnal.lst eingetragen werden sollen !</source>
        <translation>Choose the main directory here whose subdirectories are to be entered in the file dirnal.lst !</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Listenerstellung abbrechen (Esc)</source>
        <translation>Cancel making the list (Esc)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;speichern</source>
        <translation>&amp;save</translation>
    </message>
    <message>
        <source>speichern &amp;unter...</source>
        <translation>save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Such-Startposition einstellen</source>
        <translation>&amp;Set search start position</translation>
    </message>
    <message>
        <source>dirnal.lst Speicher&amp;ort festlegen</source>
        <translation>Set dirnal.lst &amp;location</translation>
    </message>
    <message>
        <source>&amp;vorige Eingabe einstellen</source>
        <translation>Restore &amp;previous input</translation>
    </message>
    <message>
        <source>doppelte Einträge &amp;löschen</source>
        <translation>Delete duplicate &amp;entries</translation>
    </message>
    <message>
        <source>&amp;relativ zur Startposition</source>
        <translation>&amp;relative to start position</translation>
    </message>
    <message>
        <source>&amp;nicht vorhandene Pfade auswählen</source>
        <translation>select paths that do &amp;not exist</translation>
    </message>
    <message>
        <source>&amp;INFO</source>
        <translation>&amp;INFO</translation>
    </message>
    <message>
        <source>Prüfung abbrechen (Esc)</source>
        <translation>Cancel the check (Esc)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Erstellt bequem die Datei dirnal.lst für Ihr CAD-System.</source>
        <translation>Conveniently creates the file dirnal.lst for your CAD system.</translation>
    </message>
    <message>
        <source>Diese Software ist kostenlos.
Sie erstellt die Suchpfad-Datei dirnal.lst des CAD-Systems.
Damit das CAD-System die Pfade darin verwendet, muss seine
Konfigurationsdatei den Pfad dieser Datei in ihrer Option
für die Suchpfad-Datei nennen.
Für Schäden aus der Nutzung haftet der Autor nicht.
</source>
        <translation>This software is free of charge.
It creates the CAD system&apos;s search path file dirnal.lst.
For the CAD system to use the paths in it, its
configuration file must name the path of this file in its
option for the search path file.
The author accepts no liability for damage from its use.
</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Details:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bild: Ordnerbaum und dirnal.lst</source>
        <translation>Picture: folder tree and dirnal.lst</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Wollen Sie die bestehende Liste löschen ?</source>
        <translation>Do you want to delete the existing list ?</translation>
    </message>
    <message>
        <source>Wollen Sie die Datei %1 speichern ?</source>
        <translation>Do you want to save the file %1 ?</translation>
    </message>
    <message>
        <source>diese Änderung kann nicht rückgängig gemacht werden ! weiter ?</source>
        <translation>this change cannot be undone ! continue ?</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ok.</source>
        <translation>ok.</translation>
    </message>
    <message>
        <source>existiert nicht !</source>
        <translation>does not exist !</translation>
    </message>
    <message>
        <source>löschen...</source>
        <translation>deleting...</translation>
    </message>
    <message>
        <source>kein Inhalt</source>
        <translation>no content</translation>
    </message>
    <message>
        <source>delete double</source>
        <translation>delete double</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>file saved</translation>
    </message>
    <message>
        <source>Datei lesen...</source>
        <translation>reading file...</translation>
    </message>
    <message>
        <source>Laufwerk nicht verfügbar !</source>
        <translation>Drive not available !</translation>
    </message>
    <message>
        <source>%1 Verzeichnisse gefunden...</source>
        <translation>%1 directories found...</translation>
    </message>
    <message>
        <source>Die Liste ist unvollständig: die Höchstzahl von %1 Einträgen wurde erreicht.</source>
        <translation>The list is incomplete: the maximum of %1 entries was reached.</translation>
    </message>
    <message>
        <source>1 Verzeichnis konnte nicht gelesen werden; seine Unterverzeichnisse fehlen in der Liste.</source>
        <translation>1 directory could not be read; its subdirectories are missing from the list.</translation>
    </message>
    <message>
        <source>%1 Verzeichnisse konnten nicht gelesen werden; ihre Unterverzeichnisse fehlen in der Liste.</source>
        <translation>%1 directories could not be read; their subdirectories are missing from the list.</translation>
    </message>
    <message>
        <source>Zuerst Datei auswählen !</source>
        <translation>Choose a file first !</translation>
    </message>
    <message>
        <source>Das Verzeichnis existiert nicht</source>
        <translation>The directory does not exist</translation>
    </message>
    <message>
        <source>Die Datei existiert nicht</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>Keine Berechtigung, oder die Datei ist schreibgeschützt</source>
        <translation>No permission, or the file is write-protected</translation>
    </message>
    <message>
        <source>Keine Berechtigung, in diesem Verzeichnis eine Datei anzulegen</source>
        <translation>No permission to create a file in this directory</translation>
    </message>
    <message>
        <source>Das Laufwerk ist schreibgeschützt</source>
        <translation>The drive is write-protected</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist nicht genug Platz</source>
        <translation>There is not enough space on the disk</translation>
    </message>
    <message>
        <source>Die Datei wäre größer, als das System erlaubt</source>
        <translation>The file would be larger than the system allows</translation>
    </message>
    <message>
        <source>Der Pfad ist ein Verzeichnis, keine Datei</source>
        <translation>The path is a directory, not a file</translation>
    </message>
    <message>
        <source>Der Pfad ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket</source>
        <translation>The path is not an ordinary file but a device, a pipe or a socket</translation>
    </message>
    <message>
        <source>Der Pfad ist leer oder enthält unzulässige Zeichen</source>
        <translation>The path is empty or contains characters that are not allowed</translation>
    </message>
    <message>
        <source>Der Pfad oder ein Name darin ist zu lang</source>
        <translation>The path or a name in it is too long</translation>
    </message>
    <message>
        <source>Der Pfad führt über zu viele symbolische Verknüpfungen oder im Kreis</source>
        <translation>The path leads through too many symbolic links or in a circle</translation>
    </message>
    <message>
        <source>Die Datei wird gerade von einem anderen Programm benutzt</source>
        <translation>The file is being used by another program</translation>
    </message>
    <message>
        <source>Der Datenträger meldet einen Lese- oder Schreibfehler</source>
        <translation>The disk reports a read or write error</translation>
    </message>
    <message>
        <source>Die Netzwerkverbindung ist unterbrochen, oder der Server antwortet nicht</source>
        <translation>The network connection is broken, or the server does not answer</translation>
    </message>
    <message>
        <source>Dem System fehlt Speicher, oder es sind zu viele Dateien geöffnet</source>
        <translation>The system is out of memory, or too many files are open</translation>
    </message>
    <message>
        <source>Unbekannter Systemfehler</source>
        <translation>Unknown system error</translation>
    </message>
    <message>
        <source> (Fehlercode %1)</source>
        <translation> (error code %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.
%2</source>
        <translation>The file %1 could not be read.
%2</translation>
    </message>
    <message>
        <source>Die alte Datei ist unverändert.</source>
        <translation>The old file is unchanged.</translation>
    </message>
    <message>
        <source>Die Datei wurde beim Schreiben unterbrochen; ihr alter Inhalt wurde Byte für Byte zurückgeschrieben.</source>
        <translation>Writing the file was interrupted; its old content was written back byte for byte.</translation>
    </message>
    <message>
        <source>Die Datei wurde beim Schreiben unterbrochen, und ihr alter Inhalt konnte nicht zurückgeschrieben werden: sie ist jetzt unvollständig. Speichern Sie die Liste bitte an einem anderen Ort.</source>
        <translation>Writing the file was interrupted, and its old content could not be written back: it is now incomplete. Please save the list in another place.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gespeichert werden.
%2
%3</source>
        <translation>The file %1 could not be saved.
%2
%3</translation>
    </message>
    <message>
        <source>Datei dirnal.lst wurde unter %1 gespeichert</source>
        <translation>File dirnal.lst was saved in %1</translation>
    </message>
    <message>
        <source>Die Liste fasst höchstens %1 Einträge: %2 Zeilen der Datei wurden nicht gelesen.</source>
        <translation>The list holds at most %1 entries: %2 lines of the file were not read.</translation>
    </message>
    <message>
        <source>Das Startverzeichnis &quot;%1&quot; existiert nicht oder ist kein Verzeichnis.</source>
        <translation>The start directory &quot;%1&quot; does not exist or is not a directory.</translation>
    </message>
    <message>
        <source>Die Standardausgabe kann nicht geschrieben werden.</source>
        <translation>Standard output cannot be written.</translation>
    </message>
    <message>
        <source>Die Liste ist voll (%1 Einträge); der Pfad wurde nicht hinzugefügt.</source>
        <translation>The list is full (%1 entries); the path was not added.</translation>
    </message>
    <message>
        <source>Die Datei geht über das hinaus, was die Liste mit höchstens %1 Einträgen fassen kann; ihr Rest wurde nicht gelesen.</source>
        <translation>The file goes on beyond what the list of at most %1 entries can hold; the rest of it was not read.</translation>
    </message>
    <message>
        <source>Liste nicht gespeichert</source>
        <translation>list not saved</translation>
    </message>
    <message>
        <source>UTF-8 mit Byte-Reihenfolge-Markierung (BOM)</source>
        <translation>UTF-8 with a byte order mark (BOM)</translation>
    </message>
    <message>
        <source>UTF-8 ohne Byte-Reihenfolge-Markierung</source>
        <translation>UTF-8 without a byte order mark</translation>
    </message>
    <message>
        <source>ANSI-Codepage %1</source>
        <translation>ANSI code page %1</translation>
    </message>
    <message>
        <source>Die Datei ist in %1 geschrieben und wurde so gelesen. Gespeichert wird die Liste in der Form der Listendatei: %2.</source>
        <translation>The file is written in %1 and was read as such. The list is saved in the list file&apos;s own form: %2.</translation>
    </message>
    <message>
        <source>und %1 weitere</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>Im Programmordner %1 kann keine Datei angelegt werden. Die Liste wurde deshalb in Ihrem Ordner Dokumente gespeichert:
%2</source>
        <translation>No file can be created in the program folder %1. The list was therefore saved in your Documents folder:
%2</translation>
    </message>
    <message>
        <source>Keine Berechtigung, die Datei zu lesen</source>
        <translation>No permission to read the file</translation>
    </message>
    <message>
        <source>Es wurde keine Datei angelegt.</source>
        <translation>No file was created.</translation>
    </message>
    <message>
        <source>1 Zeile der Datei ist länger als %1 Zeichen und wurde nicht gelesen.</source>
        <translation>1 line of the file is longer than %1 characters and was not read.</translation>
    </message>
    <message>
        <source>%1 Zeilen der Datei sind länger als %2 Zeichen und wurden nicht gelesen.</source>
        <translation>%1 lines of the file are longer than %2 characters and were not read.</translation>
    </message>
    <message>
        <source>Die Liste fasst höchstens %1 Einträge: 1 Zeile der Datei wurde nicht gelesen.</source>
        <translation>The list holds at most %1 entries: 1 line of the file was not read.</translation>
    </message>
    <message>
        <source>1 Zeile der Datei enthält ein Nullzeichen, das kein Pfad enthält, und wurde nicht gelesen.</source>
        <translation>1 line of the file holds a NUL character, which no path holds, and was not read.</translation>
    </message>
    <message>
        <source>%1 Zeilen der Datei enthalten ein Nullzeichen, das kein Pfad enthält, und wurden nicht gelesen.</source>
        <translation>%1 lines of the file hold a NUL character, which no path holds, and were not read.</translation>
    </message>
    <message>
        <source>Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen fassen kann. 1 Eintrag wurde deshalb mit dem kurzen Namen (8.3) geschrieben; in der Liste bleibt er, wie er ist:%2</source>
        <translation>The list file is written in the %1, which cannot hold every name. 1 entry was therefore written by its short (8.3) name; in the list it stays as it is:%2</translation>
    </message>
    <message>
        <source>Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen fassen kann. %2 Einträge wurden deshalb mit dem kurzen Namen (8.3) geschrieben; in der Liste bleiben sie, wie sie sind:%3</source>
        <translation>The list file is written in the %1, which cannot hold every name. %2 entries were therefore written by their short (8.3) names; in the list they stay as they are:%3</translation>
    </message>
    <message>
        <source>Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen fassen kann. 1 Eintrag wurde nicht in die Datei geschrieben, da es keinen kurzen Namen (8.3) gibt, den sie fasst; in der Liste bleibt er:%2</source>
        <translation>The list file is written in the %1, which cannot hold every name. 1 entry was not written to the file, as there is no short (8.3) name it can hold; it stays in the list:%2</translation>
    </message>
    <message>
        <source>Die Listendatei wird in der %1 geschrieben, die nicht jeden Namen fassen kann. %2 Einträge wurden nicht in die Datei geschrieben, da es keinen kurzen Namen (8.3) gibt, den sie fasst; in der Liste bleiben sie:%3</source>
        <translation>The list file is written in the %1, which cannot hold every name. %2 entries were not written to the file, as there is no short (8.3) name it can hold; they stay in the list:%3</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 ist keine gewöhnliche Datei, die das Programm schreiben kann (ein Gerät, eine Pipe, eine Verknüpfung ins Leere oder schreibgeschützt). Das Programm speichert keine Einstellungen.</source>
        <translation>The settings file %1 is not an ordinary file the program can write (a device, a pipe, a link to nothing, or write-protected). The program stores no settings.</translation>
    </message>
    <message>
        <source>Ihr alter Inhalt ließ sich vor dem Schreiben nicht sichern; die alte Datei ist deshalb unverändert.</source>
        <translation>Its old content could not be backed up before writing, so the old file is unchanged.</translation>
    </message>
    <message>
        <source>Ihr alter Inhalt liegt in %1.</source>
        <translation>Its old content is in %1.</translation>
    </message>
    <message>
        <source>Das Speichern der Datei %1 wurde unterbrochen, bevor sie ganz geschrieben war; sie kann Teile der alten und der neuen Liste enthalten. Ihr alter Inhalt wurde vorher in %2 gesichert.</source>
        <translation>Saving the file %1 was interrupted before it was completely written; it may hold parts of the old and the new list. Its old content was backed up to %2 beforehand.</translation>
    </message>
    <message>
        <source>Soll der alte Inhalt zurückgeschrieben werden? Bei Nein bleiben die Datei und die Sicherung, wie sie sind.</source>
        <translation>Write the old content back? With No, the file and the backup stay as they are.</translation>
    </message>
    <message>
        <source>Den alten Inhalt zurückholen: %1
Die Datei lassen, wie sie ist: %2</source>
        <translation>To get the old content back: %1
To leave the file as it is: %2</translation>
    </message>
    <message>
        <source>Der alte Inhalt der Datei %1 wurde zurückgeschrieben.</source>
        <translation>The old content of the file %1 has been written back.</translation>
    </message>
    <message>
        <source>Einträge gegenüber der alten Datei: %1 neu, %2 entfallen.</source>
        <translation>Entries compared with the old file: %1 new, %2 gone.</translation>
    </message>
    <message>
        <source>%1: alle %2 Einträge nennen ein vorhandenes Verzeichnis.</source>
        <translation>%1: all %2 entries name an existing directory.</translation>
    </message>
    <message>
        <source>%1: %2 von %3 Einträgen nennen kein vorhandenes Verzeichnis.</source>
        <translation>%1: %2 of %3 entries name no existing directory.</translation>
    </message>
    <message>
        <source>Relative Einträge wurden unter %1 gesucht, dem Ordner der Datei.</source>
        <translation>Relative entries were looked for in %1, the file&apos;s folder.</translation>
    </message>
    <message>
        <source>Es hat nicht innerhalb von %1 Sekunden geantwortet.</source>
        <translation>It did not answer within %1 seconds.</translation>
    </message>
    <message>
        <source>Es existiert nicht mehr, oder es ist kein Verzeichnis.</source>
        <translation>It no longer exists, or it is not a directory.</translation>
    </message>
    <message>
        <source>Keine Berechtigung, es zu lesen</source>
        <translation>No permission to read it</translation>
    </message>
    <message>
        <source>Das Startverzeichnis &quot;%1&quot; konnte nicht gelesen werden. %2
Es wurde keine Liste erstellt; die bisherige Liste bleibt, wie sie war.</source>
        <translation>The start directory &quot;%1&quot; could not be read. %2
No list was made; the list stays as it was.</translation>
    </message>
    <message>
        <source>Listenerstellung abgebrochen</source>
        <translation>Making the list cancelled</translation>
    </message>
    <message>
        <source>Liste nicht erstellt</source>
        <translation>List not made</translation>
    </message>
    <message>
        <source>1 Verzeichnis hat nicht binnen %2 s geantwortet und wurde übergangen; seine Unterverzeichnisse fehlen in der Liste:%3</source>
        <translation>1 directory did not answer within %2 s and was passed over; its subdirectories are missing from the list:%3</translation>
    </message>
    <message>
        <source>%1 Verzeichnisse haben nicht binnen %2 s geantwortet und wurden übergangen; ihre Unterverzeichnisse fehlen in der Liste:%3</source>
        <translation>%1 directories did not answer within %2 s and were passed over; their subdirectories are missing from the list:%3</translation>
    </message>
    <message>
        <source>1 Verzeichnis ist während der Suche verschwunden (gelöscht, umbenannt, oder sein Laufwerk wurde getrennt); es steht in der Liste, seine Unterverzeichnisse fehlen:%2</source>
        <translation>1 directory vanished during the search (deleted, renamed, or its drive was disconnected); it is in the list, its subdirectories are missing:%2</translation>
    </message>
    <message>
        <source>%1 Verzeichnisse sind während der Suche verschwunden (gelöscht, umbenannt, oder ihr Laufwerk wurde getrennt); sie stehen in der Liste, ihre Unterverzeichnisse fehlen:%2</source>
        <translation>%1 directories vanished during the search (deleted, renamed, or their drive was disconnected); they are in the list, their subdirectories are missing:%2</translation>
    </message>
    <message>
        <source>1 Verzeichnis mit einem Zeilenumbruch im Namen kann nicht in die Liste übernommen werden; es fehlt samt seinen Unterverzeichnissen.</source>
        <translation>1 directory with a line break in its name cannot be taken into the list; it is missing with its subdirectories.</translation>
    </message>
    <message>
        <source>%1 Verzeichnisse mit einem Zeilenumbruch im Namen können nicht in die Liste übernommen werden; sie fehlen samt ihren Unterverzeichnissen.</source>
        <translation>%1 directories with a line break in their names cannot be taken into the list; they are missing with their subdirectories.</translation>
    </message>
    <message>
        <source>%1 von %2 Pfad geprüft...</source>
        <translation>%1 of %2 path checked...</translation>
    </message>
    <message>
        <source>%1 von %2 Pfaden geprüft...</source>
        <translation>%1 of %2 paths checked...</translation>
    </message>
    <message>
        <source>Alle Pfade existieren</source>
        <translation>All paths exist</translation>
    </message>
    <message>
        <source>1 Pfad existiert nicht</source>
        <translation>1 path does not exist</translation>
    </message>
    <message>
        <source>%1 Pfade existieren nicht</source>
        <translation>%1 paths do not exist</translation>
    </message>
    <message>
        <source>%1 (wird geprüft …)</source>
        <translation>%1 (being checked …)</translation>
    </message>
    <message>
        <source>%1 (nicht verfügbar)</source>
        <translation>%1 (not available)</translation>
    </message>
    <message>
        <source>Gespeicherte Ordner werden geprüft …</source>
        <translation>Checking the stored folders …</translation>
    </message>
    <message>
        <source>Speichern … (wartet auf das Laufwerk)</source>
        <translation>Saving … (waiting for the drive)</translation>
    </message>
    <message>
        <source>0 Pfade existieren nicht</source>
        <translation>0 paths do not exist</translation>
    </message>
    <message>
        <source>; 1 Pfad nicht geprüft (keine Antwort oder kein Zugriff), nicht ausgewählt</source>
        <translation>; 1 path not checked (no answer or no access), not selected</translation>
    </message>
    <message>
        <source>; %1 Pfade nicht geprüft (keine Antwort oder kein Zugriff), nicht ausgewählt</source>
        <translation>; %1 paths not checked (no answer or no access), not selected</translation>
    </message>
    <message>
        <source>Prüfung abgebrochen</source>
        <translation>Check cancelled</translation>
    </message>
    <message>
        <source>1 Eintrag konnte nicht geprüft werden (keine Antwort in %1 s oder kein Zugriff); er zählt nicht als fehlend:</source>
        <translation>1 entry could not be checked (no answer within %1 s or no access); it does not count as missing:</translation>
    </message>
    <message>
        <source>%1 Einträge konnten nicht geprüft werden (keine Antwort in %2 s oder kein Zugriff); sie zählen nicht als fehlend:</source>
        <translation>%1 entries could not be checked (no answer within %2 s or no access); they do not count as missing:</translation>
    </message>
    <message>
        <source>1 konnte nicht geprüft werden.</source>
        <translation>1 could not be checked.</translation>
    </message>
    <message>
        <source>%1 konnten nicht geprüft werden.</source>
        <translation>%1 could not be checked.</translation>
    </message>
    <message>
        <source>Kein Eintrag geändert</source>
        <translation>No entry changed</translation>
    </message>
    <message>
        <source>1 Eintrag geändert</source>
        <translation>1 entry changed</translation>
    </message>
    <message>
        <source>%1 Einträge geändert</source>
        <translation>%1 entries changed</translation>
    </message>
    <message>
        <source>Angefügt: %1</source>
        <translation>Appended: %1</translation>
    </message>
    <message>
        <source>Startposition: %1</source>
        <translation>Start position: %1</translation>
    </message>
    <message>
        <source>1 Eintrag gelesen</source>
        <translation>1 entry read</translation>
    </message>
    <message>
        <source>%1 Einträge gelesen</source>
        <translation>%1 entries read</translation>
    </message>
    <message>
        <source>keine Antwort !</source>
        <translation>no answer !</translation>
    </message>
    <message>
        <source>Ordner nicht verfügbar (nicht vorhanden oder keine Antwort) !</source>
        <translation>Folder not available (not there or no answer) !</translation>
    </message>
    <message>
        <source>Lesen abgebrochen</source>
        <translation>Reading cancelled</translation>
    </message>
    <message>
        <source>umwandeln...</source>
        <translation>converting...</translation>
    </message>
    <message>
        <source>Umwandlung abgebrochen</source>
        <translation>Conversion cancelled</translation>
    </message>
    <message>
        <source>prüfen...</source>
        <translation>checking...</translation>
    </message>
</context>
</TS>
