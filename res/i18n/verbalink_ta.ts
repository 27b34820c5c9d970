<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>InterfaceStrings</name>
    <message>
        <source>Disable Translation</source>
        <extracomment>slot 0: first tray entry while translation is on</extracomment>
        <translation>மொழிபெயர்ப்பை முடக்கு</translation>
    </message>
    <message>
        <source>Enable Translation</source>
        <extracomment>slot 1: first tray entry while translation is off</extracomment>
        <translation>மொழிபெயர்ப்பை இயக்கு</translation>
    </message>
    <message>
        <source>Hide Original Messages</source>
        <extracomment>slot 2: tray entry 2; hot-key notice</extracomment>
        <translation>அசல் செய்திகளை மறை</translation>
    </message>
    <message>
        <source>Set Translator</source>
        <extracomment>slot 3: tray submenu</extracomment>
        <translation>மொழிபெயர்ப்பாளரை அமை</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <extracomment>slot 4: tray submenu</extracomment>
        <translation>எழுத்துப்பிழை சரிபார்ப்பு</translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <extracomment>slot 5: tray submenu "Set Speech"</extracomment>
        <translation>உரையிலிருந்து பேச்சு</translation>
    </message>
    <message>
        <source>Google Settings</source>
        <extracomment>slot 6: tray submenu</extracomment>
        <translation>Google அமைப்புகள்</translation>
    </message>
    <message>
        <source>Babylon Settings</source>
        <extracomment>slot 7: tray submenu</extracomment>
        <translation>Babylon அமைப்புகள்</translation>
    </message>
    <message>
        <source>Yahoo Settings</source>
        <extracomment>slot 8: tray submenu</extracomment>
        <translation>Yahoo அமைப்புகள்</translation>
    </message>
    <message>
        <source>Bing Settings</source>
        <extracomment>slot 9: tray submenu</extracomment>
        <translation>Bing அமைப்புகள்</translation>
    </message>
    <message>
        <source>SysTran Settings</source>
        <extracomment>slot 10: tray submenu</extracomment>
        <translation>SysTran அமைப்புகள்</translation>
    </message>
    <message>
        <source>Promt Settings</source>
        <extracomment>slot 11: tray submenu</extracomment>
        <translation>Promt அமைப்புகள்</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>slot 12: tray submenu</extracomment>
        <translation>விருப்பத்தேர்வுகள்</translation>
    </message>
    <message>
        <source>Greetings</source>
        <extracomment>slot 13: tray entry</extracomment>
        <translation>வாழ்த்துகள்</translation>
    </message>
    <message>
        <source>Fun&amp;&amp;Art Message</source>
        <extracomment>slot 14: tray entry</extracomment>
        <translation>வேடிக்கை &amp;&amp; கலைச் செய்தி</translation>
    </message>
    <message>
        <source>A.I. Talk Robot</source>
        <extracomment>slot 15: tray entry</extracomment>
        <translation>செயற்கை நுண்ணறிவு உரையாடல் ரோபோ</translation>
    </message>
    <message>
        <source>Voice Call Recorder</source>
        <extracomment>slot 16: tray entry</extracomment>
        <translation>குரல் அழைப்புப் பதிவி</translation>
    </message>
    <message>
        <source>Voice Changer</source>
        <extracomment>slot 17: tray submenu</extracomment>
        <translation>குரல் மாற்றி</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>slot 18: tray entry</extracomment>
        <translation>புதுப்பிப்புகளைச் சரிபார்</translation>
    </message>
    <message>
        <source>Homepage</source>
        <extracomment>slot 19: tray entry</extracomment>
        <translation>முகப்புப் பக்கம்</translation>
    </message>
    <message>
        <source>About ...</source>
        <extracomment>slot 20: tray entry</extracomment>
        <translation>பற்றி...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>slot 21: tray entry</extracomment>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>slot 22: the "Disabled" entries of seven submenus</extracomment>
        <translation>முடக்கப்பட்டது</translation>
    </message>
    <message>
        <source> Auto Detect</source>
        <extracomment>slot 23: the automatic source entries of Google, Bing and Promt</extracomment>
        <translation> தானாகக் கண்டறி</translation>
    </message>
    <message>
        <source>Run with Windows</source>
        <extracomment>slot 24: Preferences entry</extracomment>
        <translation>Windows உடன் இயக்கு</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <extracomment>slot 25: Preferences entry</extracomment>
        <translation>இணைப்பு அமைப்புகள்</translation>
    </message>
    <message>
        <source>A.I. Settings</source>
        <extracomment>slot 26: Preferences entry</extracomment>
        <translation>செயற்கை நுண்ணறிவு அமைப்புகள்</translation>
    </message>
    <message>
        <source>Slowest</source>
        <extracomment>slot 27: speech rate entries</extracomment>
        <translation>மிக மெதுவாக</translation>
    </message>
    <message>
        <source>Slower</source>
        <extracomment>slot 28: speech rate entries</extracomment>
        <translation>மேலும் மெதுவாக</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>slot 29: speech rate entries</extracomment>
        <translation>மெதுவாக</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>slot 30: speech rate entries</extracomment>
        <translation>இயல்பு</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>slot 31: speech rate entries</extracomment>
        <translation>வேகமாக</translation>
    </message>
    <message>
        <source>Faster</source>
        <extracomment>slot 32: speech rate entries</extracomment>
        <translation>மேலும் வேகமாக</translation>
    </message>
    <message>
        <source>Fastest</source>
        <extracomment>slot 33: speech rate entries</extracomment>
        <translation>மிக வேகமாக</translation>
    </message>
    <message>
        <source>Hear Voice</source>
        <extracomment>slot 34: Voice Changer entry 33193</extracomment>
        <translation>குரலைக் கேள்</translation>
    </message>
    <message>
        <source>Browse Audio File</source>
        <extracomment>slot 35: Music entry 33196 without a file</extracomment>
        <translation>ஒலிக் கோப்பைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <extracomment>slot 36: Music entry 33197</extracomment>
        <translation>இசையை நிறுத்து</translation>
    </message>
    <message>
        <source>Volume 100%</source>
        <extracomment>slot 37: Music volume entries</extracomment>
        <translation>ஒலியளவு 100%</translation>
    </message>
    <message>
        <source>Volume 75%</source>
        <extracomment>slot 38: Music volume entries</extracomment>
        <translation>ஒலியளவு 75%</translation>
    </message>
    <message>
        <source>Volume 50%</source>
        <extracomment>slot 39: Music volume entries</extracomment>
        <translation>ஒலியளவு 50%</translation>
    </message>
    <message>
        <source>Volume 25%</source>
        <extracomment>slot 40: Music volume entries</extracomment>
        <translation>ஒலியளவு 25%</translation>
    </message>
    <message>
        <source>Volume 10%</source>
        <extracomment>slot 41: Music volume entries</extracomment>
        <translation>ஒலியளவு 10%</translation>
    </message>
    <message>
        <source>From Language</source>
        <extracomment>slot 42: source submenus</extracomment>
        <translation>மூல மொழி</translation>
    </message>
    <message>
        <source>To Language</source>
        <extracomment>slot 43: target submenus</extracomment>
        <translation>இலக்கு மொழி</translation>
    </message>
    <message>
        <source>Set Speech Rate</source>
        <extracomment>slot 44: Preferences submenu</extracomment>
        <translation>பேச்சு வேகத்தை அமை</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>slot 45: Voice Changer submenu</extracomment>
        <translation>இசை</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>slot 46: Hotkeys help entry; help entries of the spell-check and voice menus</extracomment>
        <translation>உதவி</translation>
    </message>
    <message>
        <source>Browse Audio File (</source>
        <extracomment>slot 47: Music entry 33196 with a file</extracomment>
        <translation>ஒலிக் கோப்பைத் தேர்ந்தெடு (</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <extracomment>slot 48: Preferences submenu</extracomment>
        <translation>இடைமுக மொழி</translation>
    </message>
    <message>
        <source>Please, first select an user from the list!</source>
        <extracomment>slot 49: list dialogs with no user selected</extracomment>
        <translation>முதலில் பட்டியலிலிருந்து ஒரு பயனரைத் தேர்ந்தெடுக்கவும்!</translation>
    </message>
    <message>
        <source>This operation will delete all your voice call records!
Are you sure?</source>
        <extracomment>slot 50: recorder</extracomment>
        <translation>இந்தச் செயல் உங்கள் குரல் அழைப்புப் பதிவுகள் அனைத்தையும் நீக்கிவிடும்!
நிச்சயமாகத் தொடர வேண்டுமா?</translation>
    </message>
    <message>
        <source>You are using the latest version!</source>
        <extracomment>slot 51: update check</extracomment>
        <translation>நீங்கள் சமீபத்திய பதிப்பைப் பயன்படுத்துகிறீர்கள்!</translation>
    </message>
    <message>
        <source>A new version is available - %s
Go to download page now?</source>
        <extracomment>slot 52: update check; %s is the version text</extracomment>
        <translation>புதிய பதிப்பு கிடைக்கிறது - %s
இப்போதே பதிவிறக்கப் பக்கத்திற்குச் செல்லவா?</translation>
    </message>
    <message>
        <source>Cannot check for updates! 
 Check if internet connection is available.</source>
        <extracomment>slot 53: update check</extracomment>
        <translation>புதுப்பிப்புகளைச் சரிபார்க்க முடியவில்லை! 
 இணைய இணைப்பு உள்ளதா எனச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>Encrypt Message</source>
        <extracomment>slot 54: tray submenu; hot-key notice</extracomment>
        <translation>செய்தியை மறையாக்கு</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>slot 55: Encrypt Message entry 33232</extracomment>
        <translation>இயக்கு</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>slot 56: no fixed use</extracomment>
        <translation>முடக்கு</translation>
    </message>
    <message>
        <source>Translate Incoming Messages</source>
        <extracomment>slot 57: tray submenu</extracomment>
        <translation>உள்வரும் செய்திகளை மொழிபெயர்</translation>
    </message>
    <message>
        <source>User translation filter</source>
        <extracomment>slot 58: tray entry</extracomment>
        <translation>பயனர் மொழிபெயர்ப்பு வடிகட்டி</translation>
    </message>
    <message>
        <source>Broadcast mass message</source>
        <extracomment>slot 59: tray entry "Broadcast"</extracomment>
        <translation>மொத்தச் செய்தி அனுப்பு</translation>
    </message>
    <message>
        <source>Hear Music</source>
        <extracomment>slot 60: Voice Changer entry 33376</extracomment>
        <translation>இசையைக் கேள்</translation>
    </message>
</context>
</TS>
