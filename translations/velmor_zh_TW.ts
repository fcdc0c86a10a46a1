<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>由 Velmor 專案製作</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>電子郵件：%1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>用法：velmor-counter [選項]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>在螢幕左上角的小視窗中顯示距離旅行日期當天零時還剩多少天、小時、分鐘和秒。
可透過視窗選單中的「設定日期」指定旅行日期。
日期儲存在啟動本程式時所在目錄下的 vacation.txt 檔案中，
並依照您的地區設定所用的日期格式讀取。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>顯示此說明並離開</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>顯示版本資訊並離開</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>也接受 Qt 本身的選項，例如 -platform 和 -display。</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>未設定 XDG_RUNTIME_DIR，因此在目前目錄中再次啟動時將找不到這個正在執行的程式</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 不是僅供您自己使用的目錄，因此在目前目錄中再次啟動時將找不到這個正在執行的程式</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 不支援鎖定，因此在目前目錄中再次啟動時將找不到這個正在執行的程式</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>目前目錄中已在執行的程式沒有回應；這次啟動的程式將與它同時執行</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>沒有可用來顯示視窗的顯示器（未設定 DISPLAY）</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>無法開啟顯示器 %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>非預期的參數「%1」</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 不存在，因此在目前目錄中再次啟動時將找不到這個正在執行的程式</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>無法在 %1 中建立通訊端，因此在目前目錄中再次啟動時將找不到這個正在執行的程式</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>尚未設定旅行日期：請選擇「設定日期」。</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>剩餘天數</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>剩餘小時數</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>剩餘分鐘數</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>剩餘秒數</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>設定日期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n 小時</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 天</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 小時</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 分鐘</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 秒</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>您的旅行今天開始。</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>距離%5的旅行還有 %1 %2 %3 %4。</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>旅行日期檔案：%1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>負 %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1 %2 %3 %4：%5的旅行已經開始。</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>結束程式</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>詢問旅行日期</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>顯示程式的作者</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>選單列，第 %1 項，共 %2 項：%3</translation>
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
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

請透過「設定日期」指定旅行日期。</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>它是其他使用者建立的連結，且位於其他人可以寫入的目錄中</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>它是指向他處某個檔案的硬連結，且位於其他人可以寫入的目錄中</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>存在迴圈連結</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>它在儲存過程中發生了變更</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>它在開啟過程中發生了變更</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>它過大，不可能只存放一個日期</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>該日期不是有效的 Unicode 文字</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>它所在的檔案系統沒有接收任何寫入的內容</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>位於 %2 的旅行日期檔案「%1」</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1無法讀取：%2。%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1中的文字太長，不可能是日期。%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1的內容是「%2」，這不是日期。%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1無法寫入：%2。

旅行日期維持不變。</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

請將其改為您有讀寫權限的一般檔案，或在其他目錄中啟動本程式。</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>本應存放它的目錄不存在</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1（問題出在其連結指向的目錄 %2）</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>檔案或目錄不存在</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>它是一個目錄</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>其路徑中的某一部分不是目錄</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>連結層數過多</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>它所在的檔案系統是唯讀的</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>磁碟空間已滿</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁碟配額已用盡</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>無法讀寫磁碟</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>它的大小將超出所在檔案系統的上限</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>檔名過長</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>它帶有延伸屬性，而本程式無權為新副本設定該屬性</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

請在您自己的目錄中啟動本程式。</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>它是屬於其他使用者的檔案，且位於其他人可以寫入的目錄中</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Zorvia 日期</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>請輸入您的 Zorvia 旅行日期：%1
範例：%2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>請輸入正確的日期：%1
範例：%2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>請輸入有效的年份：%1
範例：%2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>日期與星期不符：%1。</translation>
    </message>
</context>
</TS>
