#pragma once

#include <string>

// Draws the program's pictures and writes each as a BMP file into directory, under the name the
// program reads it by (see app/StartupPictures.h). Returns the path of the first file that could
// not be written, or an empty string when all were.
std::string writeStartupPictures(const std::string& directory);

// The same into the pictures' folder under the working directory, where the program looks for
// them first, made if need be.
std::string writeStartupPicturesForTheProgram();
