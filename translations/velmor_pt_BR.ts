<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Uso: velmor-counter [opção]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Mostra os dias, horas, minutos e segundos que faltam até a meia-noite em que
começa o dia da sua viagem, em uma pequena janela no canto superior esquerdo da
tela. Defina a data com “Definir data” no menu da janela: ela fica salva no
arquivo vacation.txt da pasta a partir da qual o contador é iniciado e é lida
no formato de data das suas configurações regionais.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>As opções do próprio Qt, como -platform e -display, também são aceitas.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>a variável XDG_RUNTIME_DIR não está definida; por isso, um segundo contador iniciado nesta pasta não vai encontrar este</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 não é uma pasta exclusivamente sua; por isso, um segundo contador iniciado nesta pasta não vai encontrar este</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 não aceita bloqueios; por isso, um segundo contador iniciado nesta pasta não vai encontrar este</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>o contador que já está em execução nesta pasta não responde; este vai funcionar em paralelo</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>não há nenhuma tela em que mostrar a janela (a variável DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>não é possível abrir a tela %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 não existe; por isso, um segundo contador iniciado nesta pasta não vai encontrar este</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>não é possível criar um socket em %1; por isso, um segundo contador iniciado nesta pasta não vai encontrar este</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Ainda não há data da viagem: escolha “Definir data” para informá-la.</translation>
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
        <translation>Sobre</translation>
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
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 dias</translation>
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
        <translation>Sua viagem começa hoje.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Faltam %1, %2, %3 e %4 para a viagem de %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Arquivo de data da viagem: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>menos %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 e %4: começou a viagem de %5.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>fecha o contador</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>pede a data da viagem</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>mostra quem fez o contador</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Barra de menus, %1 de %2: %3</translation>
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

Escolha “Definir data” para informar a data da viagem.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>é um link criado por outro usuário, em uma pasta onde outras pessoas podem gravar</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>é um link físico para um arquivo em outro lugar, em uma pasta onde outras pessoas podem gravar</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>seus links formam um ciclo</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>foi alterado enquanto estava sendo salvo</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>foi alterado enquanto estava sendo aberto</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>é grande demais para ser um arquivo de data da viagem</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>a data não é um texto Unicode válido</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>seu sistema de arquivos não aceitou nada do que foi gravado nele</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>O arquivo de data da viagem “%1” em %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 não pode ser lido: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 contém um texto longo demais para ser uma data.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 contém “%2”, que não é uma data.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 não pode ser gravado: %2.

A data da viagem continua a mesma.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Transforme-o em um arquivo comum que você possa ler e gravar, ou inicie o contador em outra pasta.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>a pasta em que ele estaria não existe</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 em %2, a pasta para onde seu link aponta</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>esse arquivo ou pasta não existe</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>você não tem permissão para isso</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>parte do caminho até ele não é uma pasta</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>o caminho até ele passa por links demais</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>seu sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>não há mais espaço no disco</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>a cota de disco se esgotou</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>não foi possível ler ou gravar no disco</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>ficaria grande demais para o seu sistema de arquivos</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>seu nome é longo demais</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>possui um atributo estendido que o contador não tem permissão para aplicar a uma nova cópia</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Inicie o contador em uma pasta só sua.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>é um arquivo de outro usuário, em uma pasta onde outras pessoas podem gravar</translation>
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
        <translation>Digite a data da sua viagem Zorvia:%1
Exemplo: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Digite uma data correta:%1
Exemplo: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Digite um ano válido:%1
Exemplo: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>A data e o dia da semana não correspondem: %1.</translation>
    </message>
</context>
</TS>
