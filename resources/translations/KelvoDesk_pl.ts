<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Kanały %1 do %2: czerwony %3, zielony %4, niebieski %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>Brak połączenia !</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>Błąd sterowania !</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Inny program używa sterownika Kelvo.
System nie podaje, który. Zamknij go, a potem połącz ponownie.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Inny program używa sterownika Kelvo:
%1 (proces %2)
Zamknij go, a potem połącz ponownie.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Za mało pamięci !</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>Nie znaleziono pliku : %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Brak pamięci!</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>Błąd odczytu bieżącej wersji !</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>Różne wersje !</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Czy na pewno zainstalować starszą wersję oprogramowania?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Tak, na pewno!</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>Ta aktualizacja jest przeznaczona dla innego rdzenia oprogramowania !
Jej instalacja może trwale uszkodzić urządzenie !
Aby przeprogramować całe oprogramowanie, skontaktuj się z Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>Błąd zapisu !</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>Błąd protokołu !</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>Proces anulowany !</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Weryfikacja nieudana : blok %1
  Kontynuować ?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Tak !</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>Nie ...</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Przygotowanie urządzenia...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Przesyłanie oprogramowania...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Porównywanie oprogramowania...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>Polecenie nie powiodło się !</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>Czas minął !</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Wybór wejścia :</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Pilot :</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>Nieprawidłowy adres systemowy !</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Wysyłanie konfiguracji...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Odczyt konfiguracji...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>zapis nie powiódł się</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>poziom w scenie %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>poziom w kroku %2 programu %1</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>czasy sceny %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>czasy kroku %2 programu %1</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>długość programu %1</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>kroki programu %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>kopiowanie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>czyszczenie</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>akcję</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>tryb wejścia %1</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>scenę specjalną</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>ustawienie</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>adres systemowy pilota</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>odczyt z pliku</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>odczyt z Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>zmianę</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
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
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Wybierz z Kelvo</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>Klawisze pilota</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Wybierz z pilota</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Scena specjalna</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>Adres systemowy pilota</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Odczytaj ze sterownika</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Odczytano :</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>b/d</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Ustaw wartość</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>nieużywany</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Przyjmij z pilota</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Podgląd trzech kanałów</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Pokaż na sterowniku trzy kanały począwszy od  :  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Tryb mieszania scen</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Standard (wygrywa większy)</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Tryb proporcjonalny</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Symulator wejść</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generuj</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Sceny, kroki</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Program :</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Sceny niezależne</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>Nr sceny / kroku</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopiowanie</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Kopiuj sceny niezależne</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>scena źródłowa</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>liczba scen</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>cel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Kopiuj programy</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>źródło : program</translation>
    </message>
    <message>
        <source>step</source>
        <translation>krok</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>liczba :</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>programy</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>kroki</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>cel : program</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Wyślij konf. do Kelvo</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Odczytaj konf. z Kelvo</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Zapisz konf. do pliku</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Wczytaj konf. z pliku</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Wyczyść konfigurację</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Sterownik Kelvo</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>stan :</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączony</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Połącz z Kelvo</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Tryb pracy Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation>Resetuj Kelvo</translation>
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
        <translation>Największy czas: %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Zanikanie: %1 s</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Krok %1: narastanie %2 s, potem trwa, aż zdarzy się coś innego</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Krok %1: narastanie %2 s, trwanie %3 s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>Błąd krytyczny !</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Za mało pamięci !</translation>
    </message>
    <message>
        <source>simulated controller</source>
        <translation>symulowany sterownik</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Podgląd pokazu</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Wyjścia</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Kolory kanałów sceny specjalnej:</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>Podgląd obliczony z konfiguracji w tym oknie. Tam, gdzie zachowanie sterownika nie jest opisane, stosuje zasady wymienione w README, a sterownik może działać inaczej.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Odtwórz:</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Scena specjalna</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Cały pokaz od włączenia zasilania</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Numer sceny lub programu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Od początku</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Wypróbuj funkcje</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Wejścia (wciśnięte: styk zwarty):</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Wejście %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Klawisz pilota:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Adres systemowy:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Włącz zasilanie</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Program %1: krok trwa, aż zdarzy się coś innego</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Program %1: %2 z zanikaniem, potem się kończy</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Program %1: %2, potem znów krok 1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymany</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>Sterownik jest zatrzymany (start/stop)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>Żaden program nie działa</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>Program %1 zakończył się</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>Program %1 zanika</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Program %1, krok %2 z %3, pauza</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Program %1, krok %2 z %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Włączone sceny: %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Symulowany sterownik %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Tryb:</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>Wyjście DMX</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Uruchom wejście %1</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Klawisz:</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Adres systemowy:</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Zapomnij</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Ktoś uruchamia wejście lub klawisz sekundę po każdej prośbie</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>odłączony</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>uruchamia się ponownie</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>konfiguracja</translation>
    </message>
    <message>
        <source>live</source>
        <translation>na żywo</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>program ładujący</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normalny</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Naciśnięcia czekające na program: %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>W trybie normalnym słupki pokazują podgląd pokazu tak, jak według tego programu odtworzy go sterownik; w trybie na żywo pokazują poziomy wysyłane przez program.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>W trybie normalnym naciśnięcie robi to, co mówi konfiguracja. Czeka też, aż program poprosi o wejście lub klawisz (Wybierz ze sterownika, Wybierz z pilota, Przyjmij z pilota).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>Narastanie:</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>Zanikanie:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Nieskończony</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Ostatni krok</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Widoczne kanały</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Czerw.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Ziel.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Nieb.</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Poziom czerwonego</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Wartość poziomu czerwonego</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Poziom zielonego</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Wartość poziomu zielonego</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Poziom niebieskiego</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Wartość poziomu niebieskiego</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Poziom kanału %1</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Wartość poziomu kanału %1</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Czyszczenie konfiguracji</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>Co wyczyścić ?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno ?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Tak !</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Załaduj następną scenę</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Załaduj i uruchom następny program</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Start/stop sterownika</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Wstrzymaj/wznów program</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Kanał czerwony w górę/w dół</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Kanał zielony w górę/w dół</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Kanał niebieski w górę/w dół</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Kanał czerwony w górę</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Kanał czerwony w dół</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Kanał zielony w górę</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Kanał zielony w dół</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Kanał niebieski w górę</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Kanał niebieski w dół</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Załaduj i uruchom wybraną scenę</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Załaduj scenę specjalną</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Załaduj i uruchom wybrany program</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Przełącz wybraną scenę</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Brak akcji</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>Nr klawisza</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Przypisana akcja</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Włączenie zasilania</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Klawisz %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Akcja po włączeniu zasilania</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Akcja wejścia %1</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Akcja klawisza pilota %1</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Numer akcji po włączeniu zasilania</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Numer akcji wejścia %1</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Numer akcji klawisza pilota %1</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Tryb wejścia %1</translation>
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
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Zamknij aplikację</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Otwórz plik</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Otwórz plik konfiguracji</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Zapisz plik</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Zapisz plik konfiguracji</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Wyczyść bieżącą konfigurację</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>&amp;Aktualizuj Kelvo</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Wyślij aktualizację do urządzenia Kelvo</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>&amp;Weryfikuj oprogramowanie</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Weryfikuj oprogramowanie sterownika</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Jak uzyskać pomoc</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Informacje o aplikacji.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>Operacje na plikach i wyjście</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Zmień język aplikacji</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Aktualizacja</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Zarządzanie wersją oprogramowania</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Kilka krótkich informacji o programie</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Liczba kroków w programie:</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Ciągły</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Pętla</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Edytuj krok</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>Pierwszy kanał :</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Ostatni kanał :</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Narastanie</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Wejście standardowe</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>Klawisz pilota</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>b/d</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>nieużywany</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Pomoc</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Prosimy zadzwonić lub wysłać e-mail.

Telefon: +48 12 345 67 89
Faks:    +48 12 345 67 90
E-mail:  support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - O programie</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Brak połączenia!</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Łączenie ...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Poczekaj na nawiązanie połączenia ...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączony</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Połącz z Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączony</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Rozłącz Kelvo</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>Odmowa !</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>Zakresy źródła i celu nakładają się !</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>Źródło i cel nie mogą być takie same !</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Liczba scen do skopiowania przekracza możliwy zakres !<byte value="xd"/>
Aby przyjąć poprawioną wartość, naciśnij ponownie przycisk Kopiuj</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Liczba programów do skopiowania przekracza możliwy zakres !<byte value="xd"/>
Aby przyjąć poprawioną wartość, naciśnij ponownie przycisk Kopiuj</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Liczba kroków do skopiowania przekracza możliwy zakres !<byte value="xd"/>
Aby przyjąć poprawioną wartość, naciśnij ponownie przycisk Kopiuj</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Wybierz plik konfiguracji i danych sterownika Kelvo</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>Konfiguracja i dane KelvoDesk (*.cfgkv;*.cfg);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>Konfiguracja i dane KelvoDesk (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Ostrzeżenie!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Nie można zapisać nowego języka!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>Brak połączenia !
Konfiguracja nie została wysłana!</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>Brak połączenia !
Konfiguracja nie została odczytana!</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Wybierz plik aktualizacji sterownika Ovra - Kelvo</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Aktualizacja (*.upg)</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Zmień język na : %1</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Program do konfiguracji sterownika Kelvo.
Wersja :   %1

Ovra Lighting Systems
ul. Przykładowa 12
30-001 Kraków, Polska
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Zapisz plik j&amp;ako...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Zapisz plik konfiguracji pod inną nazwą</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Cofnij ostatnią zmianę konfiguracji</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Przywróć cofniętą zmianę</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Cofanie i przywracanie zmian konfiguracji</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>Konfiguracja ma zmiany, które nie są ani zapisane w pliku, ani wysłane do sterownika.

Czy najpierw zapisać je do pliku?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>RCU: pilot podczerwieni sterownika</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>Zresetować sterownik?
Uruchomi się ponownie i przerwie to, co robi.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>Zaktualizować sterownik z %1 do %2?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Naciśnij teraz klawisz pilota</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Przełącz teraz wejście</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>Sterownik czeka na oprogramowanie: aktualizacja nie została ukończona.
Uruchom ponownie &quot;Aktualizuj Kelvo&quot; z plikiem aktualizacji, aby ją dokończyć.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Znaleziono sterownik Kelvo: naciśnij Połącz</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Pod&amp;gląd</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Odtwarzanie konfiguracji tutaj, bez sterownika</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Odtwórz edytowaną &amp;scenę</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Odtwarza scenę lub program pokazany na stronie scen</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Odtwórz edytowany &amp;program</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Odtwarza program pokazany na stronie programów</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Odtwórz cały p&amp;okaz od włączenia</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Odtwarza od włączenia zasilania; wejścia i pilota można wypróbować</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>&amp;Ostatnie pliki</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Otwiera ostatnio używany plik konfiguracji</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Zapomina ostatnio używane pliki konfiguracji</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Krok źródłowy</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Krok docelowy</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Rodzaj symulowanego wejścia</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Numer symulowanego wejścia lub klawisza</translation>
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
        <translation>N/O, normalnie otwarte: wejście działa, gdy styk się zamyka</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>N/C, normalnie zamknięte: wejście działa, gdy styk się otwiera</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>N/U, nieużywane: sterownik pomija wejście</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>USB Interface</source>
        <translation>Interfejs USB</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Odczyt danych z pliku
    Udany!</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Odczyt danych z pliku
       Nieudany!

Plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Zapis konfiguracji
     Udany!</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Zapis konfiguracji
     Nieudany!</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Odczyt konfiguracji
anulowany !</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Odczyt konfiguracji
 Nieudany!</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Odczyt konfiguracji
Udany!</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>Błąd CRC w bloku !</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>Błąd rozpakowywania !</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>Aktualizacja nieudana !</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>Weryfikacja nieudana !</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>Weryfikacja %1 bloku(ów) nieudana !</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>Aktualizacja udana !</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>Weryfikacja udana !</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Zapis danych do pliku %1
Udany!</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Zapis danych do pliku %1
Nieudany!</translation>
    </message>
    <message>
        <source>File read error : %1</source>
        <translation>Błąd odczytu pliku : %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>Plik %1
nie jest poprawnym plikiem aktualizacji !</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Błąd pozycjonowania : %1</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Narastanie kroku %1</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Czas trwania kroku %1</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Czas trwania kroku %1 nieskończony</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Zanikanie kroku %1</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  nieskończony</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>Nr kroku</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Narastanie</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Trwanie | nieskoń.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Zanikanie</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>Czas progr.</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>Naruszona reguła !</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>Oba czasy nie mogą być równe 0 !
Czas trwania zostanie poprawiony.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Popraw wszystkie kroki</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>nieokreślony</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>Zostanie usunięty %n krok z programu.
	Czy na pewno ?</numerusform>
            <numerusform>Zostaną usunięte %n kroki z programu.
	Czy na pewno ?</numerusform>
            <numerusform>Zostanie usuniętych %n kroków z programu.
	Czy na pewno ?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Tak !</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Krok %1</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>Odłączone urządzenie !</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>Poprzednio podłączony sterownik nie jest już dostępny !
Ponów próbę lub wybierz inne urządzenie do połączenia.</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Sterownik do połączenia</translation>
    </message>
</context>
</TS>
