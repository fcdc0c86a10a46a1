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
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Aufruf: velmor-counter [Option]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Zeigt in einem kleinen Fenster oben links auf dem Bildschirm, wie viele Tage,
Stunden, Minuten und Sekunden noch bleiben, bis Ihr Reisetag um Mitternacht
beginnt. Das Datum geben Sie im Menü des Fensters unter „Datum festlegen“ ein.
Es wird in vacation.txt in dem Verzeichnis gespeichert, aus dem der Zähler
gestartet wird, und im Datumsformat Ihres Gebietsschemas gelesen.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Die Qt-eigenen Optionen wie -platform und -display werden ebenfalls akzeptiert.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>XDG_RUNTIME_DIR ist nicht gesetzt, daher findet ein zweiter Start in diesem Verzeichnis diesen Zähler nicht</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 ist kein Verzeichnis, das nur Ihnen gehört, daher findet ein zweiter Start in diesem Verzeichnis diesen Zähler nicht</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>in %1 lässt sich keine Sperre setzen, daher findet ein zweiter Start in diesem Verzeichnis diesen Zähler nicht</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>der in diesem Verzeichnis bereits laufende Zähler antwortet nicht; dieser hier läuft zusätzlich</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>es gibt kein Display, auf dem das Fenster angezeigt werden kann (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>das Display %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 existiert nicht, daher findet ein zweiter Start in diesem Verzeichnis diesen Zähler nicht</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>in %1 lässt sich kein Socket anlegen, daher findet ein zweiter Start in diesem Verzeichnis diesen Zähler nicht</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Noch kein Reisedatum: Wählen Sie im Menü „Datum festlegen“.</translation>
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
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 Tage</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 Sekunden</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Ihre Reise beginnt heute.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Noch %1, %2, %3 und %4 bis zur Reise am %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Reisedatumsdatei: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 und %4: Die Reise hat am %5 begonnen.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>beendet den Zähler</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>fragt nach dem Reisedatum</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>zeigt, wer den Zähler gemacht hat</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Menüleiste, %1 von %2: %3</translation>
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
        <translation>sie ist eine von einem anderen Benutzer angelegte Verknüpfung in einem Verzeichnis, in das auch andere schreiben dürfen</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>sie ist eine harte Verknüpfung auf eine Datei an anderer Stelle, in einem Verzeichnis, in das auch andere schreiben dürfen</translation>
    </message>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Wählen Sie „Datum festlegen“, um das Reisedatum einzugeben.</translation>
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
        <translation>%1 kann nicht gespeichert werden: %2.

Das Reisedatum bleibt unverändert.</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>das Datum enthält ungültige Unicode-Zeichen</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>sie wurde beim Speichern verändert</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ihre Verknüpfungen bilden eine Schleife</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>ihr Dateisystem hat nichts von den geschriebenen Daten angenommen</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Machen Sie daraus eine gewöhnliche Datei, für die Sie Lese- und Schreibrechte haben, oder starten Sie den Zähler in einem anderen Verzeichnis.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>das Verzeichnis, in dem sie liegen würde, existiert nicht</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 (in %2, dem Verzeichnis, auf das ihre Verknüpfung verweist)</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>sie oder ihr Verzeichnis existiert nicht</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>der Zugriff wurde verweigert</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>sie ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>ein Teil ihres Pfads ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>sie führt über zu viele Verknüpfungen</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>ihr Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>auf dem Datenträger ist kein Speicherplatz mehr frei</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent auf dem Datenträger ist aufgebraucht</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>der Datenträger konnte nicht gelesen oder beschrieben werden</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>sie wäre zu groß für ihr Dateisystem</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>ihr Name ist zu lang</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>sie hat ein erweitertes Attribut, das der Zähler einer neuen Kopie nicht mitgeben darf</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Starten Sie den Zähler in einem eigenen Verzeichnis.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>sie gehört einem anderen Benutzer und liegt in einem Verzeichnis, in das auch andere schreiben dürfen</translation>
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
        <translation>Bitte geben Sie ein gültiges Datum ein:%1
Beispiel: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Bitte geben Sie ein gültiges Jahr ein:%1
Beispiel: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Datum und Wochentag passen nicht zusammen: %1.</translation>
    </message>
</context>
</TS>
