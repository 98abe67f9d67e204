<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FormZephlon</name>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>Veux-tu vraiment commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>&amp;Original Game</source>
        <translation>Partie &amp;originale</translation>
    </message>
    <message>
        <source>&amp;Puzzle Game</source>
        <translation>Partie &amp;puzzle</translation>
    </message>
    <message>
        <source>&amp;Replay level</source>
        <translation>&amp;Rejouer le niveau</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Quit Current Game</source>
        <translation>&amp;Abandonner la partie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>&amp;Niveau de départ</translation>
    </message>
    <message>
        <source>Block &amp;Color</source>
        <translation>&amp;Couleur des blocs</translation>
    </message>
    <message>
        <source>&amp;Blueberry</source>
        <translation>&amp;Myrtille</translation>
    </message>
    <message>
        <source>&amp;Lime</source>
        <translation>&amp;Citron vert</translation>
    </message>
    <message>
        <source>&amp;Kiwi</source>
        <translation>&amp;Kiwi</translation>
    </message>
    <message>
        <source>&amp;Plum</source>
        <translation>&amp;Prune</translation>
    </message>
    <message>
        <source>&amp;Grey</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;Control</source>
        <translation>&amp;Contrôle</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Clavier</translation>
    </message>
    <message>
        <source>&amp;Mouse</source>
        <translation>&amp;Souris</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>S&amp;core Server...</source>
        <translation>&amp;Serveur de scores...</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation>Meilleurs scores &amp;locaux...</translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation>&amp;Envoyer les meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation>Meilleurs scores &amp;mondiaux...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;Game Play...</source>
        <translation>&amp;Déroulement du jeu...</translation>
    </message>
    <message>
        <source>&amp;Key Control...</source>
        <translation>&amp;Touches...</translation>
    </message>
    <message>
        <source>&amp;Scoring...</source>
        <translation>&amp;Points...</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>The status bar&apos;s heading over the next-block preview.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Second line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The heading over the count of destroyed blocks.</extracomment>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>First line of the two-line heading &quot;High / Score&quot; over the best score.</extracomment>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>A game by </source>
        <translation>Un jeu de </translation>
    </message>
    <message>
        <source>Pit</source>
        <translation>Puits</translation>
    </message>
    <message>
        <source>The pit, 7 blocks wide and 10 deep, where the blocks with pipes fall</source>
        <translation>Le puits, 7 blocs de large et 10 de profondeur, où tombent les blocs à tuyaux</translation>
    </message>
    <message>
        <source>Next block</source>
        <translation>Bloc suivant</translation>
    </message>
    <message>
        <source>The block that falls after the current one</source>
        <translation>Le bloc qui tombera après celui-ci</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Score, level, destroyed blocks and high score</source>
        <translation>Score, niveau, blocs détruits et meilleur score</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nouveau meilleur score : %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>dialogs::ClickLabel</name>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
</context>
<context>
    <name>dialogs::FormAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>ver %1</source>
        <translation>vers. %1</translation>
    </message>
    <message>
        <source>ver</source>
        <extracomment>Short for &quot;version&quot;, before the version number.</extracomment>
        <translation>vers.</translation>
    </message>
    <message>
        <source>Design, gfx and Programming</source>
        <translation>Conception, graphismes et programmation</translation>
    </message>
    <message>
        <source>Download more games at:</source>
        <translation>D’autres jeux à télécharger sur :</translation>
    </message>
    <message>
        <source>email: </source>
        <translation>courriel : </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>by Mira Castell and the Quillbyte team</source>
        <extracomment>The makers&apos; line in the about box.</extracomment>
        <translation>par Mira Castell et l’équipe Quillbyte</translation>
    </message>
</context>
<context>
    <name>dialogs::FormInstructions</name>
    <message>
        <source>%1 - Instructions</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Mode d’emploi</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Vantorel is a kind of real-time puzzle. You have to keep a pit free of blocks by moving and rotating small pieces while they sink from the top to the ground, one after another. Some blocks are partly tranparent, they have to be combined with other transparent sections. Each time a complete row is filled, it vanishes and all blocks above fall down. Your game is over when the pit is too full for the next piece. The game becomes a bit faster each time a certain amount of rows (15) has been erased. </source>
        <translation>Vantorel est une sorte de puzzle en temps réel. Tu dois garder un puits libre de blocs en déplaçant et en tournant de petites pièces pendant qu’elles descendent l’une après l’autre du haut jusqu’au fond. Certains blocs sont en partie transparents : il faut les combiner avec d’autres parties transparentes. Chaque fois qu’une rangée est complète, elle disparaît et tous les blocs du dessus tombent. La partie est finie quand le puits est trop plein pour la pièce suivante. Le jeu accélère un peu chaque fois qu’un certain nombre de rangées (15) a été effacé.</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation>1 point par rangée de descente d’un bloc</translation>
    </message>
    <message>
        <source>100 points for one erased row</source>
        <translation>100 points pour une rangée effacée</translation>
    </message>
    <message>
        <source>300 points for two erased rows</source>
        <translation>300 points pour deux rangées effacées</translation>
    </message>
    <message>
        <source>700 points for three erased rows</source>
        <translation>700 points pour trois rangées effacées</translation>
    </message>
    <message>
        <source>200 points for two erased rows</source>
        <translation>200 points pour deux rangées effacées</translation>
    </message>
    <message>
        <source>400 points for three erased rows</source>
        <translation>400 points pour trois rangées effacées</translation>
    </message>
    <message>
        <source>800 points for four erased rows</source>
        <translation>800 points pour quatre rangées effacées</translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation>Meilleurs scores sur le Web</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation>Vérifie que tu es connecté à Internet avant d’envoyer tes scores à un serveur de scores ou de consulter ses classements.</translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation>Rends-toi sur %1 pour trouver une liste de serveurs de scores en service.</translation>
    </message>
    <message>
        <source>The global highscores are shown inside the game by an embedded web browser, so please install Internet Explorer 4 (on Linux: the Qt WebEngine component, package libqt6webenginewidgets6). It can be downloaded free of charge from your distribution&apos;s package archive.</source>
        <translation>Les meilleurs scores mondiaux s’affichent dans le jeu grâce à un navigateur intégré : installe donc Internet Explorer 4 (sous Linux : le composant Qt WebEngine, paquet libqt6webenginewidgets6). Il se télécharge gratuitement depuis l’archive de paquets de ta distribution.</translation>
    </message>
    <message>
        <source>Key Control</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Move Left with CURSOR LEFT key</source>
        <translation>Aller à gauche avec la touche FLÈCHE GAUCHE</translation>
    </message>
    <message>
        <source>Move Right with CUROR RIGHT key</source>
        <translation>Aller à droite avec la touche FLÈCHE DROITE</translation>
    </message>
    <message>
        <source>Rotate with CURSOR UP key</source>
        <translation>Tourner avec la touche FLÈCHE HAUT</translation>
    </message>
    <message>
        <source>Sink with CURSOR DOWN key</source>
        <translation>Descendre avec la touche FLÈCHE BAS</translation>
    </message>
    <message>
        <source>Drop with CONTROL or INSERT key</source>
        <translation>Lâcher avec la touche CTRL ou INSER</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormInstructions</name>
    <message>
        <source>Game Play</source>
        <translation>Déroulement du jeu</translation>
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
        <translation>Tout au long de la partie, des blocs portant plus
ou moins de tuyaux verticaux ou horizontaux
tombent du haut de l’écran. Aligne trois morceaux
de tuyau ou plus : un tir de laser les efface.
Quand un bloc perd tous ses morceaux de tuyau,
il disparaît et les blocs du dessus descendent
prendre sa place. Les Bombes Laser spéciales
détruisent même les blocs déjà posés au sol.
La partie est finie quand l’aire de jeu
est remplie de blocs.</translation>
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
        <translation>Tu dois détruire le bloc clignotant avant que
l’écran ne soit plein. Pour cela, fraie-toi
un chemin jusqu’à lui (en alignant des tuyaux,
voir la partie originale ci-contre), puis
élimine-le. La Bombe Laser détruit les murs
de béton et les blocs aux tuyaux horizontaux.</translation>
    </message>
    <message>
        <source>Game Play - Original game</source>
        <translation>Déroulement – partie originale</translation>
    </message>
    <message>
        <source>Game Play - Puzzle game</source>
        <translation>Déroulement – partie puzzle</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::FormKeyControl</name>
    <message>
        <source>Key Control</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Sink</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Lâcher</translation>
    </message>
    <message>
        <source>Replay level (Arcade)</source>
        <translation>Rejouer le niveau (Arcade)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>[Cursor LEFT]</source>
        <extracomment>A key as keyboards of the language label it (Strg, Einfg; Ctrl, Inser): keep the brackets.</extracomment>
        <translation>[Flèche GAUCHE]</translation>
    </message>
    <message>
        <source>[Cursor RIGHT]</source>
        <translation>[Flèche DROITE]</translation>
    </message>
    <message>
        <source>[Cursor UP]</source>
        <translation>[Flèche HAUT]</translation>
    </message>
    <message>
        <source>[Cursor DOWN]</source>
        <translation>[Flèche BAS]</translation>
    </message>
    <message>
        <source>[CONTROL] or [INSERT]</source>
        <translation>[CTRL] ou [INSER]</translation>
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
        <translation>Points</translation>
    </message>
    <message>
        <source>1 point per row you sink a block</source>
        <translation>1 point par rangée de descente d’un bloc</translation>
    </message>
    <message>
        <source>5 points for destroyed pipe section</source>
        <translation>5 points par morceau de tuyau détruit</translation>
    </message>
    <message>
        <source>50 points for 1 destroyed block </source>
        <translation>50 points pour 1 bloc détruit</translation>
    </message>
    <message>
        <source>50 + 75 points for 2 simultaneously destroyed blocks</source>
        <translation>50 + 75 points pour 2 blocs détruits en même temps</translation>
    </message>
    <message>
        <source>50 + 75 + 100  points for 3 simult. destroyed blocks ...</source>
        <translation>50 + 75 + 100 points pour 3 blocs détruits ensemble...</translation>
    </message>
    <message>
        <source>1000 points for destroyed flashing block</source>
        <translation>1000 points pour le bloc clignotant détruit</translation>
    </message>
    <message>
        <source>Web Highscores</source>
        <translation>Meilleurs scores sur le Web</translation>
    </message>
    <message>
        <source>Make sure you are connected to the internet when uploading and viewing scores from a score server.</source>
        <translation>Vérifie que tu es connecté à Internet avant d’envoyer tes scores à un serveur de scores ou de consulter ses classements.</translation>
    </message>
    <message>
        <source>Visit %1 for a list of working score servers.</source>
        <translation>Rends-toi sur %1 pour trouver une liste de serveurs de scores en service.</translation>
    </message>
</context>
<context>
    <name>dialogs::zephlon::HelpPage</name>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frame::Bindings</name>
    <message>
        <source>Pad up</source>
        <translation>Croix haut</translation>
    </message>
    <message>
        <source>Pad down</source>
        <translation>Croix bas</translation>
    </message>
    <message>
        <source>Pad left</source>
        <translation>Croix gauche</translation>
    </message>
    <message>
        <source>Pad right</source>
        <translation>Croix droite</translation>
    </message>
    <message>
        <source>Left stick left</source>
        <translation>Stick gauche vers la gauche</translation>
    </message>
    <message>
        <source>Left stick right</source>
        <translation>Stick gauche vers la droite</translation>
    </message>
    <message>
        <source>Left stick up</source>
        <translation>Stick gauche vers le haut</translation>
    </message>
    <message>
        <source>Left stick down</source>
        <translation>Stick gauche vers le bas</translation>
    </message>
    <message>
        <source>Right stick left</source>
        <translation>Stick droit vers la gauche</translation>
    </message>
    <message>
        <source>Right stick right</source>
        <translation>Stick droit vers la droite</translation>
    </message>
    <message>
        <source>Right stick up</source>
        <translation>Stick droit vers le haut</translation>
    </message>
    <message>
        <source>Right stick down</source>
        <translation>Stick droit vers le bas</translation>
    </message>
    <message>
        <source>Pad %1</source>
        <extracomment>A pad button by the label printed on it: &quot;Pad A&quot;, &quot;Pad LB&quot;.</extracomment>
        <translation>Manette %1</translation>
    </message>
    <message>
        <source>This game has no such command.</source>
        <translation>Ce jeu n’a pas cette commande.</translation>
    </message>
    <message>
        <source>This key cannot be used.</source>
        <translation>Cette touche ne peut pas servir.</translation>
    </message>
    <message>
        <source>Escape cannot be used: it closes windows.</source>
        <translation>Échap ne peut pas servir : elle ferme les fenêtres.</translation>
    </message>
    <message>
        <source>%1 cannot be used: Alt opens the menus.</source>
        <translation>%1 ne peut pas servir : Alt ouvre les menus.</translation>
    </message>
    <message>
        <source>%1 cannot be used: it moves between controls.</source>
        <translation>%1 ne peut pas servir : elle passe d’un contrôle à l’autre.</translation>
    </message>
    <message>
        <source>%1 is already used for &quot;%2&quot;.</source>
        <translation>%1 sert déjà à « %2 ».</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Turn the pipes</source>
        <translation>Tourner les tuyaux</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Sink one row</source>
        <translation>Descendre d’une rangée</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Lâcher</translation>
    </message>
    <message>
        <source>Start, go on, resume</source>
        <translation>Commencer, continuer, reprendre</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause ou reprise</translation>
    </message>
    <message>
        <source>Replay the level</source>
        <translation>Rejouer le niveau</translation>
    </message>
    <message>
        <source>End the game</source>
        <translation>Finir la partie</translation>
    </message>
    <message>
        <source>Start again at the current level</source>
        <translation>Recommencer au niveau actuel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2 alone is already used for &quot;%3&quot;.</source>
        <translation>%1 ne peut pas servir : %2 seule sert déjà à « %3 ».</translation>
    </message>
    <message>
        <source>%1 cannot be used alone: %2 is already used for &quot;%3&quot;.</source>
        <translation>%1 ne peut pas servir seule : %2 sert déjà à « %3 ».</translation>
    </message>
</context>
<context>
    <name>frame::CommandLine</name>
    <message>
        <source>Line up pipe blocks so lasers burn them away.</source>
        <translation>Aligne des blocs de tuyaux pour que les lasers les brûlent.</translation>
    </message>
    <message>
        <source>Fit falling four-square pieces into full rows.</source>
        <translation>Assemble des pièces de quatre carrés en rangées complètes.</translation>
    </message>
    <message>
        <source>Fill rows with three-square pieces whose see-through parts mix colours.</source>
        <translation>Remplis des rangées avec des pièces de trois carrés dont les parties transparentes mélangent les couleurs.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>%1 is the command&apos;s name.</extracomment>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform or -style, are accepted too.</source>
        <translation>Les options propres à Qt, comme -platform ou -style, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>See also: man %1</source>
        <extracomment>%1 is the command&apos;s name, as in &quot;man zephlon&quot;.</extracomment>
        <translation>Voir aussi : man %1</translation>
    </message>
    <message>
        <source>Watch the recorded game in FILE.</source>
        <translation>Regarder la partie enregistrée dans FILE.</translation>
    </message>
    <message>
        <source>%1: --replay needs a file to play.</source>
        <translation>%1 : --replay a besoin d’un fichier à lire.</translation>
    </message>
</context>
<context>
    <name>frame::ControlsDialog</name>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Choose a command, then Change or Add, and press the new key or pad button. Escape cancels.</source>
        <translation>Choisis une commande, puis Changer ou Ajouter, et appuie sur la nouvelle touche ou le bouton de la manette. Échap annule.</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>C&amp;hanger</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>The game&apos;s own keys</source>
        <translation>Les touches propres au jeu</translation>
    </message>
    <message>
        <source>&amp;Modern</source>
        <translation>&amp;Moderne</translation>
    </message>
    <message>
        <source>The game&apos;s keys, and Space drops, P and Pause pause, F1 helps, F11 fills the screen; leaving the window pauses</source>
        <translation>Les touches du jeu, plus : Espace lâche, P et Pause mettent en pause, F1 ouvre l’aide, F11 remplit l’écran ; quitter la fenêtre met en pause</translation>
    </message>
    <message>
        <source>Colour-&amp;blind aid: a pattern on every colour</source>
        <translation>Aide aux &amp;daltoniens : un motif sur chaque couleur</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Set: Modern</source>
        <translation>Jeu de touches : moderne</translation>
    </message>
    <message>
        <source>Set: Classic</source>
        <translation>Jeu de touches : classique</translation>
    </message>
    <message>
        <source>Choose a command first.</source>
        <translation>Choisis d’abord une commande.</translation>
    </message>
    <message>
        <source>Press the new key or pad button for &quot;%1&quot; (Escape cancels).</source>
        <translation>Appuie sur la nouvelle touche ou le bouton de la manette pour « %1 » (Échap annule).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now answers to %2.</source>
        <translation>« %1 » répond maintenant à %2.</translation>
    </message>
    <message>
        <source>Nothing changed.</source>
        <translation>Rien n’a changé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no pad button now.</source>
        <translation>« %1 » n’a plus de bouton de manette.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no key now.</source>
        <translation>« %1 » n’a plus de touche.</translation>
    </message>
    <message>
        <source>The game&apos;s own keys.</source>
        <translation>Les touches propres au jeu.</translation>
    </message>
    <message>
        <source>The game&apos;s keys with today&apos;s additions.</source>
        <translation>Les touches du jeu avec les ajouts d’aujourd’hui.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frame::GameRecording</name>
    <message>
        <source>list</source>
        <translation>liste</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
    <message>
        <source>start level</source>
        <translation>niveau de départ</translation>
    </message>
    <message>
        <source>end level</source>
        <translation>niveau final</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>The replay is truncated.</source>
        <translation>Le replay est tronqué.</translation>
    </message>
    <message>
        <source>This is not a replay file.</source>
        <translation>Ce n&apos;est pas un fichier de replay.</translation>
    </message>
    <message>
        <source>The replay was made by a newer version of the game.</source>
        <translation>Le replay a été créé par une version plus récente du jeu.</translation>
    </message>
    <message>
        <source>The replay is of another game.</source>
        <translation>Le replay est celui d&apos;un autre jeu.</translation>
    </message>
    <message>
        <source>The replay was made under other rules of the game.</source>
        <translation>Le replay a été créé selon d&apos;autres règles du jeu.</translation>
    </message>
    <message>
        <source>The replay holds an input the game does not know.</source>
        <translation>Le replay contient une action que le jeu ne connaît pas.</translation>
    </message>
    <message>
        <source>The replay is too large.</source>
        <translation>Le replay est trop volumineux.</translation>
    </message>
    <message>
        <source>The replay is too long.</source>
        <translation>Le replay est trop long.</translation>
    </message>
    <message>
        <source>The replay holds too many inputs.</source>
        <translation>Le replay contient trop d&apos;actions.</translation>
    </message>
    <message>
        <source>The replay is damaged.</source>
        <translation>Le replay est endommagé.</translation>
    </message>
    <message>
        <source>The replayed game does not end as recorded.</source>
        <translation>La partie rejouée ne se termine pas comme enregistré.</translation>
    </message>
    <message>
        <source>The replayed game ends with another record than the one claimed.</source>
        <translation>La partie rejouée se termine par un autre résultat que celui annoncé.</translation>
    </message>
    <message>
        <source>(%1 bytes, at most %2)</source>
        <translation>(%1 octets, au plus %2)</translation>
    </message>
    <message>
        <source>(%1 ticks, at most %2)</source>
        <translation>(%1 tops, au plus %2)</translation>
    </message>
    <message>
        <source>(kind %1)</source>
        <translation>(type %1)</translation>
    </message>
    <message>
        <source>(%1: %2 played, %3 claimed)</source>
        <translation>(%1 : %2 joué, %3 annoncé)</translation>
    </message>
    <message>
        <source>(an answer is missing)</source>
        <translation>(une réponse manque)</translation>
    </message>
    <message>
        <source>(settings)</source>
        <translation>(réglages)</translation>
    </message>
    <message>
        <source>(start level)</source>
        <translation>(niveau de départ)</translation>
    </message>
    <message>
        <source>(an answer without a question)</source>
        <translation>(une réponse sans question)</translation>
    </message>
    <message>
        <source>(an input out of its range)</source>
        <translation>(une action hors de sa plage)</translation>
    </message>
    <message>
        <source>(inputs after the game&apos;s end)</source>
        <translation>(des actions après la fin de la partie)</translation>
    </message>
</context>
<context>
    <name>frame::GameSession</name>
    <message>
        <source>The options and new high scores of this game are not saved.</source>
        <translation>Les options et les nouveaux meilleurs scores de cette partie ne sont pas enregistrés.</translation>
    </message>
</context>
<context>
    <name>frame::SettingsStore</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason.</extracomment>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>another copy of the game is saving to the same folder and has not finished</source>
        <translation>une autre copie du jeu enregistre dans le même dossier et n’a pas terminé</translation>
    </message>
    <message>
        <source>the file is larger than the 4 MB the game reads, so it is left as it is and nothing in it is lost</source>
        <translation>le fichier dépasse les 4 Mo que le jeu lit ; il est donc laissé tel quel et rien de son contenu n’est perdu</translation>
    </message>
    <message>
        <source>the file would grow beyond the 4 MB the game reads, so it is left as it is</source>
        <translation>le fichier dépasserait les 4 Mo que le jeu lit ; il est donc laissé tel quel</translation>
    </message>
</context>
<context>
    <name>frame::WatchSession</name>
    <message>
        <source>The replay %1 cannot be watched:
%2</source>
        <extracomment>%1 is the replay file, %2 the reason it cannot be played.</extracomment>
        <translation>Le replay %1 ne peut pas être regardé :
%2</translation>
    </message>
    <message>
        <source>Watching a replay</source>
        <translation>Lecture d’un replay</translation>
    </message>
    <message>
        <source>Watching the replay of %1</source>
        <extracomment>%1 is the name of the player whose recorded game is shown.</extracomment>
        <translation>Lecture du replay de %1</translation>
    </message>
    <message>
        <source>The replay stopped: %1</source>
        <extracomment>%1 says why a recorded game could not be played to its end.</extracomment>
        <translation>Le replay s’est arrêté : %1</translation>
    </message>
    <message>
        <source>Esc: back to the game</source>
        <translation>Échap : retour au jeu</translation>
    </message>
    <message>
        <source>Replay ended with %1 points</source>
        <extracomment>%1 is the final score of the watched game.</extracomment>
        <translation>Fin du replay : %1 points</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Speed %1x</source>
        <extracomment>The pace of the watched game, 1x, 2x or 4x the recorded one.</extracomment>
        <translation>Vitesse %1x</translation>
    </message>
    <message>
        <source>P: pause, 1/2/4: speed, Esc: stop</source>
        <translation>P : pause, 1/2/4 : vitesse, Échap : arrêt</translation>
    </message>
</context>
<context>
    <name>frame::WindowControls</name>
    <message>
        <source>&amp;Controls...</source>
        <translation>&amp;Commandes...</translation>
    </message>
</context>
<context>
    <name>quadrelle::Engine</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>quadrelle::FormPlunko</name>
    <message>
        <source>&amp;1 - Baby</source>
        <translation>&amp;1 - Bébé</translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation>&amp;2 - P’tit bout</translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation>&amp;3 - Grand gamin</translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation>&amp;4 - Fastoche</translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation>&amp;5 - Même pas peur</translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation>&amp;6 - Je suis trop fort</translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation>&amp;7 - La folie approche</translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation>&amp;8 - Et alors ?</translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation>&amp;9 - Folie</translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation>10 - &amp;Asile</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>A game by </source>
        <translation>Un jeu de </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>&amp;Niveau de départ</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;AutoUpload</source>
        <translation>Envoi &amp;automatique</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Local Highscores...</source>
        <translation>Meilleurs scores &amp;locaux...</translation>
    </message>
    <message>
        <source>&amp;Clear Highscores</source>
        <translation>&amp;Effacer les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Upload Highscores...</source>
        <translation>&amp;Envoyer les meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Global Highscores...</source>
        <translation>Meilleurs scores &amp;mondiaux...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d’emploi</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>Veux-tu vraiment commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>Well</source>
        <translation>Puits</translation>
    </message>
    <message>
        <source>The well, 10 squares wide and 20 deep, where the pieces fall</source>
        <translation>Le puits, 10 cases de large et 20 de profondeur, où tombent les pièces</translation>
    </message>
    <message>
        <source>Next piece</source>
        <translation>Pièce suivante</translation>
    </message>
    <message>
        <source>The piece that falls after the current one</source>
        <translation>La pièce qui tombera après celle-ci</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Score, level, erased rows and high score</source>
        <translation>Score, niveau, rangées effacées et meilleur score</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nouveau meilleur score : %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Rows erased: %1</source>
        <extracomment>Told to a screen reader when full rows vanish; %1 is how many.</extracomment>
        <translation>Rangées effacées : %1</translation>
    </message>
</context>
<context>
    <name>scores::FormTopTen</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Start Level</source>
        <translation>Niv. départ</translation>
    </message>
    <message>
        <source>End Level</source>
        <translation>Niv. final</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Puzzle Game TOP 10</source>
        <translation>Partie puzzle TOP 10</translation>
    </message>
    <message>
        <source>Original Game TOP 10</source>
        <translation>Partie originale TOP 10</translation>
    </message>
    <message>
        <source>Local Highscores</source>
        <translation>Meilleurs scores locaux</translation>
    </message>
    <message>
        <source>Quadrelle - Local Highscores</source>
        <translation>Quadrelle – Meilleurs scores locaux</translation>
    </message>
    <message>
        <source>Vantorel - Top10</source>
        <translation>Vantorel – Top 10</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <extracomment>Plays the chosen record&apos;s recorded game in the main window.</extracomment>
        <translation>&amp;Regarder</translation>
    </message>
</context>
<context>
    <name>scores::HighScores</name>
    <message>
        <source>Are you sure you want to clear the local highscore list?</source>
        <translation>Veux-tu vraiment effacer la liste locale des meilleurs scores ?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the high score list?</source>
        <translation>Veux-tu vraiment effacer la liste des meilleurs scores ?</translation>
    </message>
    <message>
        <source>This record has no replay to watch.</source>
        <translation>Ce record n’a pas de replay à regarder.</translation>
    </message>
</context>
<context>
    <name>scores::ReplayFiles</name>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>vantorel::FormPlunko</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Start &amp;Level</source>
        <translation>&amp;Niveau de départ</translation>
    </message>
    <message>
        <source>&amp;1 - Baby</source>
        <translation>&amp;1 - Bébé</translation>
    </message>
    <message>
        <source>&amp;2 - Little fella</source>
        <translation>&amp;2 - P’tit bout</translation>
    </message>
    <message>
        <source>&amp;3 - Big child</source>
        <translation>&amp;3 - Grand gamin</translation>
    </message>
    <message>
        <source>&amp;4 - It&apos;s easy</source>
        <translation>&amp;4 - Fastoche</translation>
    </message>
    <message>
        <source>&amp;5 - Never mind</source>
        <translation>&amp;5 - Même pas peur</translation>
    </message>
    <message>
        <source>&amp;6 - I&apos;m powerful</source>
        <translation>&amp;6 - Je suis trop fort</translation>
    </message>
    <message>
        <source>&amp;7 - Insanity coming</source>
        <translation>&amp;7 - La folie approche</translation>
    </message>
    <message>
        <source>&amp;8 - So what?</source>
        <translation>&amp;8 - Et alors ?</translation>
    </message>
    <message>
        <source>&amp;9 - Madness</source>
        <translation>&amp;9 - Folie</translation>
    </message>
    <message>
        <source>10 - &amp;Sanitarium</source>
        <translation>10 - &amp;Asile</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Highscores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Top10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;Upload Highscore</source>
        <translation>&amp;Envoyer mon meilleur score</translation>
    </message>
    <message>
        <source>&amp;Global Top100</source>
        <translation>Top 100 &amp;mondial</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Mode d’emploi</translation>
    </message>
    <message>
        <source>Pit</source>
        <translation>Puits</translation>
    </message>
    <message>
        <source>The pit, 8 squares wide and 18 deep, where the pieces fall</source>
        <translation>Le puits, 8 cases de large et 18 de profondeur, où tombent les pièces</translation>
    </message>
    <message>
        <source>Next piece and status</source>
        <translation>Pièce suivante et état</translation>
    </message>
    <message>
        <source>The piece that falls after the current one, score, level, erased rows and high score</source>
        <translation>La pièce qui tombera après celle-ci, le score, le niveau, les rangées effacées et le meilleur score</translation>
    </message>
    <message>
        <source>High score</source>
        <extracomment>The best score of the list, as a screen reader names it.</extracomment>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Rows erased: %1</source>
        <extracomment>Told to a screen reader when full rows vanish; %1 is how many.</extracomment>
        <translation>Rangées effacées : %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>New high score: %1</source>
        <translation>Nouveau meilleur score : %1</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game</source>
        <translation>Veux-tu vraiment commencer une nouvelle partie ?</translation>
    </message>
</context>
<context>
    <name>vantorel::Game</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>web::FormBrError</name>
    <message>
        <source>Web browser error</source>
        <translation>Erreur du navigateur Web</translation>
    </message>
    <message>
        <source>Could not launch the web browser.</source>
        <translation>Impossible de lancer le navigateur Web.</translation>
    </message>
    <message>
        <source>SOLUTION 1</source>
        <translation>SOLUTION 1</translation>
    </message>
    <message>
        <source>1. Start the web browser (from the start menu)</source>
        <translation>1. Lance le navigateur Web (depuis le menu de démarrage)</translation>
    </message>
    <message>
        <source>2. Return to the game (Press &quot;Close&quot;) and try again</source>
        <translation>2. Reviens au jeu (bouton « Fermer ») et réessaie</translation>
    </message>
    <message>
        <source>ALTERNATIVE SOLUTION (IF SOLUTION 1 FAILED)</source>
        <translation>AUTRE SOLUTION (SI LA SOLUTION 1 A ÉCHOUÉ)</translation>
    </message>
    <message>
        <source>1. Copy the link below onto the clipboard</source>
        <translation>1. Copie le lien ci-dessous dans le presse-papiers</translation>
    </message>
    <message>
        <source>2. Start the web browser (from the start menu)</source>
        <translation>2. Lance le navigateur Web (depuis le menu de démarrage)</translation>
    </message>
    <message>
        <source>3. Paste the copied text into the adress (url) field in the web browser</source>
        <translation>3. Colle le texte copié dans la barre d’adresse (URL) du navigateur</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>web::FormURL</name>
    <message>
        <source>Don&apos;t show this next time</source>
        <translation>Ne plus afficher la prochaine fois</translation>
    </message>
</context>
<context>
    <name>web::QuadrelleWeb</name>
    <message>
        <source>Please install Internet Explorer 4!
Quadrelle shows the global lists with Qt WebEngine, free from https://www.qt.io/download (Debian: libqt6webenginewidgets6 and libqt6webenginecore6-bin), through its browser plugin quadrelle-webengine.so, built with the game when qt6-webengine-dev is installed.</source>
        <translation>Installe Internet Explorer 4 !
Quadrelle affiche les classements mondiaux avec Qt WebEngine, gratuit sur https://www.qt.io/download (Debian : libqt6webenginewidgets6 et libqt6webenginecore6-bin), grâce à son module de navigateur quadrelle-webengine.so, compilé avec le jeu quand qt6-webengine-dev est installé.</translation>
    </message>
    <message>
        <source>Your score could not be uploaded: the score server did not answer.
It stays in your list here; try again later with &quot;Upload Highscores...&quot;.</source>
        <translation>Ton score n’a pas pu être envoyé : le serveur de scores n’a pas répondu.
Il reste ici dans ta liste ; réessaie plus tard avec « Envoyer les meilleurs scores... ».</translation>
    </message>
    <message>
        <source>The score server refused your upload (HTTP status %1).
Your score stays in your list here; try again in %2 s with &quot;Upload Highscores...&quot;.</source>
        <translation>Le serveur de scores a refusé ton envoi (statut HTTP %1).
Ton score reste ici dans ta liste ; réessaie dans %2 s avec « Envoyer les meilleurs scores... ».</translation>
    </message>
    <message>
        <source>The score server refused your upload (HTTP status %1).
Your score stays in your list here; try again later with &quot;Upload Highscores...&quot;.</source>
        <translation>Le serveur de scores a refusé ton envoi (statut HTTP %1).
Ton score reste ici dans ta liste ; réessaie plus tard avec « Envoyer les meilleurs scores... ».</translation>
    </message>
</context>
<context>
    <name>web::ScoreServer</name>
    <message>
        <source>Type a web address under Options &gt; Score Server...</source>
        <translation>Saisissez une adresse web dans Options &gt; Serveur de scores...</translation>
    </message>
    <message>
        <source>Type a web address into the &quot;Score Server:&quot; field of the global highscores window and press &quot;Go&quot;.</source>
        <translation>Saisissez une adresse web dans le champ « Serveur de scores : » de la fenêtre des meilleurs scores mondiaux, puis appuyez sur « Aller ».</translation>
    </message>
    <message>
        <source>With the game closed, set the WebServer key in the [Options] section of %1 to a web address.</source>
        <translation>Jeu fermé, donnez pour valeur une adresse web à la clé WebServer de la section [Options] de %1.</translation>
    </message>
    <message>
        <source>The score server &quot;%1&quot; cannot be used: a score server is a web address (http or https), such as scores.example.org/arcade.</source>
        <translation>Le serveur de scores « %1 » ne peut pas être utilisé : un serveur de scores est une adresse web (http ou https), par exemple scores.example.org/arcade.</translation>
    </message>
</context>
<context>
    <name>web::UrlPrompt</name>
    <message>
        <source>Upload Highscores</source>
        <translation>Envoyer les meilleurs scores</translation>
    </message>
    <message>
        <source>Upload Top 3</source>
        <translation>Envoyer le top 3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Upload Hiscore</source>
        <translation>Envoyer le score</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Upload Hiscores</source>
        <translation>Envoyer les scores</translation>
    </message>
    <message>
        <source>Upload NOW</source>
        <translation>Envoyer MAINTENANT</translation>
    </message>
    <message>
        <source>Upload LATER</source>
        <translation>Envoyer PLUS TARD</translation>
    </message>
    <message>
        <source>Upload Highscore</source>
        <translation>Envoyer le meilleur score</translation>
    </message>
    <message>
        <source>Please enter your URL or email !</source>
        <translation>Saisis ton adresse Web ou ton courriel !</translation>
    </message>
    <message>
        <source>Make sure you are connected to the Internet!</source>
        <translation>Vérifie que tu es connecté à Internet !</translation>
    </message>
    <message>
        <source>%1, please enter your URL or email !</source>
        <translation>%1, saisis ton adresse Web ou ton courriel !</translation>
    </message>
    <message>
        <source>Our score server shows only a web page address (http or https) with your scores, never an e-mail address.</source>
        <translation>Notre serveur de scores n’affiche à côté de tes scores qu’une adresse de page web (http ou https), jamais une adresse e-mail.</translation>
    </message>
</context>
<context>
    <name>web::quadrelle::FormWebHighscore</name>
    <message>
        <source>Quadrelle - Global Highscores</source>
        <translation>Quadrelle – Meilleurs scores mondiaux</translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation>Serveur de scores :</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Today&apos;s</source>
        <translation>Du jour</translation>
    </message>
    <message>
        <source>This week&apos;s</source>
        <translation>De la semaine</translation>
    </message>
    <message>
        <source>This month&apos;s</source>
        <translation>Du mois</translation>
    </message>
    <message>
        <source>All time&apos;s</source>
        <translation>De tous les temps</translation>
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
        <translation>Vérifie que tu es connecté à Internet. Tu trouveras des serveurs de scores en service sur notre site !</translation>
    </message>
</context>
<context>
    <name>web::zephlon::FormWebHighscore</name>
    <message>
        <source>Score Server</source>
        <translation>Serveur de scores</translation>
    </message>
    <message>
        <source>Score Server:</source>
        <translation>Serveur de scores :</translation>
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
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Click Mouse</source>
        <extracomment>The last line of a level message: what goes on to the next level.</extracomment>
        <translation>Clique</translation>
    </message>
    <message>
        <source>Press Enter</source>
        <translation>Appuie sur Entrée</translation>
    </message>
    <message>
        <source>Click Mouse to Start</source>
        <translation>Clique pour commencer</translation>
    </message>
    <message>
        <source>Press Enter to Start</source>
        <translation>Entrée pour commencer</translation>
    </message>
    <message>
        <source>Level %1</source>
        <extracomment>The first line of the message before a level; %1 is the level&apos;s number.</extracomment>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Remove the blinking block</source>
        <translation>Détruis le bloc clignotant</translation>
    </message>
    <message>
        <source>Level Completed</source>
        <translation>Niveau terminé</translation>
    </message>
</context>
</TS>
