<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Geliştiren: Velmor projesi</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>E-posta: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Dakika</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Kullanım: velmor-counter [seçenek]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Seyahat gününüzün başladığı gece yarısına kadar kalan günleri, saatleri,
dakikaları ve saniyeleri ekranın sol üst köşesindeki küçük bir pencerede
gösterir. Tarihi, pencerenin menüsündeki “Tarihi ayarla” öğesiyle belirleyin:
tarih, sayacın başlatıldığı dizindeki vacation.txt dosyasında saklanır ve yerel
ayarlarınızdaki tarih biçimine göre okunur.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>bu yardımı gösterir ve çıkar</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>sürümü gösterir ve çıkar</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Qt&apos;nin -platform ve -display gibi kendi seçenekleri de kabul edilir.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>XDG_RUNTIME_DIR değişkeni tanımlı olmadığından, sayaç bu dizinde ikinci kez başlatılırsa çalışmakta olan bu sayacı bulamayacak</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 yalnızca size ait bir dizin olmadığından, sayaç bu dizinde ikinci kez başlatılırsa çalışmakta olan bu sayacı bulamayacak</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 kilitlemeyi desteklemediğinden, sayaç bu dizinde ikinci kez başlatılırsa çalışmakta olan bu sayacı bulamayacak</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>bu dizinde zaten çalışan sayaç yanıt vermiyor; bu sayaç onunla yan yana çalışacak</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>pencerenin gösterileceği bir ekran yok (DISPLAY değişkeni tanımlı değil)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>%1 ekranı açılamıyor</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>beklenmeyen argüman “%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 dizini mevcut olmadığından, sayaç bu dizinde ikinci kez başlatılırsa çalışmakta olan bu sayacı bulamayacak</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>%1 içinde soket oluşturulamadığından, sayaç bu dizinde ikinci kez başlatılırsa çalışmakta olan bu sayacı bulamayacak</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Henüz seyahat tarihi yok: belirlemek için “Tarihi ayarla” öğesini seçin.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Kalan gün</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Kalan saat</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Kalan dakika</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Kalan saniye</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Tarihi ayarla</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 gün</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 saat</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 dakika</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 saniye</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Seyahatiniz bugün başlıyor.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>%5 tarihindeki seyahate %1, %2, %3 ve %4 kaldı.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Seyahat tarihi dosyası: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>eksi %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3 ve %4: %5 tarihindeki seyahat başladı.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>sayacı kapatır</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>seyahat tarihini sorar</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>sayacı kimin yaptığını gösterir</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Menü çubuğu, %1/%2: %3</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Seyahat tarihini belirlemek için “Tarihi ayarla” öğesini seçin.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>diğer kullanıcıların da yazabildiği bir dizinde, başka bir kullanıcının oluşturduğu bir bağlantı</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>diğer kullanıcıların da yazabildiği bir dizinde, başka bir yerdeki dosyaya giden bir sabit bağlantı</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>bağlantıları bir döngü oluşturuyor</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>kaydedilirken değişti</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>açılırken değişti</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>seyahat tarihi dosyası olamayacak kadar büyük</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>tarih geçerli bir Unicode metni değil</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>dosya sistemi yazılanların hiçbirini kabul etmedi</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>%2 içindeki “%1” seyahat tarihi dosyası</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 okunamıyor: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1, tarih olamayacak kadar uzun bir metin içeriyor.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1, “%2” içeriyor; bu bir tarih değil.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 yazılamıyor: %2.

Seyahat tarihi olduğu gibi kalıyor.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Dosyayı okuyup yazabileceğiniz normal bir dosyaya dönüştürün ya da sayacı başka bir dizinde başlatın.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>içinde bulunacağı dizin mevcut değil</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 (bağlantısının gösterdiği dizin: %2)</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>böyle bir dosya ya da dizin yok</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>erişim izniniz yok</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>bu bir dizin</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>yolunun bir kısmı dizin değil</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>yolu çok fazla bağlantıdan geçiyor</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>dosya sistemi salt okunur</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>diskte boş yer kalmadı</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>disk kotası doldu</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>disk okunamadı ya da diske yazılamadı</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>dosya sistemi için fazla büyük olurdu</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>adı çok uzun</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>sayacın yeni kopyaya aktarma izni olmayan genişletilmiş bir özniteliği var</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Sayacı size ait bir dizinde başlatın.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>diğer kullanıcıların da yazabildiği bir dizinde, başka bir kullanıcıya ait bir dosya</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Zorvia Tarihi</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Zorvia seyahatinizin tarihini girin:%1
Örnek: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Lütfen doğru bir tarih girin:%1
Örnek: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Lütfen geçerli bir yıl girin:%1
Örnek: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Tarih ile haftanın günü uyuşmuyor: %1.</translation>
    </message>
</context>
</TS>
