<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FormZephlon</name>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Original Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Puzzle Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replay level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit Current Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block &amp;Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blueberry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kiwi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Plum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;core Server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Play...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key Control...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scoring...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The status bar&apos;s heading over the next-block preview.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Second line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The heading over the count of destroyed blocks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>First line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game by </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::FormAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ver %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ver</source>
        <extracomment>Short for &quot;version&quot;, before the version number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design, gfx and Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download more games at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Mira Castell and the Quillbyte team</source>
        <extracomment>The makers&apos; line in the about box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::FormInstructions</name>
    <message>
        <source>%1 - Instructions</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorel is a kind of real-time puzzle. You have to keep a pit free of blocks by moving and rotating small pieces while they sink from the top to the ground, one after another. Some blocks are partly tranparent, they have to be combined with other transparent sections. Each time a complete row is filled, it vanishes and all blocks above fall down. Your game is over when the pit is too full for the next piece. The game becomes a bit faster each time a certain amount of rows (15) has been erased. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 points for one erased row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300 points for two erased rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700 points for three erased rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 points for two erased rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400 points for three erased rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800 points for four erased rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The global highscores are shown inside the game by an embedded web browser, so please install Internet Explorer 4 (on Linux: the Qt WebEngine component, package libqt6webenginewidgets6). It can be downloaded free of charge from your distribution&apos;s package archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Left with CURSOR LEFT key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right with CUROR RIGHT key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate with CURSOR UP key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sink with CURSOR DOWN key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop with CONTROL or INSERT key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormInstructions</name>
    <message>
        <source>Game Play</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Play - Original game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Play - Puzzle game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormKeyControl</name>
    <message>
        <source>Key Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay level (Arcade)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Cursor LEFT]</source>
        <extracomment>A key as keyboards of the language label it (Strg, Einfg; Ctrl, Inser): keep the brackets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Cursor RIGHT]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Cursor UP]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Cursor DOWN]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[CONTROL] or [INSERT]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[R]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[P]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormScoring</name>
    <message>
        <source>Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 points for destroyed pipe section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 points for 1 destroyed block </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 + 75 points for 2 simultaneously destroyed blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 + 75 + 100  points for 3 simult. destroyed blocks ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000 points for destroyed flashing block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::HelpPage</name>
    <message>
        <source>Prev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frame::CommandLine</name>
    <message>
        <source>Line up pipe blocks so lasers burn them away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit falling four-square pieces into full rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill rows with three-square pieces whose see-through parts mix colours.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frame::GameSession</name>
    <message>
        <source>The options and new high scores of this game are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frame::SettingsStore</name>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quadrelle::Engine</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quadrelle::FormPlunko</name>
    <message>
        <source>&amp;1 - Baby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game by </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AutoUpload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scores::FormTopTen</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle Game TOP 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Game TOP 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadrelle - Local Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorel - Top10</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scores::HighScores</name>
    <message>
        <source>Are you sure you want to clear the local highscore list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high score list?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::FormPlunko</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 - Baby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upload Highscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Global Top100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantorel::Game</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web::FormBrError</name>
    <message>
        <source>Web browser error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not launch the web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOLUTION 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Start the web browser (from the start menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Return to the game (Press &quot;Close&quot;) and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALTERNATIVE SOLUTION (IF SOLUTION 1 FAILED)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Copy the link below onto the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Start the web browser (from the start menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Paste the copied text into the adress (url) field in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web::FormURL</name>
    <message>
        <source>Don&apos;t show this next time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web::QuadrelleWeb</name>
    <message>
        <source>Please install Internet Explorer 4!
Quadrelle shows the global lists with Qt WebEngine, free from https://www.qt.io/download (Debian: libqt6webenginewidgets6 and libqt6webenginecore6-bin), through its browser plugin quadrelle-webengine.so, built with the game when qt6-webengine-dev is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web::UrlPrompt</name>
    <message>
        <source>Upload Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Top 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Hiscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Hiscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload NOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload LATER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Highscore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your URL or email !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure you are connected to the Internet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, please enter your URL or email !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web::quadrelle::FormWebHighscore</name>
    <message>
        <source>Quadrelle - Global Highscores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This week&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet. Read about working score servers at our site!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>web::zephlon::FormWebHighscore</name>
    <message>
        <source>Score Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zephlon::ZephlonEngine</name>
    <message>
        <source>Blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Mouse</source>
        <extracomment>The last line of a level message: what goes on to the next level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Mouse to Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The first line of the message before a level; %1 is the level&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the blinking block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level Completed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
