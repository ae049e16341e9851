<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Tarvel Halvex configuration editor</source>
        <translation>Konfigurationseditor für Tarvel Halvex</translation>
    </message>
    <message>
        <source>Version 1.0 (for Halvex 1.5)</source>
        <translation>Version 1.0 (für Halvex 1.5)</translation>
    </message>
    <message>
        <source>Copyright © TarvelSoftware.
Edits the HTML toolbar, the standard
procedures panel and the MIME types
of Tarvel Halvex.</source>
        <translation>Copyright © TarvelSoftware.
Bearbeitet die HTML-Werkzeugleiste, die
Standardprozeduren und die MIME-Typen
von Tarvel Halvex.</translation>
    </message>
</context>
<context>
    <name>AddImagesDialog</name>
    <message>
        <source>Add images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Choose files…</source>
        <translation>Dateien wählen…</translation>
    </message>
    <message>
        <source>PNG, BMP, ICO, XPM, JPEG, SVG and every other kind this system reads. A picture 16 pixels high and a multiple of 16 wide gives one image per square.</source>
        <translation>PNG, BMP, ICO, XPM, JPEG, SVG und jede andere Art, die dieses System liest. Ein Bild von 16 Pixeln Höhe und einem Vielfachen von 16 Breite ergibt ein Bild je Quadrat.</translation>
    </message>
    <message>
        <source>Images of the chosen files</source>
        <translation>Bilder der gewählten Dateien</translation>
    </message>
    <message>
        <source>Icon theme</source>
        <translation>Symbolthema</translation>
    </message>
    <message>
        <source>Icons of the desktop&apos;s theme</source>
        <translation>Symbole des Themas der Arbeitsfläche</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>Nach Namen suchen</translation>
    </message>
    <message>
        <source>Search icons by name</source>
        <translation>Symbole nach Namen suchen</translation>
    </message>
    <message>
        <source>Icons of the theme</source>
        <translation>Symbole des Themas</translation>
    </message>
    <message>
        <source>The image:</source>
        <translation>Das Bild:</translation>
    </message>
    <message>
        <source>The image as the strip will hold it</source>
        <translation>Das Bild, wie der Bildstreifen es enthalten wird</translation>
    </message>
    <message>
        <source>The image enlarged</source>
        <translation>Das Bild vergrößert</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
    <message>
        <source>The colour that a picture&apos;s transparent parts show, since the strip has none</source>
        <translation>Die Farbe, die durchsichtige Teile eines Bildes zeigen, da der Bildstreifen keine Durchsichtigkeit kennt</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is a list of patterns.</extracomment>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Replace image %1</source>
        <extracomment>The window&apos;s title; %1 is the image&apos;s number.</extracomment>
        <translation>Bild %1 ersetzen</translation>
    </message>
    <message>
        <source>Every tag and category that shows image %1 will show the image chosen here; no number changes.</source>
        <translation>Jedes Tag und jede Kategorie, die Bild %1 zeigt, zeigt dann das hier gewählte Bild; keine Nummer ändert sich.</translation>
    </message>
    <message>
        <source>Icons of the desktop&apos;s theme &quot;%1&quot;, of the themes it takes icons from and of hicolor: %2 icons.</source>
        <extracomment>%1 is the name of the desktop&apos;s icon theme.</extracomment>
        <translation>Symbole des Themas &quot;%1&quot; der Arbeitsfläche, der Themen, von denen es Symbole übernimmt, und von hicolor: %2 Symbole.</translation>
    </message>
    <message>
        <source>Choose pictures</source>
        <translation>Bilder wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1, image %2 of %3</source>
        <extracomment>%1 is a file&apos;s name; %2 and %3 count its images.</extracomment>
        <translation>%1, Bild %2 von %3</translation>
    </message>
    <message>
        <source>Choose a picture file or an icon first.</source>
        <translation>Wählen Sie zuerst eine Bilddatei oder ein Symbol.</translation>
    </message>
    <message>
        <source>Choose one picture: one image is replaced.</source>
        <translation>Wählen Sie ein Bild: Es wird ein Bild ersetzt.</translation>
    </message>
</context>
<context>
    <name>AdditionalFunctionsDialog</name>
    <message>
        <source>Additional</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <source>Reset CFG file</source>
        <translation>CFG-Datei zurücksetzen</translation>
    </message>
    <message>
        <source>Reset HTML toolbar</source>
        <translation>HTML-Werkzeugleiste</translation>
    </message>
    <message>
        <source>Reset standard procedures</source>
        <translation>Standardprozeduren</translation>
    </message>
    <message>
        <source>Reset MIME types</source>
        <translation>MIME-Typen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reset HTML toolbar?</source>
        <translation>HTML-Werkzeugleiste zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset standard procedures panel?</source>
        <translation>Standardprozeduren zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset MIME types?</source>
        <translation>MIME-Typen zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Tarvel Halvex configuration</source>
        <translation>Konfiguration von Tarvel Halvex</translation>
    </message>
</context>
<context>
    <name>CategoryDialog</name>
    <message>
        <source>Category properies</source>
        <translation>Eigenschaften der Kategorie</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Image index</source>
        <translation>Bildindex</translation>
    </message>
    <message>
        <source>Chosen image</source>
        <translation>Gewähltes Bild</translation>
    </message>
    <message>
        <source>Chosen image, enlarged</source>
        <translation>Gewähltes Bild, vergrößert</translation>
    </message>
</context>
<context>
    <name>CodePage</name>
    <message>
        <source>the system&apos;s ANSI code page</source>
        <translation>des Systems (ANSI)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Read each of the host&apos;s files as the editor would, and say for each whether it is sound. Nothing is written.</source>
        <translation>Liest jede Datei von Tarvel Halvex so, wie der Editor sie liest, und meldet für jede, ob sie in Ordnung ist. Es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>Put the host&apos;s toolbar, procedures or MIME types file, or all three, back to the built-in contents, without asking.</source>
        <translation>Setzt die Datei der HTML-Werkzeugleiste, der Standardprozeduren oder der MIME-Typen oder alle drei ohne Rückfrage auf den eingebauten Inhalt zurück.</translation>
    </message>
    <message>
        <source>Edits the configuration files of the Tarvel Halvex script editor. Without options it opens its windows; with them it checks or resets the files without a window.</source>
        <translation>Bearbeitet die Konfigurationsdateien des Skripteditors Tarvel Halvex. Ohne Optionen öffnet das Programm seine Fenster; mit Optionen prüft es die Dateien oder setzt sie zurück, ganz ohne Fenster.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give either --check or --reset.</source>
        <translation>Geben Sie entweder --check oder --reset an.</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>The result of --check for a sound file.</extracomment>
        <translation>in Ordnung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file to reset: give toolbar, procedures, mime or all.</source>
        <translation>&quot;%1&quot; ist keine Datei, die sich zurücksetzen lässt: Geben Sie toolbar, procedures, mime oder all an.</translation>
    </message>
    <message>
        <source>Wrote the built-in %1 to &quot;%2&quot; (%3 lines).</source>
        <extracomment>%1 is the file&apos;s title (&quot;HTML toolbar file&quot;), %2 its path.</extracomment>
        <translation>%1 &quot;%2&quot; auf den eingebauten Inhalt zurückgesetzt (%3 Zeilen).</translation>
    </message>
    <message>
        <source>Give --reset once: &quot;all&quot; resets the three files.</source>
        <translation>Geben Sie --reset nur einmal an: &quot;all&quot; setzt alle drei Dateien zurück.</translation>
    </message>
    <message>
        <source>Cannot write the results: %1.</source>
        <translation>Die Ergebnisse können nicht ausgegeben werden: %1.</translation>
    </message>
    <message>
        <source>No window system was found (neither DISPLAY nor WAYLAND_DISPLAY names one that answers): start halvex-config from a desktop session. From a terminal, &quot;halvex-config --check&quot; and &quot;--reset&quot; work without one; &quot;halvex-config --help&quot; tells more.</source>
        <translation>Es wurde kein Fenstersystem gefunden (weder DISPLAY noch WAYLAND_DISPLAY nennt eines, das antwortet): Starten Sie halvex-config aus einer Desktop-Sitzung. Im Terminal funktionieren &quot;halvex-config --check&quot; und &quot;--reset&quot; auch ohne Fenstersystem; &quot;halvex-config --help&quot; erklärt mehr.</translation>
    </message>
</context>
<context>
    <name>EditedFile</name>
    <message>
        <source>The file &quot;%1&quot; could not be read whole when this window opened, so it holds more than is shown here.

Replace it with what is shown, and lose the part that was not read?</source>
        <translation>Die Datei &quot;%1&quot; konnte beim Öffnen dieses Fensters nicht vollständig gelesen werden; sie enthält also mehr, als hier angezeigt wird.

Sie durch das Angezeigte ersetzen und den nicht gelesenen Teil verwerfen?</translation>
    </message>
    <message>
        <source>The host&apos;s settings now name &quot;%1&quot;, which this window did not read.

Replace it with what is shown here?</source>
        <translation>Die Einstellungen von Tarvel Halvex nennen jetzt die Datei &quot;%1&quot;, die dieses Fenster nicht gelesen hat.

Sie durch das hier Angezeigte ersetzen?</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was changed on disk after this window read it, by another program or another copy of this one.

Replace it with what is shown here, and lose those changes?</source>
        <translation>Die Datei &quot;%1&quot; wurde geändert, nachdem dieses Fenster sie gelesen hatte, von einem anderen Programm oder einer anderen Instanz dieses Programms.

Sie durch das hier Angezeigte ersetzen und diese Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; did not exist when this window opened, and it has been created since, by another program or another copy of this one.

Replace it with what is shown here?</source>
        <translation>Die Datei &quot;%1&quot; gab es beim Öffnen dieses Fensters noch nicht; sie wurde seitdem von einem anderen Programm oder einer anderen Instanz dieses Programms angelegt.

Sie durch das hier Angezeigte ersetzen?</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file is too large for the memory available. Nothing of it is shown, and OK asks before replacing it.</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: Die Datei ist zu groß für den verfügbaren Arbeitsspeicher. Von ihr wird nichts angezeigt, und OK fragt nach, bevor es sie ersetzt.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Move %1</source>
        <extracomment>An undo step: a node dragged to another place. %1 is &quot;tag &quot;Bold&quot;&quot; or the like.</extracomment>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>An undo step. %1 is &quot;tag &quot;Bold&quot;&quot; or the like.</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>An undo step. %1 is &quot;tag &quot;Bold&quot;&quot; or the like.</extracomment>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <extracomment>An undo step. %1 is &quot;category &quot;Lists&quot;&quot; or the like.</extracomment>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message>
        <source>Add %1</source>
        <extracomment>An undo step: a node made with New. %1 is &quot;tag &quot;Bold&quot;&quot; or the like.</extracomment>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>An undo step: a node changed with Edit. %1 is &quot;tag &quot;Bold&quot;&quot; or the like.</extracomment>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <extracomment>An undo step. %1 is &quot;tag &quot;Bold&quot;&quot; or &quot;3 tags&quot; or the like.</extracomment>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>The clipboard holds lines of the %1, which cannot be pasted here. Nothing was pasted.</source>
        <extracomment>%1 is a file&apos;s title: &quot;standard procedures file&quot;.</extracomment>
        <translation>Die Zwischenablage enthält Zeilen der Datei &quot;%1&quot;, die hier nicht eingefügt werden können. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Cannot paste: what the clipboard holds is too large for the memory available. Nothing was pasted.</source>
        <translation>Einfügen nicht möglich: Der Inhalt der Zwischenablage ist zu groß für den verfügbaren Speicher. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Moving is off while the find bar filters the list: close the find bar to move.</source>
        <translation>Verschieben ist aus, solange die Suchleiste die Liste filtert: Schließen Sie die Suchleiste, um zu verschieben.</translation>
    </message>
    <message>
        <source>1 line holds text the file cannot keep; OK writes it without it</source>
        <translation>1 Zeile enthält Text, den die Datei nicht behalten kann; OK schreibt sie ohne ihn</translation>
    </message>
    <message>
        <source>%1 lines hold text the file cannot keep; OK writes them without it</source>
        <translation>%1 Zeilen enthalten Text, den die Datei nicht behalten kann; OK schreibt sie ohne ihn</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <extracomment>Ends a list of lines that was cut short.</extracomment>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>These lines hold text after their last field, which the file&apos;s rules leave out: the host reads them without it, and OK writes them without it.</source>
        <translation>Diese Zeilen enthalten Text nach ihrem letzten Feld, den die Regeln der Datei auslassen: Das Hostprogramm liest sie ohne ihn, und OK schreibt sie ohne ihn.</translation>
    </message>
    <message>
        <source>Show the lines</source>
        <translation>Zeilen zeigen</translation>
    </message>
    <message>
        <source>A save of &quot;%1&quot; was cut short, and a copy of what the file held before it was kept at &quot;%2&quot;.

Put that copy back? It becomes a step that you can undo, and OK writes it. No leaves the copy where it is.</source>
        <translation>Ein Speichern von &quot;%1&quot; wurde abgebrochen, und eine Kopie dessen, was die Datei davor enthielt, wurde unter &quot;%2&quot; aufbewahrt.

Diese Kopie zurückholen? Das wird ein Schritt, den Sie rückgängig machen können, und OK schreibt ihn. Nein lässt die Kopie, wo sie ist.</translation>
    </message>
    <message>
        <source>Put back the copy from the cut-short save</source>
        <extracomment>An undo step: the copy kept by a save that was cut short, made the editor&apos;s content.</extracomment>
        <translation>Kopie vom abgebrochenen Speichern zurückholen</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected error of an unknown kind.</source>
        <translation>Unerwarteter Fehler unbekannter Art.</translation>
    </message>
</context>
<context>
    <name>ExternalProgram</name>
    <message>
        <source>the system has no program for it</source>
        <extracomment>The cause, %2 in &quot;Cannot open &quot;%1&quot; in another program: %2.&quot;.</extracomment>
        <translation>das System hat kein Programm dafür</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot; in another program: %2.</source>
        <translation>&quot;%1&quot; kann nicht in einem anderen Programm geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the system&apos;s xdg-open, which finds the program, is not installed</source>
        <translation>xdg-open, das das Programm ermittelt, ist auf dem System nicht installiert</translation>
    </message>
    <message>
        <source>the system has no program for it (%1)</source>
        <translation>das System hat kein Programm dafür (%1)</translation>
    </message>
    <message>
        <source>Cannot open the file in another program: no file name is set in the host&apos;s settings.</source>
        <translation>Die Datei kann nicht in einem anderen Programm geöffnet werden: In den Einstellungen von Tarvel Halvex ist kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>it is not a full path to a file</source>
        <translation>es ist kein vollständiger Pfad zu einer Datei</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FileNote</name>
    <message>
        <source>Close this note</source>
        <translation>Diesen Hinweis schließen</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>How many nodes the find bar found: &quot;12 of 340&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>HostFileCheck</name>
    <message>
        <source>Line %1 holds a NUL character, which ends what is read: the editor shows only what comes before it.</source>
        <translation>Zeile %1 enthält ein NUL-Zeichen, an dem das Lesen endet: Der Editor zeigt nur, was davor steht.</translation>
    </message>
    <message>
        <source>%1 more lines hold text that is not kept.</source>
        <translation>%1 weitere Zeilen enthalten Text, der nicht behalten wird.</translation>
    </message>
    <message>
        <source>A save of this file was cut short, and a copy of what the file held before it is kept at &quot;%1&quot;: its editor offers to put it back.</source>
        <translation>Ein Speichern dieser Datei wurde abgebrochen, und eine Kopie dessen, was die Datei davor enthielt, liegt unter &quot;%1&quot;: Ihr Editor bietet an, sie zurückzuholen.</translation>
    </message>
</context>
<context>
    <name>HostFiles</name>
    <message>
        <source>HTML toolbar file</source>
        <extracomment>A file&apos;s title, %1 or %2 in other messages and, capitalised, at the start of a line.</extracomment>
        <translation>Datei der HTML-Werkzeugleiste</translation>
    </message>
    <message>
        <source>image strip</source>
        <extracomment>Also %1 in &quot;Cannot load the %1 ...&quot;.</extracomment>
        <translation>Bildstreifen</translation>
    </message>
    <message>
        <source>standard procedures file</source>
        <translation>Datei der Standardprozeduren</translation>
    </message>
    <message>
        <source>MIME types file</source>
        <translation>Datei der MIME-Typen</translation>
    </message>
    <message>
        <source>it is the host&apos;s settings file</source>
        <extracomment>Why a file cannot be written: %3 in &quot;Cannot write &quot;%1&quot; as the %2: %3.&quot;. The host is the script editor whose files this program edits.</extracomment>
        <translation>sie ist die Einstellungsdatei von Tarvel Halvex</translation>
    </message>
    <message>
        <source>the host&apos;s settings name it as the %1 too</source>
        <extracomment>Why a file cannot be written; %1 is another file&apos;s title.</extracomment>
        <translation>die Einstellungen von Tarvel Halvex nennen sie auch als %1</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot; as the %2: %3. Nothing was written.</source>
        <translation>&quot;%1&quot; kann nicht als %2 geschrieben werden: %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>it is this program&apos;s own file of window positions</source>
        <extracomment>Why a file cannot be written: %3 in &quot;Cannot write &quot;%1&quot; as the %2: %3.&quot;.</extracomment>
        <translation>Sie ist die Datei, in der dieses Programm seine Fensterpositionen speichert</translation>
    </message>
    <message>
        <source>The host&apos;s settings name no %1: %2 is empty or not set.</source>
        <extracomment>%1 is a file&apos;s title (&quot;HTML toolbar file&quot;), %2 the setting&apos;s name.</extracomment>
        <translation>Die Einstellungen von Tarvel Halvex nennen keine Datei &quot;%1&quot;: %2 ist leer oder nicht gesetzt.</translation>
    </message>
    <message>
        <source>The host&apos;s setting %1 is &quot;%2&quot;, which is not a full path: the file would be looked for in whatever folder this program was started from. Correct it in the host.</source>
        <extracomment>%1 is the setting&apos;s name, %2 its value.</extracomment>
        <translation>Die Einstellung %1 von Tarvel Halvex ist &quot;%2&quot;, kein vollständiger Pfad: Die Datei würde in dem Ordner gesucht, in dem dieses Programm gestartet wurde. Korrigieren Sie sie in Tarvel Halvex.</translation>
    </message>
</context>
<context>
    <name>HostSettings</name>
    <message>
        <source>The host&apos;s setting %1 in &quot;%2&quot; holds a NUL character, which no file name can hold. Correct it in the host.</source>
        <translation>Die Einstellung %1 von Tarvel Halvex in &quot;%2&quot; enthält ein NUL-Zeichen, das in keinem Dateinamen stehen kann. Korrigieren Sie sie in Tarvel Halvex.</translation>
    </message>
    <message>
        <source>The host&apos;s settings cannot be found: neither HOME nor XDG_CONFIG_HOME is set, so there is no settings folder. They would be in &quot;$XDG_CONFIG_HOME/TarvelSoftware/Tarvel Halvex.conf&quot;, or else in &quot;$HOME/.config/TarvelSoftware/Tarvel Halvex.conf&quot;. Nothing was created.</source>
        <translation>Die Einstellungen von Tarvel Halvex sind nicht zu finden: Weder HOME noch XDG_CONFIG_HOME ist gesetzt, daher gibt es keinen Ordner für Einstellungen. Sie stünden in &quot;$XDG_CONFIG_HOME/TarvelSoftware/Tarvel Halvex.conf&quot; oder sonst in &quot;$HOME/.config/TarvelSoftware/Tarvel Halvex.conf&quot;. Es wurde nichts angelegt.</translation>
    </message>
    <message>
        <source>The host&apos;s setting %1 in &quot;%2&quot; holds bytes that are not UTF-8 text, so this program cannot name the file. Correct it in the host.</source>
        <translation>Die Einstellung %1 von Tarvel Halvex in &quot;%2&quot; enthält Bytes, die kein UTF-8-Text sind, daher kann dieses Programm die Datei nicht benennen. Korrigieren Sie sie in Tarvel Halvex.</translation>
    </message>
    <message>
        <source>The host&apos;s settings file &quot;%1&quot; cannot be used: %2. The README&apos;s section &quot;Where the host settings live&quot; tells how to write one.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Die Einstellungsdatei von Tarvel Halvex &quot;%1&quot; kann nicht verwendet werden: %2. Der Abschnitt &quot;Where the host settings live&quot; der README erklärt, wie man sie schreibt.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>sie ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not UTF-8</source>
        <translation>sie ist UTF-16-Text, kein UTF-8</translation>
    </message>
</context>
<context>
    <name>ImageIndexChooser</name>
    <message>
        <source>Click, or press F4 in the image index, to choose the image from all the images of the strip</source>
        <translation>Klicken Sie oder drücken Sie F4 im Bildindex, um das Bild aus allen Bildern des Streifens zu wählen</translation>
    </message>
    <message>
        <source>The image strip holds no images to choose from.</source>
        <translation>Der Bildstreifen enthält keine Bilder zur Auswahl.</translation>
    </message>
</context>
<context>
    <name>ImageList</name>
    <message>
        <source>Add an image</source>
        <extracomment>An undo step.</extracomment>
        <translation>Ein Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 images</source>
        <translation>%1 Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Replace image %1</source>
        <extracomment>An undo step; %1 is the image&apos;s number, counted from 1.</extracomment>
        <translation>Bild %1 ersetzen</translation>
    </message>
</context>
<context>
    <name>ImagePicker</name>
    <message>
        <source>Image %1</source>
        <extracomment>The name of an image of the strip, counted from 1 as the dialogs count them.</extracomment>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Choose an image</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Add images…</source>
        <translation>Bilder hinzufügen…</translation>
    </message>
    <message>
        <source>Replace image…</source>
        <translation>Bild ersetzen…</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>View image</source>
        <translation>Bild ansehen</translation>
    </message>
    <message>
        <source>Image strip</source>
        <translation>Bildstreifen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>picture</source>
        <extracomment>Stands for %1 in &quot;Cannot load the %1 ...&quot;.</extracomment>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>LineFile</name>
    <message>
        <source>the control character U+%1</source>
        <extracomment>What a line holds, %2 in &quot;Line %1 holds %2.&quot; and %3 in &quot;Cannot write ...: line %2 holds %3.&quot;.</extracomment>
        <translation>das Steuerzeichen U+%1</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2)</source>
        <translation>das Zeichen &quot;%1&quot; (U+%2)</translation>
    </message>
    <message>
        <source>%1, which would break the line</source>
        <extracomment>%1 is &quot;the control character U+000A&quot; or the like.</extracomment>
        <translation>%1, das die Zeile umbrechen würde</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <extracomment>Stands for %2 in &quot;Line %1 of %2: ...&quot;.</extracomment>
        <translation>der Zwischenablage</translation>
    </message>
    <message>
        <source>%1, which the code page %2 cannot hold</source>
        <extracomment>%1 is &quot;the character &quot;Ω&quot; (U+03A9)&quot;, %2 the code page&apos;s name.</extracomment>
        <translation>%1, das die Codepage %2 nicht darstellen kann</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: line %2 holds %3. Nothing was written.</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: Zeile %2 enthält %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Line %1 holds %2.</source>
        <translation>Zeile %1 enthält %2.</translation>
    </message>
    <message>
        <source>Line %1: %2 is not kept.</source>
        <extracomment>%2 is a piece of a line, quoted: what a write of the file leaves out.</extracomment>
        <translation>Zeile %1: %2 wird nicht behalten.</translation>
    </message>
</context>
<context>
    <name>MimeTypeDialog</name>
    <message>
        <source>MIME type properties</source>
        <translation>Eigenschaften des MIME-Typs</translation>
    </message>
    <message>
        <source>MIME type</source>
        <translation>MIME-Typ</translation>
    </message>
    <message>
        <source>File name suffix</source>
        <translation>Dateiendung</translation>
    </message>
    <message>
        <source>Exemple: .html</source>
        <translation>Beispiel: .html</translation>
    </message>
</context>
<context>
    <name>MimeTypesDocument</name>
    <message>
        <source>The clipboard holds no MIME types: a type and its suffix are two lines.</source>
        <translation>Die Zwischenablage enthält keine MIME-Typen: Ein Typ und seine Endung stehen in zwei Zeilen.</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3 is a MIME type without the line of its suffix after it. Reading stopped at this line.</source>
        <extracomment>%2 is a quoted path or &quot;the clipboard&quot;, %3 the line, quoted.</extracomment>
        <translation>Zeile %1 in %2: %3 ist ein MIME-Typ ohne die Zeile seiner Endung danach. Das Lesen wurde bei dieser Zeile abgebrochen.</translation>
    </message>
    <message>
        <source>The MIME types file cannot hold %1.</source>
        <extracomment>%1 is &quot;the character &quot;Ω&quot; (U+03A9), which the code page Windows-1252 cannot hold&quot;.</extracomment>
        <translation>Die MIME-Typ-Datei kann %1 nicht enthalten.</translation>
    </message>
</context>
<context>
    <name>MimeTypesEditor</name>
    <message>
        <source>MIME types</source>
        <translation>MIME-Typen</translation>
    </message>
    <message>
        <source>New type</source>
        <translation>Neuer Typ</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <source>New type...</source>
        <translation>Neuer Typ...</translation>
    </message>
    <message>
        <source>Remove selected type?</source>
        <translation>Ausgewählten Typ entfernen?</translation>
    </message>
    <message>
        <source>MIME type %1</source>
        <extracomment>Names a node in an undo step (&quot;Remove MIME type &quot;TEXT/HTML&quot;&quot;).</extracomment>
        <translation>MIME-Typ %1</translation>
    </message>
    <message numerus="yes">
        <source>%n MIME types</source>
        <extracomment>Names nodes in an undo step (&quot;Paste 3 MIME types&quot;).</extracomment>
        <translation>
            <numerusform>%n MIME-Typ</numerusform>
            <numerusform>%n MIME-Typen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MimeTypesModel</name>
    <message>
        <source>MIME type</source>
        <translation>MIME-Typ</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>The same MIME type stands on row %1.</source>
        <translation>Derselbe MIME-Typ steht in Zeile %1.</translation>
    </message>
    <message>
        <source>The same extension stands on row %1.</source>
        <translation>Dieselbe Endung steht in Zeile %1.</translation>
    </message>
</context>
<context>
    <name>Modal</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>the file does not exist</source>
        <extracomment>The cause, %3 in &quot;Cannot load the %1 &quot;%2&quot;: %3.&quot;.</extracomment>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not a picture in a format that this program can read</source>
        <translation>es ist kein Bild in einem Format, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>its picture data is damaged or too large</source>
        <translation>die Bilddaten sind beschädigt oder zu groß</translation>
    </message>
    <message>
        <source>Cannot load the %1: no file name is set in the host&apos;s settings.</source>
        <extracomment>%1 is &quot;image strip&quot; or &quot;picture&quot;.</extracomment>
        <translation>%1 kann nicht geladen werden: In den Einstellungen von Tarvel Halvex ist kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>Cannot load the %1 &quot;%2&quot;: it is not a regular file.</source>
        <translation>%1 &quot;%2&quot; kann nicht geladen werden: es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot load the %1 &quot;%2&quot;: %3.</source>
        <translation>%1 &quot;%2&quot; kann nicht geladen werden: %3.</translation>
    </message>
    <message>
        <source>The image strip &quot;%1&quot; is %2 x %3 pixels: it must be at least 16 pixels wide and 16 pixels high to hold one image, so the editor shows no images.</source>
        <translation>Der Bildstreifen &quot;%1&quot; ist %2 x %3 Pixel groß: er muss mindestens 16 Pixel breit und 16 Pixel hoch sein, um ein Bild zu fassen, daher zeigt der Editor keine Bilder.</translation>
    </message>
    <message>
        <source>Cannot load the %1 &quot;%2&quot;: the file is cut short: it holds %3 bytes, and its header calls for %4.</source>
        <translation>%1 &quot;%2&quot; kann nicht geladen werden: Die Datei ist abgeschnitten: Sie enthält %3 Bytes, und ihr Kopf verlangt %4.</translation>
    </message>
    <message>
        <source>it is not an SVG picture that this program can draw</source>
        <translation>es ist kein SVG-Bild, das dieses Programm zeichnen kann</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a path, %2 the cause.</extracomment>
        <translation>Das Bild &quot;%1&quot; kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>ProcedureDialog</name>
    <message>
        <source>Procedure properties</source>
        <translation>Eigenschaften der Prozedur</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Selected text</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProceduresDocument</name>
    <message>
        <source>Line %1 of %2: %3. Reading stopped at this line.</source>
        <extracomment>%2 is a quoted path or &quot;the clipboard&quot;; %3 says what is wrong with the line.</extracomment>
        <translation>Zeile %1 in %2: %3. Das Lesen wurde bei dieser Zeile abgebrochen.</translation>
    </message>
    <message>
        <source>Misc</source>
        <extracomment>The caption of the procedures panel&apos;s first section.</extracomment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>%1 is not a valid section header: its ninth character must be a digit from 0 to 9</source>
        <extracomment>%1 is the line, quoted.</extracomment>
        <translation>%1 ist kein gültiger Abschnittskopf: sein neuntes Zeichen muss eine Ziffer von 0 bis 9 sein</translation>
    </message>
    <message>
        <source>%1 is a procedure before the first section header</source>
        <translation>%1 ist eine Prozedur vor dem ersten Abschnittskopf</translation>
    </message>
    <message>
        <source>%1 opens a section, and sections cannot be pasted, only procedures</source>
        <translation>%1 beginnt einen Abschnitt, und Abschnitte lassen sich nicht einfügen, nur Prozeduren</translation>
    </message>
    <message>
        <source>The clipboard holds no procedures.</source>
        <translation>Die Zwischenablage enthält keine Prozeduren.</translation>
    </message>
    <message>
        <source>First char in caption can&apos;t be &quot;#&quot;</source>
        <translation>Das erste Zeichen des Titels darf nicht &quot;#&quot; sein</translation>
    </message>
    <message>
        <source>Caption can&apos;t begin with &quot;SECTION_&quot;</source>
        <translation>Der Titel darf nicht mit &quot;SECTION_&quot; beginnen</translation>
    </message>
    <message>
        <source>Caption can&apos;t hold a line break</source>
        <translation>Der Titel darf keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>The procedures file cannot hold %1.</source>
        <extracomment>%1 is &quot;the character &quot;Ω&quot; (U+03A9), which the code page Windows-1252 cannot hold&quot;.</extracomment>
        <translation>Die Prozedurdatei kann %1 nicht enthalten.</translation>
    </message>
</context>
<context>
    <name>ProceduresEditor</name>
    <message>
        <source>Edit standard procedures panel</source>
        <translation>Standardprozeduren bearbeiten</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>Prozeduren</translation>
    </message>
    <message>
        <source>Code preview</source>
        <translation>Code-Vorschau</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>Neuer Code</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <source>New code...</source>
        <translation>Neuer Code...</translation>
    </message>
    <message>
        <source>Remove selected code?</source>
        <translation>Ausgewählten Code entfernen?</translation>
    </message>
    <message>
        <source>procedure %1</source>
        <extracomment>Names a node in an undo step (&quot;Remove procedure &quot;print;&quot;&quot;).</extracomment>
        <translation>Prozedur %1</translation>
    </message>
    <message numerus="yes">
        <source>%n procedures</source>
        <extracomment>Names nodes in an undo step (&quot;Paste 3 procedures&quot;).</extracomment>
        <translation>
            <numerusform>%n Prozedur</numerusform>
            <numerusform>%n Prozeduren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Tarvel Halvex configuration</source>
        <translation>Konfiguration von Tarvel Halvex</translation>
    </message>
    <message>
        <source>Operation:</source>
        <translation>Aktion:</translation>
    </message>
    <message>
        <source>Edit HTML toolbar</source>
        <translation>HTML-Werkzeugleiste bearbeiten</translation>
    </message>
    <message>
        <source>Edit standard procedures panel</source>
        <translation>Standardprozeduren bearbeiten</translation>
    </message>
    <message>
        <source>MIME types</source>
        <translation>MIME-Typen</translation>
    </message>
    <message>
        <source>Additional functions</source>
        <translation>Weitere Funktionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TagDialog</name>
    <message>
        <source>Tag properties</source>
        <translation>Eigenschaften des Tags</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>New line</source>
        <translation>Neue Zeile</translation>
    </message>
    <message>
        <source>Selected text</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Image index</source>
        <translation>Bildindex</translation>
    </message>
    <message>
        <source>Chosen image</source>
        <translation>Gewähltes Bild</translation>
    </message>
    <message>
        <source>Chosen image, enlarged</source>
        <translation>Gewähltes Bild, vergrößert</translation>
    </message>
</context>
<context>
    <name>ToolbarDocument</name>
    <message>
        <source>The clipboard holds tags and categories together: copy tags alone, or categories with their tags.</source>
        <translation>Die Zwischenablage enthält Tags und Kategorien zugleich: Kopieren Sie nur Tags oder Kategorien mit ihren Tags.</translation>
    </message>
    <message>
        <source>The clipboard holds no tags or categories.</source>
        <translation>Die Zwischenablage enthält weder Tags noch Kategorien.</translation>
    </message>
    <message>
        <source>Invalid char &quot;:&quot; in tag or caption</source>
        <translation>Ungültiges Zeichen &quot;:&quot; in Tag oder Titel</translation>
    </message>
    <message>
        <source>Invalid char &quot;:&quot; in caption</source>
        <translation>Ungültiges Zeichen &quot;:&quot; im Titel</translation>
    </message>
    <message>
        <source>Line %1 of %2: %3 is not a valid image index (a whole number from -2147483648 to 2147483647). Reading stopped at this line.</source>
        <extracomment>%3 is the field, quoted.</extracomment>
        <translation>Zeile %1 in %2: %3 ist kein gültiger Bildindex (eine ganze Zahl von -2147483648 bis 2147483647). Das Lesen wurde bei dieser Zeile abgebrochen.</translation>
    </message>
    <message>
        <source>The toolbar file cannot hold %1.</source>
        <extracomment>%1 is &quot;the character &quot;Ω&quot; (U+03A9), which the code page Windows-1252 cannot hold&quot;.</extracomment>
        <translation>Die Werkzeugleisten-Datei kann %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>Line %1 of the clipboard holds %2. Nothing was pasted.</source>
        <extracomment>%2 is &quot;the character &quot;Ω&quot; (U+03A9), which the code page ... cannot hold&quot;.</extracomment>
        <translation>Zeile %1 der Zwischenablage enthält %2. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Line %1 of the clipboard cannot be pasted as it stands: the toolbar file would hold %2 as %3. Nothing was pasted.</source>
        <extracomment>%2 and %3 are lines, quoted.</extracomment>
        <translation>Zeile %1 der Zwischenablage kann nicht so eingefügt werden, wie sie ist: Die Werkzeugleisten-Datei würde %2 als %3 speichern. Es wurde nichts eingefügt.</translation>
    </message>
</context>
<context>
    <name>ToolbarEditor</name>
    <message>
        <source>Edit HTML toolbar</source>
        <translation>HTML-Werkzeugleiste bearbeiten</translation>
    </message>
    <message>
        <source>Toolbar items</source>
        <translation>Elemente der Werkzeugleiste</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>Neues Tag</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Edit images</source>
        <translation>Bilder bearbeiten</translation>
    </message>
    <message>
        <source>View images</source>
        <translation>Bilder anzeigen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <source>New tag...</source>
        <translation>Neues Tag...</translation>
    </message>
    <message>
        <source>New category...</source>
        <translation>Neue Kategorie...</translation>
    </message>
    <message>
        <source>Remove selected tag/category</source>
        <translation>Ausgewähltes Tag bzw. ausgewählte Kategorie entfernen?</translation>
    </message>
    <message>
        <source>category %1</source>
        <extracomment>Names a node in an undo step (&quot;Remove category &quot;Lists&quot;&quot;).</extracomment>
        <translation>Kategorie %1</translation>
    </message>
    <message>
        <source>tag %1</source>
        <extracomment>Names a node in an undo step (&quot;Remove tag &quot;Bold&quot;&quot;).</extracomment>
        <translation>Tag %1</translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <extracomment>Names nodes in an undo step (&quot;Paste 3 categories&quot;).</extracomment>
        <translation>
            <numerusform>%n Kategorie</numerusform>
            <numerusform>%n Kategorien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tags</source>
        <extracomment>Names nodes in an undo step (&quot;Paste 3 tags&quot;).</extracomment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tags</numerusform>
        </translation>
    </message>
    <message>
        <source>A tag line that stands before the first category holds no tags: select a category or a tag to paste tags. Nothing was pasted.</source>
        <translation>Eine Tag-Zeile vor der ersten Kategorie enthält keine Tags: Wählen Sie eine Kategorie oder ein Tag, um Tags einzufügen. Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The images added or replaced here are not written to the strip yet. Read the strip again and drop them?</source>
        <translation>Die hier hinzugefügten oder ersetzten Bilder sind noch nicht in den Bildstreifen geschrieben. Den Bildstreifen neu lesen und sie verwerfen?</translation>
    </message>
    <message>
        <source>The image strip &quot;%1&quot; was written: it holds the new images, with the numbers shown here.</source>
        <translation>Der Bildstreifen &quot;%1&quot; wurde geschrieben: Er enthält die neuen Bilder, mit den hier gezeigten Nummern.</translation>
    </message>
    <message>
        <source>The image strip &quot;%1&quot; cannot hold the new images&apos; colours in its own kind of bitmap. OK writes it as a bitmap of 24 bits per pixel, its images as they look now.

Write it so?</source>
        <translation>Der Bildstreifen &quot;%1&quot; kann die Farben der neuen Bilder in seiner Art Bitmap nicht halten. OK schreibt ihn als Bitmap mit 24 Bit je Pixel, seine Bilder so, wie sie jetzt aussehen.

So schreiben?</translation>
    </message>
    <message>
        <source>Cannot write the image strip &quot;%1&quot;: this program cannot write a picture of its kind (%2).</source>
        <translation>Der Bildstreifen &quot;%1&quot; kann nicht geschrieben werden: Dieses Programm kann ein Bild dieser Art (%2) nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>ToolbarModel</name>
    <message>
        <source>A tag line that stands before the first category stays above every category and holds no tags: the file cannot hold it anywhere else.</source>
        <translation>Eine Tag-Zeile vor der ersten Kategorie bleibt über allen Kategorien und enthält keine Tags: Die Datei kann sie nirgends sonst halten.</translation>
    </message>
</context>
<context>
    <name>UpdateImagesPrompt</name>
    <message>
        <source>Update images</source>
        <translation>Bilder aktualisieren</translation>
    </message>
    <message>
        <source>Press Update button to update images in editor</source>
        <translation>Aktualisieren lädt die Bilder im Editor neu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read the file: no file name is set in the host&apos;s settings.</source>
        <translation>Die Datei kann nicht gelesen werden: In den Einstellungen von Tarvel Halvex ist kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>Cannot write the file: no file name is set in the host&apos;s settings.</source>
        <translation>Die Datei kann nicht geschrieben werden: In den Einstellungen von Tarvel Halvex ist kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>its extended attribute %1 cannot be kept: %2</source>
        <translation>Ihr erweitertes Attribut %1 kann nicht erhalten werden: %2</translation>
    </message>
    <message>
        <source>another program holds the file locked; close it there and try again</source>
        <translation>ein anderes Programm hält die Datei gesperrt; schließen Sie sie dort und versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>it was written in place and does not read back as written</source>
        <translation>sie wurde an Ort und Stelle geschrieben und liest sich nicht wie geschrieben zurück</translation>
    </message>
    <message>
        <source>no copy of its old content could be kept (%1), so it was not written over</source>
        <translation>keine Kopie ihres alten Inhalts konnte aufbewahrt werden (%1), daher wurde sie nicht überschrieben</translation>
    </message>
    <message>
        <source>no folder takes it</source>
        <translation>kein Ordner nimmt sie auf</translation>
    </message>
</context>
</TS>
