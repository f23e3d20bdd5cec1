<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation>Retomar a última partida?</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1). It is kept as %2, and this game is saved anew.</source>
        <translation>Não foi possível ler o registro da última partida (%1). Ele foi mantido como %2, e esta partida é salva de novo.</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1) and is left as it is, at %2. This game will not be saved.</source>
        <translation>Não foi possível ler o registro da última partida (%1), que fica como está, em %2. Esta partida não será salva.</translation>
    </message>
    <message>
        <source>The game is being saved again.</source>
        <translation>A partida voltou a ser salva.</translation>
    </message>
    <message>
        <source>The game is not being saved (%1). Varnelo goes on trying; the board goes on as it is.</source>
        <translation>A partida não está sendo salva (%1). O Varnelo continua tentando; o placar segue como está.</translation>
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
        <translation>VISITANTE</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation>CHUT.</translation>
    </message>
    <message>
        <source>C/K</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation>DEFES.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Cronômetro da partida</translation>
    </message>
    <message>
        <source>score</source>
        <translation>gols</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <comment>spoken by a screen reader</comment>
        <translation>tempo</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <comment>spoken by a screen reader</comment>
        <translation>chutes</translation>
    </message>
    <message>
        <source>C/K</source>
        <comment>spoken by a screen reader</comment>
        <translation>escanteios</translation>
    </message>
    <message>
        <source>SAVES</source>
        <comment>spoken by a screen reader</comment>
        <translation>defesas</translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>vermelho %1, verde %2, azul %3</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Cor da casa:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fundo:</translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation>Cor do LED:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Cor visitante:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Cor do texto:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Fundo do LED:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation>Alterar %1</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Redefinir cores</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Tem certeza de que deseja redefinir as cores?</translation>
    </message>
</context>
<context>
    <name>ConsolePreview</name>
    <message>
        <source>The board as the audience sees it</source>
        <translation>O placar como o público o vê</translation>
    </message>
</context>
<context>
    <name>ConsoleSwitch</name>
    <message>
        <source>Operator console</source>
        <translation>Console do operador</translation>
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
        <translation>Visitante</translation>
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
        <translation>Espaço</translation>
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
        <translation>[Nenhum arquivo selecionado]</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Tecla inicia/para:</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>iniciar ou parar o cronômetro</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Tecla reinicia:</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>reiniciar o cronômetro</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Tecla da sirene:</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>tocar a sirene</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation>Alterar %1</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Som da sirene</translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation>Alterar o som da sirene</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Redefinir teclas</translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation>&amp;Marcar o número em foco (F7)</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation>Sons *.wav (*.wav)</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>Tem certeza de que deseja redefinir as teclas?</translation>
    </message>
    <message>
        <source>Next Phase Key:</source>
        <translation>Tecla de fase:</translation>
    </message>
    <message>
        <source>end the phase and start the next</source>
        <translation>encerrar a fase e iniciar a próxima</translation>
    </message>
    <message>
        <source>Added Time Key:</source>
        <translation>Acréscimos:</translation>
    </message>
    <message>
        <source>announce added time</source>
        <translation>anunciar os acréscimos</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <extracomment>The first choice: whatever language the desktop uses; %1 names it (&quot;Deutsch&quot;).</extracomment>
        <translation>Sistema (%1)</translation>
    </message>
    <message>
        <source>The new language is shown from the next start of Varnelo.</source>
        <translation>O novo idioma será exibido na próxima vez que o Varnelo for iniciado.</translation>
    </message>
</context>
<context>
    <name>MatchDisplay</name>
    <message>
        <source>HALF-TIME</source>
        <translation>INTERVALO</translation>
    </message>
    <message>
        <source>EXTRA TIME</source>
        <translation>PRORROGAÇÃO</translation>
    </message>
    <message>
        <source>ET HALF-TIME</source>
        <translation>INTERVALO PRORROGAÇÃO</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PÊNALTIS</translation>
    </message>
    <message>
        <source>FULL TIME</source>
        <translation>FIM DE JOGO</translation>
    </message>
</context>
<context>
    <name>MatchPresets</name>
    <message>
        <source>Adult 2 × 45</source>
        <translation>Adulto 2 × 45</translation>
    </message>
    <message>
        <source>Cup 2 × 45, extra time, penalties</source>
        <translation>Copa 2 × 45, prorrogação, pênaltis</translation>
    </message>
    <message>
        <source>Youth 2 × 40</source>
        <translation>Juvenil 2 × 40</translation>
    </message>
    <message>
        <source>Youth 2 × 35</source>
        <translation>Juvenil 2 × 35</translation>
    </message>
    <message>
        <source>Youth 2 × 30</source>
        <translation>Juvenil 2 × 30</translation>
    </message>
    <message>
        <source>Youth 2 × 25</source>
        <translation>Juvenil 2 × 25</translation>
    </message>
    <message>
        <source>Futsal-style 2 × 20, counting down</source>
        <translation>Estilo futsal 2 × 20, regressivo</translation>
    </message>
</context>
<context>
    <name>MatchReport</name>
    <message>
        <source>en_GB</source>
        <extracomment>The locale the report&apos;s date is written in: this language&apos;s own.</extracomment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Antes do início</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primeiro tempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Segundo tempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prorrogação, primeiro tempo</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Prorrogação, intervalo</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prorrogação, segundo tempo</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Pênaltis</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fim de partida</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Cartão amarelo</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>The second yellow card to a player, which sends him or her off.</extracomment>
        <translation>Segundo amarelo</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Cartão vermelho</translation>
    </message>
    <message>
        <source>Match report</source>
        <extracomment>The match report&apos;s title when the board has no title text.</extracomment>
        <translation>Súmula da partida</translation>
    </message>
    <message>
        <source>%1, kick-off %2</source>
        <extracomment>%1 is the date, %2 the time of the kick-off.</extracomment>
        <translation>%1, início %2</translation>
    </message>
    <message>
        <source>Half-time %1</source>
        <translation>Intervalo %1</translation>
    </message>
    <message>
        <source>after 90 minutes %1</source>
        <translation>após 90 minutos %1</translation>
    </message>
    <message>
        <source>after 120 minutes %1</source>
        <translation>após 120 minutos %1</translation>
    </message>
    <message>
        <source>penalties %1</source>
        <translation>pênaltis %1</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Gols</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Autor do gol</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartões</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Cartão</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Disputa de pênaltis</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Cobranças</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Convertidos</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Chutes</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Escanteios</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Defesas</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>+%1 / %2:%3</source>
        <extracomment>Added time: %1 minutes announced, %2 (minutes:seconds) played.</extracomment>
        <translation>+%1 / %2:%3</translation>
    </message>
    <message>
        <source>Phases</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Match clock</source>
        <translation>Relógio da partida</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Horário</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Acréscimos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Placar</translation>
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
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON data (*.json)</source>
        <translation>Dados JSON (*.json)</translation>
    </message>
    <message>
        <source>The match report is saved as a PDF, CSV or JSON file: give the file name the suffix .pdf, .csv or .json.</source>
        <translation>A súmula da partida é salva como arquivo PDF, CSV ou JSON: dê ao nome do arquivo a extensão .pdf, .csv ou .json.</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1 (%2). The match goes on as it is; try another folder.</source>
        <translation>Não foi possível salvar a súmula da partida em %1 (%2). A partida continua como está; tente outra pasta.</translation>
    </message>
    <message>
        <source>Match report</source>
        <translation>Súmula da partida</translation>
    </message>
    <message>
        <source>Full time. Save the match report now?</source>
        <translation>Fim de partida. Salvar a súmula da partida agora?</translation>
    </message>
</context>
<context>
    <name>MatchTab</name>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Custom</source>
        <extracomment>The preset list&apos;s entry while the fields hold no preset&apos;s format.</extracomment>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Clock counts &amp;down each half (the board&apos;s way)</source>
        <translation>Cronômetro regressivo em cada tempo (como &amp;antes)</translation>
    </message>
    <message>
        <source>Clock counts &amp;up through the match (soccer)</source>
        <translation>Cronômetro progressivo na partida toda (f&amp;utebol)</translation>
    </message>
    <message>
        <source>&amp;Half (minutes):</source>
        <translation>&amp;Tempo (minutos):</translation>
    </message>
    <message>
        <source>Half-time &amp;break (minutes):</source>
        <translation>I&amp;ntervalo (minutos):</translation>
    </message>
    <message>
        <source>&amp;Extra time, each half (minutes):</source>
        <translation>Prorro&amp;gação, cada tempo (minutos):</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Shown in the extra time box at 0.</extracomment>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Pe&amp;nalties if still level</source>
        <translation>Pênaltis se continuar &amp;empatado</translation>
    </message>
    <message>
        <source>Team &amp;Sheets…</source>
        <translation>E&amp;scalações…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report…</source>
        <translation>Sal&amp;var súmula…</translation>
    </message>
    <message>
        <source>Save match report</source>
        <translation>Salvar a súmula da partida</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimir súmula…</translation>
    </message>
    <message>
        <source>Print match report</source>
        <translation>Imprimir a súmula da partida</translation>
    </message>
</context>
<context>
    <name>OverlayDialog</name>
    <message>
        <source>Overlay for Streams</source>
        <translation>Overlay para transmissões</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay para transmissões</translation>
    </message>
    <message>
        <source>Add each page to the streaming program as a browser source. The pages read the board; they cannot change it.</source>
        <translation>Adicione cada página ao programa de transmissão como fonte de navegador. As páginas leem o placar; não podem alterá-lo.</translation>
    </message>
    <message>
        <source>Overlay token:</source>
        <translation>Token do overlay:</translation>
    </message>
    <message>
        <source>New Overlay Token</source>
        <translation>Novo token do overlay</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Addresses of the overlay pages</source>
        <translation>Endereços das páginas do overlay</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(gerado ao ativar)</translation>
    </message>
</context>
<context>
    <name>OverlayKeys</name>
    <message>
        <source>Show or hide the score bug on the stream</source>
        <translation>Mostrar ou ocultar o placar na transmissão</translation>
    </message>
    <message>
        <source>Show or hide the statistics on the stream</source>
        <translation>Mostrar ou ocultar as estatísticas na transmissão</translation>
    </message>
    <message>
        <source>Show or hide the shoot-out on the stream</source>
        <translation>Mostrar ou ocultar a disputa de pênaltis na transmissão</translation>
    </message>
    <message>
        <source>Show or hide the whole board on the stream</source>
        <translation>Mostrar ou ocultar o placar completo na transmissão</translation>
    </message>
    <message>
        <source>Show the latest goal on the stream again</source>
        <translation>Mostrar de novo o último gol na transmissão</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Varnelo Remote</source>
        <translation>Controle remoto do Varnelo</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Código de pareamento</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Parear</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation>Reconectando…</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation>Iniciar / Parar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Sirene</translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation>Acertar o cronômetro</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation>Acertar cronômetro</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Gols</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Chutes</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Escanteios</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Defesas</translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation>%1 menos um</translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation>%1 mais um</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Digitar %1</translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation>código errado</translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation>códigos errados demais</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>não é um objeto JSON</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando desconhecido</translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation>número desconhecido</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fora do intervalo</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>não é um número inteiro</translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation>minutos e segundos são números inteiros de 0 a 59</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue&apos;s language (de, fr, ...), for the remote page&apos;s lang attribute.</extracomment>
        <translation>pt</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Antes do início</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primeiro tempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Segundo tempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prorrogação, primeiro tempo</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Prorrogação, intervalo</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prorrogação, segundo tempo</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Pênaltis</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fim de partida</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>On the button that changes the match&apos;s phase; %1 is the phase it goes to.</extracomment>
        <translation>Próxima: %1</translation>
    </message>
    <message>
        <source>Next phase</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Added time</source>
        <extracomment>The stoppage time the fourth official announces (&quot;+3&quot;).</extracomment>
        <translation>Acréscimos</translation>
    </message>
    <message>
        <source>One minute less</source>
        <translation>Um minuto a menos</translation>
    </message>
    <message>
        <source>One minute more</source>
        <translation>Um minuto a mais</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Anunciar</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <extracomment>The penalty shoot-out.</extracomment>
        <translation>Disputa de pênaltis</translation>
    </message>
    <message>
        <source>Scored</source>
        <extracomment>A penalty kick that went in.</extracomment>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>%1 of %2 kicks scored</source>
        <translation>%1 de %2 cobranças convertidas</translation>
    </message>
    <message>
        <source>the clock takes whole minutes and seconds from 0:00 to 120:00</source>
        <translation>o relógio aceita minutos e segundos inteiros de 0:00 a 120:00</translation>
    </message>
    <message>
        <source>minutes is a whole number from 0 to 30</source>
        <translation>os minutos são um número inteiro de 0 a 30</translation>
    </message>
    <message>
        <source>added time is announced only in a playing half</source>
        <translation>acréscimos só são anunciados durante um tempo de jogo</translation>
    </message>
    <message>
        <source>the match is in that phase already</source>
        <translation>a partida já está nessa fase</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>a partida terminou</translation>
    </message>
    <message>
        <source>the phase cannot change now</source>
        <translation>a fase não pode mudar agora</translation>
    </message>
    <message>
        <source>penalties are taken only in the shoot-out</source>
        <translation>pênaltis só são cobrados na disputa de pênaltis</translation>
    </message>
    <message>
        <source>it is not that team&apos;s kick</source>
        <translation>não é a vez desse time</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Cartão amarelo</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Cartão vermelho</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>A player&apos;s second yellow card in a match, which sends them off.</extracomment>
        <translation>Segundo amarelo</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>The match&apos;s goals and cards, listed.</extracomment>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Scorer</source>
        <extracomment>Who scored a goal; on a button that asks for the scorer&apos;s shirt number.</extracomment>
        <translation>Autor do gol</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Delete digit</source>
        <translation>Apagar dígito</translation>
    </message>
    <message>
        <source>%1 sent off</source>
        <extracomment>Read out beside a team&apos;s name: the number of its players sent off.</extracomment>
        <translation>%1 expulsos</translation>
    </message>
    <message>
        <source>team is &quot;home&quot; or &quot;visitor&quot;</source>
        <translation>team é &quot;home&quot; ou &quot;visitor&quot;</translation>
    </message>
    <message>
        <source>colour is &quot;yellow&quot; or &quot;red&quot;</source>
        <translation>colour é &quot;yellow&quot; ou &quot;red&quot;</translation>
    </message>
    <message>
        <source>player is a shirt number of up to 3 digits</source>
        <translation>player é um número de camisa de até 3 dígitos</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>evento desconhecido</translation>
    </message>
    <message>
        <source>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; or &quot;red&quot;</source>
        <translation>kind é &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; ou &quot;red&quot;</translation>
    </message>
    <message>
        <source>minute is written like 23&apos; or 45+2&apos;</source>
        <translation>o minuto se escreve como 23&apos; ou 45+2&apos;</translation>
    </message>
    <message>
        <source>name is a text of up to 60 characters without control characters</source>
        <translation>o nome é um texto de até 60 caracteres sem caracteres de controle</translation>
    </message>
    <message>
        <source>editEvent takes kind, team, minute, player or name</source>
        <translation>editEvent aceita kind, team, minute, player ou name</translation>
    </message>
    <message>
        <source>the card cannot be given now</source>
        <translation>o cartão não pode ser dado agora</translation>
    </message>
    <message>
        <source>the event cannot take that change</source>
        <translation>o evento não aceita essa alteração</translation>
    </message>
    <message>
        <source>the event cannot be removed now</source>
        <translation>o evento não pode ser removido agora</translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options: press &quot;o&quot; on the board, then the &quot;Remote Control&quot; button.</source>
        <extracomment>&quot;Remote Control&quot; is the caption of the options&apos; button that opens the pairing code.</extracomment>
        <translation>Digite o código de pareamento exibido nas opções do placar: pressione “o” no placar e depois o botão “Contr. remoto”.</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>On the number pad: empties what was typed.</extracomment>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>the score goes up to 99</source>
        <translation>o placar vai até 99</translation>
    </message>
    <message>
        <source>the score does not go below 0</source>
        <translation>o placar não fica abaixo de 0</translation>
    </message>
    <message>
        <source>the period goes up to 4</source>
        <translation>o tempo vai até 4</translation>
    </message>
    <message>
        <source>the period does not go below 1</source>
        <translation>o tempo não fica abaixo de 1</translation>
    </message>
    <message>
        <source>shots go up to 99</source>
        <translation>os chutes vão até 99</translation>
    </message>
    <message>
        <source>shots do not go below 0</source>
        <translation>os chutes não ficam abaixo de 0</translation>
    </message>
    <message>
        <source>corner kicks go up to 9</source>
        <translation>os escanteios vão até 9</translation>
    </message>
    <message>
        <source>corner kicks go up to 99</source>
        <translation>os escanteios vão até 99</translation>
    </message>
    <message>
        <source>corner kicks do not go below 0</source>
        <translation>os escanteios não ficam abaixo de 0</translation>
    </message>
    <message>
        <source>saves go up to 99</source>
        <translation>as defesas vão até 99</translation>
    </message>
    <message>
        <source>saves do not go below 0</source>
        <translation>as defesas não ficam abaixo de 0</translation>
    </message>
    <message>
        <source>unknown panel</source>
        <translation>painel desconhecido</translation>
    </message>
    <message>
        <source>visible is true or false</source>
        <translation>visible é true ou false</translation>
    </message>
    <message>
        <source>there is no goal to show</source>
        <translation>não há gol para mostrar</translation>
    </message>
    <message>
        <source>the overlay token only reads</source>
        <translation>o token do overlay só lê</translation>
    </message>
    <message>
        <source>the remote control is switched off</source>
        <translation>o controle remoto está desligado</translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation>Controlar o placar pelo celular ou tablet</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation>Porta do controle remoto</translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation>Aplica-se com OK.</translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation>Abra no celular ou escaneie o código:</translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>New Code</source>
        <translation>Novo código</translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation>Novo código de pareamento</translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation>QR code do endereço do controle remoto</translation>
    </message>
    <message>
        <source>1 device connected</source>
        <translation>1 dispositivo conectado</translation>
    </message>
    <message>
        <source>%1 devices connected</source>
        <translation>%1 dispositivos conectados</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(gerado ao ativar)</translation>
    </message>
    <message>
        <source>Show Code</source>
        <translation>Ver código</translation>
    </message>
    <message>
        <source>Hide Code</source>
        <translation>Ocultar código</translation>
    </message>
    <message>
        <source>Overlay…</source>
        <translation>Overlay…</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay para transmissões</translation>
    </message>
</context>
<context>
    <name>ScoreboardGame</name>
    <message>
        <source>&quot;%1&quot; is no time: type minutes, a point and seconds</source>
        <translation>&quot;%1&quot; não é um tempo: digite minutos, um ponto e segundos</translation>
    </message>
    <message>
        <source>%1 is more than the clock can show</source>
        <translation>%1 é mais do que o relógio pode mostrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>&quot;%1&quot; não é um número</translation>
    </message>
    <message>
        <source>scores go from %1 to %2</source>
        <translation>os gols vão de %1 a %2</translation>
    </message>
    <message>
        <source>the period goes from %1 to %2</source>
        <translation>o período vai de %1 a %2</translation>
    </message>
    <message>
        <source>shots go from %1 to %2</source>
        <translation>os chutes vão de %1 a %2</translation>
    </message>
    <message>
        <source>corner kicks go from %1 to %2</source>
        <translation>os escanteios vão de %1 a %2</translation>
    </message>
    <message>
        <source>saves go from %1 to %2</source>
        <translation>as defesas vão de %1 a %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <extracomment>%1 is the value typed; %2 says which values the figure takes.</extracomment>
        <translation>%1 recusado: %2</translation>
    </message>
    <message>
        <source>Added time goes up to %1 minutes</source>
        <translation>Os acréscimos vão até %1 minutos</translation>
    </message>
    <message>
        <source>A shirt number has at most %1 digits</source>
        <translation>Um número de camisa tem no máximo %1 dígitos</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Os acréscimos são anunciados durante um tempo</translation>
    </message>
    <message>
        <source>There is no goal to name a scorer for</source>
        <translation>Não há gol para indicar o autor</translation>
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
        <translation>Escalações</translation>
    </message>
    <message>
        <source>One line per player: the shirt number, then the name.</source>
        <translation>Uma linha por jogador: o número da camisa, depois o nome.</translation>
    </message>
</context>
<context>
    <name>TextsTab</name>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation>Nome do time da casa:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Nome do time visitante:</translation>
    </message>
    <message>
        <source>Home Team Identity:</source>
        <translation>Identidade mandante:</translation>
    </message>
    <message>
        <source>Guest Team Identity:</source>
        <translation>Identidade visitante:</translation>
    </message>
    <message>
        <source>%1: short name</source>
        <extracomment>What a screen reader says for a team&apos;s short name box, %1 naming the team&apos;s frame.</extracomment>
        <translation>%1: nome curto</translation>
    </message>
    <message>
        <source>Short name: up to 4 letters or digits</source>
        <translation>Nome curto: até 4 letras ou dígitos</translation>
    </message>
    <message>
        <source>main color</source>
        <translation>cor principal</translation>
    </message>
    <message>
        <source>%1: main color</source>
        <translation>%1: cor principal</translation>
    </message>
    <message>
        <source>second color</source>
        <translation>cor secundária</translation>
    </message>
    <message>
        <source>%1: second color</source>
        <translation>%1: cor secundária</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Alterar %1</translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation>Erro ao enviar as informações ao servidor!</translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation>Erro do placar web</translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation>Não foi possível conectar ao placar web. Verifique as configurações e tente novamente.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation>A conexão falhou. Verifique o URL e a senha informados e tente novamente.</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Placar web</translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation>Deseja parar de atualizar os clientes? Isso é recomendado quando a partida terminar.</translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation>O placar web é um serviço opcional que mostra este placar ao vivo em qualquer navegador. O Varnelo inclui um, o varnelo-websb, instalado junto com o programa.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL:</source>
        <translation>URL do placar web:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL</source>
        <translation>URL do placar web</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation>Senha do placar web:</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation>Senha do placar web</translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation>Servidor do placar web:</translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation>Servidor do placar web</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation>Erro ao conectar</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Hide the passcode</source>
        <translation>Ocultar a senha</translation>
    </message>
    <message>
        <source>Show the passcode</source>
        <translation>Mostrar a senha</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation>Escolher tecla</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Esta tecla já está em uso. Escolha outra.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation>Pressione a nova tecla para %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Before the kick-off</source>
        <translation>Antes do pontapé inicial</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primeiro tempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Segundo tempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prorrogação, primeiro tempo</translation>
    </message>
    <message>
        <source>Extra time, half-time</source>
        <translation>Prorrogação, intervalo</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prorrogação, segundo tempo</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Pênaltis</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Acréscimos</translation>
    </message>
    <message>
        <source>Scorer of the last goal</source>
        <translation>Autor do último gol</translation>
    </message>
    <message>
        <source>Yellow card, home</source>
        <translation>Cartão amarelo, mandante</translation>
    </message>
    <message>
        <source>Yellow card, visitor</source>
        <translation>Cartão amarelo, visitante</translation>
    </message>
    <message>
        <source>Red card, home</source>
        <translation>Cartão vermelho, mandante</translation>
    </message>
    <message>
        <source>Red card, visitor</source>
        <translation>Cartão vermelho, visitante</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>&amp;Start/stop clock</source>
        <translation>&amp;Iniciar/parar relógio</translation>
    </message>
    <message>
        <source>&amp;Reset clock</source>
        <translation>&amp;Zerar relógio</translation>
    </message>
    <message>
        <source>&amp;Buzzer</source>
        <translation>&amp;Buzina</translation>
    </message>
    <message>
        <source>&amp;Next phase</source>
        <translation>Próxima &amp;fase</translation>
    </message>
    <message>
        <source>&amp;Goals and cards</source>
        <translation>&amp;Gols e cartões</translation>
    </message>
    <message>
        <source>Match re&amp;port</source>
        <translation>Súmula da &amp;partida</translation>
    </message>
    <message>
        <source>Varnelo operator console</source>
        <translation>Console do operador do Varnelo</translation>
    </message>
    <message>
        <source>Goals and cards:</source>
        <translation>Gols e cartões:</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Gols e cartões</translation>
    </message>
    <message>
        <source>Focus and typing</source>
        <translation>Foco e digitação</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Última recusa</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Mandante</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Typing: %1: %2</source>
        <translation>Digitando: %1: %2</translation>
    </message>
    <message>
        <source>Focus: no figure</source>
        <translation>Foco: nenhum número</translation>
    </message>
    <message>
        <source>Focus: %1</source>
        <translation>Foco: %1</translation>
    </message>
    <message>
        <source>Focus: %1, typed: %2</source>
        <translation>Foco: %1, digitado: %2</translation>
    </message>
    <message>
        <source>Phase: %1. The match is over.</source>
        <translation>Fase: %1. A partida acabou.</translation>
    </message>
    <message>
        <source>Phase: %1. Next: %2 (key %3)</source>
        <translation>Fase: %1. Próxima: %2 (tecla %3)</translation>
    </message>
    <message>
        <source>Added time: only during a half</source>
        <translation>Acréscimos: só durante um tempo</translation>
    </message>
    <message>
        <source>Added time: none announced (key %1)</source>
        <translation>Acréscimos: nenhum anunciado (tecla %1)</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes, %2:%3 played</source>
        <translation>Acréscimos: +%1 minutos, %2:%3 jogados</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes</source>
        <translation>Acréscimos: +%1 minutos</translation>
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
        <translation>Cartão amarelo</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <translation>Segundo amarelo</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Cartão vermelho</translation>
    </message>
    <message>
        <source>A minute is written as 23&apos; or 45+2&apos;.</source>
        <translation>Um minuto é escrito como 23&apos; ou 45+2&apos;.</translation>
    </message>
    <message>
        <source>A shirt number has up to three digits.</source>
        <translation>Um número de camisa tem no máximo três dígitos.</translation>
    </message>
    <message>
        <source>The event cannot take this change.</source>
        <translation>Este evento não aceita esta alteração.</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Remover...</translation>
    </message>
    <message>
        <source>Match Events</source>
        <translation>Eventos da partida</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Gols e cartões</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Re&amp;fazer</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Mandante</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Remove this event: %1?</source>
        <translation>Remover este evento: %1?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation>Ver a ajuda</translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation>Para ver a ajuda a partir do placar, pressione &apos;h&apos;.</translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation>Acertar o cronômetro</translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation>Para acertar o cronômetro, clique nele, digite os minutos, um ponto ( . ) e os segundos, e pressione &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation>Se errar a digitação e precisar recomeçar, pressione a barra de espaço.</translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation>Controlar o cronômetro</translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation>Para iniciar ou parar o cronômetro, pressione a tecla de iniciar/parar (padrão: &apos;s&apos;).</translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation>Para voltar ao último tempo digitado, pressione a tecla de reiniciar (padrão: &apos;r&apos;).</translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation>Alterar o placar e outros números</translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation>Para alterar um número, clique nele, digite o novo valor e pressione &apos;Enter&apos;. Nas caixas de um só dígito, basta pressionar o novo número.</translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>Para aumentar ou diminuir um número, clique nele, pressione &apos;+&apos; ou &apos;-&apos; e digite o dígito a somar ou subtrair.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation>Para tocar a sirene, pressione a tecla da sirene (padrão: &apos;b&apos;).</translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation>Para ver qual número está em foco, pressione &apos;F7&apos;. &apos;Esc&apos; fecha esta ajuda.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation>Para abrir as opções, pressione &apos;o&apos; no placar ou clique em &apos;Opções&apos; na tela inicial.</translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation>Nas opções, você pode alterar as teclas de controle, o arquivo de som da sirene e as cores do placar. Também pode alterar os textos da casa, do visitante e do título, e ativar o placar web.</translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation>Ajuda do Varnelo</translation>
    </message>
    <message>
        <source>To end a half or a break and start the next phase press the Next Phase key (default is &apos;p&apos; ).</source>
        <translation>Para passar à próxima fase, pressione a tecla de fase (padrão: &apos;p&apos;).</translation>
    </message>
    <message>
        <source>To announce added time press the Added Time key (default is &apos;a&apos; ), type the minutes and press &apos;Enter&apos;.</source>
        <translation>Para anunciar os acréscimos, pressione a tecla de acréscimos (padrão: &apos;a&apos;), digite os minutos e pressione &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>Goals and Cards</source>
        <translation>Gols e cartões</translation>
    </message>
    <message>
        <source>For a goal&apos;s scorer press &apos;n&apos;, the shirt number and &apos;Enter&apos;.</source>
        <translation>Para o autor do gol, pressione &apos;n&apos;, o número da camisa e &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>For a card press &apos;y&apos; or &apos;Y&apos; (yellow, home or visitor), &apos;x&apos; or &apos;X&apos; (red), then the shirt number and &apos;Enter&apos;.</source>
        <translation>Para um cartão, pressione &apos;y&apos; ou &apos;Y&apos; (amarelo, mandante ou visitante), &apos;x&apos; ou &apos;X&apos; (vermelho), depois o número da camisa e &apos;Enter&apos;.</translation>
    </message>
    <message>
        <source>To see, change or remove the goals and cards press &apos;e&apos;.</source>
        <translation>Para ver, alterar ou remover gols e cartões, pressione &apos;e&apos;.</translation>
    </message>
    <message>
        <source>To save the match report press &apos;m&apos;.</source>
        <translation>Para salvar a súmula da partida pressione &apos;m&apos;.</translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 3 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation>Exemplos: &apos;25.3&apos; = 25 minutos e 3 segundos; &apos;6.05&apos; = 6 minutos e 5 segundos.</translation>
    </message>
    <message>
        <source>Undo and Redo</source>
        <translation>Desfazer e refazer</translation>
    </message>
    <message>
        <source>To undo the last change press &apos;Ctrl+Z&apos;; to redo it press &apos;Ctrl+Shift+Z&apos;.</source>
        <translation>Para desfazer a última alteração pressione &apos;Ctrl+Z&apos;; para refazê-la, &apos;Ctrl+Shift+Z&apos;.</translation>
    </message>
    <message>
        <source>The Board&apos;s Screen</source>
        <translation>Tela do placar</translation>
    </message>
    <message>
        <source>To switch the board between full screen and a window press &apos;F11&apos;.</source>
        <translation>Para alternar o placar entre tela cheia e janela pressione &apos;F11&apos;.</translation>
    </message>
    <message>
        <source>To move the board to the previous or next screen press &apos;Ctrl+Shift+Left&apos; or &apos;Ctrl+Shift+Right&apos;.</source>
        <translation>Para levar o placar à tela anterior ou seguinte pressione &apos;Ctrl+Shift+Esquerda&apos; ou &apos;Ctrl+Shift+Direita&apos;.</translation>
    </message>
    <message>
        <source>Operator Console</source>
        <translation>Console do operador</translation>
    </message>
    <message>
        <source>To open the operator console press &apos;F8&apos;.</source>
        <translation>Para abrir o console do operador pressione &apos;F8&apos;.</translation>
    </message>
    <message>
        <source>Stream Overlay</source>
        <translation>Overlay da transmissão</translation>
    </message>
    <message>
        <source>To show or hide a part of the overlay press &apos;Ctrl+1&apos; (score bug), &apos;Ctrl+2&apos; (statistics), &apos;Ctrl+3&apos; (shoot-out) or &apos;Ctrl+4&apos; (full board).</source>
        <translation>Para mostrar ou ocultar uma parte do overlay pressione &apos;Ctrl+1&apos; (placar), &apos;Ctrl+2&apos; (estatísticas), &apos;Ctrl+3&apos; (pênaltis) ou &apos;Ctrl+4&apos; (placar completo).</translation>
    </message>
    <message>
        <source>To show the goal pop-up again press &apos;Ctrl+G&apos;.</source>
        <translation>Para mostrar de novo o aviso de gol pressione &apos;Ctrl+G&apos;.</translation>
    </message>
    <message>
        <source>Phones and the Web</source>
        <translation>Celulares e web</translation>
    </message>
    <message>
        <source>To run the board from a phone press &apos;o&apos;, then the &apos;Remote Control&apos; button, and scan the code it shows.</source>
        <translation>Para controlar o placar pelo celular pressione &apos;o&apos;, depois o botão &apos;Contr. remoto&apos;, e leia o código exibido.</translation>
    </message>
    <message>
        <source>To publish the scoreboard on the web press &apos;o&apos; and open the &apos;Web Scoreboard&apos; tab.</source>
        <translation>Para publicar o placar na web pressione &apos;o&apos; e abra a aba &apos;Placar web&apos;.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Placar web</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Controle remoto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation>Contr. &amp;remoto</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation>Não foi possível salvar as configurações em %1. Verifique se a pasta permite gravação e se o disco não está cheio; nada foi alterado.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Ma&amp;tch</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>The match has begun. Play the rest of it by the new format?</source>
        <translation>A partida já começou. Jogar o resto com o novo formato?</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation>Marcar o número em foco</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation>%1, em andamento</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, parado</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>The match is over: there is no next phase</source>
        <translation>A partida acabou: não há próxima fase</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>Os acréscimos são anunciados durante um tempo</translation>
    </message>
    <message>
        <source>There is nothing to undo</source>
        <translation>Não há nada para desfazer</translation>
    </message>
    <message>
        <source>There is nothing to redo</source>
        <translation>Não há nada para refazer</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Clique para abrir.</translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation>© 2026 Equipe do Varnelo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation>Continuar para o placar</translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation>Para abrir o placar, pressione Alt+C, ou use Tab até Continuar e pressione Enter.</translation>
    </message>
</context>
</TS>
