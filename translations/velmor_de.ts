<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Erstellt vom Velmor-Projekt</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Noch kein Reisedatum: Wählen Sie „Datum festlegen“, um es festzulegen.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Verbleibende Tage</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Verbleibende Stunden</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Verbleibende Minuten</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Verbleibende Sekunden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Datum festlegen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Countdown bis zur Reise am %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Die Reise am %1 hat begonnen.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Noch %1, %2, %3 und %4 bis zur Reise am %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>sie ist eine Verknüpfung, die ein anderer Benutzer angelegt hat, in einem Verzeichnis, in das auch andere schreiben dürfen</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>sie ist ein harter Link auf eine Datei an anderer Stelle, in einem Verzeichnis, in das auch andere schreiben dürfen</translation>
    </message>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Wählen Sie „Datum festlegen“, um das Reisedatum festzulegen.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 kann nicht gelesen werden: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 enthält einen Text, der für ein Datum zu lang ist.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 enthält „%2“, und das ist kein Datum.%3</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Die Reisedatumsdatei „%1“ in %2</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>sie ist zu groß für eine Reisedatumsdatei</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>sie wurde beim Öffnen verändert</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 kann nicht geschrieben werden: %2.

Das Reisedatum bleibt, wie es war.</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>das Datum ist kein gültiges Unicode</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>sie wurde beim Speichern verändert</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ihre Verknüpfungen führen im Kreis</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>ihr Dateisystem hat nichts von dem angenommen, was hineingeschrieben wurde</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Machen Sie daraus eine gewöhnliche Datei, für die Sie Lese- und Schreibrechte haben, oder starten Sie das Programm in einem anderen Verzeichnis.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>das Verzeichnis, in dem sie liegen würde, existiert nicht</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 in %2, dem Verzeichnis, auf das ihre Verknüpfung verweist</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Zorvia-Datum</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Geben Sie das Datum Ihrer Zorvia-Reise ein:%1
Beispiel: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Bitte geben Sie ein korrektes Datum ein:%1
Beispiel: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Bitte geben Sie ein gültiges Jahr ein:%1
Beispiel: %2</translation>
    </message>
</context>
</TS>
