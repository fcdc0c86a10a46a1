<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>אודות %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>נוצר על ידי פרויקט Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>דוא״ל: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>ימים</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>שעות</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>דקות</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>שניות</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>שימוש: velmor-counter [אפשרות]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>מציג את הימים, השעות, הדקות והשניות שנותרו עד חצות בתחילת יום הנסיעה, בחלון
קטן בפינה השמאלית העליונה של המסך. יש לקבוע את התאריך באמצעות „הגדרת תאריך”
בתפריט החלון: הוא נשמר בקובץ vacation.txt בתיקייה שממנה מופעל המונה, ונקרא
לפי תבנית התאריך שבהגדרות האזוריות.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>הצגת עזרה זו ויציאה</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>הצגת הגרסה ויציאה</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>מתקבלות גם האפשרויות של Qt עצמה, כגון -platform או -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>המשתנה XDG_RUNTIME_DIR אינו מוגדר, ולכן הפעלה נוספת בתיקייה הזו לא תמצא את המונה הזה</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>התיקייה %1 אינה שלך בלבד, ולכן הפעלה נוספת בתיקייה הזו לא תמצא את המונה הזה</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>לא ניתן ליצור נעילה בתיקייה %1, ולכן הפעלה נוספת בתיקייה הזו לא תמצא את המונה הזה</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>המונה שכבר פועל בתיקייה הזו אינו מגיב; המונה הזה יפעל לצדו</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>אין תצוגה שבה אפשר להציג את החלון (המשתנה DISPLAY אינו מוגדר)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>לא ניתן לפתוח את התצוגה %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>ארגומנט לא צפוי „%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>התיקייה %1 אינה קיימת, ולכן הפעלה נוספת בתיקייה הזו לא תמצא את המונה הזה</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>לא ניתן ליצור שקע (socket) בתיקייה %1, ולכן הפעלה נוספת בתיקייה הזו לא תמצא את המונה הזה</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>עדיין לא נקבע תאריך נסיעה: יש לבחור ב„הגדרת תאריך” כדי לקבוע אותו.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>ימים שנותרו</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>שעות שנותרו</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>דקות שנותרו</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>שניות שנותרו</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>הגדרת תאריך</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n יום</numerusform>
            <numerusform>%n ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n שעה</numerusform>
            <numerusform>%n שעות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n דקה</numerusform>
            <numerusform>%n דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n שנייה</numerusform>
            <numerusform>%n שניות</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>יומיים</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>שעתיים</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 דקות</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 שניות</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>הנסיעה מתחילה היום.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>עוד %1, %2, %3 ו-%4 עד הנסיעה ב%5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>קובץ תאריך הנסיעה: ⁨%1⁩</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>מינוס %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 ו-%4: הנסיעה ב%5 התחילה.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>סוגר את המונה</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>מבקש את תאריך הנסיעה</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>מציג מי יצר את המונה</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>סרגל התפריטים, %1 מתוך %2: %3</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; in a language written from left to right, &quot;RTL&quot; in one written from right to left.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

יש לבחור ב„הגדרת תאריך” כדי לקבוע את תאריך הנסיעה.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>זהו קישור שיצר משתמש אחר, בתיקייה שגם אחרים רשאים לכתוב אליה</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>זהו קישור קשיח לקובץ במקום אחר, בתיקייה שגם אחרים רשאים לכתוב אליה</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>הוא אינו קובץ רגיל</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>הקישורים שלו יוצרים מעגל סגור</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>הוא השתנה בזמן שמירתו</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>הוא השתנה בזמן פתיחתו</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>הוא גדול מכדי להיות קובץ תאריך נסיעה</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>התאריך אינו טקסט Unicode תקין</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>מערכת הקבצים שלו לא קיבלה דבר ממה שנכתב אליה</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>קובץ תאריך הנסיעה „%1” בתיקייה %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>לא ניתן לקרוא את %1: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 מכיל טקסט ארוך מכדי להיות תאריך.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 מכיל „%2”, שאינו תאריך.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>לא ניתן לכתוב אל %1: %2.

תאריך הנסיעה נשאר כפי שהיה.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

יש להפוך אותו לקובץ רגיל שמותר לך לקרוא ולכתוב בו, או להפעיל את המונה מתיקייה אחרת.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>התיקייה שבה הוא אמור להיות אינה קיימת</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 בתיקייה %2, שאליה מוביל הקישור שלו</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>אין קובץ או תיקייה בשם הזה</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>אין הרשאה לכך</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>זוהי תיקייה</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>חלק מהנתיב שלו אינו תיקייה</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>הוא עובר דרך יותר מדי קישורים</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>מערכת הקבצים שלו מיועדת לקריאה בלבד</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>לא נותר מקום פנוי בדיסק</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>מכסת הדיסק נוצלה עד תומה</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>אירעה שגיאה בקריאה מהדיסק או בכתיבה אליו</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>הוא יהיה גדול מדי עבור מערכת הקבצים שלו</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>שמו ארוך מדי</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>יש לו מאפיין מורחב שהמונה אינו רשאי להעביר לעותק חדש של הקובץ</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

יש להפעיל את המונה מתיקייה משלך.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>זהו קובץ בבעלות משתמש אחר, בתיקייה שגם אחרים רשאים לכתוב אליה</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>תאריך Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>נא להזין את תאריך נסיעת Zorvia:%1
דוגמה: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>נא להזין תאריך נכון:%1
דוגמה: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>נא להזין שנה תקינה:%1
דוגמה: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>התאריך ויום השבוע אינם תואמים: %1.</translation>
    </message>
</context>
</TS>
