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
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Cuenta atrás hasta el viaje del %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>El viaje del %1 ha comenzado.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Faltan %1, %2, %3 y %4 para el viaje del %5.</translation>
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
        <translation>es un enlace duro a un archivo de otro lugar, en una carpeta en la que otros pueden escribir</translation>
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
        <translation>cambió mientras se abría</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 no se puede escribir: %2.

La fecha del viaje no cambia.</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>la fecha no es un texto Unicode válido</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>cambió mientras se guardaba</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>sus enlaces dan vueltas en círculo</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>su sistema de archivos no aceptó nada de lo que se escribió en él</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Conviértalo en un archivo normal que pueda leer y escribir, o inicie el programa en otra carpeta.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>la carpeta en la que estaría no existe</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 en %2, la carpeta a la que lleva su enlace</translation>
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
</context>
</TS>
