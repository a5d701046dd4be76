#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace velmira::picture {

// A zlib stream inflated by zlib as its pieces come (a PNG's IDAT chunks, never gathered into
// one), what it makes handed to a sink 64 KB at a time: zlib's window and state (about 45 KB)
// and the 64 KB are all it holds.
class Inflater {
  public:
    using Sink = std::function<bool(const uchar* bytes, qint64 count)>;
    Inflater();
    ~Inflater();
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Inflates the next piece of the stream; false from the sink stops it. The reason when the
    // stream is damaged; empty otherwise (also once it has ended or been stopped).
    QString feed(const uchar* bytes, qint64 count, const Sink& sink);
    bool ended() const { return m_ended; }
    bool stopped() const { return m_stopped; }
    // The reason for a stream that ran out before its end.
    static QString cutShort();

  private:
    struct State;
    std::unique_ptr<State> m_state;
    bool m_ended = false;
    bool m_stopped = false;
    bool m_failed = false;
};

}  // namespace velmira::picture
