<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>Resume the last game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardDesign</name>
    <message>
        <source>HOME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISITOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHOTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C/K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A clock in its last minute as a screen reader says it: %1 is &quot;42.5&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorsTab</name>
    <message>
        <source>red %1, green %2, blue %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Back Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a colour&apos;s Change button, %1 naming the colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DefaultSettings</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeysTab</name>
    <message>
        <source>[No File Selected]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start / Stop Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start / stop the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Clock Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reset the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sound the buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %1</source>
        <extracomment>What a screen reader says for a key&apos;s Change button, %1 naming the key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Buzzer Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark the focused figure (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds *.wav (*.wav)</source>
        <extracomment>The file chooser&apos;s filter: keep &quot;(*.wav)&quot; as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keys?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System (%1)</source>
        <extracomment>The first choice: whatever language the desktop uses; %1 names it (&quot;Deutsch&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language is shown from the next start of Varnelo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Varnelo Remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the pairing code shown in the board&apos;s options, tab &quot;Remote Control&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairing code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start / Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corner kicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minus one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plus one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many wrong codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes and seconds are whole numbers from 0 to 59</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteTab</name>
    <message>
        <source>Run the board from a phone or tablet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote control port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applies on Ok.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open on the phone, or scan the code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairing code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New pairing code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code of the remote control&apos;s address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(made when switched on)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 device connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 devices connected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextsTab</name>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Team Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest Team Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPublisher</name>
    <message>
        <source>Error sending information to server!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection to web scoreboard unsuccessful.  Please check settings and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Failed. Check the URL and passcode you entered and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to stop client updating?  This is recommended when the game is over.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebTab</name>
    <message>
        <source>The web scoreboard is an optional service that shows this board live in any web browser. Varnelo ships one, varnelo-websb, installed beside the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard Passcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmChooseKey</name>
    <message>
        <source>Choose Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This key is already in use, please choose another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key you would like to %1.</source>
        <extracomment>%1 is what the key will do, as the options&apos; Change button says it (&quot;sound the buzzer&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Viewing Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To view help from the scoreboard press &apos;h&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting the Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To set the clock, click on the clock and type the number of minutes, a period ( . ), the seconds, and press &apos;Enter&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples: &apos;25.3&apos; = 25 minutes and 30 seconds, &apos;6.05&apos; = 6 minutes and 5 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you mistype and need to start over, press the &apos;space bar&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controlling the Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To start or stop the clock press the Start/Stop Clock Key (default is &apos;s&apos; ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To reset the clock back to the last entered time press the Reset Clock Key (default is &apos;r&apos; ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Scores and Other Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To change any of the numbers, click on the object you want to set, type in the number, and press &apos;Enter&apos;.  For single digit boxes simply press the new number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To increase or decrease one of the numbers, click on the number, press &apos;+&apos; or &apos;-&apos;, and type a single digit number to add or subtract.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To sound the buzzer press the Buzzer key (default is &apos;b&apos; ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To show which number has the focus press &apos;F7&apos;.  &apos;Esc&apos; closes this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To go to the options press &apos;o&apos; from the program, or click on &apos;Options&apos; from the splash screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the options you can change control keys, the buzzer sound file, and colors of the scoreboard.  You can also change the home, visitor, and title text, and enable the web scoreboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnelo Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Cotrols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Scoreboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remote Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1. Check that its folder can be written and that the disk is not full; nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmScoreboard</name>
    <message>
        <source>Mark the focused figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, running</source>
        <extracomment>The clock as a screen reader hears it: %1 is the time, &quot;9:58&quot; or &quot;42.5 seconds&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 The Varnelo developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue to the scoreboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Alt+C, or Tab to Continue and press Enter, to open the scoreboard.</source>
        <extracomment>Name the access key of the Continue button as the translation marks it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
