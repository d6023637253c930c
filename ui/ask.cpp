// The yes/no question box over MessageBoxA.
#include "ui/ask.h"

#include <windows.h>

namespace OrvoUtility {

bool Ask(const std::string& text, const std::string& caption) {
    int answer = MessageBoxA(nullptr, text.c_str(), caption.c_str(),
                             MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);
    return answer == IDYES;
}

} // namespace OrvoUtility
