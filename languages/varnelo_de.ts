<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation>Das letzte Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1). It is kept as %2, and this game is saved anew.</source>
        <translation>Das Protokoll des letzten Spiels konnte nicht gelesen werden (%1). Es bleibt als %2 erhalten, und dieses Spiel wird neu gesichert.</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1) and is left as it is, at %2. This game will not be saved.</source>
        <translation>Das Protokoll des letzten Spiels konnte nicht gelesen werden (%1) und bleibt unverändert unter %2. Dieses Spiel wird nicht gesichert.</translation>
    </message>
    <message>
        <source>The game is being saved again.</source>
        <translation>Das Spiel wird wieder gesichert.</translation>
    </message>
    <message>
        <source>The game is not being saved (%1). Varnelo goes on trying; the board goes on as it is.</source>
        <translation>Das Spiel wird nicht gesichert (%1). Varnelo versucht es weiter; die Anzeige läuft unverändert weiter.</translation>
    </message>
</context>
<context>
    <name>BoardDesign</name>
    <message>
        <source>HOME</source>
        <translation>HEIM</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>GAST</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>HÄLFTE</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation>SCHÜS.</translation>
    </message>
    <message>
        <source>C/K</source>
        <translation>ECK</translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation>PARAD.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Spieluhr</translation>
    </message>
    <message>
        <source>score</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <comment>spoken by a screen reader</comment>
        <translation>Halbzeit</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <comment>spoken by a screen reader</comment>
        <translation>Torschüsse</translation>
    </message>
    <message>
        <source>C/K</source>
        <comment>spoken by a screen reader</comment>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>SAVES</source>
        <comment>spoken by a screen reader</comment>
        <translation>Paraden</translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>Rot %1, Grün %2, Blau %3</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Heimfarbe:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation>LED-Farbe:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Gastfarbe:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>LED-Hintergrund:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Standardfarben</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Möchten Sie die Farben wirklich zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>ConsolePreview</name>
    <message>
        <source>The board as the audience sees it</source>
        <translation>Die Anzeigetafel, wie das Publikum sie sieht</translation>
    </message>
</context>
<context>
    <name>ConsoleSwitch</name>
    <message>
        <source>Operator console</source>
        <translation>Bedienpult</translation>
    </message>
</context>
<context>
    <name>DefaultSettings</name>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gast</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>[No File Selected]</source>
        <translation>[Keine Datei ausgewählt]</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Start/Stopp:</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>Start/Stopp der Uhr</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Zurücksetzen:</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>das Zurücksetzen der Uhr</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Hupe:</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>die Hupe</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation>Taste „%1“ ändern</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Hupenton</translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation>Hupenton ändern</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Standardtasten</translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation>Zahl mit Fokus &amp;markieren (F7)</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation>Klangdateien *.wav (*.wav)</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Möchten Sie die Tasten wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Next Phase Key:</source>
        <translation>Nächste Phase:</translation>
    </message>
    <message>
        <source>end the phase and start the next</source>
        <translation>den Wechsel zur nächsten Phase</translation>
    </message>
    <message>
        <source>Added Time Key:</source>
        <translation>Nachspielzeit:</translation>
    </message>
    <message>
        <source>announce added time</source>
        <translation>die Nachspielzeit</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <extracomment>The first choice: whatever language the desktop uses; %1 names it (&quot;Deutsch&quot;).</extracomment>
        <translation>Systemsprache (%1)</translation>
    </message>
    <message>
        <source>The new language is shown from the next start of Varnelo.</source>
        <translation>Die neue Sprache wird ab dem nächsten Start von Varnelo angezeigt.</translation>
    </message>
</context>
<context>
    <name>MatchDisplay</name>
    <message>
        <source>HALF-TIME</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>EXTRA TIME</source>
        <translation>VERLÄNGERUNG</translation>
    </message>
    <message>
        <source>ET HALF-TIME</source>
        <translation>PAUSE VERLÄNGERUNG</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>ELFMETER</translation>
    </message>
    <message>
        <source>FULL TIME</source>
        <translation>SPIELENDE</translation>
    </message>
</context>
<context>
    <name>MatchPresets</name>
    <message>
        <source>Adult 2 × 45</source>
        <translation>Erwachsene 2 × 45</translation>
    </message>
    <message>
        <source>Cup 2 × 45, extra time, penalties</source>
        <translation>Pokal 2 × 45, Verlängerung, Elfmeter</translation>
    </message>
    <message>
        <source>Youth 2 × 40</source>
        <translation>Jugend 2 × 40</translation>
    </message>
    <message>
        <source>Youth 2 × 35</source>
        <translation>Jugend 2 × 35</translation>
    </message>
    <message>
        <source>Youth 2 × 30</source>
        <translation>Jugend 2 × 30</translation>
    </message>
    <message>
        <source>Youth 2 × 25</source>
        <translation>Jugend 2 × 25</translation>
    </message>
    <message>
        <source>Futsal-style 2 × 20, counting down</source>
        <translation>Wie Futsal 2 × 20, abwärts</translation>
    </message>
</context>
<context>
    <name>MatchReport</name>
    <message>
        <source>en_GB</source>
        <extracomment>The locale the report&apos;s date is written in: this language&apos;s own.</extracomment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Vor dem Anpfiff</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>1. Halbzeit</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Halbzeitpause</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>2. Halbzeit</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Verlängerung, 1. Hälfte</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Verlängerung, Pause</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Verlängerung, 2. Hälfte</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Elfmeterschießen</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Gelbe Karte</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>The second yellow card to a player, which sends him or her off.</extracomment>
        <translation>Gelb-Rot</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Rote Karte</translation>
    </message>
    <message>
        <source>Match report</source>
        <extracomment>The match report&apos;s title when the board has no title text.</extracomment>
        <translation>Spielbericht</translation>
    </message>
    <message>
        <source>%1, kick-off %2</source>
        <extracomment>%1 is the date, %2 the time of the kick-off.</extracomment>
        <translation>%1, Anpfiff %2</translation>
    </message>
    <message>
        <source>Half-time %1</source>
        <translation>Halbzeit %1</translation>
    </message>
    <message>
        <source>after 90 minutes %1</source>
        <translation>nach 90 Minuten %1</translation>
    </message>
    <message>
        <source>after 120 minutes %1</source>
        <translation>nach 120 Minuten %1</translation>
    </message>
    <message>
        <source>penalties %1</source>
        <translation>Elfmeterschießen %1</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Torschütze</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Elfmeterschießen</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Verwandelt</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Paraden</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>+%1 / %2:%3</source>
        <extracomment>Added time: %1 minutes announced, %2 (minutes:seconds) played.</extracomment>
        <translation>+%1 / %2:%3</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Spielabschnitte</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Match clock</source>
        <translation>Spieluhr</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Nachspielzeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
</context>
<context>
    <name>MatchReportFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>JSON data (*.json)</source>
        <translation>JSON-Daten (*.json)</translation>
    </message>
    <message>
        <source>The match report is saved as a PDF, CSV or JSON file: give the file name the suffix .pdf, .csv or .json.</source>
        <translation>Der Spielbericht wird als PDF-, CSV- oder JSON-Datei gespeichert: Geben Sie dem Dateinamen die Endung .pdf, .csv oder .json.</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1 (%2). The match goes on as it is; try another folder.</source>
        <translation>Der Spielbericht konnte nicht in %1 gespeichert werden (%2). Das Spiel läuft weiter; versuchen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Match report</source>
        <translation>Spielbericht</translation>
    </message>
    <message>
        <source>Full time. Save the match report now?</source>
        <translation>Spielende. Den Spielbericht jetzt speichern?</translation>
    </message>
</context>
<context>
    <name>MatchTab</name>
    <message>
        <source>&amp;Preset:</source>
        <translation>Vorla&amp;ge:</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The preset list&apos;s entry while the fields hold no preset&apos;s format.</extracomment>
        <translation>Eigenes</translation>
    </message>
    <message>
        <source>Clock counts &amp;down each half (the board&apos;s way)</source>
        <translation>Uhr zählt je Halbzeit ab&amp;wärts (wie bisher)</translation>
    </message>
    <message>
        <source>Clock counts &amp;up through the match (soccer)</source>
        <translation>Uhr zählt durchs Spiel a&amp;ufwärts (Fußball)</translation>
    </message>
    <message>
        <source>&amp;Half (minutes):</source>
        <translation>&amp;Halbzeit (Minuten):</translation>
    </message>
    <message>
        <source>Half-time &amp;break (minutes):</source>
        <translation>Halbzeit&amp;pause (Minuten):</translation>
    </message>
    <message>
        <source>&amp;Extra time, each half (minutes):</source>
        <translation>&amp;Verlängerung, je Hälfte (Minuten):</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Shown in the extra time box at 0.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Pe&amp;nalties if still level</source>
        <translation>&amp;Elfmeterschießen bei Gleichstand</translation>
    </message>
    <message>
        <source>Team &amp;Sheets…</source>
        <translation>Aufste&amp;llungen…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report…</source>
        <translation>Bericht spei&amp;chern…</translation>
    </message>
    <message>
        <source>Save match report</source>
        <translation>Spielbericht speichern</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Bericht drucken…</translation>
    </message>
    <message>
        <source>Print match report</source>
        <translation>Spielbericht drucken</translation>
    </message>
</context>
<context>
    <name>OverlayDialog</name>
    <message>
        <source>Overlay for Streams</source>
        <translation>Overlay für Streams</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay für Streams</translation>
    </message>
    <message>
        <source>Add each page to the streaming program as a browser source. The pages read the board; they cannot change it.</source>
        <translation>Jede Seite im Streaming-Programm als Browserquelle hinzufügen. Die Seiten lesen die Anzeigetafel; sie können sie nicht ändern.</translation>
    </message>
    <message>
        <source>Overlay token:</source>
        <translation>Overlay-Token:</translation>
    </message>
    <message>
        <source>New Overlay Token</source>
        <translation>Neues Overlay-Token</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Addresses of the overlay pages</source>
        <translation>Adressen der Overlay-Seiten</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(folgt beim Einschalten)</translation>
    </message>
</context>
<context>
    <name>OverlayKeys</name>
    <message>
        <source>Show or hide the score bug on the stream</source>
        <translation>Score-Bug im Stream ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the statistics on the stream</source>
        <translation>Statistik im Stream ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the shoot-out on the stream</source>
        <translation>Elfmeterschießen im Stream ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show or hide the whole board on the stream</source>
        <translation>Ganze Anzeigetafel im Stream ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Show the latest goal on the stream again</source>
        <translation>Letztes Tor im Stream erneut zeigen</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue&apos;s language (de, fr, ...), for the remote page&apos;s lang attribute.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Varnelo Remote</source>
        <translation>Varnelo-Fernbedienung</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Kopplungscode</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Koppeln</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbindung wird hergestellt…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Verbindung wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Start / Stopp</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Halbzeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Paraden</translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation>%1 um eins verringern</translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation>%1 um eins erhöhen</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>%1 eingeben</translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation>falscher Code</translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation>zu viele falsche Codes</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>unbekannter Befehl</translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation>unbekannte Anzeige</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation>Minuten und Sekunden sind ganze Zahlen von 0 bis 59</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Vor dem Anpfiff</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>1. Halbzeit</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Halbzeitpause</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>2. Halbzeit</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Verlängerung, 1. Hälfte</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Verlängerung, Pause</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Verlängerung, 2. Hälfte</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Elfmeterschießen</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>On the button that changes the match&apos;s phase; %1 is the phase it goes to.</extracomment>
        <translation>Weiter: %1</translation>
    </message>
    <message>
        <source>Next phase</source>
        <translation>Nächste Phase</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Added time</source>
        <extracomment>The stoppage time the fourth official announces (&quot;+3&quot;).</extracomment>
        <translation>Nachspielzeit</translation>
    </message>
    <message>
        <source>One minute less</source>
        <translation>Eine Minute weniger</translation>
    </message>
    <message>
        <source>One minute more</source>
        <translation>Eine Minute mehr</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <extracomment>The penalty shoot-out.</extracomment>
        <translation>Elfmeterschießen</translation>
    </message>
    <message>
        <source>Scored</source>
        <extracomment>A penalty kick that went in.</extracomment>
        <translation>Verwandelt</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verschossen</translation>
    </message>
    <message>
        <source>%1 of %2 kicks scored</source>
        <translation>%1 von %2 Elfmetern verwandelt</translation>
    </message>
    <message>
        <source>the clock takes whole minutes and seconds from 0:00 to 120:00</source>
        <translation>die Uhr nimmt ganze Minuten und Sekunden von 0:00 bis 120:00</translation>
    </message>
    <message>
        <source>minutes is a whole number from 0 to 30</source>
        <translation>Minuten sind eine ganze Zahl von 0 bis 30</translation>
    </message>
    <message>
        <source>added time is announced only in a playing half</source>
        <translation>Nachspielzeit gibt es nur in einer laufenden Halbzeit</translation>
    </message>
    <message>
        <source>the match is in that phase already</source>
        <translation>das Spiel ist bereits in dieser Phase</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>das Spiel ist beendet</translation>
    </message>
    <message>
        <source>the phase cannot change now</source>
        <translation>die Phase kann jetzt nicht wechseln</translation>
    </message>
    <message>
        <source>penalties are taken only in the shoot-out</source>
        <translation>Elfmeter gibt es nur im Elfmeterschießen</translation>
    </message>
    <message>
        <source>it is not that team&apos;s kick</source>
        <translation>diese Mannschaft ist nicht an der Reihe</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Gelbe Karte</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Rote Karte</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>A player&apos;s second yellow card in a match, which sends them off.</extracomment>
        <translation>Gelb-Rot</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>The match&apos;s goals and cards, listed.</extracomment>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Scorer</source>
        <extracomment>Who scored a goal; on a button that asks for the scorer&apos;s shirt number.</extracomment>
        <translation>Torschütze</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Delete digit</source>
        <translation>Ziffer löschen</translation>
    </message>
    <message>
        <source>%1 sent off</source>
        <extracomment>Read out beside a team&apos;s name: the number of its players sent off.</extracomment>
        <translation>%1 vom Platz gestellt</translation>
    </message>
    <message>
        <source>team is &quot;home&quot; or &quot;visitor&quot;</source>
        <translation>team ist &quot;home&quot; oder &quot;visitor&quot;</translation>
    </message>
    <message>
        <source>colour is &quot;yellow&quot; or &quot;red&quot;</source>
        <translation>colour ist &quot;yellow&quot; oder &quot;red&quot;</translation>
    </message>
    <message>
        <source>player is a shirt number of up to 3 digits</source>
        <translation>player ist eine Rückennummer mit höchstens 3 Ziffern</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>unbekanntes Ereignis</translation>
    </message>
    <message>
        <source>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; or &quot;red&quot;</source>
        <translation>kind ist &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; oder &quot;red&quot;</translation>
    </message>
    <message>
        <source>minute is written like 23&apos; or 45+2&apos;</source>
        <translation>die Minute wird wie 23&apos; oder 45+2&apos; geschrieben</translation>
    </message>
    <message>
        <source>name is a text of up to 60 characters without control characters</source>
        <translation>der Name ist ein Text mit höchstens 60 Zeichen ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>editEvent takes kind, team, minute, player or name</source>
        <translation>editEvent nimmt kind, team, minute, player oder name</translation>
    </message>
    <message>
        <source>the card cannot be given now</source>
        <translation>die Karte kann jetzt nicht gegeben werden</translation>
    </message>
    <message>
        <source>the event cannot take that change</source>
        <translation>das Ereignis kann so nicht geändert werden</translation>
    </message>
    <message>
        <source>the event cannot be removed now</source>
        <translation>das Ereignis kann jetzt nicht entfernt werden</translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options: press &quot;o&quot; on the board, then the &quot;Remote Control&quot; button.</source>
        <extracomment>&quot;Remote Control&quot; is the caption of the options&apos; button that opens the pairing code.</extracomment>
        <translation>Geben Sie den Kopplungscode aus den Optionen der Anzeigetafel ein: auf der Tafel „o“ drücken, dann die Schaltfläche „Fernbedienung“.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>On the number pad: empties what was typed.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>the score goes up to 99</source>
        <translation>Tore gehen bis 99</translation>
    </message>
    <message>
        <source>the score does not go below 0</source>
        <translation>Tore gehen nicht unter 0</translation>
    </message>
    <message>
        <source>the period goes up to 4</source>
        <translation>die Halbzeit geht bis 4</translation>
    </message>
    <message>
        <source>the period does not go below 1</source>
        <translation>die Halbzeit geht nicht unter 1</translation>
    </message>
    <message>
        <source>shots go up to 99</source>
        <translation>Torschüsse gehen bis 99</translation>
    </message>
    <message>
        <source>shots do not go below 0</source>
        <translation>Torschüsse gehen nicht unter 0</translation>
    </message>
    <message>
        <source>corner kicks go up to 9</source>
        <translation>Ecken gehen bis 9</translation>
    </message>
    <message>
        <source>corner kicks go up to 99</source>
        <translation>Ecken gehen bis 99</translation>
    </message>
    <message>
        <source>corner kicks do not go below 0</source>
        <translation>Ecken gehen nicht unter 0</translation>
    </message>
    <message>
        <source>saves go up to 99</source>
        <translation>Paraden gehen bis 99</translation>
    </message>
    <message>
        <source>saves do not go below 0</source>
        <translation>Paraden gehen nicht unter 0</translation>
    </message>
    <message>
        <source>unknown panel</source>
        <translation>unbekanntes Panel</translation>
    </message>
    <message>
        <source>visible is true or false</source>
        <translation>visible ist true oder false</translation>
    </message>
    <message>
        <source>there is no goal to show</source>
        <translation>kein Tor zum Zeigen</translation>
    </message>
    <message>
        <source>the overlay token only reads</source>
        <translation>das Overlay-Token kann nur lesen</translation>
    </message>
    <message>
        <source>the remote control is switched off</source>
        <translation>die Fernbedienung ist ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation>Per Smartphone oder Tablet steuern</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation>Port der Fernbedienung</translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation>Gilt ab OK.</translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation>Am Smartphone öffnen oder scannen:</translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation>Kopplungscode:</translation>
    </message>
    <message>
        <source>New Code</source>
        <translation>Neuer Code</translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation>Neuer Kopplungscode</translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation>QR-Code mit der Adresse der Fernbedienung</translation>
    </message>
    <message>
        <source>1 device connected</source>
        <translation>1 Gerät verbunden</translation>
    </message>
    <message>
        <source>%1 devices connected</source>
        <translation>%1 Geräte verbunden</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(folgt beim Einschalten)</translation>
    </message>
    <message>
        <source>Show Code</source>
        <translation>Code zeigen</translation>
    </message>
    <message>
        <source>Hide Code</source>
        <translation>Code verbergen</translation>
    </message>
    <message>
        <source>Overlay…</source>
        <translation>Overlay…</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay für Streams</translation>
    </message>
</context>
<context>
    <name>ScoreboardGame</name>
    <message>
        <source>&quot;%1&quot; is no time: type minutes, a point and seconds</source>
        <translation>„%1“ ist keine Zeit: Minuten, Punkt und Sekunden eingeben</translation>
    </message>
    <message>
        <source>%1 is more than the clock can show</source>
        <translation>%1 ist mehr, als die Uhr zeigen kann</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>scores go from %1 to %2</source>
        <translation>Tore gehen von %1 bis %2</translation>
    </message>
    <message>
        <source>the period goes from %1 to %2</source>
        <translation>die Halbzeit geht von %1 bis %2</translation>
    </message>
    <message>
        <source>shots go from %1 to %2</source>
        <translation>Schüsse gehen von %1 bis %2</translation>
    </message>
    <message>
        <source>corner kicks go from %1 to %2</source>
        <translation>Ecken gehen von %1 bis %2</translation>
    </message>
    <message>
        <source>saves go from %1 to %2</source>
        <translation>Paraden gehen von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <extracomment>%1 is the value typed; %2 says which values the figure takes.</extracomment>
        <translation>%1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>Added time goes up to %1 minutes</source>
        <translation>Nachspielzeit geht bis %1 Minuten</translation>
    </message>
    <message>
        <source>A shirt number has at most %1 digits</source>
        <translation>Eine Rückennummer hat höchstens %1 Ziffern</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Nachspielzeit wird während einer Halbzeit angezeigt</translation>
    </message>
    <message>
        <source>There is no goal to name a scorer for</source>
        <translation>Es gibt kein Tor, dem ein Torschütze zugeordnet werden kann</translation>
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
        <translation>Aufstellungen</translation>
    </message>
    <message>
        <source>One line per player: the shirt number, then the name.</source>
        <translation>Eine Zeile je Spieler: die Rückennummer, dann der Name.</translation>
    </message>
</context>
<context>
    <name>TextsTab</name>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Name der Heimmannschaft:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Name der Gastmannschaft:</translation>
    </message>
    <message>
        <source>Home Team Identity:</source>
        <translation>Heim-Identität:</translation>
    </message>
    <message>
        <source>Guest Team Identity:</source>
        <translation>Gast-Identität:</translation>
    </message>
    <message>
        <source>%1: short name</source>
        <extracomment>What a screen reader says for a team&apos;s short name box, %1 naming the team&apos;s frame.</extracomment>
        <translation>%1: Kurzname</translation>
    </message>
    <message>
        <source>Short name: up to 4 letters or digits</source>
        <translation>Kurzname: bis zu 4 Buchstaben oder Ziffern</translation>
    </message>
    <message>
        <source>main color</source>
        <translation>Hauptfarbe</translation>
    </message>
    <message>
        <source>%1: main color</source>
        <translation>%1: Hauptfarbe</translation>
    </message>
    <message>
        <source>second color</source>
        <translation>Zweitfarbe</translation>
    </message>
    <message>
        <source>%1: second color</source>
        <translation>%1: Zweitfarbe</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation>Fehler beim Senden der Daten an den Server!</translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation>Fehler der Web-Anzeigetafel</translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation>Die Verbindung zur Web-Anzeigetafel ist fehlgeschlagen. Bitte prüfen Sie die Einstellungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation>Verbindung fehlgeschlagen. Prüfen Sie die eingegebene URL und den Zugangscode und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Web-Anzeigetafel</translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation>Möchten Sie die Aktualisierung der Clients beenden? Das empfiehlt sich nach Spielende.</translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation>Die Web-Anzeigetafel ist ein optionaler Dienst, der diese Tafel live in jedem Webbrowser zeigt. Varnelo liefert einen mit: varnelo-websb, neben dem Programm installiert.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL</source>
        <translation>URL der Web-Anzeigetafel</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation>Zugangscode:</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation>Zugangscode der Web-Anzeigetafel</translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation>Server der Web-Anzeigetafel</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Hide the passcode</source>
        <translation>Zugangscode verbergen</translation>
    </message>
    <message>
        <source>Show the passcode</source>
        <translation>Zugangscode anzeigen</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation>Taste wählen</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Diese Taste ist belegt. Bitte wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation>Drücken Sie die Taste für %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Before the kick-off</source>
        <translation>Vor dem Anstoß</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Erste Halbzeit</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Halbzeitpause</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Zweite Halbzeit</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Verlängerung, erste Hälfte</translation>
    </message>
    <message>
        <source>Extra time, half-time</source>
        <translation>Verlängerung, Pause</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Verlängerung, zweite Hälfte</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Elfmeterschießen</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Nachspielzeit</translation>
    </message>
    <message>
        <source>Scorer of the last goal</source>
        <translation>Schütze des letzten Tores</translation>
    </message>
    <message>
        <source>Yellow card, home</source>
        <translation>Gelbe Karte, Heim</translation>
    </message>
    <message>
        <source>Yellow card, visitor</source>
        <translation>Gelbe Karte, Gast</translation>
    </message>
    <message>
        <source>Red card, home</source>
        <translation>Rote Karte, Heim</translation>
    </message>
    <message>
        <source>Red card, visitor</source>
        <translation>Rote Karte, Gast</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>&amp;Start/stop clock</source>
        <translation>Uhr &amp;starten/anhalten</translation>
    </message>
    <message>
        <source>&amp;Reset clock</source>
        <translation>Uhr &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Buzzer</source>
        <translation>&amp;Hupe</translation>
    </message>
    <message>
        <source>&amp;Next phase</source>
        <translation>&amp;Nächster Abschnitt</translation>
    </message>
    <message>
        <source>&amp;Goals and cards</source>
        <translation>&amp;Tore und Karten</translation>
    </message>
    <message>
        <source>Match re&amp;port</source>
        <translation>Spiel&amp;bericht</translation>
    </message>
    <message>
        <source>Varnelo operator console</source>
        <translation>Varnelo-Bedienpult</translation>
    </message>
    <message>
        <source>Goals and cards:</source>
        <translation>Tore und Karten:</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Tore und Karten</translation>
    </message>
    <message>
        <source>Focus and typing</source>
        <translation>Fokus und Eingabe</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Letzte Ablehnung</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Typing: %1: %2</source>
        <translation>Eingabe: %1: %2</translation>
    </message>
    <message>
        <source>Focus: no figure</source>
        <translation>Fokus: keine Anzeige</translation>
    </message>
    <message>
        <source>Focus: %1</source>
        <translation>Fokus: %1</translation>
    </message>
    <message>
        <source>Focus: %1, typed: %2</source>
        <translation>Fokus: %1, eingegeben: %2</translation>
    </message>
    <message>
        <source>Phase: %1. The match is over.</source>
        <translation>Abschnitt: %1. Das Spiel ist aus.</translation>
    </message>
    <message>
        <source>Phase: %1. Next: %2 (key %3)</source>
        <translation>Abschnitt: %1. Danach: %2 (Taste %3)</translation>
    </message>
    <message>
        <source>Added time: only during a half</source>
        <translation>Nachspielzeit: nur während einer Halbzeit</translation>
    </message>
    <message>
        <source>Added time: none announced (key %1)</source>
        <translation>Nachspielzeit: keine angezeigt (Taste %1)</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes, %2:%3 played</source>
        <translation>Nachspielzeit: +%1 Minuten, %2:%3 gespielt</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes</source>
        <translation>Nachspielzeit: +%1 Minuten</translation>
    </message>
</context>
<context>
    <name>frmEvents</name>
    <message>
        <source>Goal</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Gelbe Karte</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <translation>Gelb-Rot</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Rote Karte</translation>
    </message>
    <message>
        <source>A minute is written as 23&apos; or 45+2&apos;.</source>
        <translation>Eine Minute wird als 23&apos; oder 45+2&apos; geschrieben.</translation>
    </message>
    <message>
        <source>A shirt number has up to three digits.</source>
        <translation>Eine Rückennummer hat höchstens drei Ziffern.</translation>
    </message>
    <message>
        <source>The event cannot take this change.</source>
        <translation>Dieses Ereignis lässt diese Änderung nicht zu.</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>Match Events</source>
        <translation>Spielereignisse</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Tore und Karten</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Mannschaft</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Remove this event: %1?</source>
        <translation>Dieses Ereignis entfernen: %1?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation>Drücken Sie auf der Anzeigetafel &apos;h&apos;, um die Hilfe anzuzeigen.</translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation>Uhr stellen</translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation>Um die Uhr zu stellen, klicken Sie auf die Uhr, geben Sie die Minuten, einen Punkt ( . ) und die Sekunden ein und drücken Sie &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation>Wenn Sie sich vertippt haben und neu beginnen möchten, drücken Sie die &apos;Leertaste&apos;.</translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation>Uhr steuern</translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation>Drücken Sie zum Starten oder Anhalten der Uhr die Taste „Start/Stopp“ (Standard: &apos;s&apos;).</translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation>Die Taste „Zurücksetzen“ (Standard: &apos;r&apos;) stellt die zuletzt eingegebene Zeit wieder her.</translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation>Spielstand und andere Zahlen ändern</translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation>Um eine Zahl zu ändern, klicken Sie darauf, geben Sie die Zahl ein und drücken Sie &apos;Enter&apos;. Bei einstelligen Feldern drücken Sie einfach die neue Ziffer.</translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>Um eine Zahl zu erhöhen oder zu verringern, klicken Sie darauf, drücken Sie &apos;+&apos; oder &apos;-&apos; und geben Sie die einstellige Zahl ein, die addiert oder abgezogen werden soll.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation>Drücken Sie die Taste „Hupe“ (Standard: &apos;b&apos;), um die Hupe ertönen zu lassen.</translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation>Drücken Sie &apos;F7&apos;, um zu zeigen, welche Zahl den Fokus hat. &apos;Esc&apos; schließt diese Hilfe.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation>Die Optionen öffnen Sie im Programm mit &apos;o&apos; oder im Startbildschirm mit &apos;Optionen&apos;.</translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation>In den Optionen können Sie die Steuertasten, die Tondatei der Hupe und die Farben der Anzeigetafel ändern. Außerdem können Sie die Texte für Heim, Gast und Titel ändern und die Web-Anzeigetafel aktivieren.</translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation>Varnelo-Hilfe</translation>
    </message>
    <message>
        <source>To end a half or a break and start the next phase press the Next Phase key (default is &apos;p&apos; ).</source>
        <translation>Zur nächsten Phase drücken Sie die Taste „Nächste Phase“ (Standard: &apos;p&apos;).</translation>
    </message>
    <message>
        <source>To announce added time press the Added Time key (default is &apos;a&apos; ), type the minutes and press &apos;Enter&apos;.</source>
        <translation>Um die Nachspielzeit anzuzeigen, drücken Sie die Taste „Nachspielzeit“ (Standard: &apos;a&apos;), geben Sie die Minuten ein und drücken Sie &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>Goals and Cards</source>
        <translation>Tore und Karten</translation>
    </message>
    <message>
        <source>For a goal&apos;s scorer press &apos;n&apos;, the shirt number and &apos;Enter&apos;.</source>
        <translation>Für den Torschützen &apos;n&apos;, die Rückennummer und &apos;Enter&apos; drücken.</translation>
    </message>
    <message>
        <source>For a card press &apos;y&apos; or &apos;Y&apos; (yellow, home or visitor), &apos;x&apos; or &apos;X&apos; (red), then the shirt number and &apos;Enter&apos;.</source>
        <translation>Für eine Karte &apos;y&apos; oder &apos;Y&apos; (Gelb, Heim oder Gast), &apos;x&apos; oder &apos;X&apos; (Rot) drücken, dann die Rückennummer und &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>To see, change or remove the goals and cards press &apos;e&apos;.</source>
        <translation>Um Tore und Karten zu sehen, zu ändern oder zu entfernen, &apos;e&apos; drücken.</translation>
    </message>
    <message>
        <source>To save the match report press &apos;m&apos;.</source>
        <translation>Drücken Sie &apos;m&apos;, um den Spielbericht zu speichern.</translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 3 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation>Beispiele: &apos;25.3&apos; = 25 Minuten und 3 Sekunden, &apos;6.05&apos; = 6 Minuten und 5 Sekunden.</translation>
    </message>
    <message>
        <source>Undo and Redo</source>
        <translation>Rückgängig und Wiederholen</translation>
    </message>
    <message>
        <source>To undo the last change press &apos;Ctrl+Z&apos;; to redo it press &apos;Ctrl+Shift+Z&apos;.</source>
        <translation>Die letzte Änderung nehmen Sie mit &apos;Strg+Z&apos; zurück, mit &apos;Strg+Umschalt+Z&apos; wiederholen Sie sie.</translation>
    </message>
    <message>
        <source>The Board&apos;s Screen</source>
        <translation>Bildschirm der Tafel</translation>
    </message>
    <message>
        <source>To switch the board between full screen and a window press &apos;F11&apos;.</source>
        <translation>Mit &apos;F11&apos; wechselt die Tafel zwischen Vollbild und Fenster.</translation>
    </message>
    <message>
        <source>To move the board to the previous or next screen press &apos;Ctrl+Shift+Left&apos; or &apos;Ctrl+Shift+Right&apos;.</source>
        <translation>Auf den vorigen oder nächsten Bildschirm bringen Sie die Tafel mit &apos;Strg+Umschalt+Links&apos; oder &apos;Strg+Umschalt+Rechts&apos;.</translation>
    </message>
    <message>
        <source>Operator Console</source>
        <translation>Bedienpult</translation>
    </message>
    <message>
        <source>To open the operator console press &apos;F8&apos;.</source>
        <translation>Das Bedienpult öffnen Sie mit &apos;F8&apos;.</translation>
    </message>
    <message>
        <source>Stream Overlay</source>
        <translation>Stream-Overlay</translation>
    </message>
    <message>
        <source>To show or hide a part of the overlay press &apos;Ctrl+1&apos; (score bug), &apos;Ctrl+2&apos; (statistics), &apos;Ctrl+3&apos; (shoot-out) or &apos;Ctrl+4&apos; (full board).</source>
        <translation>Einen Teil des Overlays zeigen oder verbergen Sie mit &apos;Strg+1&apos; (Spielstand), &apos;Strg+2&apos; (Statistik), &apos;Strg+3&apos; (Elfmeterschießen) oder &apos;Strg+4&apos; (ganze Tafel).</translation>
    </message>
    <message>
        <source>To show the goal pop-up again press &apos;Ctrl+G&apos;.</source>
        <translation>Die Tor-Einblendung zeigen Sie mit &apos;Strg+G&apos; noch einmal.</translation>
    </message>
    <message>
        <source>Phones and the Web</source>
        <translation>Handys und Web</translation>
    </message>
    <message>
        <source>To run the board from a phone press &apos;o&apos;, then the &apos;Remote Control&apos; button, and scan the code it shows.</source>
        <translation>Um die Tafel vom Handy aus zu bedienen, drücken Sie &apos;o&apos;, dann die Schaltfläche &apos;Fernbedienung&apos;, und scannen Sie den angezeigten Code.</translation>
    </message>
    <message>
        <source>To publish the scoreboard on the web press &apos;o&apos; and open the &apos;Web Scoreboard&apos; tab.</source>
        <translation>Um die Anzeigetafel im Web zu veröffentlichen, drücken Sie &apos;o&apos; und öffnen den Reiter &apos;Web-Anzeigetafel&apos;.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Web-Anzeigetafel</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation>&amp;Fernbedienung</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Prüfen Sie, ob der Ordner beschreibbar und der Datenträger nicht voll ist; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Ma&amp;tch</source>
        <translation>Sp&amp;iel</translation>
    </message>
    <message>
        <source>The match has begun. Play the rest of it by the new format?</source>
        <translation>Das Spiel hat begonnen. Den Rest nach dem neuen Format spielen?</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation>Zahl mit Fokus markieren</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation>%1, läuft</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, angehalten</translation>
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
        <source>The match is over: there is no next phase</source>
        <translation>Das Spiel ist aus: Es gibt keinen nächsten Abschnitt</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Nachspielzeit wird während einer Halbzeit angezeigt</translation>
    </message>
    <message>
        <source>There is nothing to undo</source>
        <translation>Es gibt nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>There is nothing to redo</source>
        <translation>Es gibt nichts wiederherzustellen</translation>
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
        <translation>Weiter per Klick.</translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation>© 2026 Die Varnelo-Entwickler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation>Weiter zur Anzeigetafel</translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation>Drücken Sie Alt+W oder wechseln Sie mit Tab zu „Weiter“ und drücken Sie Enter, um die Anzeigetafel zu öffnen.</translation>
    </message>
</context>
</TS>
