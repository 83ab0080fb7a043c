#pragma once

#include <sys/types.h>

#include <string>

#include "RunningProgram.h"

// Starts launch's executable in workingDirectory with its environment changes, its standard
// output on outputFd unless the launch says otherwise, and every signal at its default; returns
// its process id.
pid_t startChild(const std::string& workingDirectory, const ProgramLaunch& launch, int outputFd);
