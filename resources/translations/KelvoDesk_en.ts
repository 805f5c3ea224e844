<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>KelvoDesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N / A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>source scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>source : program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>status :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F/W ver. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyTimeEdit</name>
    <message>
        <source>Largest time: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No action</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Key %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N / A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>input_delegate</name>
    <message>
        <source>N/O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/O, normally open: the input acts when its contact closes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
