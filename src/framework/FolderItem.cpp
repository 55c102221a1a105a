#include "FolderItem.h"

#include "Exceptions.h"
#include "Picture.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string& ExecutableOverride()
{
    static std::string path;
    return path;
}

} // namespace

FolderItem::FolderItem(std::string path)
    : path_(std::move(path))
{
}

std::string FolderItem::Name() const
{
    return fs::path(path_).filename().string();
}

bool FolderItem::Exists() const
{
    std::error_code error;
    return fs::exists(path_, error);
}

bool FolderItem::Directory() const
{
    std::error_code error;
    return fs::is_directory(path_, error);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const
{
    const fs::path self(path_);
    if (!self.has_parent_path() || self.parent_path() == self)
        return nullptr;
    return std::make_shared<FolderItem>(self.parent_path().string());
}

std::shared_ptr<FolderItem> FolderItem::Child(std::string_view name) const
{
    return std::make_shared<FolderItem>((fs::path(path_) / fs::path(name)).string());
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const
{
    std::error_code error;
    if (!fs::is_regular_file(path_, error))
        return nullptr;
    return Picture::_Read(path_);
}

void _SetApplicationExecutablePath(std::string path)
{
    ExecutableOverride() = std::move(path);
}

std::shared_ptr<FolderItem> _ApplicationExecutableFile()
{
    if (!ExecutableOverride().empty())
        return std::make_shared<FolderItem>(ExecutableOverride());
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return nullptr;
    return std::make_shared<FolderItem>(self.string());
}

std::shared_ptr<FolderItem> _GetApplicationBundleResources()
{
    std::shared_ptr<FolderItem> executable = _ApplicationExecutableFile();
    if (!executable)
        throw NilObjectException("The application's executable file cannot be found.");
    std::shared_ptr<FolderItem> folder = executable->Parent();
    if (!folder)
        throw NilObjectException("The folder of the application's executable cannot be found.");
    std::shared_ptr<FolderItem> bundle = folder->Parent();
    if (!bundle)
        throw NilObjectException("The application's bundle folder cannot be found.");
    std::shared_ptr<FolderItem> resources = bundle->Child("Resources");
    if (!resources->Directory())
        return nullptr;
    return resources;
}
