#include "HeaderPictures.h"

#include <string_view>

namespace {

// One algorithm for both pictures, each with its own file and its own cache.
std::shared_ptr<Picture> BundlePicture(std::string_view fileName, std::shared_ptr<Picture>& pic)
{
    if (pic)
        return pic;
    if (std::shared_ptr<FolderItem> resources = _GetApplicationBundleResources()) {
        std::shared_ptr<FolderItem> file = resources->Child(fileName);
        NilCheck(file, "The picture file");
        pic = file->OpenAsPicture();
    }
    return pic;
}

} // namespace

std::shared_ptr<Picture> GoldBlackRedIcon64()
{
    static std::shared_ptr<Picture> pic;
    return BundlePicture("GoldBlackRedIcon64.png", pic);
}

std::shared_ptr<Picture> IconHdr()
{
    static std::shared_ptr<Picture> pic;
    return BundlePicture("IconHdr.png", pic);
}
