#pragma once

#include "Object.h"

#include <memory>
#include <string>
#include <string_view>

class Picture;

// A file or folder on disk, named by its path; it may not exist.
class FolderItem : public Object {
public:
    explicit FolderItem(std::string path);

    const std::string& NativePath() const noexcept { return path_; }
    std::string Name() const;
    bool Exists() const;
    bool Directory() const;

    // The folder that holds this item, or null at the top of the tree.
    std::shared_ptr<FolderItem> Parent() const;
    // The item of that name inside this folder (which may not exist).
    std::shared_ptr<FolderItem> Child(std::string_view name) const;
    // The file read as a picture, or null when it cannot be read as one.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    std::string path_;
};

// The running program's executable file, or null when it cannot be found.
std::shared_ptr<FolderItem> _ApplicationExecutableFile();
// Makes the program look for its executable at another path (tests).
void _SetApplicationExecutablePath(std::string path);

// The "Resources" folder beside the executable's folder, or null when there
// is none. Throws NilObjectException when the executable or one of its two
// parent folders cannot be found.
std::shared_ptr<FolderItem> _GetApplicationBundleResources();
