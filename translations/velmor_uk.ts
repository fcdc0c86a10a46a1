<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Про програму %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Створено проєктом Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>Ел. пошта: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Дні</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Години</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Хвилини</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунди</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Зворотний відлік</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Дату подорожі ще не встановлено: виберіть «Встановити дату», щоб її вказати.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Залишилося днів</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Залишилося годин</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Залишилося хвилин</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Залишилося секунд</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Встановити дату</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>Триває зворотний відлік до подорожі, запланованої на %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>Подорож, запланована на %1, розпочалася.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>До подорожі, запланованої на %5, залишилося: %1, %2, %3 і %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дні</numerusform>
            <numerusform>%n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n година</numerusform>
            <numerusform>%n години</numerusform>
            <numerusform>%n годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n хвилина</numerusform>
            <numerusform>%n хвилини</numerusform>
            <numerusform>%n хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
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
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Щоб вказати дату подорожі, виберіть «Встановити дату».</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>це посилання, створене іншим користувачем, у теці, куди можуть записувати не лише ви</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>це жорстке посилання на файл в іншому місці, у теці, куди можуть записувати не лише ви</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>його посилання утворюють замкнене коло</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>він змінився під час збереження</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>він змінився під час відкриття</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>він завеликий для файлу з датою подорожі</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>дата не є коректним текстом у Юнікоді</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>файлова система не прийняла нічого із записаного</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Файл із датою подорожі «%1» у теці %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 не вдається прочитати: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 містить текст, задовгий для дати.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 містить «%2», а це не дата.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 не вдається записати: %2.

Дата подорожі залишилася без змін.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Зробіть його звичайним файлом, доступним вам для читання й запису, або запустіть програму в іншій теці.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>теки, у якій він має бути, не існує</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 у теці %2, куди веде його посилання</translation>
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
        <translation>Введіть дату подорожі Zorvia:%1
Приклад: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Введіть правильну дату:%1
Приклад: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Введіть допустимий рік:%1
Приклад: %2</translation>
    </message>
</context>
</TS>
