<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka" sourcelanguage="en">
<context>
    <name>InterfaceStrings</name>
    <message>
        <source>Disable Translation</source>
        <extracomment>slot 0: first tray entry while translation is on</extracomment>
        <translation>თარგმნის გამორთვა</translation>
    </message>
    <message>
        <source>Enable Translation</source>
        <extracomment>slot 1: first tray entry while translation is off</extracomment>
        <translation>თარგმნის ჩართვა</translation>
    </message>
    <message>
        <source>Hide Original Messages</source>
        <extracomment>slot 2: tray entry 2; hot-key notice</extracomment>
        <translation>ორიგინალი შეტყობინებების დამალვა</translation>
    </message>
    <message>
        <source>Set Translator</source>
        <extracomment>slot 3: tray submenu</extracomment>
        <translation>მთარგმნელის არჩევა</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <extracomment>slot 4: tray submenu</extracomment>
        <translation>მართლწერის შემოწმება</translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <extracomment>slot 5: tray submenu "Set Speech"</extracomment>
        <translation>ტექსტის გახმოვანება</translation>
    </message>
    <message>
        <source>Google Settings</source>
        <extracomment>slot 6: tray submenu</extracomment>
        <translation>Google-ის პარამეტრები</translation>
    </message>
    <message>
        <source>Babylon Settings</source>
        <extracomment>slot 7: tray submenu</extracomment>
        <translation>Babylon-ის პარამეტრები</translation>
    </message>
    <message>
        <source>Yahoo Settings</source>
        <extracomment>slot 8: tray submenu</extracomment>
        <translation>Yahoo-ს პარამეტრები</translation>
    </message>
    <message>
        <source>Bing Settings</source>
        <extracomment>slot 9: tray submenu</extracomment>
        <translation>Bing-ის პარამეტრები</translation>
    </message>
    <message>
        <source>SysTran Settings</source>
        <extracomment>slot 10: tray submenu</extracomment>
        <translation>SysTran-ის პარამეტრები</translation>
    </message>
    <message>
        <source>Promt Settings</source>
        <extracomment>slot 11: tray submenu</extracomment>
        <translation>Promt-ის პარამეტრები</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>slot 12: tray submenu</extracomment>
        <translation>პარამეტრები</translation>
    </message>
    <message>
        <source>Greetings</source>
        <extracomment>slot 13: tray entry</extracomment>
        <translation>მისალმებები</translation>
    </message>
    <message>
        <source>Fun&amp;&amp;Art Message</source>
        <extracomment>slot 14: tray entry</extracomment>
        <translation>სახალისო &amp;&amp; მხატვრული შეტყობინება</translation>
    </message>
    <message>
        <source>A.I. Talk Robot</source>
        <extracomment>slot 15: tray entry</extracomment>
        <translation>ხელოვნური ინტელექტის სასაუბრო რობოტი</translation>
    </message>
    <message>
        <source>Voice Call Recorder</source>
        <extracomment>slot 16: tray entry</extracomment>
        <translation>ხმოვანი ზარების ჩამწერი</translation>
    </message>
    <message>
        <source>Voice Changer</source>
        <extracomment>slot 17: tray submenu</extracomment>
        <translation>ხმის შემცვლელი</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>slot 18: tray entry</extracomment>
        <translation>განახლებების შემოწმება</translation>
    </message>
    <message>
        <source>Homepage</source>
        <extracomment>slot 19: tray entry</extracomment>
        <translation>მთავარი გვერდი</translation>
    </message>
    <message>
        <source>About ...</source>
        <extracomment>slot 20: tray entry</extracomment>
        <translation>შესახებ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>slot 21: tray entry</extracomment>
        <translation>გასვლა</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>slot 22: the "Disabled" entries of seven submenus</extracomment>
        <translation>გამორთულია</translation>
    </message>
    <message>
        <source> Auto Detect</source>
        <extracomment>slot 23: the automatic source entries of Google, Bing and Promt</extracomment>
        <translation> ავტომატური ამოცნობა</translation>
    </message>
    <message>
        <source>Run with Windows</source>
        <extracomment>slot 24: Preferences entry</extracomment>
        <translation>Windows-თან ერთად გაშვება</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <extracomment>slot 25: Preferences entry</extracomment>
        <translation>კავშირის პარამეტრები</translation>
    </message>
    <message>
        <source>A.I. Settings</source>
        <extracomment>slot 26: Preferences entry</extracomment>
        <translation>ხელოვნური ინტელექტის პარამეტრები</translation>
    </message>
    <message>
        <source>Slowest</source>
        <extracomment>slot 27: speech rate entries</extracomment>
        <translation>ყველაზე ნელა</translation>
    </message>
    <message>
        <source>Slower</source>
        <extracomment>slot 28: speech rate entries</extracomment>
        <translation>უფრო ნელა</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>slot 29: speech rate entries</extracomment>
        <translation>ნელა</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>slot 30: speech rate entries</extracomment>
        <translation>ჩვეულებრივი</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>slot 31: speech rate entries</extracomment>
        <translation>სწრაფად</translation>
    </message>
    <message>
        <source>Faster</source>
        <extracomment>slot 32: speech rate entries</extracomment>
        <translation>უფრო სწრაფად</translation>
    </message>
    <message>
        <source>Fastest</source>
        <extracomment>slot 33: speech rate entries</extracomment>
        <translation>ყველაზე სწრაფად</translation>
    </message>
    <message>
        <source>Hear Voice</source>
        <extracomment>slot 34: Voice Changer entry 33193</extracomment>
        <translation>ხმის მოსმენა</translation>
    </message>
    <message>
        <source>Browse Audio File</source>
        <extracomment>slot 35: Music entry 33196 without a file</extracomment>
        <translation>აუდიოფაილის არჩევა</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <extracomment>slot 36: Music entry 33197</extracomment>
        <translation>მუსიკის შეჩერება</translation>
    </message>
    <message>
        <source>Volume 100%</source>
        <extracomment>slot 37: Music volume entries</extracomment>
        <translation>ხმის დონე 100%</translation>
    </message>
    <message>
        <source>Volume 75%</source>
        <extracomment>slot 38: Music volume entries</extracomment>
        <translation>ხმის დონე 75%</translation>
    </message>
    <message>
        <source>Volume 50%</source>
        <extracomment>slot 39: Music volume entries</extracomment>
        <translation>ხმის დონე 50%</translation>
    </message>
    <message>
        <source>Volume 25%</source>
        <extracomment>slot 40: Music volume entries</extracomment>
        <translation>ხმის დონე 25%</translation>
    </message>
    <message>
        <source>Volume 10%</source>
        <extracomment>slot 41: Music volume entries</extracomment>
        <translation>ხმის დონე 10%</translation>
    </message>
    <message>
        <source>From Language</source>
        <extracomment>slot 42: source submenus</extracomment>
        <translation>საწყისი ენა</translation>
    </message>
    <message>
        <source>To Language</source>
        <extracomment>slot 43: target submenus</extracomment>
        <translation>სამიზნე ენა</translation>
    </message>
    <message>
        <source>Set Speech Rate</source>
        <extracomment>slot 44: Preferences submenu</extracomment>
        <translation>მეტყველების სიჩქარის დაყენება</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>slot 45: Voice Changer submenu</extracomment>
        <translation>მუსიკა</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>slot 46: Hotkeys help entry; help entries of the spell-check and voice menus</extracomment>
        <translation>დახმარება</translation>
    </message>
    <message>
        <source>Browse Audio File (</source>
        <extracomment>slot 47: Music entry 33196 with a file</extracomment>
        <translation>აუდიოფაილის არჩევა (</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <extracomment>slot 48: Preferences submenu</extracomment>
        <translation>ინტერფეისის ენა</translation>
    </message>
    <message>
        <source>Please, first select an user from the list!</source>
        <extracomment>slot 49: list dialogs with no user selected</extracomment>
        <translation>ჯერ აირჩიეთ მომხმარებელი სიიდან!</translation>
    </message>
    <message>
        <source>This operation will delete all your voice call records!
Are you sure?</source>
        <extracomment>slot 50: recorder</extracomment>
        <translation>ეს მოქმედება წაშლის ხმოვანი ზარების ყველა ჩანაწერს!
დარწმუნებული ხართ?</translation>
    </message>
    <message>
        <source>You are using the latest version!</source>
        <extracomment>slot 51: update check</extracomment>
        <translation>თქვენ იყენებთ უახლეს ვერსიას!</translation>
    </message>
    <message>
        <source>A new version is available - %s
Go to download page now?</source>
        <extracomment>slot 52: update check; %s is the version text</extracomment>
        <translation>ხელმისაწვდომია ახალი ვერსია - %s
გადავიდეთ ჩამოტვირთვის გვერდზე ახლავე?</translation>
    </message>
    <message>
        <source>Cannot check for updates! 
 Check if internet connection is available.</source>
        <extracomment>slot 53: update check</extracomment>
        <translation>განახლებების შემოწმება ვერ მოხერხდა! 
 შეამოწმეთ, ხელმისაწვდომია თუ არა ინტერნეტკავშირი.</translation>
    </message>
    <message>
        <source>Encrypt Message</source>
        <extracomment>slot 54: tray submenu; hot-key notice</extracomment>
        <translation>შეტყობინების დაშიფვრა</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>slot 55: Encrypt Message entry 33232</extracomment>
        <translation>ჩართვა</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>slot 56: no fixed use</extracomment>
        <translation>გამორთვა</translation>
    </message>
    <message>
        <source>Translate Incoming Messages</source>
        <extracomment>slot 57: tray submenu</extracomment>
        <translation>შემომავალი შეტყობინებების თარგმნა</translation>
    </message>
    <message>
        <source>User translation filter</source>
        <extracomment>slot 58: tray entry</extracomment>
        <translation>მომხმარებლის თარგმნის ფილტრი</translation>
    </message>
    <message>
        <source>Broadcast mass message</source>
        <extracomment>slot 59: tray entry "Broadcast"</extracomment>
        <translation>მასობრივი შეტყობინების გაგზავნა</translation>
    </message>
    <message>
        <source>Hear Music</source>
        <extracomment>slot 60: Voice Changer entry 33376</extracomment>
        <translation>მუსიკის მოსმენა</translation>
    </message>
</context>
</TS>
