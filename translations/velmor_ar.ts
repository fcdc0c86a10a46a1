<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>عنْ %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>من إنشاء مشروع Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>البريد: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>أيام</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>ساعات</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>العد التنازلي</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>لم يُحدَّد تاريخ الرحلة بعد: اختر «اضبط التاريخ» لتحديده.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>الأيام المتبقية</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>الساعات المتبقية</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>الدقائق المتبقية</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>الثواني المتبقية</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>أغلق</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>اضبط التاريخ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>عنْ</translation>
    </message>
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>العد التنازلي للرحلة المقررة في %1.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>بدأت الرحلة المقررة في %1.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>بقي %1 و%2 و%3 و%4 على الرحلة المقررة في %5.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n ساعة</numerusform>
            <numerusform>ساعة واحدة</numerusform>
            <numerusform>ساعتان</numerusform>
            <numerusform>%n ساعات</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>ثانية واحدة</numerusform>
            <numerusform>ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
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
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ألغِ</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

اختر «اضبط التاريخ» لتحديد تاريخ الرحلة.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>إنه رابط أنشأه مستخدم آخر، في مجلد يمكن للآخرين الكتابة فيه</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>إنه رابط صلب إلى ملف في مكان آخر، في مجلد يمكن للآخرين الكتابة فيه</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>روابطه تدور في حلقة مفرغة</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>تغيَّر أثناء حفظه</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>تغيَّر أثناء فتحه</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>حجمه أكبر من أن يكون ملفًا لتاريخ الرحلة</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>التاريخ ليس نصًا صالحًا بترميز يونيكود</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>لم يقبل نظام ملفاته شيئًا مما كُتب فيه</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>ملف تاريخ الرحلة «%1» في %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>تعذّرت قراءة %1: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>يحتوي %1 على نص أطول من أن يكون تاريخًا.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>يحتوي %1 على «%2»، وهذا ليس تاريخًا.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>تعذّرت الكتابة في %1: %2.

يبقى تاريخ الرحلة على حاله.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

اجعله ملفًا عاديًا يمكنك قراءته والكتابة فيه، أو شغّل البرنامج في مجلد آخر.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>المجلد الذي يُفترض أن يكون فيه غير موجود</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 في %2، وهو المجلد الذي يؤدي إليه رابطه</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>تاريخ Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>أدخل تاريخ رحلة Zorvia:%1
مثال: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>يُرجى إدخال تاريخ صحيح:%1
مثال: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>يُرجى إدخال سنة صالحة:%1
مثال: %2</translation>
    </message>
</context>
</TS>
