// Menu bar, drop-down menus and command entries with optional check marks.
#pragma once

#include "ui/element.h"

#include <string>
#include <vector>

namespace OrvoUtility {

class Form;

// The bar of a form. Build the bar, its menus and their entries, then call the bar's Create:
// it creates the menus, which append their entries, and attaches the bar to the window.
// The Win32 menus go away with the form's window; the objects are owned by the form.
// Menu elements keep their menu in menuHandle; their handle (a window handle) stays null.
class MenuBar : public Child {
  public:
    explicit MenuBar(GUIElement* form);
    void Create() override;
    // Appends a menu; creates it at once when the bar already exists.
    void AddItem(GUIElement* item);

    std::vector<GUIElement*> items; // not owned
    HMENU menuHandle = nullptr;
};

// One drop-down menu of a bar (no identifier of its own).
class Menu : public Child {
  public:
    Menu(MenuBar* bar, const std::string& caption); // adds itself to the bar
    void Create() override;
    // Appends an entry; creates it at once when the menu already exists.
    void AddItem(GUIElement* item);

    std::vector<GUIElement*> items; // not owned
    HMENU menuHandle = nullptr;
};

// One command entry; takes its identifier when constructed.
class SubMenu : public Child, public CommandElement {
  public:
    SubMenu(Menu* menu, const std::string& caption); // adds itself to the menu
    void Create() override;
    void SetEnabled(bool on) override;
    void SetCheckable(bool on);
    void SetChecked(bool on);
    // Pushes the check state to the menu.
    void ApplyCheck();
    // The state read back from the menu when it exists (a greyed entry answers false).
    bool IsChecked();

    bool checkable = false;
    bool checked = false;

  private:
    HMENU ParentMenu() const;
};

// The first registered entry with this identifier, or null.
SubMenu* FindSubMenuById(int identifier);

} // namespace OrvoUtility
