<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About Tessarin</source>
        <translation>Über Tessarin</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;Help/index.html&quot;&gt;The Tessarin manual&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;Help/index.html&quot;&gt;Das Tessarin-Handbuch&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Programming and design by the Tessarin team</source>
        <translation>Programmierung und Gestaltung: das Tessarin-Team</translation>
    </message>
    <message>
        <source>Music by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Musik: &lt;a href=&quot;Help/index.html&quot;&gt;die Tessarin-Entwickler&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Font by &lt;a href=&quot;http://aajohan.deviantart.com/art/Comfortaa-font-105395949&quot;&gt;Johan Aakerlund&lt;/a&gt;</source>
        <translation>Schriftart: &lt;a href=&quot;http://aajohan.deviantart.com/art/Comfortaa-font-105395949&quot;&gt;Johan Aakerlund&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Textures by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Texturen: &lt;a href=&quot;Help/index.html&quot;&gt;die Tessarin-Entwickler&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3&lt;/a&gt; or later; its pictures, sounds, music and help under &lt;a href=&quot;https://creativecommons.org/licenses/by-sa/4.0/&quot;&gt;CC BY-SA 4.0&lt;/a&gt;; the Comfortaa font under the &lt;a href=&quot;https://openfontlicense.org/&quot;&gt;SIL Open Font License 1.1&lt;/a&gt;.</source>
        <translation>Freie Software unter der &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3&lt;/a&gt; oder einer späteren Version; Bilder, Klänge, Musik und Hilfe unter &lt;a href=&quot;https://creativecommons.org/licenses/by-sa/4.0/&quot;&gt;CC BY-SA 4.0&lt;/a&gt;; die Schriftart Comfortaa unter der &lt;a href=&quot;https://openfontlicense.org/&quot;&gt;SIL Open Font License 1.1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Sounds by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Klänge: &lt;a href=&quot;Help/index.html&quot;&gt;die Tessarin-Entwickler&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The gallery&apos;s pictures are made from &lt;a href=&quot;https://github.com/microsoft/fluentui-emoji&quot;&gt;Fluent Emoji&lt;/a&gt; by Microsoft (MIT licence), their titles from Unicode CLDR.</source>
        <translation>Die Bilder der Galerie sind aus &lt;a href=&quot;https://github.com/microsoft/fluentui-emoji&quot;&gt;Fluent Emoji&lt;/a&gt; von Microsoft gemacht (MIT-Lizenz), ihre Titel aus Unicode CLDR.</translation>
    </message>
</context>
<context>
    <name>AssetFolder</name>
    <message>
        <source>Tessarin cannot find its pictures, sounds and help pages (the folders &quot;Images&quot;, &quot;Sounds&quot;, &quot;Music&quot; and &quot;Help&quot;), so it runs without them. It looked in:
%1</source>
        <translation>Tessarin findet seine Bilder, Klänge und Hilfeseiten nicht (die Ordner „Images“, „Sounds“, „Music“ und „Help“) und läuft deshalb ohne sie. Gesucht wurde in:
%1</translation>
    </message>
</context>
<context>
    <name>DesignSizeBox</name>
    <message>
        <source>New Design</source>
        <translation>Neuer Entwurf</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Spalten:</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Zeilen:</translation>
    </message>
</context>
<context>
    <name>DesignerWindow</name>
    <message>
        <source>Tessarin Designer</source>
        <translation>Tessarin-Rätselwerkstatt</translation>
    </message>
    <message>
        <source>Take It</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>Play It</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Share Code…</source>
        <translation>Code teilen …</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Entwurf</translation>
    </message>
    <message>
        <source>&amp;New Design…</source>
        <translation>&amp;Neuer Entwurf …</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle File…</source>
        <translation>Rätsel&amp;datei öffnen …</translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation>&amp;Speichern unter …</translation>
    </message>
    <message>
        <source>Share &amp;Code…</source>
        <translation>&amp;Code teilen …</translation>
    </message>
    <message>
        <source>&amp;Play It</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
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
        <source>&amp;Take the Suggestion</source>
        <translation>Vorschlag ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>&amp;Give or Take Back the Cursor&apos;s Cell</source>
        <translation>Feld am Cursor &amp;vorgeben oder zurücknehmen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Shift &amp;Left</source>
        <translation>Nach li&amp;nks schieben</translation>
    </message>
    <message>
        <source>Shift &amp;Right</source>
        <translation>Nach r&amp;echts schieben</translation>
    </message>
    <message>
        <source>Shift U&amp;p</source>
        <translation>Nach &amp;oben schieben</translation>
    </message>
    <message>
        <source>Shift &amp;Down</source>
        <translation>Nach &amp;unten schieben</translation>
    </message>
    <message>
        <source>&amp;Mirror Left and Right</source>
        <translation>Links und rechts &amp;spiegeln</translation>
    </message>
    <message>
        <source>Mirror &amp;Top and Bottom</source>
        <translation>Oben und unten s&amp;piegeln</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Designing Puzzles</source>
        <translation>&amp;Rätsel entwerfen</translation>
    </message>
    <message>
        <source>The design drawn here has not been kept. Start a new one all the same?</source>
        <translation>Der hier gezeichnete Entwurf wurde nicht aufbewahrt. Trotzdem einen neuen beginnen?</translation>
    </message>
    <message>
        <source>Working out what logic makes of the picture…</source>
        <translation>Es wird ermittelt, was die Logik aus dem Bild macht …</translation>
    </message>
    <message>
        <source>Draw a picture: the left button fills cells, the right one clears them.</source>
        <translation>Zeichnen Sie ein Bild: Die linke Maustaste füllt Felder, die rechte leert sie.</translation>
    </message>
    <message>
        <source>Logic finishes it; hardest technique: %1</source>
        <translation>Die Logik löst es; schwierigste Technik: %1</translation>
    </message>
    <message>
        <source>Unknown yet: logic stalls on the shaded cells, and the search for another solution goes on…</source>
        <translation>Noch unbekannt: Die Logik bleibt an den schattierten Feldern hängen, und die Suche nach einer anderen Lösung läuft weiter …</translation>
    </message>
    <message>
        <source>Needs a guess: the shaded cells cannot be decided by logic</source>
        <translation>Verlangt einen Versuch: Die schattierten Felder lassen sich nicht mit Logik entscheiden</translation>
    </message>
    <message>
        <source>More than one solution: the shaded cells can be swapped</source>
        <translation>Mehr als eine Lösung: Die schattierten Felder lassen sich vertauschen</translation>
    </message>
    <message>
        <source>Unknown: logic stalls on the shaded cells, and the search could not tell in time whether another solution fits</source>
        <translation>Unbekannt: Die Logik bleibt an den schattierten Feldern hängen, und die Suche konnte nicht rechtzeitig klären, ob eine andere Lösung passt</translation>
    </message>
    <message>
        <source>Clear the marked cell: logic then finishes the picture.</source>
        <translation>Leeren Sie das markierte Feld: Dann vervollständigt die Logik das Bild.</translation>
    </message>
    <message>
        <source>Fill the marked cell: logic then finishes the picture.</source>
        <translation>Füllen Sie das markierte Feld: Dann vervollständigt die Logik das Bild.</translation>
    </message>
    <message>
        <source>Give the marked cell at the start: logic decides the most from it.</source>
        <translation>Geben Sie das markierte Feld zu Beginn vor: Von ihm aus entscheidet die Logik am meisten.</translation>
    </message>
    <message>
        <source>Looking for a cell that helps…</source>
        <translation>Ein hilfreiches Feld wird gesucht …</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is nothing to play yet: draw a picture first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Noch gibt es nichts zu spielen: Zeichnen Sie zuerst ein Bild.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Entwurf speichern</translation>
    </message>
    <message>
        <source>Puzzle files (*.non)</source>
        <translation>Rätseldateien (*.non)</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design could not be saved as %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Nothing was written there.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Der Entwurf konnte nicht als %1 gespeichert werden:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Dort wurde nichts geschrieben.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is nothing to share yet: draw a picture first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Noch gibt es nichts zu teilen: Zeichnen Sie zuerst ein Bild.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design&apos;s code is copied: a friend enters it with Game &amp;gt; Enter Puzzle Code (Ctrl+E).&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Der Code des Entwurfs ist kopiert: Wer ihn bekommt, gibt ihn mit Spiel &amp;gt; Rätselcode eingeben (Strg+E) ein.&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open Puzzle File</source>
        <translation>Rätseldatei öffnen</translation>
    </message>
    <message>
        <source>Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)</source>
        <translation>Rätseldateien (*.non *.nonpack *.nin *.xml *.g *.mk);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>no picture that fits its clues is known</source>
        <translation>es ist kein Bild bekannt, das zu ihren Zahlen passt</translation>
    </message>
    <message>
        <source>the designer draws from %1x%1 to %2x%2 cells</source>
        <translation>die Rätselwerkstatt zeichnet %1x%1 bis %2x%2 Felder</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be opened as a design:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 konnte nicht als Entwurf geöffnet werden:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The design drawn here has not been kept. Open the file all the same?</source>
        <translation>Der hier gezeichnete Entwurf wurde nicht aufbewahrt. Die Datei trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Keep this design in the gallery&apos;s album My designs?</source>
        <translation>Diesen Entwurf im Album „Meine Entwürfe“ der Galerie aufbewahren?</translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es handelt sich nicht um eine reguläre Datei</translation>
    </message>
    <message>
        <source>it is too large to be the game&apos;s</source>
        <translation>die Datei ist zu groß, um vom Spiel zu stammen</translation>
    </message>
</context>
<context>
    <name>FramePainter</name>
    <message>
        <source>Creating puzzle...</source>
        <translation>Rätsel wird erstellt …</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Faults: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Schwierigkeit: %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>More than one solution</source>
        <translation>Mehr als eine Lösung</translation>
    </message>
</context>
<context>
    <name>GalleryBrowser</name>
    <message>
        <source>Animals</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Natur</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Reisen</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Gegenstände</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 von %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Best: %1 s</source>
        <translation>Bestzeit: %1 s</translation>
    </message>
    <message>
        <source>%1, not solved yet</source>
        <translation>%1, noch nicht gelöst</translation>
    </message>
    <message>
        <source>My designs</source>
        <translation>Meine Entwürfe</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it is no longer there</source>
        <translation>die Datei ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>it is damaged, and was removed</source>
        <translation>die Datei ist beschädigt und wurde entfernt</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Load game in progress from previous session?</source>
        <translation>Laufendes Spiel aus der letzten Sitzung laden?</translation>
    </message>
    <message>
        <source>Your saved game could not be loaded from %1: %2.</source>
        <translation>Ihr gespeichertes Spiel konnte nicht aus %1 geladen werden: %2.</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>Spiel speichern?</translation>
    </message>
    <message>
        <source>Your game could not be saved to %1: %2.
The game stays open, so that nothing is lost.</source>
        <translation>Ihr Spiel konnte nicht in %1 gespeichert werden: %2.
Das Spiel bleibt geöffnet, damit nichts verloren geht.</translation>
    </message>
    <message>
        <source>Your settings and scores could not be saved to %1: %2.</source>
        <translation>Ihre Einstellungen und Ergebnisse konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Another copy of Tessarin keeps a game in %1.
Replace it with this one?</source>
        <translation>Eine andere Tessarin-Instanz bewahrt ein Spiel in %1 auf.
Soll es durch dieses ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Beginner judges every move against the puzzle&apos;s one solution, and this puzzle has none known.</source>
        <translation>Anfänger prüft jeden Zug an der einen Lösung des Rätsels, und für dieses Rätsel ist keine bekannt.</translation>
    </message>
    <message>
        <source>Not made at %1: boards up to 20x15 are made for the seven line techniques, which never need What If.</source>
        <translation>Nicht bei %1: Rätsel bis 20x15 werden für die sieben Zeilentechniken gemacht, die nie „Was wäre, wenn“ brauchen.</translation>
    </message>
    <message>
        <source>Not made at %1: puzzles this hard are too rare at this size to be found in about a second.</source>
        <translation>Nicht bei %1: So schwere Rätsel sind bei dieser Größe zu selten, um in etwa einer Sekunde gefunden zu werden.</translation>
    </message>
</context>
<context>
    <name>GameWords</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Komplett</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Glue</source>
        <translation>Kleber</translation>
    </message>
    <message>
        <source>Punctuate</source>
        <translation>Klammern</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Row %1, clue %2</source>
        <translation>Zeile %1, Vorgabe %2</translation>
    </message>
    <message>
        <source>Column %1, clue %2</source>
        <translation>Spalte %1, Vorgabe %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What If and its reasoning: &quot;What If: If the cell in column 3, ...&quot;
----------
A line and the technique that found cells on it: &quot;Column 4, clue 6 1: Boxes&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Arrangements</source>
        <translation>Anordnungen</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Was wäre, wenn</translation>
    </message>
    <message>
        <source>If the cell in column %1, row %2 were filled, this line could not hold its clue: so it is empty.</source>
        <translation>Wäre das Feld in Spalte %1, Zeile %2 gefüllt, könnte diese Linie ihre Zahlen nicht erfüllen: also bleibt es leer.</translation>
    </message>
    <message>
        <source>If the cell in column %1, row %2 were empty, this line could not hold its clue: so it is filled.</source>
        <translation>Bliebe das Feld in Spalte %1, Zeile %2 leer, könnte diese Linie ihre Zahlen nicht erfüllen: also ist es gefüllt.</translation>
    </message>
    <message>
        <source>Whether the cell in column %1, row %2 is filled or empty, these cells follow either way.</source>
        <translation>Ob das Feld in Spalte %1, Zeile %2 gefüllt oder leer ist, diese Felder folgen in beiden Fällen.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Hardest technique: %1</source>
        <translation>Schwierigste Technik: %1</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Zurück (Alt+Links)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>The key that closes the help: a key name, such as Esc.</extracomment>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Hints taken</source>
        <translation>Genutzte Tipps</translation>
    </message>
    <message>
        <source>Puzzles won</source>
        <translation>Gewonnene Rätsel</translation>
    </message>
    <message>
        <source>Hints taken: the hints each technique gave you.
Puzzles won: the puzzles you won that needed it as their hardest technique.</source>
        <translation>Genutzte Tipps: die Tipps, die Ihnen jede Technik gegeben hat.
Gewonnene Rätsel: Ihre gewonnenen Rätsel, für die sie die schwierigste nötige Technik war.</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;This will clear all high scores. Proceed?&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Damit werden alle Bestwerte gelöscht. Fortfahren?&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Puzzles from files</source>
        <translation>Rätsel aus Dateien</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>New Game	F2</source>
        <translation>Neues Spiel	F2</translation>
    </message>
    <message>
        <source>Enter Puzzle Code…</source>
        <translation>Rätselcode eingeben …</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <translation>Rätsel des Tages</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Rätsel neu beginnen</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>How to Play	F1</source>
        <translation>Spielanleitung	F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tessarin</translation>
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
        <source>Hint	H</source>
        <translation>Tipp	H</translation>
    </message>
    <message>
        <source>Marks	M</source>
        <translation>Markierungen	M</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Laub</translation>
    </message>
    <message>
        <source>Particles</source>
        <translation>Partikel</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pause	P</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Failed to load mistake.png!</source>
        <translation>Die Datei mistake.png konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Failed to load background file!</source>
        <translation>Die Hintergrunddatei konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Unable to open audio!</source>
        <translation>Die Audioausgabe konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>Neues Spiel?</translation>
    </message>
    <message>
        <source>It looks like this is your first time playing.
Would you like to read about how to play?</source>
        <translation>Sie spielen anscheinend zum ersten Mal.
Möchten Sie die Spielanleitung lesen?</translation>
    </message>
    <message>
        <source>Puzzle code (for example 15x10-1111D):</source>
        <translation>Rätselcode (zum Beispiel 15x10-1111D):</translation>
    </message>
    <message>
        <source>&lt;p&gt;&quot;%1&quot; is not a puzzle code.&lt;/p&gt;&lt;p&gt;A code is the puzzle&apos;s size, a dash, then letters and digits, as the game shows it beside the board: for example 15x10-1111D.&lt;/p&gt;</source>
        <translation>&lt;p&gt;„%1“ ist kein Rätselcode.&lt;/p&gt;&lt;p&gt;Ein Code besteht aus der Größe des Rätsels, einem Bindestrich und dann Buchstaben und Ziffern, so wie das Spiel ihn neben dem Spielfeld anzeigt: zum Beispiel 15x10-1111D.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;All markings are currently correct.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Alle Einträge sind bisher richtig.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;These cells are found using the &lt;b&gt;%1&lt;/b&gt; technique.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Diese Felder ergeben sich mit der Technik &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep marks?</source>
        <translation>Markierungen behalten?</translation>
    </message>
    <message>
        <source>Clear the board and start this puzzle again?
The clock and the faults go on.</source>
        <translation>Spielfeld leeren und dieses Rätsel neu beginnen?
Uhr und Fehlerzähler laufen weiter.</translation>
    </message>
    <message>
        <source>Tessarin cannot keep your settings, scores and games: the folder %1 cannot be made.</source>
        <translation>Tessarin kann Ihre Einstellungen, Ergebnisse und Spiele nicht aufbewahren: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Your settings and scores in %1 could not be read: %2.
The game plays on its defaults and leaves the file as it is.</source>
        <translation>Ihre Einstellungen und Ergebnisse in %1 konnten nicht gelesen werden: %2.
Das Spiel läuft mit den Voreinstellungen weiter und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Open Puzzle File…</source>
        <translation>Rätseldatei öffnen …</translation>
    </message>
    <message>
        <source>Open Puzzle File</source>
        <translation>Rätseldatei öffnen</translation>
    </message>
    <message>
        <source>Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)</source>
        <translation>Rätseldateien (*.non *.nonpack *.nin *.xml *.g *.mk);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be opened as a puzzle:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 konnte nicht als Rätsel geöffnet werden:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;Logic alone cannot go on from here: this puzzle needs a guess.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Mit Logik allein geht es von hier nicht weiter: Dieses Rätsel verlangt einen Versuch.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;Reveal one cell of the solution, for a fault?&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Ein Feld der Lösung aufdecken, für einen Fehler?&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About This Puzzle…</source>
        <translation>Über dieses Rätsel …</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>Puzzle code:</source>
        <translation>Rätselcode:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Logic alone finishes it.</source>
        <translation>Logik allein löst es.</translation>
    </message>
    <message>
        <source>It has one solution, but logic alone cannot finish it: it needs a guess.</source>
        <translation>Es hat eine Lösung, aber Logik allein löst es nicht: Es verlangt einen Versuch.</translation>
    </message>
    <message>
        <source>It has more than one solution.</source>
        <translation>Es hat mehr als eine Lösung.</translation>
    </message>
    <message>
        <source>No picture fits its clues.</source>
        <translation>Kein Bild passt zu seinen Zahlen.</translation>
    </message>
    <message>
        <source>Nobody knows yet whether logic finishes it: the search ran out of time.</source>
        <translation>Noch ist unbekannt, ob Logik es löst: Die Suche brauchte zu lange.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>No puzzle files yet</source>
        <translation>Noch keine Rätseldateien</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit Board to Window</source>
        <translation>Spielfeld ins Fenster einpassen</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;No next step was found in the time a hint may take: logic may still go on from here, further than a hint can look.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;In der Zeit, die ein Tipp haben darf, wurde kein nächster Schritt gefunden: Die Logik kann von hier aus vielleicht weiterkommen, weiter, als ein Tipp schauen kann.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Pictures…</source>
        <translation>Bilder …</translation>
    </message>
    <message>
        <source>&lt;p&gt;The gallery&apos;s pictures could not be read from %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Bilder der Galerie konnten nicht aus %1 gelesen werden:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Schwierigkeit: %1</translation>
    </message>
    <message>
        <source>New Design…</source>
        <translation>Neuer Entwurf …</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design could not be kept in My designs, in %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;The file is as it was.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Der Entwurf konnte nicht in „Meine Entwürfe“ aufbewahrt werden, in %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Die Datei ist unverändert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>it does not start with a size and -D-</source>
        <translation>er beginnt nicht mit einer Größe und -D-</translation>
    </message>
    <message>
        <source>a design has 5 to 60 cells a side</source>
        <translation>ein Entwurf hat 5 bis 60 Felder je Seite</translation>
    </message>
    <message>
        <source>it holds a character no code has</source>
        <translation>er enthält ein Zeichen, das in keinem Code vorkommt</translation>
    </message>
    <message>
        <source>it has too few or too many digits for its size</source>
        <translation>er hat zu wenige oder zu viele Ziffern für seine Größe</translation>
    </message>
    <message>
        <source>a digit is mistyped, or two are swapped</source>
        <translation>eine Ziffer ist vertippt, oder zwei sind vertauscht</translation>
    </message>
    <message>
        <source>its picture is empty</source>
        <translation>sein Bild ist leer</translation>
    </message>
    <message>
        <source>&lt;p&gt;&quot;%1&quot; is not a design&apos;s code: %2.&lt;/p&gt;&lt;p&gt;Copy the code again as it was given to you.&lt;/p&gt;</source>
        <translation>&lt;p&gt;„%1“ ist kein Code eines Entwurfs: %2.&lt;/p&gt;&lt;p&gt;Kopieren Sie den Code noch einmal so, wie Sie ihn bekommen haben.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Fatal Error</source>
        <translation>Schwerwiegender Fehler</translation>
    </message>
</context>
<context>
    <name>PuzzleFileOpening</name>
    <message>
        <source>there is no such file</source>
        <translation>es gibt keine solche Datei</translation>
    </message>
    <message>
        <source>it is larger than any puzzle file (%1 MB)</source>
        <translation>sie ist größer als jede Rätseldatei (%1 MB)</translation>
    </message>
    <message>
        <source>no picture fits its clues</source>
        <translation>kein Bild passt zu ihren Zahlen</translation>
    </message>
</context>
<context>
    <name>ReplayBar</name>
    <message>
        <source>Start (Home)</source>
        <translation>Anfang (Pos1)</translation>
    </message>
    <message>
        <source>Back (Left)</source>
        <translation>Zurück (Links)</translation>
    </message>
    <message>
        <source>Play (P)</source>
        <translation>Abspielen (P)</translation>
    </message>
    <message>
        <source>Forward (Right or Space)</source>
        <translation>Vor (Rechts oder Leertaste)</translation>
    </message>
    <message>
        <source>End (End)</source>
        <translation>Ende (Ende)</translation>
    </message>
    <message>
        <source>Show the finished board (Escape)</source>
        <translation>Fertiges Spielfeld zeigen (Esc)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
    </message>
    <message>
        <source>the blank board</source>
        <translation>das leere Spielfeld</translation>
    </message>
    <message>
        <source>Stop (P)</source>
        <translation>Anhalten (P)</translation>
    </message>
    <message>
        <source>Slower (-)</source>
        <translation>Langsamer (-)</translation>
    </message>
    <message>
        <source>Faster (+)</source>
        <translation>Schneller (+)</translation>
    </message>
    <message>
        <source>Speed: %1</source>
        <translation>Tempo: %1</translation>
    </message>
</context>
<context>
    <name>SavedGameFile</name>
    <message>
        <source>another copy of Tessarin keeps its game there</source>
        <translation>eine andere Tessarin-Instanz bewahrt dort ihr Spiel auf</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 fault</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>%1 faults</source>
        <translation>%1 Fehlern</translation>
    </message>
    <message>
        <source>%1 with %2.</source>
        <extracomment>&quot;143 seconds with 2 faults.&quot;</extracomment>
        <translation>%1 mit %2.</translation>
    </message>
    <message>
        <source>Best Time: %1</source>
        <translation>Bestzeit: %1</translation>
    </message>
    <message>
        <source>Total Wins for This Type: %1.</source>
        <translation>Siege insgesamt in dieser Kategorie: %1.</translation>
    </message>
</context>
<context>
    <name>WinScreen</name>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>Noch einmal spielen?</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Your Time: %1</source>
        <translation>Ihre Zeit: %1</translation>
    </message>
    <message>
        <source>1 deduction</source>
        <translation>1 Folgerung</translation>
    </message>
    <message>
        <source>%1 deductions</source>
        <translation>%1 Folgerungen</translation>
    </message>
    <message>
        <source>1 sweep</source>
        <translation>1 Durchgang</translation>
    </message>
    <message>
        <source>%1 sweeps</source>
        <translation>%1 Durchgängen</translation>
    </message>
    <message>
        <source>Puzzle code: %1</source>
        <translation>Rätselcode: %1</translation>
    </message>
    <message>
        <source>You solved %1</source>
        <translation>Gelöst: %1</translation>
    </message>
    <message>
        <source>Pictures…</source>
        <translation>Bilder …</translation>
    </message>
    <message>
        <source>Difficulty: %1 (%2, %3 in %4)</source>
        <extracomment>&quot;Difficulty: Medium (Glue, 31 deductions in 4 sweeps)&quot;</extracomment>
        <translation>Schwierigkeit: %1 (%2, %3 in %4)</translation>
    </message>
</context>
</TS>
