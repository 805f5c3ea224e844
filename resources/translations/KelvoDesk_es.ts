<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Canales %1 a %2: rojo %3, verde %4, azul %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>¡Sin conexión!</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>¡Error de control!</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Otro programa está usando el controlador Kelvo.
El sistema no indica cuál. Ciérrelo y vuelva a conectar.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Otro programa está usando el controlador Kelvo:
%1 (proceso %2)
Ciérrelo y vuelva a conectar.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>¡Memoria insuficiente!</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>¡Sin memoria!</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>¡Error al leer la versión actual!</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>¡Versiones diferentes!</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>¿Seguro que desea instalar una versión anterior del firmware?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>¡Sí, seguro!</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>¡Esta actualización es para otro núcleo de firmware!
¡Instalarla puede dañar el equipo de forma permanente!
Para reprogramar todo el firmware, contacte con Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>¡Error de escritura!</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>¡Error de protocolo!</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>¡Proceso cancelado!</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Verificación fallida: bloque %1
  ¿Continuar?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>¡Sí!</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>No...</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Preparando el equipo...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Transfiriendo el firmware...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Comparando el firmware...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>¡Error en el comando!</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>¡Tiempo agotado!</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Selección de entrada:</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Mando a distancia:</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>¡Dirección de sistema no válida!</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Enviando la configuración...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Leyendo la configuración...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>error de escritura</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>nivel de escena %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>nivel de programa %1, paso %2</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>tiempos de escena %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>tiempos de programa %1, paso %2</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>longitud del programa %1</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>pasos del programa %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>copia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>borrado</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>acción</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>modo de entrada %1</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>escena especial</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>ajuste</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>dirección de sistema del mando</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>lectura de archivo</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>lectura de Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>cambio</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1: %2</translation>
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
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Elegir del equipo</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>Teclas del mando</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Elegir del mando</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Escena especial</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>Dirección de sistema del mando</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Leer del controlador</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Valor leído:</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Fijar valor</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>sin usar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Aceptar del mando</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Vista previa de tres canales</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Mostrar en el controlador tres canales a partir de:  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Modo de mezcla de escenas</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Modo estándar (gana el mayor)</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Modo proporcional</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Simulador de entradas</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Escenas, pasos</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Elegir programa:</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Escenas independientes</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>N.º escena / paso</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Copiar escenas independientes</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>escena de origen</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>n.º de escenas</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>destino</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Copiar programas</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>origen: programa</translation>
    </message>
    <message>
        <source>step</source>
        <translation>paso</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>n.º de:</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>programas</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>destino: programa</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Enviar conf. a Kelvo</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Leer conf. de Kelvo</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Leer conf. de archivo</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Borrar configuración</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Controlador Kelvo</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>estado:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Conectar Kelvo</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Modo de trabajo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation>Reiniciar Kelvo</translation>
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
        <translation>Tiempo máximo: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Bajada: %1 s</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Paso %1: subida %2 s, luego se mantiene hasta que ocurra otra cosa</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Paso %1: subida %2 s, permanencia %3 s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation>controlador simulado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>¡Error crítico!</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>¡Memoria insuficiente!</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Vista previa del espectáculo</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Colores de los canales de la escena especial:</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>Una vista previa calculada a partir de la configuración de esta ventana. Donde el comportamiento del controlador no está descrito, sigue las reglas del README, y un controlador puede diferir.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Reproducir:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Escena</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Escena especial</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Todo el espectáculo desde el encendido</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Número de la escena o del programa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Probar las funciones</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Entradas (pulsada: contacto cerrado):</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Tecla del mando:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Dirección del sistema:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Encender</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Programa %1: un paso se mantiene hasta que ocurra otra cosa</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Programa %1: %2 con su bajada, luego termina</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Programa %1: %2, luego vuelve el paso 1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>El controlador está detenido (inicio/parada)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>Ningún programa en curso</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>El programa %1 ha terminado</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>El programa %1 está en bajada</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Programa %1, paso %2 de %3, en pausa</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Programa %1, paso %2 de %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Escenas encendidas: %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Controlador simulado %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>Salida DMX</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Accionar entrada %1</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Mando a distancia</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tecla:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Dirección del sistema:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Pulsar tecla</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Alguien acciona una entrada o tecla un segundo después de cada petición</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>desconectado</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>reiniciando</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>configuración</translation>
    </message>
    <message>
        <source>live</source>
        <translation>en vivo</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>cargador de firmware</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Pulsaciones esperando al programa: %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>En modo normal las barras muestran una vista previa del espectáculo tal como este programa espera que lo reproduzca el controlador; en modo en vivo muestran los niveles que envía el programa.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>En modo normal una pulsación hace lo que dice la configuración. Además espera hasta que el programa pide una entrada o tecla (Elegir del equipo, Elegir del mando, Aceptar del mando).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>Subida:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Permanencia:</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>Bajada:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Infinito</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Último paso</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Canales mostrados</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Nivel rojo</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Valor del nivel rojo</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Nivel verde</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Valor del nivel verde</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Nivel azul</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Valor del nivel azul</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Nivel del canal %1</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Valor del nivel del canal %1</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Borrar configuración</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>¿Qué borrar?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Escenas</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Mando a distancia</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>¡Sí!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Cargar escena siguiente</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Cargar y ejecutar programa siguiente</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Marcha/paro del controlador</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Pausar/reanudar programa</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Subir/bajar canal rojo</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Subir/bajar canal verde</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Subir/bajar canal azul</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Subir canal rojo</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Bajar canal rojo</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Subir canal verde</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Bajar canal verde</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Subir canal azul</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Bajar canal azul</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Cargar y ejecutar escena elegida</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Cargar escena especial</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Cargar y ejecutar programa elegido</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Conmutar escena elegida</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Sin acción</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>N.º tecla</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Acción asignada</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Encendido</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Tecla %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Acción al encender</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Acción de la entrada %1</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Acción de la tecla del mando %1</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Número de la acción al encender</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Número de la acción de la entrada %1</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Número de la acción de la tecla del mando %1</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Modo de la entrada %1</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation>Programa </translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Cerrar la aplicación</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Abrir archivo</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Abrir archivo de configuración</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Guardar archivo</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Guardar archivo de configuración</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Guardar archivo &amp;como...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Guardar el archivo de configuración con otro nombre</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Borrar la configuración actual</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>&amp;Actualizar Kelvo</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Enviar actualización al equipo Kelvo</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>&amp;Verificar firmware</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Verificar firmware</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Cómo obtener ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Información sobre la aplicación.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>Operaciones con archivos y salida</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Cambiar el idioma de la aplicación</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Cambiar idioma a: %1</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>Ac&amp;tualización</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Gestión de versiones del firmware</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Breve información sobre este programa</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Número de pasos del programa:</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Editar paso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>Primer canal:</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Último canal:</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Entrada estándar</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>Tecla del mando</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edición</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Ayuda</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Llámenos o envíenos un correo electrónico.

Teléfono: +48 12 345 67 89
Fax:      +48 12 345 67 90
Correo:   support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - Acerca de</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Programa para configurar el controlador Kelvo.
Versión :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Cracovia, Polonia
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>¡Sin conexión!</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Espere a que se establezca la conexión...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Conectar Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Desconectar Kelvo</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>¡Operación rechazada!</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>¡Los rangos de origen y destino se solapan!</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>¡El origen y el destino no pueden ser iguales!</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>¡El número de escenas a copiar excede el rango posible!<byte value="xd"/>
Para aceptar el valor corregido, pulse de nuevo el botón Copiar.</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>¡El número de programas a copiar excede el rango posible!<byte value="xd"/>
Para aceptar el valor corregido, pulse de nuevo el botón Copiar.</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>¡El número de pasos a copiar excede el rango posible!<byte value="xd"/>
Para aceptar el valor corregido, pulse de nuevo el botón Copiar.</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Elija un archivo de configuración y datos del controlador Kelvo</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>Configuración y datos KelvoDesk (*.cfgkv;*.cfg);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>Configuración y datos KelvoDesk (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Elija un archivo de actualización del controlador Ovra - Kelvo</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Actualización (*.upg)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>¡No se puede guardar el nuevo idioma!</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>sin usar</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>¡Sin conexión!
¡Configuración no enviada!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>¡Sin conexión!
¡Configuración no leída!</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Deshacer el último cambio de la configuración</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Rehacer el cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Deshacer y rehacer cambios de la configuración</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sin título</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>La configuración tiene cambios que no se han guardado en un archivo ni enviado al controlador.

¿Guardarlos antes en un archivo?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>Mando: el mando a distancia por infrarrojos del controlador</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>¿Reiniciar el controlador?
Se reinicia y deja de hacer lo que está haciendo.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>¿Actualizar el controlador de %1 a %2?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Pulse ahora una tecla del mando</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Accione ahora la entrada</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>El controlador espera su firmware: una actualización no terminó.
Ejecute de nuevo &quot;Actualizar Kelvo&quot; con el archivo de actualización para terminarla.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Controlador Kelvo encontrado: pulse Conectar</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Reproducir la configuración aquí, sin controlador</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Reproducir la &amp;escena en edición</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Reproduce la escena o el programa mostrado en la página de escenas</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Reproducir el &amp;programa en edición</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Reproduce el programa mostrado en la página de programas</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Reproducir todo el es&amp;pectáculo desde el encendido</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Reproduce desde el encendido, con las entradas y el mando para probar</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Abrir un archivo de configuración usado recientemente</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Olvidar los archivos de configuración usados recientemente</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Paso de origen</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Paso de destino</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Tipo de entrada que simular</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Número de la entrada o tecla que simular</translation>
    </message>
</context>
<context>
    <name>input_delegate</name>
    <message>
        <source>N/O</source>
        <translation>NA</translation>
    </message>
    <message>
        <source>N/C</source>
        <translation>NC</translation>
    </message>
    <message>
        <source>N/U</source>
        <translation>NU</translation>
    </message>
    <message>
        <source>N/O, normally open: the input acts when its contact closes</source>
        <translation>NA, normalmente abierto: la entrada actúa cuando su contacto se cierra</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>NC, normalmente cerrado: la entrada actúa cuando su contacto se abre</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>NU, no usado: el controlador ignora la entrada</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation>Error de lectura de archivo: %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>¡El archivo %1
no es un archivo de actualización válido!</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Error de posicionamiento: %1</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>¡Error de CRC en el bloque!</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>¡Error de descompresión!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Interfaz USB</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Escritura de datos en el archivo %1
¡Correcta!</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Escritura de datos en el archivo %1
¡Fallida!</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Lectura de datos del archivo
    ¡Correcta!</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Lectura de datos del archivo
       ¡Fallida!

El archivo está dañado.</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>¡Actualización correcta!</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>¡Verificación correcta!</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>¡Falló la verificación de %1 bloque(s)!</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>¡Actualización fallida!</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>¡Verificación fallida!</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Escritura de configuración
     ¡Correcta!</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Escritura de configuración
     ¡Fallida!</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Lectura de configuración
¡Cancelada!</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Lectura de configuración
¡Correcta!</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Lectura de configuración
 ¡Fallida!</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Tiempo de subida del paso %1</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Tiempo de permanencia del paso %1</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Tiempo de permanencia del paso %1 infinito</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Tiempo de bajada del paso %1</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  infinito</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>N.º paso</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Subida</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Permanencia | inf.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Bajada</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>T. programa</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>¡Regla incumplida!</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>¡Los dos tiempos no pueden ser 0!
Se corregirá el tiempo de permanencia.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Corregir todos</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>indeterminado</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>Se va a eliminar %n paso del programa.
	¿Seguro que desea hacerlo?</numerusform>
            <numerusform>Se van a eliminar %n pasos del programa.
	¿Seguro que desea hacerlo?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>¡Sí!</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>¡Equipo desconectado!</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>¡El controlador conectado antes ya no está disponible!
Reintente o elija otro equipo para conectar.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Controlador que conectar</translation>
    </message>
</context>
</TS>
