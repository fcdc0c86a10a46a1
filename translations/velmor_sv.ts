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
    <message>
        <source>Countdown</source>
        <translation>Nedräkning</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Räknar ner till resan den %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Resan den %1 har börjat.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>%1, %2, %3 och %4 kvar till resan den %5.</translation>
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
        <translation>dess länkar går i cirkel</translation>
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
        <translation>datumet är inte giltig Unicode-text</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>dess filsystem tog inte emot något av det som skrevs till den</translation>
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

Gör om den till en vanlig fil som du har läs- och skrivbehörighet till, eller starta programmet i en annan mapp.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>mappen som den skulle ligga i finns inte</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 i %2, mappen som dess länk leder till</translation>
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
        <translation>Ange ett korrekt datum:%1
Exempel: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Ange ett giltigt år:%1
Exempel: %2</translation>
    </message>
</context>
</TS>
