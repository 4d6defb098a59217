#include "link/NetworkAddress.h"

#include <QUrl>

namespace vk220::link {

std::optional<NetworkAddress> NetworkAddress::Parse(const QString &text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    NetworkAddress address;
    if (url.scheme() == QStringLiteral("rfc2217"))
        address.kind = Kind::Telnet;
    else if (url.scheme() != QStringLiteral("tcp"))
        return std::nullopt;
    const int port = url.port();
    if (!url.isValid() || url.host().isEmpty() || port <= 0 || !url.userInfo().isEmpty() ||
        !(url.path().isEmpty() || url.path() == QStringLiteral("/")) || url.hasQuery() ||
        url.hasFragment())
        return std::nullopt;
    address.host = url.host();
    address.port = static_cast<quint16>(port);
    return address;
}

QString NetworkAddress::Text() const {
    QUrl url;
    url.setScheme(kind == Kind::Telnet ? QStringLiteral("rfc2217") : QStringLiteral("tcp"));
    url.setHost(host);
    url.setPort(port);
    return url.toString();
}

} // namespace vk220::link
