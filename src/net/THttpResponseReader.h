#pragma once

#include "NetError.h"

#include <QByteArray>
#include <QByteArrayView>

// Decodes one HTTP/1.x response fed in pieces as they arrive: the status
// line and headers (at most 64 KiB, interim 1xx answers skipped), then for a
// 2xx status the body, framed by "Transfer-Encoding: chunked", by
// Content-Length, or by the end of the connection. A response with any other
// status is complete after its headers (its body is not wanted). More body
// than maxBodyBytes fails with BodyTooLarge as soon as it arrives, or at once
// when Content-Length announces it; malformed framing fails with
// ConnectionFailed.
class THttpResponseReader {
public:
    enum class State { Head, Body, Done, Failed };

    explicit THttpResponseReader(qint64 maxBodyBytes);

    // Takes the next bytes; bytes after the end of the response are ignored.
    State feed(QByteArrayView bytes);
    // The connection has closed: None when that completes the response.
    NetError finishAtClose();

    State state() const { return m_state; }
    NetError error() const { return m_error; }
    int status() const { return m_status; }
    const QByteArray& location() const { return m_location; }
    qint64 bodyBytesSeen() const { return m_seen; }
    QByteArray takeBody() { return std::move(m_body); }

private:
    enum class Framing { None, Length, Chunked, Close };
    enum class ChunkPart { Size, Data, DataEnd, Trailer };

    State fail(NetError e);
    bool parseHead(QByteArrayView head);
    void feedBody(QByteArrayView& bytes);
    void feedChunked(QByteArrayView& bytes);
    bool appendBody(QByteArrayView data);
    // Up to m_remaining bytes of body (a Content-Length body or one chunk).
    bool takeCounted(QByteArrayView& bytes);
    // Collects one line (up to "\n", without it and a "\r" before it) into
    // `line`; false while it is incomplete or when it grows beyond the limit.
    bool takeLine(QByteArrayView& bytes, QByteArray& line, bool& tooLong);

    qint64 m_max;
    State m_state = State::Head;
    NetError m_error = NetError::None;
    QByteArray m_head;
    int m_status = 0;
    QByteArray m_location;
    Framing m_framing = Framing::None;
    qint64 m_remaining = 0; // of a Content-Length body or of the current chunk
    ChunkPart m_chunkPart = ChunkPart::Size;
    QByteArray m_line;
    qint64 m_trailerBytes = 0;
    QByteArray m_body;
    qint64 m_seen = 0;
};
