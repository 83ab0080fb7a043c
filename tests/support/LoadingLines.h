#pragma once

#include <string>

#include "app/StartupPictures.h"

// What the program prints as it reads its pictures, one line for each in the order it reads
// them, "Loading cube texture... " and then how it went.

// Every picture loaded.
extern const std::string allLoaded;

// The lines when picture INDEX (in the program's table) ends with INSTEAD, the reader's own text
// with its newline if it writes one, rather than "Success\n", and the others load.
std::string allLoadedBut(int index, const std::string& instead);

// The lines when no picture is found anywhere: each is missing under its relative path.
std::string noneFound();

// Where the program looks for a picture first, relative to its working directory, e.g.
// "Textures/Noise.bmp".
std::string relativePath(const StartupPicture& picture);
