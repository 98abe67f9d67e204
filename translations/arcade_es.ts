<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>FormZephlon</name>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Original Game</source>
        <translation>Juego &amp;original</translation>
    </message>
    <message>
        <source>&amp;Puzzle Game</source>
        <translation>Juego &amp;puzle</translation>
    </message>
    <message>
        <source>&amp;Replay level</source>
        <translation>&amp;Repetir nivel</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Quit Current Game</source>
        <translation>&amp;Abandonar la partida</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>&amp;Nivel inicial</translation>
    </message>
    <message>
        <source>Block &amp;Color</source>
        <translation>&amp;Color de los bloques</translation>
    </message>
    <message>
        <source>&amp;Blueberry</source>
        <translation>&amp;Arándano</translation>
    </message>
    <message>
        <source>&amp;Lime</source>
        <translation>&amp;Lima</translation>
    </message>
    <message>
        <source>&amp;Kiwi</source>
        <translation>&amp;Kiwi</translation>
    </message>
    <message>
        <source>&amp;Plum</source>
        <translation>&amp;Ciruela</translation>
    </message>
    <message>
        <source>&amp;Grey</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Control</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Teclado</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Ratón</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;onido</translation>
    </message>
    <message>
        <source>S&amp;core Server...</source>
        <translation>&amp;Servidor de puntuaciones...</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation>Récords &amp;locales...</translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation>&amp;Subir récords...</translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation>Récords &amp;mundiales...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Game Play...</source>
        <translation>&amp;Cómo se juega...</translation>
    </message>
    <message>
        <source>&amp;Key Control...</source>
        <translation>&amp;Teclas...</translation>
    </message>
    <message>
        <source>&amp;Scoring...</source>
        <translation>&amp;Puntuación...</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The status bar&apos;s heading over the next-block preview.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Second line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The heading over the count of destroyed blocks.</extracomment>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>First line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation>Récord</translation>
    </message>
    <message>
        <source>A game by </source>
        <translation>Un juego de </translation>
    </message>
    <message>
        <source>Pit</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>The pit, 7 blocks wide and 10 deep, where the blocks with pipes fall</source>
        <translation>El pozo, de 7 bloques de ancho y 10 de fondo, donde caen los bloques con tuberías</translation>
    </message>
    <message>
        <source>Next block</source>
        <translation>Siguiente bloque</translation>
    </message>
    <message>
        <source>The block that falls after the current one</source>
        <translation>El bloque que caerá después del actual</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Score, level, destroyed blocks and high score</source>
        <translation>Puntos, nivel, bloques destruidos y récord</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Récord</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuevo récord: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
</context>
<context>
    <name>dialogs::ClickLabel</name>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
</context>
<context>
    <name>dialogs::FormAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>ver %1</source>
        <translation>ver. %1</translation>
    </message>
    <message>
        <source>ver</source>
        <extracomment>Short for &quot;version&quot;, before the version number.</extracomment>
        <translation>ver.</translation>
    </message>
    <message>
        <source>Design, gfx and Programming</source>
        <translation>Diseño, gráficos y programación</translation>
    </message>
    <message>
        <source>Download more games at:</source>
        <translation>Descarga más juegos en:</translation>
    </message>
    <message>
        <source>email: </source>
        <translation>correo: </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>by Mira Castell and the Quillbyte team</source>
        <extracomment>The makers&apos; line in the about box.</extracomment>
        <translation>de Mira Castell y el equipo de Quillbyte</translation>
    </message>
</context>
<context>
    <name>dialogs::FormInstructions</name>
    <message>
        <source>%1 - Instructions</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Instrucciones</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Vantorel is a kind of real-time puzzle. You have to keep a pit free of blocks by moving and rotating small pieces while they sink from the top to the ground, one after another. Some blocks are partly tranparent, they have to be combined with other transparent sections. Each time a complete row is filled, it vanishes and all blocks above fall down. Your game is over when the pit is too full for the next piece. The game becomes a bit faster each time a certain amount of rows (15) has been erased. </source>
        <translation>Vantorel es una especie de puzle en tiempo real. Tienes que mantener un pozo libre de bloques moviendo y girando pequeñas piezas mientras bajan, una tras otra, desde arriba hasta el fondo. Algunos bloques son en parte transparentes y hay que combinarlos con otras partes transparentes. Cada vez que se completa una fila, desaparece y todos los bloques de encima caen. La partida termina cuando el pozo está demasiado lleno para la siguiente pieza. El juego se acelera un poco cada vez que se borra cierto número de filas (15).</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation>1 punto por cada fila que bajas una pieza</translation>
    </message>
    <message>
        <source>100 points for one erased row</source>
        <translation>100 puntos por una fila borrada</translation>
    </message>
    <message>
        <source>300 points for two erased rows</source>
        <translation>300 puntos por dos filas borradas</translation>
    </message>
    <message>
        <source>700 points for three erased rows</source>
        <translation>700 puntos por tres filas borradas</translation>
    </message>
    <message>
        <source>200 points for two erased rows</source>
        <translation>200 puntos por dos filas borradas</translation>
    </message>
    <message>
        <source>400 points for three erased rows</source>
        <translation>400 puntos por tres filas borradas</translation>
    </message>
    <message>
        <source>800 points for four erased rows</source>
        <translation>800 puntos por cuatro filas borradas</translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation>Récords en la web</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation>Asegúrate de estar conectado a internet cuando subas puntuaciones a un servidor o consultes sus listas.</translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation>Visita %1 para ver una lista de servidores de puntuaciones que funcionan.</translation>
    </message>
    <message>
        <source>The global highscores are shown inside the game by an embedded web browser, so please install Internet Explorer 4 (on Linux: the Qt WebEngine component, package libqt6webenginewidgets6). It can be downloaded free of charge from your distribution&apos;s package archive.</source>
        <translation>Los récords mundiales se muestran dentro del juego con un navegador integrado, así que instala Internet Explorer 4 (en Linux: el componente Qt WebEngine, paquete libqt6webenginewidgets6). Se descarga gratis del archivo de paquetes de tu distribución.</translation>
    </message>
    <message>
        <source>Key Control</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Move Left with CURSOR LEFT key</source>
        <translation>Mover a la izquierda con FLECHA IZQUIERDA</translation>
    </message>
    <message>
        <source>Move Right with CUROR RIGHT key</source>
        <translation>Mover a la derecha con FLECHA DERECHA</translation>
    </message>
    <message>
        <source>Rotate with CURSOR UP key</source>
        <translation>Girar con FLECHA ARRIBA</translation>
    </message>
    <message>
        <source>Sink with CURSOR DOWN key</source>
        <translation>Bajar con FLECHA ABAJO</translation>
    </message>
    <message>
        <source>Drop with CONTROL or INSERT key</source>
        <translation>Soltar con CONTROL o INSERT</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormInstructions</name>
    <message>
        <source>Game Play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Throughout the game, blocks containing different
numbers of vertical or horizontal pipes fall from
the top of the screen. When you line up three or
more pipe sections, a laser blast removes them
from the screen. If you remove all the pipe
sections from a given block, it disappears and the
blocks above it fall down to take its place.
With the special Laser Bombs, blocks already on
the ground can be destroyed. The game is over
when the game area is filled with blocks.</source>
        <extracomment>The Original game&apos;s rules: keep the line breaks (
) at about this width.</extracomment>
        <translation>Durante toda la partida caen desde arriba
bloques con distintos números de tuberías
verticales u horizontales. Si alineas tres o más
tramos de tubería, un rayo láser los elimina.
Cuando un bloque pierde todos sus tramos,
desaparece y los bloques de encima bajan
a ocupar su lugar. Con las Bombas Láser
especiales puedes destruir bloques que ya
están en el suelo. La partida termina cuando
la zona de juego se llena de bloques.</translation>
    </message>
    <message>
        <source>You must remove the flashing block before the 
screen fills up. This is done by working your way
down to the block (by lining up pipe sections,
(see Original Game above) and then eliminating
it. Use the Laser Bomb to destroy concrete 
walls and blocks with horisontal pipes only.</source>
        <extracomment>The Puzzle game&apos;s rules: keep the line breaks (
) at about this width.</extracomment>
        <translation>Tienes que eliminar el bloque que parpadea
antes de que se llene la pantalla. Para ello,
ábrete paso hasta él (alineando tramos de
tubería, mira el juego original al lado)
y luego elimínalo. Usa la Bomba Láser contra
muros de hormigón y bloques con solo
tuberías horizontales.</translation>
    </message>
    <message>
        <source>Game Play - Original game</source>
        <translation>Cómo se juega – juego original</translation>
    </message>
    <message>
        <source>Game Play - Puzzle game</source>
        <translation>Cómo se juega – juego de puzle</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormKeyControl</name>
    <message>
        <source>Key Control</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Replay level (Arcade)</source>
        <translation>Repetir nivel (Arcade)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>[Cursor LEFT]</source>
        <extracomment>A key as keyboards of the language label it (Strg, Einfg; Ctrl, Inser): keep the brackets.</extracomment>
        <translation>[Flecha IZQUIERDA]</translation>
    </message>
    <message>
        <source>[Cursor RIGHT]</source>
        <translation>[Flecha DERECHA]</translation>
    </message>
    <message>
        <source>[Cursor UP]</source>
        <translation>[Flecha ARRIBA]</translation>
    </message>
    <message>
        <source>[Cursor DOWN]</source>
        <translation>[Flecha ABAJO]</translation>
    </message>
    <message>
        <source>[CONTROL] or [INSERT]</source>
        <translation>[CONTROL] o [INSERT]</translation>
    </message>
    <message>
        <source>[R]</source>
        <translation>[R]</translation>
    </message>
    <message>
        <source>[P]</source>
        <translation>[P]</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormScoring</name>
    <message>
        <source>Scoring</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation>1 punto por cada fila que bajas una pieza</translation>
    </message>
    <message>
        <source>5 points for destroyed pipe section</source>
        <translation>5 puntos por tramo de tubería destruido</translation>
    </message>
    <message>
        <source>50 points for 1 destroyed block </source>
        <translation>50 puntos por 1 bloque destruido</translation>
    </message>
    <message>
        <source>50 + 75 points for 2 simultaneously destroyed blocks</source>
        <translation>50 + 75 puntos por 2 bloques destruidos a la vez</translation>
    </message>
    <message>
        <source>50 + 75 + 100  points for 3 simult. destroyed blocks ...</source>
        <translation>50 + 75 + 100 puntos por 3 bloques a la vez...</translation>
    </message>
    <message>
        <source>1000 points for destroyed flashing block</source>
        <translation>1000 puntos por destruir el bloque que parpadea</translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation>Récords en la web</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation>Asegúrate de estar conectado a internet cuando subas puntuaciones a un servidor o consultes sus listas.</translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation>Visita %1 para ver una lista de servidores de puntuaciones que funcionan.</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::HelpPage</name>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frame::Bindings</name>
    <message>
        <source>Pad up</source>
        <translation>Cruceta arriba</translation>
    </message>
    <message>
        <source>Pad down</source>
        <translation>Cruceta abajo</translation>
    </message>
    <message>
        <source>Pad left</source>
        <translation>Cruceta izquierda</translation>
    </message>
    <message>
        <source>Pad right</source>
        <translation>Cruceta derecha</translation>
    </message>
    <message>
        <source>Left stick left</source>
        <translation>Stick izquierdo a la izquierda</translation>
    </message>
    <message>
        <source>Left stick right</source>
        <translation>Stick izquierdo a la derecha</translation>
    </message>
    <message>
        <source>Left stick up</source>
        <translation>Stick izquierdo arriba</translation>
    </message>
    <message>
        <source>Left stick down</source>
        <translation>Stick izquierdo abajo</translation>
    </message>
    <message>
        <source>Right stick left</source>
        <translation>Stick derecho a la izquierda</translation>
    </message>
    <message>
        <source>Right stick right</source>
        <translation>Stick derecho a la derecha</translation>
    </message>
    <message>
        <source>Right stick up</source>
        <translation>Stick derecho arriba</translation>
    </message>
    <message>
        <source>Right stick down</source>
        <translation>Stick derecho abajo</translation>
    </message>
    <message>
        <source>Pad %1</source>
        <extracomment>A pad button by the label printed on it: &quot;Pad A&quot;, &quot;Pad LB&quot;.</extracomment>
        <translation>Mando %1</translation>
    </message>
    <message>
        <source>This game has no such command.</source>
        <translation>Este juego no tiene esa orden.</translation>
    </message>
    <message>
        <source>This key cannot be used.</source>
        <translation>Esta tecla no se puede usar.</translation>
    </message>
    <message>
        <source>Escape cannot be used: it closes windows.</source>
        <translation>Escape no se puede usar: cierra las ventanas.</translation>
    </message>
    <message>
        <source>%1 cannot be used: Alt opens the menus.</source>
        <translation>%1 no se puede usar: Alt abre los menús.</translation>
    </message>
    <message>
        <source>%1 cannot be used: it moves between controls.</source>
        <translation>%1 no se puede usar: pasa de un control a otro.</translation>
    </message>
    <message>
        <source>%1 is already used for &quot;%2&quot;.</source>
        <translation>%1 ya se usa para «%2».</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Turn the pipes</source>
        <translation>Girar las tuberías</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Sink one row</source>
        <translation>Bajar una fila</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Start, go on, resume</source>
        <translation>Empezar, seguir, reanudar</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausa o reanudar</translation>
    </message>
    <message>
        <source>Replay the level</source>
        <translation>Repetir el nivel</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Terminar la partida</translation>
    </message>
    <message>
        <source>Start again at the current level</source>
        <translation>Empezar de nuevo en el nivel actual</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2 alone is already used for &quot;%3&quot;.</source>
        <translation>%1 no se puede usar: %2 sola ya se usa para «%3».</translation>
    </message>
    <message>
        <source>%1 cannot be used alone: %2 is already used for &quot;%3&quot;.</source>
        <translation>%1 no se puede usar sola: %2 ya se usa para «%3».</translation>
    </message>
</context>
<context>
    <name>frame::CommandLine</name>
    <message>
        <source>Line up pipe blocks so lasers burn them away.</source>
        <translation>Alinea bloques de tuberías para que los láseres los quemen.</translation>
    </message>
    <message>
        <source>Fit falling four-square pieces into full rows.</source>
        <translation>Encaja piezas de cuatro cuadrados en filas completas.</translation>
    </message>
    <message>
        <source>Fill rows with three-square pieces whose see-through parts mix colours.</source>
        <translation>Llena filas con piezas de tres cuadrados cuyas partes transparentes mezclan colores.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>También se aceptan las opciones propias de Qt, como -platform o -style.</translation>
    </message>
    <message>
        <source>See also: man %1</source>
        <extracomment>%1 is the command&apos;s name, as in &quot;man zephlon&quot;.</extracomment>
        <translation>Véase también: man %1</translation>
    </message>
    <message>
        <source>Watch the recorded game in FILE.</source>
        <translation>Ver la partida grabada en FILE.</translation>
    </message>
    <message>
        <source>%1: --replay needs a file to play.</source>
        <translation>%1: --replay necesita un archivo que reproducir.</translation>
    </message>
</context>
<context>
    <name>frame::ControlsDialog</name>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Choose a command, then Change or Add, and press the new key or pad button. Escape cancels.</source>
        <translation>Elige una orden, luego Cambiar o Añadir, y pulsa la nueva tecla o el botón del mando. Escape cancela.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Cam&amp;biar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>The game&apos;s own keys</source>
        <translation>Las teclas propias del juego</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Moderno</translation>
    </message>
    <message>
        <source>The game&apos;s keys, and Space drops, P and Pause pause, F1 helps, F11 fills the screen; leaving the window pauses</source>
        <translation>Las teclas del juego, y además: Espacio suelta, P y Pausa pausan, F1 abre la ayuda, F11 llena la pantalla; salir de la ventana pausa</translation>
    </message>
    <message>
        <source>Colour-&amp;blind aid: a pattern on every colour</source>
        <translation>Ayuda para &amp;daltónicos: un dibujo en cada color</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Set: Modern</source>
        <translation>Conjunto: moderno</translation>
    </message>
    <message>
        <source>Set: Classic</source>
        <translation>Conjunto: clásico</translation>
    </message>
    <message>
        <source>Choose a command first.</source>
        <translation>Elige primero una orden.</translation>
    </message>
    <message>
        <source>Press the new key or pad button for &quot;%1&quot; (Escape cancels).</source>
        <translation>Pulsa la nueva tecla o el botón del mando para «%1» (Escape cancela).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now answers to %2.</source>
        <translation>«%1» responde ahora a %2.</translation>
    </message>
    <message>
        <source>Nothing changed.</source>
        <translation>No ha cambiado nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no pad button now.</source>
        <translation>«%1» ya no tiene botón del mando.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key now.</source>
        <translation>«%1» ya no tiene tecla.</translation>
    </message>
    <message>
        <source>The game&apos;s own keys.</source>
        <translation>Las teclas propias del juego.</translation>
    </message>
    <message>
        <source>The game&apos;s keys with today&apos;s additions.</source>
        <translation>Las teclas del juego con los añadidos de hoy.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frame::GameRecording</name>
    <message>
        <source>list</source>
        <translation>lista</translation>
    </message>
    <message>
        <source>score</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>start level</source>
        <translation>nivel inicial</translation>
    </message>
    <message>
        <source>end level</source>
        <translation>nivel final</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>líneas</translation>
    </message>
    <message>
        <source>The replay is truncated.</source>
        <translation>La repetición está incompleta.</translation>
    </message>
    <message>
        <source>This is not a replay file.</source>
        <translation>Esto no es un archivo de repetición.</translation>
    </message>
    <message>
        <source>The replay was made by a newer version of the game.</source>
        <translation>La repetición fue creada por una versión más reciente del juego.</translation>
    </message>
    <message>
        <source>The replay is of another game.</source>
        <translation>La repetición es de otro juego.</translation>
    </message>
    <message>
        <source>The replay was made under other rules of the game.</source>
        <translation>La repetición se creó con otras reglas del juego.</translation>
    </message>
    <message>
        <source>The replay holds an input the game does not know.</source>
        <translation>La repetición contiene una entrada que el juego no conoce.</translation>
    </message>
    <message>
        <source>The replay is too large.</source>
        <translation>La repetición es demasiado grande.</translation>
    </message>
    <message>
        <source>The replay is too long.</source>
        <translation>La repetición es demasiado larga.</translation>
    </message>
    <message>
        <source>The replay holds too many inputs.</source>
        <translation>La repetición contiene demasiadas entradas.</translation>
    </message>
    <message>
        <source>The replay is damaged.</source>
        <translation>La repetición está dañada.</translation>
    </message>
    <message>
        <source>The replayed game does not end as recorded.</source>
        <translation>La partida repetida no termina como se grabó.</translation>
    </message>
    <message>
        <source>The replayed game ends with another record than the one claimed.</source>
        <translation>La partida repetida termina con otro récord que el declarado.</translation>
    </message>
    <message>
        <source>(%1 bytes, at most %2)</source>
        <translation>(%1 bytes, como máximo %2)</translation>
    </message>
    <message>
        <source>(%1 ticks, at most %2)</source>
        <translation>(%1 pulsos, como máximo %2)</translation>
    </message>
    <message>
        <source>(kind %1)</source>
        <translation>(tipo %1)</translation>
    </message>
    <message>
        <source>(%1: %2 played, %3 claimed)</source>
        <translation>(%1: %2 jugado, %3 declarado)</translation>
    </message>
    <message>
        <source>(an answer is missing)</source>
        <translation>(falta una respuesta)</translation>
    </message>
    <message>
        <source>(settings)</source>
        <translation>(ajustes)</translation>
    </message>
    <message>
        <source>(start level)</source>
        <translation>(nivel inicial)</translation>
    </message>
    <message>
        <source>(an answer without a question)</source>
        <translation>(una respuesta sin pregunta)</translation>
    </message>
    <message>
        <source>(an input out of its range)</source>
        <translation>(una entrada fuera de su rango)</translation>
    </message>
    <message>
        <source>(inputs after the game&apos;s end)</source>
        <translation>(entradas después del final de la partida)</translation>
    </message>
</context>
<context>
    <name>frame::GameSession</name>
    <message>
        <source>The options and new high scores of this game are not saved.</source>
        <translation>Las opciones y los nuevos récords de esta partida no se han guardado.</translation>
    </message>
</context>
<context>
    <name>frame::SettingsStore</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason.</extracomment>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>another copy of the game is saving to the same folder and has not finished</source>
        <translation>otra copia del juego está guardando en la misma carpeta y aún no ha terminado</translation>
    </message>
    <message>
        <source>the file is larger than the 4 MB the game reads, so it is left as it is and nothing in it is lost</source>
        <translation>el archivo supera los 4 MB que lee el juego, así que se deja como está y no se pierde nada de su contenido</translation>
    </message>
    <message>
        <source>the file would grow beyond the 4 MB the game reads, so it is left as it is</source>
        <translation>el archivo superaría los 4 MB que lee el juego, así que se deja como está</translation>
    </message>
</context>
<context>
    <name>frame::WatchSession</name>
    <message>
        <source>The replay %1 cannot be watched:
%2</source>
        <extracomment>%1 is the replay file, %2 the reason it cannot be played.</extracomment>
        <translation>No se puede ver la repetición %1:
%2</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Viendo una repetición</translation>
    </message>
    <message>
        <source>Watching the replay of %1</source>
        <extracomment>%1 is the name of the player whose recorded game is shown.</extracomment>
        <translation>Viendo la repetición de %1</translation>
    </message>
    <message>
        <source>The replay stopped: %1</source>
        <extracomment>%1 says why a recorded game could not be played to its end.</extracomment>
        <translation>La repetición se detuvo: %1</translation>
    </message>
    <message>
        <source>Esc: back to the game</source>
        <translation>Esc: volver al juego</translation>
    </message>
    <message>
        <source>Replay ended with %1 points</source>
        <extracomment>%1 is the final score of the watched game.</extracomment>
        <translation>La repetición terminó con %1 puntos</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Speed %1x</source>
        <extracomment>The pace of the watched game, 1x, 2x or 4x the recorded one.</extracomment>
        <translation>Velocidad %1x</translation>
    </message>
    <message>
        <source>P: pause, 1/2/4: speed, Esc: stop</source>
        <translation>P: pausa, 1/2/4: velocidad, Esc: parar</translation>
    </message>
</context>
<context>
    <name>frame::WindowControls</name>
    <message>
        <source>&amp;Controls...</source>
        <translation>C&amp;ontroles...</translation>
    </message>
</context>
<context>
    <name>quadrelle::Engine</name>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>quadrelle::FormPlunko</name>
    <message>
        <source>&amp;1 - Baby</source>
        <translation>&amp;1 - Bebé</translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation>&amp;2 - Chiquitín</translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation>&amp;3 - Niño grande</translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation>&amp;4 - Está chupado</translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation>&amp;5 - Ni te preocupes</translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation>&amp;6 - Soy poderoso</translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation>&amp;7 - Se acerca la locura</translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation>&amp;8 - ¿Y qué?</translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation>&amp;9 - Locura</translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation>10 - &amp;Manicomio</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>A game by </source>
        <translation>Un juego de </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>&amp;Nivel inicial</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;onido</translation>
    </message>
    <message>
        <source>&amp;AutoUpload</source>
        <translation>Subida &amp;automática</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation>Récords &amp;locales...</translation>
    </message>
    <message>
        <source>&amp;Clear Highscores</source>
        <translation>&amp;Borrar récords</translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation>&amp;Subir récords...</translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation>Récords &amp;mundiales...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>Well</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>The well, 10 squares wide and 20 deep, where the pieces fall</source>
        <translation>El pozo, de 10 casillas de ancho y 20 de fondo, donde caen las piezas</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Siguiente pieza</translation>
    </message>
    <message>
        <source>The piece that falls after the current one</source>
        <translation>La pieza que caerá después de la actual</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Score, level, erased rows and high score</source>
        <translation>Puntos, nivel, filas borradas y récord</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Récord</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuevo récord: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Rows erased: %1</source>
        <extracomment>Told to a screen reader when full rows vanish; %1 is how many.</extracomment>
        <translation>Filas borradas: %1</translation>
    </message>
</context>
<context>
    <name>scores::FormTopTen</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Start Level</source>
        <translation>Niv. inicial</translation>
    </message>
    <message>
        <source>End Level</source>
        <translation>Niv. final</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Borrar lista</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Puzzle Game TOP 10</source>
        <translation>Juego de puzle TOP 10</translation>
    </message>
    <message>
        <source>Original Game TOP 10</source>
        <translation>Juego original TOP 10</translation>
    </message>
    <message>
        <source>Local Highscores</source>
        <translation>Récords locales</translation>
    </message>
    <message>
        <source>Quadrelle - Local Highscores</source>
        <translation>Quadrelle – Récords locales</translation>
    </message>
    <message>
        <source>Vantorel - Top10</source>
        <translation>Vantorel – Top 10</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <extracomment>Plays the chosen record&apos;s recorded game in the main window.</extracomment>
        <translation>&amp;Ver</translation>
    </message>
</context>
<context>
    <name>scores::HighScores</name>
    <message>
        <source>Are you sure you want to clear the local highscore list?</source>
        <translation>¿Seguro que quieres borrar la lista local de récords?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high score list?</source>
        <translation>¿Seguro que quieres borrar la lista de récords?</translation>
    </message>
    <message>
        <source>This record has no replay to watch.</source>
        <translation>Este récord no tiene repetición para ver.</translation>
    </message>
</context>
<context>
    <name>scores::ReplayFiles</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>vantorel::FormPlunko</name>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>&amp;Nivel inicial</translation>
    </message>
    <message>
        <source>&amp;1 - Baby</source>
        <translation>&amp;1 - Bebé</translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation>&amp;2 - Chiquitín</translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation>&amp;3 - Niño grande</translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation>&amp;4 - Está chupado</translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation>&amp;5 - Ni te preocupes</translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation>&amp;6 - Soy poderoso</translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation>&amp;7 - Se acerca la locura</translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation>&amp;8 - ¿Y qué?</translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation>&amp;9 - Locura</translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation>10 - &amp;Manicomio</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;onido</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>&amp;Top10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Upload Highscore</source>
        <translation>&amp;Subir récord</translation>
    </message>
    <message>
        <source>&amp;Global Top100</source>
        <translation>Top 100 &amp;mundial</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>Pit</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>The pit, 8 squares wide and 18 deep, where the pieces fall</source>
        <translation>El pozo, de 8 casillas de ancho y 18 de fondo, donde caen las piezas</translation>
    </message>
    <message>
        <source>Next piece and status</source>
        <translation>Siguiente pieza y estado</translation>
    </message>
    <message>
        <source>The piece that falls after the current one, score, level, erased rows and high score</source>
        <translation>La pieza que caerá después de la actual, puntos, nivel, filas borradas y récord</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Rows erased: %1</source>
        <extracomment>Told to a screen reader when full rows vanish; %1 is how many.</extracomment>
        <translation>Filas borradas: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nuevo récord: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
</context>
<context>
    <name>vantorel::Game</name>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>web::FormBrError</name>
    <message>
        <source>Web browser error</source>
        <translation>Error del navegador web</translation>
    </message>
    <message>
        <source>Could not launch the web browser.</source>
        <translation>No se pudo abrir el navegador web.</translation>
    </message>
    <message>
        <source>SOLUTION 1</source>
        <translation>SOLUCIÓN 1</translation>
    </message>
    <message>
        <source>1. Start the web browser (from the start menu)</source>
        <translation>1. Abre el navegador web (desde el menú de inicio)</translation>
    </message>
    <message>
        <source>2. Return to the game (Press &quot;Close&quot;) and try again</source>
        <translation>2. Vuelve al juego (pulsa «Cerrar») e inténtalo de nuevo</translation>
    </message>
    <message>
        <source>ALTERNATIVE SOLUTION (IF SOLUTION 1 FAILED)</source>
        <translation>OTRA SOLUCIÓN (SI LA SOLUCIÓN 1 FALLA)</translation>
    </message>
    <message>
        <source>1. Copy the link below onto the clipboard</source>
        <translation>1. Copia el enlace de abajo al portapapeles</translation>
    </message>
    <message>
        <source>2. Start the web browser (from the start menu)</source>
        <translation>2. Abre el navegador web (desde el menú de inicio)</translation>
    </message>
    <message>
        <source>3. Paste the copied text into the adress (url) field in the web browser</source>
        <translation>3. Pega el texto copiado en la barra de direcciones (URL) del navegador</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>web::FormURL</name>
    <message>
        <source>Don&apos;t show this next time</source>
        <translation>No volver a mostrar</translation>
    </message>
</context>
<context>
    <name>web::QuadrelleWeb</name>
    <message>
        <source>Please install Internet Explorer 4!
Quadrelle shows the global lists with Qt WebEngine, free from https://www.qt.io/download (Debian: libqt6webenginewidgets6 and libqt6webenginecore6-bin), through its browser plugin quadrelle-webengine.so, built with the game when qt6-webengine-dev is installed.</source>
        <translation>¡Instala Internet Explorer 4!
Quadrelle muestra las listas mundiales con Qt WebEngine, gratis en https://www.qt.io/download (Debian: libqt6webenginewidgets6 y libqt6webenginecore6-bin), mediante su complemento de navegador quadrelle-webengine.so, que se compila con el juego cuando qt6-webengine-dev está instalado.</translation>
    </message>
    <message>
        <source>Your score could not be uploaded: the score server did not answer.
It stays in your list here; try again later with &quot;Upload Highscores...&quot;.</source>
        <translation>No se pudo subir tu puntuación: el servidor de puntuaciones no respondió.
Sigue aquí en tu lista; inténtalo más tarde con «Subir récords...».</translation>
    </message>
    <message>
        <source>The score server refused your upload (HTTP status %1).
Your score stays in your list here; try again in %2 s with &quot;Upload Highscores...&quot;.</source>
        <translation>El servidor de puntuaciones rechazó tu subida (estado HTTP %1).
Tu puntuación sigue aquí en tu lista; inténtalo de nuevo dentro de %2 s con «Subir récords...».</translation>
    </message>
    <message>
        <source>The score server refused your upload (HTTP status %1).
Your score stays in your list here; try again later with &quot;Upload Highscores...&quot;.</source>
        <translation>El servidor de puntuaciones rechazó tu subida (estado HTTP %1).
Tu puntuación sigue aquí en tu lista; inténtalo más tarde con «Subir récords...».</translation>
    </message>
</context>
<context>
    <name>web::ScoreServer</name>
    <message>
        <source>Type a web address under Options &gt; Score Server...</source>
        <translation>Escribe una dirección web en Opciones &gt; Servidor de puntuaciones...</translation>
    </message>
    <message>
        <source>Type a web address into the &quot;Score Server:&quot; field of the global highscores window and press &quot;Go&quot;.</source>
        <translation>Escribe una dirección web en el campo «Servidor:» de la ventana de las puntuaciones mundiales y pulsa «Ir».</translation>
    </message>
    <message>
        <source>With the game closed, set the WebServer key in the [Options] section of %1 to a web address.</source>
        <translation>Con el juego cerrado, pon una dirección web en la clave WebServer de la sección [Options] de %1.</translation>
    </message>
    <message>
        <source>The score server &quot;%1&quot; cannot be used: a score server is a web address (http or https), such as scores.example.org/arcade.</source>
        <translation>No se puede usar el servidor de puntuaciones «%1»: un servidor de puntuaciones es una dirección web (http o https), como scores.example.org/arcade.</translation>
    </message>
</context>
<context>
    <name>web::UrlPrompt</name>
    <message>
        <source>Upload Highscores</source>
        <translation>Subir récords</translation>
    </message>
    <message>
        <source>Upload Top 3</source>
        <translation>Subir top 3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Upload Hiscore</source>
        <translation>Subir récord</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Upload Hiscores</source>
        <translation>Subir récords</translation>
    </message>
    <message>
        <source>Upload NOW</source>
        <translation>Subir AHORA</translation>
    </message>
    <message>
        <source>Upload LATER</source>
        <translation>Subir DESPUÉS</translation>
    </message>
    <message>
        <source>Upload Highscore</source>
        <translation>Subir récord</translation>
    </message>
    <message>
        <source>Please enter your URL or email !</source>
        <translation>¡Escribe tu web o tu correo!</translation>
    </message>
    <message>
        <source>Make sure you are connected to the Internet!</source>
        <translation>¡Asegúrate de estar conectado a internet!</translation>
    </message>
    <message>
        <source>%1, please enter your URL or email !</source>
        <translation>%1, ¡escribe tu web o tu correo!</translation>
    </message>
    <message>
        <source>Our score server shows only a web page address (http or https) with your scores, never an e-mail address.</source>
        <translation>Nuestro servidor de puntuaciones solo muestra junto a tus puntuaciones una dirección de página web (http o https), nunca una dirección de correo electrónico.</translation>
    </message>
</context>
<context>
    <name>web::quadrelle::FormWebHighscore</name>
    <message>
        <source>Quadrelle - Global Highscores</source>
        <translation>Quadrelle – Récords mundiales</translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Today&apos;s</source>
        <translation>De hoy</translation>
    </message>
    <message>
        <source>This week&apos;s</source>
        <translation>De esta semana</translation>
    </message>
    <message>
        <source>This month&apos;s</source>
        <translation>De este mes</translation>
    </message>
    <message>
        <source>All time&apos;s</source>
        <translation>De siempre</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>Top 10</translation>
    </message>
    <message>
        <source>Top 100</source>
        <translation>Top 100</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet. Read about working score servers at our site!</source>
        <translation>Asegúrate de estar conectado a internet. ¡En nuestra web encontrarás servidores de puntuaciones que funcionan!</translation>
    </message>
</context>
<context>
    <name>web::zephlon::FormWebHighscore</name>
    <message>
        <source>Score Server</source>
        <translation>Servidor de puntuaciones</translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zephlon::ZephlonEngine</name>
    <message>
        <source>Blocks</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>Click Mouse</source>
        <extracomment>The last line of a level message: what goes on to the next level.</extracomment>
        <translation>Haz clic</translation>
    </message>
    <message>
        <source>Press Enter</source>
        <translation>Pulsa Intro</translation>
    </message>
    <message>
        <source>Click Mouse to Start</source>
        <translation>Haz clic para empezar</translation>
    </message>
    <message>
        <source>Press Enter to Start</source>
        <translation>Pulsa Intro para empezar</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The first line of the message before a level; %1 is the level&apos;s number.</extracomment>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Remove the blinking block</source>
        <translation>Elimina el bloque que parpadea</translation>
    </message>
    <message>
        <source>Level Completed</source>
        <translation>Nivel superado</translation>
    </message>
</context>
</TS>
