<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Kanäle %1 bis %2: Rot %3, Grün %4, Blau %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>Steuerungsfehler!</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Ein anderes Programm verwendet den Kelvo-Controller.
Das System sagt nicht, welches. Schließen Sie es und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Ein anderes Programm verwendet den Kelvo-Controller:
%1 (Prozess %2)
Schließen Sie es und verbinden Sie dann erneut.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Nicht genügend Speicher!</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Speicher erschöpft!</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>Fehler beim Lesen der aktuellen Version!</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>Unterschiedliche Versionen!</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Wirklich eine ältere Firmware-Version installieren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Ja, wirklich!</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>Dieses Update ist für einen anderen Firmware-Kern bestimmt!
Die Installation kann das Gerät dauerhaft beschädigen!
Zum Neuprogrammieren der gesamten Firmware wenden Sie sich an Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>Schreibfehler!</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>Protokollfehler!</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>Vorgang abgebrochen!</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Prüfung fehlgeschlagen: Block %1
  Fortfahren?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>Nein...</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Gerät wird vorbereitet...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Firmware wird übertragen...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Firmware wird verglichen...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>Befehl fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>Zeit abgelaufen!</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Eingangswahl:</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Fernbedienung:</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>Ungültige Systemadresse!</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Konfiguration wird gesendet...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Konfiguration wird gelesen...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>Pegel in Szene %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>Pegel in Programm %1, Schritt %2</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>Zeiten in Szene %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>Zeiten in Programm %1, Schritt %2</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>Länge von Programm %1</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>Schritte in Programm %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Modus von Eingang %1</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Sonderszene</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>FB-Systemadresse</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Laden aus Datei</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>Lesen von Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanal %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>KelvoDesk</source>
        <translation>KelvoDesk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Am Gerät wählen</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>FB-Tasten</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Mit FB wählen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Sonderszene</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>FB-Systemadresse</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Vom Controller lesen</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Gelesener Wert:</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Wert setzen</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>unbenutzt</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Von FB übernehmen</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Dreikanal-Vorschau</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Am Controller drei Kanäle anzeigen, beginnend bei:  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Szenen-Mischmodus</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Standard (Höchster gewinnt)</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Proportionalmodus</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Eingangssimulator</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Auslösen</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Szenen, Schritte</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Programmwahl:</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Einzelszenen</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>Szene/Schritt-Nr.</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Einzelszenen kopieren</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>Quellszene</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>Anzahl Szenen</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>Zielszene</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Programme kopieren</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>Quelle: Programm</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>Ziel: Programm</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Konf. an Kelvo senden</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Konf. von Kelvo lesen</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Konf. in Datei sichern</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Konf. aus Datei laden</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Konf. löschen</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Kelvo-Controller</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Kelvo verbinden</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Kelvo-Betriebsart</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation>Kelvo neu starten</translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation>S/N ----</translation>
    </message>
    <message>
        <source>F/W ver. </source>
        <translation>F/W-Vers. </translation>
    </message>
</context>
<context>
    <name>MyTimeEdit</name>
    <message>
        <source>Largest time: %1</source>
        <translation>Größte Zeit: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Ausblenden: %1 s</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Schritt %1: Einblenden %2 s, dann hält er, bis etwas anderes geschieht</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Schritt %1: Einblenden %2 s, Halten %3 s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation>simulierter Controller</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>Kritischer Fehler!</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Nicht genügend Speicher!</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Show-Vorschau</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Farben der Kanäle der Sonderszene:</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>Eine Vorschau, berechnet aus der Konfiguration in diesem Fenster. Wo das Verhalten des Controllers nicht beschrieben ist, folgt sie den Regeln in der README, und ein Controller kann abweichen.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Abspielen:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Sonderszene</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Ganze Show ab dem Einschalten</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Nummer der Szene oder des Programms</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Funktionen ausprobieren</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Eingänge (gedrückt: Kontakt geschlossen):</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Eingang %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Fernbedienungstaste:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Systemadresse:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Programm %1: ein Schritt hält, bis etwas anderes geschieht</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Programm %1: %2 mit dem Ausblenden, dann endet es</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Programm %1: %2, dann folgt wieder Schritt 1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>Der Controller ist angehalten (Start/Stopp)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>Kein Programm läuft</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>Programm %1 ist zu Ende</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>Programm %1 blendet aus</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Programm %1, Schritt %2 von %3, pausiert</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Programm %1, Schritt %2 von %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Aktive Szenen: %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Simulierter Controller %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>DMX-Ausgang</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Eingang %1 betätigen</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Systemadresse:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Jemand betätigt eine Sekunde nach jeder Anfrage einen Eingang oder eine Taste</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>abgesteckt</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>startet neu</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>Firmware-Lader</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Drücke, die auf das Programm warten: %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>Im Normalmodus zeigen die Balken eine Vorschau der Show, so wie dieses Programm sie vom Controller erwartet; im Live-Modus zeigen sie die Pegel, die das Programm sendet.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>Im Normalmodus tut ein Druck, was die Konfiguration vorsieht. Außerdem wartet er, bis das Programm nach einem Eingang oder einer Taste fragt (Am Gerät wählen, Mit FB wählen, Von FB übernehmen).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>Einblendzeit:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Haltezeit:</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>Ausblendzeit:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Unendlich</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Endschritt</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Angezeigte Kanäle</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Rot-Pegel</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Rot-Pegel, Wert</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Grün-Pegel</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Grün-Pegel, Wert</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Blau-Pegel</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Blau-Pegel, Wert</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Pegel Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Pegel Kanal %1, Wert</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Konfiguration löschen</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>Was soll gelöscht werden?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Ja!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Nächste Szene laden</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Nächstes Programm laden und starten</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Controller Start/Stopp</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Programm anhalten/fortsetzen</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Kanal Rot auf/ab</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Kanal Grün auf/ab</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Kanal Blau auf/ab</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Kanal Rot auf</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Kanal Rot ab</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Kanal Grün auf</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Kanal Grün ab</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Kanal Blau auf</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Kanal Blau ab</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Gewählte Szene laden und starten</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Sonderszene laden</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Gewähltes Programm laden und starten</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Gewählte Szene ein/aus</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Keine Aktion</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>Taste Nr.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Zugeordnete Aktion</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Einschalten</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Taste %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Aktion beim Einschalten</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Aktion Eingang %1</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Aktion FB-Taste %1</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Nummer der Aktion beim Einschalten</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Nummer der Aktion von Eingang %1</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Nummer der Aktion von FB-Taste %1</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Modus Eingang %1</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation>Programm </translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>Datei &amp;speichern</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Datei speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Konfigurationsdatei unter anderem Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Konfiguration &amp;löschen</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Aktuelle Konfiguration löschen</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>Kelvo &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Update an das Kelvo-Gerät senden</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>Firmware &amp;prüfen</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Firmware des Controllers prüfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>So erhalten Sie Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Informationen über die Anwendung.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>Dateioperationen und Beenden</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Sprache der Anwendung ändern</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Sprache wechseln zu: %1</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Verwaltung der Firmware-Version</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Kurzinformationen zu diesem Programm</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Anzahl Schritte im Programm:</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>Erster Kanal:</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Letzter Kanal:</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Einblendzeit</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Standardeingang</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>FB-Taste</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Hilfe</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Bitte rufen Sie an oder schreiben Sie eine E-Mail.

Telefon: +48 12 345 67 89
Fax:     +48 12 345 67 90
E-Mail:  support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - Über</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Software zur Konfiguration des Kelvo-Controllers.
Version:   %1

Ovra Lighting Systems
ul. Przykładowa 12
30-001 Kraków, Polen
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Nicht verbunden!</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Verbindungsaufbau...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Bitte warten, bis die Verbindung hergestellt ist...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Kelvo verbinden</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Kelvo trennen</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>Abgelehnt!</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>Quell- und Zielbereich überschneiden sich!</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>Quelle und Ziel dürfen nicht identisch sein!</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Die Anzahl der zu kopierenden Szenen überschreitet den möglichen Bereich!<byte value="xd"/>
Zum Übernehmen des korrigierten Werts erneut auf „Kopieren“ klicken</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Die Anzahl der zu kopierenden Programme überschreitet den möglichen Bereich!<byte value="xd"/>
Zum Übernehmen des korrigierten Werts erneut auf „Kopieren“ klicken</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Die Anzahl der zu kopierenden Schritte überschreitet den möglichen Bereich!<byte value="xd"/>
Zum Übernehmen des korrigierten Werts erneut auf „Kopieren“ klicken</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Konfigurations- und Datendatei für den Kelvo-Controller wählen</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>KelvoDesk-Konfiguration und Daten (*.cfgkv;*.cfg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>KelvoDesk-Konfiguration und Daten (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Update-Datei für den Controller Ovra - Kelvo wählen</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Update (*.upg)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Die neue Sprache kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>unbenutzt</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>Nicht verbunden!
Konfiguration wurde nicht gesendet!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>Nicht verbunden!
Konfiguration wurde nicht gelesen!</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Letzte Änderung der Konfiguration rückgängig machen</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Änderungen der Konfiguration rückgängig machen und wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>Die Konfiguration enthält Änderungen, die weder in einer Datei gespeichert noch an den Controller gesendet wurden.

Zuerst in einer Datei speichern?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>FB: die Infrarot-Fernbedienung des Controllers</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>Controller neu starten?
Er startet neu und bricht ab, was er gerade tut.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>Controller von %1 auf %2 aktualisieren?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Jetzt eine Taste der Fernbedienung drücken</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Jetzt den Eingang betätigen</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>Der Controller wartet auf seine Firmware: ein Update wurde nicht beendet.
&quot;Kelvo aktualisieren&quot; mit der Update-Datei erneut ausführen, um es abzuschließen.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Kelvo-Controller gefunden: Verbinden drücken</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Die Konfiguration hier abspielen, ohne Controller</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Bearbeitete &amp;Szene abspielen</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Die auf der Szenenseite gezeigte Szene oder das Programm abspielen</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Bearbeitetes &amp;Programm abspielen</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Das auf der Programmseite gezeigte Programm abspielen</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Ganze S&amp;how ab dem Einschalten abspielen</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Ab dem Einschalten abspielen, mit Eingängen und Fernbedienung zum Ausprobieren</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Eine zuletzt verwendete Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Die zuletzt verwendeten Konfigurationsdateien vergessen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Quellschritt</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Zielschritt</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Art des zu simulierenden Eingangs</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Nummer des zu simulierenden Eingangs oder der Taste</translation>
    </message>
</context>
<context>
    <name>input_delegate</name>
    <message>
        <source>N/O</source>
        <translation>N/O</translation>
    </message>
    <message>
        <source>N/C</source>
        <translation>N/C</translation>
    </message>
    <message>
        <source>N/U</source>
        <translation>N/U</translation>
    </message>
    <message>
        <source>N/O, normally open: the input acts when its contact closes</source>
        <translation>N/O, Schließer: der Eingang löst aus, wenn sein Kontakt schließt</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>N/C, Öffner: der Eingang löst aus, wenn sein Kontakt öffnet</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>N/U, nicht benutzt: der Controller beachtet den Eingang nicht</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation>Fehler beim Lesen der Datei: %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>Die Datei %1
ist keine gültige Update-Datei!</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Positionierungsfehler: %1</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>CRC-Fehler im Block!</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>Fehler beim Entpacken!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>USB-Schnittstelle</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Schreiben in Datei %1
erfolgreich!</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Schreiben in Datei %1
fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Lesen aus Datei
    erfolgreich!</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Lesen aus Datei
       fehlgeschlagen!

Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>Update erfolgreich!</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>Prüfung erfolgreich!</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>Prüfung von %1 Block/Blöcken fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>Update fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>Prüfung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Schreiben der Konfiguration
     erfolgreich!</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Schreiben der Konfiguration
     fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Lesen der Konfiguration
abgebrochen!</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Lesen der Konfiguration
erfolgreich!</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Lesen der Konfiguration
 fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Einblendzeit Schritt %1</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Haltezeit Schritt %1</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Haltezeit Schritt %1 unendlich</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Ausblendzeit Schritt %1</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  unendlich</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Einblendzeit</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Haltezeit | unendl.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Ausblendzeit</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>Prog.-Zeit</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>Regelverstoß!</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>Einblend- und Haltezeit dürfen nicht beide 0 sein!
Die Haltezeit wird korrigiert.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Alle Schritte korrigieren</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>unbestimmt</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>%n Schritt wird aus dem Programm entfernt.
	Wirklich fortfahren?</numerusform>
            <numerusform>%n Schritte werden aus dem Programm entfernt.
	Wirklich fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Ja!</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>Gerät getrennt!</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>Zuvor verbundener Controller nicht mehr verfügbar!
Erneut versuchen oder anderes Gerät wählen.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Zu verbindender Controller</translation>
    </message>
</context>
</TS>
