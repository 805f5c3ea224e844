<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Canali da %1 a %2: rosso %3, verde %4, blu %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>Nessuna connessione!</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>Errore di comando!</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Un altro programma sta usando il controller Kelvo.
Il sistema non dice quale. Chiudetelo, poi connettetevi di nuovo.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Un altro programma sta usando il controller Kelvo:
%1 (processo %2)
Chiudetelo, poi connettetevi di nuovo.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Memoria insufficiente!</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Memoria esaurita!</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>Errore di lettura della versione attuale!</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>Versioni diverse!</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Installare davvero una versione precedente del firmware?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Sì, installa!</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>Questo aggiornamento è destinato a un altro core del firmware!
Installarlo può danneggiare in modo permanente il dispositivo!
Per riprogrammare l&apos;intero firmware contattare Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>Errore di scrittura!</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>Errore di protocollo!</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>Operazione annullata!</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Verifica fallita: blocco %1
  Continuare?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Sì!</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>No...</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Preparazione del dispositivo...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Trasferimento del firmware...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Confronto del firmware...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>Comando non riuscito!</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>Tempo scaduto!</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Selezione ingresso:</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Telecomando:</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>Indirizzo di sistema non valido!</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Invio della configurazione...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Lettura della configurazione...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>scrittura non riuscita</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>livello scena %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>livello programma %1 passo %2</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>tempi scena %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>tempi programma %1 passo %2</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>lunghezza programma %1</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>passi programma %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>copia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>azzeramento</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>azione</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>modo ingresso %1</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>scena speciale</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>impostazione</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>indirizzo di sistema telecomando</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>lettura da file</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>lettura da Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>modifica</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canale %1: %2</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Rileva ingresso</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>Tasti telecomando</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Rileva tasto</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Scena speciale</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>Indirizzo di sistema telecomando</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Leggi dalla centralina</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Valore letto:</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Imposta valore</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non usato</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Acquisisci dal telecomando</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Anteprima di tre canali</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Mostra sulla centralina tre canali a partire dal:  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Miscelazione delle scene</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Standard (vince il maggiore)</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Proporzionale</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Simulatore di ingressi</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Genera</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Scene, passi</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Scegli progr.:</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Scene indipendenti</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>N. scena / passo</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Copia scene indipendenti</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>scena sorgente</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>n. di scene</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>destinazione</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Copia programmi</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>sorg.: programma</translation>
    </message>
    <message>
        <source>step</source>
        <translation>passo</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>quantità:</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>programmi</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>passi</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>dest.: programma</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Invia conf. a Kelvo</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Leggi conf. da Kelvo</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Salva conf. su file</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Carica conf. da file</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Azzera conf.</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Centralina Kelvo</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>stato:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnessa</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Connetti Kelvo</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Modalità Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation>Reset Kelvo</translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation>S/N ----</translation>
    </message>
    <message>
        <source>F/W ver. </source>
        <translation>Ver. F/W </translation>
    </message>
</context>
<context>
    <name>MyTimeEdit</name>
    <message>
        <source>Largest time: %1</source>
        <translation>Tempo massimo: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Discesa: %1 s</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Passo %1: salita %2 s, poi resta finché non accade altro</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Passo %1: salita %2 s, permanenza %3 s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation>centralina simulata</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>Errore critico!</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Memoria insufficiente!</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Anteprima dello spettacolo</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Colori dei canali della scena speciale:</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>Un&apos;anteprima calcolata dalla configurazione in questa finestra. Dove il comportamento del controller non è descritto, segue le regole elencate nel README, e un controller può comportarsi diversamente.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Riproduci:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Scena speciale</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Tutto lo spettacolo dall&apos;accensione</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Numero della scena o del programma</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Prova le funzioni</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Ingressi (premuto: contatto chiuso):</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Ingresso %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Tasto telecomando:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Indirizzo di sistema:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Premi il tasto</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Accensione</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Programma %1: un passo resta finché non accade altro</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Programma %1: %2 con la discesa, poi termina</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Programma %1: %2, poi di nuovo il passo 1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>Il controller è fermo (avvio/arresto)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>Nessun programma in corso</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>Il programma %1 è terminato</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>Il programma %1 è in discesa</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Programma %1, passo %2 di %3, in pausa</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Programma %1, passo %2 di %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Scene accese: %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Centralina simulata %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>Uscita DMX</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Aziona ingresso %1</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tasto:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Indirizzo di sistema:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Premi tasto</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Dimentica</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Qualcuno aziona un ingresso o un tasto un secondo dopo ogni richiesta</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>scollegata</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>riavvio</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>configurazione</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>caricatore del firmware</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normale</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Pressioni in attesa del programma: %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>In modo normale le barre mostrano un&apos;anteprima dello spettacolo come questo programma si aspetta che la centralina lo esegua; in modo live mostrano i livelli inviati dal programma.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>In modo normale una pressione fa ciò che dice la configurazione. Inoltre attende che il programma chieda un ingresso o un tasto (Rileva ingresso, Rileva tasto, Acquisisci dal telecomando).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>T. salita:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Permanenza:</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>T. discesa:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Infinita</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Ultimo passo</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Canali visualizzati</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Livello rosso</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Valore del livello rosso</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Livello verde</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Valore del livello verde</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Livello blu</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Valore del livello blu</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Livello del canale %1</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Valore del livello del canale %1</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Azzeramento configurazione</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>Cosa azzerare?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Confermi?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Sì!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Carica scena seguente</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Carica e avvia programma seguente</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Avvio/arresto centralina</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Pausa/ripresa programma</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Canale rosso su/giù</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Canale verde su/giù</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Canale blu su/giù</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Canale rosso su</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Canale rosso giù</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Canale verde su</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Canale verde giù</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Canale blu su</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Canale blu giù</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Carica e avvia scena scelta</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Carica scena speciale</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Carica e avvia programma scelto</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Attiva/disattiva scena scelta</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Nessuna azione</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>N. tasto</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Azione associata</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Accensione</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Tasto %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Azione all&apos;accensione</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Azione dell&apos;ingresso %1</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Azione del tasto telecomando %1</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Numero dell&apos;azione all&apos;accensione</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Numero dell&apos;azione dell&apos;ingresso %1</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Numero dell&apos;azione del tasto telecomando %1</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Modo dell&apos;ingresso %1</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation>Programma </translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Chiudi l&apos;applicazione</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Apri file</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Apri un file di configurazione</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Salva file</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Salva il file di configurazione</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Salva file con &amp;nome...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Salva il file di configurazione con un altro nome</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Azzera la configurazione corrente</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>&amp;Aggiorna Kelvo</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Invia l&apos;aggiornamento al dispositivo Kelvo</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>&amp;Verifica firmware</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Verifica il firmware</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Come ottenere assistenza</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Informazioni sull&apos;applicazione.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>Operazioni sui file e uscita</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Cambia la lingua dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Cambia lingua in: %1</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>A&amp;ggiornamento</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Gestione della versione del firmware</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Brevi informazioni su questo programma</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Passi nel programma:</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>Primo canale:</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Ultimo canale:</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Tempo di salita</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Ingresso standard</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>Tasto telecomando</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Aiuto</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Per assistenza telefonare o inviare un&apos;e-mail.

Telefono: +48 12 345 67 89
Fax:      +48 12 345 67 90
E-mail:   support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - Informazioni</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Programma di configurazione della centralina Kelvo.
Versione:   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Cracovia, Polonia
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Nessuna connessione!</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Connessione...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Connessione in corso, attendere...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnessa</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Connetti Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connessa</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Disconnetti Kelvo</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>Operazione rifiutata!</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>Gli intervalli sorgente e destinazione si sovrappongono!</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>Sorgente e destinazione non possono coincidere!</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Il numero di scene da copiare supera l&apos;intervallo possibile!<byte value="xd"/>
Per accettare il valore corretto premere di nuovo il pulsante Copia</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Il numero di programmi da copiare supera l&apos;intervallo possibile!<byte value="xd"/>
Per accettare il valore corretto premere di nuovo il pulsante Copia</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Il numero di passi da copiare supera l&apos;intervallo possibile!<byte value="xd"/>
Per accettare il valore corretto premere di nuovo il pulsante Copia</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Scegli un file di configurazione e dati per la centralina Kelvo</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>Configurazione e dati KelvoDesk (*.cfgkv;*.cfg);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>Configurazione e dati KelvoDesk (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Scegli un file di aggiornamento per la centralina Ovra - Kelvo</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Aggiornamento (*.upg)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Impossibile salvare la nuova lingua!</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non usato</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>Nessuna connessione!
Configurazione non inviata!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>Nessuna connessione!
Configurazione non letta!</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Annulla l&apos;ultima modifica della configurazione</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Ripristina la modifica annullata</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Annulla e ripeti le modifiche della configurazione</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>La configurazione contiene modifiche non salvate in un file né inviate alla centralina.

Salvarle prima in un file?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>Telecomando: il telecomando a infrarossi della centralina</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>Resettare la centralina?
Si riavvia e interrompe ciò che sta facendo.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>Aggiornare la centralina da %1 a %2?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Premere ora un tasto del telecomando</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Azionare ora l&apos;ingresso</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>La centralina attende il firmware: un aggiornamento non è terminato.
Eseguire di nuovo &quot;Aggiorna Kelvo&quot; con il file di aggiornamento per completarlo.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Centralina Kelvo trovata: premere Connetti</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>A&amp;nteprima</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Riprodurre la configurazione qui, senza controller</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Riproduci la &amp;scena in modifica</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Riproduce la scena o il programma mostrato nella pagina delle scene</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Riproduci il &amp;programma in modifica</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Riproduce il programma mostrato nella pagina dei programmi</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Riproduci tutto lo s&amp;pettacolo dall&apos;accensione</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Riproduce dall&apos;accensione, con ingressi e telecomando da provare</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>File &amp;recenti</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Apre un file di configurazione usato di recente</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Dimentica i file di configurazione usati di recente</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Passo sorgente</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Passo di destinazione</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Tipo di ingresso da simulare</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Numero dell&apos;ingresso o del tasto da simulare</translation>
    </message>
</context>
<context>
    <name>input_delegate</name>
    <message>
        <source>N/O</source>
        <translation>N/A</translation>
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
        <translation>N/A, normalmente aperto: l&apos;ingresso agisce quando il contatto si chiude</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>N/C, normalmente chiuso: l&apos;ingresso agisce quando il contatto si apre</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>N/U, non usato: la centralina ignora l&apos;ingresso</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation>Errore di lettura del file: %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>Il file %1
non è un file di aggiornamento valido!</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Errore di posizionamento nel file: %1</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>Errore CRC nel blocco!</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>Errore di decompressione!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Interfaccia USB</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Scrittura dati nel file %1
Riuscita!</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Scrittura dati nel file %1
Fallita!</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Lettura dati dal file
    Riuscita!</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Lettura dati dal file
       Fallita!

Il file è danneggiato.</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>Aggiornamento riuscito!</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>Verifica riuscita!</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>Verifica fallita (blocchi errati: %1)!</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>Aggiornamento fallito!</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>Verifica fallita!</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Invio configurazione
     Riuscito!</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Invio configurazione
     Fallito!</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Lettura configurazione
annullata!</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Lettura configurazione
Riuscita!</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Lettura configurazione
 Fallita!</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Tempo di salita del passo %1</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Permanenza del passo %1</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Permanenza del passo %1 infinita</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Tempo di discesa del passo %1</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  infinita</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>N. passo</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>T. salita</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Permanenza | inf.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>T. discesa</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>Tempo prog.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Passo %1</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>Regola violata!</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>I due tempi non possono essere entrambi 0!
La permanenza verrà corretta.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Correggi tutti i passi</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>indeterminato</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>Verrà rimosso %n passo dal programma.
	Procedere davvero?</numerusform>
            <numerusform>Verranno rimossi %n passi dal programma.
	Procedere davvero?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Sì!</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>Dispositivo disconnesso!</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>La centralina connessa prima non è più disponibile!
Riprova o scegli un altro dispositivo da connettere.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Controller da connettere</translation>
    </message>
</context>
</TS>
