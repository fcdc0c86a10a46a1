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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Použití: velmor-counter [volba]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Ukazuje v malém okně v levém horním rohu obrazovky dny, hodiny, minuty
a sekundy, které zbývají do půlnoci na začátku dne vaší cesty. Datum nastavíte
volbou „Nastavit datum“ v nabídce okna: ukládá se do souboru vacation.txt
ve složce, ze které program spouštíte, a čte se ve formátu data podle vašeho
národního prostředí.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>zobrazí tuto nápovědu a skončí</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>zobrazí verzi a skončí</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Program přijímá také vlastní volby Qt, například -platform a -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>proměnná XDG_RUNTIME_DIR není nastavena, takže když program v této složce spustíte znovu, tuto běžící instanci nenajde</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>složka %1 nepatří jen vám, takže když program v této složce spustíte znovu, tuto běžící instanci nenajde</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>ve složce %1 nelze vytvořit zámek, takže když program v této složce spustíte znovu, tuto běžící instanci nenajde</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>instance programu, která už v této složce běží, neodpovídá; tato poběží souběžně s ní</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>není k dispozici žádný displej, na kterém by se okno zobrazilo (proměnná DISPLAY není nastavena)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>displej %1 nelze otevřít</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>neočekávaný argument „%1“</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>složka %1 neexistuje, takže když program v této složce spustíte znovu, tuto běžící instanci nenajde</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>ve složce %1 nelze vytvořit soket, takže když program v této složce spustíte znovu, tuto běžící instanci nenajde</translation>
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
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 dny</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 hodiny</translation>
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
        <translation>Dnes vyrážíte na cestu.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Zbývající čas do cesty: %1, %2, %3 a %4. Datum cesty: %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Soubor s datem cesty: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 a %4: cesta už začala. Datum cesty: %5.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>ukončí program</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>zeptá se na datum cesty</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>ukáže, kdo program vytvořil</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Nabídková lišta, %1 z %2: %3</translation>
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
        <translation>souborový systém nepřijal nic z toho, co se do něj zapisovalo</translation>
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

Zajistěte, aby to byl běžný soubor, který můžete číst i měnit, nebo spusťte program v jiné složce.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>složka, ve které by se měl nacházet, neexistuje</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 ve složce %2, do které vede jeho odkaz</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>soubor nebo složka neexistuje</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>přístup byl odepřen</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>část cesty k němu není složka</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>vede přes příliš mnoho odkazů</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>souborový systém je jen pro čtení</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>na disku už není volné místo</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>disková kvóta je vyčerpána</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>došlo k chybě při čtení nebo zápisu na disk</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>byl by pro souborový systém příliš velký</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>název souboru je příliš dlouhý</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>má rozšířený atribut, který program nemá oprávnění přenést na novou kopii souboru</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Spusťte program ve vlastní složce.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>je to soubor, který patří jinému uživateli, a to ve složce, do které mohou zapisovat i ostatní</translation>
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
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Datum a den v týdnu si neodpovídají: %1.</translation>
    </message>
</context>
</TS>
