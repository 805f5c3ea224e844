<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Каналы с %1 по %2: красный %3, зелёный %4, синий %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>Нет подключения!</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>Ошибка управления!</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Контроллер Kelvo использует другая программа.
Система не сообщает, какая. Закройте её и подключитесь снова.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Контроллер Kelvo использует другая программа:
%1 (процесс %2)
Закройте её и подключитесь снова.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Недостаточно памяти!</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>Файл не найден: %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Недостаточно памяти!</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>Ошибка чтения текущей версии!</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>Версии различаются!</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Вы действительно хотите установить более старую версию прошивки?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Да, установить!</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>Это обновление предназначено для другого ядра прошивки!
Его установка может необратимо повредить устройство!
Для полной перепрошивки обратитесь в Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>Ошибка записи!</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>Ошибка протокола!</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>Процесс отменён!</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Ошибка проверки: блок %1
  Продолжить?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Да!</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Подготовка устройства...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Передача прошивки...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Сравнение прошивки...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>Команда не выполнена!</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>Время ожидания истекло!</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Выбор входа:</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Пульт ДУ:</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>Недопустимый системный адрес!</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Отправка конфигурации...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Чтение конфигурации...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>ошибка записи</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не является обычным файлом</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>уровни сцены %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>уровни шага %2 программы %1</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>времена сцены %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>времена шага %2 программы %1</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>длина программы %1</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>шаги программы %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>копирование</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>очистка</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>действие</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>режим входа %1</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>специальная сцена</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>настройка</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>системный адрес пульта ДУ</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>чтение из файла</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>чтение из Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>изменение</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Канал %1: %2</translation>
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
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Выбрать на Kelvo</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>Кнопки пульта ДУ</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Выбрать с пульта</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Специальная сцена</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>Системный адрес пульта ДУ</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Считать с контроллера</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Считано:</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>н/д</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Задать значение</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>не исп.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Принять с пульта ДУ</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Просмотр трёх каналов</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Показывать на контроллере три канала, начиная с:  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Режим смешивания сцен</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Стандартный (HTP)</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Пропорциональный</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Симулятор входов</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Сгенерировать</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Сцены, шаги</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Программа:</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Независимые сцены</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>№ сцены / шага</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Копирование</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Копировать независимые сцены</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>исходная сцена</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>кол-во сцен</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>целевая сцена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Копировать программы</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>из программы:</translation>
    </message>
    <message>
        <source>step</source>
        <translation>шаг</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>кол-во:</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>программ</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>шагов</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>в программу:</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Записать в Kelvo</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Считать из Kelvo</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Загрузить из файла</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Очистить конф.</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Контроллер Kelvo</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>статус:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключён</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Режим работы</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Живой</translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation>Перезапуск Kelvo</translation>
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
        <translation>Наибольшее время: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Спад: %1 с</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Шаг %1: нарастание %2 с, затем держится, пока не произойдёт что-то другое</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Шаг %1: нарастание %2 с, удержание %3 с</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation>симуляция контроллера</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестный</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>Критическая ошибка!</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Недостаточно памяти!</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Просмотр шоу</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Цвета каналов специальной сцены:</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>Предпросмотр, рассчитанный по конфигурации в этом окне. Там, где поведение контроллера не описано, он следует правилам из README, и контроллер может вести себя иначе.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Воспроизвести:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Сцена</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Специальная сцена</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Всё шоу с включения питания</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Номер сцены или программы</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Сначала</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Проверить функции</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Входы (нажато: контакт замкнут):</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Вход %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Кнопка пульта ДУ:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Системный адрес:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Нажать кнопку</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Включить питание</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Программа %1: шаг держится, пока не произойдёт что-то другое</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Программа %1: %2 со спадом, затем завершается</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Программа %1: %2, затем снова шаг 1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>Контроллер остановлен (старт/стоп)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>Ни одна программа не выполняется</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>Программа %1 завершена</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>Программа %1: спад</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Программа %1, шаг %2 из %3, пауза</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Программа %1, шаг %2 из %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Включено сцен: %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Имитация контроллера %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>Выход DMX</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Задействовать вход %1</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Пульт ДУ</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Кнопка:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Системный адрес:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Нажать кнопку</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Кто-то задействует вход или кнопку через секунду после каждого запроса</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>отключён</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>перезапуск</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>конфигурация</translation>
    </message>
    <message>
        <source>live</source>
        <translation>живой</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>загрузчик прошивки</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>обычный</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Нажатий ждут программу: %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>В обычном режиме полосы показывают предпросмотр шоу так, как эта программа ожидает его от контроллера; в живом режиме — уровни, которые посылает программа.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>В обычном режиме нажатие делает то, что задано в конфигурации. Кроме того, оно ждёт, пока программа не запросит вход или кнопку (Выбрать на Kelvo, Выбрать с пульта, Принять с пульта ДУ).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>Нарастание:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Удержание:</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>Спад:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Бесконечно</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Посл. шаг</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Показанные каналы</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Красн.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зел.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Уровень красного</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Значение уровня красного</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Уровень зелёного</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Значение уровня зелёного</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Уровень синего</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Значение уровня синего</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Уровень канала %1</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Значение уровня канала %1</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Очистка конфигурации</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>Что очистить?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Сцены</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Пульт ДУ</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Вы уверены?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Да!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Загрузить следующую сцену</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Запустить следующую программу</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Пуск/стоп контроллера</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Пауза/продолжение программы</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Красный канал вверх/вниз</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Зелёный канал вверх/вниз</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Синий канал вверх/вниз</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Красный канал вверх</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Красный канал вниз</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Зелёный канал вверх</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Зелёный канал вниз</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Синий канал вверх</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Синий канал вниз</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Запустить выбранную сцену</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Загрузить специальную сцену</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Запустить выбранную программу</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Вкл./выкл. выбранную сцену</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Нет действия</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>№ кнопки</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Назначенное действие</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Вкл. питания</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Кнопка %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Действие при включении питания</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Действие входа %1</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Действие кнопки пульта ДУ %1</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Номер действия при включении питания</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Номер действия входа %1</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Номер действия кнопки пульта ДУ %1</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Режим входа %1</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation>Программа </translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Живой</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Открыть файл</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Открыть файл конфигурации</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Сохранить файл</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Сохранить файл конфигурации</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Сохранить файл &amp;как...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Сохранить файл конфигурации под другим именем</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Очистить текущую конфигурацию</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>&amp;Обновить прошивку Kelvo</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Загрузить обновление прошивки в устройство Kelvo</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>&amp;Проверить прошивку</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Проверить прошивку контроллера</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Как получить помощь</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Сведения о программе.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>Операции с файлами и выход</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Сменить язык интерфейса</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Сменить язык на: %1</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Обновление</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Управление версией прошивки</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Краткие сведения о программе</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Число шагов в программе:</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Непрерывно</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>Первый канал:</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Посл. канал:</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Вр. нарастания</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Обычный вход</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>Кнопка пульта ДУ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Справка</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Позвоните нам или напишите по электронной почте.

Телефон: +48 12 345 67 89
Факс:    +48 12 345 67 90
E-mail:  support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - О программе</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Программа настройки контроллера Kelvo.
Версия: %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Нет подключения!</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Дождитесь установки соединения...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключён</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Подключиться</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключён</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>Копирование невозможно</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>Диапазоны источника и назначения пересекаются!</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>Источник и назначение не должны совпадать!</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Количество копируемых сцен выходит за допустимый диапазон!<byte value="xd"/>
Чтобы принять исправленное значение, нажмите «Копировать» ещё раз.</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Количество копируемых программ выходит за допустимый диапазон!<byte value="xd"/>
Чтобы принять исправленное значение, нажмите «Копировать» ещё раз.</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Количество копируемых шагов выходит за допустимый диапазон!<byte value="xd"/>
Чтобы принять исправленное значение, нажмите «Копировать» ещё раз.</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Выберите файл конфигурации и данных контроллера Kelvo</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>Конфигурация и данные KelvoDesk (*.cfgkv;*.cfg);;Все файлы (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>Конфигурация и данные KelvoDesk (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Выберите файл обновления контроллера Ovra - Kelvo</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Обновление (*.upg)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Не удалось сохранить выбранный язык!</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>н/д</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>не используется</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>Нет подключения!
Конфигурация не отправлена!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>Нет подключения!
Конфигурация не считана!</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Отменить последнее изменение конфигурации</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Повторить отменённое изменение</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Отмена и повтор изменений конфигурации</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Повторить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>без имени</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>В конфигурации есть изменения, которые не сохранены в файл и не отправлены в контроллер.

Сначала сохранить их в файл?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>Пульт ДУ: инфракрасный пульт контроллера</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>Перезапустить контроллер?
Он перезапустится и прервёт текущую работу.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>Обновить прошивку контроллера с %1 до %2?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Нажмите сейчас кнопку пульта</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Задействуйте вход сейчас</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>Контроллер ждёт прошивку: обновление не завершено.
Запустите «Обновить прошивку Kelvo» ещё раз с файлом обновления, чтобы завершить его.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Найден контроллер Kelvo: нажмите «Подключить»</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>П&amp;росмотр</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Воспроизвести конфигурацию здесь, без контроллера</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Воспроизвести редактируемую &amp;сцену</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Воспроизвести сцену или программу со страницы сцен</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Воспроизвести редактируемую &amp;программу</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Воспроизвести программу со страницы программ</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Воспроизвести всё &amp;шоу с включения</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Воспроизвести с включения питания, с входами и пультом для проверки</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Открыть недавно использованный файл конфигурации</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Забыть недавно использованные файлы конфигурации</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Исходный шаг</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Целевой шаг</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Вид входа для имитации</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Номер входа или кнопки для имитации</translation>
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
        <translation>N/O, нормально разомкнут: вход срабатывает при замыкании контакта</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>N/C, нормально замкнут: вход срабатывает при размыкании контакта</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>N/U, не используется: контроллер не учитывает вход</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation>Ошибка чтения файла: %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>Файл %1
не является корректным файлом обновления!</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Ошибка позиционирования в файле: %1</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>Ошибка CRC в блоке!</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>Ошибка распаковки!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Интерфейс USB</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Запись данных в файл %1
Успешно!</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Запись данных в файл %1
Не удалось!</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Чтение данных из файла
    Успешно!</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Чтение данных из файла
       Не удалось!

Файл повреждён.</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>Обновление выполнено успешно!</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>Проверка выполнена успешно!</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>Проверка не пройдена, блоков с ошибками: %1!</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>Ошибка обновления!</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>Проверка не пройдена!</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Запись конфигурации
     Успешно!</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Запись конфигурации
     Не удалось!</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Чтение конфигурации
отменено!</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Чтение конфигурации
Успешно!</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Чтение конфигурации
 Не удалось!</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Время нарастания шага %1</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Время удержания шага %1</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Время удержания шага %1 бесконечно</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Время спада шага %1</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  бесконечно</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>№ шага</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Нарастание</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Удерж. | беск.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Спад</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>Время прогр.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Шаг %1</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>Нарушено правило!</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>Оба времени не могут быть равны 0!
Время удержания будет исправлено.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Исправить все шаги</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>не опред.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>Из программы будет удалён %n шаг.
	Вы действительно хотите это сделать?</numerusform>
            <numerusform>Из программы будут удалены %n шага.
	Вы действительно хотите это сделать?</numerusform>
            <numerusform>Из программы будут удалены %n шагов.
	Вы действительно хотите это сделать?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Да!</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>Устройство отключено!</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>Ранее подключённый контроллер недоступен!
Повторите или выберите другое устройство.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Сменить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Контроллер для подключения</translation>
    </message>
</context>
</TS>
