<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>O aplikaci %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Vytvořil projekt Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>e-mail: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Dny</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hodiny</translation>
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
        <translation>Odpočet</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Datum cesty zatím není nastaveno: zadáte ho volbou „Nastavit datum“.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Zbývající dny</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Zbývající hodiny</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Zbývající minuty</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Zbývající sekundy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Nastavit datum</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Odpočet do cesty dne %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Cesta dne %1 už začala.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Do cesty dne %5 zbývá: %1, %2, %3 a %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n den</numerusform>
            <numerusform>%n dny</numerusform>
            <numerusform>%n dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hodina</numerusform>
            <numerusform>%n hodiny</numerusform>
            <numerusform>%n hodin</numerusform>
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
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Datum cesty zadáte volbou „Nastavit datum“.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>je to odkaz, který vytvořil jiný uživatel, a to ve složce, do které mohou zapisovat i ostatní</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>je to pevný odkaz na soubor uložený jinde, a to ve složce, do které mohou zapisovat i ostatní</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>jeho odkazy vedou dokola</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>během ukládání se změnil</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>během otevírání se změnil</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>je na soubor s datem cesty příliš velký</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>datum není platný text v Unicode</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>jeho souborový systém nepřijal nic z toho, co se do něj zapisovalo</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Soubor s datem cesty „%1“ ve složce %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 nelze přečíst: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 obsahuje text, který je na datum příliš dlouhý.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 obsahuje „%2“, což není datum.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 nelze uložit: %2.

Datum cesty zůstává beze změny.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Udělejte z něj běžný soubor, který můžete číst i měnit, nebo spusťte program v jiné složce.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>složka, ve které by se měl nacházet, neexistuje</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 ve složce %2, do které vede jeho odkaz</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Datum Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Zadejte datum své cesty Zorvia:%1
Příklad: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Zadejte prosím správné datum:%1
Příklad: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Zadejte prosím platný rok:%1
Příklad: %2</translation>
    </message>
</context>
</TS>
