// Small platform hooks used by the portable file code (implemented per platform).
#pragma once

#include <cstdio>

// Flushes the C stream and asks the system to write the file's data to disk.
bool SyncFileToDisk(std::FILE* f);
