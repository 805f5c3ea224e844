<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Channels %1 to %2: red %3, green %4, blue %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>Not connected !</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>Control error !</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Not enough memory !</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>File not found : %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Out of memory!</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>Current version read error !</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>Different versions !</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Do you really want to install older firmware release?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Yes, I do!</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>Write error !</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>Protocol error !</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>Process canceled !</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Verification failed : block %1
  Continue ?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Yes !</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>No ...</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Preparing device...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Transferring firmware...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Comparing firmware...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>Command failed !</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>Time is over !</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Input selection :</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Remote control :</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>Invalid system address !</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Configuration is sending...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Configuration is reading...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>write failed</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>Scene %1 level</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>Program %1 step %2 level</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>Scene %1 times</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>Program %1 step %2 times</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>Program %1 length</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>Program %1 steps</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Input %1 mode</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Special scene</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>Remote system address</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Read from file</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>Read from Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Channel %1: %2</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Select from device</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>RCU keys</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Select from RCU</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Special scene</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>RCU system address</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Read from controller</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Got value :</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N / A</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Set value</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Accept from RCU</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Three-channel preview</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Show on the controller three channels starting from  :  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Scene mixing mode</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Standard (bigger win) mode</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Proportional mode</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Input simulator</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Scenes, Steps</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Choose program :</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Independent scenes</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>Scene / Step No.</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copying</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Copy independent scenes</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>source scene</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>no. of scenes</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>destination</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Copy programs</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>source : program</translation>
    </message>
    <message>
        <source>step</source>
        <translation>step</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>no. of :</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>programs</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>steps</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>dest. : program</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Send conf. to Kelvo</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Read conf. from Kelvo</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Save conf. to file</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Read conf. from file</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Clear configuration</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Kelvo Controller</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>status :</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Connect to Kelvo</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Kelvo working mode</translation>
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
        <translation>Reset Kelvo</translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation>S/N ----</translation>
    </message>
    <message>
        <source>F/W ver. </source>
        <translation>F/W ver. </translation>
    </message>
</context>
<context>
    <name>MyTimeEdit</name>
    <message>
        <source>Largest time: %1</source>
        <translation>Largest time: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Fade-out: %1 s</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Step %1: rise %2 s, then it holds until something else happens</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Step %1: rise %2 s, hold %3 s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation>simulated controller</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>Critical error !</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Not enough memory !</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Show preview</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Colours of the special scene&apos;s channels:</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Play:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scene</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Special scene</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Whole show from power-on</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Number of the scene or program</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Try the functions</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Inputs (held down: contact closed):</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Remote key:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>System address:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Press key</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Power on</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Program %1: a step holds until something else happens</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Program %1: %2 with its fade-out, then it ends</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Program %1: %2, then step 1 follows again</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>The controller is stopped (start/stop)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>No program is running</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>Program %1 has ended</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>Program %1 is fading out</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Program %1, step %2 of %3, paused</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Program %1, step %2 of %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Scenes on: %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Simulated controller %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>DMX output</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Operate input %1</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>System address:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Press key</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Forget</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Someone operates an input or key a second after each request</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>unplugged</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>restarting</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>configuration</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>firmware loader</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Presses waiting for the program: %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>Rise time:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Last time:</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>Fall time:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Infinite</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Last Step</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Channels shown</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Red level</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Red level value</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Green level</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Green level value</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Blue level</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Blue level value</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Channel %1 level</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Channel %1 level value</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Configuration clear</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>What to clear ?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Scenes</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programs</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Remote control</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Are you sure ?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Yes !</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Load next scene</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Load and run next program</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Controller start/stop</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Pause/resume program</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Red channel up/down</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Green channel up/down</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Blue channel up/down</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Red channel up</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Red channel down</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Green channel up</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Green channel down</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Blue channel up</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Blue channel down</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Load and run chosen scene</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Load special scene</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Load and run chosen program</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Toggle chosen scene</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>No action</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>Key No.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Associated action</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Power On</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Key %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Power-on action</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Input %1 action</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Remote key %1 action</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Power-on action number</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Input %1 action number</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Remote key %1 action number</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Input %1 mode</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation>Program </translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Turn off application</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Open file</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Open configuration file</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Save file</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Save configuration file</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Save file &amp;as...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Save configuration file under another name</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Clear current configuration</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>&amp;Upgrade Kelvo</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Send upgrade to Kelvo device</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>&amp;Verify Firmware</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Verify firmware</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>How to get help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Information about application.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>File operations and exit</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Change application language</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Change language to : %1</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Upgrade</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Firmware version management</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Some short information about this program</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Number of steps in program:</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Continued</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Edit step</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>First channel :</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Last channel :</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Rise time</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Standard input</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>RCU key</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Help</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - About</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Not connected!</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Connecting ...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Wait until connection is established ...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Connect to Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Disconnect Kelvo</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>Refusing !</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>Source and destination ranges intersects !</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>Source and destination shouldn&apos;t be the same !</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Choose a conf. and data file for Kelvo controller</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>KelvoDesk conf and data (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Choose a file to upgrade Ovra - Kelvo controller</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Upgrade (*.upg)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Cannot write new language!</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N / A</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>Not connected !
Configuration not sent!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>Not connected !
Configuration not read!</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Take back the last change of the configuration</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Make the change taken back again</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Undo and redo changes of the configuration</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>RCU: the controller&apos;s infra-red remote control</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>Reset the controller?
It restarts and stops what it is doing.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>Upgrade the controller from %1 to %2?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Press a key on the remote now</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Operate the input now</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Kelvo controller found: press Connect</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Play the configuration here, without a controller</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Play the &amp;scene being edited</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Play the scene or program shown on the scenes page</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Play the &amp;program being edited</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Play the program shown on the programs page</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Play the whole s&amp;how from power-on</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Play from power-on, with the inputs and the remote to try</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Open a configuration file used lately</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Clear list</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Forget the configuration files used lately</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Source step</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Destination step</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Kind of input to simulate</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Number of the input or key to simulate</translation>
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
        <translation>N/O, normally open: the input acts when its contact closes</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>N/C, normally closed: the input acts when its contact opens</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>N/U, not used: the controller ignores the input</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation>File read error : %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>File %1
isn&apos;t proper upgrade file !</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Seek error : %1</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>CRC error in block !</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>Uncompressing error !</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>USB Interface</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Firmware upgrade</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Data write to file %1
Successful!</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Data write to file %1
Failed!</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Data read from file
    Successful!</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Data read from file
       Failed!

File is broken.</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>Upgrade successful !</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>Verify successful !</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>Verify of %1 block(s) failed !</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>Upgrade failed !</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>Verification failed !</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Write configuration
     Successful!</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Write configuration
     Failed!</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Read configuration
cancelled !</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Read configuration
Successful!</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Read configuration
 Failed!</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Step %1 rise time</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Step %1 last time</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Step %1 last time infinite</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Step %1 fall time</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  infinite</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>Step No.</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Rise time</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Last time | inf.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Fall time</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>Prog. time</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>Broken rule !</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>Both times couldn&apos;t be 0 !
Last time will be fixed.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Fix all steps</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>About to remove %n step from program.
	Really want to do it ?</numerusform>
            <numerusform>About to remove %n steps from program.
	Really want to do it ?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Yes !</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>Disconnected device !</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>Previously connected controller is no longer available !
Retry or choose another device to connect.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Controller to connect</translation>
    </message>
</context>
</TS>
