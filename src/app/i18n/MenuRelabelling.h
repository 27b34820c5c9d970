#pragma once

namespace verbalink {

class InterfaceStrings;
class MenuModel;

// Writes a string table over the tray menu's labels: entries by position in the tray's main
// submenu and by command id, each only when the table has its slot. The first entry is
// relabelled only while translation is on (while off it keeps the text its switch set).
void relabelMenu(MenuModel& menu, const InterfaceStrings& strings, bool translationOn);

} // namespace verbalink
