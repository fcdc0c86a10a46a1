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
    <message>
        <source>Countdown</source>
        <translation>Geri sayım</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>%1 tarihindeki seyahate geri sayım.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>%1 tarihindeki seyahat başladı.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>%5 tarihindeki seyahate %1, %2, %3 ve %4 kaldı.</translation>
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
        <translation>başkalarının da yazabildiği bir dizinde, başka bir kullanıcının oluşturduğu bir bağlantı</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>başkalarının da yazabildiği bir dizinde, başka bir yerdeki dosyaya giden bir sabit bağlantı</translation>
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
        <translation>dosya sistemi, yazılanların hiçbirini kabul etmedi</translation>
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

Okuma ve yazma izniniz olan normal bir dosyaya dönüştürün ya da programı başka bir dizinde başlatın.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>içinde bulunacağı dizin mevcut değil</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>bağlantısının işaret ettiği %2 dizininde %1</translation>
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
</context>
</TS>
