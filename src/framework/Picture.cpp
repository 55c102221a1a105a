#include "Picture.h"

#include <QImage>

Picture::Picture()
    : image_(std::make_unique<QImage>())
{
}

Picture::~Picture() = default;

int Picture::Width() const
{
    return image_->width();
}

int Picture::Height() const
{
    return image_->height();
}

const QImage& Picture::_Image() const
{
    return *image_;
}

std::shared_ptr<Picture> Picture::_Read(const std::string& path)
{
    QImage image;
    if (!image.load(QString::fromStdString(path)) || image.isNull())
        return nullptr;
    auto picture = std::make_shared<Picture>();
    *picture->image_ = std::move(image);
    return picture;
}
