<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>InterfaceStrings</name>
    <message>
        <source>Disable Translation</source>
        <extracomment>slot 0: first tray entry while translation is on</extracomment>
        <translation>Vypnúť preklad</translation>
    </message>
    <message>
        <source>Enable Translation</source>
        <extracomment>slot 1: first tray entry while translation is off</extracomment>
        <translation>Zapnúť preklad</translation>
    </message>
    <message>
        <source>Hide Original Messages</source>
        <extracomment>slot 2: tray entry 2; hot-key notice</extracomment>
        <translation>Skryť pôvodné správy</translation>
    </message>
    <message>
        <source>Set Translator</source>
        <extracomment>slot 3: tray submenu</extracomment>
        <translation>Nastaviť prekladač</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <extracomment>slot 4: tray submenu</extracomment>
        <translation>Kontrola pravopisu</translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <extracomment>slot 5: tray submenu "Set Speech"</extracomment>
        <translation>Prevod textu na reč</translation>
    </message>
    <message>
        <source>Google Settings</source>
        <extracomment>slot 6: tray submenu</extracomment>
        <translation>Nastavenia Google</translation>
    </message>
    <message>
        <source>Babylon Settings</source>
        <extracomment>slot 7: tray submenu</extracomment>
        <translation>Nastavenia Babylon</translation>
    </message>
    <message>
        <source>Yahoo Settings</source>
        <extracomment>slot 8: tray submenu</extracomment>
        <translation>Nastavenia Yahoo</translation>
    </message>
    <message>
        <source>Bing Settings</source>
        <extracomment>slot 9: tray submenu</extracomment>
        <translation>Nastavenia Bing</translation>
    </message>
    <message>
        <source>SysTran Settings</source>
        <extracomment>slot 10: tray submenu</extracomment>
        <translation>Nastavenia SysTran</translation>
    </message>
    <message>
        <source>Promt Settings</source>
        <extracomment>slot 11: tray submenu</extracomment>
        <translation>Nastavenia Promt</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>slot 12: tray submenu</extracomment>
        <translation>Predvoľby</translation>
    </message>
    <message>
        <source>Greetings</source>
        <extracomment>slot 13: tray entry</extracomment>
        <translation>Pozdravy</translation>
    </message>
    <message>
        <source>Fun&amp;&amp;Art Message</source>
        <extracomment>slot 14: tray entry</extracomment>
        <translation>Zábavná &amp;&amp; umelecká správa</translation>
    </message>
    <message>
        <source>A.I. Talk Robot</source>
        <extracomment>slot 15: tray entry</extracomment>
        <translation>Konverzačný robot s UI</translation>
    </message>
    <message>
        <source>Voice Call Recorder</source>
        <extracomment>slot 16: tray entry</extracomment>
        <translation>Nahrávanie hlasových hovorov</translation>
    </message>
    <message>
        <source>Voice Changer</source>
        <extracomment>slot 17: tray submenu</extracomment>
        <translation>Menič hlasu</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>slot 18: tray entry</extracomment>
        <translation>Skontrolovať aktualizácie</translation>
    </message>
    <message>
        <source>Homepage</source>
        <extracomment>slot 19: tray entry</extracomment>
        <translation>Domovská stránka</translation>
    </message>
    <message>
        <source>About ...</source>
        <extracomment>slot 20: tray entry</extracomment>
        <translation>O programe...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>slot 21: tray entry</extracomment>
        <translation>Ukončiť</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>slot 22: the "Disabled" entries of seven submenus</extracomment>
        <translation>Vypnuté</translation>
    </message>
    <message>
        <source> Auto Detect</source>
        <extracomment>slot 23: the automatic source entries of Google, Bing and Promt</extracomment>
        <translation> Automaticky rozpoznať</translation>
    </message>
    <message>
        <source>Run with Windows</source>
        <extracomment>slot 24: Preferences entry</extracomment>
        <translation>Spúšťať so systémom Windows</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <extracomment>slot 25: Preferences entry</extracomment>
        <translation>Nastavenia pripojenia</translation>
    </message>
    <message>
        <source>A.I. Settings</source>
        <extracomment>slot 26: Preferences entry</extracomment>
        <translation>Nastavenia UI</translation>
    </message>
    <message>
        <source>Slowest</source>
        <extracomment>slot 27: speech rate entries</extracomment>
        <translation>Najpomalšie</translation>
    </message>
    <message>
        <source>Slower</source>
        <extracomment>slot 28: speech rate entries</extracomment>
        <translation>Pomalšie</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>slot 29: speech rate entries</extracomment>
        <translation>Pomaly</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>slot 30: speech rate entries</extracomment>
        <translation>Normálne</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>slot 31: speech rate entries</extracomment>
        <translation>Rýchlo</translation>
    </message>
    <message>
        <source>Faster</source>
        <extracomment>slot 32: speech rate entries</extracomment>
        <translation>Rýchlejšie</translation>
    </message>
    <message>
        <source>Fastest</source>
        <extracomment>slot 33: speech rate entries</extracomment>
        <translation>Najrýchlejšie</translation>
    </message>
    <message>
        <source>Hear Voice</source>
        <extracomment>slot 34: Voice Changer entry 33193</extracomment>
        <translation>Vypočuť hlas</translation>
    </message>
    <message>
        <source>Browse Audio File</source>
        <extracomment>slot 35: Music entry 33196 without a file</extracomment>
        <translation>Vybrať zvukový súbor</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <extracomment>slot 36: Music entry 33197</extracomment>
        <translation>Zastaviť hudbu</translation>
    </message>
    <message>
        <source>Volume 100%</source>
        <extracomment>slot 37: Music volume entries</extracomment>
        <translation>Hlasitosť 100 %</translation>
    </message>
    <message>
        <source>Volume 75%</source>
        <extracomment>slot 38: Music volume entries</extracomment>
        <translation>Hlasitosť 75 %</translation>
    </message>
    <message>
        <source>Volume 50%</source>
        <extracomment>slot 39: Music volume entries</extracomment>
        <translation>Hlasitosť 50 %</translation>
    </message>
    <message>
        <source>Volume 25%</source>
        <extracomment>slot 40: Music volume entries</extracomment>
        <translation>Hlasitosť 25 %</translation>
    </message>
    <message>
        <source>Volume 10%</source>
        <extracomment>slot 41: Music volume entries</extracomment>
        <translation>Hlasitosť 10 %</translation>
    </message>
    <message>
        <source>From Language</source>
        <extracomment>slot 42: source submenus</extracomment>
        <translation>Zdrojový jazyk</translation>
    </message>
    <message>
        <source>To Language</source>
        <extracomment>slot 43: target submenus</extracomment>
        <translation>Cieľový jazyk</translation>
    </message>
    <message>
        <source>Set Speech Rate</source>
        <extracomment>slot 44: Preferences submenu</extracomment>
        <translation>Nastaviť rýchlosť reči</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>slot 45: Voice Changer submenu</extracomment>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>slot 46: Hotkeys help entry; help entries of the spell-check and voice menus</extracomment>
        <translation>Pomocník</translation>
    </message>
    <message>
        <source>Browse Audio File (</source>
        <extracomment>slot 47: Music entry 33196 with a file</extracomment>
        <translation>Vybrať zvukový súbor (</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <extracomment>slot 48: Preferences submenu</extracomment>
        <translation>Jazyk rozhrania</translation>
    </message>
    <message>
        <source>Please, first select an user from the list!</source>
        <extracomment>slot 49: list dialogs with no user selected</extracomment>
        <translation>Najprv vyberte používateľa zo zoznamu!</translation>
    </message>
    <message>
        <source>This operation will delete all your voice call records!
Are you sure?</source>
        <extracomment>slot 50: recorder</extracomment>
        <translation>Táto operácia odstráni všetky vaše nahrávky hlasových hovorov!
Naozaj chcete pokračovať?</translation>
    </message>
    <message>
        <source>You are using the latest version!</source>
        <extracomment>slot 51: update check</extracomment>
        <translation>Používate najnovšiu verziu!</translation>
    </message>
    <message>
        <source>A new version is available - %s
Go to download page now?</source>
        <extracomment>slot 52: update check; %s is the version text</extracomment>
        <translation>Je k dispozícii nová verzia – %s
Prejsť teraz na stránku na stiahnutie?</translation>
    </message>
    <message>
        <source>Cannot check for updates! 
 Check if internet connection is available.</source>
        <extracomment>slot 53: update check</extracomment>
        <translation>Aktualizácie nie je možné skontrolovať! 
 Skontrolujte, či je dostupné internetové pripojenie.</translation>
    </message>
    <message>
        <source>Encrypt Message</source>
        <extracomment>slot 54: tray submenu; hot-key notice</extracomment>
        <translation>Šifrovať správu</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>slot 55: Encrypt Message entry 33232</extracomment>
        <translation>Zapnúť</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>slot 56: no fixed use</extracomment>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>Translate Incoming Messages</source>
        <extracomment>slot 57: tray submenu</extracomment>
        <translation>Prekladať prichádzajúce správy</translation>
    </message>
    <message>
        <source>User translation filter</source>
        <extracomment>slot 58: tray entry</extracomment>
        <translation>Filter prekladu pre používateľov</translation>
    </message>
    <message>
        <source>Broadcast mass message</source>
        <extracomment>slot 59: tray entry "Broadcast"</extracomment>
        <translation>Odoslať hromadnú správu</translation>
    </message>
    <message>
        <source>Hear Music</source>
        <extracomment>slot 60: Voice Changer entry 33376</extracomment>
        <translation>Vypočuť hudbu</translation>
    </message>
</context>
</TS>
