<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>About Tessarin</source>
        <translation>À propos de Tessarin</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;Help/index.html&quot;&gt;The Tessarin manual&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;Help/index.html&quot;&gt;Le manuel de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Programming and design by the Tessarin team</source>
        <translation>Programmation et conception&#xa0;: l&apos;équipe Tessarin</translation>
    </message>
    <message>
        <source>Music by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Musique&#xa0;: &lt;a href=&quot;Help/index.html&quot;&gt;les développeurs de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Font by &lt;a href=&quot;http://aajohan.deviantart.com/art/Comfortaa-font-105395949&quot;&gt;Johan Aakerlund&lt;/a&gt;</source>
        <translation>Police&#xa0;: &lt;a href=&quot;http://aajohan.deviantart.com/art/Comfortaa-font-105395949&quot;&gt;Johan Aakerlund&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Textures by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Textures&#xa0;: &lt;a href=&quot;Help/index.html&quot;&gt;les développeurs de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3&lt;/a&gt; or later; its pictures, sounds, music and help under &lt;a href=&quot;https://creativecommons.org/licenses/by-sa/4.0/&quot;&gt;CC BY-SA 4.0&lt;/a&gt;; the Comfortaa font under the &lt;a href=&quot;https://openfontlicense.org/&quot;&gt;SIL Open Font License 1.1&lt;/a&gt;.</source>
        <translation>Logiciel libre sous licence &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3&lt;/a&gt; ou ultérieure&#xa0;; images, sons, musique et aide sous licence &lt;a href=&quot;https://creativecommons.org/licenses/by-sa/4.0/&quot;&gt;CC BY-SA 4.0&lt;/a&gt;&#xa0;; police Comfortaa sous licence &lt;a href=&quot;https://openfontlicense.org/&quot;&gt;SIL Open Font License 1.1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Sounds by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Sons&#xa0;: &lt;a href=&quot;Help/index.html&quot;&gt;les développeurs de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The gallery&apos;s pictures are made from &lt;a href=&quot;https://github.com/microsoft/fluentui-emoji&quot;&gt;Fluent Emoji&lt;/a&gt; by Microsoft (MIT licence), their titles from Unicode CLDR.</source>
        <translation>Les images de la galerie sont faites à partir de &lt;a href=&quot;https://github.com/microsoft/fluentui-emoji&quot;&gt;Fluent Emoji&lt;/a&gt; de Microsoft (licence MIT), leurs titres viennent d’Unicode CLDR.</translation>
    </message>
</context>
<context>
    <name>AssetFolder</name>
    <message>
        <source>Tessarin cannot find its pictures, sounds and help pages (the folders &quot;Images&quot;, &quot;Sounds&quot;, &quot;Music&quot; and &quot;Help&quot;), so it runs without them. It looked in:
%1</source>
        <translation>Tessarin ne trouve pas ses images, ses sons ni ses pages d&apos;aide (les dossiers «&#xa0;Images&#xa0;», «&#xa0;Sounds&#xa0;», «&#xa0;Music&#xa0;» et «&#xa0;Help&#xa0;»)&#xa0;; il fonctionne donc sans eux. Emplacements consultés&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>DesignSizeBox</name>
    <message>
        <source>New Design</source>
        <translation>Nouveau dessin</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Colonnes&#xa0;:</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Lignes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DesignerWindow</name>
    <message>
        <source>Tessarin Designer</source>
        <translation>Atelier de grilles Tessarin</translation>
    </message>
    <message>
        <source>Take It</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licence&#xa0;:</translation>
    </message>
    <message>
        <source>Play It</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Share Code…</source>
        <translation>Partager le code…</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Dessin</translation>
    </message>
    <message>
        <source>&amp;New Design…</source>
        <translation>&amp;Nouveau dessin…</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle File…</source>
        <translation>&amp;Ouvrir un fichier de grille…</translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
    <message>
        <source>Share &amp;Code…</source>
        <translation>Partager le &amp;code…</translation>
    </message>
    <message>
        <source>&amp;Play It</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Éd&amp;ition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refaire</translation>
    </message>
    <message>
        <source>&amp;Take the Suggestion</source>
        <translation>Appliquer la &amp;suggestion</translation>
    </message>
    <message>
        <source>&amp;Give or Take Back the Cursor&apos;s Cell</source>
        <translation>&amp;Donner ou reprendre la case du curseur</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Tout &amp;effacer</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>Shift &amp;Left</source>
        <translation>Décaler à &amp;gauche</translation>
    </message>
    <message>
        <source>Shift &amp;Right</source>
        <translation>Décaler à dr&amp;oite</translation>
    </message>
    <message>
        <source>Shift U&amp;p</source>
        <translation>Décaler vers le &amp;haut</translation>
    </message>
    <message>
        <source>Shift &amp;Down</source>
        <translation>Décaler vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;Mirror Left and Right</source>
        <translation>Re&amp;tourner de gauche à droite</translation>
    </message>
    <message>
        <source>Mirror &amp;Top and Bottom</source>
        <translation>Retourner de ha&amp;ut en bas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Designing Puzzles</source>
        <translation>&amp;Dessiner des grilles</translation>
    </message>
    <message>
        <source>The design drawn here has not been kept. Start a new one all the same?</source>
        <translation>Le dessin tracé ici n&apos;a pas été conservé. En commencer un nouveau quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Working out what logic makes of the picture…</source>
        <translation>Recherche de ce que la logique fait de l&apos;image…</translation>
    </message>
    <message>
        <source>Draw a picture: the left button fills cells, the right one clears them.</source>
        <translation>Dessinez une image&#xa0;: le bouton gauche remplit les cases, le droit les vide.</translation>
    </message>
    <message>
        <source>Logic finishes it; hardest technique: %1</source>
        <translation>La logique la résout&#xa0;; technique la plus difficile&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unknown yet: logic stalls on the shaded cells, and the search for another solution goes on…</source>
        <translation>Pas encore connu&#xa0;: la logique bloque sur les cases grisées, et la recherche d&apos;une autre solution continue…</translation>
    </message>
    <message>
        <source>Needs a guess: the shaded cells cannot be decided by logic</source>
        <translation>Demande un essai&#xa0;: les cases grisées ne peuvent pas être décidées par la logique</translation>
    </message>
    <message>
        <source>More than one solution: the shaded cells can be swapped</source>
        <translation>Plus d’une solution&#xa0;: les cases grisées peuvent être échangées</translation>
    </message>
    <message>
        <source>Unknown: logic stalls on the shaded cells, and the search could not tell in time whether another solution fits</source>
        <translation>Inconnu&#xa0;: la logique bloque sur les cases grisées, et la recherche n&apos;a pas pu établir à temps si une autre solution convient</translation>
    </message>
    <message>
        <source>Clear the marked cell: logic then finishes the picture.</source>
        <translation>Videz la case marquée&#xa0;: la logique achève alors l&apos;image.</translation>
    </message>
    <message>
        <source>Fill the marked cell: logic then finishes the picture.</source>
        <translation>Remplissez la case marquée&#xa0;: la logique achève alors l&apos;image.</translation>
    </message>
    <message>
        <source>Give the marked cell at the start: logic decides the most from it.</source>
        <translation>Donnez la case marquée au départ&#xa0;: c&apos;est à partir d&apos;elle que la logique décide le plus.</translation>
    </message>
    <message>
        <source>Looking for a cell that helps…</source>
        <translation>Recherche d&apos;une case qui aide…</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is nothing to play yet: draw a picture first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il n&apos;y a encore rien à jouer&#xa0;: dessinez d&apos;abord une image.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>design</source>
        <translation>dessin</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Enregistrer le dessin</translation>
    </message>
    <message>
        <source>Puzzle files (*.non)</source>
        <translation>Fichiers de grilles (*.non)</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design could not be saved as %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Nothing was written there.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le dessin n&apos;a pas pu être enregistré sous %1&#xa0;:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Rien n&apos;y a été écrit.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is nothing to share yet: draw a picture first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Il n&apos;y a encore rien à partager&#xa0;: dessinez d&apos;abord une image.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design&apos;s code is copied: a friend enters it with Game &amp;gt; Enter Puzzle Code (Ctrl+E).&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le code du dessin est copié&#xa0;: un ami le saisit avec Partie &amp;gt; Saisir un code de grille (Ctrl+E).&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open Puzzle File</source>
        <translation>Ouvrir un fichier de grille</translation>
    </message>
    <message>
        <source>Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)</source>
        <translation>Fichiers de grilles (*.non *.nonpack *.nin *.xml *.g *.mk);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>no picture that fits its clues is known</source>
        <translation>aucune image connue ne correspond à ses indices</translation>
    </message>
    <message>
        <source>the designer draws from %1x%1 to %2x%2 cells</source>
        <translation>l&apos;atelier dessine de %1x%1 à %2x%2 cases</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be opened as a design:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 n’a pas pu être ouvert comme dessin&#xa0;:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The design drawn here has not been kept. Open the file all the same?</source>
        <translation>Le dessin tracé ici n&apos;a pas été conservé. Ouvrir le fichier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Keep this design in the gallery&apos;s album My designs?</source>
        <translation>Conserver ce dessin dans l&apos;album «&#xa0;Mes dessins&#xa0;» de la galerie&#xa0;?</translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large to be the game&apos;s</source>
        <translation>le fichier est trop volumineux pour provenir du jeu</translation>
    </message>
</context>
<context>
    <name>FramePainter</name>
    <message>
        <source>Creating puzzle...</source>
        <translation>Création de la grille…</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Faults: %1</source>
        <translation>Fautes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Difficulté&#xa0;: %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>par %1</translation>
    </message>
    <message>
        <source>More than one solution</source>
        <translation>Plus d’une solution</translation>
    </message>
</context>
<context>
    <name>GalleryBrowser</name>
    <message>
        <source>Animals</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Cuisine</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Voyages</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 sur %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Best: %1 s</source>
        <translation>Meilleur&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>%1, not solved yet</source>
        <translation>%1, pas encore résolue</translation>
    </message>
    <message>
        <source>My designs</source>
        <translation>Mes dessins</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it is no longer there</source>
        <translation>le fichier n&apos;existe plus</translation>
    </message>
    <message>
        <source>it is damaged, and was removed</source>
        <translation>le fichier était endommagé et a été supprimé</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Load game in progress from previous session?</source>
        <translation>Charger la partie en cours de la session précédente&#xa0;?</translation>
    </message>
    <message>
        <source>Your saved game could not be loaded from %1: %2.</source>
        <translation>Votre partie enregistrée n&apos;a pas pu être chargée depuis %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>Enregistrer votre partie&#xa0;?</translation>
    </message>
    <message>
        <source>Your game could not be saved to %1: %2.
The game stays open, so that nothing is lost.</source>
        <translation>Votre partie n&apos;a pas pu être enregistrée dans %1&#xa0;: %2.
Le jeu reste ouvert pour que rien ne soit perdu.</translation>
    </message>
    <message>
        <source>Your settings and scores could not be saved to %1: %2.</source>
        <translation>Vos paramètres et vos scores n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Another copy of Tessarin keeps a game in %1.
Replace it with this one?</source>
        <translation>Une autre instance de Tessarin conserve une partie dans %1.
La remplacer par celle-ci&#xa0;?</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Beginner judges every move against the puzzle&apos;s one solution, and this puzzle has none known.</source>
        <translation>Débutant juge chaque coup d’après l’unique solution de la grille, et on n’en connaît aucune pour celle-ci.</translation>
    </message>
    <message>
        <source>Not made at %1: boards up to 20x15 are made for the seven line techniques, which never need What If.</source>
        <translation>Pas en %1&#xa0;: les grilles jusqu’à 20x15 sont faites pour les sept techniques de ligne, qui n’ont jamais besoin de Et si.</translation>
    </message>
    <message>
        <source>Not made at %1: puzzles this hard are too rare at this size to be found in about a second.</source>
        <translation>Pas en %1&#xa0;: des grilles aussi difficiles sont trop rares à cette taille pour être trouvées en une seconde environ.</translation>
    </message>
</context>
<context>
    <name>GameWords</name>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Clôture</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Glue</source>
        <translation>Colle</translation>
    </message>
    <message>
        <source>Punctuate</source>
        <translation>Ponctuation</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Interstice</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Row %1, clue %2</source>
        <translation>Ligne %1, indice %2</translation>
    </message>
    <message>
        <source>Column %1, clue %2</source>
        <translation>Colonne %1, indice %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What If and its reasoning: &quot;What If: If the cell in column 3, ...&quot;
----------
A line and the technique that found cells on it: &quot;Column 4, clue 6 1: Boxes&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Arrangements</source>
        <translation>Placements</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Et si</translation>
    </message>
    <message>
        <source>If the cell in column %1, row %2 were filled, this line could not hold its clue: so it is empty.</source>
        <translation>Si la case colonne %1, ligne %2 était remplie, cette ligne ne pourrait plus respecter ses indices&#xa0;: elle est donc vide.</translation>
    </message>
    <message>
        <source>If the cell in column %1, row %2 were empty, this line could not hold its clue: so it is filled.</source>
        <translation>Si la case colonne %1, ligne %2 était vide, cette ligne ne pourrait plus respecter ses indices&#xa0;: elle est donc remplie.</translation>
    </message>
    <message>
        <source>Whether the cell in column %1, row %2 is filled or empty, these cells follow either way.</source>
        <translation>Que la case colonne %1, ligne %2 soit remplie ou vide, ces cases s’ensuivent dans les deux cas.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Hardest technique: %1</source>
        <translation>Technique la plus difficile&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aide&#xa0;: %1</translation>
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
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Hints taken</source>
        <translation>Coups de pouce reçus</translation>
    </message>
    <message>
        <source>Puzzles won</source>
        <translation>Grilles gagnées</translation>
    </message>
    <message>
        <source>Hints taken: the hints each technique gave you.
Puzzles won: the puzzles you won that needed it as their hardest technique.</source>
        <translation>Coups de pouce reçus&#xa0;: les coups de pouce que chaque technique vous a donnés.
Grilles gagnées&#xa0;: les grilles gagnées dont elle était la technique la plus difficile.</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;This will clear all high scores. Proceed?&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Tous les meilleurs scores seront effacés. Continuer&#xa0;?&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Puzzles from files</source>
        <translation>Grilles de fichiers</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Fautes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>New Game	F2</source>
        <translation>Nouvelle partie	F2</translation>
    </message>
    <message>
        <source>Enter Puzzle Code…</source>
        <translation>Saisir un code de grille…</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <translation>Grille du jour</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Recommencer la grille</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>How to Play	F1</source>
        <translation>Comment jouer	F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Hint	H</source>
        <translation>Coup de pouce	H</translation>
    </message>
    <message>
        <source>Marks	M</source>
        <translation>Marques	M</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Herbe</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Particles</source>
        <translation>Particules</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pause	P</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Failed to load mistake.png!</source>
        <translation>Impossible de charger mistake.png&#xa0;!</translation>
    </message>
    <message>
        <source>Failed to load background file!</source>
        <translation>Impossible de charger le fichier d&apos;arrière-plan&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to open audio!</source>
        <translation>Impossible d&apos;ouvrir la sortie audio&#xa0;!</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>Nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>It looks like this is your first time playing.
Would you like to read about how to play?</source>
        <translation>On dirait que c&apos;est votre première partie.
Voulez-vous lire la page «&#xa0;Comment jouer&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Puzzle code (for example 15x10-1111D):</source>
        <translation>Code de la grille (par exemple 15x10-1111D)&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;p&gt;&quot;%1&quot; is not a puzzle code.&lt;/p&gt;&lt;p&gt;A code is the puzzle&apos;s size, a dash, then letters and digits, as the game shows it beside the board: for example 15x10-1111D.&lt;/p&gt;</source>
        <translation>&lt;p&gt;«&#xa0;%1&#xa0;» n&apos;est pas un code de grille.&lt;/p&gt;&lt;p&gt;Un code se compose de la taille de la grille, d&apos;un tiret, puis de lettres et de chiffres, tel que le jeu l&apos;affiche à côté du plateau&#xa0;: par exemple 15x10-1111D.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;All markings are currently correct.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Toutes vos cases sont correctes pour l&apos;instant.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;These cells are found using the &lt;b&gt;%1&lt;/b&gt; technique.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Ces cases sont trouvées grâce à la technique &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep marks?</source>
        <translation>Conserver les marques&#xa0;?</translation>
    </message>
    <message>
        <source>Clear the board and start this puzzle again?
The clock and the faults go on.</source>
        <translation>Effacer le plateau et recommencer cette grille&#xa0;?
Le chronomètre continue de tourner et les fautes restent comptées.</translation>
    </message>
    <message>
        <source>Tessarin cannot keep your settings, scores and games: the folder %1 cannot be made.</source>
        <translation>Tessarin ne peut pas conserver vos paramètres, scores et parties&#xa0;: le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Your settings and scores in %1 could not be read: %2.
The game plays on its defaults and leaves the file as it is.</source>
        <translation>Vos paramètres et vos scores dans %1 n&apos;ont pas pu être lus&#xa0;: %2.
Le jeu continue avec ses paramètres par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>Open Puzzle File…</source>
        <translation>Ouvrir un fichier de grille…</translation>
    </message>
    <message>
        <source>Open Puzzle File</source>
        <translation>Ouvrir un fichier de grille</translation>
    </message>
    <message>
        <source>Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)</source>
        <translation>Fichiers de grilles (*.non *.nonpack *.nin *.xml *.g *.mk);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be opened as a puzzle:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 n’a pas pu être ouvert comme grille&#xa0;:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;Logic alone cannot go on from here: this puzzle needs a guess.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;La logique seule ne permet pas d’aller plus loin&#xa0;: cette grille demande un essai.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;Reveal one cell of the solution, for a fault?&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Révéler une case de la solution, pour une faute&#xa0;?&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About This Puzzle…</source>
        <translation>À propos de cette grille…</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright:</source>
        <translation>Copyright&#xa0;:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licence&#xa0;:</translation>
    </message>
    <message>
        <source>Puzzle code:</source>
        <translation>Code de la grille&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Logic alone finishes it.</source>
        <translation>La logique seule la résout.</translation>
    </message>
    <message>
        <source>It has one solution, but logic alone cannot finish it: it needs a guess.</source>
        <translation>Elle a une solution, mais la logique seule ne la résout pas&#xa0;: elle demande un essai.</translation>
    </message>
    <message>
        <source>It has more than one solution.</source>
        <translation>Elle a plus d’une solution.</translation>
    </message>
    <message>
        <source>No picture fits its clues.</source>
        <translation>Aucune image ne correspond à ses indices.</translation>
    </message>
    <message>
        <source>Nobody knows yet whether logic finishes it: the search ran out of time.</source>
        <translation>On ne sait pas encore si la logique la résout&#xa0;: la recherche a manqué de temps.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>No puzzle files yet</source>
        <translation>Aucun fichier de grille pour l’instant</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit Board to Window</source>
        <translation>Ajuster la grille à la fenêtre</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;No next step was found in the time a hint may take: logic may still go on from here, further than a hint can look.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Aucune étape suivante n’a été trouvée dans le temps accordé à un coup de pouce&#xa0;: la logique peut peut-être encore avancer d’ici, plus loin qu’un coup de pouce ne peut voir.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Pictures…</source>
        <translation>Images…</translation>
    </message>
    <message>
        <source>&lt;p&gt;The gallery&apos;s pictures could not be read from %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Les images de la galerie n’ont pas pu être lues depuis %1&#xa0;:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Difficulté&#xa0;: %1</translation>
    </message>
    <message>
        <source>New Design…</source>
        <translation>Nouveau dessin…</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design could not be kept in My designs, in %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;The file is as it was.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Le dessin n&apos;a pas pu être conservé dans «&#xa0;Mes dessins&#xa0;», dans %1&#xa0;:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Le fichier est resté tel quel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>it does not start with a size and -D-</source>
        <translation>il ne commence pas par une taille et -D-</translation>
    </message>
    <message>
        <source>a design has 5 to 60 cells a side</source>
        <translation>un dessin a de 5 à 60 cases de côté</translation>
    </message>
    <message>
        <source>it holds a character no code has</source>
        <translation>il contient un caractère qu&apos;aucun code ne contient</translation>
    </message>
    <message>
        <source>it has too few or too many digits for its size</source>
        <translation>il a trop peu ou trop de chiffres pour sa taille</translation>
    </message>
    <message>
        <source>a digit is mistyped, or two are swapped</source>
        <translation>un chiffre est mal saisi, ou deux sont inversés</translation>
    </message>
    <message>
        <source>its picture is empty</source>
        <translation>son image est vide</translation>
    </message>
    <message>
        <source>&lt;p&gt;&quot;%1&quot; is not a design&apos;s code: %2.&lt;/p&gt;&lt;p&gt;Copy the code again as it was given to you.&lt;/p&gt;</source>
        <translation>&lt;p&gt;«&#xa0;%1&#xa0;» n&apos;est pas un code de dessin&#xa0;: %2.&lt;/p&gt;&lt;p&gt;Copiez à nouveau le code tel qu&apos;on vous l&apos;a donné.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Fatal Error</source>
        <translation>Erreur fatale</translation>
    </message>
</context>
<context>
    <name>PuzzleFileOpening</name>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>it is larger than any puzzle file (%1 MB)</source>
        <translation>il est plus grand que tout fichier de grille (%1 Mo)</translation>
    </message>
    <message>
        <source>no picture fits its clues</source>
        <translation>aucune image ne correspond à ses indices</translation>
    </message>
</context>
<context>
    <name>ReplayBar</name>
    <message>
        <source>Start (Home)</source>
        <translation>Au début (Début)</translation>
    </message>
    <message>
        <source>Back (Left)</source>
        <translation>Précédent (Gauche)</translation>
    </message>
    <message>
        <source>Play (P)</source>
        <translation>Lecture (P)</translation>
    </message>
    <message>
        <source>Forward (Right or Space)</source>
        <translation>Suivant (Droite ou Espace)</translation>
    </message>
    <message>
        <source>End (End)</source>
        <translation>À la fin (Fin)</translation>
    </message>
    <message>
        <source>Show the finished board (Escape)</source>
        <translation>Afficher le plateau terminé (Échap)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Étape %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the blank board</source>
        <translation>le plateau vierge</translation>
    </message>
    <message>
        <source>Stop (P)</source>
        <translation>Arrêt (P)</translation>
    </message>
    <message>
        <source>Slower (-)</source>
        <translation>Plus lent (-)</translation>
    </message>
    <message>
        <source>Faster (+)</source>
        <translation>Plus rapide (+)</translation>
    </message>
    <message>
        <source>Speed: %1</source>
        <translation>Vitesse&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SavedGameFile</name>
    <message>
        <source>another copy of Tessarin keeps its game there</source>
        <translation>une autre instance de Tessarin y conserve sa partie</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>%1 second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 fault</source>
        <translation>%1 faute</translation>
    </message>
    <message>
        <source>%1 faults</source>
        <translation>%1 fautes</translation>
    </message>
    <message>
        <source>%1 with %2.</source>
        <extracomment>&quot;143 seconds with 2 faults.&quot;</extracomment>
        <translation>%1 avec %2.</translation>
    </message>
    <message>
        <source>Best Time: %1</source>
        <translation>Meilleur temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total Wins for This Type: %1.</source>
        <translation>Victoires pour ce type de partie&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>WinScreen</name>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>Rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Afficher la solution</translation>
    </message>
    <message>
        <source>Your Time: %1</source>
        <translation>Votre temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 deduction</source>
        <translation>1 déduction</translation>
    </message>
    <message>
        <source>%1 deductions</source>
        <translation>%1 déductions</translation>
    </message>
    <message>
        <source>1 sweep</source>
        <translation>1 passe</translation>
    </message>
    <message>
        <source>%1 sweeps</source>
        <translation>%1 passes</translation>
    </message>
    <message>
        <source>Puzzle code: %1</source>
        <translation>Code de la grille&#xa0;: %1</translation>
    </message>
    <message>
        <source>You solved %1</source>
        <translation>Grille résolue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pictures…</source>
        <translation>Images…</translation>
    </message>
    <message>
        <source>Difficulty: %1 (%2, %3 in %4)</source>
        <extracomment>&quot;Difficulty: Medium (Glue, 31 deductions in 4 sweeps)&quot;</extracomment>
        <translation>Difficulté&#xa0;: %1 (%2, %3 en %4)</translation>
    </message>
</context>
</TS>
