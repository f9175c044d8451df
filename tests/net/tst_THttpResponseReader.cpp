#include "THttpResponseReader.h"

#include <QTest>

#include "TestRegistry.h"

Q_DECLARE_METATYPE(NetError)

// Responses as servers write them, decoded whole, one byte at a time and in
// pieces of 7 bytes: framing must not depend on how the bytes arrive.
class tst_THttpResponseReader : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
};

void tst_THttpResponseReader::decode_data()
{
    QTest::addColumn<QByteArray>("response");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<NetError>("error");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    const qint64 big = 1 << 20;
    const QByteArray ok = "HTTP/1.1 200 OK\r\n";
    const QByteArray chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";

    QTest::newRow("Content-Length") << ok + "Content-Length: 5\r\n\r\nhello" << big << NetError::None << 200
                                    << QByteArray("hello");
    QTest::newRow("bytes after the length are not body")
        << ok + "Content-Length: 2\r\n\r\nhello" << big << NetError::None << 200 << QByteArray("he");
    QTest::newRow("empty by length") << ok + "Content-Length: 0\r\n\r\n" << big << NetError::None << 200 << QByteArray();
    QTest::newRow("chunks with an extension and a trailer")
        << chunked + "5;name=x\r\nhello\r\n6\r\n world\r\n0\r\nX-Trailer: 1\r\n\r\n" << big << NetError::None << 200
        << QByteArray("hello world");
    QTest::newRow("upper-case chunk size") << chunked + "A\r\n0123456789\r\n0\r\n\r\n" << big << NetError::None << 200
                                           << QByteArray("0123456789");
    QTest::newRow("chunked wins over Content-Length")
        << ok + "Content-Length: 3\r\nTransfer-Encoding: gzip, Chunked\r\n\r\n4\r\nabcd\r\n0\r\n\r\n" << big
        << NetError::None << 200 << QByteArray("abcd");
    QTest::newRow("until the connection closes") << ok + "Content-Type: text/css\r\n\r\nall of it" << big
                                                 << NetError::None << 200 << QByteArray("all of it");
    QTest::newRow("line feeds alone") << QByteArray("HTTP/1.0 200 OK\nContent-Length: 1\n\nx") << big << NetError::None
                                      << 200 << QByteArray("x");
    QTest::newRow("interim 100 skipped") << "HTTP/1.1 100 Continue\r\n\r\n" + ok + "Content-Length: 2\r\n\r\nok" << big
                                         << NetError::None << 200 << QByteArray("ok");
    QTest::newRow("204 has no body") << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << big << NetError::None << 204
                                     << QByteArray();
    QTest::newRow("error status ends with its headers")
        << QByteArray("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found") << big << NetError::None << 404
        << QByteArray();
    QTest::newRow("body exactly at the cap") << ok + "Content-Length: 4\r\n\r\nabcd" << qint64(4) << NetError::None
                                             << 200 << QByteArray("abcd");

    QTest::newRow("announced length over the cap") << ok + "Content-Length: 5\r\n\r\n" << qint64(4)
                                                   << NetError::BodyTooLarge << 200 << QByteArray();
    QTest::newRow("chunks over the cap") << chunked + "3\r\nabc\r\n3\r\ndef\r\n0\r\n\r\n" << qint64(5)
                                         << NetError::BodyTooLarge << 200 << QByteArray();
    QTest::newRow("close-delimited over the cap") << ok + "\r\n" + QByteArray(100, 'x') << qint64(99)
                                                  << NetError::BodyTooLarge << 200 << QByteArray();
    QTest::newRow("chunk without its line end") << chunked + "3\r\nabcX\r\n0\r\n\r\n" << big
                                                << NetError::ConnectionFailed << 200 << QByteArray();
    QTest::newRow("chunk size not hexadecimal") << chunked + "zz\r\n" << big << NetError::ConnectionFailed << 200
                                                << QByteArray();
    QTest::newRow("chunk size of 16 digits") << chunked + "1000000000000000\r\n" << big
                                             << NetError::ConnectionFailed << 200 << QByteArray();
    QTest::newRow("closed before the last chunk") << chunked + "3\r\nabc\r\n" << big << NetError::ConnectionFailed
                                                  << 200 << QByteArray();
    QTest::newRow("closed before the length") << ok + "Content-Length: 10\r\n\r\nshort" << big
                                              << NetError::ConnectionFailed << 200 << QByteArray();
    QTest::newRow("closed in the headers") << QByteArray("HTTP/1.1 200 OK\r\nContent-") << big
                                           << NetError::ConnectionFailed << 0 << QByteArray();
    QTest::newRow("nothing at all") << QByteArray() << big << NetError::ConnectionFailed << 0 << QByteArray();
    QTest::newRow("not HTTP") << QByteArray("ICY 200 OK\r\n\r\nstream") << big << NetError::ConnectionFailed << 0
                              << QByteArray();
    QTest::newRow("length not a number") << ok + "Content-Length: 12abc\r\n\r\n" << big << NetError::ConnectionFailed
                                         << 200 << QByteArray();
    QTest::newRow("headers beyond 64 KiB") << ok + "X-Big: " + QByteArray(70000, 'h') + "\r\n\r\n" << big
                                           << NetError::ConnectionFailed << 0 << QByteArray();
}

void tst_THttpResponseReader::decode()
{
    QFETCH(QByteArray, response);
    QFETCH(qint64, cap);
    QFETCH(NetError, error);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    for (const qsizetype piece : {response.size() + 1, qsizetype(1), qsizetype(7)}) {
        THttpResponseReader reader(cap);
        for (qsizetype at = 0; at < response.size(); at += piece)
            reader.feed(QByteArrayView(response).sliced(at, std::min(piece, response.size() - at)));
        const NetError got = reader.finishAtClose();
        QCOMPARE(got, error);
        QCOMPARE(reader.status(), status);
        if (error == NetError::None)
            QCOMPARE(reader.takeBody(), body);
        else
            QVERIFY(reader.takeBody().isEmpty());
    }
}

TV_REGISTER_TEST(tst_THttpResponseReader);
#include "tst_THttpResponseReader.moc"
