#include "THttpResponseReader.h"

#include <QList>

#include <algorithm>

namespace {

constexpr qsizetype kMaxHead = 64 * 1024;
constexpr qsizetype kMaxLine = 4096;

bool isDigits(QByteArrayView s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

THttpResponseReader::THttpResponseReader(qint64 maxBodyBytes)
    : m_max(maxBodyBytes)
{
}

THttpResponseReader::State THttpResponseReader::fail(NetError e)
{
    m_state = State::Failed;
    m_error = e;
    m_body.clear();
    return m_state;
}

bool THttpResponseReader::parseHead(QByteArrayView head)
{
    const QList<QByteArray> lines = head.toByteArray().split('\n');
    const QByteArray first = lines.value(0).trimmed();
    // "HTTP/1.1 200 OK": a version, a three-digit status, any reason.
    if (!first.startsWith("HTTP/1.") || first.size() < 12 || first[8] != ' ' || !isDigits(first.mid(9, 3))
        || (first.size() > 12 && first[12] != ' '))
        return false;
    m_status = first.mid(9, 3).toInt();
    bool chunked = false;
    QByteArray length;
    m_location.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "transfer-encoding")
            chunked = chunked || value.toLower().contains("chunked");
        else if (name == "content-length")
            length = value;
        else if (name == "location")
            m_location = value;
    }
    if (m_status < 200 || m_status > 299 || m_status == 204 || m_status == 205) {
        m_framing = Framing::None;
    } else if (chunked) {
        m_framing = Framing::Chunked;
    } else if (!length.isNull()) {
        if (!isDigits(length) || length.size() > 18)
            return false;
        m_framing = Framing::Length;
        m_remaining = length.toLongLong();
    } else {
        m_framing = Framing::Close;
    }
    return true;
}

THttpResponseReader::State THttpResponseReader::feed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && (m_state == State::Head || m_state == State::Body)) {
        if (m_state == State::Head) {
            const qsizetype before = m_head.size();
            m_head += bytes.first(std::min<qsizetype>(bytes.size(), kMaxHead + 4 - m_head.size()));
            // Only where the new bytes could complete a separator: a head
            // sent a byte at a time is not searched again from its start.
            const qsizetype from = std::max<qsizetype>(0, before - 3);
            qsizetype end = m_head.indexOf("\r\n\r\n", from);
            qsizetype sep = 4;
            const qsizetype bare = m_head.indexOf("\n\n", from);
            if (bare >= 0 && (end < 0 || bare < end)) {
                end = bare;
                sep = 2;
            }
            if (end < 0) {
                if (m_head.size() > kMaxHead)
                    return fail(NetError::ConnectionFailed);
                return m_state;
            }
            bytes = bytes.sliced(end + sep - before);
            if (!parseHead(QByteArrayView(m_head).first(end)))
                return fail(NetError::ConnectionFailed);
            m_head.clear();
            if (m_status >= 100 && m_status <= 199)
                continue; // interim answer: the real one follows
            if (m_framing == Framing::None) {
                m_state = State::Done;
                break;
            }
            if (m_framing == Framing::Length && m_remaining > m_max)
                return fail(NetError::BodyTooLarge);
            m_state = m_framing == Framing::Length && m_remaining == 0 ? State::Done : State::Body;
            continue;
        }
        feedBody(bytes);
    }
    return m_state;
}

bool THttpResponseReader::appendBody(QByteArrayView data)
{
    m_seen += data.size();
    if (m_body.size() + data.size() > m_max) {
        fail(NetError::BodyTooLarge);
        return false;
    }
    m_body += data;
    return true;
}

bool THttpResponseReader::takeCounted(QByteArrayView& bytes)
{
    const qsizetype n = qsizetype(std::min<qint64>(m_remaining, bytes.size()));
    if (!appendBody(bytes.first(n)))
        return false;
    m_remaining -= n;
    bytes = bytes.sliced(n);
    return true;
}

void THttpResponseReader::feedBody(QByteArrayView& bytes)
{
    switch (m_framing) {
    case Framing::Close:
        appendBody(bytes);
        bytes = {};
        return;
    case Framing::Length:
        if (takeCounted(bytes) && m_remaining == 0)
            m_state = State::Done;
        return;
    case Framing::Chunked:
        feedChunked(bytes);
        return;
    case Framing::None:
        m_state = State::Done;
        return;
    }
}

bool THttpResponseReader::takeLine(QByteArrayView& bytes, QByteArray& line, bool& tooLong)
{
    const qsizetype nl = bytes.indexOf('\n');
    const qsizetype take = nl < 0 ? bytes.size() : nl + 1;
    line += bytes.first(take);
    bytes = bytes.sliced(take);
    tooLong = line.size() > kMaxLine;
    if (nl < 0 || tooLong)
        return false;
    line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

void THttpResponseReader::feedChunked(QByteArrayView& bytes)
{
    while (!bytes.isEmpty() && m_state == State::Body) {
        bool tooLong = false;
        switch (m_chunkPart) {
        case ChunkPart::Size: {
            if (!takeLine(bytes, m_line, tooLong)) {
                if (tooLong)
                    fail(NetError::ConnectionFailed);
                return;
            }
            // "1a2b" or "1a2b;extension": hexadecimal, at most 15 digits.
            const QByteArray digits = m_line.left(m_line.indexOf(';') < 0 ? m_line.size() : m_line.indexOf(';')).trimmed();
            m_line.clear();
            bool ok = !digits.isEmpty() && digits.size() <= 15;
            for (const char c : digits)
                ok = ok && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
            if (!ok) {
                fail(NetError::ConnectionFailed);
                return;
            }
            m_remaining = digits.toLongLong(nullptr, 16);
            m_chunkPart = m_remaining == 0 ? ChunkPart::Trailer : ChunkPart::Data;
            break;
        }
        case ChunkPart::Data:
            if (!takeCounted(bytes))
                return;
            if (m_remaining == 0)
                m_chunkPart = ChunkPart::DataEnd;
            break;
        case ChunkPart::DataEnd:
            if (!takeLine(bytes, m_line, tooLong)) {
                if (tooLong)
                    fail(NetError::ConnectionFailed);
                return;
            }
            if (!m_line.isEmpty()) {
                fail(NetError::ConnectionFailed);
                return;
            }
            m_chunkPart = ChunkPart::Size;
            break;
        case ChunkPart::Trailer: {
            const qsizetype before = bytes.size();
            const bool whole = takeLine(bytes, m_line, tooLong);
            m_trailerBytes += before - bytes.size();
            if (tooLong || m_trailerBytes > kMaxHead) {
                fail(NetError::ConnectionFailed);
                return;
            }
            if (!whole)
                return;
            if (m_line.isEmpty())
                m_state = State::Done;
            m_line.clear();
            break;
        }
        }
    }
}

NetError THttpResponseReader::finishAtClose()
{
    if (m_state == State::Body && m_framing == Framing::Close)
        m_state = State::Done;
    if (m_state == State::Done)
        return NetError::None;
    if (m_state == State::Failed)
        return m_error;
    fail(NetError::ConnectionFailed);
    return m_error;
}
