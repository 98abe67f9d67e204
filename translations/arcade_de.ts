<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FormZephlon</name>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>Möchtest du wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Original Game</source>
        <translation>&amp;Originalspiel</translation>
    </message>
    <message>
        <source>&amp;Puzzle Game</source>
        <translation>&amp;Puzzlespiel</translation>
    </message>
    <message>
        <source>&amp;Replay level</source>
        <translation>Level &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Quit Current Game</source>
        <translation>Laufendes Spiel &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>Start&amp;level</translation>
    </message>
    <message>
        <source>Block &amp;Color</source>
        <translation>Block&amp;farbe</translation>
    </message>
    <message>
        <source>&amp;Blueberry</source>
        <translation>&amp;Blaubeere</translation>
    </message>
    <message>
        <source>&amp;Lime</source>
        <translation>&amp;Limette</translation>
    </message>
    <message>
        <source>&amp;Kiwi</source>
        <translation>&amp;Kiwi</translation>
    </message>
    <message>
        <source>&amp;Plum</source>
        <translation>&amp;Pflaume</translation>
    </message>
    <message>
        <source>&amp;Grey</source>
        <translation>&amp;Grau</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Steuerung</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Tastatur</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Maus</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>S&amp;core Server...</source>
        <translation>&amp;Punkteserver...</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation>&amp;Lokale Bestenliste...</translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation>Bestenliste &amp;hochladen...</translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation>&amp;Weltweite Bestenliste...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Game Play...</source>
        <translation>&amp;Spielablauf...</translation>
    </message>
    <message>
        <source>&amp;Key Control...</source>
        <translation>&amp;Tastenbelegung...</translation>
    </message>
    <message>
        <source>&amp;Scoring...</source>
        <translation>&amp;Punktewertung...</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The status bar&apos;s heading over the next-block preview.</extracomment>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Second line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The heading over the count of destroyed blocks.</extracomment>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>First line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>A game by </source>
        <translation>Ein Spiel von </translation>
    </message>
    <message>
        <source>Pit</source>
        <translation>Grube</translation>
    </message>
    <message>
        <source>The pit, 7 blocks wide and 10 deep, where the blocks with pipes fall</source>
        <translation>Die Grube, 7 Blöcke breit und 10 tief, in die die Rohrblöcke fallen</translation>
    </message>
    <message>
        <source>Next block</source>
        <translation>Nächster Block</translation>
    </message>
    <message>
        <source>The block that falls after the current one</source>
        <translation>Der Block, der nach dem aktuellen fällt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Score, level, destroyed blocks and high score</source>
        <translation>Punkte, Level, zerstörte Blöcke und Rekord</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Neuer Rekord: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
</context>
<context>
    <name>dialogs::ClickLabel</name>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
</context>
<context>
    <name>dialogs::FormAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>ver %1</source>
        <translation>Vers. %1</translation>
    </message>
    <message>
        <source>ver</source>
        <extracomment>Short for &quot;version&quot;, before the version number.</extracomment>
        <translation>Vers.</translation>
    </message>
    <message>
        <source>Design, gfx and Programming</source>
        <translation>Design, Grafik und Programmierung</translation>
    </message>
    <message>
        <source>Download more games at:</source>
        <translation>Weitere Spiele gibt es unter:</translation>
    </message>
    <message>
        <source>email: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>by Mira Castell and the Quillbyte team</source>
        <extracomment>The makers&apos; line in the about box.</extracomment>
        <translation>von Mira Castell und dem Quillbyte-Team</translation>
    </message>
</context>
<context>
    <name>dialogs::FormInstructions</name>
    <message>
        <source>%1 - Instructions</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Anleitung</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Vantorel is a kind of real-time puzzle. You have to keep a pit free of blocks by moving and rotating small pieces while they sink from the top to the ground, one after another. Some blocks are partly tranparent, they have to be combined with other transparent sections. Each time a complete row is filled, it vanishes and all blocks above fall down. Your game is over when the pit is too full for the next piece. The game becomes a bit faster each time a certain amount of rows (15) has been erased. </source>
        <translation>Vantorel ist eine Art Echtzeit-Puzzle. Du musst eine Grube frei von Blöcken halten, indem du kleine Teile verschiebst und drehst, während sie nacheinander von oben zum Boden sinken. Manche Blöcke sind teilweise durchsichtig und müssen mit anderen durchsichtigen Stücken kombiniert werden. Jedes Mal, wenn eine Reihe vollständig gefüllt ist, verschwindet sie, und alle Blöcke darüber fallen nach unten. Das Spiel ist aus, wenn die Grube für das nächste Teil zu voll ist. Nach einer bestimmten Zahl gelöschter Reihen (15) wird das Spiel jeweils ein wenig schneller.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punktewertung</translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation>1 Punkt pro Reihe, die du einen Block absinken lässt</translation>
    </message>
    <message>
        <source>100 points for one erased row</source>
        <translation>100 Punkte für eine gelöschte Reihe</translation>
    </message>
    <message>
        <source>300 points for two erased rows</source>
        <translation>300 Punkte für zwei gelöschte Reihen</translation>
    </message>
    <message>
        <source>700 points for three erased rows</source>
        <translation>700 Punkte für drei gelöschte Reihen</translation>
    </message>
    <message>
        <source>200 points for two erased rows</source>
        <translation>200 Punkte für zwei gelöschte Reihen</translation>
    </message>
    <message>
        <source>400 points for three erased rows</source>
        <translation>400 Punkte für drei gelöschte Reihen</translation>
    </message>
    <message>
        <source>800 points for four erased rows</source>
        <translation>800 Punkte für vier gelöschte Reihen</translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation>Bestenlisten im Web</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation>Sorge dafür, dass du mit dem Internet verbunden bist, wenn du Punkte auf einen Punkteserver hochlädst oder dir dort die Listen ansiehst.</translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation>Unter %1 findest du eine Liste funktionierender Punkteserver.</translation>
    </message>
    <message>
        <source>The global highscores are shown inside the game by an embedded web browser, so please install Internet Explorer 4 (on Linux: the Qt WebEngine component, package libqt6webenginewidgets6). It can be downloaded free of charge from your distribution&apos;s package archive.</source>
        <translation>Die weltweiten Bestenlisten zeigt das Spiel in einem eingebauten Webbrowser an. Installiere dafür bitte Internet Explorer 4 (unter Linux: die Komponente Qt WebEngine, Paket libqt6webenginewidgets6). Sie steht kostenlos im Paketarchiv deiner Distribution bereit.</translation>
    </message>
    <message>
        <source>Key Control</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Move Left with CURSOR LEFT key</source>
        <translation>Nach links mit der Taste PFEIL LINKS</translation>
    </message>
    <message>
        <source>Move Right with CUROR RIGHT key</source>
        <translation>Nach rechts mit der Taste PFEIL RECHTS</translation>
    </message>
    <message>
        <source>Rotate with CURSOR UP key</source>
        <translation>Drehen mit der Taste PFEIL HOCH</translation>
    </message>
    <message>
        <source>Sink with CURSOR DOWN key</source>
        <translation>Absinken mit der Taste PFEIL RUNTER</translation>
    </message>
    <message>
        <source>Drop with CONTROL or INSERT key</source>
        <translation>Fallen lassen mit STRG oder EINFG</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormInstructions</name>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
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
        <translation>Während des ganzen Spiels fallen Blöcke mit
unterschiedlich vielen senkrechten oder
waagerechten Rohren von oben herab. Bringst du
drei oder mehr Rohrstücke in eine Linie, brennt
sie ein Laserstrahl weg. Verliert ein Block alle
seine Rohrstücke, verschwindet er, und die Blöcke
darüber rutschen an seinen Platz nach.
Mit den besonderen Laserbomben lassen sich auch
Blöcke zerstören, die schon am Boden liegen.
Das Spiel ist aus, wenn das Spielfeld voll ist.</translation>
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
        <translation>Du musst den blinkenden Block entfernen, bevor
das Spielfeld vollläuft. Arbeite dich dazu zu
ihm hinunter (indem du Rohrstücke in eine Linie
bringst, siehe Originalspiel links) und räume
ihn dann ab. Mit der Laserbombe zerstörst du
Betonmauern und Blöcke mit nur waagerechten Rohren.</translation>
    </message>
    <message>
        <source>Game Play - Original game</source>
        <translation>Spielablauf – Originalspiel</translation>
    </message>
    <message>
        <source>Game Play - Puzzle game</source>
        <translation>Spielablauf – Puzzlespiel</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormKeyControl</name>
    <message>
        <source>Key Control</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Absinken</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Replay level (Arcade)</source>
        <translation>Level wiederholen (Arcade)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>[Cursor LEFT]</source>
        <extracomment>A key as keyboards of the language label it (Strg, Einfg; Ctrl, Inser): keep the brackets.</extracomment>
        <translation>[Pfeil LINKS]</translation>
    </message>
    <message>
        <source>[Cursor RIGHT]</source>
        <translation>[Pfeil RECHTS]</translation>
    </message>
    <message>
        <source>[Cursor UP]</source>
        <translation>[Pfeil HOCH]</translation>
    </message>
    <message>
        <source>[Cursor DOWN]</source>
        <translation>[Pfeil RUNTER]</translation>
    </message>
    <message>
        <source>[CONTROL] or [INSERT]</source>
        <translation>[STRG] oder [EINFG]</translation>
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
        <translation>Punktewertung</translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation>1 Punkt pro Reihe, die du einen Block absinken lässt</translation>
    </message>
    <message>
        <source>5 points for destroyed pipe section</source>
        <translation>5 Punkte pro zerstörtem Rohrstück</translation>
    </message>
    <message>
        <source>50 points for 1 destroyed block </source>
        <translation>50 Punkte für 1 zerstörten Block</translation>
    </message>
    <message>
        <source>50 + 75 points for 2 simultaneously destroyed blocks</source>
        <translation>50 + 75 Punkte für 2 gleichzeitig zerstörte Blöcke</translation>
    </message>
    <message>
        <source>50 + 75 + 100  points for 3 simult. destroyed blocks ...</source>
        <translation>50 + 75 + 100 Punkte für 3 gleichz. zerstörte Blöcke ...</translation>
    </message>
    <message>
        <source>1000 points for destroyed flashing block</source>
        <translation>1000 Punkte für den zerstörten blinkenden Block</translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation>Bestenlisten im Web</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation>Sorge dafür, dass du mit dem Internet verbunden bist, wenn du Punkte auf einen Punkteserver hochlädst oder dir dort die Listen ansiehst.</translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation>Unter %1 findest du eine Liste funktionierender Punkteserver.</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::HelpPage</name>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frame::Bindings</name>
    <message>
        <source>Pad up</source>
        <translation>Steuerkreuz hoch</translation>
    </message>
    <message>
        <source>Pad down</source>
        <translation>Steuerkreuz runter</translation>
    </message>
    <message>
        <source>Pad left</source>
        <translation>Steuerkreuz links</translation>
    </message>
    <message>
        <source>Pad right</source>
        <translation>Steuerkreuz rechts</translation>
    </message>
    <message>
        <source>Left stick left</source>
        <translation>Linker Stick links</translation>
    </message>
    <message>
        <source>Left stick right</source>
        <translation>Linker Stick rechts</translation>
    </message>
    <message>
        <source>Left stick up</source>
        <translation>Linker Stick hoch</translation>
    </message>
    <message>
        <source>Left stick down</source>
        <translation>Linker Stick runter</translation>
    </message>
    <message>
        <source>Right stick left</source>
        <translation>Rechter Stick links</translation>
    </message>
    <message>
        <source>Right stick right</source>
        <translation>Rechter Stick rechts</translation>
    </message>
    <message>
        <source>Right stick up</source>
        <translation>Rechter Stick hoch</translation>
    </message>
    <message>
        <source>Right stick down</source>
        <translation>Rechter Stick runter</translation>
    </message>
    <message>
        <source>Pad %1</source>
        <extracomment>A pad button by the label printed on it: &quot;Pad A&quot;, &quot;Pad LB&quot;.</extracomment>
        <translation>Gamepad %1</translation>
    </message>
    <message>
        <source>This game has no such command.</source>
        <translation>Diesen Befehl hat das Spiel nicht.</translation>
    </message>
    <message>
        <source>This key cannot be used.</source>
        <translation>Diese Taste ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>Escape cannot be used: it closes windows.</source>
        <translation>Escape ist nicht verwendbar: Die Taste schließt Fenster.</translation>
    </message>
    <message>
        <source>%1 cannot be used: Alt opens the menus.</source>
        <translation>%1 ist nicht verwendbar: Alt öffnet die Menüs.</translation>
    </message>
    <message>
        <source>%1 cannot be used: it moves between controls.</source>
        <translation>%1 ist nicht verwendbar: Die Taste wechselt zwischen den Bedienelementen.</translation>
    </message>
    <message>
        <source>%1 is already used for &quot;%2&quot;.</source>
        <translation>%1 ist schon mit „%2“ belegt.</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Turn the pipes</source>
        <translation>Rohre drehen</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Sink one row</source>
        <translation>Eine Reihe sinken</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Start, go on, resume</source>
        <translation>Starten, weiter, fortsetzen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause oder weiter</translation>
    </message>
    <message>
        <source>Replay the level</source>
        <translation>Level wiederholen</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Start again at the current level</source>
        <translation>Im aktuellen Level neu beginnen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2 alone is already used for &quot;%3&quot;.</source>
        <translation>%1 ist nicht verwendbar: %2 allein ist schon mit „%3“ belegt.</translation>
    </message>
    <message>
        <source>%1 cannot be used alone: %2 is already used for &quot;%3&quot;.</source>
        <translation>%1 ist allein nicht verwendbar: %2 ist schon mit „%3“ belegt.</translation>
    </message>
</context>
<context>
    <name>frame::CommandLine</name>
    <message>
        <source>Line up pipe blocks so lasers burn them away.</source>
        <translation>Bring Rohrblöcke in eine Linie, damit Laser sie wegbrennen.</translation>
    </message>
    <message>
        <source>Fit falling four-square pieces into full rows.</source>
        <translation>Füge fallende Viererteile zu vollen Reihen zusammen.</translation>
    </message>
    <message>
        <source>Fill rows with three-square pieces whose see-through parts mix colours.</source>
        <translation>Fülle Reihen mit Dreierteilen, deren durchsichtige Teile Farben mischen.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>Auch Qts eigene Optionen wie -platform oder -style werden angenommen.</translation>
    </message>
    <message>
        <source>See also: man %1</source>
        <extracomment>%1 is the command&apos;s name, as in &quot;man zephlon&quot;.</extracomment>
        <translation>Siehe auch: man %1</translation>
    </message>
    <message>
        <source>Watch the recorded game in FILE.</source>
        <translation>Die aufgezeichnete Partie in FILE ansehen.</translation>
    </message>
    <message>
        <source>%1: --replay needs a file to play.</source>
        <translation>%1: --replay braucht eine Datei zum Abspielen.</translation>
    </message>
</context>
<context>
    <name>frame::ControlsDialog</name>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Choose a command, then Change or Add, and press the new key or pad button. Escape cancels.</source>
        <translation>Wähle einen Befehl, dann Ändern oder Hinzufügen, und drücke die neue Taste oder den Gamepad-Knopf. Escape bricht ab.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>The game&apos;s own keys</source>
        <translation>Die eigenen Tasten des Spiels</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Modern</translation>
    </message>
    <message>
        <source>The game&apos;s keys, and Space drops, P and Pause pause, F1 helps, F11 fills the screen; leaving the window pauses</source>
        <translation>Die Tasten des Spiels, dazu: Leertaste lässt fallen, P und Pause pausieren, F1 öffnet die Hilfe, F11 füllt den Bildschirm; wer das Fenster verlässt, pausiert</translation>
    </message>
    <message>
        <source>Colour-&amp;blind aid: a pattern on every colour</source>
        <translation>Hilfe bei &amp;Farbenblindheit: ein Muster auf jeder Farbe</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Laut&amp;stärke</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Set: Modern</source>
        <translation>Satz: Modern</translation>
    </message>
    <message>
        <source>Set: Classic</source>
        <translation>Satz: Klassisch</translation>
    </message>
    <message>
        <source>Choose a command first.</source>
        <translation>Wähle zuerst einen Befehl.</translation>
    </message>
    <message>
        <source>Press the new key or pad button for &quot;%1&quot; (Escape cancels).</source>
        <translation>Drücke die neue Taste oder den Gamepad-Knopf für „%1“ (Escape bricht ab).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now answers to %2.</source>
        <translation>„%1“ liegt jetzt auf %2.</translation>
    </message>
    <message>
        <source>Nothing changed.</source>
        <translation>Nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no pad button now.</source>
        <translation>„%1“ hat jetzt keinen Gamepad-Knopf.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key now.</source>
        <translation>„%1“ hat jetzt keine Taste.</translation>
    </message>
    <message>
        <source>The game&apos;s own keys.</source>
        <translation>Die eigenen Tasten des Spiels.</translation>
    </message>
    <message>
        <source>The game&apos;s keys with today&apos;s additions.</source>
        <translation>Die Tasten des Spiels mit heutigen Ergänzungen.</translation>
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
    <name>frame::GameRecording</name>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>start level</source>
        <translation>Startlevel</translation>
    </message>
    <message>
        <source>end level</source>
        <translation>Endlevel</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>The replay is truncated.</source>
        <translation>Die Wiederholung ist unvollständig.</translation>
    </message>
    <message>
        <source>This is not a replay file.</source>
        <translation>Dies ist keine Wiederholungsdatei.</translation>
    </message>
    <message>
        <source>The replay was made by a newer version of the game.</source>
        <translation>Die Wiederholung stammt von einer neueren Version des Spiels.</translation>
    </message>
    <message>
        <source>The replay is of another game.</source>
        <translation>Die Wiederholung gehört zu einem anderen Spiel.</translation>
    </message>
    <message>
        <source>The replay was made under other rules of the game.</source>
        <translation>Die Wiederholung entstand unter anderen Spielregeln.</translation>
    </message>
    <message>
        <source>The replay holds an input the game does not know.</source>
        <translation>Die Wiederholung enthält eine Eingabe, die das Spiel nicht kennt.</translation>
    </message>
    <message>
        <source>The replay is too large.</source>
        <translation>Die Wiederholung ist zu groß.</translation>
    </message>
    <message>
        <source>The replay is too long.</source>
        <translation>Die Wiederholung ist zu lang.</translation>
    </message>
    <message>
        <source>The replay holds too many inputs.</source>
        <translation>Die Wiederholung enthält zu viele Eingaben.</translation>
    </message>
    <message>
        <source>The replay is damaged.</source>
        <translation>Die Wiederholung ist beschädigt.</translation>
    </message>
    <message>
        <source>The replayed game does not end as recorded.</source>
        <translation>Das wiederholte Spiel endet nicht wie aufgezeichnet.</translation>
    </message>
    <message>
        <source>The replayed game ends with another record than the one claimed.</source>
        <translation>Das wiederholte Spiel endet mit einem anderen Eintrag als dem angegebenen.</translation>
    </message>
    <message>
        <source>(%1 bytes, at most %2)</source>
        <translation>(%1 Bytes, höchstens %2)</translation>
    </message>
    <message>
        <source>(%1 ticks, at most %2)</source>
        <translation>(%1 Takte, höchstens %2)</translation>
    </message>
    <message>
        <source>(kind %1)</source>
        <translation>(Art %1)</translation>
    </message>
    <message>
        <source>(%1: %2 played, %3 claimed)</source>
        <translation>(%1: %2 gespielt, %3 angegeben)</translation>
    </message>
    <message>
        <source>(an answer is missing)</source>
        <translation>(eine Antwort fehlt)</translation>
    </message>
    <message>
        <source>(settings)</source>
        <translation>(Einstellungen)</translation>
    </message>
    <message>
        <source>(start level)</source>
        <translation>(Startlevel)</translation>
    </message>
    <message>
        <source>(an answer without a question)</source>
        <translation>(eine Antwort ohne Frage)</translation>
    </message>
    <message>
        <source>(an input out of its range)</source>
        <translation>(eine Eingabe außerhalb ihres Bereichs)</translation>
    </message>
    <message>
        <source>(inputs after the game&apos;s end)</source>
        <translation>(Eingaben nach dem Spielende)</translation>
    </message>
</context>
<context>
    <name>frame::GameSession</name>
    <message>
        <source>The options and new high scores of this game are not saved.</source>
        <translation>Die Optionen und neuen Bestwerte dieses Spiels wurden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>frame::SettingsStore</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason.</extracomment>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>another copy of the game is saving to the same folder and has not finished</source>
        <translation>eine andere Kopie des Spiels speichert gerade in denselben Ordner und ist noch nicht fertig</translation>
    </message>
    <message>
        <source>the file is larger than the 4 MB the game reads, so it is left as it is and nothing in it is lost</source>
        <translation>die Datei ist größer als die 4 MB, die das Spiel liest; sie bleibt daher unverändert, und nichts darin geht verloren</translation>
    </message>
    <message>
        <source>the file would grow beyond the 4 MB the game reads, so it is left as it is</source>
        <translation>die Datei würde über die 4 MB wachsen, die das Spiel liest; sie bleibt daher unverändert</translation>
    </message>
</context>
<context>
    <name>frame::WatchSession</name>
    <message>
        <source>The replay %1 cannot be watched:
%2</source>
        <extracomment>%1 is the replay file, %2 the reason it cannot be played.</extracomment>
        <translation>Die Wiederholung %1 kann nicht abgespielt werden:
%2</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Sie sehen eine Wiederholung</translation>
    </message>
    <message>
        <source>Watching the replay of %1</source>
        <extracomment>%1 is the name of the player whose recorded game is shown.</extracomment>
        <translation>Sie sehen die Wiederholung von %1</translation>
    </message>
    <message>
        <source>The replay stopped: %1</source>
        <extracomment>%1 says why a recorded game could not be played to its end.</extracomment>
        <translation>Die Wiederholung brach ab: %1</translation>
    </message>
    <message>
        <source>Esc: back to the game</source>
        <translation>Esc: zurück zum Spiel</translation>
    </message>
    <message>
        <source>Replay ended with %1 points</source>
        <extracomment>%1 is the final score of the watched game.</extracomment>
        <translation>Wiederholung zu Ende: %1 Punkte</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Speed %1x</source>
        <extracomment>The pace of the watched game, 1x, 2x or 4x the recorded one.</extracomment>
        <translation>Tempo %1x</translation>
    </message>
    <message>
        <source>P: pause, 1/2/4: speed, Esc: stop</source>
        <translation>P: Pause, 1/2/4: Tempo, Esc: Ende</translation>
    </message>
</context>
<context>
    <name>frame::WindowControls</name>
    <message>
        <source>&amp;Controls...</source>
        <translation>S&amp;teuerung...</translation>
    </message>
</context>
<context>
    <name>quadrelle::Engine</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>quadrelle::FormPlunko</name>
    <message>
        <source>&amp;1 - Baby</source>
        <translation>&amp;1 - Baby</translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation>&amp;2 - Knirps</translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation>&amp;3 - Großes Kind</translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation>&amp;4 - Ist doch leicht</translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation>&amp;5 - Halb so wild</translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation>&amp;6 - Ich bin stark</translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation>&amp;7 - Wahnsinn naht</translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation>&amp;8 - Na und?</translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation>&amp;9 - Wahnsinn</translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation>10 - &amp;Klapsmühle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>A game by </source>
        <translation>Ein Spiel von </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>Start&amp;level</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;AutoUpload</source>
        <translation>&amp;Automatisch hochladen</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation>&amp;Lokale Bestenliste...</translation>
    </message>
    <message>
        <source>&amp;Clear Highscores</source>
        <translation>Bestenliste &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation>Bestenliste &amp;hochladen...</translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation>&amp;Weltweite Bestenliste...</translation>
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
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>Möchtest du wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Well</source>
        <translation>Schacht</translation>
    </message>
    <message>
        <source>The well, 10 squares wide and 20 deep, where the pieces fall</source>
        <translation>Der Schacht, 10 Felder breit und 20 tief, in den die Teile fallen</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Nächstes Teil</translation>
    </message>
    <message>
        <source>The piece that falls after the current one</source>
        <translation>Das Teil, das nach dem aktuellen fällt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Score, level, erased rows and high score</source>
        <translation>Punkte, Level, gelöschte Reihen und Rekord</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Neuer Rekord: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Rows erased: %1</source>
        <extracomment>Told to a screen reader when full rows vanish; %1 is how many.</extracomment>
        <translation>Gelöschte Reihen: %1</translation>
    </message>
</context>
<context>
    <name>scores::FormTopTen</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Start Level</source>
        <translation>Startlevel</translation>
    </message>
    <message>
        <source>End Level</source>
        <translation>Endlevel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste löschen</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Puzzle Game TOP 10</source>
        <translation>Puzzlespiel TOP 10</translation>
    </message>
    <message>
        <source>Original Game TOP 10</source>
        <translation>Originalspiel TOP 10</translation>
    </message>
    <message>
        <source>Local Highscores</source>
        <translation>Lokale Bestenliste</translation>
    </message>
    <message>
        <source>Quadrelle - Local Highscores</source>
        <translation>Quadrelle – Lokale Bestenliste</translation>
    </message>
    <message>
        <source>Vantorel - Top10</source>
        <translation>Vantorel – Top 10</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <extracomment>Plays the chosen record&apos;s recorded game in the main window.</extracomment>
        <translation>&amp;Ansehen</translation>
    </message>
</context>
<context>
    <name>scores::HighScores</name>
    <message>
        <source>Are you sure you want to clear the local highscore list?</source>
        <translation>Möchtest du die lokale Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high score list?</source>
        <translation>Möchtest du die Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source>This record has no replay to watch.</source>
        <translation>Dieser Eintrag hat keine Wiederholung zum Ansehen.</translation>
    </message>
</context>
<context>
    <name>scores::ReplayFiles</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>vantorel::FormPlunko</name>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>Start&amp;level</translation>
    </message>
    <message>
        <source>&amp;1 - Baby</source>
        <translation>&amp;1 - Baby</translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation>&amp;2 - Knirps</translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation>&amp;3 - Großes Kind</translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation>&amp;4 - Ist doch leicht</translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation>&amp;5 - Halb so wild</translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation>&amp;6 - Ich bin stark</translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation>&amp;7 - Wahnsinn naht</translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation>&amp;8 - Na und?</translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation>&amp;9 - Wahnsinn</translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation>10 - &amp;Klapsmühle</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Top10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Upload Highscore</source>
        <translation>Bestwert &amp;hochladen</translation>
    </message>
    <message>
        <source>&amp;Global Top100</source>
        <translation>&amp;Weltweite Top 100</translation>
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
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Pit</source>
        <translation>Grube</translation>
    </message>
    <message>
        <source>The pit, 8 squares wide and 18 deep, where the pieces fall</source>
        <translation>Die Grube, 8 Felder breit und 18 tief, in die die Teile fallen</translation>
    </message>
    <message>
        <source>Next piece and status</source>
        <translation>Nächstes Teil und Status</translation>
    </message>
    <message>
        <source>The piece that falls after the current one, score, level, erased rows and high score</source>
        <translation>Das Teil, das nach dem aktuellen fällt, Punkte, Level, gelöschte Reihen und Rekord</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Rows erased: %1</source>
        <extracomment>Told to a screen reader when full rows vanish; %1 is how many.</extracomment>
        <translation>Gelöschte Reihen: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Neuer Rekord: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>Möchtest du wirklich ein neues Spiel beginnen?</translation>
    </message>
</context>
<context>
    <name>vantorel::Game</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>web::FormBrError</name>
    <message>
        <source>Web browser error</source>
        <translation>Fehler beim Webbrowser</translation>
    </message>
    <message>
        <source>Could not launch the web browser.</source>
        <translation>Der Webbrowser ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>SOLUTION 1</source>
        <translation>LÖSUNG 1</translation>
    </message>
    <message>
        <source>1. Start the web browser (from the start menu)</source>
        <translation>1. Starte den Webbrowser (aus dem Startmenü)</translation>
    </message>
    <message>
        <source>2. Return to the game (Press &quot;Close&quot;) and try again</source>
        <translation>2. Kehre ins Spiel zurück („Schließen“) und versuche es noch einmal</translation>
    </message>
    <message>
        <source>ALTERNATIVE SOLUTION (IF SOLUTION 1 FAILED)</source>
        <translation>ANDERE LÖSUNG (FALLS LÖSUNG 1 NICHT KLAPPT)</translation>
    </message>
    <message>
        <source>1. Copy the link below onto the clipboard</source>
        <translation>1. Kopiere den Link unten in die Zwischenablage</translation>
    </message>
    <message>
        <source>2. Start the web browser (from the start menu)</source>
        <translation>2. Starte den Webbrowser (aus dem Startmenü)</translation>
    </message>
    <message>
        <source>3. Paste the copied text into the adress (url) field in the web browser</source>
        <translation>3. Füge den kopierten Text in die Adresszeile (URL) des Browsers ein</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>web::FormURL</name>
    <message>
        <source>Don&apos;t show this next time</source>
        <translation>Nächstes Mal nicht mehr zeigen</translation>
    </message>
</context>
<context>
    <name>web::QuadrelleWeb</name>
    <message>
        <source>Please install Internet Explorer 4!
Quadrelle shows the global lists with Qt WebEngine, free from https://www.qt.io/download (Debian: libqt6webenginewidgets6 and libqt6webenginecore6-bin), through its browser plugin quadrelle-webengine.so, built with the game when qt6-webengine-dev is installed.</source>
        <translation>Bitte installiere Internet Explorer 4!
Quadrelle zeigt die weltweiten Listen mit Qt WebEngine an, kostenlos unter https://www.qt.io/download (Debian: libqt6webenginewidgets6 und libqt6webenginecore6-bin), über sein Browser-Plugin quadrelle-webengine.so, das mit dem Spiel gebaut wird, wenn qt6-webengine-dev installiert ist.</translation>
    </message>
    <message>
        <source>Your score could not be uploaded: the score server did not answer.
It stays in your list here; try again later with &quot;Upload Highscores...&quot;.</source>
        <translation>Dein Ergebnis konnte nicht hochgeladen werden: Der Punkteserver hat nicht geantwortet.
Es bleibt hier in deiner Liste; versuche es später noch einmal mit „Bestenliste hochladen...“.</translation>
    </message>
    <message>
        <source>The score server refused your upload (HTTP status %1).
Your score stays in your list here; try again in %2 s with &quot;Upload Highscores...&quot;.</source>
        <translation>Der Punkteserver hat dein Hochladen abgelehnt (HTTP-Status %1).
Dein Ergebnis bleibt hier in deiner Liste; versuche es in %2 s noch einmal mit „Bestenliste hochladen...“.</translation>
    </message>
    <message>
        <source>The score server refused your upload (HTTP status %1).
Your score stays in your list here; try again later with &quot;Upload Highscores...&quot;.</source>
        <translation>Der Punkteserver hat dein Hochladen abgelehnt (HTTP-Status %1).
Dein Ergebnis bleibt hier in deiner Liste; versuche es später noch einmal mit „Bestenliste hochladen...“.</translation>
    </message>
</context>
<context>
    <name>web::ScoreServer</name>
    <message>
        <source>Type a web address under Options &gt; Score Server...</source>
        <translation>Gib unter Optionen &gt; Punkteserver... eine Webadresse ein.</translation>
    </message>
    <message>
        <source>Type a web address into the &quot;Score Server:&quot; field of the global highscores window and press &quot;Go&quot;.</source>
        <translation>Gib im Fenster der weltweiten Bestenlisten eine Webadresse in das Feld „Punkteserver:“ ein und drücke „Los“.</translation>
    </message>
    <message>
        <source>With the game closed, set the WebServer key in the [Options] section of %1 to a web address.</source>
        <translation>Setze bei geschlossenem Spiel den Schlüssel WebServer im Abschnitt [Options] von %1 auf eine Webadresse.</translation>
    </message>
    <message>
        <source>The score server &quot;%1&quot; cannot be used: a score server is a web address (http or https), such as scores.example.org/arcade.</source>
        <translation>Der Punkteserver „%1“ kann nicht verwendet werden: Ein Punkteserver ist eine Webadresse (http oder https), etwa scores.example.org/arcade.</translation>
    </message>
</context>
<context>
    <name>web::UrlPrompt</name>
    <message>
        <source>Upload Highscores</source>
        <translation>Bestenliste hochladen</translation>
    </message>
    <message>
        <source>Upload Top 3</source>
        <translation>Top 3 hochladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Upload Hiscore</source>
        <translation>Bestwert hochladen</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Upload Hiscores</source>
        <translation>Bestwerte hochladen</translation>
    </message>
    <message>
        <source>Upload NOW</source>
        <translation>JETZT hochladen</translation>
    </message>
    <message>
        <source>Upload LATER</source>
        <translation>SPÄTER hochladen</translation>
    </message>
    <message>
        <source>Upload Highscore</source>
        <translation>Bestwert hochladen</translation>
    </message>
    <message>
        <source>Please enter your URL or email !</source>
        <translation>Bitte gib deine Webadresse oder E-Mail ein!</translation>
    </message>
    <message>
        <source>Make sure you are connected to the Internet!</source>
        <translation>Achte darauf, dass du mit dem Internet verbunden bist!</translation>
    </message>
    <message>
        <source>%1, please enter your URL or email !</source>
        <translation>%1, bitte gib deine Webadresse oder E-Mail ein!</translation>
    </message>
    <message>
        <source>Our score server shows only a web page address (http or https) with your scores, never an e-mail address.</source>
        <translation>Unser Punkteserver zeigt zu deinen Ergebnissen nur eine Webadresse (http oder https) an, niemals eine E-Mail-Adresse.</translation>
    </message>
</context>
<context>
    <name>web::quadrelle::FormWebHighscore</name>
    <message>
        <source>Quadrelle - Global Highscores</source>
        <translation>Quadrelle – Weltweite Bestenliste</translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation>Punkteserver:</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Today&apos;s</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This week&apos;s</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month&apos;s</source>
        <translation>Diesen Monat</translation>
    </message>
    <message>
        <source>All time&apos;s</source>
        <translation>Aller Zeiten</translation>
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
        <translation>Achte darauf, dass du mit dem Internet verbunden bist. Funktionierende Punkteserver findest du auf unserer Website!</translation>
    </message>
</context>
<context>
    <name>web::zephlon::FormWebHighscore</name>
    <message>
        <source>Score Server</source>
        <translation>Punkteserver</translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation>Punkteserver:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zephlon::ZephlonEngine</name>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Click Mouse</source>
        <extracomment>The last line of a level message: what goes on to the next level.</extracomment>
        <translation>Maus klicken</translation>
    </message>
    <message>
        <source>Press Enter</source>
        <translation>Eingabe drücken</translation>
    </message>
    <message>
        <source>Click Mouse to Start</source>
        <translation>Zum Start Maus klicken</translation>
    </message>
    <message>
        <source>Press Enter to Start</source>
        <translation>Zum Start Eingabe drücken</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The first line of the message before a level; %1 is the level&apos;s number.</extracomment>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Remove the blinking block</source>
        <translation>Entferne den blinkenden Block</translation>
    </message>
    <message>
        <source>Level Completed</source>
        <translation>Level geschafft</translation>
    </message>
</context>
</TS>
