// The yes/no question box.
#pragma once

#include <string>

namespace OrvoUtility {

// Task-modal Yes/No box with a question icon and no owner. True only for Yes; No, Esc, the
// close box and a failure all answer false. The texts go to the ANSI call unchanged.
bool Ask(const std::string& text, const std::string& caption);

} // namespace OrvoUtility
