<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Создано проектом Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>Эл. почта: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Использование: velmor-counter [параметр]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Показывает в небольшом окне в левом верхнем углу экрана дни, часы, минуты
и секунды, оставшиеся до полуночи, с которой начинается день вашей поездки.
Дату можно указать пунктом «Задать дату» в меню окна; она хранится в файле
vacation.txt в каталоге, из которого запущен счётчик, и читается в формате
дат вашей локали.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Также принимаются собственные параметры Qt, например -platform и -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>переменная XDG_RUNTIME_DIR не задана, поэтому при повторном запуске в текущем каталоге этот счётчик не будет найден</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 — не ваш личный каталог, поэтому при повторном запуске в текущем каталоге этот счётчик не будет найден</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>в %1 не удаётся установить блокировку, поэтому при повторном запуске в текущем каталоге этот счётчик не будет найден</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>счётчик, уже запущенный в текущем каталоге, не отвечает; этот будет работать параллельно с ним</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>нет дисплея, на котором можно показать окно (переменная DISPLAY не задана)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>не удаётся открыть дисплей %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>каталога %1 не существует, поэтому при повторном запуске в текущем каталоге этот счётчик не будет найден</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>в %1 не удаётся создать сокет, поэтому при повторном запуске в текущем каталоге этот счётчик не будет найден</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Дата поездки ещё не задана: выберите «Задать дату», чтобы её указать.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Осталось дней</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Осталось часов</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Осталось минут</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Осталось секунд</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Задать дату</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 дня</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 часа</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 минуты</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 секунды</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Ваша поездка начинается сегодня.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>До поездки (%5) осталось: %1, %2, %3 и %4.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Файл с датой поездки: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>минус %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 и %4: поездка (%5) уже началась.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>закрывает счётчик</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>запрашивает дату поездки</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>показывает, кто создал счётчик</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Строка меню, %1 из %2: %3</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Чтобы указать дату поездки, выберите «Задать дату».</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>это ссылка, созданная другим пользователем, в каталоге, доступном для записи не только вам</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>это жёсткая ссылка на файл в другом месте, в каталоге, доступном для записи не только вам</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>его ссылки образуют замкнутый круг</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>он изменился во время сохранения</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>он изменился во время открытия</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>он слишком велик для файла с датой поездки</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>дата не является корректным текстом в Юникоде</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>файловая система не приняла ничего из записанного</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Файл с датой поездки «%1» в каталоге %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 не удаётся прочитать: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 содержит текст, слишком длинный для даты.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 содержит «%2», а это не дата.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 не удаётся записать: %2.

Дата поездки осталась прежней.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Сделайте его обычным файлом, доступным вам для чтения и записи, или запустите счётчик в другом каталоге.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>каталога, в котором он должен находиться, не существует</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 в каталоге %2, куда ведёт его ссылка</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>такого файла или каталога нет</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>это каталог</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>часть пути к нему не является каталогом</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>путь к нему проходит через слишком много ссылок</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>файловая система доступна только для чтения</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>на диске не осталось места</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>произошла ошибка чтения или записи на диске</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>он оказался бы слишком велик для файловой системы</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>его имя слишком длинное</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>у него есть расширенный атрибут, который счётчику не разрешено задать для новой копии файла</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Запустите счётчик в собственном каталоге.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>это файл, принадлежащий другому пользователю, в каталоге, доступном для записи не только вам</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Дата Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Введите дату поездки Zorvia:%1
Пример: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Введите правильную дату:%1
Пример: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Введите допустимый год:%1
Пример: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Дата и день недели не совпадают (правильно: %1).</translation>
    </message>
</context>
</TS>
