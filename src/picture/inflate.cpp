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
    std::vector<uchar> out = std::vector<uchar>(kOut);
};

Inflater::Inflater() : m_state(std::make_unique<State>()) {
    m_state->started = inflateInit(&m_state->stream) == Z_OK;
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
    z_stream& stream = m_state->stream;
    while (count > 0 && !m_ended && !m_stopped) {
        // zlib counts in unsigned ints: a piece larger than that is fed in parts.
        const auto piece = static_cast<uInt>(std::min<qint64>(count, UINT_MAX / 2));
        stream.next_in = const_cast<Bytef*>(bytes);
        stream.avail_in = piece;
        while (stream.avail_in > 0 && !m_ended && !m_stopped) {
            stream.next_out = m_state->out.data();
            stream.avail_out = static_cast<uInt>(kOut);
            const int status = inflate(&stream, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
                m_failed = true;
                return damaged();
            }
            const auto made = static_cast<qint64>(kOut - stream.avail_out);
            if (made > 0 && !sink(m_state->out.data(), made))
                m_stopped = true;
            m_ended = status == Z_STREAM_END;
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
        stream.next_out = m_state->out.data();
        stream.avail_out = static_cast<uInt>(kOut);
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
            m_failed = true;
            return damaged();
        }
        const auto made = static_cast<qint64>(kOut - stream.avail_out);
        if (made > 0 && !sink(m_state->out.data(), made))
            m_stopped = true;
        m_ended = status == Z_STREAM_END;
        if (made == 0)
            break;
    }
    return QString();
}

}  // namespace velmira::picture
