<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About %1</source>
        <translation>%1 정보</translation>
    </message>
    <message>
        <source>Created by the Velmor project</source>
        <translation>제작: Velmor 프로젝트</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>이메일: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Days</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>분</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>초</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmor-counter [option]</source>
        <extracomment>The options&apos; names stay as they are. Lines of at most 79 columns.</extracomment>
        <translation>사용법: velmor-counter [옵션]</translation>
    </message>
    <message>
        <source>Shows the days, hours, minutes and seconds left until midnight at the start of
your trip date, in a small window at the top-left of the screen. Set the date
with Setup Date in the window&apos;s menu: it is kept in vacation.txt in the
directory the counter is started from, and read as your locale writes dates.</source>
        <translation>여행 날짜가 시작되는 자정까지 남은 일수와 시간, 분, 초를 화면 왼쪽 위의
작은 창에 표시합니다. 날짜는 창 메뉴의 ‘날짜 설정’에서 정합니다.
정한 날짜는 프로그램을 실행한 디렉터리의 vacation.txt 파일에 저장되며,
사용자 로캘의 날짜 형식에 따라 읽습니다.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>옵션:</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>이 도움말을 표시하고 종료</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>버전 정보를 표시하고 종료</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform and -display, are taken as well.</source>
        <translation>-platform, -display 등 Qt 자체 옵션도 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so a second start in this directory will not find this counter</source>
        <translation>XDG_RUNTIME_DIR 환경 변수가 설정되지 않았으므로, 이 디렉터리에서 다시 실행해도 지금 실행 중인 이 프로그램을 찾지 못합니다</translation>
    </message>
    <message>
        <source>%1 is not a directory of yours alone, so a second start in this directory will not find this counter</source>
        <translation>%1 디렉터리가 현재 사용자 전용이 아니므로, 이 디렉터리에서 다시 실행해도 지금 실행 중인 이 프로그램을 찾지 못합니다</translation>
    </message>
    <message>
        <source>%1 takes no lock, so a second start in this directory will not find this counter</source>
        <translation>%1에서 잠금을 걸 수 없으므로, 이 디렉터리에서 다시 실행해도 지금 실행 중인 이 프로그램을 찾지 못합니다</translation>
    </message>
    <message>
        <source>the counter already running in this directory does not answer; this one runs beside it</source>
        <translation>이 디렉터리에서 이미 실행 중인 프로그램이 응답하지 않아, 이 프로그램은 그와 별도로 실행됩니다</translation>
    </message>
    <message>
        <source>there is no display to show the window on (DISPLAY is not set)</source>
        <translation>창을 표시할 디스플레이가 없습니다(DISPLAY 환경 변수가 설정되지 않음)</translation>
    </message>
    <message>
        <source>cannot open the display %1</source>
        <translation>%1 디스플레이를 열 수 없습니다</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>예기치 않은 인수 ‘%1’</translation>
    </message>
    <message>
        <source>%1 does not exist, so a second start in this directory will not find this counter</source>
        <translation>%1 디렉터리가 존재하지 않으므로, 이 디렉터리에서 다시 실행해도 지금 실행 중인 이 프로그램을 찾지 못합니다</translation>
    </message>
    <message>
        <source>no socket can be made in %1, so a second start in this directory will not find this counter</source>
        <translation>%1에 소켓을 만들 수 없으므로, 이 디렉터리에서 다시 실행해도 지금 실행 중인 이 프로그램을 찾지 못합니다</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>아직 여행 날짜가 설정되지 않았습니다. ‘날짜 설정’을 선택하세요.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>남은 일수</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>남은 시간</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>남은 분</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>남은 초</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Setup Date</source>
        <translation>날짜 설정</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s)</source>
        <translation>
            <numerusform>%n초</numerusform>
        </translation>
    </message>
    <message>
        <source>2 days</source>
        <comment>two</comment>
        <extracomment>The words for two days, where the language has a word of its own for that, as Hebrew has יומיים; else as the language says any other number of days. Likewise for the other units.</extracomment>
        <translation>2일</translation>
    </message>
    <message>
        <source>2 hours</source>
        <comment>two</comment>
        <translation>2시간</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <comment>two</comment>
        <translation>2분</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <comment>two</comment>
        <translation>2초</translation>
    </message>
    <message>
        <source>Your trip starts today.</source>
        <translation>오늘 여행이 시작됩니다.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 until the trip on %5.</source>
        <translation>%5 여행까지 %1 %2 %3 %4 남았습니다.</translation>
    </message>
    <message>
        <source>Trip date file: %1</source>
        <translation>여행 날짜 파일: %1</translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A figure below zero, as the days show on and after the day of the trip: &quot;minus 1 day&quot;.</extracomment>
        <translation>마이너스 %1</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4: the trip on %5 has begun.</source>
        <translation>%1 %2 %3 %4: %5 여행이 시작되었습니다.</translation>
    </message>
    <message>
        <source>ends the counter</source>
        <translation>프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>asks for the trip date</source>
        <translation>여행 날짜를 묻습니다</translation>
    </message>
    <message>
        <source>shows who made the counter</source>
        <translation>프로그램을 만든 사람을 보여 줍니다</translation>
    </message>
</context>
<context>
    <name>MenuBarEntry</name>
    <message>
        <source>Menu bar, %1 of %2: %3</source>
        <extracomment>What a screen reader says of an entry of the menu bar after its name: which of how many it is, and what it does (%3: &quot;ends the counter&quot;, ...).</extracomment>
        <translation>메뉴 모음, %2개 중 %1번째: %3</translation>
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
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>TripDate</name>
    <message>
        <source>

Choose Setup Date to set the trip date.</source>
        <translation>

‘날짜 설정’을 선택하여 여행 날짜를 설정하세요.</translation>
    </message>
    <message>
        <source>it is a link that another user made, in a directory that others may write to</source>
        <translation>다른 사람도 쓸 수 있는 디렉터리에 있는, 다른 사용자가 만든 링크입니다</translation>
    </message>
    <message>
        <source>it is a hard link to a file elsewhere, in a directory that others may write to</source>
        <translation>다른 사람도 쓸 수 있는 디렉터리에 있는, 다른 위치의 파일을 가리키는 하드 링크입니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>링크가 순환하고 있습니다</translation>
    </message>
    <message>
        <source>it changed while it was being saved</source>
        <translation>저장하는 도중에 파일이 변경되었습니다</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>여는 도중에 파일이 변경되었습니다</translation>
    </message>
    <message>
        <source>it is too large to be a trip date file</source>
        <translation>여행 날짜 파일로 보기에는 너무 큽니다</translation>
    </message>
    <message>
        <source>the date is not valid Unicode</source>
        <translation>날짜가 유효한 유니코드 문자열이 아닙니다</translation>
    </message>
    <message>
        <source>its file system took nothing that was written to it</source>
        <translation>파일 시스템에 쓴 내용이 하나도 반영되지 않았습니다</translation>
    </message>
    <message>
        <source>The trip date file &quot;%1&quot; in %2</source>
        <translation>%2에 있는 ‘%1’ 여행 날짜 파일</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.%3</source>
        <translation>%1을 읽을 수 없습니다: %2.%3</translation>
    </message>
    <message>
        <source>%1 holds a text too long to be a date.%2</source>
        <translation>%1에 날짜로 보기에는 너무 긴 텍스트가 들어 있습니다.%2</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which is not a date.%3</source>
        <translation>%1의 내용(“%2”)은 날짜가 아닙니다.%3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.

The trip date stays as it was.</source>
        <translation>%1에 쓸 수 없습니다: %2.

여행 날짜는 이전 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>

Make it a regular file that you may read and write, or start the counter in another directory.</source>
        <translation>

읽고 쓸 수 있는 일반 파일로 바꾸거나, 다른 디렉터리에서 프로그램을 실행하세요.</translation>
    </message>
    <message>
        <source>the directory it would be in does not exist</source>
        <translation>파일이 있어야 할 디렉터리가 존재하지 않습니다</translation>
    </message>
    <message>
        <source>%1 in %2, the directory its link leads to</source>
        <translation>%1(링크가 가리키는 디렉터리 %2)</translation>
    </message>
    <message>
        <source>there is no such file or directory</source>
        <translation>해당 파일이나 디렉터리가 없습니다</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>접근 권한이 없습니다</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>파일이 아니라 디렉터리입니다</translation>
    </message>
    <message>
        <source>a part of its path is not a directory</source>
        <translation>경로 중간에 디렉터리가 아닌 항목이 있습니다</translation>
    </message>
    <message>
        <source>it leads through too many links</source>
        <translation>거쳐야 하는 링크가 너무 많습니다</translation>
    </message>
    <message>
        <source>its file system is read-only</source>
        <translation>파일 시스템이 읽기 전용입니다</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>디스크에 남은 공간이 없습니다</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>디스크 할당량을 모두 사용했습니다</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>디스크를 읽거나 쓰지 못했습니다</translation>
    </message>
    <message>
        <source>it would be too large for its file system</source>
        <translation>파일 시스템이 허용하는 크기를 넘게 됩니다</translation>
    </message>
    <message>
        <source>its name is too long</source>
        <translation>파일 이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>it carries an extended attribute that the counter may not give a new copy of it</source>
        <translation>확장 속성이 설정되어 있지만, 이 프로그램에는 새 사본에 그 확장 속성을 설정할 권한이 없습니다</translation>
    </message>
    <message>
        <source>

Start the counter in a directory of your own.</source>
        <translation>

본인 소유의 디렉터리에서 프로그램을 실행하세요.</translation>
    </message>
    <message>
        <source>it is a file that another user owns, in a directory that others may write to</source>
        <translation>다른 사람도 쓸 수 있는 디렉터리에 있는, 다른 사용자가 소유한 파일입니다</translation>
    </message>
</context>
<context>
    <name>TripDatePrompt</name>
    <message>
        <source>Zorvia Date</source>
        <translation>Zorvia 날짜</translation>
    </message>
    <message>
        <source>Enter your Zorvia trip date:%1Example: %2</source>
        <translation>Zorvia 여행 날짜를 입력하세요:%1
예: %2</translation>
    </message>
    <message>
        <source>Please enter a correct date:%1Example: %2</source>
        <translation>올바른 날짜를 입력하세요:%1
예: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>유효한 연도를 입력하세요:%1
예: %2</translation>
    </message>
    <message>
        <source>The date and the weekday do not fit: %1.</source>
        <translation>날짜와 요일이 맞지 않습니다: %1.</translation>
    </message>
</context>
</TS>
