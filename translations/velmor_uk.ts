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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Використання: velmor-counter [параметр]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Показує в невеликому вікні в лівому верхньому куті екрана дні, години, хвилини
й секунди, що залишилися до півночі, з якої починається день вашої подорожі.
Дату можна вказати пунктом «Встановити дату» в меню вікна; вона зберігається
у файлі vacation.txt у теці, з якої запущено лічильник, і читається у форматі
дат вашої локалі.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показати цю довідку й вийти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показати версію й вийти</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Також приймаються власні параметри Qt, як-от -platform і -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>змінну XDG_RUNTIME_DIR не задано, тому під час повторного запуску в поточній теці цей лічильник не буде знайдено</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 — не ваша особиста тека, тому під час повторного запуску в поточній теці цей лічильник не буде знайдено</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>у %1 не вдається встановити блокування, тому під час повторного запуску в поточній теці цей лічильник не буде знайдено</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>лічильник, уже запущений у поточній теці, не відповідає; цей працюватиме паралельно з ним</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>немає дисплея, на якому можна показати вікно (змінну DISPLAY не задано)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>не вдається відкрити дисплей %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неочікуваний аргумент «%1»</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>теки %1 не існує, тому під час повторного запуску в поточній теці цей лічильник не буде знайдено</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>у %1 не вдається створити сокет, тому під час повторного запуску в поточній теці цей лічильник не буде знайдено</translation>
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
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 дні</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 години</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 хвилини</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 секунди</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Ваша подорож починається сьогодні.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>До подорожі (%5) залишилося: %1, %2, %3 і %4.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Файл із датою подорожі: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>мінус %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 і %4: подорож (%5) уже почалася.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>закриває лічильник</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>запитує дату подорожі</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>показує, хто створив лічильник</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Рядок меню, %1 з %2: %3</translation>
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
        <translation>це посилання, створене іншим користувачем, у теці, доступній для запису не лише вам</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>це жорстке посилання на файл в іншому місці, у теці, доступній для запису не лише вам</translation>
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

Зробіть його звичайним файлом, доступним вам для читання й запису, або запустіть лічильник в іншій теці.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>теки, у якій він має бути, не існує</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 у теці %2, куди веде його посилання</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>такого файлу чи теки немає</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>доступ заборонено</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>частина шляху до нього не є текою</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>шлях до нього проходить через забагато посилань</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>файлова система доступна лише для читання</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>на диску не залишилося місця</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дискову квоту вичерпано</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>сталася помилка читання або запису на диску</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>він виявився б завеликим для файлової системи</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>його назва задовга</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>він має розширений атрибут, який лічильнику не дозволено встановити для нової копії файлу</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Запустіть лічильник у власній теці.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>це файл, що належить іншому користувачеві, у теці, доступній для запису не лише вам</translation>
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
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Дата й день тижня не збігаються (правильно: %1).</translation>
    </message>
</context>
</TS>
