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
    <message>
        <source>Countdown</source>
        <translation>Odliczanie</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Odliczanie do podróży w dniu %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Podróż w dniu %1 już się rozpoczęła.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Do podróży w dniu %5 pozostało: %1, %2, %3 i %4.</translation>
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
        <translation>jest dowiązaniem utworzonym przez innego użytkownika w katalogu, do którego mogą zapisywać także inni</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>jest dowiązaniem twardym do pliku znajdującego się gdzie indziej, w katalogu, do którego mogą zapisywać także inni</translation>
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
        <translation>jego system plików nie przyjął niczego z zapisywanych danych</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Plik z datą podróży „%1” w katalogu %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 nie może zostać odczytany: %2.%3</translation>
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
        <translation>%1 nie może zostać zapisany: %2.

Data podróży pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Zrób z niego zwykły plik, do którego masz prawa odczytu i zapisu, albo uruchom program w innym katalogu.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>katalog, w którym miałby się znajdować, nie istnieje</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 w katalogu %2, do którego prowadzi jego dowiązanie</translation>
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
</context>
</TS>
