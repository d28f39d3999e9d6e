// The file-existence test the texture loaders make before they open a file.
#pragma once

// True only for an existing file; a missing name, a directory or a null name gives false.
bool textureFileExists(const char* name);
