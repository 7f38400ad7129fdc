#pragma once

// The widget names of each section's tab page, list, context menu and View item. Their numbers
// do not follow the section numbers (section 10 is ListView7 on TabSheet2).

#include <QString>

namespace varn {

struct SectionNames {
    int section;
    const char* tab;
    const char* list;
    const char* contextMenu;
    const char* editItem;
    const char* addItem;
    const char* deleteItem;
    const char* viewItem;
};

// In tab order 0, 2, 3, 4, 8, 9, 10, 15.
inline constexpr SectionNames kSectionNames[] = {
    {0, "TabSheet1", "ListView1", "PopupMenu1", "Edit1", "Add1", "Delete1", "Section01"},
    {2, "TabSheet4", "ListView2", "PopupMenu2", "EditItem1", "AddItem1", "DeleteItem1",
     "Section21"},
    {3, "TabSheet7", "ListView3", "PopupMenu3", "EditItem2", "AddItem2", "DeleteItem2",
     "Section31"},
    {4, "TabSheet3", "ListView4", "PopupMenu4", "EditItem3", "AddItem3", "DeleteItem3",
     "Section41"},
    {8, "TabSheet8", "ListView5", "PopupMenu5", "EditItem4", "AddItem4", "DeleteItem4",
     "Section81"},
    {9, "TabSheet9", "ListView8", "PopupMenu8", "EditItem7", "AddItem7", "DeleteItem7",
     "Section91"},
    {10, "TabSheet2", "ListView7", "PopupMenu6", "EditItem5", "AddItem5", "DeleteItem5",
     "Section101"},
    {15, "TabSheet5", "ListView6", "PopupMenu7", "EditItem6", "AddItem6", "DeleteItem6",
     "Section151"},
};

}  // namespace varn
