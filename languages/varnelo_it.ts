<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation>Riprendere l&apos;ultima partita?</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1). It is kept as %2, and this game is saved anew.</source>
        <translation>Non è stato possibile leggere il registro dell&apos;ultima partita (%1). Viene conservato come %2 e questa partita viene salvata da capo.</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1) and is left as it is, at %2. This game will not be saved.</source>
        <translation>Non è stato possibile leggere il registro dell&apos;ultima partita (%1), che resta com&apos;è, in %2. Questa partita non verrà salvata.</translation>
    </message>
    <message>
        <source>The game is being saved again.</source>
        <translation>La partita viene di nuovo salvata.</translation>
    </message>
    <message>
        <source>The game is not being saved (%1). Varnelo goes on trying; the board goes on as it is.</source>
        <translation>La partita non viene salvata (%1). Varnelo continua a provare; il tabellone prosegue come prima.</translation>
    </message>
</context>
<context>
    <name>BoardDesign</name>
    <message>
        <source>HOME</source>
        <translation>CASA</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>OSPITI</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation>TIRI</translation>
    </message>
    <message>
        <source>C/K</source>
        <translation>C/A</translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation>PAR.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Cronometro di gara</translation>
    </message>
    <message>
        <source>score</source>
        <translation>punteggio</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <comment>spoken by a screen reader</comment>
        <translation>tempo</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <comment>spoken by a screen reader</comment>
        <translation>tiri</translation>
    </message>
    <message>
        <source>C/K</source>
        <comment>spoken by a screen reader</comment>
        <translation>calci d&apos;angolo</translation>
    </message>
    <message>
        <source>SAVES</source>
        <comment>spoken by a screen reader</comment>
        <translation>parate</translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rosso %1, verde %2, blu %3</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Colore casa:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Sfondo:</translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation>Colore LED:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Colore ospiti:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Colore testo:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Sfondo LED:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation>Cambia %1</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Ripristinare i colori predefiniti?</translation>
    </message>
</context>
<context>
    <name>ConsolePreview</name>
    <message>
        <source>The board as the audience sees it</source>
        <translation>Il tabellone come lo vede il pubblico</translation>
    </message>
</context>
<context>
    <name>ConsoleSwitch</name>
    <message>
        <source>Operator console</source>
        <translation>Console dell’operatore</translation>
    </message>
</context>
<context>
    <name>DefaultSettings</name>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Guest</source>
        <translation>Ospiti</translation>
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
        <translation>Invio</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>[No File Selected]</source>
        <translation>[Nessun file selezionato]</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Avvio / Arresto:</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>avviare / fermare il cronometro</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Ripristino:</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>ripristinare il cronometro</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Sirena:</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>suonare la sirena</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation>Cambia il tasto %1</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Suono della sirena</translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation>Cambia il suono della sirena</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation>&amp;Evidenzia il numero attivo (F7)</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation>Suoni *.wav (*.wav)</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Ripristinare i tasti predefiniti?</translation>
    </message>
    <message>
        <source>Next Phase Key:</source>
        <translation>Fase successiva:</translation>
    </message>
    <message>
        <source>end the phase and start the next</source>
        <translation>terminare la fase e passare alla successiva</translation>
    </message>
    <message>
        <source>Added Time Key:</source>
        <translation>Recupero:</translation>
    </message>
    <message>
        <source>announce added time</source>
        <translation>annunciare il recupero</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <extracomment>The first choice: whatever language the desktop uses; %1 names it (&quot;Deutsch&quot;).</extracomment>
        <translation>Sistema (%1)</translation>
    </message>
    <message>
        <source>The new language is shown from the next start of Varnelo.</source>
        <translation>La nuova lingua sarà usata dal prossimo avvio di Varnelo.</translation>
    </message>
</context>
<context>
    <name>MatchDisplay</name>
    <message>
        <source>HALF-TIME</source>
        <translation>INTERVALLO</translation>
    </message>
    <message>
        <source>EXTRA TIME</source>
        <translation>SUPPLEMENTARI</translation>
    </message>
    <message>
        <source>ET HALF-TIME</source>
        <translation>INTERVALLO SUPPLEMENTARI</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>RIGORI</translation>
    </message>
    <message>
        <source>FULL TIME</source>
        <translation>FINE PARTITA</translation>
    </message>
</context>
<context>
    <name>MatchPresets</name>
    <message>
        <source>Adult 2 × 45</source>
        <translation>Adulti 2 × 45</translation>
    </message>
    <message>
        <source>Cup 2 × 45, extra time, penalties</source>
        <translation>Coppa 2 × 45, supplementari, rigori</translation>
    </message>
    <message>
        <source>Youth 2 × 40</source>
        <translation>Giovanili 2 × 40</translation>
    </message>
    <message>
        <source>Youth 2 × 35</source>
        <translation>Giovanili 2 × 35</translation>
    </message>
    <message>
        <source>Youth 2 × 30</source>
        <translation>Giovanili 2 × 30</translation>
    </message>
    <message>
        <source>Youth 2 × 25</source>
        <translation>Giovanili 2 × 25</translation>
    </message>
    <message>
        <source>Futsal-style 2 × 20, counting down</source>
        <translation>Stile futsal 2 × 20, a scalare</translation>
    </message>
</context>
<context>
    <name>MatchReport</name>
    <message>
        <source>en_GB</source>
        <extracomment>The locale the report&apos;s date is written in: this language&apos;s own.</extracomment>
        <translation>it_IT</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Prima del calcio d&apos;inizio</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primo tempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Secondo tempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Supplementari, primo tempo</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Supplementari, intervallo</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Supplementari, secondo tempo</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Rigori</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Cartellino giallo</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>The second yellow card to a player, which sends him or her off.</extracomment>
        <translation>Secondo giallo</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Cartellino rosso</translation>
    </message>
    <message>
        <source>Match report</source>
        <extracomment>The match report&apos;s title when the board has no title text.</extracomment>
        <translation>Rapporto della partita</translation>
    </message>
    <message>
        <source>%1, kick-off %2</source>
        <extracomment>%1 is the date, %2 the time of the kick-off.</extracomment>
        <translation>%1, calcio d&apos;inizio %2</translation>
    </message>
    <message>
        <source>Half-time %1</source>
        <translation>Primo tempo %1</translation>
    </message>
    <message>
        <source>after 90 minutes %1</source>
        <translation>dopo 90 minuti %1</translation>
    </message>
    <message>
        <source>after 120 minutes %1</source>
        <translation>dopo 120 minuti %1</translation>
    </message>
    <message>
        <source>penalties %1</source>
        <translation>rigori %1</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Marcatore</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartellini</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartellino</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Calci di rigore</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Tiri</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Segnati</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiri</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Calci d&apos;angolo</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Parate</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>+%1 / %2:%3</source>
        <extracomment>Added time: %1 minutes announced, %2 (minutes:seconds) played.</extracomment>
        <translation>+%1 / %2:%3</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Fasi</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Match clock</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Recupero</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
</context>
<context>
    <name>MatchReportFile</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabella CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON data (*.json)</source>
        <translation>Dati JSON (*.json)</translation>
    </message>
    <message>
        <source>The match report is saved as a PDF, CSV or JSON file: give the file name the suffix .pdf, .csv or .json.</source>
        <translation>Il rapporto della partita si salva come file PDF, CSV o JSON: date al nome del file l’estensione .pdf, .csv o .json.</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1 (%2). The match goes on as it is; try another folder.</source>
        <translation>Non è stato possibile salvare il rapporto della partita in %1 (%2). La partita continua così; provate un’altra cartella.</translation>
    </message>
    <message>
        <source>Match report</source>
        <translation>Rapporto della partita</translation>
    </message>
    <message>
        <source>Full time. Save the match report now?</source>
        <translation>Fine partita. Salvare ora il rapporto della partita?</translation>
    </message>
</context>
<context>
    <name>MatchTab</name>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Modello:</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The preset list&apos;s entry while the fields hold no preset&apos;s format.</extracomment>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Clock counts &amp;down each half (the board&apos;s way)</source>
        <translation>Cronometro a &amp;scalare per ogni tempo (come prima)</translation>
    </message>
    <message>
        <source>Clock counts &amp;up through the match (soccer)</source>
        <translation>Cronometro &amp;crescente per tutta la partita (calcio)</translation>
    </message>
    <message>
        <source>&amp;Half (minutes):</source>
        <translation>&amp;Durata di un tempo (minuti):</translation>
    </message>
    <message>
        <source>Half-time &amp;break (minutes):</source>
        <translation>&amp;Intervallo (minuti):</translation>
    </message>
    <message>
        <source>&amp;Extra time, each half (minutes):</source>
        <translation>Tempi s&amp;upplementari, ciascuno (minuti):</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Shown in the extra time box at 0.</extracomment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Pe&amp;nalties if still level</source>
        <translation>&amp;Rigori in caso di parità</translation>
    </message>
    <message>
        <source>Team &amp;Sheets…</source>
        <translation>&amp;Formazioni…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report…</source>
        <translation>Sal&amp;va rapporto…</translation>
    </message>
    <message>
        <source>Save match report</source>
        <translation>Salva il rapporto della partita</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Stampa rapporto…</translation>
    </message>
    <message>
        <source>Print match report</source>
        <translation>Stampa il rapporto della partita</translation>
    </message>
</context>
<context>
    <name>OverlayDialog</name>
    <message>
        <source>Overlay for Streams</source>
        <translation>Overlay per lo streaming</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay per lo streaming</translation>
    </message>
    <message>
        <source>Add each page to the streaming program as a browser source. The pages read the board; they cannot change it.</source>
        <translation>Aggiungi ogni pagina al programma di streaming come sorgente browser. Le pagine leggono il tabellone; non possono modificarlo.</translation>
    </message>
    <message>
        <source>Overlay token:</source>
        <translation>Token dell&apos;overlay:</translation>
    </message>
    <message>
        <source>New Overlay Token</source>
        <translation>Nuovo token</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagine:</translation>
    </message>
    <message>
        <source>Addresses of the overlay pages</source>
        <translation>Indirizzi delle pagine dell&apos;overlay</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(creato all&apos;attivazione)</translation>
    </message>
</context>
<context>
    <name>OverlayKeys</name>
    <message>
        <source>Show or hide the score bug on the stream</source>
        <translation>Mostra o nascondi il punteggio nello streaming</translation>
    </message>
    <message>
        <source>Show or hide the statistics on the stream</source>
        <translation>Mostra o nascondi le statistiche nello streaming</translation>
    </message>
    <message>
        <source>Show or hide the shoot-out on the stream</source>
        <translation>Mostra o nascondi i rigori nello streaming</translation>
    </message>
    <message>
        <source>Show or hide the whole board on the stream</source>
        <translation>Mostra o nascondi l&apos;intero tabellone nello streaming</translation>
    </message>
    <message>
        <source>Show the latest goal on the stream again</source>
        <translation>Mostra di nuovo l&apos;ultimo gol nello streaming</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Varnelo Remote</source>
        <translation>Telecomando Varnelo</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Codice di abbinamento</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Abbina</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connessione…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Riconnessione…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Avvia / Ferma</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation>Imposta il cronometro</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiri</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Calci d&apos;angolo</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Parate</translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation>%1 meno uno</translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation>%1 più uno</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Inserisci %1</translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation>codice errato</translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation>troppi codici errati</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>non è un oggetto JSON</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando sconosciuto</translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation>contatore sconosciuto</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fuori intervallo</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>non è un numero intero</translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation>minuti e secondi sono numeri interi da 0 a 59</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue&apos;s language (de, fr, ...), for the remote page&apos;s lang attribute.</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Prima del calcio d&apos;inizio</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primo tempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Secondo tempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Supplementari, primo tempo</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Supplementari, intervallo</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Supplementari, secondo tempo</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Rigori</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>On the button that changes the match&apos;s phase; %1 is the phase it goes to.</extracomment>
        <translation>Avanti: %1</translation>
    </message>
    <message>
        <source>Next phase</source>
        <translation>Fase successiva</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Added time</source>
        <extracomment>The stoppage time the fourth official announces (&quot;+3&quot;).</extracomment>
        <translation>Recupero</translation>
    </message>
    <message>
        <source>One minute less</source>
        <translation>Un minuto in meno</translation>
    </message>
    <message>
        <source>One minute more</source>
        <translation>Un minuto in più</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Annuncia</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <extracomment>The penalty shoot-out.</extracomment>
        <translation>Rigori</translation>
    </message>
    <message>
        <source>Scored</source>
        <extracomment>A penalty kick that went in.</extracomment>
        <translation>Segnato</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Sbagliato</translation>
    </message>
    <message>
        <source>%1 of %2 kicks scored</source>
        <translation>%1 rigori segnati su %2</translation>
    </message>
    <message>
        <source>the clock takes whole minutes and seconds from 0:00 to 120:00</source>
        <translation>l&apos;orologio accetta minuti e secondi interi da 0:00 a 120:00</translation>
    </message>
    <message>
        <source>minutes is a whole number from 0 to 30</source>
        <translation>i minuti sono un numero intero da 0 a 30</translation>
    </message>
    <message>
        <source>added time is announced only in a playing half</source>
        <translation>il recupero si annuncia solo durante un tempo di gioco</translation>
    </message>
    <message>
        <source>the match is in that phase already</source>
        <translation>la partita è già in questa fase</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>la partita è finita</translation>
    </message>
    <message>
        <source>the phase cannot change now</source>
        <translation>la fase non può cambiare ora</translation>
    </message>
    <message>
        <source>penalties are taken only in the shoot-out</source>
        <translation>i rigori si tirano solo nella lotteria finale</translation>
    </message>
    <message>
        <source>it is not that team&apos;s kick</source>
        <translation>non tocca a questa squadra</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Cartellino giallo</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Cartellino rosso</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>A player&apos;s second yellow card in a match, which sends them off.</extracomment>
        <translation>Secondo giallo</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>The match&apos;s goals and cards, listed.</extracomment>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Scorer</source>
        <extracomment>Who scored a goal; on a button that asks for the scorer&apos;s shirt number.</extracomment>
        <translation>Marcatore</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Delete digit</source>
        <translation>Cancella cifra</translation>
    </message>
    <message>
        <source>%1 sent off</source>
        <extracomment>Read out beside a team&apos;s name: the number of its players sent off.</extracomment>
        <translation>%1 espulsi</translation>
    </message>
    <message>
        <source>team is &quot;home&quot; or &quot;visitor&quot;</source>
        <translation>team è &quot;home&quot; o &quot;visitor&quot;</translation>
    </message>
    <message>
        <source>colour is &quot;yellow&quot; or &quot;red&quot;</source>
        <translation>colour è &quot;yellow&quot; o &quot;red&quot;</translation>
    </message>
    <message>
        <source>player is a shirt number of up to 3 digits</source>
        <translation>player è un numero di maglia di massimo 3 cifre</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>evento sconosciuto</translation>
    </message>
    <message>
        <source>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; or &quot;red&quot;</source>
        <translation>kind è &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; o &quot;red&quot;</translation>
    </message>
    <message>
        <source>minute is written like 23&apos; or 45+2&apos;</source>
        <translation>il minuto si scrive come 23&apos; o 45+2&apos;</translation>
    </message>
    <message>
        <source>name is a text of up to 60 characters without control characters</source>
        <translation>il nome è un testo di massimo 60 caratteri senza caratteri di controllo</translation>
    </message>
    <message>
        <source>editEvent takes kind, team, minute, player or name</source>
        <translation>editEvent accetta kind, team, minute, player o name</translation>
    </message>
    <message>
        <source>the card cannot be given now</source>
        <translation>il cartellino non può essere dato ora</translation>
    </message>
    <message>
        <source>the event cannot take that change</source>
        <translation>l&apos;evento non può essere modificato così</translation>
    </message>
    <message>
        <source>the event cannot be removed now</source>
        <translation>l&apos;evento non può essere rimosso ora</translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options: press &quot;o&quot; on the board, then the &quot;Remote Control&quot; button.</source>
        <extracomment>&quot;Remote Control&quot; is the caption of the options&apos; button that opens the pairing code.</extracomment>
        <translation>Digitare il codice di abbinamento mostrato nelle opzioni del tabellone: premere «o» sul tabellone, poi il pulsante «Telecomando».</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>On the number pad: empties what was typed.</extracomment>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>the score goes up to 99</source>
        <translation>il punteggio arriva fino a 99</translation>
    </message>
    <message>
        <source>the score does not go below 0</source>
        <translation>il punteggio non scende sotto 0</translation>
    </message>
    <message>
        <source>the period goes up to 4</source>
        <translation>il tempo arriva fino a 4</translation>
    </message>
    <message>
        <source>the period does not go below 1</source>
        <translation>il tempo non scende sotto 1</translation>
    </message>
    <message>
        <source>shots go up to 99</source>
        <translation>i tiri arrivano fino a 99</translation>
    </message>
    <message>
        <source>shots do not go below 0</source>
        <translation>i tiri non scendono sotto 0</translation>
    </message>
    <message>
        <source>corner kicks go up to 9</source>
        <translation>i calci d’angolo arrivano fino a 9</translation>
    </message>
    <message>
        <source>corner kicks go up to 99</source>
        <translation>i calci d’angolo arrivano fino a 99</translation>
    </message>
    <message>
        <source>corner kicks do not go below 0</source>
        <translation>i calci d’angolo non scendono sotto 0</translation>
    </message>
    <message>
        <source>saves go up to 99</source>
        <translation>le parate arrivano fino a 99</translation>
    </message>
    <message>
        <source>saves do not go below 0</source>
        <translation>le parate non scendono sotto 0</translation>
    </message>
    <message>
        <source>unknown panel</source>
        <translation>pannello sconosciuto</translation>
    </message>
    <message>
        <source>visible is true or false</source>
        <translation>visible è true o false</translation>
    </message>
    <message>
        <source>there is no goal to show</source>
        <translation>nessun gol da mostrare</translation>
    </message>
    <message>
        <source>the overlay token only reads</source>
        <translation>il token dell&apos;overlay può solo leggere</translation>
    </message>
    <message>
        <source>the remote control is switched off</source>
        <translation>il telecomando è disattivato</translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation>Gestire il tabellone da telefono o tablet</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation>Porta del telecomando</translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation>Valido dopo OK.</translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation>Aprire sul telefono o scansionare il codice:</translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation>Abbinamento:</translation>
    </message>
    <message>
        <source>New Code</source>
        <translation>Nuovo codice</translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation>Nuovo codice di abbinamento</translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation>Codice QR dell&apos;indirizzo del telecomando</translation>
    </message>
    <message>
        <source>1 device connected</source>
        <translation>1 dispositivo connesso</translation>
    </message>
    <message>
        <source>%1 devices connected</source>
        <translation>%1 dispositivi connessi</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(creato all&apos;attivazione)</translation>
    </message>
    <message>
        <source>Show Code</source>
        <translation>Mostra codice</translation>
    </message>
    <message>
        <source>Hide Code</source>
        <translation>Nascondi codice</translation>
    </message>
    <message>
        <source>Overlay…</source>
        <translation>Overlay…</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay per lo streaming</translation>
    </message>
</context>
<context>
    <name>ScoreboardGame</name>
    <message>
        <source>&quot;%1&quot; is no time: type minutes, a point and seconds</source>
        <translation>&quot;%1&quot; non è un tempo: digitare minuti, un punto e secondi</translation>
    </message>
    <message>
        <source>%1 is more than the clock can show</source>
        <translation>%1 è più di quanto l’orologio possa mostrare</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>&quot;%1&quot; non è un numero</translation>
    </message>
    <message>
        <source>scores go from %1 to %2</source>
        <translation>i gol vanno da %1 a %2</translation>
    </message>
    <message>
        <source>the period goes from %1 to %2</source>
        <translation>il periodo va da %1 a %2</translation>
    </message>
    <message>
        <source>shots go from %1 to %2</source>
        <translation>i tiri vanno da %1 a %2</translation>
    </message>
    <message>
        <source>corner kicks go from %1 to %2</source>
        <translation>i calci d’angolo vanno da %1 a %2</translation>
    </message>
    <message>
        <source>saves go from %1 to %2</source>
        <translation>le parate vanno da %1 a %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <extracomment>%1 is the value typed; %2 says which values the figure takes.</extracomment>
        <translation>%1 rifiutato: %2</translation>
    </message>
    <message>
        <source>Added time goes up to %1 minutes</source>
        <translation>Il recupero arriva fino a %1 minuti</translation>
    </message>
    <message>
        <source>A shirt number has at most %1 digits</source>
        <translation>Un numero di maglia ha al massimo %1 cifre</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Il recupero si annuncia durante un tempo</translation>
    </message>
    <message>
        <source>There is no goal to name a scorer for</source>
        <translation>Non c’è nessun gol a cui dare un marcatore</translation>
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
        <translation>Formazioni</translation>
    </message>
    <message>
        <source>One line per player: the shirt number, then the name.</source>
        <translation>Una riga per giocatore: il numero di maglia, poi il nome.</translation>
    </message>
</context>
<context>
    <name>TextsTab</name>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Nome della squadra di casa:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Nome della squadra ospite:</translation>
    </message>
    <message>
        <source>Home Team Identity:</source>
        <translation>Identità casa:</translation>
    </message>
    <message>
        <source>Guest Team Identity:</source>
        <translation>Identità ospiti:</translation>
    </message>
    <message>
        <source>%1: short name</source>
        <extracomment>What a screen reader says for a team&apos;s short name box, %1 naming the team&apos;s frame.</extracomment>
        <translation>%1: nome breve</translation>
    </message>
    <message>
        <source>Short name: up to 4 letters or digits</source>
        <translation>Nome breve: fino a 4 lettere o cifre</translation>
    </message>
    <message>
        <source>main color</source>
        <translation>colore principale</translation>
    </message>
    <message>
        <source>%1: main color</source>
        <translation>%1: colore principale</translation>
    </message>
    <message>
        <source>second color</source>
        <translation>colore secondario</translation>
    </message>
    <message>
        <source>%1: second color</source>
        <translation>%1: colore secondario</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambia %1</translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation>Errore nell&apos;invio dei dati al server!</translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation>Errore del tabellone web</translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation>Connessione al tabellone web non riuscita. Controllare le impostazioni e riprovare.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation>Connessione non riuscita. Controllare l&apos;URL e il codice di accesso inseriti e riprovare.</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Tabellone web</translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation>Interrompere l&apos;invio degli aggiornamenti? È consigliato a fine partita.</translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation>Il tabellone web è un servizio facoltativo che mostra questo tabellone in diretta in qualsiasi browser. Varnelo ne include uno, varnelo-websb, installato accanto al programma.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL:</source>
        <translation>URL del tabellone web:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL</source>
        <translation>URL del tabellone web</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation>Codice di accesso:</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation>Codice di accesso del tabellone web</translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation>Server del tabellone web:</translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation>Server del tabellone web</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connesso</translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation>Errore di connessione</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Hide the passcode</source>
        <translation>Nascondi il codice di accesso</translation>
    </message>
    <message>
        <source>Show the passcode</source>
        <translation>Mostra il codice di accesso</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation>Scelta del tasto</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Tasto già in uso, sceglierne un altro.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation>Premere il tasto per %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Before the kick-off</source>
        <translation>Prima del calcio d’inizio</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primo tempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Secondo tempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Supplementari, primo tempo</translation>
    </message>
    <message>
        <source>Extra time, half-time</source>
        <translation>Supplementari, intervallo</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Supplementari, secondo tempo</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Rigori</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Recupero</translation>
    </message>
    <message>
        <source>Scorer of the last goal</source>
        <translation>Marcatore dell’ultimo gol</translation>
    </message>
    <message>
        <source>Yellow card, home</source>
        <translation>Cartellino giallo, casa</translation>
    </message>
    <message>
        <source>Yellow card, visitor</source>
        <translation>Cartellino giallo, ospiti</translation>
    </message>
    <message>
        <source>Red card, home</source>
        <translation>Cartellino rosso, casa</translation>
    </message>
    <message>
        <source>Red card, visitor</source>
        <translation>Cartellino rosso, ospiti</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>&amp;Start/stop clock</source>
        <translation>Avvia/&amp;ferma orologio</translation>
    </message>
    <message>
        <source>&amp;Reset clock</source>
        <translation>&amp;Azzera orologio</translation>
    </message>
    <message>
        <source>&amp;Buzzer</source>
        <translation>&amp;Sirena</translation>
    </message>
    <message>
        <source>&amp;Next phase</source>
        <translation>Fase s&amp;uccessiva</translation>
    </message>
    <message>
        <source>&amp;Goals and cards</source>
        <translation>&amp;Gol e cartellini</translation>
    </message>
    <message>
        <source>Match re&amp;port</source>
        <translation>&amp;Referto della partita</translation>
    </message>
    <message>
        <source>Varnelo operator console</source>
        <translation>Console dell’operatore Varnelo</translation>
    </message>
    <message>
        <source>Goals and cards:</source>
        <translation>Gol e cartellini:</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Gol e cartellini</translation>
    </message>
    <message>
        <source>Focus and typing</source>
        <translation>Focus e digitazione</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Ultimo rifiuto</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Ospiti</translation>
    </message>
    <message>
        <source>Typing: %1: %2</source>
        <translation>Digitazione: %1: %2</translation>
    </message>
    <message>
        <source>Focus: no figure</source>
        <translation>Focus: nessuna cifra</translation>
    </message>
    <message>
        <source>Focus: %1</source>
        <translation>Focus: %1</translation>
    </message>
    <message>
        <source>Focus: %1, typed: %2</source>
        <translation>Focus: %1, digitato: %2</translation>
    </message>
    <message>
        <source>Phase: %1. The match is over.</source>
        <translation>Fase: %1. La partita è finita.</translation>
    </message>
    <message>
        <source>Phase: %1. Next: %2 (key %3)</source>
        <translation>Fase: %1. Poi: %2 (tasto %3)</translation>
    </message>
    <message>
        <source>Added time: only during a half</source>
        <translation>Recupero: solo durante un tempo</translation>
    </message>
    <message>
        <source>Added time: none announced (key %1)</source>
        <translation>Recupero: nessuno annunciato (tasto %1)</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes, %2:%3 played</source>
        <translation>Recupero: +%1 minuti, %2:%3 giocati</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes</source>
        <translation>Recupero: +%1 minuti</translation>
    </message>
</context>
<context>
    <name>frmEvents</name>
    <message>
        <source>Goal</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Ammonizione</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <translation>Seconda ammonizione</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Espulsione</translation>
    </message>
    <message>
        <source>A minute is written as 23&apos; or 45+2&apos;.</source>
        <translation>Un minuto si scrive come 23&apos; o 45+2&apos;.</translation>
    </message>
    <message>
        <source>A shirt number has up to three digits.</source>
        <translation>Un numero di maglia ha al massimo tre cifre.</translation>
    </message>
    <message>
        <source>The event cannot take this change.</source>
        <translation>Questo evento non accetta questa modifica.</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Rimuovi...</translation>
    </message>
    <message>
        <source>Match Events</source>
        <translation>Eventi della partita</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Gol e cartellini</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Squadra</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Ri&amp;pristina</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Ospite</translation>
    </message>
    <message>
        <source>Remove this event: %1?</source>
        <translation>Rimuovere questo evento: %1?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation>Aprire la guida</translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation>Per aprire la guida dal tabellone, premere &apos;h&apos;.</translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation>Impostare il cronometro</translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation>Per impostare il cronometro, fare clic su di esso, digitare i minuti, un punto ( . ), i secondi, poi premere &apos;Invio&apos;.</translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation>Se si sbaglia a digitare e si vuole ricominciare, premere la &apos;barra spaziatrice&apos;.</translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation>Gestire il cronometro</translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation>Per avviare o fermare il cronometro, premere il tasto Avvio / Arresto (predefinito &apos;s&apos;).</translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation>Per tornare all&apos;ultimo tempo inserito, premere il tasto Ripristino (predefinito &apos;r&apos;).</translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation>Modificare punteggi e altri numeri</translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation>Per modificare un numero, fare clic su di esso, digitare il valore e premere &apos;Invio&apos;. Nelle caselle a una cifra basta premere la nuova cifra.</translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>Per aumentare o diminuire un numero, fare clic su di esso, premere &apos;+&apos; o &apos;-&apos; e digitare la cifra da aggiungere o sottrarre.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation>Per suonare la sirena, premere il tasto Sirena (predefinito &apos;b&apos;).</translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation>Per mostrare quale numero è selezionato, premere &apos;F7&apos;. &apos;Esc&apos; chiude questa guida.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation>Per aprire le opzioni, premere &apos;o&apos; nel programma o fare clic su &apos;Opzioni&apos; all&apos;avvio.</translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation>Nelle opzioni si possono cambiare i tasti di comando, il file audio della sirena e i colori del tabellone. Si possono anche cambiare il titolo e i nomi delle squadre di casa e ospite, e attivare il tabellone web.</translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation>Guida di Varnelo</translation>
    </message>
    <message>
        <source>To end a half or a break and start the next phase press the Next Phase key (default is &apos;p&apos; ).</source>
        <translation>Per passare alla fase successiva, premere il tasto Fase successiva (predefinito &apos;p&apos;).</translation>
    </message>
    <message>
        <source>To announce added time press the Added Time key (default is &apos;a&apos; ), type the minutes and press &apos;Enter&apos;.</source>
        <translation>Per annunciare il recupero, premere il tasto Recupero (predefinito &apos;a&apos;), digitare i minuti e premere &apos;Invio&apos;.</translation>
    </message>
    <message>
        <source>Goals and Cards</source>
        <translation>Gol e cartellini</translation>
    </message>
    <message>
        <source>For a goal&apos;s scorer press &apos;n&apos;, the shirt number and &apos;Enter&apos;.</source>
        <translation>Per il marcatore premere &apos;n&apos;, il numero di maglia e &apos;Invio&apos;.</translation>
    </message>
    <message>
        <source>For a card press &apos;y&apos; or &apos;Y&apos; (yellow, home or visitor), &apos;x&apos; or &apos;X&apos; (red), then the shirt number and &apos;Enter&apos;.</source>
        <translation>Per un cartellino premere &apos;y&apos; o &apos;Y&apos; (giallo, casa o ospite), &apos;x&apos; o &apos;X&apos; (rosso), poi il numero di maglia e &apos;Invio&apos;.</translation>
    </message>
    <message>
        <source>To see, change or remove the goals and cards press &apos;e&apos;.</source>
        <translation>Per vedere, modificare o rimuovere gol e cartellini premere &apos;e&apos;.</translation>
    </message>
    <message>
        <source>To save the match report press &apos;m&apos;.</source>
        <translation>Per salvare il rapporto della partita premere &apos;m&apos;.</translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 3 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation>Esempi: &apos;25.3&apos; = 25 minuti e 3 secondi, &apos;6.05&apos; = 6 minuti e 5 secondi.</translation>
    </message>
    <message>
        <source>Undo and Redo</source>
        <translation>Annulla e ripristina</translation>
    </message>
    <message>
        <source>To undo the last change press &apos;Ctrl+Z&apos;; to redo it press &apos;Ctrl+Shift+Z&apos;.</source>
        <translation>Per annullare l&apos;ultima modifica premere &apos;Ctrl+Z&apos;; per ripristinarla &apos;Ctrl+Maiusc+Z&apos;.</translation>
    </message>
    <message>
        <source>The Board&apos;s Screen</source>
        <translation>Schermo del tabellone</translation>
    </message>
    <message>
        <source>To switch the board between full screen and a window press &apos;F11&apos;.</source>
        <translation>Per passare il tabellone tra schermo intero e finestra premere &apos;F11&apos;.</translation>
    </message>
    <message>
        <source>To move the board to the previous or next screen press &apos;Ctrl+Shift+Left&apos; or &apos;Ctrl+Shift+Right&apos;.</source>
        <translation>Per spostare il tabellone sullo schermo precedente o successivo premere &apos;Ctrl+Maiusc+Sinistra&apos; o &apos;Ctrl+Maiusc+Destra&apos;.</translation>
    </message>
    <message>
        <source>Operator Console</source>
        <translation>Console dell’operatore</translation>
    </message>
    <message>
        <source>To open the operator console press &apos;F8&apos;.</source>
        <translation>Per aprire la console dell’operatore premere &apos;F8&apos;.</translation>
    </message>
    <message>
        <source>Stream Overlay</source>
        <translation>Overlay della diretta</translation>
    </message>
    <message>
        <source>To show or hide a part of the overlay press &apos;Ctrl+1&apos; (score bug), &apos;Ctrl+2&apos; (statistics), &apos;Ctrl+3&apos; (shoot-out) or &apos;Ctrl+4&apos; (full board).</source>
        <translation>Per mostrare o nascondere una parte dell’overlay premere &apos;Ctrl+1&apos; (punteggio), &apos;Ctrl+2&apos; (statistiche), &apos;Ctrl+3&apos; (rigori) o &apos;Ctrl+4&apos; (tabellone completo).</translation>
    </message>
    <message>
        <source>To show the goal pop-up again press &apos;Ctrl+G&apos;.</source>
        <translation>Per mostrare di nuovo l’avviso del gol premere &apos;Ctrl+G&apos;.</translation>
    </message>
    <message>
        <source>Phones and the Web</source>
        <translation>Telefoni e web</translation>
    </message>
    <message>
        <source>To run the board from a phone press &apos;o&apos;, then the &apos;Remote Control&apos; button, and scan the code it shows.</source>
        <translation>Per comandare il tabellone da un telefono premere &apos;o&apos;, poi il pulsante &apos;Telecomando&apos;, e inquadrare il codice mostrato.</translation>
    </message>
    <message>
        <source>To publish the scoreboard on the web press &apos;o&apos; and open the &apos;Web Scoreboard&apos; tab.</source>
        <translation>Per pubblicare il tabellone sul web premere &apos;o&apos; e aprire la scheda &apos;Tabellone web&apos;.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Comandi da tastiera</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation>Testi</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Tabellone web</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation>&amp;Telecomando</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation>Impossibile salvare le impostazioni in %1. Verificare che la cartella sia scrivibile e che il disco non sia pieno; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Ma&amp;tch</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>The match has begun. Play the rest of it by the new format?</source>
        <translation>La partita è iniziata. Giocare il resto con il nuovo formato?</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation>Evidenzia il numero attivo</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation>%1, in corso</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, fermo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>The match is over: there is no next phase</source>
        <translation>La partita è finita: non c’è una fase successiva</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Il recupero si annuncia durante un tempo</translation>
    </message>
    <message>
        <source>There is nothing to undo</source>
        <translation>Non c’è nulla da annullare</translation>
    </message>
    <message>
        <source>There is nothing to redo</source>
        <translation>Non c’è nulla da ripetere</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Clic per iniziare.</translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation>© 2026 Gli sviluppatori di Varnelo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation>Vai al tabellone</translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation>Premere Alt+C, oppure Tab fino a Continua e poi Invio, per aprire il tabellone.</translation>
    </message>
</context>
</TS>
