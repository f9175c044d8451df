#include "NetError.h"

QString NetErrorText(NetError error)
{
    switch (error) {
    case NetError::None: return QStringLiteral("no error");
    case NetError::InvalidAddress: return QStringLiteral("not an absolute http:// or https:// address");
    case NetError::HostNotFound: return QStringLiteral("host not found");
    case NetError::ConnectionFailed: return QStringLiteral("connection failed");
    case NetError::TlsFailed:
        return QStringLiteral("secure connection failed: the server's certificate is not trusted or the TLS handshake did not complete");
    case NetError::TimedOut: return QStringLiteral("timed out waiting for the server");
    case NetError::DeadlineExceeded: return QStringLiteral("the transfer took too long");
    case NetError::HttpStatus: return QStringLiteral("the server answered with an error status");
    case NetError::TooManyRedirects: return QStringLiteral("too many redirects");
    case NetError::BodyTooLarge: return QStringLiteral("the response is too large");
    }
    return QStringLiteral("unknown network error");
}
