<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Creato dal progetto Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Uso: velmor-counter [opzione]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Mostra in una piccola finestra in alto a sinistra dello schermo i giorni, le
ore, i minuti e i secondi che mancano alla mezzanotte con cui inizia il giorno
del tuo viaggio. Per inserire la data, scegli «Imposta data» nel menu della
finestra: viene conservata nel file vacation.txt della cartella da cui si
avvia il contatore e letta nel formato di data delle tue impostazioni locali.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Sono accettate anche le opzioni proprie di Qt, come -platform e -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>la variabile XDG_RUNTIME_DIR non è impostata, quindi un secondo avvio in questa cartella non rileverà questo contatore</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 non è una cartella riservata solo a te, quindi un secondo avvio in questa cartella non rileverà questo contatore</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 non consente di acquisire un blocco, quindi un secondo avvio in questa cartella non rileverà questo contatore</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>il contatore già in esecuzione in questa cartella non risponde; questo viene eseguito in parallelo</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>non c’è alcun display su cui mostrare la finestra (la variabile DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>impossibile aprire il display %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento imprevisto «%1»</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 non esiste, quindi un secondo avvio in questa cartella non rileverà questo contatore</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>in %1 non è possibile creare un socket, quindi un secondo avvio in questa cartella non rileverà questo contatore</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Ancora nessuna data del viaggio: scegli «Imposta data» per inserirla.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Giorni rimanenti</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Ore rimanenti</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Minuti rimanenti</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Secondi rimanenti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Imposta data</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 giorni</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 minuti</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 secondi</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Il tuo viaggio inizia oggi.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Mancano %1, %2, %3 e %4 al viaggio di %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>File della data del viaggio: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>meno %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 e %4: il viaggio di %5 è iniziato.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>chiude il contatore</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>chiede la data del viaggio</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>mostra chi ha creato il contatore</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Barra dei menu, %1 di %2: %3</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Scegli «Imposta data» per inserire la data del viaggio.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>è un collegamento creato da un altro utente, in una cartella in cui anche altri possono scrivere</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>è un collegamento fisico a un file che si trova altrove, in una cartella in cui anche altri possono scrivere</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>i suoi collegamenti formano un ciclo</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>è stato modificato durante il salvataggio</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>è stato modificato durante l’apertura</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>è troppo grande per essere un file della data del viaggio</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>la data non è un testo Unicode valido</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>il suo file system non ha accettato nulla di ciò che vi è stato scritto</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Il file della data del viaggio «%1» in %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 non può essere letto: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 contiene un testo troppo lungo per essere una data.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 contiene «%2», che non è una data.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 non può essere scritto: %2.

La data del viaggio resta invariata.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Trasformalo in un file regolare che puoi leggere e scrivere, oppure avvia il contatore in un’altra cartella.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>la cartella in cui si troverebbe non esiste</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 in %2, la cartella a cui porta il suo collegamento</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>il file o la cartella non esiste</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>l’accesso è negato</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>una parte del suo percorso non è una cartella</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>il suo percorso passa per troppi collegamenti</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>il suo file system è di sola lettura</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>sul disco non c’è più spazio</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la quota disco è esaurita</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>la lettura o la scrittura sul disco non è riuscita</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>sarebbe troppo grande per il suo file system</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>il suo nome è troppo lungo</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>ha un attributo esteso che il contatore non è autorizzato a impostare su una nuova copia</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Avvia il contatore in una cartella di tua proprietà.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>è un file di proprietà di un altro utente, in una cartella in cui anche altri possono scrivere</translation>
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
        <translation>Inserisci la data del tuo viaggio Zorvia:%1
Esempio: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Inserisci una data corretta:%1
Esempio: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Inserisci un anno valido:%1
Esempio: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>La data e il giorno della settimana non corrispondono: %1.</translation>
    </message>
</context>
</TS>
