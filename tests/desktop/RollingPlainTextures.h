#pragma once

#include <string>

// A scratch working directory for the program whose Textures folder holds plain white
// pictures: the blocks and the roller then show exactly their own colours and the ground is
// white, so that each thing in a screenshot can be told by its colour alone.
class RollingPlainTextures {
  public:
    RollingPlainTextures();
    ~RollingPlainTextures();
    RollingPlainTextures(const RollingPlainTextures&) = delete;
    RollingPlainTextures& operator=(const RollingPlainTextures&) = delete;

    const std::string& directory() const { return directory_; }

  private:
    std::string directory_;
};
