// Console set-up on Windows: standard output in binary mode, so LF stays LF.
#include "tools/sim/console.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void useBinaryOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}
