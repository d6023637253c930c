// Console set-up on POSIX systems: output is already byte for byte.
#include "tools/sim/console.h"

void useBinaryOutput() {}
