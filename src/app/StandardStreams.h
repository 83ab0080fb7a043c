#pragma once

// Gives each of standard input, output and error that the program was started without (as by
// `rolling-cube >&-`) a harmless file of its own. Otherwise the next file opened takes the free
// number, and for the display connection that means the console lines are written into the
// X protocol stream. Call it before anything opens a file.
void fillClosedStandardStreams();
