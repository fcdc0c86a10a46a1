<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Autor: projekt Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>e-mail: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuty</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Użycie: velmor-counter [opcja]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Pokazuje w małym oknie w lewym górnym rogu ekranu, ile dni, godzin, minut
i sekund zostało do północy rozpoczynającej dzień podróży. Datę ustawisz
poleceniem „Ustaw datę” w menu okna: program zapisuje ją w pliku vacation.txt
w katalogu, z którego go uruchomiono, i odczytuje w formacie daty zgodnym
z ustawieniami regionalnymi.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>wyświetla tę pomoc i kończy działanie</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>wyświetla wersję i kończy działanie</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Program przyjmuje też własne opcje Qt, takie jak -platform i -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>nie ustawiono zmiennej XDG_RUNTIME_DIR, więc program uruchomiony ponownie w tym katalogu nie odnajdzie tej działającej kopii</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>katalog %1 nie należy wyłącznie do ciebie, więc program uruchomiony ponownie w tym katalogu nie odnajdzie tej działającej kopii</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>w katalogu %1 nie można założyć blokady, więc program uruchomiony ponownie w tym katalogu nie odnajdzie tej działającej kopii</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>kopia programu działająca już w tym katalogu nie odpowiada; ta działa równolegle z nią</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>brak ekranu, na którym można by wyświetlić okno (nie ustawiono zmiennej DISPLAY)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>nie można otworzyć ekranu %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>katalog %1 nie istnieje, więc program uruchomiony ponownie w tym katalogu nie odnajdzie tej działającej kopii</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>w katalogu %1 nie można utworzyć gniazda, więc program uruchomiony ponownie w tym katalogu nie odnajdzie tej działającej kopii</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Nie ustawiono jeszcze daty podróży: wybierz „Ustaw datę”, aby ją podać.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Pozostałe dni</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Pozostałe godziny</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Pozostałe minuty</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Pozostałe sekundy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Ustaw datę</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 dni</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 minuty</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 sekundy</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Dziś wyruszasz w podróż.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Pozostały czas do podróży: %1, %2, %3 i %4. Data podróży: %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Plik z datą podróży: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 i %4: podróż już się rozpoczęła. Data podróży: %5.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>zamyka program</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>pyta o datę podróży</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>pokazuje, kto stworzył program</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Pasek menu, %1 z %2: %3</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; in a language written from left to right, &quot;RTL&quot; in one written from right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Wybierz „Ustaw datę”, aby podać datę podróży.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>jest dowiązaniem utworzonym przez innego użytkownika w katalogu, w którym prawo zapisu mają także inni</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>jest dowiązaniem twardym do pliku położonego gdzie indziej, w katalogu, w którym prawo zapisu mają także inni</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>jego dowiązania tworzą zamkniętą pętlę</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>zmienił się w trakcie zapisywania</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>zmienił się w trakcie otwierania</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>jest za duży jak na plik z datą podróży</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>data nie jest poprawnym tekstem Unicode</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>system plików nie przyjął ani bajtu zapisywanych danych</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Plik z datą podróży „%1” w katalogu %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 nie daje się odczytać: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 zawiera tekst za długi jak na datę.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 zawiera „%2”, a to nie jest data.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 nie daje się zapisać: %2.

Data podróży pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Upewnij się, że jest to zwykły plik, który możesz odczytywać i zapisywać, albo uruchom program w innym katalogu.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>katalog, w którym miałby się znajdować, nie istnieje</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 w katalogu %2, do którego prowadzi jego dowiązanie</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>jest katalogiem</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>jeden z elementów ścieżki nie jest katalogiem</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>prowadzi przez zbyt wiele dowiązań</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>system plików jest tylko do odczytu</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>brak miejsca na dysku</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>przekroczono limit miejsca na dysku</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>wystąpił błąd odczytu lub zapisu na dysku</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>byłby za duży dla systemu plików</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>nazwa pliku jest za długa</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>ma rozszerzony atrybut, którego program nie może nadać nowej kopii pliku</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Uruchom program we własnym katalogu.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>jest plikiem należącym do innego użytkownika, w katalogu, w którym prawo zapisu mają także inni</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Data Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Podaj datę swojej podróży Zorvia:%1
Przykład: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Podaj poprawną datę:%1
Przykład: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Podaj prawidłowy rok:%1
Przykład: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Data i dzień tygodnia nie pasują do siebie: %1.</translation>
    </message>
</context>
</TS>
