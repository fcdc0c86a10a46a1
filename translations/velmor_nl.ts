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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Gebruik: velmor-counter [optie]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Toont in een klein venster linksboven in het scherm hoeveel dagen, uren,
minuten en seconden het nog duurt tot je reisdag om middernacht begint. Kies
‘Datum instellen’ in het menu van het venster om de datum op te geven. Die
wordt bewaard in vacation.txt in de map van waaruit de teller wordt gestart,
en gelezen in de datumnotatie van je landinstellingen.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>deze hulp tonen en afsluiten</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>de versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>De eigen opties van Qt, zoals -platform en -display, worden ook aanvaard.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>XDG_RUNTIME_DIR is niet ingesteld, dus een tweede start in deze map vindt deze teller niet</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 is geen map van jou alleen, dus een tweede start in deze map vindt deze teller niet</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 staat geen vergrendeling toe, dus een tweede start in deze map vindt deze teller niet</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>de teller die al in deze map draait reageert niet; deze draait ernaast</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>er is geen display om het venster op te tonen (DISPLAY is niet ingesteld)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>display %1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 bestaat niet, dus een tweede start in deze map vindt deze teller niet</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>in %1 kan geen socket worden aangemaakt, dus een tweede start in deze map vindt deze teller niet</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Nog geen reisdatum: kies ‘Datum instellen’ in het menu.</translation>
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
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 dagen</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 uur</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 minuten</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 seconden</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Je reis begint vandaag.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Nog %1, %2, %3 en %4 tot de reis op %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Reisdatumbestand: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>min %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 en %4: de reis is op %5 begonnen.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>sluit de teller af</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>vraagt om de reisdatum</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>toont wie de teller heeft gemaakt</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Menubalk, %1 van %2: %3</translation>
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

Kies ‘Datum instellen’ om een reisdatum op te geven.</translation>
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
        <translation>de koppelingen ervan vormen een lus</translation>
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
        <translation>het bestandssysteem waarop het staat heeft niets van de geschreven gegevens opgeslagen</translation>
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

Maak er een gewoon bestand van waarvoor je lees- en schrijfrechten hebt, of start de teller in een andere map.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>de map waarin het zou staan bestaat niet</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 in %2, de map waarnaar de koppeling ervan verwijst</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>het bestand of de map bestaat niet</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>de toegang is geweigerd</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>een deel van het pad is geen map</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>het pad loopt via te veel koppelingen</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>het bestandssysteem waarop het staat is alleen-lezen</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>er is geen ruimte meer op de schijf</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>het schijfquotum is opgebruikt</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>de schijf kon niet worden gelezen of beschreven</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>het zou te groot worden voor het bestandssysteem</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>de bestandsnaam is te lang</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>het heeft een uitgebreid attribuut dat de teller niet aan een nieuwe kopie ervan mag meegeven</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Start de teller in een eigen map.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>het is een bestand van een andere gebruiker, in een map waarin ook anderen mogen schrijven</translation>
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
        <translation>Voer een geldige datum in:%1
Voorbeeld: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Voer een geldig jaar in:%1
Voorbeeld: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>De datum en de dag van de week komen niet overeen: %1.</translation>
    </message>
</context>
</TS>
