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
    <message>
        <source>Countdown</source>
        <translation>倒计时</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>尚未设置旅行日期：请选择“设置日期”进行设置。</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>正在为 %1 的旅行倒计时。</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>%1 的旅行已经开始。</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>距离 %5 的旅行还有 %1 %2 %3 %4。</translation>
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

请选择“设置日期”来设置旅行日期。</translation>
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
        <translation>它的链接构成了循环</translation>
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
        <translation>它过大，不可能是旅行日期文件</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>其中的日期不是有效的 Unicode 文本</translation>
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
        <translation>在它的链接指向的目录 %2 中%1</translation>
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
</context>
</TS>
