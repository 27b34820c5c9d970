<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>InterfaceStrings</name>
    <message>
        <source>Disable Translation</source>
        <extracomment>slot 0: first tray entry while translation is on</extracomment>
        <translation>Απενεργοποίηση μετάφρασης</translation>
    </message>
    <message>
        <source>Enable Translation</source>
        <extracomment>slot 1: first tray entry while translation is off</extracomment>
        <translation>Ενεργοποίηση μετάφρασης</translation>
    </message>
    <message>
        <source>Hide Original Messages</source>
        <extracomment>slot 2: tray entry 2; hot-key notice</extracomment>
        <translation>Απόκρυψη αρχικών μηνυμάτων</translation>
    </message>
    <message>
        <source>Set Translator</source>
        <extracomment>slot 3: tray submenu</extracomment>
        <translation>Ορισμός μεταφραστή</translation>
    </message>
    <message>
        <source>Spell Check</source>
        <extracomment>slot 4: tray submenu</extracomment>
        <translation>Ορθογραφικός έλεγχος</translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <extracomment>slot 5: tray submenu "Set Speech"</extracomment>
        <translation>Μετατροπή κειμένου σε ομιλία</translation>
    </message>
    <message>
        <source>Google Settings</source>
        <extracomment>slot 6: tray submenu</extracomment>
        <translation>Ρυθμίσεις Google</translation>
    </message>
    <message>
        <source>Babylon Settings</source>
        <extracomment>slot 7: tray submenu</extracomment>
        <translation>Ρυθμίσεις Babylon</translation>
    </message>
    <message>
        <source>Yahoo Settings</source>
        <extracomment>slot 8: tray submenu</extracomment>
        <translation>Ρυθμίσεις Yahoo</translation>
    </message>
    <message>
        <source>Bing Settings</source>
        <extracomment>slot 9: tray submenu</extracomment>
        <translation>Ρυθμίσεις Bing</translation>
    </message>
    <message>
        <source>SysTran Settings</source>
        <extracomment>slot 10: tray submenu</extracomment>
        <translation>Ρυθμίσεις SysTran</translation>
    </message>
    <message>
        <source>Promt Settings</source>
        <extracomment>slot 11: tray submenu</extracomment>
        <translation>Ρυθμίσεις Promt</translation>
    </message>
    <message>
        <source>Preferences</source>
        <extracomment>slot 12: tray submenu</extracomment>
        <translation>Προτιμήσεις</translation>
    </message>
    <message>
        <source>Greetings</source>
        <extracomment>slot 13: tray entry</extracomment>
        <translation>Χαιρετισμοί</translation>
    </message>
    <message>
        <source>Fun&amp;&amp;Art Message</source>
        <extracomment>slot 14: tray entry</extracomment>
        <translation>Διασκεδαστικό &amp;&amp; καλλιτεχνικό μήνυμα</translation>
    </message>
    <message>
        <source>A.I. Talk Robot</source>
        <extracomment>slot 15: tray entry</extracomment>
        <translation>Ρομπότ συνομιλίας ΤΝ</translation>
    </message>
    <message>
        <source>Voice Call Recorder</source>
        <extracomment>slot 16: tray entry</extracomment>
        <translation>Εγγραφή φωνητικών κλήσεων</translation>
    </message>
    <message>
        <source>Voice Changer</source>
        <extracomment>slot 17: tray submenu</extracomment>
        <translation>Αλλαγή φωνής</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>slot 18: tray entry</extracomment>
        <translation>Έλεγχος για ενημερώσεις</translation>
    </message>
    <message>
        <source>Homepage</source>
        <extracomment>slot 19: tray entry</extracomment>
        <translation>Αρχική σελίδα</translation>
    </message>
    <message>
        <source>About ...</source>
        <extracomment>slot 20: tray entry</extracomment>
        <translation>Σχετικά...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>slot 21: tray entry</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>slot 22: the "Disabled" entries of seven submenus</extracomment>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source> Auto Detect</source>
        <extracomment>slot 23: the automatic source entries of Google, Bing and Promt</extracomment>
        <translation> Αυτόματος εντοπισμός</translation>
    </message>
    <message>
        <source>Run with Windows</source>
        <extracomment>slot 24: Preferences entry</extracomment>
        <translation>Εκτέλεση με τα Windows</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <extracomment>slot 25: Preferences entry</extracomment>
        <translation>Ρυθμίσεις σύνδεσης</translation>
    </message>
    <message>
        <source>A.I. Settings</source>
        <extracomment>slot 26: Preferences entry</extracomment>
        <translation>Ρυθμίσεις ΤΝ</translation>
    </message>
    <message>
        <source>Slowest</source>
        <extracomment>slot 27: speech rate entries</extracomment>
        <translation>Πολύ αργά</translation>
    </message>
    <message>
        <source>Slower</source>
        <extracomment>slot 28: speech rate entries</extracomment>
        <translation>Πιο αργά</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>slot 29: speech rate entries</extracomment>
        <translation>Αργά</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>slot 30: speech rate entries</extracomment>
        <translation>Κανονικά</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>slot 31: speech rate entries</extracomment>
        <translation>Γρήγορα</translation>
    </message>
    <message>
        <source>Faster</source>
        <extracomment>slot 32: speech rate entries</extracomment>
        <translation>Πιο γρήγορα</translation>
    </message>
    <message>
        <source>Fastest</source>
        <extracomment>slot 33: speech rate entries</extracomment>
        <translation>Πολύ γρήγορα</translation>
    </message>
    <message>
        <source>Hear Voice</source>
        <extracomment>slot 34: Voice Changer entry 33193</extracomment>
        <translation>Ακρόαση φωνής</translation>
    </message>
    <message>
        <source>Browse Audio File</source>
        <extracomment>slot 35: Music entry 33196 without a file</extracomment>
        <translation>Επιλογή αρχείου ήχου</translation>
    </message>
    <message>
        <source>Stop Music</source>
        <extracomment>slot 36: Music entry 33197</extracomment>
        <translation>Διακοπή μουσικής</translation>
    </message>
    <message>
        <source>Volume 100%</source>
        <extracomment>slot 37: Music volume entries</extracomment>
        <translation>Ένταση 100%</translation>
    </message>
    <message>
        <source>Volume 75%</source>
        <extracomment>slot 38: Music volume entries</extracomment>
        <translation>Ένταση 75%</translation>
    </message>
    <message>
        <source>Volume 50%</source>
        <extracomment>slot 39: Music volume entries</extracomment>
        <translation>Ένταση 50%</translation>
    </message>
    <message>
        <source>Volume 25%</source>
        <extracomment>slot 40: Music volume entries</extracomment>
        <translation>Ένταση 25%</translation>
    </message>
    <message>
        <source>Volume 10%</source>
        <extracomment>slot 41: Music volume entries</extracomment>
        <translation>Ένταση 10%</translation>
    </message>
    <message>
        <source>From Language</source>
        <extracomment>slot 42: source submenus</extracomment>
        <translation>Γλώσσα προέλευσης</translation>
    </message>
    <message>
        <source>To Language</source>
        <extracomment>slot 43: target submenus</extracomment>
        <translation>Γλώσσα προορισμού</translation>
    </message>
    <message>
        <source>Set Speech Rate</source>
        <extracomment>slot 44: Preferences submenu</extracomment>
        <translation>Ορισμός ταχύτητας ομιλίας</translation>
    </message>
    <message>
        <source>Music</source>
        <extracomment>slot 45: Voice Changer submenu</extracomment>
        <translation>Μουσική</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>slot 46: Hotkeys help entry; help entries of the spell-check and voice menus</extracomment>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Browse Audio File (</source>
        <extracomment>slot 47: Music entry 33196 with a file</extracomment>
        <translation>Επιλογή αρχείου ήχου (</translation>
    </message>
    <message>
        <source>Interface Language</source>
        <extracomment>slot 48: Preferences submenu</extracomment>
        <translation>Γλώσσα περιβάλλοντος</translation>
    </message>
    <message>
        <source>Please, first select an user from the list!</source>
        <extracomment>slot 49: list dialogs with no user selected</extracomment>
        <translation>Επιλέξτε πρώτα έναν χρήστη από τη λίστα!</translation>
    </message>
    <message>
        <source>This operation will delete all your voice call records!
Are you sure?</source>
        <extracomment>slot 50: recorder</extracomment>
        <translation>Αυτή η ενέργεια θα διαγράψει όλες τις εγγραφές φωνητικών κλήσεών σας!
Είστε βέβαιοι;</translation>
    </message>
    <message>
        <source>You are using the latest version!</source>
        <extracomment>slot 51: update check</extracomment>
        <translation>Χρησιμοποιείτε την πιο πρόσφατη έκδοση!</translation>
    </message>
    <message>
        <source>A new version is available - %s
Go to download page now?</source>
        <extracomment>slot 52: update check; %s is the version text</extracomment>
        <translation>Υπάρχει διαθέσιμη νέα έκδοση - %s
Μετάβαση στη σελίδα λήψης τώρα;</translation>
    </message>
    <message>
        <source>Cannot check for updates! 
 Check if internet connection is available.</source>
        <extracomment>slot 53: update check</extracomment>
        <translation>Δεν είναι δυνατός ο έλεγχος για ενημερώσεις! 
 Ελέγξτε αν υπάρχει σύνδεση στο διαδίκτυο.</translation>
    </message>
    <message>
        <source>Encrypt Message</source>
        <extracomment>slot 54: tray submenu; hot-key notice</extracomment>
        <translation>Κρυπτογράφηση μηνύματος</translation>
    </message>
    <message>
        <source>Enable</source>
        <extracomment>slot 55: Encrypt Message entry 33232</extracomment>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>slot 56: no fixed use</extracomment>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <source>Translate Incoming Messages</source>
        <extracomment>slot 57: tray submenu</extracomment>
        <translation>Μετάφραση εισερχόμενων μηνυμάτων</translation>
    </message>
    <message>
        <source>User translation filter</source>
        <extracomment>slot 58: tray entry</extracomment>
        <translation>Φίλτρο μετάφρασης ανά χρήστη</translation>
    </message>
    <message>
        <source>Broadcast mass message</source>
        <extracomment>slot 59: tray entry "Broadcast"</extracomment>
        <translation>Αποστολή μαζικού μηνύματος</translation>
    </message>
    <message>
        <source>Hear Music</source>
        <extracomment>slot 60: Voice Changer entry 33376</extracomment>
        <translation>Ακρόαση μουσικής</translation>
    </message>
</context>
</TS>
