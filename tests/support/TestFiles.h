#pragma once

#include <string>

// A fresh directory under /tmp, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

// A folder name holding what a shell reads as syntax, to show that no path reaches one unquoted.
inline const char* const awkwardFolderName = "Projects (old) & it's $x `y`";

// Makes directory the working directory until the object goes.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::string& directory);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

  private:
    std::string previous_;
};

void writeFile(const std::string& path, const std::string& content);
std::string readFile(const std::string& path);

// The committed copy of one of the program's pictures, e.g. "Noise.bmp".
std::string committedTexture(const std::string& name);
