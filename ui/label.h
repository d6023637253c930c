// Label: a static text that also reports mouse clicks.
#pragma once

#include "ui/element.h"

#include <string>

namespace OrvoUtility {

// A standard "static" control with SS_NOTIFY, so its own mouse callbacks run on clicks.
class Label : public Child {
  public:
    Label(GUIElement* parentElement, const std::string& caption);
    void Create() override;
};

} // namespace OrvoUtility
