#pragma once

namespace verbalink {

// Where the language and engine selection put their check marks (the tray menu in the program),
// so that the selection does not depend on the menu.
class LanguageCheckMarks {
public:
    virtual ~LanguageCheckMarks() = default;
    // Sets or clears the check mark of the entry with that command id; unknown ids are ignored.
    virtual void setChecked(int commandId, bool checked) = 0;
};

} // namespace verbalink
