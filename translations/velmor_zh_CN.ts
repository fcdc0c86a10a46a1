<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>由 Velmor 项目制作</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>小时</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
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
        <translation>用法：velmor-counter [选项]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>在屏幕左上角的小窗口中显示距离旅行日期当天零点还剩多少天、小时、分钟和秒。
可通过窗口菜单中的“设置日期”指定旅行日期。
日期保存在启动本程序时所在目录下的 vacation.txt 文件中，
并按照您的区域设置所用的日期格式读取。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>显示此帮助信息并退出</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>显示版本信息并退出</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>也接受 Qt 自身的选项，例如 -platform 和 -display。</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>未设置 XDG_RUNTIME_DIR，因此在当前目录中再次启动时将找不到这个正在运行的程序</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 不是仅供您自己使用的目录，因此在当前目录中再次启动时将找不到这个正在运行的程序</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 不支持加锁，因此在当前目录中再次启动时将找不到这个正在运行的程序</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>当前目录中已在运行的程序没有响应；本次启动的程序将与它同时运行</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>没有可用来显示窗口的显示器（未设置 DISPLAY）</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>无法打开显示器 %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 不存在，因此在当前目录中再次启动时将找不到这个正在运行的程序</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>无法在 %1 中创建套接字，因此在当前目录中再次启动时将找不到这个正在运行的程序</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>尚未设置旅行日期：请选择“设置日期”。</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>剩余天数</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>剩余小时数</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>剩余分钟数</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>剩余秒数</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>设置日期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
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
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
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
        <translation>2 小时</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 分钟</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 秒</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>您的旅行今天开始。</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>距离%5的旅行还有 %1 %2 %3 %4。</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>旅行日期文件：%1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>负 %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1 %2 %3 %4：%5的旅行已经开始。</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>询问旅行日期</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>显示程序的作者</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>菜单栏，第 %1 项，共 %2 项：%3</translation>
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
        <translation>确定</translation>
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

请通过“设置日期”指定旅行日期。</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>它是其他用户创建的链接，且位于其他人可以写入的目录中</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>它是指向别处某个文件的硬链接，且位于其他人可以写入的目录中</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>存在循环链接</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>它在保存过程中发生了变化</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>它在打开过程中发生了变化</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>它过大，不可能只存放一个日期</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>该日期不是有效的 Unicode 文本</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>它所在的文件系统没有接收任何写入的内容</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>位于 %2 的旅行日期文件“%1”</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1无法读取：%2。%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1中的文本太长，不可能是日期。%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1的内容是“%2”，这不是日期。%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1无法写入：%2。

旅行日期保持不变。</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

请将其改为您有读写权限的普通文件，或在其他目录中启动本程序。</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>本应存放它的目录不存在</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1（问题出在其链接指向的目录 %2）</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>文件或目录不存在</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>它是一个目录</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>其路径中的某一部分不是目录</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>链接层数过多</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>它所在的文件系统是只读的</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>磁盘空间已满</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>磁盘配额已用完</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>无法读写磁盘</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>它的大小将超出所在文件系统的上限</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>它带有扩展属性，而本程序无权为新副本设置该属性</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

请在您自己的目录中启动本程序。</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>它是属于其他用户的文件，且位于其他人可以写入的目录中</translation>
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
        <translation>请输入您的 Zorvia 旅行日期：%1
示例：%2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>请输入正确的日期：%1
示例：%2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>请输入有效的年份：%1
示例：%2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>日期与星期不符：%1。</translation>
    </message>
</context>
</TS>
