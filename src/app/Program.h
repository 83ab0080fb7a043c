#pragma once

// Opens the window, sets everything up and runs the frame loop; does not return in practice.
int runProgram(int argc, char** argv);
