<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>من إنشاء مشروع Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>البريد الإلكتروني: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>الاستخدام: velmor-counter [خيار]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>يعرض الأيام والساعات والدقائق والثواني المتبقية حتى منتصف الليل في بداية يوم
رحلتك، في نافذة صغيرة في أعلى يسار الشاشة. حدد التاريخ بالأمر «ضبط التاريخ»
في قائمة النافذة: يحفظ التاريخ في الملف vacation.txt في المجلد الذي تشغّل منه
العدّاد، ويقرأ بالصيغة التي تكتب بها التواريخ في إعداداتك الإقليمية.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>عرض هذه المساعدة ثم الخروج</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>عرض الإصدار ثم الخروج</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>تُقبل أيضًا خيارات Qt نفسها، مثل -platform و -display.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>المتغير XDG_RUNTIME_DIR غير مضبوط، لذا لن يعثر تشغيل ثانٍ في هذا المجلد على هذا العدّاد</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>المجلد %1 ليس خاصًا بك وحدك، لذا لن يعثر تشغيل ثانٍ في هذا المجلد على هذا العدّاد</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>لا يمكن وضع قفل في المجلد %1، لذا لن يعثر تشغيل ثانٍ في هذا المجلد على هذا العدّاد</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>العدّاد العامل حاليًا في هذا المجلد لا يستجيب، فسيعمل هذا العدّاد إلى جانبه</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>لا توجد شاشة لعرض النافذة عليها (المتغير DISPLAY غير مضبوط)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>تعذّر فتح الشاشة %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>وسيط غير متوقع «%1»</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>المجلد %1 غير موجود، لذا لن يعثر تشغيل ثانٍ في هذا المجلد على هذا العدّاد</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>لا يمكن إنشاء مقبس في المجلد %1، لذا لن يعثر تشغيل ثانٍ في هذا المجلد على هذا العدّاد</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>لم يُحدَّد تاريخ الرحلة بعد: اختر «ضبط التاريخ» لتحديده.</translation>
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
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>ضبط التاريخ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
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
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>يومان</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>ساعتان</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>دقيقتان</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>ثانيتان</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>تبدأ رحلتك اليوم.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>يتبقى %1 و%2 و%3 و%4 على الرحلة المقررة يوم %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>ملف تاريخ الرحلة: ⁨%1⁩</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>سالب %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1 و%2 و%3 و%4: بدأت الرحلة المقررة يوم %5.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>ينهي العدّاد</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>يطلب تاريخ الرحلة</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>يعرض من صنع العدّاد</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>شريط القوائم، %1 من %2: %3</translation>
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
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

اختر «ضبط التاريخ» لتحديد تاريخ الرحلة.</translation>
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
        <translation>لم يقبل نظام ملفاته شيئًا مما كُتب إليه</translation>
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

اجعله ملفًا عاديًا يمكنك قراءته والكتابة فيه، أو شغّل العدّاد من مجلد آخر.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>المجلد الذي يُفترض أن يكون فيه غير موجود</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 في %2، وهو المجلد الذي يؤدي إليه رابطه</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>لا يوجد ملف أو مجلد بهذا الاسم</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>ليس لديك الإذن بذلك</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>جزء من مساره ليس مجلدًا</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>يمر عبر روابط كثيرة جدًا</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>نظام ملفاته للقراءة فقط</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>لم تبقَ مساحة فارغة على القرص</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>نفدت حصتك من مساحة القرص</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>حدث خطأ في القراءة من القرص أو الكتابة عليه</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>سيصبح حجمه أكبر مما يتسع له نظام ملفاته</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>اسمه طويل جدًا</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>يحمل سمة موسّعة لا يُسمح للعدّاد بنقلها إلى نسخة جديدة من الملف</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

شغّل العدّاد من مجلد خاص بك.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>إنه ملف يملكه مستخدم آخر، في مجلد يمكن للآخرين الكتابة فيه</translation>
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
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>لا يتطابق التاريخ مع يوم الأسبوع: %1.</translation>
    </message>
</context>
</TS>
