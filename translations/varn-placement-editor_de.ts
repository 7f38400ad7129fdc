<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MapHeadings</name>
    <message>
        <source>not a unit rotation</source>
        <translation>keine Einheitsdrehung</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
</context>
<context>
    <name>varn::AboutBox</name>
    <message>
        <source>Product Name: Varn Placement Editor</source>
        <translation>Produktname: Varn Placement Editor</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Made by the Varn team, free for every map maker.</source>
        <translation>Vom Varn-Team, frei für alle Kartenbauer.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>varn::BulkEditCommands</name>
    <message>
        <source>1 row changed.</source>
        <translation>1 Zeile geändert.</translation>
    </message>
    <message>
        <source>%1 rows changed.</source>
        <translation>%1 Zeilen geändert.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Sort by Current Column</source>
        <translation>Nach aktueller Spalte sortieren</translation>
    </message>
    <message>
        <source>Move and Rotate...</source>
        <translation>Verschieben und Drehen...</translation>
    </message>
    <message>
        <source>Change Column...</source>
        <translation>Spalte ändern...</translation>
    </message>
    <message>
        <source>Select the rows to change first.</source>
        <translation>Wählen Sie zuerst die Zeilen aus, die geändert werden sollen.</translation>
    </message>
    <message>
        <source>%1 rows cut.</source>
        <translation>%1 Zeilen ausgeschnitten.</translation>
    </message>
</context>
<context>
    <name>varn::ChangeColumnDialog</name>
    <message>
        <source>Set to</source>
        <translation>Setzen auf</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Multiplizieren mit</translation>
    </message>
    <message>
        <source>Replace a name</source>
        <translation>Einen Namen ersetzen</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wert:</translation>
    </message>
    <message>
        <source>&amp;Name replaced:</source>
        <translation>Ersetzter &amp;Name:</translation>
    </message>
    <message>
        <source>Change Column of Section %1</source>
        <translation>Spalte von Abschnitt %1 ändern</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Name replaced</source>
        <translation>Ersetzter Name</translation>
    </message>
    <message>
        <source>Rows that will change</source>
        <translation>Zeilen, die sich ändern</translation>
    </message>
    <message>
        <source>Why nothing can change</source>
        <translation>Warum sich nichts ändern kann</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <translation>&amp;Spalte:</translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Vorgang:</translation>
    </message>
    <message>
        <source>&amp;By the name:</source>
        <translation>&amp;Durch den Namen:</translation>
    </message>
    <message>
        <source>By the name</source>
        <translation>Durch den Namen</translation>
    </message>
    <message>
        <source>1 row will change</source>
        <translation>1 Zeile wird geändert</translation>
    </message>
    <message>
        <source>%1 rows will change</source>
        <translation>%1 Zeilen werden geändert</translation>
    </message>
</context>
<context>
    <name>varn::ClipboardCommands</name>
    <message>
        <source>Paste Row %1 into Section %2</source>
        <translation>Zeile %1 in Abschnitt %2 einfügen</translation>
    </message>
    <message>
        <source>Paste %1 Rows into Section %2</source>
        <translation>%1 Zeilen in Abschnitt %2 einfügen</translation>
    </message>
    <message>
        <source>Cut Row %1 of Section %2</source>
        <translation>Zeile %1 von Abschnitt %2 ausschneiden</translation>
    </message>
    <message>
        <source>Cut %1 Rows of Section %2</source>
        <translation>%1 Zeilen von Abschnitt %2 ausschneiden</translation>
    </message>
</context>
<context>
    <name>varn::CsvImport</name>
    <message>
        <source>the file is not UTF-8 text but UTF-16, it seems; save it as UTF-8</source>
        <translation>die Datei ist kein UTF-8-Text, sondern anscheinend UTF-16; speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; save it as UTF-8</source>
        <translation>die Datei ist kein UTF-8-Text; speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no field of section %2</source>
        <translation>„%1“ ist kein Feld von Abschnitt %2</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; appears twice</source>
        <translation>die Spalte „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is missing</source>
        <translation>die Spalte „%1“ fehlt</translation>
    </message>
    <message>
        <source>this line has %1 fields, but the first line names %2</source>
        <translation>diese Zeile hat %1 Felder, die erste Zeile nennt aber %2</translation>
    </message>
    <message>
        <source>the file is empty; its first line must name the fields</source>
        <translation>die Datei ist leer; ihre erste Zeile muss die Felder nennen</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>die ganze Datei</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Speicher</translation>
    </message>
    <message>
        <source>the quoted field never ends</source>
        <translation>das Feld in Anführungszeichen endet nie</translation>
    </message>
    <message>
        <source>a closing quote must be followed by a comma or a line break</source>
        <translation>auf ein schließendes Anführungszeichen muss ein Komma oder ein Zeilenumbruch folgen</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
</context>
<context>
    <name>varn::DesktopAssociation</name>
    <message>
        <source>Cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>it is not installed.</source>
        <translation>es ist nicht installiert.</translation>
    </message>
    <message>
        <source>it did not finish within a minute.</source>
        <translation>es wurde nicht innerhalb einer Minute fertig.</translation>
    </message>
    <message>
        <source>it ended with exit code %1.</source>
        <translation>es endete mit dem Exit-Code %1.</translation>
    </message>
</context>
<context>
    <name>varn::DialogPrompts</name>
    <message>
        <source>Windows Placement Files (.wpl) (*.wpl)</source>
        <translation>Windows-Platzierungsdateien (.wpl) (*.wpl)</translation>
    </message>
    <message>
        <source>Xenon Placement Files (.xpl) (*.xpl)</source>
        <translation>Xenon-Platzierungsdateien (.xpl) (*.xpl)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Windows Placement File (.wpl) (*.wpl)</source>
        <translation>Windows-Platzierungsdatei (.wpl) (*.wpl)</translation>
    </message>
    <message>
        <source>Xenon Placement File (.xpl) (*.xpl)</source>
        <translation>Xenon-Platzierungsdatei (.xpl) (*.xpl)</translation>
    </message>
    <message>
        <source>The document has changes that are not saved.</source>
        <translation>Das Dokument enthält Änderungen, die nicht gespeichert sind.</translation>
    </message>
    <message>
        <source>Do you want to save them first?</source>
        <translation>Möchten Sie sie zuerst speichern?</translation>
    </message>
    <message>
        <source>Go to Row</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Row number (0 to %1):</source>
        <translation>Zeilennummer (0 bis %1):</translation>
    </message>
    <message>
        <source>Another program changed &quot;%1&quot;.</source>
        <translation>Ein anderes Programm hat „%1“ geändert.</translation>
    </message>
    <message>
        <source>Read the file again and lose the changes made here, or keep the document as it is?</source>
        <translation>Die Datei neu einlesen und die hier gemachten Änderungen verwerfen, oder das Dokument so behalten, wie es ist?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Keep Mine</source>
        <translation>Meine behalten</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>CSV of the current section (*.csv)</source>
        <translation>CSV des aktuellen Abschnitts (*.csv)</translation>
    </message>
    <message>
        <source>JSON of the whole document (*.json)</source>
        <translation>JSON des ganzen Dokuments (*.json)</translation>
    </message>
    <message>
        <source>Import CSV into Section</source>
        <translation>CSV in Abschnitt importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 rows of &quot;%2&quot; are ready for Section %3.</source>
        <translation>%1 Zeilen aus „%2“ sind für Abschnitt %3 bereit.</translation>
    </message>
    <message>
        <source>Replace the section&apos;s %1 rows with them, or append them after those?</source>
        <translation>Sollen sie die %1 Zeilen des Abschnitts ersetzen oder hinter ihnen angefügt werden?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anfügen</translation>
    </message>
    <message>
        <source>Export Map Picture</source>
        <translation>Kartenbild exportieren</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Folder to Search</source>
        <translation>Zu durchsuchender Ordner</translation>
    </message>
</context>
<context>
    <name>varn::FieldTests</name>
    <message>
        <source>The text holds the character U+%1, which Windows-1252 lacks</source>
        <translation>Der Text enthält das Zeichen U+%1, das Windows-1252 nicht kennt</translation>
    </message>
    <message>
        <source>The text takes %1 bytes and does not fit its field of %2</source>
        <translation>Der Text belegt %1 Bytes und passt nicht in sein Feld von %2</translation>
    </message>
</context>
<context>
    <name>varn::FileAssociation</name>
    <message>
        <source>Files with the extension .wpl are associated with another program or another copy of this one. Associate .wpl files with this program?</source>
        <translation>Dateien mit der Endung .wpl sind mit einem anderen Programm oder einer anderen Kopie dieses Programms verknüpft. Sollen .wpl-Dateien mit diesem Programm verknüpft werden?</translation>
    </message>
</context>
<context>
    <name>varn::FilterBar</name>
    <message>
        <source>Find in rows (=, &lt;, &gt;, != with a number on one column)</source>
        <translation>In Zeilen suchen (=, &lt;, &gt;, != mit einer Zahl in einer Spalte)</translation>
    </message>
    <message>
        <source>All columns</source>
        <translation>Alle Spalten</translation>
    </message>
    <message>
        <source>Finding...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>%1 of %2 rows</source>
        <translation>%1 von %2 Zeilen</translation>
    </message>
</context>
<context>
    <name>varn::FilterQuery</name>
    <message>
        <source>&quot;%1&quot; compares numbers in one column: choose the column first</source>
        <translation>„%1“ vergleicht Zahlen in einer Spalte: wählen Sie zuerst die Spalte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a number after %2</source>
        <translation>„%1“ braucht eine Zahl nach %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts with no column of section %2 (%3)</source>
        <translation>„%1“ beginnt mit keiner Spalte von Abschnitt %2 (%3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs a text to find after ~</source>
        <translation>„%1“ braucht nach ~ einen zu suchenden Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs =, !=, &lt;, &lt;=, &gt; or &gt;= and a number, or ~ and a text, after its column</source>
        <translation>„%1“ braucht nach seiner Spalte =, !=, &lt;, &lt;=, &gt; oder &gt;= und eine Zahl, oder ~ und einen Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 holds texts, which do not compare as numbers; find a text in it with ~</source>
        <translation>„%1“: %2 enthält Texte, die sich nicht als Zahlen vergleichen lassen; suchen Sie darin einen Text mit ~</translation>
    </message>
</context>
<context>
    <name>varn::FindInFiles</name>
    <message>
        <source>&amp;Find in Files...</source>
        <translation>In &amp;Dateien suchen...</translation>
    </message>
</context>
<context>
    <name>varn::FindInFilesDialog</name>
    <message>
        <source>Find in Files</source>
        <translation>In Dateien suchen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the folder</source>
        <translation>Den Ordner auswählen</translation>
    </message>
    <message>
        <source>F&amp;older:</source>
        <translation>&amp;Ordner:</translation>
    </message>
    <message>
        <source>Model name or hash</source>
        <translation>Modellname oder Hash</translation>
    </message>
    <message>
        <source>A model name, or its hash as a number or [hash:N]</source>
        <translation>Ein Modellname oder sein Hash als Zahl oder [hash:N]</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <source>Near X</source>
        <translation>Nahe X</translation>
    </message>
    <message>
        <source>Near Y</source>
        <translation>Nahe Y</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>R&amp;adius:</source>
        <translation>&amp;Radius:</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Only near:</source>
        <translation>Nur in der Nähe von:</translation>
    </message>
    <message>
        <source>Files searched</source>
        <translation>Durchsuchte Dateien</translation>
    </message>
    <message>
        <source>%v of %m files</source>
        <translation>%v von %m Dateien</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stop the search; the hits found so far stay</source>
        <translation>Die Suche anhalten; die bisherigen Treffer bleiben</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Stand der Suche</translation>
    </message>
    <message>
        <source>&amp;Hits:</source>
        <translation>&amp;Treffer:</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Files skipped</source>
        <translation>Übersprungene Dateien</translation>
    </message>
    <message>
        <source>Give a model name or a hash.</source>
        <translation>Geben Sie einen Modellnamen oder einen Hash an.</translation>
    </message>
    <message>
        <source>Give X, Y and a radius of 0 or more as numbers, or leave all three empty.</source>
        <translation>Geben Sie X, Y und einen Radius von 0 oder mehr als Zahlen an, oder lassen Sie alle drei leer.</translation>
    </message>
    <message>
        <source>Give the folder to search.</source>
        <translation>Geben Sie den zu durchsuchenden Ordner an.</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot;.</source>
        <translation>Es gibt keinen Ordner „%1“.</translation>
    </message>
    <message>
        <source>Listing the files...</source>
        <translation>Die Dateien werden aufgelistet...</translation>
    </message>
    <message>
        <source>Searching: %1 of %2 files, %3 hits so far...</source>
        <translation>Suche: %1 von %2 Dateien, bisher %3 Treffer...</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>1 file was skipped:</source>
        <translation>1 Datei wurde übersprungen:</translation>
    </message>
    <message>
        <source>%1 files were skipped:</source>
        <translation>%1 Dateien wurden übersprungen:</translation>
    </message>
    <message>
        <source>Cancelled: %1 hits in the %2 files searched.</source>
        <translation>Abgebrochen: %1 Treffer in den %2 durchsuchten Dateien.</translation>
    </message>
    <message>
        <source>No placement files in the folder.</source>
        <translation>Keine Platzierungsdateien im Ordner.</translation>
    </message>
    <message>
        <source>No hits in %1 files.</source>
        <translation>Keine Treffer in %1 Dateien.</translation>
    </message>
    <message>
        <source>%1 hits in %2 files.</source>
        <translation>%1 Treffer in %2 Dateien.</translation>
    </message>
</context>
<context>
    <name>varn::FindResultsModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
</context>
<context>
    <name>varn::History</name>
    <message>
        <source>Add Row %1 of Section %2</source>
        <translation>Zeile %1 zu Abschnitt %2 hinzufügen</translation>
    </message>
    <message>
        <source>Delete Row %1 of Section %2</source>
        <translation>Zeile %1 von Abschnitt %2 löschen</translation>
    </message>
    <message>
        <source>Delete %1 Rows of Section %2</source>
        <translation>%1 Zeilen von Abschnitt %2 löschen</translation>
    </message>
    <message>
        <source>Edit Row %1 of Section %2</source>
        <translation>Zeile %1 von Abschnitt %2 bearbeiten</translation>
    </message>
    <message>
        <source>1 Row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 Rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>Import %1 in Place of Section %2</source>
        <translation>%1 anstelle von Abschnitt %2 importieren</translation>
    </message>
    <message>
        <source>Import %1 into Section %2</source>
        <translation>%1 in Abschnitt %2 importieren</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Change %1 of %2 of Section %3</source>
        <translation>%1 von %2 in Abschnitt %3 ändern</translation>
    </message>
    <message>
        <source>Move and Rotate %1 of Section %2</source>
        <translation>%1 von Abschnitt %2 verschieben und drehen</translation>
    </message>
    <message>
        <source>Rotate %1 of Section %2</source>
        <translation>%1 von Abschnitt %2 drehen</translation>
    </message>
    <message>
        <source>Move %1 of Section %2</source>
        <translation>%1 von Abschnitt %2 verschieben</translation>
    </message>
</context>
<context>
    <name>varn::InterchangeCommands</name>
    <message>
        <source>The document was exported to %1.</source>
        <translation>Das Dokument wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>Section %1 was exported to %2.</source>
        <translation>Abschnitt %1 wurde nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 rows of %2 were imported into Section %3.</source>
        <translation>%1 Zeilen aus %2 wurden in Abschnitt %3 importiert.</translation>
    </message>
</context>
<context>
    <name>varn::ItemEditor</name>
    <message>
        <source>Items Editor</source>
        <translation>Einträge bearbeiten</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Check all inputs!</source>
        <translation>Alle Eingaben prüfen!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter an floating-point value</source>
        <translation>Geben Sie eine Gleitkommazahl ein</translation>
    </message>
    <message>
        <source>Enter an unsigned integer value</source>
        <translation>Geben Sie eine nicht negative ganze Zahl ein</translation>
    </message>
    <message>
        <source>Enter an integer value</source>
        <translation>Geben Sie eine ganze Zahl ein</translation>
    </message>
    <message>
        <source>Only 0-9, A-Z, a-z and _&#xa0;are allowed</source>
        <translation>Nur 0-9, A-Z, a-z und _&#xa0;sind erlaubt</translation>
    </message>
    <message>
        <source>Only 0-9, A-Z, a-z and _&#xa0; are allowed</source>
        <translation>Nur 0-9, A-Z, a-z und _&#xa0; sind erlaubt</translation>
    </message>
</context>
<context>
    <name>varn::MainWindow</name>
    <message>
        <source>Xenon Placement File opened successfully!</source>
        <translation>Xenon-Platzierungsdatei erfolgreich geöffnet!</translation>
    </message>
    <message>
        <source>Windows Placement File opened successfully!</source>
        <translation>Windows-Platzierungsdatei erfolgreich geöffnet!</translation>
    </message>
    <message>
        <source>Xenon Placement File saved successfully!</source>
        <translation>Xenon-Platzierungsdatei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Windows Placement File saved successfully!</source>
        <translation>Windows-Platzierungsdatei erfolgreich gespeichert!</translation>
    </message>
    <message>
        <source>Another program changed the file; it was read again.</source>
        <translation>Ein anderes Programm hat die Datei geändert; sie wurde neu eingelesen.</translation>
    </message>
    <message>
        <source>The file was removed by another program.</source>
        <translation>Die Datei wurde von einem anderen Programm entfernt.</translation>
    </message>
    <message>
        <source>Another program removed &quot;%1&quot;. The document is still open; Save writes the file anew.</source>
        <translation>Ein anderes Programm hat „%1“ entfernt. Das Dokument ist noch geöffnet; Speichern schreibt die Datei neu.</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>%1 rows copied.</source>
        <translation>%1 Zeilen kopiert.</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>%1 rows pasted.</source>
        <translation>%1 Zeilen eingefügt.</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Edit Item</source>
        <translation>Eintrag &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Add &amp;Item</source>
        <translation>Eintrag &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Item</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>Duplica&amp;te Rows</source>
        <translation>Zeilen &amp;duplizieren</translation>
    </message>
    <message>
        <source>&amp;Go to Row...</source>
        <translation>&amp;Gehe zu Zeile...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Import CSV into Section...</source>
        <translation>CSV in Abschnitt &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; it was taken off the recent files.</source>
        <translation>„%1“ existiert nicht mehr; die Datei wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As..</source>
        <translation>Speichern unter..</translation>
    </message>
    <message>
        <source>Decimal separator of the next start</source>
        <translation>Dezimaltrennzeichen ab dem nächsten Start</translation>
    </message>
    <message>
        <source>.wpl files now open with this program.</source>
        <translation>.wpl-Dateien öffnen sich jetzt mit diesem Programm.</translation>
    </message>
    <message>
        <source>.wpl files already open with this program.</source>
        <translation>.wpl-Dateien öffnen sich bereits mit diesem Programm.</translation>
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
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation>Speichern &amp;unter..</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Ei&amp;nstellungen</translation>
    </message>
    <message>
        <source>Associate .&amp;wpl files with this program</source>
        <translation>.wpl-Dateien mit diesem Programm &amp;verknüpfen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Active Sections Only</source>
        <translation>Nur &amp;aktive Abschnitte zeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Header Information</source>
        <translation>Kopfdaten</translation>
    </message>
    <message>
        <source>Section #:</source>
        <translation>Abschnitt Nr.:</translation>
    </message>
    <message>
        <source>Records count:</source>
        <translation>Anzahl Datensätze:</translation>
    </message>
</context>
<context>
    <name>varn::MapDecorations</name>
    <message>
        <source> units</source>
        <translation> Einheiten</translation>
    </message>
</context>
<context>
    <name>varn::MapDock</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>Export Map &amp;Picture...</source>
        <translation>&amp;Kartenbild exportieren...</translation>
    </message>
    <message>
        <source>Map picture saved to %1</source>
        <translation>Kartenbild gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>varn::MapLegend</name>
    <message>
        <source>other LOD</source>
        <translation>anderer LOD</translation>
    </message>
    <message>
        <source>LOD -1 (none)</source>
        <translation>LOD -1 (keiner)</translation>
    </message>
    <message>
        <source>LOD %1</source>
        <translation>LOD %1</translation>
    </message>
    <message>
        <source>Model name: colour from its hash</source>
        <translation>Modellname: Farbe aus seinem Hash</translation>
    </message>
    <message>
        <source>Section 0 point: %1</source>
        <translation>Punkt aus Abschnitt 0: %1</translation>
    </message>
    <message>
        <source>Section 9 box: %1</source>
        <translation>Quader aus Abschnitt 9: %1</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <source>Left out by the filter</source>
        <translation>Vom Filter ausgeblendet</translation>
    </message>
</context>
<context>
    <name>varn::MapPanel</name>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Show every row</source>
        <translation>Alle Zeilen zeigen</translation>
    </message>
    <message>
        <source>By LOD</source>
        <translation>Nach LOD</translation>
    </message>
    <message>
        <source>By model name hash</source>
        <translation>Nach Hash des Modellnamens</translation>
    </message>
    <message>
        <source>One colour</source>
        <translation>Eine Farbe</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>1 row without a position</source>
        <translation>1 Zeile ohne Position</translation>
    </message>
    <message>
        <source>%1 rows without a position</source>
        <translation>%1 Zeilen ohne Position</translation>
    </message>
</context>
<context>
    <name>varn::MapView</name>
    <message>
        <source>Reading the rows for the map...</source>
        <translation>Zeilen für die Karte werden gelesen...</translation>
    </message>
    <message>
        <source>
Heading: %1</source>
        <translation>
Richtung: %1</translation>
    </message>
    <message>
        <source>X1 %1, Y1 %2
X2 %3, Y2 %4</source>
        <translation>X1 %1, Y1 %2
X2 %3, Y2 %4</translation>
    </message>
    <message>
        <source>Section %1, row %2
Model: %3
%4</source>
        <translation>Abschnitt %1, Zeile %2
Modell: %3
%4</translation>
    </message>
</context>
<context>
    <name>varn::MoveRotateDialog</name>
    <message>
        <source>Move and Rotate Rows of Section %1</source>
        <translation>Zeilen von Abschnitt %1 verschieben und drehen</translation>
    </message>
    <message>
        <source>Offset &amp;X:</source>
        <translation>Versatz &amp;X:</translation>
    </message>
    <message>
        <source>Offset &amp;Y:</source>
        <translation>Versatz &amp;Y:</translation>
    </message>
    <message>
        <source>Offset &amp;Z:</source>
        <translation>Versatz &amp;Z:</translation>
    </message>
    <message>
        <source>&amp;Turn (degrees, counter-clockwise):</source>
        <translation>&amp;Drehung (Grad, gegen den Uhrzeigersinn):</translation>
    </message>
    <message>
        <source>Turn about</source>
        <translation>Drehen um</translation>
    </message>
    <message>
        <source>the selection&apos;s centre</source>
        <translation>die Mitte der Auswahl</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>einen Punkt</translation>
    </message>
    <message>
        <source>each row itself</source>
        <translation>jede Zeile selbst</translation>
    </message>
    <message>
        <source>Turn &amp;about:</source>
        <translation>Drehen &amp;um:</translation>
    </message>
    <message>
        <source>Point X:</source>
        <translation>Punkt X:</translation>
    </message>
    <message>
        <source>Point Y:</source>
        <translation>Punkt Y:</translation>
    </message>
    <message>
        <source>Orientations</source>
        <translation>Orientierungen</translation>
    </message>
    <message>
        <source>as stored</source>
        <translation>wie gespeichert</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>invers</translation>
    </message>
    <message>
        <source>&amp;Orientations:</source>
        <translation>&amp;Orientierungen:</translation>
    </message>
    <message>
        <source>Heading of the current row</source>
        <translation>Richtung der aktuellen Zeile</translation>
    </message>
    <message>
        <source>Why nothing can change</source>
        <translation>Warum sich nichts ändern kann</translation>
    </message>
    <message>
        <source>Heading of row %1: %2</source>
        <translation>Richtung von Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>varn::Problems</name>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>%1: the position is not a finite point.</source>
        <translation>%1: die Position ist kein endlicher Punkt.</translation>
    </message>
    <message>
        <source>%1: the box corners are not finite points.</source>
        <translation>%1: die Ecken des Quaders sind keine endlichen Punkte.</translation>
    </message>
    <message>
        <source>The rotation quaternion is zero: it is no rotation.</source>
        <translation>Das Rotationsquaternion ist null: es ist keine Drehung.</translation>
    </message>
    <message>
        <source>The rotation quaternion is not finite: it is no rotation.</source>
        <translation>Das Rotationsquaternion ist nicht endlich: es ist keine Drehung.</translation>
    </message>
    <message>
        <source>The rotation quaternion has length %1, not 1.</source>
        <translation>Das Rotationsquaternion hat die Länge %1, nicht 1.</translation>
    </message>
    <message>
        <source>The name table gives &quot;%1&quot; the hash %2, but the name hashes to %3.</source>
        <translation>Die Namenstabelle gibt „%1“ den Hash %2, aber der Name ergibt den Hash %3.</translation>
    </message>
    <message>
        <source>model%1 &quot;%2&quot; hashes to %3, but hash%1 holds %4.</source>
        <translation>model%1 „%2“ ergibt den Hash %3, aber hash%1 enthält %4.</translation>
    </message>
    <message>
        <source>Row %1 places the same model at the same position and orientation.</source>
        <translation>Zeile %1 setzt dasselbe Modell an dieselbe Position mit derselben Ausrichtung.</translation>
    </message>
    <message>
        <source>Neither the dictionary nor the file&apos;s name table names the model hash %1.</source>
        <translation>Weder das Wörterbuch noch die Namenstabelle der Datei nennen den Modell-Hash %1.</translation>
    </message>
</context>
<context>
    <name>varn::ProblemsDock</name>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Problems found</source>
        <translation>Gefundene Probleme</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>No problems</source>
        <translation>Keine Probleme</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>Entry %1 of the file&apos;s name table: %2</source>
        <translation>Eintrag %1 der Namenstabelle der Datei: %2</translation>
    </message>
    <message>
        <source>Section %1 has no row %2 any more.</source>
        <translation>Abschnitt %1 hat keine Zeile %2 mehr.</translation>
    </message>
</context>
<context>
    <name>varn::ProblemsModel</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Name table</source>
        <translation>Namenstabelle</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>varn::RowCommands</name>
    <message>
        <source>Edit Item</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Duplicate Row %1 of Section %2</source>
        <translation>Zeile %1 von Abschnitt %2 duplizieren</translation>
    </message>
    <message>
        <source>Duplicate %1 Rows of Section %2</source>
        <translation>%1 Zeilen von Abschnitt %2 duplizieren</translation>
    </message>
    <message>
        <source>There is no row %1: the rows are 0 to %2.</source>
        <translation>Es gibt keine Zeile %1: die Zeilen sind 0 bis %2.</translation>
    </message>
</context>
<context>
    <name>varn::RowText</name>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Line %1, column &quot;%2&quot; (&quot;%3&quot;): %4</source>
        <translation>Zeile %1, Spalte „%2“ („%3“): %4</translation>
    </message>
    <message>
        <source>The clipboard holds no rows to paste.</source>
        <translation>Die Zwischenablage enthält keine Zeilen zum Einfügen.</translation>
    </message>
    <message>
        <source>The clipboard holds column captions but no rows to paste.</source>
        <translation>Die Zwischenablage enthält Spaltenüberschriften, aber keine Zeilen zum Einfügen.</translation>
    </message>
    <message>
        <source>The clipboard holds no rows of %1: line %2 has %3, where a row has %4.</source>
        <translation>Die Zwischenablage enthält keine Zeilen von %1: Zeile %2 hat %3, eine Zeile hat aber %4.</translation>
    </message>
    <message>
        <source>Line %1 has %2, where the rows before it have %3.</source>
        <translation>Zeile %1 hat %2, die Zeilen davor haben aber %3.</translation>
    </message>
</context>
<context>
    <name>varn::SectionPages</name>
    <message>
        <source>Section %1</source>
        <translation>Abschnitt %1</translation>
    </message>
</context>
<context>
    <name>varn::SeparatorChoice</name>
    <message>
        <source>The changes will take effect after you restart the&#xa0;program.</source>
        <translation>Die Änderungen werden nach einem Neustart des&#xa0;Programms wirksam.</translation>
    </message>
</context>
<context>
    <name>varn::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>View </source>
        <translation>Ansicht </translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Werkzeugleiste zeigen</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>The Decimal Separator will be changed after program restart.</source>
        <translation>Das Dezimaltrennzeichen wird nach einem Neustart des Programms geändert.</translation>
    </message>
    <message>
        <source>Files Saving</source>
        <translation>Speichern von Dateien</translation>
    </message>
    <message>
        <source>Write hashtable to the end of .wpl file</source>
        <translation>Hashtabelle ans Ende der .wpl-Datei schreiben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Settings file: </source>
        <translation>Einstellungsdatei: </translation>
    </message>
</context>
<context>
    <name>varn::messages</name>
    <message>
        <source>Cannot change file &quot;%1&quot;. %2 Nothing was written.</source>
        <translation>Die Datei „%1“ kann nicht geändert werden. %2 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Row %1: %2 holds &quot;%3&quot;, which is no number.</source>
        <translation>Zeile %1: %2 enthält „%3“, das ist keine Zahl.</translation>
    </message>
    <message>
        <source>Row %1: %2 would become %3, beyond the range of a float.</source>
        <translation>Zeile %1: %2 würde %3, außerhalb des Bereichs einer Gleitkommazahl.</translation>
    </message>
    <message>
        <source>Row %1: %2 would become %3, outside its range %4.</source>
        <translation>Zeile %1: %2 würde %3, außerhalb seines Bereichs %4.</translation>
    </message>
    <message>
        <source>Row %1: %2 would become %3, but it holds whole numbers only.</source>
        <translation>Zeile %1: %2 würde %3, enthält aber nur ganze Zahlen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit %2: %3</source>
        <translation>„%1“ passt nicht zu %2: %3</translation>
    </message>
    <message>
        <source>%1 holds no numbers: it can only be set.</source>
        <translation>%1 enthält keine Zahlen: der Wert kann nur gesetzt werden.</translation>
    </message>
    <message>
        <source>Only model names can have one name replaced by another; %1 is none.</source>
        <translation>Nur in Modellnamen lässt sich ein Name durch einen anderen ersetzen; %1 ist keiner.</translation>
    </message>
    <message>
        <source>%1 follows from its name: change the name instead.</source>
        <translation>%1 ergibt sich aus seinem Namen: ändern Sie stattdessen den Namen.</translation>
    </message>
    <message>
        <source>%1 has no value of its own to change.</source>
        <translation>%1 hat keinen eigenen Wert, der sich ändern ließe.</translation>
    </message>
    <message>
        <source>%1 stands for all ten names, which can only have one name replaced by another: to set a name, choose one of model1 to model10.</source>
        <translation>%1 steht für alle zehn Namen, in denen sich nur ein Name durch einen anderen ersetzen lässt: um einen Namen zu setzen, wählen Sie eine der Spalten model1 bis model10.</translation>
    </message>
    <message>
        <source>Move and Rotate works on the rows of sections 0 and 9, not of section %1.</source>
        <translation>Verschieben und Drehen wirkt auf die Zeilen der Abschnitte 0 und 9, nicht auf die von Abschnitt %1.</translation>
    </message>
    <message>
        <source>The boxes of section 9 can be moved but not turned: a turned axis-aligned box is not a box.</source>
        <translation>Die Quader von Abschnitt 9 lassen sich verschieben, aber nicht drehen: ein gedrehter achsenparalleler Quader ist kein solcher mehr.</translation>
    </message>
    <message>
        <source>The offset, the angle and the point to turn about must be finite numbers.</source>
        <translation>Der Versatz, der Winkel und der Drehpunkt müssen endliche Zahlen sein.</translation>
    </message>
    <message>
        <source>Row %1 cannot be turned about a point: its position holds INF or NAN.</source>
        <translation>Zeile %1 kann nicht um einen Punkt gedreht werden: ihre Position enthält INF oder NAN.</translation>
    </message>
    <message>
        <source>Row %1 cannot be turned: its orientation (Rot X to Rot W) holds INF or NAN.</source>
        <translation>Zeile %1 kann nicht gedreht werden: ihre Orientierung (Rot X bis Rot W) enthält INF oder NAN.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2 The file on disk was left unchanged.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2 Die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
    <message>
        <source>The file is truncated: its header and record counts need %1 bytes, but it holds only %2.</source>
        <translation>Die Datei ist abgeschnitten: ihr Kopf und ihre Datensatzzahlen verlangen %1 Bytes, sie enthält aber nur %2.</translation>
    </message>
    <message>
        <source>Range check error: section %1 has the negative record count %2.</source>
        <translation>Bereichsfehler: Abschnitt %1 hat die negative Datensatzzahl %2.</translation>
    </message>
    <message>
        <source>Section %1 holds %2 records of a layout this program does not know; they would be misread and lost.</source>
        <translation>Abschnitt %1 enthält %2 Datensätze eines Aufbaus, den dieses Programm nicht kennt; sie würden falsch gelesen und gingen verloren.</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>big-endian it would load: is it a .xpl</source>
        <translation>Big-Endian ließe sie sich laden: ist es eine .xpl</translation>
    </message>
    <message>
        <source>little-endian it would load: is it a .wpl</source>
        <translation>Little-Endian ließe sie sich laden: ist es eine .wpl</translation>
    </message>
    <message>
        <source>; read as %1 file?</source>
        <translation>; als %1-Datei gelesen?</translation>
    </message>
    <message>
        <source>Cannot save file &quot;%1&quot;. %2 (%3). The file on disk was left unchanged.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden. %2 (%3). Die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid integer value</source>
        <translation>&apos;&apos;%1&apos;&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Floating point overflow: &apos;%1&apos;</source>
        <translation>Gleitkommaüberlauf: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht beschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a float value (write it as in 1.5, -0, 2e-7, inf, -inf, nan or nan:0x7fc00001)</source>
        <translation>„%1“ ist keine Gleitkommazahl (schreiben Sie sie wie 1.5, -0, 2e-7, inf, -inf, nan oder nan:0x7fc00001)</translation>
    </message>
    <message>
        <source>write it as in 12, -7 or 0, without leading zeros</source>
        <translation>schreiben Sie sie wie 12, -7 oder 0, ohne führende Nullen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an integer (%2)</source>
        <translation>„%1“ ist keine ganze Zahl (%2)</translation>
    </message>
    <message>
        <source>%1 is out of the range of the field (%2)</source>
        <translation>%1 liegt außerhalb des Bereichs des Feldes (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not valid UTF-8</source>
        <translation>„%1“ ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character U+%2, which Windows-1252 lacks</source>
        <translation>„%1“ enthält das Zeichen U+%2, das es in Windows-1252 nicht gibt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a zero character, which would end the text</source>
        <translation>„%1“ enthält ein Nullzeichen, das den Text beenden würde</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 bytes and does not fit its field of %3</source>
        <translation>„%1“ braucht %2 Bytes und passt nicht in sein Feld von %3</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2: %3</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2: %3</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;. %2 (%3).</source>
        <translation>Export nach „%1“ nicht möglich. %2 (%3).</translation>
    </message>
    <message>
        <source>the model name &quot;%1&quot; has the hash %2, not %3; change both, or leave the name empty to keep the hash</source>
        <translation>der Modellname „%1“ hat den Hash %2, nicht %3; ändern Sie beide, oder lassen Sie den Namen leer, um den Hash zu behalten</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes could be written.</source>
        <translation>Nur %1 von %2 Bytes konnten geschrieben werden.</translation>
    </message>
    <message>
        <source>section %1, row %2, column &quot;%3&quot;</source>
        <translation>Abschnitt %1, Zeile %2, Spalte „%3“</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
</context>
</TS>
