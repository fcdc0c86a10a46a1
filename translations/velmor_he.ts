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
        <translation>סגור</translation>
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
    <message>
        <source>Countdown</source>
        <translation>ספירה לאחור</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>עדיין לא נקבע תאריך נסיעה: יש לבחור ב„הגדר תאריך” כדי לקבוע אותו.</translation>
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
        <translation>סגור</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>הגדר תאריך</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>ספירה לאחור לנסיעה בתאריך %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>הנסיעה בתאריך %1 התחילה.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>נותרו %1, %2, %3 ו־%4 עד הנסיעה בתאריך %5.</translation>
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

יש לבחור ב„הגדר תאריך” כדי לקבוע את תאריך הנסיעה.</translation>
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

יש להפוך אותו לקובץ רגיל שיש לך אליו הרשאות קריאה וכתיבה, או להפעיל את התוכנה בתיקייה אחרת.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>התיקייה שבה הוא אמור להיות אינה קיימת</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 בתיקייה %2, שאליה מוביל הקישור שלו</translation>
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
        <translation>יש להזין את תאריך נסיעת Zorvia:%1
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
</context>
</TS>
