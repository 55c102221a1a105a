#include "ShowURL.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::function<void(const std::string&)>& Handler()
{
    static std::function<void(const std::string&)> handler;
    return handler;
}

} // namespace

void ShowURL(const std::string& address)
{
    if (Handler()) {
        Handler()(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void _SetShowURLHandler(std::function<void(const std::string&)> handler)
{
    Handler() = std::move(handler);
}
