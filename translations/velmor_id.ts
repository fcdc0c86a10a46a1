<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>Tentang %1</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>Dibuat oleh proyek Velmor</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>Surel: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>Hari</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Jam</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Menit</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Detik</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>Penggunaan: velmor-counter [opsi]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>Menampilkan sisa hari, jam, menit, dan detik hingga tengah malam pada awal
tanggal perjalanan Anda, dalam jendela kecil di kiri atas layar. Tetapkan
tanggalnya melalui “Atur Tanggal” di menu jendela: tanggal itu disimpan dalam
berkas vacation.txt di folder tempat penghitung dijalankan, lalu dibaca sesuai
format tanggal pada pengaturan wilayah Anda.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>tampilkan bantuan ini lalu keluar</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>tampilkan versi lalu keluar</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>Opsi bawaan Qt, seperti -platform dan -display, juga diterima.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>variabel XDG_RUNTIME_DIR tidak diatur, sehingga penghitung kedua yang dijalankan di folder ini tidak akan menemukan penghitung ini</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 bukan folder yang hanya milik Anda, sehingga penghitung kedua yang dijalankan di folder ini tidak akan menemukan penghitung ini</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1 tidak mendukung penguncian, sehingga penghitung kedua yang dijalankan di folder ini tidak akan menemukan penghitung ini</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>penghitung yang sudah berjalan di folder ini tidak merespons; penghitung ini berjalan berdampingan dengannya</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>tidak ada layar untuk menampilkan jendela (variabel DISPLAY tidak diatur)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>tidak dapat membuka layar %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumen tidak terduga “%1”</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 tidak ada, sehingga penghitung kedua yang dijalankan di folder ini tidak akan menemukan penghitung ini</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>soket tidak dapat dibuat di %1, sehingga penghitung kedua yang dijalankan di folder ini tidak akan menemukan penghitung ini</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>Belum ada tanggal perjalanan: pilih “Atur Tanggal” untuk menetapkannya.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>Hari tersisa</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>Jam tersisa</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>Menit tersisa</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>Detik tersisa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>Atur Tanggal</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n hari</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n jam</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n menit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n detik</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2 hari</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2 jam</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2 menit</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2 detik</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>Perjalanan Anda dimulai hari ini.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>Tinggal %1, %2, %3, dan %4 lagi sampai perjalanan pada %5.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>Berkas tanggal perjalanan: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1, %2, %3, dan %4: perjalanan pada %5 telah dimulai.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>menutup penghitung</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>meminta tanggal perjalanan</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>menampilkan pembuat penghitung</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>Bilah menu, %1 dari %2: %3</translation>
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
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

Pilih “Atur Tanggal” untuk menetapkan tanggal perjalanan.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>berkas itu adalah tautan yang dibuat oleh pengguna lain, di dalam folder yang juga dapat ditulisi orang lain</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>berkas itu adalah tautan keras ke berkas di tempat lain, di dalam folder yang juga dapat ditulisi orang lain</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>berkas itu bukan berkas biasa</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>tautan-tautannya saling menunjuk tanpa ujung</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>berkas itu berubah saat sedang disimpan</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>berkas itu berubah saat sedang dibuka</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>ukurannya terlalu besar untuk sebuah berkas tanggal perjalanan</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>tanggalnya bukan teks Unicode yang valid</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>sistem berkasnya tidak menerima apa pun yang ditulis ke dalamnya</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>Berkas tanggal perjalanan “%1” di %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1 tidak dapat dibaca: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1 berisi teks yang terlalu panjang untuk sebuah tanggal.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1 berisi “%2”, yang bukan tanggal.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1 tidak dapat disimpan: %2.

Tanggal perjalanan tetap seperti semula.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

Jadikan berkas itu berkas biasa yang dapat Anda baca dan tulis, atau jalankan penghitung di folder lain.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>folder tempat berkas itu seharusnya berada tidak ada</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1 di %2, folder yang dituju tautannya</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>berkas atau folder tersebut tidak ada</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>Anda tidak memiliki izin untuk itu</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>itu adalah folder, bukan berkas</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>salah satu bagian jalurnya bukan folder</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>jalurnya melewati terlalu banyak tautan</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>sistem berkasnya hanya dapat dibaca</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>ruang pada disk sudah habis</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>kuota disk sudah habis</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>disk tidak dapat dibaca atau ditulisi</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>ukurannya akan terlalu besar untuk sistem berkasnya</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>namanya terlalu panjang</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>berkas itu memiliki atribut diperluas yang tidak boleh ditetapkan oleh penghitung pada salinan barunya</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

Jalankan penghitung di folder milik Anda sendiri.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>berkas itu milik pengguna lain, di dalam folder yang juga dapat ditulisi orang lain</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Tanggal Zorvia</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Masukkan tanggal perjalanan Zorvia Anda:%1
Contoh: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>Silakan masukkan tanggal yang benar:%1
Contoh: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>Silakan masukkan tahun yang valid:%1
Contoh: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>Tanggal dan harinya tidak cocok: %1.</translation>
    </message>
</context>
</TS>
