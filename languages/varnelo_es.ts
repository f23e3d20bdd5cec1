<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation>¿Reanudar el último partido?</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1). It is kept as %2, and this game is saved anew.</source>
        <translation>No se pudo leer el registro del último partido (%1). Se conserva como %2 y este partido se guarda de nuevo.</translation>
    </message>
    <message>
        <source>The last game&apos;s journal could not be read (%1) and is left as it is, at %2. This game will not be saved.</source>
        <translation>No se pudo leer el registro del último partido (%1) y queda tal cual, en %2. Este partido no se guardará.</translation>
    </message>
    <message>
        <source>The game is being saved again.</source>
        <translation>El partido vuelve a guardarse.</translation>
    </message>
    <message>
        <source>The game is not being saved (%1). Varnelo goes on trying; the board goes on as it is.</source>
        <translation>El partido no se está guardando (%1). Varnelo sigue intentándolo; el marcador sigue igual.</translation>
    </message>
</context>
<context>
    <name>BoardDesign</name>
    <message>
        <source>HOME</source>
        <translation>LOCAL</translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation>VISITANTE</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PARTE</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation>TIROS</translation>
    </message>
    <message>
        <source>C/K</source>
        <translation>ESQ</translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation>PARAD.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation>Reloj del partido</translation>
    </message>
    <message>
        <source>score</source>
        <translation>goles</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <comment>spoken by a screen reader</comment>
        <translation>parte</translation>
    </message>
    <message>
        <source>SHOTS</source>
        <comment>spoken by a screen reader</comment>
        <translation>tiros</translation>
    </message>
    <message>
        <source>C/K</source>
        <comment>spoken by a screen reader</comment>
        <translation>saques de esquina</translation>
    </message>
    <message>
        <source>SAVES</source>
        <comment>spoken by a screen reader</comment>
        <translation>paradas</translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation>rojo %1, verde %2, azul %3</translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation>Color local:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation>Color LED:</translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation>Color visitante:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation>Fondo LED:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>¿Seguro que desea restablecer los colores?</translation>
    </message>
</context>
<context>
    <name>ConsolePreview</name>
    <message>
        <source>The board as the audience sees it</source>
        <translation>El marcador tal como lo ve el público</translation>
    </message>
</context>
<context>
    <name>ConsoleSwitch</name>
    <message>
        <source>Operator console</source>
        <translation>Consola del operador</translation>
    </message>
</context>
<context>
    <name>DefaultSettings</name>
    <message>
        <source>Home</source>
        <translation>Local</translation>
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
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>[No File Selected]</source>
        <translation>[Ningún archivo seleccionado]</translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation>Tecla inicio/paro:</translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation>iniciar o parar el reloj</translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation>Tecla reinicio:</translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation>reiniciar el reloj</translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation>Tecla de bocina:</translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation>hacer sonar la bocina</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation>Cambiar %1</translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation>Sonido de la bocina</translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation>Cambiar el sonido de la bocina</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation>&amp;Marcar el número con el foco (F7)</translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation>Sonidos *.wav (*.wav)</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation>¿Seguro que desea restablecer las teclas?</translation>
    </message>
    <message>
        <source>Next Phase Key:</source>
        <translation>Tecla de fase:</translation>
    </message>
    <message>
        <source>end the phase and start the next</source>
        <translation>terminar la fase y empezar la siguiente</translation>
    </message>
    <message>
        <source>Added Time Key:</source>
        <translation>Tecla añadido:</translation>
    </message>
    <message>
        <source>announce added time</source>
        <translation>anunciar el tiempo añadido</translation>
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
        <translation>El nuevo idioma se mostrará la próxima vez que inicie Varnelo.</translation>
    </message>
</context>
<context>
    <name>MatchDisplay</name>
    <message>
        <source>HALF-TIME</source>
        <translation>DESCANSO</translation>
    </message>
    <message>
        <source>EXTRA TIME</source>
        <translation>PRÓRROGA</translation>
    </message>
    <message>
        <source>ET HALF-TIME</source>
        <translation>DESCANSO PRÓRROGA</translation>
    </message>
    <message>
        <source>PENALTIES</source>
        <translation>PENALTIS</translation>
    </message>
    <message>
        <source>FULL TIME</source>
        <translation>FINAL</translation>
    </message>
</context>
<context>
    <name>MatchPresets</name>
    <message>
        <source>Adult 2 × 45</source>
        <translation>Adultos 2 × 45</translation>
    </message>
    <message>
        <source>Cup 2 × 45, extra time, penalties</source>
        <translation>Copa 2 × 45, prórroga, penaltis</translation>
    </message>
    <message>
        <source>Youth 2 × 40</source>
        <translation>Juveniles 2 × 40</translation>
    </message>
    <message>
        <source>Youth 2 × 35</source>
        <translation>Juveniles 2 × 35</translation>
    </message>
    <message>
        <source>Youth 2 × 30</source>
        <translation>Juveniles 2 × 30</translation>
    </message>
    <message>
        <source>Youth 2 × 25</source>
        <translation>Juveniles 2 × 25</translation>
    </message>
    <message>
        <source>Futsal-style 2 × 20, counting down</source>
        <translation>Estilo futsal 2 × 20, cuenta atrás</translation>
    </message>
</context>
<context>
    <name>MatchReport</name>
    <message>
        <source>en_GB</source>
        <extracomment>The locale the report&apos;s date is written in: this language&apos;s own.</extracomment>
        <translation>es_ES</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Antes del inicio</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primera parte</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Segunda parte</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prórroga, primera parte</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Prórroga, descanso</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prórroga, segunda parte</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Penaltis</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Final del partido</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Tarjeta amarilla</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>The second yellow card to a player, which sends him or her off.</extracomment>
        <translation>Segunda amarilla</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Tarjeta roja</translation>
    </message>
    <message>
        <source>Match report</source>
        <extracomment>The match report&apos;s title when the board has no title text.</extracomment>
        <translation>Informe del partido</translation>
    </message>
    <message>
        <source>%1, kick-off %2</source>
        <extracomment>%1 is the date, %2 the time of the kick-off.</extracomment>
        <translation>%1, inicio %2</translation>
    </message>
    <message>
        <source>Half-time %1</source>
        <translation>Descanso %1</translation>
    </message>
    <message>
        <source>after 90 minutes %1</source>
        <translation>tras 90 minutos %1</translation>
    </message>
    <message>
        <source>after 120 minutes %1</source>
        <translation>tras 120 minutos %1</translation>
    </message>
    <message>
        <source>penalties %1</source>
        <translation>penaltis %1</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Goles</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Scorer</source>
        <translation>Goleador</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Penalty shoot-out</source>
        <translation>Tanda de penaltis</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Lanzamientos</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>Marcados</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Saques de esquina</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
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
        <translation>Reloj del partido</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Tiempo añadido</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Marcador</translation>
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
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON data (*.json)</source>
        <translation>Datos JSON (*.json)</translation>
    </message>
    <message>
        <source>The match report is saved as a PDF, CSV or JSON file: give the file name the suffix .pdf, .csv or .json.</source>
        <translation>El informe del partido se guarda como archivo PDF, CSV o JSON: dé al nombre del archivo la extensión .pdf, .csv o .json.</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1 (%2). The match goes on as it is; try another folder.</source>
        <translation>No se pudo guardar el informe del partido en %1 (%2). El partido sigue igual; pruebe otra carpeta.</translation>
    </message>
    <message>
        <source>Match report</source>
        <translation>Informe del partido</translation>
    </message>
    <message>
        <source>Full time. Save the match report now?</source>
        <translation>Final del partido. ¿Guardar ahora el informe del partido?</translation>
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
        <translation>Reloj &amp;descendente en cada parte (como antes)</translation>
    </message>
    <message>
        <source>Clock counts &amp;up through the match (soccer)</source>
        <translation>Reloj a&amp;scendente en todo el partido (fútbol)</translation>
    </message>
    <message>
        <source>&amp;Half (minutes):</source>
        <translation>Cada &amp;tiempo (minutos):</translation>
    </message>
    <message>
        <source>Half-time &amp;break (minutes):</source>
        <translation>Desca&amp;nso (minutos):</translation>
    </message>
    <message>
        <source>&amp;Extra time, each half (minutes):</source>
        <translation>Prórr&amp;oga, cada tiempo (minutos):</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Shown in the extra time box at 0.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Pe&amp;nalties if still level</source>
        <translation>Penaltis si sigue el &amp;empate</translation>
    </message>
    <message>
        <source>Team &amp;Sheets…</source>
        <translation>A&amp;lineaciones…</translation>
    </message>
    <message>
        <source>Sa&amp;ve Report…</source>
        <translation>&amp;Guardar informe…</translation>
    </message>
    <message>
        <source>Save match report</source>
        <translation>Guardar el informe del partido</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimir informe…</translation>
    </message>
    <message>
        <source>Print match report</source>
        <translation>Imprimir el informe del partido</translation>
    </message>
</context>
<context>
    <name>OverlayDialog</name>
    <message>
        <source>Overlay for Streams</source>
        <translation>Overlay para transmisiones</translation>
    </message>
    <message>
        <source>Overlay for streams</source>
        <translation>Overlay para transmisiones</translation>
    </message>
    <message>
        <source>Add each page to the streaming program as a browser source. The pages read the board; they cannot change it.</source>
        <translation>Añada cada página al programa de transmisión como fuente de navegador. Las páginas leen el marcador; no pueden cambiarlo.</translation>
    </message>
    <message>
        <source>Overlay token:</source>
        <translation>Token del overlay:</translation>
    </message>
    <message>
        <source>New Overlay Token</source>
        <translation>Nuevo token del overlay</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Addresses of the overlay pages</source>
        <translation>Direcciones de las páginas del overlay</translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation>(se crea al activarlo)</translation>
    </message>
</context>
<context>
    <name>OverlayKeys</name>
    <message>
        <source>Show or hide the score bug on the stream</source>
        <translation>Mostrar u ocultar el marcador en la transmisión</translation>
    </message>
    <message>
        <source>Show or hide the statistics on the stream</source>
        <translation>Mostrar u ocultar las estadísticas en la transmisión</translation>
    </message>
    <message>
        <source>Show or hide the shoot-out on the stream</source>
        <translation>Mostrar u ocultar la tanda de penaltis en la transmisión</translation>
    </message>
    <message>
        <source>Show or hide the whole board on the stream</source>
        <translation>Mostrar u ocultar el tablero completo en la transmisión</translation>
    </message>
    <message>
        <source>Show the latest goal on the stream again</source>
        <translation>Volver a mostrar el último gol en la transmisión</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Varnelo Remote</source>
        <translation>Control remoto de Varnelo</translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation>Código de enlace</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Enlazar</translation>
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
        <translation>Sin conexión</translation>
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
        <translation>Bocina</translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation>Ajustar el reloj</translation>
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
        <translation>Ajustar reloj</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Goles</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation>Saques de esquina</translation>
    </message>
    <message>
        <source>Saves</source>
        <translation>Paradas</translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation>%1 menos uno</translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation>%1 más uno</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Escribir %1</translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation>código incorrecto</translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation>demasiados códigos incorrectos</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation>comando desconocido</translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation>número desconocido</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fuera de rango</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation>los minutos y los segundos son números enteros de 0 a 59</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue&apos;s language (de, fr, ...), for the remote page&apos;s lang attribute.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Before kick-off</source>
        <translation>Antes del inicio</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primera parte</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Segunda parte</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prórroga, primera parte</translation>
    </message>
    <message>
        <source>Extra time, break</source>
        <translation>Prórroga, descanso</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prórroga, segunda parte</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Penaltis</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Final del partido</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>On the button that changes the match&apos;s phase; %1 is the phase it goes to.</extracomment>
        <translation>Siguiente: %1</translation>
    </message>
    <message>
        <source>Next phase</source>
        <translation>Fase siguiente</translation>
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
        <translation>Tiempo añadido</translation>
    </message>
    <message>
        <source>One minute less</source>
        <translation>Un minuto menos</translation>
    </message>
    <message>
        <source>One minute more</source>
        <translation>Un minuto más</translation>
    </message>
    <message>
        <source>Announce</source>
        <translation>Anunciar</translation>
    </message>
    <message>
        <source>Shoot-out</source>
        <extracomment>The penalty shoot-out.</extracomment>
        <translation>Tanda de penaltis</translation>
    </message>
    <message>
        <source>Scored</source>
        <extracomment>A penalty kick that went in.</extracomment>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallado</translation>
    </message>
    <message>
        <source>%1 of %2 kicks scored</source>
        <translation>%1 de %2 penaltis marcados</translation>
    </message>
    <message>
        <source>the clock takes whole minutes and seconds from 0:00 to 120:00</source>
        <translation>el reloj admite minutos y segundos enteros de 0:00 a 120:00</translation>
    </message>
    <message>
        <source>minutes is a whole number from 0 to 30</source>
        <translation>los minutos son un número entero de 0 a 30</translation>
    </message>
    <message>
        <source>added time is announced only in a playing half</source>
        <translation>el tiempo añadido solo se anuncia durante una parte</translation>
    </message>
    <message>
        <source>the match is in that phase already</source>
        <translation>el partido ya está en esa fase</translation>
    </message>
    <message>
        <source>the match is over</source>
        <translation>el partido ha terminado</translation>
    </message>
    <message>
        <source>the phase cannot change now</source>
        <translation>la fase no puede cambiar ahora</translation>
    </message>
    <message>
        <source>penalties are taken only in the shoot-out</source>
        <translation>los penaltis solo se lanzan en la tanda</translation>
    </message>
    <message>
        <source>it is not that team&apos;s kick</source>
        <translation>no le toca tirar a ese equipo</translation>
    </message>
    <message>
        <source>Yellow card</source>
        <translation>Tarjeta amarilla</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Tarjeta roja</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <extracomment>A player&apos;s second yellow card in a match, which sends them off.</extracomment>
        <translation>Segunda amarilla</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Gol</translation>
    </message>
    <message>
        <source>Events</source>
        <extracomment>The match&apos;s goals and cards, listed.</extracomment>
        <translation>Incidencias</translation>
    </message>
    <message>
        <source>Scorer</source>
        <extracomment>Who scored a goal; on a button that asks for the scorer&apos;s shirt number.</extracomment>
        <translation>Goleador</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Delete digit</source>
        <translation>Borrar cifra</translation>
    </message>
    <message>
        <source>%1 sent off</source>
        <extracomment>Read out beside a team&apos;s name: the number of its players sent off.</extracomment>
        <translation>%1 expulsados</translation>
    </message>
    <message>
        <source>team is &quot;home&quot; or &quot;visitor&quot;</source>
        <translation>team es &quot;home&quot; o &quot;visitor&quot;</translation>
    </message>
    <message>
        <source>colour is &quot;yellow&quot; or &quot;red&quot;</source>
        <translation>colour es &quot;yellow&quot; o &quot;red&quot;</translation>
    </message>
    <message>
        <source>player is a shirt number of up to 3 digits</source>
        <translation>player es un dorsal de hasta 3 cifras</translation>
    </message>
    <message>
        <source>unknown event</source>
        <translation>incidencia desconocida</translation>
    </message>
    <message>
        <source>kind is &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; or &quot;red&quot;</source>
        <translation>kind es &quot;goal&quot;, &quot;yellow&quot;, &quot;secondYellow&quot; o &quot;red&quot;</translation>
    </message>
    <message>
        <source>minute is written like 23&apos; or 45+2&apos;</source>
        <translation>el minuto se escribe como 23&apos; o 45+2&apos;</translation>
    </message>
    <message>
        <source>name is a text of up to 60 characters without control characters</source>
        <translation>el nombre es un texto de hasta 60 caracteres sin caracteres de control</translation>
    </message>
    <message>
        <source>editEvent takes kind, team, minute, player or name</source>
        <translation>editEvent admite kind, team, minute, player o name</translation>
    </message>
    <message>
        <source>the card cannot be given now</source>
        <translation>la tarjeta no se puede mostrar ahora</translation>
    </message>
    <message>
        <source>the event cannot take that change</source>
        <translation>la incidencia no admite ese cambio</translation>
    </message>
    <message>
        <source>the event cannot be removed now</source>
        <translation>la incidencia no se puede quitar ahora</translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options: press &quot;o&quot; on the board, then the &quot;Remote Control&quot; button.</source>
        <extracomment>&quot;Remote Control&quot; is the caption of the options&apos; button that opens the pairing code.</extracomment>
        <translation>Escriba el código de enlace que se muestra en las opciones del marcador: pulse «o» en el marcador y luego el botón «Control remoto».</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>On the number pad: empties what was typed.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>the score goes up to 99</source>
        <translation>los goles llegan hasta 99</translation>
    </message>
    <message>
        <source>the score does not go below 0</source>
        <translation>los goles no bajan de 0</translation>
    </message>
    <message>
        <source>the period goes up to 4</source>
        <translation>la parte llega hasta 4</translation>
    </message>
    <message>
        <source>the period does not go below 1</source>
        <translation>la parte no baja de 1</translation>
    </message>
    <message>
        <source>shots go up to 99</source>
        <translation>los tiros llegan hasta 99</translation>
    </message>
    <message>
        <source>shots do not go below 0</source>
        <translation>los tiros no bajan de 0</translation>
    </message>
    <message>
        <source>corner kicks go up to 9</source>
        <translation>los saques de esquina llegan hasta 9</translation>
    </message>
    <message>
        <source>corner kicks go up to 99</source>
        <translation>los saques de esquina llegan hasta 99</translation>
    </message>
    <message>
        <source>corner kicks do not go below 0</source>
        <translation>los saques de esquina no bajan de 0</translation>
    </message>
    <message>
        <source>saves go up to 99</source>
        <translation>las paradas llegan hasta 99</translation>
    </message>
    <message>
        <source>saves do not go below 0</source>
        <translation>las paradas no bajan de 0</translation>
    </message>
    <message>
        <source>unknown panel</source>
        <translation>panel desconocido</translation>
    </message>
    <message>
        <source>visible is true or false</source>
        <translation>visible es true o false</translation>
    </message>
    <message>
        <source>there is no goal to show</source>
        <translation>no hay ningún gol que mostrar</translation>
    </message>
    <message>
        <source>the overlay token only reads</source>
        <translation>el token del overlay solo lee</translation>
    </message>
    <message>
        <source>the remote control is switched off</source>
        <translation>el control remoto está desactivado</translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation>Controlar con un teléfono o una tableta</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation>Puerto del control remoto</translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation>Se aplica al aceptar.</translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation>Ábralo en el teléfono o escanee el código:</translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation>Código de enlace:</translation>
    </message>
    <message>
        <source>New Code</source>
        <translation>Código nuevo</translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation>Nuevo código de enlace</translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation>Código QR de la dirección del control remoto</translation>
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
        <translation>(se crea al activarlo)</translation>
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
        <translation>Overlay para transmisiones</translation>
    </message>
</context>
<context>
    <name>ScoreboardGame</name>
    <message>
        <source>&quot;%1&quot; is no time: type minutes, a point and seconds</source>
        <translation>&quot;%1&quot; no es una hora: escriba minutos, un punto y segundos</translation>
    </message>
    <message>
        <source>%1 is more than the clock can show</source>
        <translation>%1 es más de lo que muestra el reloj</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number</source>
        <translation>&quot;%1&quot; no es un número</translation>
    </message>
    <message>
        <source>scores go from %1 to %2</source>
        <translation>los goles van de %1 a %2</translation>
    </message>
    <message>
        <source>the period goes from %1 to %2</source>
        <translation>el periodo va de %1 a %2</translation>
    </message>
    <message>
        <source>shots go from %1 to %2</source>
        <translation>los tiros van de %1 a %2</translation>
    </message>
    <message>
        <source>corner kicks go from %1 to %2</source>
        <translation>los córneres van de %1 a %2</translation>
    </message>
    <message>
        <source>saves go from %1 to %2</source>
        <translation>las paradas van de %1 a %2</translation>
    </message>
    <message>
        <source>%1 is refused: %2</source>
        <extracomment>%1 is the value typed; %2 says which values the figure takes.</extracomment>
        <translation>%1 rechazado: %2</translation>
    </message>
    <message>
        <source>Added time goes up to %1 minutes</source>
        <translation>El tiempo añadido llega hasta %1 minutos</translation>
    </message>
    <message>
        <source>A shirt number has at most %1 digits</source>
        <translation>Un dorsal tiene como máximo %1 cifras</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>El tiempo añadido se anuncia durante un tiempo</translation>
    </message>
    <message>
        <source>There is no goal to name a scorer for</source>
        <translation>No hay ningún gol al que asignar goleador</translation>
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
        <translation>Alineaciones</translation>
    </message>
    <message>
        <source>One line per player: the shirt number, then the name.</source>
        <translation>Una línea por jugador: el dorsal y luego el nombre.</translation>
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
        <translation>Nombre del equipo local:</translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation>Nombre del equipo visitante:</translation>
    </message>
    <message>
        <source>Home Team Identity:</source>
        <translation>Identidad local:</translation>
    </message>
    <message>
        <source>Guest Team Identity:</source>
        <translation>Identidad visitante:</translation>
    </message>
    <message>
        <source>%1: short name</source>
        <extracomment>What a screen reader says for a team&apos;s short name box, %1 naming the team&apos;s frame.</extracomment>
        <translation>%1: nombre corto</translation>
    </message>
    <message>
        <source>Short name: up to 4 letters or digits</source>
        <translation>Nombre corto: hasta 4 letras o cifras</translation>
    </message>
    <message>
        <source>main color</source>
        <translation>color principal</translation>
    </message>
    <message>
        <source>%1: main color</source>
        <translation>%1: color principal</translation>
    </message>
    <message>
        <source>second color</source>
        <translation>color secundario</translation>
    </message>
    <message>
        <source>%1: second color</source>
        <translation>%1: color secundario</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation>¡Error al enviar la información al servidor!</translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation>Error del marcador web</translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation>No se pudo conectar con el marcador web. Compruebe la configuración e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation>La conexión ha fallado. Compruebe la URL y la clave de acceso introducidas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Marcador web</translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation>¿Desea dejar de actualizar a los clientes? Se recomienda cuando el partido ha terminado.</translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation>El marcador web es un servicio opcional que muestra este marcador en directo en cualquier navegador. Varnelo incluye uno, varnelo-websb, instalado junto al programa.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL:</source>
        <translation>URL del marcador web:</translation>
    </message>
    <message>
        <source>Web Scoreboard URL</source>
        <translation>URL del marcador web</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation>Clave del marcador web:</translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation>Clave del marcador web</translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation>Servidor del marcador web:</translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation>Servidor del marcador web</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Hide the passcode</source>
        <translation>Ocultar la clave</translation>
    </message>
    <message>
        <source>Show the passcode</source>
        <translation>Mostrar la clave</translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation>Elegir tecla</translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation>Esta tecla ya está en uso; elija otra.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation>Pulse la tecla con la que desea %1.</translation>
    </message>
</context>
<context>
    <name>frmConsole</name>
    <message>
        <source>Before the kick-off</source>
        <translation>Antes del saque inicial</translation>
    </message>
    <message>
        <source>First half</source>
        <translation>Primer tiempo</translation>
    </message>
    <message>
        <source>Half-time</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>Second half</source>
        <translation>Segundo tiempo</translation>
    </message>
    <message>
        <source>Extra time, first half</source>
        <translation>Prórroga, primera parte</translation>
    </message>
    <message>
        <source>Extra time, half-time</source>
        <translation>Prórroga, descanso</translation>
    </message>
    <message>
        <source>Extra time, second half</source>
        <translation>Prórroga, segunda parte</translation>
    </message>
    <message>
        <source>Penalties</source>
        <translation>Penaltis</translation>
    </message>
    <message>
        <source>Full time</source>
        <translation>Final del partido</translation>
    </message>
    <message>
        <source>Added time</source>
        <translation>Tiempo añadido</translation>
    </message>
    <message>
        <source>Scorer of the last goal</source>
        <translation>Goleador del último gol</translation>
    </message>
    <message>
        <source>Yellow card, home</source>
        <translation>Tarjeta amarilla, local</translation>
    </message>
    <message>
        <source>Yellow card, visitor</source>
        <translation>Tarjeta amarilla, visitante</translation>
    </message>
    <message>
        <source>Red card, home</source>
        <translation>Tarjeta roja, local</translation>
    </message>
    <message>
        <source>Red card, visitor</source>
        <translation>Tarjeta roja, visitante</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>&amp;Start/stop clock</source>
        <translation>&amp;Iniciar/parar reloj</translation>
    </message>
    <message>
        <source>&amp;Reset clock</source>
        <translation>&amp;Reiniciar reloj</translation>
    </message>
    <message>
        <source>&amp;Buzzer</source>
        <translation>&amp;Bocina</translation>
    </message>
    <message>
        <source>&amp;Next phase</source>
        <translation>&amp;Siguiente fase</translation>
    </message>
    <message>
        <source>&amp;Goals and cards</source>
        <translation>&amp;Goles y tarjetas</translation>
    </message>
    <message>
        <source>Match re&amp;port</source>
        <translation>&amp;Acta del partido</translation>
    </message>
    <message>
        <source>Varnelo operator console</source>
        <translation>Consola del operador de Varnelo</translation>
    </message>
    <message>
        <source>Goals and cards:</source>
        <translation>Goles y tarjetas:</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Goles y tarjetas</translation>
    </message>
    <message>
        <source>Focus and typing</source>
        <translation>Foco y escritura</translation>
    </message>
    <message>
        <source>Last refusal</source>
        <translation>Último rechazo</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Typing: %1: %2</source>
        <translation>Escribiendo: %1: %2</translation>
    </message>
    <message>
        <source>Focus: no figure</source>
        <translation>Foco: ninguna cifra</translation>
    </message>
    <message>
        <source>Focus: %1</source>
        <translation>Foco: %1</translation>
    </message>
    <message>
        <source>Focus: %1, typed: %2</source>
        <translation>Foco: %1, escrito: %2</translation>
    </message>
    <message>
        <source>Phase: %1. The match is over.</source>
        <translation>Fase: %1. El partido ha terminado.</translation>
    </message>
    <message>
        <source>Phase: %1. Next: %2 (key %3)</source>
        <translation>Fase: %1. Siguiente: %2 (tecla %3)</translation>
    </message>
    <message>
        <source>Added time: only during a half</source>
        <translation>Tiempo añadido: solo durante un tiempo</translation>
    </message>
    <message>
        <source>Added time: none announced (key %1)</source>
        <translation>Tiempo añadido: ninguno anunciado (tecla %1)</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes, %2:%3 played</source>
        <translation>Tiempo añadido: +%1 minutos, %2:%3 jugados</translation>
    </message>
    <message>
        <source>Added time: +%1 minutes</source>
        <translation>Tiempo añadido: +%1 minutos</translation>
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
        <translation>Tarjeta amarilla</translation>
    </message>
    <message>
        <source>Second yellow</source>
        <translation>Segunda amarilla</translation>
    </message>
    <message>
        <source>Red card</source>
        <translation>Tarjeta roja</translation>
    </message>
    <message>
        <source>A minute is written as 23&apos; or 45+2&apos;.</source>
        <translation>Un minuto se escribe como 23&apos; o 45+2&apos;.</translation>
    </message>
    <message>
        <source>A shirt number has up to three digits.</source>
        <translation>Un dorsal tiene como mucho tres cifras.</translation>
    </message>
    <message>
        <source>The event cannot take this change.</source>
        <translation>Este evento no admite este cambio.</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Quitar...</translation>
    </message>
    <message>
        <source>Match Events</source>
        <translation>Incidencias del partido</translation>
    </message>
    <message>
        <source>Goals and cards</source>
        <translation>Goles y tarjetas</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Incidencia</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Visitor</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Remove this event: %1?</source>
        <translation>¿Quitar esta incidencia: %1?</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation>Ver la ayuda</translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation>Para ver la ayuda desde el marcador, pulse &apos;h&apos;.</translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation>Ajustar el reloj</translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation>Para ajustar el reloj, haga clic en él, escriba los minutos, un punto ( . ) y los segundos, y pulse &apos;Intro&apos;.</translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation>Si se equivoca y necesita empezar de nuevo, pulse la barra espaciadora.</translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation>Controlar el reloj</translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation>Para iniciar o parar el reloj, pulse la tecla inicio/paro (por defecto, &apos;s&apos;).</translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation>Para volver el reloj al último tiempo introducido, pulse la tecla reinicio (por defecto, &apos;r&apos;).</translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation>Cambiar el marcador y otros números</translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation>Para cambiar un número, haga clic en él, escriba el número nuevo y pulse &apos;Intro&apos;. En las casillas de una sola cifra basta con pulsar el número nuevo.</translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation>Para aumentar o reducir un número, haga clic en él, pulse &apos;+&apos; o &apos;-&apos; y escriba la cifra que desea sumar o restar.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation>Para hacer sonar la bocina, pulse la tecla de bocina (por defecto, &apos;b&apos;).</translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation>Para ver qué número tiene el foco, pulse &apos;F7&apos;. &apos;Esc&apos; cierra esta ayuda.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation>Para abrir las opciones, pulse &apos;o&apos; en el marcador o &apos;Opciones&apos; en la pantalla de inicio.</translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation>En las opciones puede cambiar las teclas de control, el archivo de sonido de la bocina y los colores del marcador. También puede cambiar los textos del local, del visitante y del título, y activar el marcador web.</translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation>Ayuda de Varnelo</translation>
    </message>
    <message>
        <source>To end a half or a break and start the next phase press the Next Phase key (default is &apos;p&apos; ).</source>
        <translation>Para pasar a la fase siguiente, pulse la tecla de fase (por defecto, &apos;p&apos;).</translation>
    </message>
    <message>
        <source>To announce added time press the Added Time key (default is &apos;a&apos; ), type the minutes and press &apos;Enter&apos;.</source>
        <translation>Para anunciar el tiempo añadido, pulse la tecla de añadido (por defecto, &apos;a&apos;), escriba los minutos y pulse &apos;Intro&apos;.</translation>
    </message>
    <message>
        <source>Goals and Cards</source>
        <translation>Goles y tarjetas</translation>
    </message>
    <message>
        <source>For a goal&apos;s scorer press &apos;n&apos;, the shirt number and &apos;Enter&apos;.</source>
        <translation>Para el goleador, pulse &apos;n&apos;, el dorsal e &apos;Intro&apos;.</translation>
    </message>
    <message>
        <source>For a card press &apos;y&apos; or &apos;Y&apos; (yellow, home or visitor), &apos;x&apos; or &apos;X&apos; (red), then the shirt number and &apos;Enter&apos;.</source>
        <translation>Para una tarjeta, pulse &apos;y&apos; o &apos;Y&apos; (amarilla, local o visitante), &apos;x&apos; o &apos;X&apos; (roja) y luego el dorsal e &apos;Intro&apos;.</translation>
    </message>
    <message>
        <source>To see, change or remove the goals and cards press &apos;e&apos;.</source>
        <translation>Para ver, cambiar o quitar goles y tarjetas, pulse &apos;e&apos;.</translation>
    </message>
    <message>
        <source>To save the match report press &apos;m&apos;.</source>
        <translation>Para guardar el informe del partido pulse &apos;m&apos;.</translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 3 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation>Ejemplos: &apos;25.3&apos; = 25 minutos y 3 segundos; &apos;6.05&apos; = 6 minutos y 5 segundos.</translation>
    </message>
    <message>
        <source>Undo and Redo</source>
        <translation>Deshacer y rehacer</translation>
    </message>
    <message>
        <source>To undo the last change press &apos;Ctrl+Z&apos;; to redo it press &apos;Ctrl+Shift+Z&apos;.</source>
        <translation>Para deshacer el último cambio pulse &apos;Ctrl+Z&apos;; para rehacerlo, &apos;Ctrl+Mayús+Z&apos;.</translation>
    </message>
    <message>
        <source>The Board&apos;s Screen</source>
        <translation>Pantalla del marcador</translation>
    </message>
    <message>
        <source>To switch the board between full screen and a window press &apos;F11&apos;.</source>
        <translation>Para alternar el marcador entre pantalla completa y ventana pulse &apos;F11&apos;.</translation>
    </message>
    <message>
        <source>To move the board to the previous or next screen press &apos;Ctrl+Shift+Left&apos; or &apos;Ctrl+Shift+Right&apos;.</source>
        <translation>Para llevar el marcador a la pantalla anterior o siguiente pulse &apos;Ctrl+Mayús+Izquierda&apos; o &apos;Ctrl+Mayús+Derecha&apos;.</translation>
    </message>
    <message>
        <source>Operator Console</source>
        <translation>Consola del operador</translation>
    </message>
    <message>
        <source>To open the operator console press &apos;F8&apos;.</source>
        <translation>Para abrir la consola del operador pulse &apos;F8&apos;.</translation>
    </message>
    <message>
        <source>Stream Overlay</source>
        <translation>Overlay de la retransmisión</translation>
    </message>
    <message>
        <source>To show or hide a part of the overlay press &apos;Ctrl+1&apos; (score bug), &apos;Ctrl+2&apos; (statistics), &apos;Ctrl+3&apos; (shoot-out) or &apos;Ctrl+4&apos; (full board).</source>
        <translation>Para mostrar u ocultar una parte del overlay pulse &apos;Ctrl+1&apos; (marcador), &apos;Ctrl+2&apos; (estadísticas), &apos;Ctrl+3&apos; (tanda de penaltis) o &apos;Ctrl+4&apos; (marcador completo).</translation>
    </message>
    <message>
        <source>To show the goal pop-up again press &apos;Ctrl+G&apos;.</source>
        <translation>Para mostrar de nuevo el aviso de gol pulse &apos;Ctrl+G&apos;.</translation>
    </message>
    <message>
        <source>Phones and the Web</source>
        <translation>Móviles y web</translation>
    </message>
    <message>
        <source>To run the board from a phone press &apos;o&apos;, then the &apos;Remote Control&apos; button, and scan the code it shows.</source>
        <translation>Para manejar el marcador desde un móvil pulse &apos;o&apos;, luego el botón &apos;Control remoto&apos;, y escanee el código que aparece.</translation>
    </message>
    <message>
        <source>To publish the scoreboard on the web press &apos;o&apos; and open the &apos;Web Scoreboard&apos; tab.</source>
        <translation>Para publicar el marcador en la web pulse &apos;o&apos; y abra la pestaña &apos;Marcador web&apos;.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation>Marcador web</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Control remoto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation>Control &amp;remoto</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation>No se pudo guardar la configuración en %1. Compruebe que se puede escribir en su carpeta y que el disco no está lleno; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partido</translation>
    </message>
    <message>
        <source>Ma&amp;tch</source>
        <translation>&amp;Partido</translation>
    </message>
    <message>
        <source>The match has begun. Play the rest of it by the new format?</source>
        <translation>El partido ya ha empezado. ¿Jugar el resto con el nuevo formato?</translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation>Marcar el número con el foco</translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation>%1, en marcha</translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation>%1, parado</translation>
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
        <source>The match is over: there is no next phase</source>
        <translation>El partido ha terminado: no hay fase siguiente</translation>
    </message>
    <message>
        <source>Added time is announced during a half</source>
        <translation>El tiempo añadido se anuncia durante un tiempo</translation>
    </message>
    <message>
        <source>There is nothing to undo</source>
        <translation>No hay nada que deshacer</translation>
    </message>
    <message>
        <source>There is nothing to redo</source>
        <translation>No hay nada que rehacer</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Clic para seguir.</translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation>© 2026 Desarrolladores de Varnelo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation>Continuar al marcador</translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation>Para abrir el marcador, pulse Alt+C, o vaya con Tab a Continuar y pulse Intro.</translation>
    </message>
</context>
</TS>
