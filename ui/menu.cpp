// Menu bar, menus and entries: building the Win32 menus and keeping check marks in step.
#include "ui/menu.h"

#include "util/text.h"

namespace OrvoUtility {

MenuBar::MenuBar(GUIElement* form) {
    parent = form;
}

void MenuBar::Create() {
    if (created || parent == nullptr || parent->handle == nullptr) {
        return; // no window to attach to yet
    }
    menuHandle = CreateMenu();
    for (GUIElement* item : items) {
        item->Create();
    }
    SetMenu(parent->handle, menuHandle);
    created = true;
}

void MenuBar::AddItem(GUIElement* item) {
    items.push_back(item);
    if (created) {
        item->Create();
        DrawMenuBar(parent->handle); // a bar changed on a live window shows at once
    }
}

Menu::Menu(MenuBar* bar, const std::string& caption) {
    text = ToWide(caption);
    parent = bar;
    if (bar != nullptr) {
        bar->AddItem(this);
    }
}

void Menu::Create() {
    MenuBar* bar = dynamic_cast<MenuBar*>(parent);
    if (created || bar == nullptr || bar->menuHandle == nullptr) {
        return;
    }
    menuHandle = CreateMenu();
    for (GUIElement* item : items) {
        item->Create();
    }
    AppendMenuW(bar->menuHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
    created = true;
}

void Menu::AddItem(GUIElement* item) {
    items.push_back(item);
    if (created) {
        item->Create();
    }
}

SubMenu::SubMenu(Menu* menu, const std::string& caption) {
    text = ToWide(caption);
    parent = menu;
    id = TakeNextId();
    if (menu != nullptr) {
        menu->AddItem(this);
    }
}

HMENU SubMenu::ParentMenu() const {
    Menu* menu = dynamic_cast<Menu*>(parent);
    return menu != nullptr ? menu->menuHandle : nullptr;
}

void SubMenu::Create() {
    HMENU menu = ParentMenu();
    if (created || menu == nullptr) {
        return;
    }
    UINT_PTR command = static_cast<UINT_PTR>(id);
    AppendMenuW(menu, MF_STRING, command, text.empty() ? nullptr : text.c_str());
    if (checkable) {
        CheckMenuItem(menu, static_cast<UINT>(id),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
    created = true;
    if (!enabled) {
        SetEnabled(false);
    }
}

void SubMenu::SetEnabled(bool on) {
    enabled = on;
    HMENU menu = ParentMenu();
    if (created && menu != nullptr) {
        EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    }
}

void SubMenu::SetCheckable(bool on) {
    checkable = on;
    if (created) {
        ApplyCheck();
    }
}

void SubMenu::SetChecked(bool on) {
    checked = on;
    if (created) {
        ApplyCheck();
    }
}

void SubMenu::ApplyCheck() {
    HMENU menu = ParentMenu();
    if (menu != nullptr) {
        bool showMark = checked && checkable;
        CheckMenuItem(menu, static_cast<UINT>(id),
                      MF_BYCOMMAND | (showMark ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool SubMenu::IsChecked() {
    HMENU menu = ParentMenu();
    if (created && menu != nullptr) {
        // A greyed entry has more state bits than the check mark, so it answers false.
        checked = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) == MF_CHECKED;
    }
    return checked;
}

SubMenu* FindSubMenuById(int identifier) {
    for (GUIElement* element : RegisteredElements()) {
        SubMenu* entry = dynamic_cast<SubMenu*>(element);
        if (entry != nullptr && entry->id == identifier) {
            return entry;
        }
    }
    return nullptr;
}

} // namespace OrvoUtility
