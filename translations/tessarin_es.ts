<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>About Tessarin</source>
        <translation>Acerca de Tessarin</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;Help/index.html&quot;&gt;The Tessarin manual&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;Help/index.html&quot;&gt;El manual de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Programming and design by the Tessarin team</source>
        <translation>Programación y diseño: el equipo de Tessarin</translation>
    </message>
    <message>
        <source>Music by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Música: &lt;a href=&quot;Help/index.html&quot;&gt;los desarrolladores de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Font by &lt;a href=&quot;http://aajohan.deviantart.com/art/Comfortaa-font-105395949&quot;&gt;Johan Aakerlund&lt;/a&gt;</source>
        <translation>Tipografía: &lt;a href=&quot;http://aajohan.deviantart.com/art/Comfortaa-font-105395949&quot;&gt;Johan Aakerlund&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Textures by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Texturas: &lt;a href=&quot;Help/index.html&quot;&gt;los desarrolladores de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Free software under the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3&lt;/a&gt; or later; its pictures, sounds, music and help under &lt;a href=&quot;https://creativecommons.org/licenses/by-sa/4.0/&quot;&gt;CC BY-SA 4.0&lt;/a&gt;; the Comfortaa font under the &lt;a href=&quot;https://openfontlicense.org/&quot;&gt;SIL Open Font License 1.1&lt;/a&gt;.</source>
        <translation>Software libre bajo la &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU GPL 3&lt;/a&gt; o posterior; sus imágenes, sonidos, música y ayuda, bajo &lt;a href=&quot;https://creativecommons.org/licenses/by-sa/4.0/&quot;&gt;CC BY-SA 4.0&lt;/a&gt;; la tipografía Comfortaa, bajo la &lt;a href=&quot;https://openfontlicense.org/&quot;&gt;SIL Open Font License 1.1&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Sounds by &lt;a href=&quot;Help/index.html&quot;&gt;the Tessarin developers&lt;/a&gt;</source>
        <translation>Sonidos: &lt;a href=&quot;Help/index.html&quot;&gt;los desarrolladores de Tessarin&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>The gallery&apos;s pictures are made from &lt;a href=&quot;https://github.com/microsoft/fluentui-emoji&quot;&gt;Fluent Emoji&lt;/a&gt; by Microsoft (MIT licence), their titles from Unicode CLDR.</source>
        <translation>Las imágenes de la galería están hechas a partir de &lt;a href=&quot;https://github.com/microsoft/fluentui-emoji&quot;&gt;Fluent Emoji&lt;/a&gt; de Microsoft (licencia MIT), sus títulos proceden de Unicode CLDR.</translation>
    </message>
</context>
<context>
    <name>AssetFolder</name>
    <message>
        <source>Tessarin cannot find its pictures, sounds and help pages (the folders &quot;Images&quot;, &quot;Sounds&quot;, &quot;Music&quot; and &quot;Help&quot;), so it runs without them. It looked in:
%1</source>
        <translation>Tessarin no encuentra sus imágenes, sonidos y páginas de ayuda (las carpetas «Images», «Sounds», «Music» y «Help»), así que funciona sin ellos. Ha buscado en:
%1</translation>
    </message>
</context>
<context>
    <name>DesignSizeBox</name>
    <message>
        <source>New Design</source>
        <translation>Nuevo diseño</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Columnas:</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Filas:</translation>
    </message>
</context>
<context>
    <name>DesignerWindow</name>
    <message>
        <source>Tessarin Designer</source>
        <translation>Taller de puzles de Tessarin</translation>
    </message>
    <message>
        <source>Take It</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licencia:</translation>
    </message>
    <message>
        <source>Play It</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Share Code…</source>
        <translation>Compartir código…</translation>
    </message>
    <message>
        <source>&amp;Design</source>
        <translation>&amp;Diseño</translation>
    </message>
    <message>
        <source>&amp;New Design…</source>
        <translation>&amp;Nuevo diseño…</translation>
    </message>
    <message>
        <source>&amp;Open Puzzle File…</source>
        <translation>&amp;Abrir archivo de puzle…</translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>Share &amp;Code…</source>
        <translation>Compartir &amp;código…</translation>
    </message>
    <message>
        <source>&amp;Play It</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Take the Suggestion</source>
        <translation>Aplicar la &amp;sugerencia</translation>
    </message>
    <message>
        <source>&amp;Give or Take Back the Cursor&apos;s Cell</source>
        <translation>Dar o re&amp;tirar la casilla del cursor</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertir</translation>
    </message>
    <message>
        <source>Shift &amp;Left</source>
        <translation>Desplazar a la i&amp;zquierda</translation>
    </message>
    <message>
        <source>Shift &amp;Right</source>
        <translation>Desplazar a la d&amp;erecha</translation>
    </message>
    <message>
        <source>Shift U&amp;p</source>
        <translation>Desplazar hacia &amp;arriba</translation>
    </message>
    <message>
        <source>Shift &amp;Down</source>
        <translation>Desplazar hacia aba&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Mirror Left and Right</source>
        <translation>Re&amp;flejar izquierda y derecha</translation>
    </message>
    <message>
        <source>Mirror &amp;Top and Bottom</source>
        <translation>Reflejar arriba y abaj&amp;o</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Designing Puzzles</source>
        <translation>&amp;Diseñar puzles</translation>
    </message>
    <message>
        <source>The design drawn here has not been kept. Start a new one all the same?</source>
        <translation>El diseño dibujado aquí no se ha conservado. ¿Empezar uno nuevo de todos modos?</translation>
    </message>
    <message>
        <source>Working out what logic makes of the picture…</source>
        <translation>Averiguando qué saca la lógica de la imagen…</translation>
    </message>
    <message>
        <source>Draw a picture: the left button fills cells, the right one clears them.</source>
        <translation>Dibuja una imagen: el botón izquierdo llena casillas y el derecho las vacía.</translation>
    </message>
    <message>
        <source>Logic finishes it; hardest technique: %1</source>
        <translation>La lógica lo resuelve; técnica más difícil: %1</translation>
    </message>
    <message>
        <source>Unknown yet: logic stalls on the shaded cells, and the search for another solution goes on…</source>
        <translation>Aún desconocido: la lógica se atasca en las casillas sombreadas y la búsqueda de otra solución continúa…</translation>
    </message>
    <message>
        <source>Needs a guess: the shaded cells cannot be decided by logic</source>
        <translation>Necesita un intento: la lógica no puede decidir las casillas sombreadas</translation>
    </message>
    <message>
        <source>More than one solution: the shaded cells can be swapped</source>
        <translation>Más de una solución: las casillas sombreadas se pueden intercambiar</translation>
    </message>
    <message>
        <source>Unknown: logic stalls on the shaded cells, and the search could not tell in time whether another solution fits</source>
        <translation>Desconocido: la lógica se atasca en las casillas sombreadas y la búsqueda no pudo averiguar a tiempo si encaja otra solución</translation>
    </message>
    <message>
        <source>Clear the marked cell: logic then finishes the picture.</source>
        <translation>Vacía la casilla marcada: así la lógica termina la imagen.</translation>
    </message>
    <message>
        <source>Fill the marked cell: logic then finishes the picture.</source>
        <translation>Llena la casilla marcada: así la lógica termina la imagen.</translation>
    </message>
    <message>
        <source>Give the marked cell at the start: logic decides the most from it.</source>
        <translation>Da la casilla marcada al inicio: a partir de ella la lógica decide más que con ninguna otra.</translation>
    </message>
    <message>
        <source>Looking for a cell that helps…</source>
        <translation>Buscando una casilla que ayude…</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is nothing to play yet: draw a picture first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aún no hay nada que jugar: dibuja primero una imagen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>design</source>
        <translation>diseño</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Guardar diseño</translation>
    </message>
    <message>
        <source>Puzzle files (*.non)</source>
        <translation>Archivos de puzles (*.non)</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design could not be saved as %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;Nothing was written there.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se ha podido guardar el diseño como %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;No se ha escrito nada ahí.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is nothing to share yet: draw a picture first.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aún no hay nada que compartir: dibuja primero una imagen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design&apos;s code is copied: a friend enters it with Game &amp;gt; Enter Puzzle Code (Ctrl+E).&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;El código del diseño se ha copiado: un amigo lo introduce con Juego &amp;gt; Introducir código de puzle (Ctrl+E).&lt;/p&gt;&lt;p&gt;%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open Puzzle File</source>
        <translation>Abrir archivo de puzle</translation>
    </message>
    <message>
        <source>Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)</source>
        <translation>Archivos de puzles (*.non *.nonpack *.nin *.xml *.g *.mk);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>no picture that fits its clues is known</source>
        <translation>no se conoce ninguna imagen que encaje con sus pistas</translation>
    </message>
    <message>
        <source>the designer draws from %1x%1 to %2x%2 cells</source>
        <translation>el taller dibuja de %1x%1 a %2x%2 casillas</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be opened as a design:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se pudo abrir %1 como diseño:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The design drawn here has not been kept. Open the file all the same?</source>
        <translation>El diseño dibujado aquí no se ha conservado. ¿Abrir el archivo de todos modos?</translation>
    </message>
    <message>
        <source>Keep this design in the gallery&apos;s album My designs?</source>
        <translation>¿Conservar este diseño en el álbum «Mis diseños» de la galería?</translation>
    </message>
</context>
<context>
    <name>DurableFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large to be the game&apos;s</source>
        <translation>es demasiado grande para ser del juego</translation>
    </message>
</context>
<context>
    <name>FramePainter</name>
    <message>
        <source>Creating puzzle...</source>
        <translation>Creando puzle...</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Faults: %1</source>
        <translation>Fallos: %1</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Dificultad: %1</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>More than one solution</source>
        <translation>Más de una solución</translation>
    </message>
</context>
<context>
    <name>GalleryBrowser</name>
    <message>
        <source>Animals</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Naturaleza</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Viajes</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Actividades</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>%1
%2 of %3</source>
        <translation>%1
%2 de %3</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Best: %1 s</source>
        <translation>Mejor: %1 s</translation>
    </message>
    <message>
        <source>%1, not solved yet</source>
        <translation>%1, aún sin resolver</translation>
    </message>
    <message>
        <source>My designs</source>
        <translation>Mis diseños</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it is no longer there</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>it is damaged, and was removed</source>
        <translation>estaba dañado y se ha eliminado</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Load game in progress from previous session?</source>
        <translation>¿Cargar la partida en curso de la sesión anterior?</translation>
    </message>
    <message>
        <source>Your saved game could not be loaded from %1: %2.</source>
        <translation>No se ha podido cargar la partida guardada desde %1: %2.</translation>
    </message>
    <message>
        <source>Save your game?</source>
        <translation>¿Guardar la partida?</translation>
    </message>
    <message>
        <source>Your game could not be saved to %1: %2.
The game stays open, so that nothing is lost.</source>
        <translation>No se ha podido guardar la partida en %1: %2.
El juego sigue abierto para que no se pierda nada.</translation>
    </message>
    <message>
        <source>Your settings and scores could not be saved to %1: %2.</source>
        <translation>No se han podido guardar la configuración y las puntuaciones en %1: %2.</translation>
    </message>
    <message>
        <source>Another copy of Tessarin keeps a game in %1.
Replace it with this one?</source>
        <translation>Otra copia de Tessarin guarda una partida en %1.
¿Quieres sustituirla por esta?</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>Beginner judges every move against the puzzle&apos;s one solution, and this puzzle has none known.</source>
        <translation>Principiante juzga cada jugada según la única solución del puzle, y de este no se conoce ninguna.</translation>
    </message>
    <message>
        <source>Not made at %1: boards up to 20x15 are made for the seven line techniques, which never need What If.</source>
        <translation>No en %1: los puzles de hasta 20x15 se hacen para las siete técnicas de línea, que nunca necesitan Y si.</translation>
    </message>
    <message>
        <source>Not made at %1: puzzles this hard are too rare at this size to be found in about a second.</source>
        <translation>No en %1: los puzles tan difíciles son demasiado raros en este tamaño para encontrarlos en un segundo más o menos.</translation>
    </message>
</context>
<context>
    <name>GameWords</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Solape</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completa</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Glue</source>
        <translation>Pegamento</translation>
    </message>
    <message>
        <source>Punctuate</source>
        <translation>Paréntesis</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Hueco</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Row %1, clue %2</source>
        <translation>Fila %1, clave %2</translation>
    </message>
    <message>
        <source>Column %1, clue %2</source>
        <translation>Columna %1, clave %2</translation>
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
        <translation>Colocaciones</translation>
    </message>
    <message>
        <source>What If</source>
        <translation>Y si</translation>
    </message>
    <message>
        <source>If the cell in column %1, row %2 were filled, this line could not hold its clue: so it is empty.</source>
        <translation>Si la casilla de la columna %1, fila %2 estuviera llena, esta línea no podría cumplir sus pistas: así que está vacía.</translation>
    </message>
    <message>
        <source>If the cell in column %1, row %2 were empty, this line could not hold its clue: so it is filled.</source>
        <translation>Si la casilla de la columna %1, fila %2 estuviera vacía, esta línea no podría cumplir sus pistas: así que está llena.</translation>
    </message>
    <message>
        <source>Whether the cell in column %1, row %2 is filled or empty, these cells follow either way.</source>
        <translation>Tanto si la casilla de la columna %1, fila %2 está llena como vacía, estas casillas se siguen en ambos casos.</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Muy difícil</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>Hardest technique: %1</source>
        <translation>Técnica más difícil: %1</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation>Atrás (Alt+Flecha izquierda)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
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
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>Hints taken</source>
        <translation>Pistas usadas</translation>
    </message>
    <message>
        <source>Puzzles won</source>
        <translation>Puzles ganados</translation>
    </message>
    <message>
        <source>Hints taken: the hints each technique gave you.
Puzzles won: the puzzles you won that needed it as their hardest technique.</source>
        <translation>Pistas usadas: las pistas que te ha dado cada técnica.
Puzles ganados: los puzles que has ganado cuya técnica más difícil era esa.</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;This will clear all high scores. Proceed?&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Se borrarán todas las mejores puntuaciones. ¿Continuar?&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Puzzles from files</source>
        <translation>Puzles de archivos</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>New Game	F2</source>
        <translation>Nueva partida	F2</translation>
    </message>
    <message>
        <source>Enter Puzzle Code…</source>
        <translation>Introducir código de puzle…</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <translation>Puzle del día</translation>
    </message>
    <message>
        <source>Restart Puzzle</source>
        <translation>Reiniciar puzle</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostrar solución</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>How to Play	F1</source>
        <translation>Cómo jugar	F1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Hint	H</source>
        <translation>Pista	H</translation>
    </message>
    <message>
        <source>Marks	M</source>
        <translation>Marcas	M</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Grass</source>
        <translation>Hierba</translation>
    </message>
    <message>
        <source>Leaves</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Particles</source>
        <translation>Partículas</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Pause	P</source>
        <translation>Pausa	P</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Failed to load mistake.png!</source>
        <translation>¡No se ha podido cargar mistake.png!</translation>
    </message>
    <message>
        <source>Failed to load background file!</source>
        <translation>¡No se ha podido cargar el archivo de fondo!</translation>
    </message>
    <message>
        <source>Unable to open audio!</source>
        <translation>¡No se puede abrir el audio!</translation>
    </message>
    <message>
        <source>New game?</source>
        <translation>¿Nueva partida?</translation>
    </message>
    <message>
        <source>It looks like this is your first time playing.
Would you like to read about how to play?</source>
        <translation>Parece que es la primera vez que juegas.
¿Quieres leer cómo se juega?</translation>
    </message>
    <message>
        <source>Puzzle code (for example 15x10-1111D):</source>
        <translation>Código de puzle (por ejemplo, 15x10-1111D):</translation>
    </message>
    <message>
        <source>&lt;p&gt;&quot;%1&quot; is not a puzzle code.&lt;/p&gt;&lt;p&gt;A code is the puzzle&apos;s size, a dash, then letters and digits, as the game shows it beside the board: for example 15x10-1111D.&lt;/p&gt;</source>
        <translation>&lt;p&gt;«%1» no es un código de puzle.&lt;/p&gt;&lt;p&gt;Un código es el tamaño del puzle, un guion y después letras y cifras, tal como lo muestra el juego junto al tablero: por ejemplo, 15x10-1111D.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;All markings are currently correct.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;De momento no hay ningún error en el tablero.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;These cells are found using the &lt;b&gt;%1&lt;/b&gt; technique.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;Estas celdas se deducen con la técnica &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keep marks?</source>
        <translation>¿Conservar las marcas?</translation>
    </message>
    <message>
        <source>Clear the board and start this puzzle again?
The clock and the faults go on.</source>
        <translation>¿Borrar el tablero y empezar de nuevo este puzle?
El reloj y los fallos siguen contando.</translation>
    </message>
    <message>
        <source>Tessarin cannot keep your settings, scores and games: the folder %1 cannot be made.</source>
        <translation>Tessarin no puede guardar la configuración, las puntuaciones ni las partidas: no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Your settings and scores in %1 could not be read: %2.
The game plays on its defaults and leaves the file as it is.</source>
        <translation>No se han podido leer la configuración y las puntuaciones de %1: %2.
El juego sigue con los valores predeterminados y deja el archivo tal como está.</translation>
    </message>
    <message>
        <source>Open Puzzle File…</source>
        <translation>Abrir archivo de puzle…</translation>
    </message>
    <message>
        <source>Open Puzzle File</source>
        <translation>Abrir archivo de puzle</translation>
    </message>
    <message>
        <source>Puzzle files (*.non *.nonpack *.nin *.xml *.g *.mk);;All files (*)</source>
        <translation>Archivos de puzles (*.non *.nonpack *.nin *.xml *.g *.mk);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 could not be opened as a puzzle:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se pudo abrir %1 como puzle:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;Logic alone cannot go on from here: this puzzle needs a guess.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;La lógica sola no puede seguir desde aquí: este puzle necesita un intento.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;Reveal one cell of the solution, for a fault?&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;¿Revelar una casilla de la solución, a cambio de un fallo?&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About This Puzzle…</source>
        <translation>Acerca de este puzle…</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
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
        <translation>Licencia:</translation>
    </message>
    <message>
        <source>Puzzle code:</source>
        <translation>Código de puzle:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Logic alone finishes it.</source>
        <translation>La lógica sola lo resuelve.</translation>
    </message>
    <message>
        <source>It has one solution, but logic alone cannot finish it: it needs a guess.</source>
        <translation>Tiene una solución, pero la lógica sola no lo resuelve: necesita un intento.</translation>
    </message>
    <message>
        <source>It has more than one solution.</source>
        <translation>Tiene más de una solución.</translation>
    </message>
    <message>
        <source>No picture fits its clues.</source>
        <translation>Ninguna imagen encaja con sus pistas.</translation>
    </message>
    <message>
        <source>Nobody knows yet whether logic finishes it: the search ran out of time.</source>
        <translation>Aún no se sabe si la lógica lo resuelve: a la búsqueda se le acabó el tiempo.</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>No puzzle files yet</source>
        <translation>Aún no hay archivos de puzles</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit Board to Window</source>
        <translation>Ajustar el tablero a la ventana</translation>
    </message>
    <message>
        <source>&lt;p align=&apos;center&apos;&gt;No next step was found in the time a hint may take: logic may still go on from here, further than a hint can look.&lt;/p&gt;</source>
        <translation>&lt;p align=&apos;center&apos;&gt;No se encontró ningún paso siguiente en el tiempo que puede tardar una pista: la lógica quizá aún pueda seguir desde aquí, más allá de lo que una pista alcanza a ver.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Pictures…</source>
        <translation>Imágenes…</translation>
    </message>
    <message>
        <source>&lt;p&gt;The gallery&apos;s pictures could not be read from %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se pudieron leer las imágenes de la galería de %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Difficulty: %1</source>
        <translation>Dificultad: %1</translation>
    </message>
    <message>
        <source>New Design…</source>
        <translation>Nuevo diseño…</translation>
    </message>
    <message>
        <source>&lt;p&gt;The design could not be kept in My designs, in %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;The file is as it was.&lt;/p&gt;</source>
        <translation>&lt;p&gt;No se ha podido conservar el diseño en «Mis diseños», en %1:&lt;/p&gt;&lt;p&gt;%2.&lt;/p&gt;&lt;p&gt;El archivo sigue como estaba.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>it does not start with a size and -D-</source>
        <translation>no empieza por un tamaño y -D-</translation>
    </message>
    <message>
        <source>a design has 5 to 60 cells a side</source>
        <translation>un diseño tiene de 5 a 60 casillas por lado</translation>
    </message>
    <message>
        <source>it holds a character no code has</source>
        <translation>contiene un carácter que ningún código tiene</translation>
    </message>
    <message>
        <source>it has too few or too many digits for its size</source>
        <translation>tiene demasiado pocas o demasiadas cifras para su tamaño</translation>
    </message>
    <message>
        <source>a digit is mistyped, or two are swapped</source>
        <translation>una cifra está mal escrita, o dos están intercambiadas</translation>
    </message>
    <message>
        <source>its picture is empty</source>
        <translation>su imagen está vacía</translation>
    </message>
    <message>
        <source>&lt;p&gt;&quot;%1&quot; is not a design&apos;s code: %2.&lt;/p&gt;&lt;p&gt;Copy the code again as it was given to you.&lt;/p&gt;</source>
        <translation>&lt;p&gt;«%1» no es un código de diseño: %2.&lt;/p&gt;&lt;p&gt;Vuelve a copiar el código tal como te lo dieron.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Fatal Error</source>
        <translation>Error fatal</translation>
    </message>
</context>
<context>
    <name>PuzzleFileOpening</name>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>it is larger than any puzzle file (%1 MB)</source>
        <translation>es más grande que cualquier archivo de puzle (%1 MB)</translation>
    </message>
    <message>
        <source>no picture fits its clues</source>
        <translation>ninguna imagen encaja con sus pistas</translation>
    </message>
</context>
<context>
    <name>ReplayBar</name>
    <message>
        <source>Start (Home)</source>
        <translation>Ir al principio (Inicio)</translation>
    </message>
    <message>
        <source>Back (Left)</source>
        <translation>Retroceder (Flecha izquierda)</translation>
    </message>
    <message>
        <source>Play (P)</source>
        <translation>Reproducir (P)</translation>
    </message>
    <message>
        <source>Forward (Right or Space)</source>
        <translation>Avanzar (Flecha derecha o Espacio)</translation>
    </message>
    <message>
        <source>End (End)</source>
        <translation>Ir al final (Fin)</translation>
    </message>
    <message>
        <source>Show the finished board (Escape)</source>
        <translation>Mostrar el tablero terminado (Esc)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Paso %1 de %2: %3</translation>
    </message>
    <message>
        <source>the blank board</source>
        <translation>el tablero en blanco</translation>
    </message>
    <message>
        <source>Stop (P)</source>
        <translation>Detener (P)</translation>
    </message>
    <message>
        <source>Slower (-)</source>
        <translation>Más lento (-)</translation>
    </message>
    <message>
        <source>Faster (+)</source>
        <translation>Más rápido (+)</translation>
    </message>
    <message>
        <source>Speed: %1</source>
        <translation>Velocidad: %1</translation>
    </message>
</context>
<context>
    <name>SavedGameFile</name>
    <message>
        <source>another copy of Tessarin keeps its game there</source>
        <translation>otra copia de Tessarin guarda ahí su partida</translation>
    </message>
</context>
<context>
    <name>ScoreText</name>
    <message>
        <source>%1 second</source>
        <translation>%1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1 fault</source>
        <translation>%1 fallo</translation>
    </message>
    <message>
        <source>%1 faults</source>
        <translation>%1 fallos</translation>
    </message>
    <message>
        <source>%1 with %2.</source>
        <extracomment>&quot;143 seconds with 2 faults.&quot;</extracomment>
        <translation>%1 con %2.</translation>
    </message>
    <message>
        <source>Best Time: %1</source>
        <translation>Mejor tiempo: %1</translation>
    </message>
    <message>
        <source>Total Wins for This Type: %1.</source>
        <translation>Total de victorias en esta categoría: %1.</translation>
    </message>
</context>
<context>
    <name>WinScreen</name>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>¿Jugar otra vez?</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostrar solución</translation>
    </message>
    <message>
        <source>Your Time: %1</source>
        <translation>Tu tiempo: %1</translation>
    </message>
    <message>
        <source>1 deduction</source>
        <translation>1 deducción</translation>
    </message>
    <message>
        <source>%1 deductions</source>
        <translation>%1 deducciones</translation>
    </message>
    <message>
        <source>1 sweep</source>
        <translation>1 pasada</translation>
    </message>
    <message>
        <source>%1 sweeps</source>
        <translation>%1 pasadas</translation>
    </message>
    <message>
        <source>Puzzle code: %1</source>
        <translation>Código de puzle: %1</translation>
    </message>
    <message>
        <source>You solved %1</source>
        <translation>Resuelto: %1</translation>
    </message>
    <message>
        <source>Pictures…</source>
        <translation>Imágenes…</translation>
    </message>
    <message>
        <source>Difficulty: %1 (%2, %3 in %4)</source>
        <extracomment>&quot;Difficulty: Medium (Glue, 31 deductions in 4 sweeps)&quot;</extracomment>
        <translation>Dificultad: %1 (%2, %3 en %4)</translation>
    </message>
</context>
</TS>
