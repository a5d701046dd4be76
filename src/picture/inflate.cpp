#include "inflate.h"

#include <QCoreApplication>

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace velmira::picture {

namespace {

QString damaged() {
    return QCoreApplication::translate("velmira::picture::Png", "the compressed data is damaged");
}

constexpr std::size_t kOut = 64 * 1024;

}  // namespace

struct Inflater::State {
    z_stream stream{};
    bool started = false;
    QByteArray header;  // the zlib header's two bytes, as they come
    std::vector<uchar> out = std::vector<uchar>(kOut);
};

Inflater::Inflater() : m_state(std::make_unique<State>()) {
    // The deflate data alone, its zlib header read here: zlib then leaves out the checksum
    // over everything it makes, a third of the time a large PNG takes (a damaged stream is
    // still found by its codes, and a PNG's chunks carry their own checksums).
    m_state->started = inflateInit2(&m_state->stream, -15) == Z_OK;
}

Inflater::~Inflater() {
    if (m_state->started)
        inflateEnd(&m_state->stream);
}

QString Inflater::cutShort() {
    return QCoreApplication::translate("velmira::picture::Png", "the compressed data is cut short");
}

QString Inflater::feed(const uchar* bytes, qint64 count, const Sink& sink) {
    if (!m_state->started || m_failed)
        return damaged();
    while (m_state->header.size() < 2 && count > 0) {
        m_state->header.append(static_cast<char>(*bytes++));
        --count;
        if (m_state->header.size() == 2) {
            const auto cmf = static_cast<uchar>(m_state->header[0]);
            const auto flags = static_cast<uchar>(m_state->header[1]);
            // Deflate with a window of at most 32 KB, a sound check, no preset dictionary.
            if ((cmf & 0x0f) != 8 || (cmf >> 4) > 7 || (cmf * 256 + flags) % 31 != 0 ||
                (flags & 0x20)) {
                m_failed = true;
                return damaged();
            }
        }
    }
    z_stream& stream = m_state->stream;
    // One call of zlib into the output buffer, what it made handed on; false where the data is
    // damaged.
    int status = Z_OK;
    qint64 made = 0;
    const auto step = [&] {
        stream.next_out = m_state->out.data();
        stream.avail_out = static_cast<uInt>(kOut);
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
            m_failed = true;
            return false;
        }
        made = static_cast<qint64>(kOut - stream.avail_out);
        if (made > 0 && !sink(m_state->out.data(), made))
            m_stopped = true;
        m_ended = status == Z_STREAM_END;
        return true;
    };
    while (count > 0 && !m_ended && !m_stopped) {
        // zlib counts in unsigned ints: a piece larger than that is fed in parts.
        const auto piece = static_cast<uInt>(std::min<qint64>(count, UINT_MAX / 2));
        stream.next_in = const_cast<Bytef*>(bytes);
        stream.avail_in = piece;
        while (stream.avail_in > 0 && !m_ended && !m_stopped) {
            if (!step())
                return damaged();
            if (status == Z_BUF_ERROR && made == 0)
                break;
        }
        bytes += piece - stream.avail_in;
        count -= piece - stream.avail_in;
        if (stream.avail_in > 0)
            break;  // ended or stopped: what follows is ignored
    }
    // What zlib still holds once the input is taken: it makes it as the next piece comes, or,
    // at the end, here.
    while (!m_ended && !m_stopped) {
        stream.next_in = nullptr;
        stream.avail_in = 0;
        if (!step())
            return damaged();
        if (made == 0)
            break;
    }
    return QString();
}

}  // namespace velmira::picture
