#pragma once

#include <QString>

// Why a GET failed. Callers that only need "it failed" test for None.
enum class NetError {
    None,
    InvalidAddress,   // not an absolute http:// or https:// address
    HostNotFound,
    ConnectionFailed, // refused, reset or closed early
    TlsFailed,        // https: certificate not trusted (issuer, host name, dates) or no handshake
    TimedOut,         // no byte within the read time-out
    DeadlineExceeded, // the whole transfer took longer than allowed
    HttpStatus,       // an error status (or a 3xx that is no usable redirect)
    TooManyRedirects,
    BodyTooLarge,     // the body grew beyond the allowed size
};

QString NetErrorText(NetError error);
