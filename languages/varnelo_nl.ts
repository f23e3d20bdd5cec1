<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation>De laatste wedstrijd hervatten?</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1). It is kept as %2, and this game is saved anew.</source>
        <translation>Het logboek van de laatste wedstrijd kon niet worden gelezen (%1). Het blijft bewaard als %2 en deze wedstrijd wordt opnieuw opgeslagen.</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1) and is left as it is, at %2. This game will not be saved.</source>
        <translation>Het logboek van de laatste wedstrijd kon niet worden gelezen (%1) en blijft ongewijzigd staan in %2. Deze wedstrijd wordt niet opgeslagen.</translation>
    </message>
    <message>
        <source>The game is being saved again.</source>
        <translation>De wedstrijd wordt weer opgeslagen.</translation>
    </message>
    <message>
        <source>The game is not being saved (%1). Varnelo goes on trying; the board goes on as it is.</source>
        <translation>De wedstrijd wordt niet opgeslagen (%1). Varnelo blijft het proberen; het scorebord gaat gewoon door.</translation>
    </message>
</context>
<context>
    <name>BoardDesign</name>
    <message>
        <source>HOME</source>
        <translation>THUIS</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>GASTEN</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>HELFT</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation>SCHOT.</translation>
    </message>
    <message>
        <source>C/K</source>
        <translation>CR.</translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation>REDD.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation>%1 seconden</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Wedstrijdklok</translation>
    </message>
    <message>
        <source>score</source>
        <translation>doelpunten</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <comment>spoken by a screen reader</comment>
        <translation>helft</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <comment>spoken by a screen reader</comment>
        <translation>schoten</translation>
    </message>
    <message>
        <source>C/K</source>
        <comment>spoken by a screen reader</comment>
        <translation>corners</translation>
    </message>
    <message>
        <source>SAVES</source>
        <comment>spoken by a screen reader</comment>
        <translation>reddingen</translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rood %1, groen %2, blauw %3</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Thuiskleur:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Achtergrond:</translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation>Ledkleur:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Gastkleur:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Tekstkleur:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Ledachtergrond:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation>%1 wijzigen</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Herstel kleuren</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Weet u zeker dat u de standaardkleuren wilt herstellen?</translation>
    </message>
</context>
<context>
    <name>ConsolePreview</name>
    <message>
        <source>The board as the audience sees it</source>
        <translation>Het scorebord zoals het publiek het ziet</translation>
    </message>
</context>
<context>
    <name>ConsoleSwitch</name>
    <message>
        <source>Operator console</source>
        <translation>Bedieningsconsole</translation>
    </message>
</context>
<context>
    <name>DefaultSettings</name>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Gasten</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
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
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>[No File Selected]</source>
        <translation>[Geen bestand gekozen]</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Start/stoptoets:</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>de klok te starten / stoppen</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Resettoets:</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>de klok te resetten</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Zoemertoets:</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>de zoemer te laten klinken</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation>%1 wijzigen</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Zoemergeluid</translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation>Zoemergeluid wijzigen</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Herstel toetsen</translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation>Getal met focus &amp;markeren (F7)</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation>Geluiden *.wav (*.wav)</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Weet u zeker dat u de standaardtoetsen wilt herstellen?</translation>
    </message>
    <message>
        <source>Next Phase Key:</source>
        <translation>Fasetoets:</translation>
    </message>
    <message>
        <source>end the phase and start the next</source>
        <translation>de fase te beëindigen en de volgende te starten</translation>
    </message>
    <message>
        <source>Added Time Key:</source>
        <translation>Blessuretijd:</translation>
    </message>
    <message>
        <source>announce added time</source>
        <translation>de blessuretijd aan te kondigen</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <extracomment>The first choice: whatever language the desktop uses; %1 names it (&quot;Deutsch&quot;).</extracomment>
        <translation>Systeemtaal (%1)</translation>
    </message>
    <message>
        <source>The new language is shown from the next start of Varnelo.</source>
        <translation>De nieuwe taal verschijnt vanaf de volgende start van Varnelo.</translation>
    </message>
</context>
<context>
    <name>MatchDisplay</name>
    <message>
        <source>HALF-TIME</source>
        <translation>RUST</translation>
    </message>
    <message>
        <source>EXTRA TIME</source>
        <translation>VERLENGING</translation>
    </message>
    <message>
        <source>ET HALF-TIME</source>
        <translation>RUST VERLENGING</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>STRAFSCHOPPEN</translation>
    </message>
    <message>
        <source>FULL TIME</source>
        <translation>EINDE</translation>
    </message>
</context>
<context>
    <name>MatchPresets</name>
    <message>
        <source>Adult 2 × 45</source>
        <translation>Senioren 2 × 45</translation>
    </message>
    <message>
        <source>Cup 2 × 45, extra time, penalties</source>
        <translation>Beker 2 × 45, verlenging, strafschoppen</translation>
    </message>
    <message>
        <source>Youth 2 × 40</source>
        <translation>Jeugd 2 × 40</translation>
    </message>
    <message>
        <source>Youth 2 × 35</source>
        <translation>Jeugd 2 × 35</translation>
    </message>
    <message>
        <source>Youth 2 × 30</source>
        <translation>Jeugd 2 × 30</translation>
    </message>
    <message>
        <source>Youth 2 × 25</source>
        <translation>Jeugd 2 × 25</translation>
    </message>
    <message>
        <source>Futsal-style 2 × 20, counting down</source>
        <translation>Zaalvoetbal 2 × 20, aflopend</translation>
    </message>
</context>
<context>
    <name>MatchReport</name>
    <message>
        <source>en_GB</source>
        <extracomment>The locale the report&apos;s date is written in: this language&apos;s own.</extracomment>
        <translation>nl_NL</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Voor de aftrap</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Eerste helft</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Rust</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Tweede helft</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Verlenging, eerste helft</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Verlenging, rust</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Verlenging, tweede helft</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafschoppen</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Einde wedstrijd</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Gele kaart</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>The second yellow card to a player, which sends him or her off.</extracomment>
        <translation>Tweede gele kaart</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Rode kaart</translation>
    </message>
    <message>
        <source>Match report</source>
        <extracomment>The match report&apos;s title when the board has no title text.</extracomment>
        <translation>Wedstrijdverslag</translation>
    </message>
    <message>
        <source>%1, kick-off %2</source>
        <extracomment>%1 is the date, %2 the time of the kick-off.</extracomment>
        <translation>%1, aftrap %2</translation>
    </message>
    <message>
        <source>Half-time %1</source>
        <translation>Rust %1</translation>
    </message>
    <message>
        <source>after 90 minutes %1</source>
        <translation>na 90 minuten %1</translation>
    </message>
    <message>
        <source>after 120 minutes %1</source>
        <translation>na 120 minuten %1</translation>
    </message>
    <message>
        <source>penalties %1</source>
        <translation>strafschoppen %1</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Doelpunten</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Doelpuntenmaker</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kaarten</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Strafschoppenserie</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Strafschoppen</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Benut</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schoten</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Reddingen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>+%1 / %2:%3</source>
        <extracomment>Added time: %1 minutes announced, %2 (minutes:seconds) played.</extracomment>
        <translation>+%1 / %2:%3</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Fasen</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Match clock</source>
        <translation>Wedstrijdklok</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Tijdstip</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Blessuretijd</translation>
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
        <translation>PDF-document (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-tabel (*.csv)</translation>
    </message>
    <message>
        <source>JSON data (*.json)</source>
        <translation>JSON-gegevens (*.json)</translation>
    </message>
    <message>
        <source>The match report is saved as a PDF, CSV or JSON file: give the file name the suffix .pdf, .csv or .json.</source>
        <translation>Het wedstrijdverslag wordt opgeslagen als PDF-, CSV- of JSON-bestand: geef de bestandsnaam de extensie .pdf, .csv of .json.</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1 (%2). The match goes on as it is; try another folder.</source>
        <translation>Het wedstrijdverslag kon niet worden opgeslagen in %1 (%2). De wedstrijd gaat gewoon door; probeer een andere map.</translation>
    </message>
    <message>
        <source>Match report</source>
        <translation>Wedstrijdverslag</translation>
    </message>
    <message>
        <source>Full time. Save the match report now?</source>
        <translation>Einde wedstrijd. Het wedstrijdverslag nu opslaan?</translation>
    </message>
</context>
<context>
    <name>MatchTab</name>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Sjabloon:</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Sjabloon</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The preset list&apos;s entry while the fields hold no preset&apos;s format.</extracomment>
        <translation>Eigen</translation>
    </message>
    <message>
        <source>Clock counts &amp;down each half (the board&apos;s way)</source>
        <translation>Klok telt per helft af (zoals vroe&amp;ger)</translation>
    </message>
    <message>
        <source>Clock counts &amp;up through the match (soccer)</source>
        <translation>Klok telt &amp;de hele wedstrijd op (voetbal)</translation>
    </message>
    <message>
        <source>&amp;Half (minutes):</source>
        <translation>&amp;Helft (minuten):</translation>
    </message>
    <message>
        <source>Half-time &amp;break (minutes):</source>
        <translation>&amp;Rust (minuten):</translation>
    </message>
    <message>
        <source>&amp;Extra time, each half (minutes):</source>
        <translation>&amp;Verlenging, per helft (minuten):</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Shown in the extra time box at 0.</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source>Pe&amp;nalties if still level</source>
        <translation>Strafschoppen bij gelij&amp;kspel</translation>
    </message>
    <message>
        <source>Team &amp;Sheets…</source>
        <translation>Opst&amp;ellingen…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report…</source>
        <translation>Verslag opslaa&amp;n…</translation>
    </message>
    <message>
        <source>Save match report</source>
        <translation>Wedstrijdverslag opslaan</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Verslag afdrukken…</translation>
    </message>
    <message>
        <source>Print match report</source>
        <translation>Wedstrijdverslag afdrukken</translation>
    </message>
</context>
<context>
    <name>OverlayDialog</name>
    <message>
        <source>Overlay for Streams</source>
        <translation>Overlay voor streams</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay voor streams</translation>
    </message>
    <message>
        <source>Add each page to the streaming program as a browser source. The pages read the board; they cannot change it.</source>
        <translation>Voeg elke pagina als browserbron toe aan het streamingprogramma. De pagina&apos;s lezen het scorebord; ze kunnen het niet wijzigen.</translation>
    </message>
    <message>
        <source>Overlay token:</source>
        <translation>Overlaytoken:</translation>
    </message>
    <message>
        <source>New Overlay Token</source>
        <translation>Nieuw overlaytoken</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagina&apos;s:</translation>
    </message>
    <message>
        <source>Addresses of the overlay pages</source>
        <translation>Adressen van de overlaypagina&apos;s</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(volgt bij inschakelen)</translation>
    </message>
</context>
<context>
    <name>OverlayKeys</name>
    <message>
        <source>Show or hide the score bug on the stream</source>
        <translation>Scorebalk in de stream tonen of verbergen</translation>
    </message>
    <message>
        <source>Show or hide the statistics on the stream</source>
        <translation>Statistieken in de stream tonen of verbergen</translation>
    </message>
    <message>
        <source>Show or hide the shoot-out on the stream</source>
        <translation>Strafschoppenserie in de stream tonen of verbergen</translation>
    </message>
    <message>
        <source>Show or hide the whole board on the stream</source>
        <translation>Het hele scorebord in de stream tonen of verbergen</translation>
    </message>
    <message>
        <source>Show the latest goal on the stream again</source>
        <translation>Het laatste doelpunt opnieuw in de stream tonen</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue&apos;s language (de, fr, ...), for the remote page&apos;s lang attribute.</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>Varnelo Remote</source>
        <translation>Varnelo-afstandsbediening</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Koppelcode</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Koppelen</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbinden…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Opnieuw verbinden…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Start / stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Zoemer</translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation>Klok instellen</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Helft</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Doelpunten</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schoten</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Reddingen</translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation>%1 met één verlagen</translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation>%1 met één verhogen</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>%1 invoeren</translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation>verkeerde code</translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation>te veel verkeerde codes</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>geen JSON-object</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>onbekende opdracht</translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation>onbekend getal</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>buiten het bereik</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>geen geheel getal</translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation>minuten en seconden zijn gehele getallen van 0 tot en met 59</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Voor de aftrap</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Eerste helft</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Rust</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Tweede helft</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Verlenging, eerste helft</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Verlenging, rust</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Verlenging, tweede helft</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafschoppen</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Einde wedstrijd</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>On the button that changes the match&apos;s phase; %1 is the phase it goes to.</extracomment>
        <translation>Volgende: %1</translation>
    </message>
    <message>
        <source>Next phase</source>
        <translation>Volgende fase</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Added time</source>
        <extracomment>The stoppage time the fourth official announces (&quot;+3&quot;).</extracomment>
        <translation>Blessuretijd</translation>
    </message>
    <message>
        <source>One minute less</source>
        <translation>Eén minuut minder</translation>
    </message>
    <message>
        <source>One minute more</source>
        <translation>Eén minuut meer</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Aankondigen</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <extracomment>The penalty shoot-out.</extracomment>
        <translation>Strafschoppen</translation>
    </message>
    <message>
        <source>Scored</source>
        <extracomment>A penalty kick that went in.</extracomment>
        <translation>Raak</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Gemist</translation>
    </message>
    <message>
        <source>%1 of %2 kicks scored</source>
        <translation>%1 van %2 strafschoppen benut</translation>
    </message>
    <message>
        <source>the clock takes whole minutes and seconds from 0:00 to 120:00</source>
        <translation>de klok neemt hele minuten en seconden van 0:00 tot en met 120:00</translation>
    </message>
    <message>
        <source>minutes is a whole number from 0 to 30</source>
        <translation>minuten is een geheel getal van 0 tot en met 30</translation>
    </message>
    <message>
        <source>added time is announced only in a playing half</source>
        <translation>blessuretijd wordt alleen in een speelhelft aangekondigd</translation>
    </message>
    <message>
        <source>the match is in that phase already</source>
        <translation>de wedstrijd is al in die fase</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>de wedstrijd is afgelopen</translation>
    </message>
    <message>
        <source>the phase cannot change now</source>
        <translation>de fase kan nu niet veranderen</translation>
    </message>
    <message>
        <source>penalties are taken only in the shoot-out</source>
        <translation>strafschoppen worden alleen in de strafschoppenserie genomen</translation>
    </message>
    <message>
        <source>it is not that team&apos;s kick</source>
        <translation>het is niet de beurt van dat team</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Gele kaart</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Rode kaart</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>A player&apos;s second yellow card in a match, which sends them off.</extracomment>
        <translation>Tweede geel</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Doelpunt</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>The match&apos;s goals and cards, listed.</extracomment>
        <translation>Gebeurtenissen</translation>
    </message>
    <message>
        <source>Scorer</source>
        <extracomment>Who scored a goal; on a button that asks for the scorer&apos;s shirt number.</extracomment>
        <translation>Doelpuntmaker</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete digit</source>
        <translation>Cijfer wissen</translation>
    </message>
    <message>
        <source>%1 sent off</source>
        <extracomment>Read out beside a team&apos;s name: the number of its players sent off.</extracomment>
        <translation>%1 uitgesloten</translation>
    </message>
    <message>
        <source>team is &quot;home&quot; or &quot;visitor&quot;</source>
        <translation>team is &quot;home&quot; of &quot;visitor&quot;</translation>
    </message>
    <message>
        <source>colour is &quot;yellow&quot; or &quot;red&quot;</source>
        <translation>colour is &quot;yellow&quot; of &quot;red&quot;</translation>
    </message>
    <message>
        <source>player is a shirt number of up to 3 digits</source>
        <translation>player is een rugnummer van hoogstens 3 cijfers</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>onbekende gebeurtenis</translation>
    </message>
    <message>
        <source>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; or &quot;red&quot;</source>
        <translation>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; of &quot;red&quot;</translation>
    </message>
    <message>
        <source>minute is written like 23&apos; or 45+2&apos;</source>
        <translation>de minuut schrijf je als 23&apos; of 45+2&apos;</translation>
    </message>
    <message>
        <source>name is a text of up to 60 characters without control characters</source>
        <translation>de naam is een tekst van hoogstens 60 tekens zonder stuurtekens</translation>
    </message>
    <message>
        <source>editEvent takes kind, team, minute, player or name</source>
        <translation>editEvent neemt kind, team, minute, player of name</translation>
    </message>
    <message>
        <source>the card cannot be given now</source>
        <translation>de kaart kan nu niet gegeven worden</translation>
    </message>
    <message>
        <source>the event cannot take that change</source>
        <translation>de gebeurtenis kan zo niet gewijzigd worden</translation>
    </message>
    <message>
        <source>the event cannot be removed now</source>
        <translation>de gebeurtenis kan nu niet verwijderd worden</translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options: press &quot;o&quot; on the board, then the &quot;Remote Control&quot; button.</source>
        <extracomment>&quot;Remote Control&quot; is the caption of the options&apos; button that opens the pairing code.</extracomment>
        <translation>Typ de koppelcode uit de opties van het scorebord: druk op het scorebord op ‘o’ en dan op de knop ‘Op afstand’.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>On the number pad: empties what was typed.</extracomment>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>the score goes up to 99</source>
        <translation>de score gaat tot 99</translation>
    </message>
    <message>
        <source>the score does not go below 0</source>
        <translation>de score gaat niet onder 0</translation>
    </message>
    <message>
        <source>the period goes up to 4</source>
        <translation>de helft gaat tot 4</translation>
    </message>
    <message>
        <source>the period does not go below 1</source>
        <translation>de helft gaat niet onder 1</translation>
    </message>
    <message>
        <source>shots go up to 99</source>
        <translation>schoten gaan tot 99</translation>
    </message>
    <message>
        <source>shots do not go below 0</source>
        <translation>schoten gaan niet onder 0</translation>
    </message>
    <message>
        <source>corner kicks go up to 9</source>
        <translation>corners gaan tot 9</translation>
    </message>
    <message>
        <source>corner kicks go up to 99</source>
        <translation>corners gaan tot 99</translation>
    </message>
    <message>
        <source>corner kicks do not go below 0</source>
        <translation>corners gaan niet onder 0</translation>
    </message>
    <message>
        <source>saves go up to 99</source>
        <translation>reddingen gaan tot 99</translation>
    </message>
    <message>
        <source>saves do not go below 0</source>
        <translation>reddingen gaan niet onder 0</translation>
    </message>
    <message>
        <source>unknown panel</source>
        <translation>onbekend paneel</translation>
    </message>
    <message>
        <source>visible is true or false</source>
        <translation>visible is true of false</translation>
    </message>
    <message>
        <source>there is no goal to show</source>
        <translation>geen doelpunt om te tonen</translation>
    </message>
    <message>
        <source>the overlay token only reads</source>
        <translation>het overlaytoken kan alleen lezen</translation>
    </message>
    <message>
        <source>the remote control is switched off</source>
        <translation>de afstandsbediening staat uit</translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation>Bedienen met telefoon of tablet</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation>Poort van de afstandsbediening</translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation>Geldt na OK.</translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation>Open op de telefoon of scan de code:</translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation>Koppelcode:</translation>
    </message>
    <message>
        <source>New Code</source>
        <translation>Nieuwe code</translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation>Nieuwe koppelcode</translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation>QR-code met het adres van de afstandsbediening</translation>
    </message>
    <message>
        <source>1 device connected</source>
        <translation>1 apparaat verbonden</translation>
    </message>
    <message>
        <source>%1 devices connected</source>
        <translation>%1 apparaten verbonden</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(volgt bij inschakelen)</translation>
    </message>
    <message>
        <source>Show Code</source>
        <translation>Code tonen</translation>
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
        <translation>Overlay voor streams</translation>
    </message>
</context>
<context>
    <name>ScoreboardGame</name>
    <message>
        <source>&quot;%1&quot; is no time: type minutes, a point and seconds</source>
        <translation>&quot;%1&quot; is geen tijd: typ minuten, een punt en seconden</translation>
    </message>
    <message>
        <source>%1 is more than the clock can show</source>
        <translation>%1 is meer dan de klok kan tonen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>&quot;%1&quot; is geen getal</translation>
    </message>
    <message>
        <source>scores go from %1 to %2</source>
        <translation>scores gaan van %1 tot %2</translation>
    </message>
    <message>
        <source>the period goes from %1 to %2</source>
        <translation>de periode gaat van %1 tot %2</translation>
    </message>
    <message>
        <source>shots go from %1 to %2</source>
        <translation>schoten gaan van %1 tot %2</translation>
    </message>
    <message>
        <source>corner kicks go from %1 to %2</source>
        <translation>hoekschoppen gaan van %1 tot %2</translation>
    </message>
    <message>
        <source>saves go from %1 to %2</source>
        <translation>reddingen gaan van %1 tot %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <extracomment>%1 is the value typed; %2 says which values the figure takes.</extracomment>
        <translation>%1 geweigerd: %2</translation>
    </message>
    <message>
        <source>Added time goes up to %1 minutes</source>
        <translation>Blessuretijd gaat tot %1 minuten</translation>
    </message>
    <message>
        <source>A shirt number has at most %1 digits</source>
        <translation>Een rugnummer heeft hoogstens %1 cijfers</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Blessuretijd wordt tijdens een helft aangekondigd</translation>
    </message>
    <message>
        <source>There is no goal to name a scorer for</source>
        <translation>Er is geen doelpunt om een maker bij te noemen</translation>
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
        <translation>Opstellingen</translation>
    </message>
    <message>
        <source>One line per player: the shirt number, then the name.</source>
        <translation>Eén regel per speler: het rugnummer, dan de naam.</translation>
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
        <translation>Naam thuisploeg:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Naam gastploeg:</translation>
    </message>
    <message>
        <source>Home Team Identity:</source>
        <translation>Identiteit thuis:</translation>
    </message>
    <message>
        <source>Guest Team Identity:</source>
        <translation>Identiteit gasten:</translation>
    </message>
    <message>
        <source>%1: short name</source>
        <extracomment>What a screen reader says for a team&apos;s short name box, %1 naming the team&apos;s frame.</extracomment>
        <translation>%1: korte naam</translation>
    </message>
    <message>
        <source>Short name: up to 4 letters or digits</source>
        <translation>Korte naam: hoogstens 4 letters of cijfers</translation>
    </message>
    <message>
        <source>main color</source>
        <translation>hoofdkleur</translation>
    </message>
    <message>
        <source>%1: main color</source>
        <translation>%1: hoofdkleur</translation>
    </message>
    <message>
        <source>second color</source>
        <translation>tweede kleur</translation>
    </message>
    <message>
        <source>%1: second color</source>
        <translation>%1: tweede kleur</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 wijzigen</translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation>Fout bij het verzenden van gegevens naar de server!</translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation>Fout van het webscorebord</translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation>Verbinding met het webscorebord mislukt. Controleer de instellingen en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation>Verbinding mislukt. Controleer de ingevoerde URL en toegangscode en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Webscorebord</translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation>Wilt u het bijwerken van de clients stoppen? Dat is aan te raden als de wedstrijd voorbij is.</translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation>Het webscorebord is een optionele dienst die dit bord live in elke webbrowser toont. Varnelo levert er een mee: varnelo-websb, naast het programma geïnstalleerd.</translation>
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
        <translation>URL van het webscorebord</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation>Toegangscode:</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation>Toegangscode van het webscorebord</translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation>Server van het webscorebord</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation>Verbindingsfout</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Hide the passcode</source>
        <translation>Toegangscode verbergen</translation>
    </message>
    <message>
        <source>Show the passcode</source>
        <translation>Toegangscode tonen</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation>Toets kiezen</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Deze toets is al in gebruik. Kies een andere.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation>Druk op de toets om %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Before the kick-off</source>
        <translation>Voor de aftrap</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Eerste helft</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Rust</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Tweede helft</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Verlenging, eerste helft</translation>
    </message>
    <message>
        <source>Extra time, half-time</source>
        <translation>Verlenging, rust</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Verlenging, tweede helft</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Strafschoppen</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Einde wedstrijd</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Blessuretijd</translation>
    </message>
    <message>
        <source>Scorer of the last goal</source>
        <translation>Maker van het laatste doelpunt</translation>
    </message>
    <message>
        <source>Yellow card, home</source>
        <translation>Gele kaart, thuis</translation>
    </message>
    <message>
        <source>Yellow card, visitor</source>
        <translation>Gele kaart, bezoekers</translation>
    </message>
    <message>
        <source>Red card, home</source>
        <translation>Rode kaart, thuis</translation>
    </message>
    <message>
        <source>Red card, visitor</source>
        <translation>Rode kaart, bezoekers</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>&amp;Start/stop clock</source>
        <translation>Klok &amp;starten/stoppen</translation>
    </message>
    <message>
        <source>&amp;Reset clock</source>
        <translation>Klok &amp;resetten</translation>
    </message>
    <message>
        <source>&amp;Buzzer</source>
        <translation>&amp;Zoemer</translation>
    </message>
    <message>
        <source>&amp;Next phase</source>
        <translation>Volge&amp;nde fase</translation>
    </message>
    <message>
        <source>&amp;Goals and cards</source>
        <translation>&amp;Doelpunten en kaarten</translation>
    </message>
    <message>
        <source>Match re&amp;port</source>
        <translation>Wedstrijd&amp;verslag</translation>
    </message>
    <message>
        <source>Varnelo operator console</source>
        <translation>Varnelo-bedieningsconsole</translation>
    </message>
    <message>
        <source>Goals and cards:</source>
        <translation>Doelpunten en kaarten:</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Doelpunten en kaarten</translation>
    </message>
    <message>
        <source>Focus and typing</source>
        <translation>Focus en invoer</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Laatste weigering</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Bezoekers</translation>
    </message>
    <message>
        <source>Typing: %1: %2</source>
        <translation>Invoer: %1: %2</translation>
    </message>
    <message>
        <source>Focus: no figure</source>
        <translation>Focus: geen cijfer</translation>
    </message>
    <message>
        <source>Focus: %1</source>
        <translation>Focus: %1</translation>
    </message>
    <message>
        <source>Focus: %1, typed: %2</source>
        <translation>Focus: %1, getypt: %2</translation>
    </message>
    <message>
        <source>Phase: %1. The match is over.</source>
        <translation>Fase: %1. De wedstrijd is voorbij.</translation>
    </message>
    <message>
        <source>Phase: %1. Next: %2 (key %3)</source>
        <translation>Fase: %1. Volgende: %2 (toets %3)</translation>
    </message>
    <message>
        <source>Added time: only during a half</source>
        <translation>Blessuretijd: alleen tijdens een helft</translation>
    </message>
    <message>
        <source>Added time: none announced (key %1)</source>
        <translation>Blessuretijd: niets aangekondigd (toets %1)</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes, %2:%3 played</source>
        <translation>Blessuretijd: +%1 minuten, %2:%3 gespeeld</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes</source>
        <translation>Blessuretijd: +%1 minuten</translation>
    </message>
</context>
<context>
    <name>frmEvents</name>
    <message>
        <source>Goal</source>
        <translation>Doelpunt</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Gele kaart</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <translation>Tweede gele</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Rode kaart</translation>
    </message>
    <message>
        <source>A minute is written as 23&apos; or 45+2&apos;.</source>
        <translation>Een minuut schrijf je als 23&apos; of 45+2&apos;.</translation>
    </message>
    <message>
        <source>A shirt number has up to three digits.</source>
        <translation>Een rugnummer heeft hoogstens drie cijfers.</translation>
    </message>
    <message>
        <source>The event cannot take this change.</source>
        <translation>Deze gebeurtenis laat deze wijziging niet toe.</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Verwijderen...</translation>
    </message>
    <message>
        <source>Match Events</source>
        <translation>Wedstrijdgebeurtenissen</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Doelpunten en kaarten</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Ploeg</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Gasten</translation>
    </message>
    <message>
        <source>Remove this event: %1?</source>
        <translation>Deze gebeurtenis verwijderen: %1?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation>Help bekijken</translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation>Druk op het scorebord op &apos;h&apos; om de help te bekijken.</translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation>De klok instellen</translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation>Om de klok in te stellen klikt u erop, typt u de minuten, een punt ( . ) en de seconden, en drukt u op &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation>Hebt u zich vertypt en wilt u opnieuw beginnen, druk dan op de &apos;spatiebalk&apos;.</translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation>De klok bedienen</translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation>Druk op de start/stoptoets (standaard &apos;s&apos;) om de klok te starten of te stoppen.</translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation>De resettoets (standaard &apos;r&apos;) zet de klok terug op de laatst ingevoerde tijd.</translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation>Score en andere getallen wijzigen</translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation>Om een getal te wijzigen klikt u erop, typt u het getal en drukt u op &apos;Enter&apos;. Bij vakken van één cijfer drukt u gewoon het nieuwe cijfer in.</translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>Om een getal te verhogen of te verlagen klikt u erop, drukt u op &apos;+&apos; of &apos;-&apos; en typt u het cijfer dat erbij of eraf moet.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation>Druk op de zoemertoets (standaard &apos;b&apos;) om de zoemer te laten klinken.</translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation>Druk op &apos;F7&apos; om te zien welk getal de focus heeft. &apos;Esc&apos; sluit deze help.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation>Open de opties met &apos;o&apos; in het programma of met &apos;Opties&apos; in het startscherm.</translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation>In de opties kunt u de bedieningstoetsen, het geluidsbestand van de zoemer en de kleuren van het scorebord wijzigen. U kunt ook de teksten voor thuis, gasten en titel wijzigen en het webscorebord inschakelen.</translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation>Varnelo-help</translation>
    </message>
    <message>
        <source>To end a half or a break and start the next phase press the Next Phase key (default is &apos;p&apos; ).</source>
        <translation>Druk op de fasetoets (standaard &apos;p&apos;) om naar de volgende fase te gaan.</translation>
    </message>
    <message>
        <source>To announce added time press the Added Time key (default is &apos;a&apos; ), type the minutes and press &apos;Enter&apos;.</source>
        <translation>Druk voor de blessuretijd op de blessuretijdtoets (standaard &apos;a&apos;), typ de minuten en druk op &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>Goals and Cards</source>
        <translation>Doelpunten en kaarten</translation>
    </message>
    <message>
        <source>For a goal&apos;s scorer press &apos;n&apos;, the shirt number and &apos;Enter&apos;.</source>
        <translation>Voor de maker van een doelpunt: druk op &apos;n&apos;, het rugnummer en &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>For a card press &apos;y&apos; or &apos;Y&apos; (yellow, home or visitor), &apos;x&apos; or &apos;X&apos; (red), then the shirt number and &apos;Enter&apos;.</source>
        <translation>Voor een kaart: druk op &apos;y&apos; of &apos;Y&apos; (geel, thuis of gasten), &apos;x&apos; of &apos;X&apos; (rood), dan het rugnummer en &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>To see, change or remove the goals and cards press &apos;e&apos;.</source>
        <translation>Druk op &apos;e&apos; om doelpunten en kaarten te zien, te wijzigen of te verwijderen.</translation>
    </message>
    <message>
        <source>To save the match report press &apos;m&apos;.</source>
        <translation>Druk op &apos;m&apos; om het wedstrijdverslag op te slaan.</translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 3 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation>Voorbeelden: &apos;25.3&apos; = 25 minuten en 3 seconden, &apos;6.05&apos; = 6 minuten en 5 seconden.</translation>
    </message>
    <message>
        <source>Undo and Redo</source>
        <translation>Ongedaan maken en opnieuw</translation>
    </message>
    <message>
        <source>To undo the last change press &apos;Ctrl+Z&apos;; to redo it press &apos;Ctrl+Shift+Z&apos;.</source>
        <translation>Druk op &apos;Ctrl+Z&apos; om de laatste wijziging ongedaan te maken en op &apos;Ctrl+Shift+Z&apos; om haar opnieuw uit te voeren.</translation>
    </message>
    <message>
        <source>The Board&apos;s Screen</source>
        <translation>Scherm van het scorebord</translation>
    </message>
    <message>
        <source>To switch the board between full screen and a window press &apos;F11&apos;.</source>
        <translation>Druk op &apos;F11&apos; om het scorebord te wisselen tussen volledig scherm en een venster.</translation>
    </message>
    <message>
        <source>To move the board to the previous or next screen press &apos;Ctrl+Shift+Left&apos; or &apos;Ctrl+Shift+Right&apos;.</source>
        <translation>Druk op &apos;Ctrl+Shift+Links&apos; of &apos;Ctrl+Shift+Rechts&apos; om het scorebord naar het vorige of volgende scherm te verplaatsen.</translation>
    </message>
    <message>
        <source>Operator Console</source>
        <translation>Bedieningsconsole</translation>
    </message>
    <message>
        <source>To open the operator console press &apos;F8&apos;.</source>
        <translation>Druk op &apos;F8&apos; om de bedieningsconsole te openen.</translation>
    </message>
    <message>
        <source>Stream Overlay</source>
        <translation>Stream-overlay</translation>
    </message>
    <message>
        <source>To show or hide a part of the overlay press &apos;Ctrl+1&apos; (score bug), &apos;Ctrl+2&apos; (statistics), &apos;Ctrl+3&apos; (shoot-out) or &apos;Ctrl+4&apos; (full board).</source>
        <translation>Druk op &apos;Ctrl+1&apos; (score), &apos;Ctrl+2&apos; (statistieken), &apos;Ctrl+3&apos; (strafschoppen) of &apos;Ctrl+4&apos; (volledig scorebord) om een deel van de overlay te tonen of te verbergen.</translation>
    </message>
    <message>
        <source>To show the goal pop-up again press &apos;Ctrl+G&apos;.</source>
        <translation>Druk op &apos;Ctrl+G&apos; om de doelpuntmelding opnieuw te tonen.</translation>
    </message>
    <message>
        <source>Phones and the Web</source>
        <translation>Telefoons en web</translation>
    </message>
    <message>
        <source>To run the board from a phone press &apos;o&apos;, then the &apos;Remote Control&apos; button, and scan the code it shows.</source>
        <translation>Druk op &apos;o&apos;, dan op de knop &apos;Op afstand&apos; en scan de getoonde code om het scorebord met een telefoon te bedienen.</translation>
    </message>
    <message>
        <source>To publish the scoreboard on the web press &apos;o&apos; and open the &apos;Web Scoreboard&apos; tab.</source>
        <translation>Druk op &apos;o&apos; en open het tabblad &apos;Webscorebord&apos; om het scorebord op het web te publiceren.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation>Teksten</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Webscorebord</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Afstandsbediening</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation>O&amp;p afstand</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation>De instellingen konden niet in %1 worden opgeslagen. Controleer of er in de map geschreven kan worden en of de schijf niet vol is; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Wedstrijd</translation>
    </message>
    <message>
        <source>Ma&amp;tch</source>
        <translation>&amp;Wedstrijd</translation>
    </message>
    <message>
        <source>The match has begun. Play the rest of it by the new format?</source>
        <translation>De wedstrijd is begonnen. De rest spelen volgens de nieuwe opzet?</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation>Getal met focus markeren</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation>%1, loopt</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, gestopt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>The match is over: there is no next phase</source>
        <translation>De wedstrijd is voorbij: er is geen volgende fase</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Blessuretijd wordt tijdens een helft aangekondigd</translation>
    </message>
    <message>
        <source>There is nothing to undo</source>
        <translation>Er is niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>There is nothing to redo</source>
        <translation>Er is niets om opnieuw te doen</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Klik om te starten.</translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation>© 2026 De Varnelo-ontwikkelaars</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Doorgaan</translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation>Door naar het scorebord</translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation>Druk op Alt+D, of ga met Tab naar Doorgaan en druk op Enter, om het scorebord te openen.</translation>
    </message>
</context>
</TS>
