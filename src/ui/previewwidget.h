#pragma once

#include "core/controls.h"

#include <QImage>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <functional>

namespace velmira {

// The preview area: the chosen spray picture fitted into the square, aspect kept, pixels sharp
// when enlarged.
class PreviewWidget : public QWidget, public PreviewArea {
    Q_OBJECT
  public:
    explicit PreviewWidget(QWidget* parent = nullptr);
    ~PreviewWidget() override;
    void clear() override;
    // The file is read, and any picture other than a WAD or an 8-bit spray bitmap converted as
    // the compiler will convert it, on one worker thread, and shown when ready; a later load
    // or clear cancels the work under way and makes its result go unshown.
    bool load(const QString& path) override;
    const QImage& picture() const { return m_picture; }
    // Waits for the work under way and shows the latest (for tests and benchmarks).
    void waitForConversion();
    // How many loads the worker began reading (stale ones it drops unread).
    int conversionsStarted() const { return m_conversions; }

    // A picture dropped on the preview from a file manager: its local path.
    void setDropHandler(std::function<void(const QString&)> handler) {
        m_dropped = std::move(handler);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::function<void(const QString&)> m_dropped;
    void show(const QImage& picture, const QString& note, int colours);
    void describe();

    QImage m_picture;
    int m_colours = 0;
    // The latest load's number: a job whose number is older is stale and stops.
    std::atomic<quint64> m_latest{0};
    std::atomic<int> m_conversions{0};
    QThreadPool m_worker;
};

}  // namespace velmira
