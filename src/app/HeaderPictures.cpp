#include "HeaderPictures.h"

#include <string_view>

namespace {

std::shared_ptr<Picture> goldBlackRedIcon64;
std::shared_ptr<Picture> iconHdr;

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
    return BundlePicture("GoldBlackRedIcon64.png", goldBlackRedIcon64);
}

std::shared_ptr<Picture> IconHdr()
{
    return BundlePicture("IconHdr.png", iconHdr);
}

void _ForgetHeaderPictures()
{
    goldBlackRedIcon64.reset();
    iconHdr.reset();
}
