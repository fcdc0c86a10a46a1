<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Gemaakt door het Velmor-project</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Uren</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Aftellen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Nog geen reisdatum: kies ‘Datum instellen’ om er een in te stellen.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Resterende dagen</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Resterende uren</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Resterende minuten</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Resterende seconden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Datum instellen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Aftellen tot de reis op %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>De reis op %1 is begonnen.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Nog %1, %2, %3 en %4 tot de reis op %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dag</numerusform>
            <numerusform>%n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n uur</numerusform>
            <numerusform>%n uur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Kies ‘Datum instellen’ om de reisdatum in te stellen.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>het is een koppeling die een andere gebruiker heeft gemaakt, in een map waarin ook anderen mogen schrijven</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>het is een harde koppeling naar een bestand elders, in een map waarin ook anderen mogen schrijven</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>de koppelingen ervan verwijzen in een kring naar elkaar</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>het is tijdens het opslaan gewijzigd</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>het is tijdens het openen gewijzigd</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>het is te groot voor een reisdatumbestand</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>de datum is geen geldige Unicode-tekst</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>het bestandssysteem waarop het staat heeft niets opgeslagen van wat erin werd geschreven</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Het reisdatumbestand ‘%1’ in %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 kan niet worden gelezen: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 bevat een tekst die te lang is voor een datum.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 bevat ‘%2’, en dat is geen datum.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 kan niet worden opgeslagen: %2.

De reisdatum blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Maak er een gewoon bestand van waarvoor je lees- en schrijfrechten hebt, of start het programma in een andere map.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>de map waarin het zou staan bestaat niet</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 in %2, de map waarnaar de koppeling ervan verwijst</translation>
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
        <translation>Voer de datum van je Zorvia-reis in:%1
Voorbeeld: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Voer een juiste datum in:%1
Voorbeeld: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Voer een geldig jaar in:%1
Voorbeeld: %2</translation>
    </message>
</context>
</TS>
