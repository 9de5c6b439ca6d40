// The menu's two levels: the root menu with its eight pages, each page a table of items
// over the settings, with what runs after a change and what is saved when it is left.
#pragma once

#include <cstdint>

#include "menu/menu_item.h"

namespace velquist {

constexpr int menuPageCount = 8;

struct MenuPage {
    const char* title;
    int32_t width;  // px
    const MenuItem* items;
    int32_t count;
    void (*afterChange)(int32_t item);  // after left/right stepped the item; may be null
    void (*save)();                     // when the page is left; may be null
    void (*eachFrame)();                // before the frame's yield; may be null
};

// The remembered selections and the menu's wait, kept across openings of the menu.
struct MenuState {
    int32_t rootSelection = 0;                  // highlighted page on the root menu
    int32_t pageSelection[menuPageCount] = {};  // highlighted item of each page
    int32_t waitTime = 0;                       // ms of frames before the next poll
    int32_t scratch = 0;                        // the value of the action items; stays 0
};

extern MenuState menu;

// The page table, root menu order.
const MenuPage& menuPage(int32_t index);

// One frame's lines of a page: the title, then every item with its value, the selected
// one highlighted.
void drawPageLines(const MenuPage& page, int32_t selection);

// The ten lines of the help box of the page's item, drawn while select is held; nothing
// for an item without help.
void drawHelpBox(const MenuPage& page, int32_t item);

// Runs one page until it is left with back.
void runMenuPage(int32_t index);

}  // namespace velquist
