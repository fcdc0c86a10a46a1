<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Creado por el proyecto Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Uso: velmor-counter [opción]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Muestra en una pequeña ventana, en la esquina superior izquierda de la
pantalla, los días, horas, minutos y segundos que faltan hasta la medianoche
en que empieza el día de su viaje. Para indicar la fecha, elija «Fijar fecha»
en el menú de la ventana: se guarda en el archivo vacation.txt de la carpeta
desde la que se inicia el contador y se lee en el formato de fecha de su
configuración regional.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y finaliza</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>muestra la versión y finaliza</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>También se aceptan las opciones propias de Qt, como -platform y -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>la variable XDG_RUNTIME_DIR no está definida, así que, si se vuelve a iniciar en esta carpeta, no se encontrará este contador</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 no es una carpeta exclusivamente suya, así que, si se vuelve a iniciar en esta carpeta, no se encontrará este contador</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 no admite bloqueos, así que, si se vuelve a iniciar en esta carpeta, no se encontrará este contador</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>el contador que ya se está ejecutando en esta carpeta no responde; este se ejecuta en paralelo</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>no hay ninguna pantalla en la que mostrar la ventana (la variable DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 no existe, así que, si se vuelve a iniciar en esta carpeta, no se encontrará este contador</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>no se puede crear un socket en %1, así que, si se vuelve a iniciar en esta carpeta, no se encontrará este contador</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Aún no hay fecha de viaje: elija «Fijar fecha» para establecerla.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Días restantes</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Horas restantes</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Minutos restantes</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Fijar fecha</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 días</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 segundos</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Su viaje comienza hoy.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Faltan %1, %2, %3 y %4 para el viaje del %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Archivo de fecha de viaje: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 y %4: ha comenzado el viaje del %5.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>cierra el contador</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>pide la fecha del viaje</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>muestra quién hizo el contador</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Barra de menús, %1 de %2: %3</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>es un enlace creado por otro usuario, en una carpeta en la que otros pueden escribir</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>es un enlace duro a un archivo situado en otro lugar, en una carpeta en la que otros pueden escribir</translation>
    </message>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Elija «Fijar fecha» para establecer la fecha del viaje.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 no se puede leer: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 contiene un texto demasiado largo para ser una fecha.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 contiene «%2», que no es una fecha.%3</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>El archivo de fecha de viaje «%1» en %2</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>es demasiado grande para ser un archivo de fecha de viaje</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>ha cambiado mientras se abría</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 no se puede escribir: %2.

La fecha del viaje no se ha modificado.</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>la fecha no es un texto Unicode válido</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>ha cambiado mientras se guardaba</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>sus enlaces forman un bucle</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>su sistema de archivos no ha aceptado nada de lo que se ha escrito en él</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Conviértalo en un archivo normal que pueda leer y escribir, o inicie el contador en otra carpeta.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>la carpeta en la que estaría no existe</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 en %2, la carpeta a la que lleva su enlace</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>se ha denegado el acceso</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>una parte de su ruta no es una carpeta</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>su ruta pasa por demasiados enlaces</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>su sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>se ha agotado la cuota de disco</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>se ha producido un error de lectura o escritura en el disco</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>sería demasiado grande para su sistema de archivos</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>su nombre es demasiado largo</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>lleva un atributo extendido que el contador no tiene permiso para aplicar a una copia nueva</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Inicie el contador en una carpeta propia.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>es un archivo de otro usuario, en una carpeta en la que otros pueden escribir</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Fecha de Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Introduzca la fecha de su viaje Zorvia:%1
Ejemplo: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Introduzca una fecha correcta:%1
Ejemplo: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Introduzca un año válido:%1
Ejemplo: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>La fecha y el día de la semana no coinciden: %1.</translation>
    </message>
</context>
</TS>
