// Writes a view picture as a PNG file through Windows' imaging component.
#pragma once

#include <string>

struct ViewPicture;

// False on any failure, after removing what was written.
bool WritePngFile(const std::string& path, const ViewPicture& picture);
