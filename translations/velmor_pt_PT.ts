<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Acerca do %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Criado pelo projeto Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
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
    <message>
        <source>Countdown</source>
        <translation>Contagem decrescente</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Ainda não há data da viagem: escolha «Definir data» para a indicar.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Dias restantes</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Definir data</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Contagem decrescente para a viagem de %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>A viagem de %1 já começou.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>Faltam %1, %2, %3 e %4 para a viagem de %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Escolha «Definir data» para indicar a data da viagem.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>é uma ligação criada por outro utilizador, numa pasta onde outros podem escrever</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>é uma ligação física a um ficheiro noutro local, numa pasta onde outros podem escrever</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>as suas ligações formam um ciclo</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>foi alterado enquanto estava a ser guardado</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>foi alterado enquanto estava a ser aberto</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>é demasiado grande para ser um ficheiro de data da viagem</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>a data não é texto Unicode válido</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>o seu sistema de ficheiros não aceitou nada do que nele foi escrito</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>O ficheiro da data da viagem «%1» em %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 não pode ser lido: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 contém um texto demasiado longo para ser uma data.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 contém «%2», que não é uma data.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 não pode ser escrito: %2.

A data da viagem mantém-se inalterada.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Transforme-o num ficheiro normal que possa ler e escrever, ou inicie o programa noutra pasta.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>a pasta onde estaria não existe</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 em %2, a pasta para onde aponta a sua ligação</translation>
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
        <translation>Introduza a data da sua viagem Zorvia:%1
Exemplo: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Introduza uma data correta:%1
Exemplo: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Introduza um ano válido:%1
Exemplo: %2</translation>
    </message>
</context>
</TS>
