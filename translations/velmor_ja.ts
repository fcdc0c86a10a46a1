<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>開発：Velmor プロジェクト</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>メール：%1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
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
        <translation>使い方: velmor-counter [オプション]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>旅行日の午前0時までの残り日数・時間・分・秒を、画面左上の小さなウィンドウに
表示します。日付は、ウィンドウのメニューの「日付の設定」で指定します。
指定した日付は、プログラムを起動したディレクトリの vacation.txt に保存され、
お使いのロケールの日付の書式に従って読み取られます。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>このヘルプを表示して終了する</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョン情報を表示して終了する</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>-platform や -display など、Qt 自体のオプションも指定できます。</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>XDG_RUNTIME_DIR が設定されていないため、このディレクトリでもう一度起動しても、実行中のこのプログラムは見つかりません</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 が現在のユーザー専用のディレクトリではないため、このディレクトリでもう一度起動しても、実行中のこのプログラムは見つかりません</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 ではロックを取得できないため、このディレクトリでもう一度起動しても、実行中のこのプログラムは見つかりません</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>このディレクトリですでに実行中のプログラムが応答しないため、このプログラムはそれとは別に動作します</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>ウィンドウを表示するディスプレイがありません（DISPLAY が設定されていません）</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>ディスプレイ %1 を開けません</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 が存在しないため、このディレクトリでもう一度起動しても、実行中のこのプログラムは見つかりません</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>%1 にソケットを作成できないため、このディレクトリでもう一度起動しても、実行中のこのプログラムは見つかりません</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>旅行日がまだ設定されていません。「日付の設定」を選んでください。</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>残り日数</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>残り分数</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>残り秒数</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>日付の設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>このアプリについて</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n秒</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2日</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2時間</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2分</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2秒</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>旅行は今日からです。</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>%5の旅行まで、あと%1%2%3%4です。</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>旅行日の保存ファイル：%1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>マイナス%1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1%2%3%4：%5の旅行が始まりました。</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>プログラムを終了します</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>旅行の日付を尋ねます</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>プログラムの作者を表示します</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>メニューバー、%2 項目中 %1 番目：%3</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

「日付の設定」を選んで旅行日を設定してください。</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>他のユーザーも書き込めるディレクトリにある、別のユーザーが作成したリンクです</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>他のユーザーも書き込めるディレクトリにある、別の場所のファイルへのハードリンクです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>リンクが循環しています</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>保存中にファイルが変更されました</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>旅行日の保存ファイルとしては大きすぎます</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>日付が有効な Unicode 文字列ではありません</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>書き込んだ内容をファイルシステムがまったく受け付けませんでした</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>%2 にある旅行日の保存ファイル「%1」</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1を読み込めません：%2。%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1に書かれている文字列は、日付としては長すぎます。%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1には「%2」と書かれていますが、これは日付ではありません。%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1に書き込めません：%2。

旅行日は元のままです。</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

読み書きできる通常のファイルにするか、別のディレクトリでプログラムを起動してください。</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>ファイルがあるはずのディレクトリが存在しません</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1（リンク先のディレクトリ %2）</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>ファイルまたはディレクトリが存在しません</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>アクセス権限がありません</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>ファイルではなくディレクトリです</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>パスの途中にディレクトリではないものがあります</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>たどるリンクの数が多すぎます</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>ファイルシステムが読み取り専用です</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>ディスクの空き容量がありません</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>ディスククォータの上限に達しています</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>ディスクの読み書きに失敗しました</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>ファイルシステムで扱えるサイズを超えてしまいます</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>ファイル名が長すぎます</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>拡張属性が設定されていますが、このプログラムには新しいコピーにその拡張属性を設定する権限がありません</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

自分専用のディレクトリでプログラムを起動してください。</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>他のユーザーも書き込めるディレクトリにある、別のユーザーが所有するファイルです</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Zorvia の日付</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Zorvia 旅行の日付を入力してください：%1
例：%2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>正しい日付を入力してください：%1
例：%2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>有効な年を入力してください：%1
例：%2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>日付と曜日が一致しません：%1。</translation>
    </message>
</context>
</TS>
