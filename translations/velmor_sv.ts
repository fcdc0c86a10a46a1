<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Skapat av Velmor-projektet</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-post: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Dagar</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Timmar</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunder</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Användning: velmor-counter [alternativ]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Visar i ett litet fönster längst upp till vänster på skärmen hur många dagar,
timmar, minuter och sekunder som återstår tills din resdag börjar vid midnatt.
Välj ”Ställ in datum” i fönstrets meny för att ange datumet. Det sparas i
vacation.txt i den mapp som räknaren startas från och läses i det datumformat
som dina språkinställningar använder.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Alternativ:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>visa den här hjälpen och avsluta</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>visa versionen och avsluta</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Qt:s egna alternativ, som -platform och -display, accepteras också.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>XDG_RUNTIME_DIR är inte satt, så en andra start i den här mappen hittar inte den här räknaren</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 är inte en mapp som bara tillhör dig, så en andra start i den här mappen hittar inte den här räknaren</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 tillåter inga lås, så en andra start i den här mappen hittar inte den här räknaren</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>räknaren som redan körs i den här mappen svarar inte; den här körs parallellt med den</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>det finns ingen skärm att visa fönstret på (DISPLAY är inte satt)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>kan inte öppna skärmen %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>oväntat argument ”%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 finns inte, så en andra start i den här mappen hittar inte den här räknaren</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>i %1 går det inte att skapa någon socket, så en andra start i den här mappen hittar inte den här räknaren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Inget resdatum ännu: välj ”Ställ in datum” för att ange ett.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Återstående dagar</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Återstående timmar</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Återstående minuter</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Återstående sekunder</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Ställ in datum</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n timme</numerusform>
            <numerusform>%n timmar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minuter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n sekund</numerusform>
            <numerusform>%n sekunder</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 dagar</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 timmar</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 minuter</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 sekunder</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Din resa börjar i dag.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>%1, %2, %3 och %4 kvar till resan den %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Resdatumfil: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 och %4: resan den %5 har börjat.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>avslutar räknaren</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>frågar efter resedatumet</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>visar vem som har gjort räknaren</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Menyrad, %1 av %2: %3</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Välj ”Ställ in datum” för att ange resdatumet.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>den är en länk som en annan användare har skapat, i en mapp där även andra får skriva</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>den är en hård länk till en fil på ett annat ställe, i en mapp där även andra får skriva</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>den är ingen vanlig fil</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>dess länkar bildar en slinga</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>den ändrades medan den sparades</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>den ändrades medan den öppnades</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>den är för stor för att vara en resdatumfil</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>datumet är ingen giltig Unicode-text</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>dess filsystem tog inte emot något av det som skrevs</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Resdatumfilen ”%1” i %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 kan inte läsas: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 innehåller en text som är för lång för att vara ett datum.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 innehåller ”%2”, vilket inte är ett datum.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 kan inte sparas: %2.

Resdatumet förblir oförändrat.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Gör om den till en vanlig fil som du har läs- och skrivbehörighet till, eller starta räknaren i en annan mapp.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>mappen som den skulle ligga i finns inte</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 i %2, mappen som dess länk leder till</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>filen eller mappen finns inte</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>åtkomst nekas</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>den är en mapp</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>en del av sökvägen är ingen mapp</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>sökvägen går via för många länkar</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>dess filsystem är skrivskyddat</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>det finns inget utrymme kvar på disken</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>diskkvoten är förbrukad</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>det gick inte att läsa från eller skriva till disken</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>den skulle bli för stor för sitt filsystem</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>filnamnet är för långt</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>den har ett utökat attribut som räknaren inte får föra över till en ny kopia av filen</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Starta räknaren i en egen mapp.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>den är en fil som ägs av en annan användare, i en mapp där även andra får skriva</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Zorvia-datum</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Ange datumet för din Zorvia-resa:%1
Exempel: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Ange ett giltigt datum:%1
Exempel: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Ange ett giltigt år:%1
Exempel: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Datumet och veckodagen stämmer inte överens: %1.</translation>
    </message>
</context>
</TS>
