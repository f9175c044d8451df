// Any bytes as an HTTP response, through the client's response reader: fed
// whole and in pieces whose sizes come from the first byte, with a small
// body cap. Traps when the two disagree or a finished response breaks the
// cap.
#include "THttpResponseReader.h"

#include <cstddef>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const qsizetype piece = 1 + data[0] % 16;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    constexpr qint64 cap = 4096;

    THttpResponseReader whole(cap);
    whole.feed(bytes);
    const NetError wholeError = whole.finishAtClose();

    THttpResponseReader pieces(cap);
    for (qsizetype at = 0; at < bytes.size(); at += piece)
        pieces.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
    const NetError piecesError = pieces.finishAtClose();

    check(wholeError == piecesError);
    check(whole.status() == pieces.status());
    const QByteArray body = whole.takeBody();
    check(body == pieces.takeBody());
    check(body.size() <= cap);
    check(wholeError == NetError::None || body.isEmpty());
    return 0;
}
