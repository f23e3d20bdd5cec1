<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation>Reprendre le dernier match&#xa0;?</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1). It is kept as %2, and this game is saved anew.</source>
        <translation>Le journal du dernier match n&apos;a pas pu être lu (%1). Il est conservé sous %2, et ce match est enregistré à nouveau.</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1) and is left as it is, at %2. This game will not be saved.</source>
        <translation>Le journal du dernier match n&apos;a pas pu être lu (%1) et reste tel quel, dans %2. Ce match ne sera pas enregistré.</translation>
    </message>
    <message>
        <source>The game is being saved again.</source>
        <translation>Le match est de nouveau enregistré.</translation>
    </message>
    <message>
        <source>The game is not being saved (%1). Varnelo goes on trying; the board goes on as it is.</source>
        <translation>Le match n&apos;est pas enregistré (%1). Varnelo continue d&apos;essayer&#xa0;; le tableau continue comme avant.</translation>
    </message>
</context>
<context>
    <name>BoardDesign</name>
    <message>
        <source>HOME</source>
        <translation>LOCAUX</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>VISITEURS</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PÉR.</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation>TIRS</translation>
    </message>
    <message>
        <source>C/K</source>
        <translation>CR.</translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation>ARR.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Chronomètre du match</translation>
    </message>
    <message>
        <source>score</source>
        <translation>score</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <comment>spoken by a screen reader</comment>
        <translation>période</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <comment>spoken by a screen reader</comment>
        <translation>tirs</translation>
    </message>
    <message>
        <source>C/K</source>
        <comment>spoken by a screen reader</comment>
        <translation>corners</translation>
    </message>
    <message>
        <source>SAVES</source>
        <comment>spoken by a screen reader</comment>
        <translation>arrêts</translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rouge %1, vert %2, bleu %3</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Locaux&#xa0;:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Arrière-plan&#xa0;:</translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation>LED&#xa0;:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Visiteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Fond des LED&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation>Modifier la couleur %1</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Voulez-vous vraiment rétablir les couleurs par défaut&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ConsolePreview</name>
    <message>
        <source>The board as the audience sees it</source>
        <translation>Le tableau tel que le public le voit</translation>
    </message>
</context>
<context>
    <name>ConsoleSwitch</name>
    <message>
        <source>Operator console</source>
        <translation>Console de l’opérateur</translation>
    </message>
</context>
<context>
    <name>DefaultSettings</name>
    <message>
        <source>Home</source>
        <translation>Locaux</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Visiteurs</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>[No File Selected]</source>
        <translation>[Aucun fichier sélectionné]</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Marche / Arrêt&#xa0;:</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>démarrer / arrêter le chrono</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Réinitialiser&#xa0;:</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>réinitialiser le chrono</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Sirène&#xa0;:</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>faire retentir la sirène</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation>Modifier la touche %1</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Son de la sirène</translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation>Changer le son de la sirène</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation>&amp;Marquer le nombre actif (F7)</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation>Sons *.wav (*.wav)</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Voulez-vous vraiment rétablir les touches par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>Next Phase Key:</source>
        <translation>Phase suivante&#xa0;:</translation>
    </message>
    <message>
        <source>end the phase and start the next</source>
        <translation>terminer la phase et passer à la suivante</translation>
    </message>
    <message>
        <source>Added Time Key:</source>
        <translation>Arrêts de jeu&#xa0;:</translation>
    </message>
    <message>
        <source>announce added time</source>
        <translation>annoncer le temps additionnel</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <extracomment>The first choice: whatever language the desktop uses; %1 names it (&quot;Deutsch&quot;).</extracomment>
        <translation>Système (%1)</translation>
    </message>
    <message>
        <source>The new language is shown from the next start of Varnelo.</source>
        <translation>La nouvelle langue sera affichée au prochain démarrage de Varnelo.</translation>
    </message>
</context>
<context>
    <name>MatchDisplay</name>
    <message>
        <source>HALF-TIME</source>
        <translation>MI-TEMPS</translation>
    </message>
    <message>
        <source>EXTRA TIME</source>
        <translation>PROLONGATION</translation>
    </message>
    <message>
        <source>ET HALF-TIME</source>
        <translation>MI-TEMPS PROLONGATION</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>TIRS AU BUT</translation>
    </message>
    <message>
        <source>FULL TIME</source>
        <translation>FIN DU MATCH</translation>
    </message>
</context>
<context>
    <name>MatchPresets</name>
    <message>
        <source>Adult 2 × 45</source>
        <translation>Adultes 2 × 45</translation>
    </message>
    <message>
        <source>Cup 2 × 45, extra time, penalties</source>
        <translation>Coupe 2 × 45, prolongation, tirs au but</translation>
    </message>
    <message>
        <source>Youth 2 × 40</source>
        <translation>Jeunes 2 × 40</translation>
    </message>
    <message>
        <source>Youth 2 × 35</source>
        <translation>Jeunes 2 × 35</translation>
    </message>
    <message>
        <source>Youth 2 × 30</source>
        <translation>Jeunes 2 × 30</translation>
    </message>
    <message>
        <source>Youth 2 × 25</source>
        <translation>Jeunes 2 × 25</translation>
    </message>
    <message>
        <source>Futsal-style 2 × 20, counting down</source>
        <translation>Façon futsal 2 × 20, décompté</translation>
    </message>
</context>
<context>
    <name>MatchReport</name>
    <message>
        <source>en_GB</source>
        <extracomment>The locale the report&apos;s date is written in: this language&apos;s own.</extracomment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Avant le coup d&apos;envoi</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Première mi-temps</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Mi-temps</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Seconde mi-temps</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prolongation, 1re période</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Prolongation, pause</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prolongation, 2e période</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Tirs au but</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fin du match</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Carton jaune</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>The second yellow card to a player, which sends him or her off.</extracomment>
        <translation>Second jaune</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Carton rouge</translation>
    </message>
    <message>
        <source>Match report</source>
        <extracomment>The match report&apos;s title when the board has no title text.</extracomment>
        <translation>Rapport du match</translation>
    </message>
    <message>
        <source>%1, kick-off %2</source>
        <extracomment>%1 is the date, %2 the time of the kick-off.</extracomment>
        <translation>%1, coup d&apos;envoi %2</translation>
    </message>
    <message>
        <source>Half-time %1</source>
        <translation>Mi-temps %1</translation>
    </message>
    <message>
        <source>after 90 minutes %1</source>
        <translation>après 90 minutes %1</translation>
    </message>
    <message>
        <source>after 120 minutes %1</source>
        <translation>après 120 minutes %1</translation>
    </message>
    <message>
        <source>penalties %1</source>
        <translation>tirs au but %1</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Buts</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Buteur</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartons</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carton</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Séance de tirs au but</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Réussis</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Arrêts</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>+%1 / %2:%3</source>
        <extracomment>Added time: %1 minutes announced, %2 (minutes:seconds) played.</extracomment>
        <translation>+%1 / %2:%3</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Match clock</source>
        <translation>Chrono du match</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Temps additionnel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>MatchReportFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON data (*.json)</source>
        <translation>Données JSON (*.json)</translation>
    </message>
    <message>
        <source>The match report is saved as a PDF, CSV or JSON file: give the file name the suffix .pdf, .csv or .json.</source>
        <translation>Le rapport du match est enregistré en fichier PDF, CSV ou JSON&#xa0;: donnez au nom du fichier l’extension .pdf, .csv ou .json.</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1 (%2). The match goes on as it is; try another folder.</source>
        <translation>Le rapport du match n’a pas pu être enregistré dans %1 (%2). Le match continue tel quel&#xa0;; essayez un autre dossier.</translation>
    </message>
    <message>
        <source>Match report</source>
        <translation>Rapport du match</translation>
    </message>
    <message>
        <source>Full time. Save the match report now?</source>
        <translation>Fin du match. Enregistrer le rapport du match maintenant&#xa0;?</translation>
    </message>
</context>
<context>
    <name>MatchTab</name>
    <message>
        <source>&amp;Preset:</source>
        <translation>Mo&amp;dèle&#xa0;:</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The preset list&apos;s entry while the fields hold no preset&apos;s format.</extracomment>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>Clock counts &amp;down each half (the board&apos;s way)</source>
        <translation>Chrono décompté à chaque mi-temps (comme a&amp;vant)</translation>
    </message>
    <message>
        <source>Clock counts &amp;up through the match (soccer)</source>
        <translation>Chrono &amp;croissant sur tout le match (football)</translation>
    </message>
    <message>
        <source>&amp;Half (minutes):</source>
        <translation>Durée d&apos;une m&amp;i-temps (minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>Half-time &amp;break (minutes):</source>
        <translation>Pau&amp;se à la mi-temps (minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Extra time, each half (minutes):</source>
        <translation>Prolo&amp;ngation, par période (minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Shown in the extra time box at 0.</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Pe&amp;nalties if still level</source>
        <translation>Tirs au &amp;but en cas d&apos;égalité</translation>
    </message>
    <message>
        <source>Team &amp;Sheets…</source>
        <translation>Com&amp;positions…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report…</source>
        <translation>Enre&amp;gistrer…</translation>
    </message>
    <message>
        <source>Save match report</source>
        <translation>Enregistrer le rapport du match</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print match report</source>
        <translation>Imprimer le rapport du match</translation>
    </message>
</context>
<context>
    <name>OverlayDialog</name>
    <message>
        <source>Overlay for Streams</source>
        <translation>Overlay pour les flux</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay pour les flux</translation>
    </message>
    <message>
        <source>Add each page to the streaming program as a browser source. The pages read the board; they cannot change it.</source>
        <translation>Ajoutez chaque page au logiciel de diffusion comme source navigateur. Les pages lisent le tableau&#xa0;; elles ne peuvent pas le modifier.</translation>
    </message>
    <message>
        <source>Overlay token:</source>
        <translation>Jeton de l&apos;overlay&#xa0;:</translation>
    </message>
    <message>
        <source>New Overlay Token</source>
        <translation>Nouveau jeton</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages&#xa0;:</translation>
    </message>
    <message>
        <source>Addresses of the overlay pages</source>
        <translation>Adresses des pages de l&apos;overlay</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(créé à l&apos;activation)</translation>
    </message>
</context>
<context>
    <name>OverlayKeys</name>
    <message>
        <source>Show or hide the score bug on the stream</source>
        <translation>Afficher ou masquer le score dans le flux</translation>
    </message>
    <message>
        <source>Show or hide the statistics on the stream</source>
        <translation>Afficher ou masquer les statistiques dans le flux</translation>
    </message>
    <message>
        <source>Show or hide the shoot-out on the stream</source>
        <translation>Afficher ou masquer la séance de tirs au but dans le flux</translation>
    </message>
    <message>
        <source>Show or hide the whole board on the stream</source>
        <translation>Afficher ou masquer tout le tableau dans le flux</translation>
    </message>
    <message>
        <source>Show the latest goal on the stream again</source>
        <translation>Montrer à nouveau le dernier but dans le flux</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Varnelo Remote</source>
        <translation>Télécommande Varnelo</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Code de liaison</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Associer</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconnexion…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Marche / Arrêt</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirène</translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation>Régler le chronomètre</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Arrêts</translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation>%1 moins un</translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation>%1 plus un</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Saisir %1</translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation>code erroné</translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation>trop de codes erronés</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>commande inconnue</translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation>compteur inconnu</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>hors limites</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation>les minutes et les secondes sont des nombres entiers de 0 à 59</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue&apos;s language (de, fr, ...), for the remote page&apos;s lang attribute.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Avant le coup d&apos;envoi</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Première mi-temps</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Mi-temps</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Seconde mi-temps</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prolongation, 1re période</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Prolongation, pause</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prolongation, 2e période</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Tirs au but</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fin du match</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>On the button that changes the match&apos;s phase; %1 is the phase it goes to.</extracomment>
        <translation>Suivant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next phase</source>
        <translation>Phase suivante</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Added time</source>
        <extracomment>The stoppage time the fourth official announces (&quot;+3&quot;).</extracomment>
        <translation>Temps additionnel</translation>
    </message>
    <message>
        <source>One minute less</source>
        <translation>Une minute de moins</translation>
    </message>
    <message>
        <source>One minute more</source>
        <translation>Une minute de plus</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Annoncer</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <extracomment>The penalty shoot-out.</extracomment>
        <translation>Tirs au but</translation>
    </message>
    <message>
        <source>Scored</source>
        <extracomment>A penalty kick that went in.</extracomment>
        <translation>Marqué</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>%1 of %2 kicks scored</source>
        <translation>%1 tirs réussis sur %2</translation>
    </message>
    <message>
        <source>the clock takes whole minutes and seconds from 0:00 to 120:00</source>
        <translation>l&apos;horloge accepte des minutes et des secondes entières de 0:00 à 120:00</translation>
    </message>
    <message>
        <source>minutes is a whole number from 0 to 30</source>
        <translation>les minutes sont un nombre entier de 0 à 30</translation>
    </message>
    <message>
        <source>added time is announced only in a playing half</source>
        <translation>le temps additionnel ne s&apos;annonce que pendant une période de jeu</translation>
    </message>
    <message>
        <source>the match is in that phase already</source>
        <translation>le match est déjà dans cette phase</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>le match est terminé</translation>
    </message>
    <message>
        <source>the phase cannot change now</source>
        <translation>la phase ne peut pas changer maintenant</translation>
    </message>
    <message>
        <source>penalties are taken only in the shoot-out</source>
        <translation>les tirs au but ne se tirent que pendant la séance</translation>
    </message>
    <message>
        <source>it is not that team&apos;s kick</source>
        <translation>ce n&apos;est pas au tour de cette équipe</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Carton jaune</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Carton rouge</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>A player&apos;s second yellow card in a match, which sends them off.</extracomment>
        <translation>Second jaune</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>The match&apos;s goals and cards, listed.</extracomment>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Scorer</source>
        <extracomment>Who scored a goal; on a button that asks for the scorer&apos;s shirt number.</extracomment>
        <translation>Buteur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Delete digit</source>
        <translation>Effacer le chiffre</translation>
    </message>
    <message>
        <source>%1 sent off</source>
        <extracomment>Read out beside a team&apos;s name: the number of its players sent off.</extracomment>
        <translation>%1 expulsés</translation>
    </message>
    <message>
        <source>team is &quot;home&quot; or &quot;visitor&quot;</source>
        <translation>team vaut «&#xa0;home&#xa0;» ou «&#xa0;visitor&#xa0;»</translation>
    </message>
    <message>
        <source>colour is &quot;yellow&quot; or &quot;red&quot;</source>
        <translation>colour vaut «&#xa0;yellow&#xa0;» ou «&#xa0;red&#xa0;»</translation>
    </message>
    <message>
        <source>player is a shirt number of up to 3 digits</source>
        <translation>player est un numéro de maillot de 3 chiffres au plus</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>événement inconnu</translation>
    </message>
    <message>
        <source>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; or &quot;red&quot;</source>
        <translation>kind vaut «&#xa0;goal&#xa0;», «&#xa0;yellow&#xa0;», «&#xa0;secondYellow&#xa0;» ou «&#xa0;red&#xa0;»</translation>
    </message>
    <message>
        <source>minute is written like 23&apos; or 45+2&apos;</source>
        <translation>la minute s&apos;écrit comme 23&apos; ou 45+2&apos;</translation>
    </message>
    <message>
        <source>name is a text of up to 60 characters without control characters</source>
        <translation>le nom est un texte de 60 caractères au plus, sans caractères de contrôle</translation>
    </message>
    <message>
        <source>editEvent takes kind, team, minute, player or name</source>
        <translation>editEvent prend kind, team, minute, player ou name</translation>
    </message>
    <message>
        <source>the card cannot be given now</source>
        <translation>le carton ne peut pas être donné maintenant</translation>
    </message>
    <message>
        <source>the event cannot take that change</source>
        <translation>l&apos;événement ne peut pas être modifié ainsi</translation>
    </message>
    <message>
        <source>the event cannot be removed now</source>
        <translation>l&apos;événement ne peut pas être retiré maintenant</translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options: press &quot;o&quot; on the board, then the &quot;Remote Control&quot; button.</source>
        <extracomment>&quot;Remote Control&quot; is the caption of the options&apos; button that opens the pairing code.</extracomment>
        <translation>Saisissez le code de liaison affiché dans les options du tableau&#xa0;: appuyez sur «&#xa0;o&#xa0;» sur le tableau, puis sur le bouton «&#xa0;Télécommande&#xa0;».</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>On the number pad: empties what was typed.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>the score goes up to 99</source>
        <translation>le score va jusqu’à 99</translation>
    </message>
    <message>
        <source>the score does not go below 0</source>
        <translation>le score ne descend pas sous 0</translation>
    </message>
    <message>
        <source>the period goes up to 4</source>
        <translation>la période va jusqu’à 4</translation>
    </message>
    <message>
        <source>the period does not go below 1</source>
        <translation>la période ne descend pas sous 1</translation>
    </message>
    <message>
        <source>shots go up to 99</source>
        <translation>les tirs vont jusqu’à 99</translation>
    </message>
    <message>
        <source>shots do not go below 0</source>
        <translation>les tirs ne descendent pas sous 0</translation>
    </message>
    <message>
        <source>corner kicks go up to 9</source>
        <translation>les corners vont jusqu’à 9</translation>
    </message>
    <message>
        <source>corner kicks go up to 99</source>
        <translation>les corners vont jusqu’à 99</translation>
    </message>
    <message>
        <source>corner kicks do not go below 0</source>
        <translation>les corners ne descendent pas sous 0</translation>
    </message>
    <message>
        <source>saves go up to 99</source>
        <translation>les arrêts vont jusqu’à 99</translation>
    </message>
    <message>
        <source>saves do not go below 0</source>
        <translation>les arrêts ne descendent pas sous 0</translation>
    </message>
    <message>
        <source>unknown panel</source>
        <translation>panneau inconnu</translation>
    </message>
    <message>
        <source>visible is true or false</source>
        <translation>visible vaut true ou false</translation>
    </message>
    <message>
        <source>there is no goal to show</source>
        <translation>aucun but à montrer</translation>
    </message>
    <message>
        <source>the overlay token only reads</source>
        <translation>le jeton de l&apos;overlay ne fait que lire</translation>
    </message>
    <message>
        <source>the remote control is switched off</source>
        <translation>la télécommande est désactivée</translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation>Piloter par téléphone ou tablette</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation>Port de la télécommande</translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation>Appliqué après OK.</translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation>Ouvrez sur le téléphone, ou scannez le code&#xa0;:</translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation>Code de liaison&#xa0;:</translation>
    </message>
    <message>
        <source>New Code</source>
        <translation>Autre code</translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation>Nouveau code de liaison</translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation>Code QR de l&apos;adresse de la télécommande</translation>
    </message>
    <message>
        <source>1 device connected</source>
        <translation>1 appareil connecté</translation>
    </message>
    <message>
        <source>%1 devices connected</source>
        <translation>%1 appareils connectés</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(créé à l&apos;activation)</translation>
    </message>
    <message>
        <source>Show Code</source>
        <translation>Voir le code</translation>
    </message>
    <message>
        <source>Hide Code</source>
        <translation>Masquer le code</translation>
    </message>
    <message>
        <source>Overlay…</source>
        <translation>Overlay…</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay pour les flux</translation>
    </message>
</context>
<context>
    <name>ScoreboardGame</name>
    <message>
        <source>&quot;%1&quot; is no time: type minutes, a point and seconds</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une durée&#xa0;: tapez minutes, un point et secondes</translation>
    </message>
    <message>
        <source>%1 is more than the clock can show</source>
        <translation>%1 dépasse ce que l’horloge peut afficher</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre</translation>
    </message>
    <message>
        <source>scores go from %1 to %2</source>
        <translation>les scores vont de %1 à %2</translation>
    </message>
    <message>
        <source>the period goes from %1 to %2</source>
        <translation>la période va de %1 à %2</translation>
    </message>
    <message>
        <source>shots go from %1 to %2</source>
        <translation>les tirs vont de %1 à %2</translation>
    </message>
    <message>
        <source>corner kicks go from %1 to %2</source>
        <translation>les corners vont de %1 à %2</translation>
    </message>
    <message>
        <source>saves go from %1 to %2</source>
        <translation>les arrêts vont de %1 à %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <extracomment>%1 is the value typed; %2 says which values the figure takes.</extracomment>
        <translation>%1 refusé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Added time goes up to %1 minutes</source>
        <translation>Le temps additionnel va jusqu’à %1 minutes</translation>
    </message>
    <message>
        <source>A shirt number has at most %1 digits</source>
        <translation>Un numéro de maillot a au plus %1 chiffres</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Le temps additionnel s’annonce pendant une mi-temps</translation>
    </message>
    <message>
        <source>There is no goal to name a scorer for</source>
        <translation>Aucun but auquel attribuer un buteur</translation>
    </message>
</context>
<context>
    <name>TeamSheetsDialog</name>
    <message>
        <source>9 Alex Morgan</source>
        <extracomment>Shown in an empty team sheet: how a line is written.</extracomment>
        <translation>9 Alex Morgan</translation>
    </message>
    <message>
        <source>Team Sheets</source>
        <translation>Compositions des équipes</translation>
    </message>
    <message>
        <source>One line per player: the shirt number, then the name.</source>
        <translation>Une ligne par joueur&#xa0;: le numéro de maillot, puis le nom.</translation>
    </message>
</context>
<context>
    <name>TextsTab</name>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Nom de l&apos;équipe locale&#xa0;:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Nom de l&apos;équipe visiteuse&#xa0;:</translation>
    </message>
    <message>
        <source>Home Team Identity:</source>
        <translation>Identité domicile :</translation>
    </message>
    <message>
        <source>Guest Team Identity:</source>
        <translation>Identité visiteurs :</translation>
    </message>
    <message>
        <source>%1: short name</source>
        <extracomment>What a screen reader says for a team&apos;s short name box, %1 naming the team&apos;s frame.</extracomment>
        <translation>%1 : nom court</translation>
    </message>
    <message>
        <source>Short name: up to 4 letters or digits</source>
        <translation>Nom court : 4 lettres ou chiffres au plus</translation>
    </message>
    <message>
        <source>main color</source>
        <translation>couleur principale</translation>
    </message>
    <message>
        <source>%1: main color</source>
        <translation>%1 : couleur principale</translation>
    </message>
    <message>
        <source>second color</source>
        <translation>couleur secondaire</translation>
    </message>
    <message>
        <source>%1: second color</source>
        <translation>%1 : couleur secondaire</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation>Erreur lors de l&apos;envoi des informations au serveur&#xa0;!</translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation>Erreur du tableau web</translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation>La connexion au tableau web a échoué. Vérifiez les paramètres et réessayez.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation>La connexion a échoué. Vérifiez l&apos;URL et le code d&apos;accès saisis, puis réessayez.</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Tableau web</translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation>Voulez-vous arrêter l&apos;envoi des mises à jour&#xa0;? C&apos;est conseillé une fois le match terminé.</translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation>Le tableau web est un service facultatif qui affiche ce tableau en direct dans n&apos;importe quel navigateur web. Varnelo en fournit un, varnelo-websb, installé à côté du programme.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL:</source>
        <translation>URL du tableau web&#xa0;:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL</source>
        <translation>URL du tableau web</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation>Code d&apos;accès du tableau&#xa0;:</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation>Code d&apos;accès du tableau web</translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation>Serveur du tableau web&#xa0;:</translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation>Serveur du tableau web</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Hide the passcode</source>
        <translation>Masquer le code d&apos;accès</translation>
    </message>
    <message>
        <source>Show the passcode</source>
        <translation>Afficher le code d&apos;accès</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation>Choisir une touche</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Touche déjà utilisée, veuillez en choisir une autre.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation>Appuyez sur la touche pour %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Before the kick-off</source>
        <translation>Avant le coup d’envoi</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Première mi-temps</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Mi-temps</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Seconde mi-temps</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prolongation, première période</translation>
    </message>
    <message>
        <source>Extra time, half-time</source>
        <translation>Prolongation, pause</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prolongation, seconde période</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Tirs au but</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fin du match</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Temps additionnel</translation>
    </message>
    <message>
        <source>Scorer of the last goal</source>
        <translation>Buteur du dernier but</translation>
    </message>
    <message>
        <source>Yellow card, home</source>
        <translation>Carton jaune, domicile</translation>
    </message>
    <message>
        <source>Yellow card, visitor</source>
        <translation>Carton jaune, visiteur</translation>
    </message>
    <message>
        <source>Red card, home</source>
        <translation>Carton rouge, domicile</translation>
    </message>
    <message>
        <source>Red card, visitor</source>
        <translation>Carton rouge, visiteur</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>&amp;Start/stop clock</source>
        <translation>&amp;Démarrer/arrêter l’horloge</translation>
    </message>
    <message>
        <source>&amp;Reset clock</source>
        <translation>&amp;Remettre l’horloge à zéro</translation>
    </message>
    <message>
        <source>&amp;Buzzer</source>
        <translation>&amp;Sirène</translation>
    </message>
    <message>
        <source>&amp;Next phase</source>
        <translation>Phase suiva&amp;nte</translation>
    </message>
    <message>
        <source>&amp;Goals and cards</source>
        <translation>&amp;Buts et cartons</translation>
    </message>
    <message>
        <source>Match re&amp;port</source>
        <translation>Ra&amp;pport du match</translation>
    </message>
    <message>
        <source>Varnelo operator console</source>
        <translation>Console de l’opérateur Varnelo</translation>
    </message>
    <message>
        <source>Goals and cards:</source>
        <translation>Buts et cartons&#xa0;:</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Buts et cartons</translation>
    </message>
    <message>
        <source>Focus and typing</source>
        <translation>Focus et saisie</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Dernier refus</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visiteur</translation>
    </message>
    <message>
        <source>Typing: %1: %2</source>
        <translation>Saisie&#xa0;: %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Focus: no figure</source>
        <translation>Focus&#xa0;: aucun chiffre</translation>
    </message>
    <message>
        <source>Focus: %1</source>
        <translation>Focus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Focus: %1, typed: %2</source>
        <translation>Focus&#xa0;: %1, saisi&#xa0;: %2</translation>
    </message>
    <message>
        <source>Phase: %1. The match is over.</source>
        <translation>Phase&#xa0;: %1. Le match est terminé.</translation>
    </message>
    <message>
        <source>Phase: %1. Next: %2 (key %3)</source>
        <translation>Phase&#xa0;: %1. Ensuite&#xa0;: %2 (touche %3)</translation>
    </message>
    <message>
        <source>Added time: only during a half</source>
        <translation>Temps additionnel&#xa0;: seulement pendant une mi-temps</translation>
    </message>
    <message>
        <source>Added time: none announced (key %1)</source>
        <translation>Temps additionnel&#xa0;: aucun annoncé (touche %1)</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes, %2:%3 played</source>
        <translation>Temps additionnel&#xa0;: +%1 minutes, %2:%3 joué</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes</source>
        <translation>Temps additionnel&#xa0;: +%1 minutes</translation>
    </message>
</context>
<context>
    <name>frmEvents</name>
    <message>
        <source>Goal</source>
        <translation>But</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Carton jaune</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <translation>Second jaune</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Carton rouge</translation>
    </message>
    <message>
        <source>A minute is written as 23&apos; or 45+2&apos;.</source>
        <translation>Une minute s&apos;écrit 23&apos; ou 45+2&apos;.</translation>
    </message>
    <message>
        <source>A shirt number has up to three digits.</source>
        <translation>Un numéro de maillot a trois chiffres au plus.</translation>
    </message>
    <message>
        <source>The event cannot take this change.</source>
        <translation>Cet événement n&apos;accepte pas cette modification.</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Match Events</source>
        <translation>Faits du match</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Buts et cartons</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Fait</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visiteur</translation>
    </message>
    <message>
        <source>Remove this event: %1?</source>
        <translation>Supprimer ce fait&#xa0;: %1&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation>Pour afficher l&apos;aide depuis le tableau, appuyez sur «&#xa0;h&#xa0;».</translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation>Régler le chronomètre</translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation>Pour régler le chronomètre, cliquez dessus, tapez les minutes, un point ( . ), les secondes, puis appuyez sur «&#xa0;Entrée&#xa0;».</translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation>En cas d&apos;erreur de saisie, appuyez sur la «&#xa0;barre d&apos;espace&#xa0;» pour recommencer.</translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation>Piloter le chronomètre</translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation>Pour démarrer ou arrêter le chrono, appuyez sur la touche Marche / Arrêt (par défaut «&#xa0;s&#xa0;»).</translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation>Pour revenir au dernier temps saisi, appuyez sur la touche Réinitialiser (par défaut «&#xa0;r&#xa0;»).</translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation>Modifier les scores et les autres nombres</translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation>Pour modifier un nombre, cliquez dessus, tapez la valeur et appuyez sur «&#xa0;Entrée&#xa0;». Pour les cases à un chiffre, tapez simplement le nouveau chiffre.</translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>Pour augmenter ou diminuer un nombre, cliquez dessus, appuyez sur «&#xa0;+&#xa0;» ou «&#xa0;-&#xa0;», puis tapez le chiffre à ajouter ou à soustraire.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation>Pour faire retentir la sirène, appuyez sur la touche Sirène (par défaut «&#xa0;b&#xa0;»).</translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation>Pour voir quel nombre est sélectionné, appuyez sur «&#xa0;F7&#xa0;». «&#xa0;Échap&#xa0;» ferme cette aide.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation>Pour ouvrir les options, tapez «&#xa0;o&#xa0;» au tableau ou cliquez sur «&#xa0;Options&#xa0;» à l&apos;accueil.</translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation>Dans les options, vous pouvez changer les touches de commande, le fichier son de la sirène et les couleurs du tableau. Vous pouvez aussi modifier les noms des équipes et le titre, et activer le tableau web.</translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation>Aide de Varnelo</translation>
    </message>
    <message>
        <source>To end a half or a break and start the next phase press the Next Phase key (default is &apos;p&apos; ).</source>
        <translation>Pour passer à la phase suivante, appuyez sur Phase suivante (par défaut «&#xa0;p&#xa0;»).</translation>
    </message>
    <message>
        <source>To announce added time press the Added Time key (default is &apos;a&apos; ), type the minutes and press &apos;Enter&apos;.</source>
        <translation>Pour annoncer le temps additionnel, appuyez sur la touche Arrêts de jeu (par défaut «&#xa0;a&#xa0;»), tapez les minutes, puis appuyez sur «&#xa0;Entrée&#xa0;».</translation>
    </message>
    <message>
        <source>Goals and Cards</source>
        <translation>Buts et cartons</translation>
    </message>
    <message>
        <source>For a goal&apos;s scorer press &apos;n&apos;, the shirt number and &apos;Enter&apos;.</source>
        <translation>Pour le buteur, appuyez sur «&#xa0;n&#xa0;», le numéro puis «&#xa0;Entrée&#xa0;».</translation>
    </message>
    <message>
        <source>For a card press &apos;y&apos; or &apos;Y&apos; (yellow, home or visitor), &apos;x&apos; or &apos;X&apos; (red), then the shirt number and &apos;Enter&apos;.</source>
        <translation>Pour un carton, appuyez sur «&#xa0;y&#xa0;» ou «&#xa0;Y&#xa0;» (jaune, domicile ou visiteur), «&#xa0;x&#xa0;» ou «&#xa0;X&#xa0;» (rouge), puis le numéro et «&#xa0;Entrée&#xa0;».</translation>
    </message>
    <message>
        <source>To see, change or remove the goals and cards press &apos;e&apos;.</source>
        <translation>Pour voir, modifier ou supprimer buts et cartons, appuyez sur «&#xa0;e&#xa0;».</translation>
    </message>
    <message>
        <source>To save the match report press &apos;m&apos;.</source>
        <translation>Pour enregistrer le rapport du match, appuyez sur &apos;m&apos;.</translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 3 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation>Exemples&#xa0;: «&#xa0;25.3&#xa0;» = 25 minutes et 3 secondes, «&#xa0;6.05&#xa0;» = 6 minutes et 5 secondes.</translation>
    </message>
    <message>
        <source>Undo and Redo</source>
        <translation>Annuler et rétablir</translation>
    </message>
    <message>
        <source>To undo the last change press &apos;Ctrl+Z&apos;; to redo it press &apos;Ctrl+Shift+Z&apos;.</source>
        <translation>Pour annuler la dernière modification, appuyez sur «&#xa0;Ctrl+Z&#xa0;»&#xa0;; pour la rétablir, sur «&#xa0;Ctrl+Maj+Z&#xa0;».</translation>
    </message>
    <message>
        <source>The Board&apos;s Screen</source>
        <translation>Écran du tableau</translation>
    </message>
    <message>
        <source>To switch the board between full screen and a window press &apos;F11&apos;.</source>
        <translation>Pour passer le tableau du plein écran à une fenêtre et inversement, appuyez sur «&#xa0;F11&#xa0;».</translation>
    </message>
    <message>
        <source>To move the board to the previous or next screen press &apos;Ctrl+Shift+Left&apos; or &apos;Ctrl+Shift+Right&apos;.</source>
        <translation>Pour déplacer le tableau vers l&apos;écran précédent ou suivant, appuyez sur «&#xa0;Ctrl+Maj+Gauche&#xa0;» ou «&#xa0;Ctrl+Maj+Droite&#xa0;».</translation>
    </message>
    <message>
        <source>Operator Console</source>
        <translation>Console de l’opérateur</translation>
    </message>
    <message>
        <source>To open the operator console press &apos;F8&apos;.</source>
        <translation>Pour ouvrir la console de l’opérateur, appuyez sur «&#xa0;F8&#xa0;».</translation>
    </message>
    <message>
        <source>Stream Overlay</source>
        <translation>Incrustation du direct</translation>
    </message>
    <message>
        <source>To show or hide a part of the overlay press &apos;Ctrl+1&apos; (score bug), &apos;Ctrl+2&apos; (statistics), &apos;Ctrl+3&apos; (shoot-out) or &apos;Ctrl+4&apos; (full board).</source>
        <translation>Pour afficher ou masquer une partie de l’incrustation, appuyez sur «&#xa0;Ctrl+1&#xa0;» (score), «&#xa0;Ctrl+2&#xa0;» (statistiques), «&#xa0;Ctrl+3&#xa0;» (tirs au but) ou «&#xa0;Ctrl+4&#xa0;» (tableau complet).</translation>
    </message>
    <message>
        <source>To show the goal pop-up again press &apos;Ctrl+G&apos;.</source>
        <translation>Pour afficher de nouveau l’annonce du but, appuyez sur «&#xa0;Ctrl+G&#xa0;».</translation>
    </message>
    <message>
        <source>Phones and the Web</source>
        <translation>Téléphones et web</translation>
    </message>
    <message>
        <source>To run the board from a phone press &apos;o&apos;, then the &apos;Remote Control&apos; button, and scan the code it shows.</source>
        <translation>Pour piloter le tableau depuis un téléphone, appuyez sur «&#xa0;o&#xa0;», puis sur le bouton «&#xa0;Télécommande&#xa0;», et scannez le code affiché.</translation>
    </message>
    <message>
        <source>To publish the scoreboard on the web press &apos;o&apos; and open the &apos;Web Scoreboard&apos; tab.</source>
        <translation>Pour publier le tableau sur le web, appuyez sur «&#xa0;o&#xa0;» et ouvrez l’onglet «&#xa0;Tableau web&#xa0;».</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Commandes clavier</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Tableau web</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation>&amp;Télécommande</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1. Vérifiez que son dossier est accessible en écriture et que le disque n&apos;est pas plein&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Ma&amp;tch</source>
        <translation>Matc&amp;h</translation>
    </message>
    <message>
        <source>The match has begun. Play the rest of it by the new format?</source>
        <translation>Le match a commencé. Jouer la suite selon le nouveau format&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation>Marquer le nombre actif</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation>%1, en marche</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, arrêté</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>The match is over: there is no next phase</source>
        <translation>Le match est terminé&#xa0;: il n’y a pas de phase suivante</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Le temps additionnel s’annonce pendant une mi-temps</translation>
    </message>
    <message>
        <source>There is nothing to undo</source>
        <translation>Il n’y a rien à annuler</translation>
    </message>
    <message>
        <source>There is nothing to redo</source>
        <translation>Il n’y a rien à rétablir</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Cliquez ici.</translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation>© 2026 Développeurs de Varnelo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation>Ouvrir le tableau d&apos;affichage</translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation>Appuyez sur Alt+C, ou sur Tab jusqu&apos;à Continuer puis sur Entrée, pour ouvrir le tableau d&apos;affichage.</translation>
    </message>
</context>
</TS>
