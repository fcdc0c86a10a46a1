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
    <message>
        <source>Countdown</source>
        <translation>카운트다운</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No trip date yet: choose Setup Date to set it.</source>
        <translation>아직 여행 날짜가 설정되지 않았습니다. ‘날짜 설정’을 선택하여 설정하세요.</translation>
    </message>
    <message>
        <source>Days left</source>
        <translation>일 남음</translation>
    </message>
    <message>
        <source>Hours left</source>
        <translation>시간 남음</translation>
    </message>
    <message>
        <source>Minutes left</source>
        <translation>분 남음</translation>
    </message>
    <message>
        <source>Seconds left</source>
        <translation>초 남음</translation>
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
    <message>
        <source>Counting down to the trip on %1.</source>
        <translation>%1 여행까지 카운트다운 중입니다.</translation>
    </message>
    <message>
        <source>The trip on %1 has begun.</source>
        <translation>%1 여행이 시작되었습니다.</translation>
    </message>
    <message>
        <source>%1, %2, %3 and %4 left until the trip on %5.</source>
        <translation>%5 여행까지 %1 %2 %3 %4 남았습니다.</translation>
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
        <translation>날짜가 유효한 유니코드가 아닙니다</translation>
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
        <translation>링크가 가리키는 디렉터리 %2에서 %1</translation>
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
        <translation>올바른 날짜를 입력해 주세요:%1
예: %2</translation>
    </message>
    <message>
        <source>Please enter a valid year:%1Example: %2</source>
        <translation>유효한 연도를 입력해 주세요:%1
예: %2</translation>
    </message>
</context>
</TS>
