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
    <message>
        <source>Countdown</source>
        <translation>Обратный отсчёт</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Идёт обратный отсчёт до поездки, назначенной на %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Поездка, назначенная на %1, началась.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>До поездки, назначенной на %5, осталось: %1, %2, %3 и %4.</translation>
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
        <translation>это ссылка, созданная другим пользователем, в каталоге, куда могут записывать не только вы</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>это жёсткая ссылка на файл в другом месте, в каталоге, куда могут записывать не только вы</translation>
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

Сделайте его обычным файлом, доступным вам для чтения и записи, или запустите программу в другом каталоге.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>каталога, в котором он должен находиться, не существует</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 в каталоге %2, куда ведёт его ссылка</translation>
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
</context>
</TS>
