// Console set-up of the runner that differs between platforms.
#pragma once

// Standard output passes bytes through unchanged (no CR added before LF), so that the
// runner prints the same bytes on every platform.
void useBinaryOutput();
