#include "app/i18n/MenuRelabelling.h"

#include "app/i18n/InterfaceStrings.h"
#include "app/menu/MenuModel.h"

namespace verbalink {

namespace {

struct PlaceSlot {
    MenuPath path;
    int slot;
};

struct IdSlot {
    int commandId;
    int slot;
};

// Positions of the tray's main submenu, and items of its submenus, with their slots. Position
// 0 is handled apart: it follows the translation switch.
const PlaceSlot Places[] = {
    {{1}, 2},      {{2}, 54},     {{3}, 3},      {{4}, 4},      {{5}, 5},      {{6}, 57},
    {{8}, 6},      {{9}, 7},      {{10}, 8},     {{11}, 9},     {{12}, 10},    {{13}, 11},
    {{15}, 12},    {{16}, 58},    {{18}, 13},    {{19}, 14},    {{20}, 15},    {{21}, 16},
    {{22}, 17},    {{23}, 59},    {{26}, 18},    {{27}, 19},    {{28}, 20},    {{29}, 21},
    {{8, 0}, 42},  {{8, 1}, 43},  {{9, 0}, 42},  {{9, 1}, 43},  {{11, 0}, 42}, {{11, 1}, 43},
    {{13, 0}, 42}, {{13, 1}, 43}, {{15, 0}, 48}, {{15, 2}, 44}, {{22, 4}, 45},
};

const IdSlot Ids[] = {
    {33360, 22}, {32997, 22}, {33053, 22}, {33380, 22}, {33186, 22}, {33353, 22}, {33254, 22},
    {32785, 23}, {33001, 23}, {33207, 23}, {32935, 24}, {33165, 25}, {33183, 26}, {33055, 27},
    {33062, 28}, {33056, 29}, {33057, 30}, {33058, 31}, {33063, 32}, {33061, 33}, {33193, 34},
    {33376, 60}, {33196, 35}, {33197, 36}, {33198, 37}, {33199, 38}, {33200, 39}, {33201, 40},
    {33202, 41}, {33366, 46}, {33232, 55}, {5100, 46},  {5600, 46},
};

} // namespace

void relabelMenu(MenuModel& menu, const InterfaceStrings& strings, bool translationOn)
{
    if (translationOn && strings.has(0))
        menu.setTextAt({0}, strings.text(0));
    for (const PlaceSlot& place : Places) {
        if (strings.has(place.slot))
            menu.setTextAt(place.path, strings.text(place.slot));
    }
    for (const IdSlot& id : Ids) {
        if (strings.has(id.slot))
            menu.setText(id.commandId, strings.text(id.slot));
    }
}

} // namespace verbalink
