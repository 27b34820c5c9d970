<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>InterfaceStrings</name>
    <message>
        <source>Disable Translation</source>
        <extracomment>slot 0: first tray entry while translation is on</extracomment>
        <translation>번역 끄기</translation>
    </message>
    <message>
        <source>Enable Translation</source>
        <extracomment>slot 1: first tray entry while translation is off</extracomment>
        <translation>번역 켜기</translation>
    </message>
    <message>
        <source>Hide Original Messages</source>
        <extracomment>slot 2: tray entry 2; hot-key notice</extracomment>
        <translation>원본 메시지 숨기기</translation>
    </message>
    <message>
        <source>Set Translator</source>
        <extracomment>slot 3: tray submenu</extracomment>
        <translation>번역기 선택</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <extracomment>slot 4: tray submenu</extracomment>
        <translation>맞춤법 검사</translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <extracomment>slot 5: tray submenu "Set Speech"</extracomment>
        <translation>텍스트 음성 변환</translation>
    </message>
    <message>
        <source>Google Settings</source>
        <extracomment>slot 6: tray submenu</extracomment>
        <translation>Google 설정</translation>
    </message>
    <message>
        <source>Babylon Settings</source>
        <extracomment>slot 7: tray submenu</extracomment>
        <translation>Babylon 설정</translation>
    </message>
    <message>
        <source>Yahoo Settings</source>
        <extracomment>slot 8: tray submenu</extracomment>
        <translation>Yahoo 설정</translation>
    </message>
    <message>
        <source>Bing Settings</source>
        <extracomment>slot 9: tray submenu</extracomment>
        <translation>Bing 설정</translation>
    </message>
    <message>
        <source>SysTran Settings</source>
        <extracomment>slot 10: tray submenu</extracomment>
        <translation>SysTran 설정</translation>
    </message>
    <message>
        <source>Promt Settings</source>
        <extracomment>slot 11: tray submenu</extracomment>
        <translation>Promt 설정</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>slot 12: tray submenu</extracomment>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Greetings</source>
        <extracomment>slot 13: tray entry</extracomment>
        <translation>인사말</translation>
    </message>
    <message>
        <source>Fun&amp;&amp;Art Message</source>
        <extracomment>slot 14: tray entry</extracomment>
        <translation>재미 &amp;&amp; 아트 메시지</translation>
    </message>
    <message>
        <source>A.I. Talk Robot</source>
        <extracomment>slot 15: tray entry</extracomment>
        <translation>AI 대화 로봇</translation>
    </message>
    <message>
        <source>Voice Call Recorder</source>
        <extracomment>slot 16: tray entry</extracomment>
        <translation>음성 통화 녹음기</translation>
    </message>
    <message>
        <source>Voice Changer</source>
        <extracomment>slot 17: tray submenu</extracomment>
        <translation>음성 변조기</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>slot 18: tray entry</extracomment>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Homepage</source>
        <extracomment>slot 19: tray entry</extracomment>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>About ...</source>
        <extracomment>slot 20: tray entry</extracomment>
        <translation>프로그램 정보...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>slot 21: tray entry</extracomment>
        <translation>종료</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>slot 22: the "Disabled" entries of seven submenus</extracomment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source> Auto Detect</source>
        <extracomment>slot 23: the automatic source entries of Google, Bing and Promt</extracomment>
        <translation> 자동 감지</translation>
    </message>
    <message>
        <source>Run with Windows</source>
        <extracomment>slot 24: Preferences entry</extracomment>
        <translation>Windows와 함께 실행</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <extracomment>slot 25: Preferences entry</extracomment>
        <translation>연결 설정</translation>
    </message>
    <message>
        <source>A.I. Settings</source>
        <extracomment>slot 26: Preferences entry</extracomment>
        <translation>AI 설정</translation>
    </message>
    <message>
        <source>Slowest</source>
        <extracomment>slot 27: speech rate entries</extracomment>
        <translation>가장 느리게</translation>
    </message>
    <message>
        <source>Slower</source>
        <extracomment>slot 28: speech rate entries</extracomment>
        <translation>더 느리게</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>slot 29: speech rate entries</extracomment>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>slot 30: speech rate entries</extracomment>
        <translation>보통</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>slot 31: speech rate entries</extracomment>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>Faster</source>
        <extracomment>slot 32: speech rate entries</extracomment>
        <translation>더 빠르게</translation>
    </message>
    <message>
        <source>Fastest</source>
        <extracomment>slot 33: speech rate entries</extracomment>
        <translation>가장 빠르게</translation>
    </message>
    <message>
        <source>Hear Voice</source>
        <extracomment>slot 34: Voice Changer entry 33193</extracomment>
        <translation>음성 듣기</translation>
    </message>
    <message>
        <source>Browse Audio File</source>
        <extracomment>slot 35: Music entry 33196 without a file</extracomment>
        <translation>오디오 파일 찾아보기</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <extracomment>slot 36: Music entry 33197</extracomment>
        <translation>음악 중지</translation>
    </message>
    <message>
        <source>Volume 100%</source>
        <extracomment>slot 37: Music volume entries</extracomment>
        <translation>음량 100%</translation>
    </message>
    <message>
        <source>Volume 75%</source>
        <extracomment>slot 38: Music volume entries</extracomment>
        <translation>음량 75%</translation>
    </message>
    <message>
        <source>Volume 50%</source>
        <extracomment>slot 39: Music volume entries</extracomment>
        <translation>음량 50%</translation>
    </message>
    <message>
        <source>Volume 25%</source>
        <extracomment>slot 40: Music volume entries</extracomment>
        <translation>음량 25%</translation>
    </message>
    <message>
        <source>Volume 10%</source>
        <extracomment>slot 41: Music volume entries</extracomment>
        <translation>음량 10%</translation>
    </message>
    <message>
        <source>From Language</source>
        <extracomment>slot 42: source submenus</extracomment>
        <translation>원본 언어</translation>
    </message>
    <message>
        <source>To Language</source>
        <extracomment>slot 43: target submenus</extracomment>
        <translation>대상 언어</translation>
    </message>
    <message>
        <source>Set Speech Rate</source>
        <extracomment>slot 44: Preferences submenu</extracomment>
        <translation>말하기 속도 설정</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>slot 45: Voice Changer submenu</extracomment>
        <translation>음악</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>slot 46: Hotkeys help entry; help entries of the spell-check and voice menus</extracomment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Browse Audio File (</source>
        <extracomment>slot 47: Music entry 33196 with a file</extracomment>
        <translation>오디오 파일 찾아보기 (</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <extracomment>slot 48: Preferences submenu</extracomment>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>Please, first select an user from the list!</source>
        <extracomment>slot 49: list dialogs with no user selected</extracomment>
        <translation>먼저 목록에서 사용자를 선택하세요!</translation>
    </message>
    <message>
        <source>This operation will delete all your voice call records!
Are you sure?</source>
        <extracomment>slot 50: recorder</extracomment>
        <translation>이 작업을 수행하면 음성 통화 녹음이 모두 삭제됩니다!
계속하시겠습니까?</translation>
    </message>
    <message>
        <source>You are using the latest version!</source>
        <extracomment>slot 51: update check</extracomment>
        <translation>최신 버전을 사용하고 있습니다!</translation>
    </message>
    <message>
        <source>A new version is available - %s
Go to download page now?</source>
        <extracomment>slot 52: update check; %s is the version text</extracomment>
        <translation>새 버전을 사용할 수 있습니다 - %s
지금 다운로드 페이지로 이동하시겠습니까?</translation>
    </message>
    <message>
        <source>Cannot check for updates! 
 Check if internet connection is available.</source>
        <extracomment>slot 53: update check</extracomment>
        <translation>업데이트를 확인할 수 없습니다! 
 인터넷 연결 상태를 확인하세요.</translation>
    </message>
    <message>
        <source>Encrypt Message</source>
        <extracomment>slot 54: tray submenu; hot-key notice</extracomment>
        <translation>메시지 암호화</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>slot 55: Encrypt Message entry 33232</extracomment>
        <translation>사용</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>slot 56: no fixed use</extracomment>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Translate Incoming Messages</source>
        <extracomment>slot 57: tray submenu</extracomment>
        <translation>받은 메시지 번역</translation>
    </message>
    <message>
        <source>User translation filter</source>
        <extracomment>slot 58: tray entry</extracomment>
        <translation>사용자별 번역 필터</translation>
    </message>
    <message>
        <source>Broadcast mass message</source>
        <extracomment>slot 59: tray entry "Broadcast"</extracomment>
        <translation>단체 메시지 보내기</translation>
    </message>
    <message>
        <source>Hear Music</source>
        <extracomment>slot 60: Voice Changer entry 33376</extracomment>
        <translation>음악 듣기</translation>
    </message>
</context>
</TS>
